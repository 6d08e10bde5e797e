// The picture tools around the catalogue as a user runs them: png-strip's labelled rows, its
// font and its refusals, png-overlap, the comparison behind the reference-frame test, and the
// writer of the reference frames.
#include "bitmap_font.h"
#include "canvas.h"
#include "picture_difference.h"
#include "png_file.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using headless::Image;
using headless::Rgb;

constexpr Rgb white{255, 255, 255};
constexpr Rgb grey{61, 61, 61};

bool operator==(Rgb a, Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

Image plain(int width, int height, Rgb colour)
{
    return Canvas(width, height, colour).image();
}

// A grey picture with a filled square in it.
Image withSquare(int left, int top, int side, Rgb colour)
{
    Canvas canvas(60, 40, grey);
    canvas.fill(left, top, side, side, colour);
    return canvas.image();
}

class PictureTools : public ScratchFolderTest {
protected:
    std::string save(const std::string& name, const Image& image) const
    {
        const std::string path = (dir / name).string();
        EXPECT_EQ(pngfile::writeAtomically(path, image), "");
        return path;
    }

    ToolRun run(const std::string& program, std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), program);
        return runTool(std::move(arguments), dir);
    }
};

// png-strip's labels: 7 dots of 4 pixels, in a band with 4 pixels above and below.
constexpr int labelScale = 4;
constexpr int bandHeight = 7 * labelScale + 2 * 4;

TEST_F(PictureTools, PngStripLaysOutLabelledRowsOfTheGivenLength)
{
    const std::string red = save("red.png", plain(160, 40, {255, 0, 0}));
    const std::string green = save("green.png", plain(160, 40, {0, 255, 0}));
    const std::string blue = save("blue.png", plain(160, 30, {0, 0, 255}));
    const std::string out = (dir / "sheet.png").string();
    const ToolRun r =
        run(PNG_STRIP, {"--out", out, "--columns", "2", "--label", "A1", red, green, "--label",
                        "B16", blue, "--next-row", "--label", "face 7", red});
    ASSERT_EQ(r.status, 0) << r.err;
    const Image sheet = pngfile::read(out);
    // Rows of two, the third row started by --next-row; 4 pixel gaps.
    ASSERT_EQ(sheet.width(), 160 + 4 + 160);
    ASSERT_EQ(sheet.height(), 3 * (bandHeight + 40) + 2 * 4 - 10)
        << "the second row is as high as its one picture";
    EXPECT_TRUE(sheet.at(10, bandHeight + 5) == Rgb({255, 0, 0}));
    EXPECT_TRUE(sheet.at(164 + 10, bandHeight + 5) == Rgb({0, 255, 0}));
    EXPECT_TRUE(sheet.at(10, bandHeight + 40 + 4 + bandHeight + 5) == Rgb({0, 0, 255}));
    EXPECT_TRUE(sheet.at(10, 2 * (bandHeight + 40 + 4) - 10 + bandHeight + 5) == Rgb({255, 0, 0}));
    // The label "A1": the top row of A has dots 1 to 3 of 5, each 4 pixels square from (4, 4) on.
    EXPECT_TRUE(sheet.at(4 + labelScale * 2, 4 + 1) == white);
    EXPECT_FALSE(sheet.at(4 + 1, 4 + 1) == white);
    EXPECT_FALSE(sheet.at(4 + 1, 4 + 1) == Rgb({255, 0, 0})) << "the label has its own band";
    // An unlabelled picture in a labelled sheet gets an empty band.
    for (int x = 164; x < 324; ++x)
        for (int y = 0; y < bandHeight; ++y)
            ASSERT_FALSE(sheet.at(x, y) == white) << x << ", " << y;
}

