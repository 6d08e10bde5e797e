#pragma once

// Runs a program as a user would from a shell, for the tests of the command-line tools.

#include <gtest/gtest.h>

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

// A file's whole content, or an empty string when it cannot be read.
std::string slurp(const std::filesystem::path& path);

// A test with a new empty folder `dir` of its own under the test's temporary folder, removed with
// everything in it after the test.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path dir;
};
