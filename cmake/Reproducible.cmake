# Release builds give the same bytes whatever folders the tree and the build lie in: the file names
# the compiler writes into the program (__FILE__, debug information) are made relative to them.
# The build folder's mapping comes last, so it wins for generated files when the build folder lies
# inside the tree.
add_compile_options("$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")
