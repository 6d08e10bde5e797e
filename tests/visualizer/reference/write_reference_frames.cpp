// Writes every reference frame of the catalogue as PNG into a folder (tests/visualizer/reference/
// frames/ through tools/make-reference-frames.sh), drawn exactly as the reference-frame test draws
// it, and removes the PNGs there that name no reference frame any more.
//   write-reference-frames FOLDER
#include "catalogue_frames.h"
#include "png_file.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: write-reference-frames FOLDER\n", stderr);
        return 2;
    }
    const fs::path folder = argv[1];
    try {
        if (!fs::is_directory(folder))
            throw std::runtime_error("no folder " + folder.string());
        headless::OffscreenPanel panel(referenceWidth, referenceHeight);
        std::set<std::string> written;
        for (const ReferenceFrame& frame : referenceFrames()) {
            const std::string file = frame.name + ".png";
            const std::string error = pngfile::writeAtomically(
                (folder / file).string(), renderReferenceFrame(panel, frame.request));
            if (!error.empty())
                throw std::runtime_error(error);
            written.insert(file);
        }
        int removed = 0;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".png"
                && written.count(entry.path().filename().string()) == 0) {
                fs::remove(entry.path());
                std::printf("removed %s\n", entry.path().filename().c_str());
                ++removed;
            }
        std::printf("wrote %zu reference frames into %s, removed %d\n", written.size(),
                    folder.c_str(), removed);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "write-reference-frames: %s\n", e.what());
        return 1;
    }
    return 0;
}
