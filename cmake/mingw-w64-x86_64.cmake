# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (gcc, posix threads, which Qt 6
# needs): used for Qt itself and for the program (scripts/build-windows.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DOSECALC_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DOSECALC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DOSECALC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DOSECALC_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${DOSECALC_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${DOSECALC_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP ${DOSECALC_MINGW_TRIPLET}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${DOSECALC_MINGW_TRIPLET}-objdump CACHE FILEPATH "")

# Libraries and headers of the target come from the mingw sysroot and the prefixes named in
# CMAKE_PREFIX_PATH (Qt and GoogleTest built for Windows); programs run at build time from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${DOSECALC_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
