// dosecalc-snapshot: renders one frame of the face panel exactly as the running program draws
// it, offscreen, and writes it as a PNG file. See snapshot_options.h for the command line. With
// --batch it reads one such command line per line of standard input and renders each in turn, as
// that many runs would, without loading the GL driver each time.
#include "offscreen_panel.h"
#include "png_file.h"
#include "snapshot_options.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {
constexpr int badArguments = 2;
constexpr int failed = 1;

// Renders the snapshot into its file; returns an empty string or a one-line reason.
std::string snapshot(const SnapshotOptions& options)
{
    try {
        headless::OffscreenPanel panel(options.width, options.height);
        // A steady frame: a context's first frame has its light elsewhere (see setupFrame).
        panel.render(options.frame);
        panel.render(options.frame);
        return pngfile::writeAtomically(options.out, panel.readPixels());
    } catch (const std::exception& e) {
        return e.what();
    }
}

// Every line of standard input parsed first, so that a bad line renders nothing.
int runBatch()
{
    std::vector<SnapshotOptions> batch;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        std::istringstream words(line);
        std::vector<std::string> arguments;
        for (std::string word; words >> word;)
            arguments.push_back(word);
        if (arguments.empty())
            continue;
        const SnapshotArguments parsed = parseSnapshotArguments(
            std::vector<std::string_view>(arguments.begin(), arguments.end()));
        if (parsed.outcome != SnapshotArguments::Outcome::render) {
            std::fprintf(stderr, "dosecalc-snapshot: line %d: %s\n", number,
                         parsed.outcome == SnapshotArguments::Outcome::help
                             ? "--help has no place in a batch"
                             : parsed.error.c_str());
            return badArguments;
        }
        batch.push_back(parsed.options);
    }
    for (const SnapshotOptions& options : batch)
        if (const std::string error = snapshot(options); !error.empty()) {
            std::fprintf(stderr, "dosecalc-snapshot: %s\n", error.c_str());
            return failed;
        }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--batch")
        return runBatch();
    const SnapshotArguments parsed = parseSnapshotArguments(arguments);
    if (parsed.outcome == SnapshotArguments::Outcome::help) {
        std::fputs(snapshotUsage, stdout);
        return 0;
    }
    if (parsed.outcome == SnapshotArguments::Outcome::error) {
        std::fprintf(stderr, "dosecalc-snapshot: %s\n", parsed.error.c_str());
        return badArguments;
    }
    if (const std::string error = snapshot(parsed.options); !error.empty()) {
        std::fprintf(stderr, "dosecalc-snapshot: %s\n", error.c_str());
        return failed;
    }
    return 0;
}
