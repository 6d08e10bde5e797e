# The Windows tree, cross-built with mingw-w64 against Qt built for Windows, in the Debian 13 build
# root (scripts/build-windows.sh): the program with its icon and version resource, the folder the
# installer and the portable zip ship (`cmake --install`), and the calculation's and the window's
# tests, which run under Wine. The headless renderer, the tools and the benchmarks are Linux's.
if(CMAKE_VERSION VERSION_LESS 3.27)
  message(FATAL_ERROR "The Windows tree needs CMake 3.27 or newer: build it with scripts/build-windows.sh")
endif()
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
# The plugins' targets too (Debian's Qt source leaves them out by default), for the folder's
# platform plugin and style.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
find_package(Qt6 6.8 REQUIRED COMPONENTS Core Gui Widgets)

# mingw-w64's GCC 14 at -O3 takes the manager of a std::function inside an array of aggregates for
# maybe uninitialised (a false positive of its inliner); the Linux builds keep that warning.
target_compile_options(dosecalc_warnings INTERFACE -Wno-maybe-uninitialized)

# No link time in the programs' headers, so the same sources give the same bytes.
add_link_options(-Wl,--no-insert-timestamp)

# The mingw runtime every program of ours needs beside it (C++ library, unwinder, threads).
set(DOSECALC_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The mingw runtime library ${dll} was not found")
  endif()
  list(APPEND DOSECALC_MINGW_RUNTIME ${path})
endforeach()

# The icon: the start face as rendered into data/icons/ (scripts/make-icons.sh), the large size
# kept as PNG inside the .ico.
set(icon_pngs)
foreach(size 16 24 32 48 64 128)
  list(APPEND icon_pngs ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/${DOSECALC_APP_ID}.png)
endforeach()
set(large_icon_png ${PROJECT_SOURCE_DIR}/data/icons/hicolor/256x256/apps/${DOSECALC_APP_ID}.png)
set(DOSECALC_ICON ${CMAKE_BINARY_DIR}/dosecalc.ico)
add_custom_command(OUTPUT ${DOSECALC_ICON}
  COMMAND icotool --create --output=${DOSECALC_ICON} ${icon_pngs} --raw=${large_icon_png}
  DEPENDS ${icon_pngs} ${large_icon_png}
  COMMENT "Icon for Windows")
# A target, since the program that carries the icon is defined in another directory (app/).
add_custom_target(dosecalc_icon DEPENDS ${DOSECALC_ICON})
set(DOSECALC_WINDOWS_RESOURCE ${CMAKE_BINARY_DIR}/dosecalc.rc)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/dosecalc.rc.in ${DOSECALC_WINDOWS_RESOURCE} @ONLY)

add_subdirectory(visualizer)
add_subdirectory(app)
include(cmake/WindowsDeployment.cmake)

if(DOSECALC_BUILD_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  # Every test program runs under Wine, each in a fresh Wine prefix of its own.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/windows/with-wine-prefix.sh wine)
  add_subdirectory(tests)
endif()
