#include "tool_process.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

void ScratchFolderTest::SetUp()
{
    std::string pattern = (std::filesystem::path(::testing::TempDir()) / "tool-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr) << "cannot make a folder " << pattern;
    dir = pattern;
}

void ScratchFolderTest::TearDown()
{
    if (!dir.empty())
        std::filesystem::remove_all(dir);
}

std::string slurp(const std::filesystem::path& path)
{
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, n);
        std::fclose(file);
    }
    return text;
}

ToolRun runTool(std::vector<std::string> arguments, const std::filesystem::path& scratch,
                const std::string& input)
{
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string inPath = (scratch / "stdin.txt").string();
    std::ofstream(inPath, std::ios::binary) << input;
    const std::string outPath = (scratch / "stdout.txt").string();
    const std::string errPath = (scratch / "stderr.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    ToolRun result;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = slurp(outPath);
    result.err = slurp(errPath);
    std::filesystem::remove(inPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}
