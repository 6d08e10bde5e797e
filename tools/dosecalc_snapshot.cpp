// dosecalc-snapshot: renders one frame of the face panel exactly as the running program draws
// it, offscreen, and writes it as a PNG file. See snapshot_options.h for the command line.
#include "offscreen_panel.h"
#include "png_file.h"
#include "snapshot_options.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

namespace {
constexpr int badArguments = 2;
constexpr int failed = 1;
} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const SnapshotArguments parsed = parseSnapshotArguments(arguments);
    if (parsed.outcome == SnapshotArguments::Outcome::help) {
        std::fputs(snapshotUsage, stdout);
        return 0;
    }
    if (parsed.outcome == SnapshotArguments::Outcome::error) {
        std::fprintf(stderr, "dosecalc-snapshot: %s\n", parsed.error.c_str());
        return badArguments;
    }
    const SnapshotOptions& options = parsed.options;
    try {
        headless::OffscreenPanel panel(options.width, options.height);
        // A steady frame: a context's first frame has its light elsewhere (see setupFrame).
        panel.render(options.frame);
        panel.render(options.frame);
        const std::string error = pngfile::writeAtomically(options.out, panel.readPixels());
        if (!error.empty()) {
            std::fprintf(stderr, "dosecalc-snapshot: %s\n", error.c_str());
            return failed;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dosecalc-snapshot: %s\n", e.what());
        return failed;
    }
    return 0;
}