TEST_F(PictureTools, PngStripRefusesWhatItCannotDraw)
{
    const std::string red = save("red.png", plain(60, 40, {255, 0, 0}));
    const std::string out = (dir / "sheet.png").string();
    const std::vector<std::vector<std::string>> badArguments{
        {"--out", out, "--label", "A_9", red},       // no such glyph
        {"--out", out, "--label", "\xE9t\xE9", red}, // not ASCII
        {"--out", out, "--columns", "0", red},
        {"--out", out, "--columns", "two", red},
        {"--out", out, red, "--label", "A1"}, // a label for no picture
        {"--out", out, red, "--next-row"},
        {"--out", out},
        {red},
        {"--out", out, "--colour", "red", red},
    };
    for (const auto& arguments : badArguments) {
        const ToolRun r = run(PNG_STRIP, arguments);
        EXPECT_EQ(r.status, 2) << arguments.back();
        EXPECT_EQ(r.err.rfind("png-strip: ", 0), 0U) << r.err;
    }
    // Failures found while composing: status 1, no picture written.
    const ToolRun tooWide = run(PNG_STRIP, {"--out", out, "--label", "A very long label", red});
    EXPECT_EQ(tooWide.status, 1);
    EXPECT_NE(tooWide.err.find("wider than its picture"), std::string::npos) << tooWide.err;
    const ToolRun missing = run(PNG_STRIP, {"--out", out, (dir / "none.png").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(PictureTools, PngOverlapCountsThePixelsBothPicturesChange)
{
    const std::string base = save("base.png", plain(60, 40, grey));
    const std::string a = save("a.png", withSquare(10, 10, 10, {255, 0, 0}));
    const std::string b = save("b.png", withSquare(15, 12, 10, {0, 0, 255}));
    const std::string apart = save("apart.png", withSquare(40, 10, 10, {0, 0, 255}));
    ToolRun r = run(PNG_OVERLAP, {base, a, b});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "40\n") << "5 columns by 8 rows";
    r = run(PNG_OVERLAP, {base, a, apart});
    EXPECT_EQ(r.out, "0\n");
    const std::string small = save("small.png", plain(20, 20, grey));
    r = run(PNG_OVERLAP, {base, a, small});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("differ in size"), std::string::npos) << r.err;
    EXPECT_EQ(run(PNG_OVERLAP, {base, a}).status, 2);
}

TEST(PictureDifference, CountsPixelsBeyondTheToleranceAndMarksThemRed)
{
    Canvas drawn(4, 2, {100, 100, 100});
    drawn.set(0, 0, {102, 100, 98});  // within 2
    drawn.set(3, 1, {100, 103, 100}); // beyond 2
    drawn.set(2, 0, {0, 100, 100});
    const picture::Difference d = picture::compare(drawn.image(), plain(4, 2, {100, 100, 100}), 2);
    EXPECT_EQ(d.differing, 2U);
    EXPECT_EQ(d.largest, 100);
    EXPECT_TRUE(d.map.at(3, 1) == Rgb({255, 0, 0}));
    EXPECT_TRUE(d.map.at(2, 0) == Rgb({255, 0, 0}));
    EXPECT_TRUE(d.map.at(0, 0) == Rgb({25, 25, 25})) << "the expected picture, dimmed";
    EXPECT_EQ(picture::compare(drawn.image(), drawn.image(), 0).differing, 0U);
    EXPECT_THROW(picture::compare(drawn.image(), plain(2, 4, {0, 0, 0}), 2), std::invalid_argument);
}

TEST(BitmapFont, EveryLetterAndDigitIsItsOwnShape)
{
    std::set<std::vector<std::uint8_t>> shapes;
    std::string characters = "0123456789+-.,:()/=%";
    for (char c = 'A'; c <= 'Z'; ++c)
        characters += {c, static_cast<char>(c - 'A' + 'a')};
    for (const char c : characters) {
        ASSERT_TRUE(bitmapfont::canDraw(c)) << c;
        Canvas canvas(bitmapfont::glyphWidth, bitmapfont::glyphHeight, {0, 0, 0});
        bitmapfont::drawText(canvas, 0, 0, std::string(1, c), 1, white);
        const Image glyph = canvas.image();
        EXPECT_NE(glyph.rgb(), plain(5, 7, {0, 0, 0}).rgb()) << c << " is blank";
        EXPECT_TRUE(shapes.insert(glyph.rgb()).second) << c << " looks like another character";
    }
    EXPECT_TRUE(bitmapfont::canDraw(' '));
    EXPECT_FALSE(bitmapfont::canDraw('_'));
    EXPECT_FALSE(bitmapfont::canDraw(std::string_view("A\n")));
    EXPECT_EQ(bitmapfont::textWidth("A9 alone", 3), (8 * 6 - 1) * 3);
    EXPECT_EQ(bitmapfont::textWidth("", 3), 0);
}

// What png-strip draws above a picture labelled `label`, 241 pixels wide.
Image labelBand(const std::string& label)
{
    Canvas band(241, bandHeight, {24, 24, 24});
    bitmapfont::drawText(band, 4, 4, label, labelScale, white);
    return band.image();
}

Image cut(const Image& sheet, int left, int top, int width, int height)
{
    Canvas part(width, height, {0, 0, 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            part.set(x, y, sheet.at(left + x, top + y));
    return part.image();
}

TEST_F(PictureTools, TheCatalogueSheetLabelsEveryTileWithItsId)
{
    const std::string out = (dir / "catalogue.png").string();
    // ctest runs on a built tree; the script must not build it.
    setenv("DOSECALC_TOOLS_BUILT", "1", 1);
    const ToolRun r = runTool({"/bin/sh", CATALOGUE_SCRIPT, BUILD_TREE, out, "45"}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const Image sheet = pngfile::read(out);
    // Rows of nine labelled panels: four rows of faces, then A, B and C each from a new row, with
    // a decoration's tile alone beside it where it overlaps the face.
    constexpr int column = 241 + 4;
    constexpr int row = bandHeight + 177 + 4;
    ASSERT_EQ(sheet.width(), 9 * column - 4);
    ASSERT_EQ((sheet.height() + 4) % row, 0);
    EXPECT_GE((sheet.height() + 4) / row, 4 + 3 + 2 + 1);
    const auto bandAt = [&](int c, int rowIndex) {
        return cut(sheet, c * column, rowIndex * row, 241, bandHeight).rgb();
    };
    EXPECT_EQ(bandAt(0, 0), labelBand("face 1").rgb());
    EXPECT_EQ(bandAt(8, 0), labelBand("face 9").rgb());
    EXPECT_EQ(bandAt(8, 3), labelBand("face 36").rgb());
    EXPECT_EQ(bandAt(0, 4), labelBand("A1").rgb()) << "decorations A from the fifth row";
    // The last row starts with C1; the row above it holds the last of B.
    const int lastRow = (sheet.height() + 4) / row - 1;
    EXPECT_EQ(bandAt(0, lastRow), labelBand("C1").rgb());
}

TEST_F(PictureTools, TheWriterWritesEveryReferenceFrameAndRemovesStaleOnes)
{
    std::ofstream(dir / "face99-calm-045.png") << "a frame of no entry";
    std::ofstream(dir / "notes.txt") << "kept";
    const ToolRun r = run(REFERENCE_WRITER, {dir.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("removed face99-calm-045.png"), std::string::npos) << r.out;
    int frames = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        frames += entry.path().extension() == ".png" ? 1 : 0;
    EXPECT_EQ(frames, 320);
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
    const Image face = pngfile::read((dir / "face01-calm-045.png").string());
    EXPECT_EQ(face.width(), 241);
    EXPECT_EQ(face.height(), 177);
    EXPECT_EQ(run(REFERENCE_WRITER, {(dir / "missing").string()}).status, 1);
}

} // namespace
