// Feeds every file of the given corpus directories (or single files) to the fuzz target once, so
// the calculation's invariants run on every ctest without libFuzzer. Exits 1 when there was
// nothing to replay; a broken invariant aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsUnder(const std::filesystem::path& path)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(path)) {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
    } else if (std::filesystem::is_regular_file(path)) {
        files.push_back(path);
    }
    return files;
}

} // namespace

int main(int argc, char* argv[])
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::filesystem::path> files = inputsUnder(argv[i]);
        if (files.empty()) {
            std::fprintf(stderr, "corpus replay: no inputs at %s\n", argv[i]);
            return 1;
        }
        for (const std::filesystem::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
            if (!in.good() && !in.eof()) {
                std::fprintf(stderr, "corpus replay: cannot read %s\n", file.c_str());
                return 1;
            }
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR_OR_FILE...\n", argv[0]);
        return 1;
    }
    std::printf("replayed %zu inputs, every invariant held\n", replayed);
    return 0;
}
