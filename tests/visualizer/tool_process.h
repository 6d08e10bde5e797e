#pragma once

// Runs a program as a user would from a shell, for the tests of the command-line tools.

#include <filesystem>
#include <string>
#include <vector>

struct ToolRun {
    int status = -1; // the exit status, or -1 when the program could not start or did not exit
    std::string out;
    std::string err;
};

// Runs arguments[0] with the rest as its arguments and this process's environment, with `input`
// as its standard input; its standard input, output and error pass through files in `scratch`,
// which are removed again.
ToolRun runTool(std::vector<std::string> arguments, const std::filesystem::path& scratch,
                const std::string& input = {});

// A new empty folder under the test's temporary folder, named after the prefix; fails the test
// (and returns an empty path) when none can be made.
std::filesystem::path makeScratchFolder(const std::string& prefix);

// A file's whole content, or an empty string when it cannot be read.
std::string slurp(const std::filesystem::path& path);
