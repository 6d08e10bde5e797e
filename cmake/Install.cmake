# What `cmake --install` puts under the prefix: the program, its desktop entry, icons and
# AppStream metadata in the places desktops and software centres look for them, its manual page
# in English and Japanese, and in the documentation folder the copyright and licences, the
# changelog and the README, which sets out what the calculation assumes (the metadata points
# readers to it).
include(GNUInstallDirs)

set(DOSECALC_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(doc_dir ${CMAKE_BINARY_DIR}/doc)

install(TARGETS dosecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${DOSECALC_DATA_DIR}/${DOSECALC_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DOSECALC_DATA_DIR}/${DOSECALC_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icons are rendered by scripts/make-icons.sh and committed.
install(DIRECTORY ${DOSECALC_DATA_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "${DOSECALC_APP_ID}.png")

# The newest release in NEWS.md dates the manual pages.
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS.md newest_release REGEX "^## [^ ]+ \\([0-9-]+\\)$"
     LIMIT_COUNT 1 ENCODING UTF-8)
string(REGEX REPLACE "^.*\\((.*)\\)$" "\\1" DOSECALC_RELEASE_DATE "${newest_release}")

# Compressed without names or times (gzip -n), so the same sources give the same bytes.
set(compressed_docs)
function(add_compressed_doc file)
  add_custom_command(OUTPUT ${file}.gz COMMAND gzip -9nkf ${file} DEPENDS ${file} VERBATIM)
  set(compressed_docs ${compressed_docs} ${file}.gz PARENT_SCOPE)
endfunction()

foreach(language_dir "" "ja/")
  configure_file(${DOSECALC_DATA_DIR}/man/${language_dir}dosecalc.1.in
                 ${doc_dir}/man/${language_dir}dosecalc.1 @ONLY)
  add_compressed_doc(${doc_dir}/man/${language_dir}dosecalc.1)
  install(FILES ${doc_dir}/man/${language_dir}dosecalc.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/${language_dir}man1)
endforeach()

add_custom_command(OUTPUT ${doc_dir}/changelog
  COMMAND ${PROJECT_SOURCE_DIR}/cmake/debian-changelog.sh ${PROJECT_SOURCE_DIR}/NEWS.md
          ${PROJECT_NAME} ${DOSECALC_MAINTAINER} ${doc_dir}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md ${PROJECT_SOURCE_DIR}/cmake/debian-changelog.sh
  COMMENT "Changelog from NEWS.md" VERBATIM)
add_compressed_doc(${doc_dir}/changelog)
add_custom_target(dosecalc_docs ALL DEPENDS ${compressed_docs})

# Debian 13's lintian checks the metadata with AppStream 1.0, which warns of the missing homepage.
cmake_host_system_information(RESULT debian_release QUERY DISTRIB_VERSION_ID)
if(debian_release VERSION_GREATER_EQUAL 13)
  install(FILES ${DOSECALC_DATA_DIR}/debian/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dosecalc)
endif()

install(FILES ${doc_dir}/changelog.gz ${DOSECALC_DATA_DIR}/debian/copyright ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
