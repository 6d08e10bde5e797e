// png-strip: puts PNG pictures side by side, top-aligned, with a grey gap between them.
//   png-strip --out STRIP.png IN1.png IN2.png ...
#include "png_file.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {
constexpr int gap = 4;
constexpr std::uint8_t gapGrey = 128;
} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() < 3 || arguments[0] != "--out") {
        std::fputs("usage: png-strip --out STRIP.png IN1.png [IN2.png ...]\n", stderr);
        return 2;
    }
    try {
        std::vector<headless::Image> pictures;
        for (std::size_t i = 2; i < arguments.size(); ++i)
            pictures.push_back(pngfile::read(arguments[i]));
        int width = gap * static_cast<int>(pictures.size() - 1);
        int height = 0;
        for (const auto& p : pictures) {
            width += p.width();
            height = std::max(height, p.height());
        }
        const auto w = static_cast<std::size_t>(width);
        std::vector<std::uint8_t> strip(w * static_cast<std::size_t>(height) * 3, gapGrey);
        std::size_t left = 0;
        for (const auto& p : pictures) {
            const auto row = static_cast<std::size_t>(p.width()) * 3;
            for (std::size_t y = 0; y < static_cast<std::size_t>(p.height()); ++y)
                std::copy_n(p.rgb().begin() + static_cast<std::ptrdiff_t>(y * row), row,
                            strip.begin() + static_cast<std::ptrdiff_t>((y * w + left) * 3));
            left += static_cast<std::size_t>(p.width() + gap);
        }
        const std::string error =
            pngfile::writeAtomically(arguments[1], headless::Image(width, height, std::move(strip)));
        if (!error.empty()) {
            std::fprintf(stderr, "png-strip: %s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "png-strip: %s\n", e.what());
        return 1;
    }
    return 0;
}
