# What `cmake --install` puts under the prefix: the program, its desktop entry, icons and
# AppStream metadata in the places desktops and software centres look for them, the licence, and
# the README, which sets out what the calculation assumes (the metadata points readers to it).
include(GNUInstallDirs)

set(DOSECALC_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS dosecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${DOSECALC_DATA_DIR}/${DOSECALC_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DOSECALC_DATA_DIR}/${DOSECALC_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icons are rendered by scripts/make-icons.sh and committed.
install(DIRECTORY ${DOSECALC_DATA_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "${DOSECALC_APP_ID}.png")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
