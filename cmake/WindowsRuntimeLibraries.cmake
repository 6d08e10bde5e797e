# Run by `cmake --install` of the Windows tree (cmake/WindowsDeployment.cmake sets the inputs):
# copies the Qt libraries and the mingw runtime that the program and its plugins load beside the
# program. Windows' own libraries stay the system's.
#
# CMake looks for a Windows program's libraries under their names in lower case, which on Linux
# finds no Qt6Core.dll, and then reads them under the names the program gives them: it looks in a
# folder of links to them under both names, and each link found is copied as the file it points
# to, under that file's own name.
file(REMOVE_RECURSE ${dosecalc_link_dir})
file(MAKE_DIRECTORY ${dosecalc_link_dir})
foreach(dir ${dosecalc_library_dirs})
  file(GLOB dlls ${dir}/*.dll)
  foreach(dll ${dlls})
    get_filename_component(name ${dll} NAME)
    string(TOLOWER ${name} lower)
    foreach(link ${name} ${lower})
      if(NOT EXISTS ${dosecalc_link_dir}/${link})
        file(CREATE_LINK ${dll} ${dosecalc_link_dir}/${link} SYMBOLIC)
      endif()
    endforeach()
  endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${dosecalc_program}
  MODULES ${dosecalc_plugins}
  RESOLVED_DEPENDENCIES_VAR links
  UNRESOLVED_DEPENDENCIES_VAR unresolved
  PRE_INCLUDE_REGEXES "^qt6[a-z]+\\.dll$" "^libstdc\\+\\+-6\\.dll$" "^libgcc_s_seh-1\\.dll$"
                      "^libwinpthread-1\\.dll$"
  PRE_EXCLUDE_REGEXES ".*"
  DIRECTORIES ${dosecalc_link_dir})
if(unresolved)
  message(FATAL_ERROR "Libraries the program needs were not found: ${unresolved}")
endif()
foreach(link ${links})
  file(REAL_PATH ${link} library)
  file(INSTALL ${library} DESTINATION ${CMAKE_INSTALL_PREFIX})
endforeach()
file(REMOVE_RECURSE ${dosecalc_link_dir})
