#pragma once

#include "offscreen_panel.h"

#include <string>

// PNG files of RGB pictures, through libpng.
namespace pngfile {

// Writes the picture to `path` as an 8-bit RGB PNG. The file is written beside its final name
// under a temporary one and renamed into place, so `path` either gets the whole picture or stays
// as it was. Returns an empty string on success, else a one-line reason.
std::string writeAtomically(const std::string& path, const headless::Image& image);

// Reads a PNG of any format as 8-bit RGB (alpha is dropped). Throws std::runtime_error with a
// one-line reason when the file cannot be read.
headless::Image read(const std::string& path);

} // namespace pngfile
