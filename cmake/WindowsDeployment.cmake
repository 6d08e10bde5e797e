# The program's folder on Windows, as the installer and the portable zip ship it
# (`cmake --install BUILD_DIR --prefix FOLDER`):
#   dosecalc.exe, qt.conf           the program; Qt's paths relative to it
#   Qt6*.dll, lib*.dll              the Qt libraries and the mingw runtime it links
#   plugins/platforms, styles       Qt's Windows platform plugin and native style
#   translations/qtbase_ja.qm       Qt's own texts in Japanese
#   fonts/                          IPA (P) Gothic, for a Windows without a Japanese Gothic
#   licenses/                       the program's licence and those of everything shipped with it
set(qt_bin_dir ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(mingw_runtime_dirs)
foreach(dll ${DOSECALC_MINGW_RUNTIME})
  get_filename_component(dir ${dll} DIRECTORY)
  list(APPEND mingw_runtime_dirs ${dir})
endforeach()

install(TARGETS dosecalc RUNTIME DESTINATION .)

# Plugins Qt loads at run time, so no link shows them.
set(platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
set(style_plugin $<TARGET_FILE:Qt6::QModernWindowsStylePlugin>)
install(FILES ${platform_plugin} DESTINATION plugins/platforms)
install(FILES ${style_plugin} DESTINATION plugins/styles)

# The libraries the program and the plugins link, found where Qt and the mingw runtime lie
# (install(RUNTIME_DEPENDENCIES) is not offered to a cross build; the command under it is).
install(CODE "set(dosecalc_program \"$<TARGET_FILE:dosecalc>\")
  set(dosecalc_plugins \"${platform_plugin};${style_plugin}\")
  set(dosecalc_library_dirs \"${qt_bin_dir};${mingw_runtime_dirs}\")
  set(dosecalc_link_dir \"${CMAKE_BINARY_DIR}/runtime-library-links\")
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${CMAKE_OBJDUMP}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WindowsRuntimeLibraries.cmake)
install(FILES ${PROJECT_SOURCE_DIR}/data/windows/qt.conf DESTINATION .)

# Debian's builds of Qt's translation, of the fonts and of the licences' texts.
set(qt_translation /usr/share/qt6/translations/qtbase_ja.qm)
set(shipped_fonts /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
                  /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf)
install(FILES ${qt_translation} DESTINATION translations)
install(FILES ${shipped_fonts} DESTINATION fonts)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME dosecalc.txt)
install(FILES /usr/share/doc/fonts-ipafont-gothic/copyright DESTINATION licenses RENAME IPA-fonts.txt)
# Qt for Windows is built from the source package of the Qt tools, and shares their copyright file.
install(FILES /usr/share/doc/qt6-base-dev-tools/copyright DESTINATION licenses RENAME Qt.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses RENAME GPL-3.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
        DESTINATION licenses RENAME mingw-w64-gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright
        DESTINATION licenses RENAME mingw-w64-winpthreads.txt)

# A test program that opens the window runs from its build folder with what the program has beside
# it in its own folder (the licences apart): the Qt libraries it links (Qt's own libraries link
# nothing else but the mingw runtime and Windows'), the mingw runtime, Qt's platform plugin and
# native style, qt.conf, Qt's Japanese translation and the IPA fonts.
function(dosecalc_deploy_beside target)
  set(folder $<TARGET_FILE_DIR:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/plugins/platforms ${folder}/plugins/styles
            ${folder}/translations ${folder}/fonts
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_RUNTIME_DLLS:${target}> ${DOSECALC_MINGW_RUNTIME}
            ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${platform_plugin} ${folder}/plugins/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${style_plugin} ${folder}/plugins/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/data/windows/qt.conf ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_translation} ${folder}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${shipped_fonts} ${folder}/fonts
    COMMAND_EXPAND_LISTS VERBATIM)
endfunction()
