# Run by `cmake --install` of the Windows tree (cmake/WindowsDeployment.cmake sets the inputs):
# copies the Qt libraries and the mingw runtime that the program and its plugins load beside the
# program. Windows' own libraries stay the system's.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${dosecalc_program}
  MODULES ${dosecalc_plugins}
  RESOLVED_DEPENDENCIES_VAR libraries
  UNRESOLVED_DEPENDENCIES_VAR unresolved
  PRE_INCLUDE_REGEXES "^Qt6[A-Za-z]+\\.dll$" "^libstdc\\+\\+-6\\.dll$" "^libgcc_s_seh-1\\.dll$"
                      "^libwinpthread-1\\.dll$"
  PRE_EXCLUDE_REGEXES ".*"
  DIRECTORIES ${dosecalc_library_dirs})
if(unresolved)
  message(FATAL_ERROR "Libraries the program needs were not found: ${unresolved}")
endif()
file(INSTALL ${libraries} DESTINATION ${CMAKE_INSTALL_PREFIX})
