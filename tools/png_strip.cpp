// png-strip: lays PNG pictures out side by side, top-aligned, with a grey gap between them; in
// rows of a given length, and each with a label drawn above it, when asked.
//   png-strip --out SHEET.png [--columns N] [--label TEXT] IN1.png [--next-row] [--label TEXT]
//   IN2.png ...
// --label names the next picture; --next-row starts a new row before the next picture.
#include "bitmap_font.h"
#include "canvas.h"
#include "png_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int gap = 4;
constexpr headless::Rgb gapGrey{128, 128, 128};
constexpr headless::Rgb labelBackground{24, 24, 24};
constexpr headless::Rgb labelInk{255, 255, 255};
constexpr int labelScale = 4; // 28 pixels high: readable where a wide sheet is shown shrunk to 40 %
constexpr int labelPadding = 4;
constexpr int labelHeight = 7 * labelScale + 2 * labelPadding;

const char* const usage =
    "usage: png-strip --out SHEET.png [--columns N] [--label TEXT] IN1.png [--next-row] [--label TEXT] IN2.png ...\n";

struct Tile {
    std::string path;
    std::string label;
    bool startsRow = false;
};

struct Request {
    std::string out;
    std::size_t columns = 0; // 0: one row, however long
    std::vector<Tile> tiles;
};

std::optional<std::size_t> parseCount(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0)
        return std::nullopt;
    return value;
}

// The request, or throws std::invalid_argument with a one-line reason.
Request parse(const std::vector<std::string>& arguments)
{
    Request request;
    std::optional<std::string> label;
    bool nextRow = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool takesValue = a == "--out" || a == "--columns" || a == "--label";
        if (takesValue && i + 1 == arguments.size())
            throw std::invalid_argument(a + " needs a value");
        if (a == "--out") {
            request.out = arguments[++i];
        } else if (a == "--columns") {
            const auto columns = parseCount(arguments[++i]);
            if (!columns)
                throw std::invalid_argument("--columns takes a positive whole number, not \""
                                            + arguments[i] + "\"");
            request.columns = *columns;
        } else if (a == "--label") {
            label = arguments[++i];
            if (!bitmapfont::canDraw(*label))
                throw std::invalid_argument(
                    "the label \"" + *label
                    + "\" has a character other than letters, digits, blanks and + - . , : ( ) / = %");
        } else if (a == "--next-row") {
            nextRow = true;
        } else if (a.starts_with("--")) {
            throw std::invalid_argument("unknown option \"" + a + "\"");
        } else {
            request.tiles.push_back({a, label.value_or(""), nextRow});
            label.reset();
            nextRow = false;
        }
    }
    if (request.out.empty() || request.tiles.empty())
        throw std::invalid_argument("--out and at least one picture are needed");
    if (label || nextRow)
        throw std::invalid_argument("--label and --next-row go before a picture");
    return request;
}

struct Placed {
    headless::Image picture;
    std::string label;
    int left;
    int top; // of the picture; a labelled sheet has a label band above every picture
};

struct Layout {
    int width = 0;
    int height = 0;
    bool labelled = false;
    std::vector<Placed> placed;
};

// Places the pictures row by row, each row as high as its highest picture.
Layout layOut(const Request& request)
{
    Layout sheet;
    sheet.labelled = std::any_of(request.tiles.begin(), request.tiles.end(),
                                 [](const Tile& t) { return !t.label.empty(); });
    const int band = sheet.labelled ? labelHeight : 0;
    int left = 0;
    int rowTop = 0;
    int rowHeight = 0;
    std::size_t inRow = 0;
    for (const Tile& tile : request.tiles) {
        const bool rowFull = request.columns != 0 && inRow == request.columns;
        if (inRow > 0 && (tile.startsRow || rowFull)) {
            rowTop += rowHeight + gap;
            left = 0;
            rowHeight = 0;
            inRow = 0;
        }
        headless::Image picture = pngfile::read(tile.path);
        if (bitmapfont::textWidth(tile.label, labelScale) + 2 * labelPadding > picture.width())
            throw std::runtime_error("the label \"" + tile.label + "\" is wider than its picture "
                                     + tile.path);
        const int pictureWidth = picture.width();
        rowHeight = std::max(rowHeight, band + picture.height());
        sheet.placed.push_back({std::move(picture), tile.label, left, rowTop + band});
        left += pictureWidth + gap;
        sheet.width = std::max(sheet.width, left - gap);
        sheet.height = rowTop + rowHeight;
        ++inRow;
    }
    return sheet;
}

headless::Image compose(const Request& request)
{
    const Layout layout = layOut(request);
    Canvas sheet(layout.width, layout.height, gapGrey);
    for (const Placed& p : layout.placed) {
        if (layout.labelled) {
            const int bandTop = p.top - labelHeight;
            sheet.fill(p.left, bandTop, p.picture.width(), labelHeight, labelBackground);
            bitmapfont::drawText(sheet, p.left + labelPadding, bandTop + labelPadding, p.label,
                                 labelScale, labelInk);
        }
        sheet.paste(p.picture, p.left, p.top);
    }
    return sheet.image();
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    Request request;
    try {
        request = parse(arguments);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "png-strip: %s\n%s", e.what(), usage);
        return 2;
    }
    try {
        const std::string error = pngfile::writeAtomically(request.out, compose(request));
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
