// dosecalc-snapshot as a user runs it: its options, its exit statuses and messages, and the
// picture it writes.
#include "lighting_model.h"
#include "offscreen_panel.h"
#include "png_file.h"
#include "snapshot_options.h"
#include "start_scene_frame.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SnapshotTool : public ScratchFolderTest {
protected:
    // Runs the snapshot tool with the arguments, or any program given as the first one.
    ToolRun run(std::vector<std::string> arguments, bool snapshot = true) const
    {
        if (snapshot)
            arguments.insert(arguments.begin(), SNAPSHOT_TOOL);
        return runTool(std::move(arguments), dir);
    }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(SnapshotTool, WritesTheSteadyDefaultFrameAsPng)
{
    const fs::path out = dir / "face.png";
    const ToolRun r = run({"--out", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const headless::Image picture = pngfile::read(out.string());
    ASSERT_EQ(picture.width(), 241);
    ASSERT_EQ(picture.height(), 177);

    // The same request drawn here: the file holds the second frame, not the first.
    headless::OffscreenPanel panel(241, 177);
    panel.render({});
    const headless::Image first = panel.readPixels();
    panel.render({});
    const headless::Image steady = panel.readPixels();
    std::size_t offSteady = 0;
    std::size_t offFirst = 0;
    for (std::size_t i = 0; i < steady.rgb().size(); ++i) {
        offSteady += std::abs(steady.rgb()[i] - picture.rgb()[i]) > 8;
        offFirst += std::abs(first.rgb()[i] - picture.rgb()[i]) > 8;
    }
    EXPECT_LT(offSteady, 150U) << "only the pixels around sphere poles may differ";
    EXPECT_GT(offFirst, 1000U) << "the first frame is lit from below";
    EXPECT_EQ(entries(), std::vector<std::string>{"face.png"}) << "no temporary file is left";
}

TEST_F(SnapshotTool, TakesTheSizeAndEveryOption)
{
    const fs::path out = dir / "small.png";
    const ToolRun r = run({"--out=" + out.string(), "--face", "0", "--decor-a", "45", "--decor-b",
                           "-3", "--decor-c", "2", "--angle", "-400", "--bands", "", "--threshold",
                           "-5", "--extra", "7", "--size", "64x48"});
    ASSERT_EQ(r.status, 0) << r.err;
    const headless::Image picture = pngfile::read(out.string());
    EXPECT_EQ(picture.width(), 64);
    EXPECT_EQ(picture.height(), 48);
    // Face 0 and only decoration C2: its white disk in the middle, facing the camera, lit at
    // 0.12 + 29 / sqrt(29^2 + 20^2) = 0.943.
    EXPECT_NEAR(picture.at(32, 24).red, 240, 1);
}

TEST_F(SnapshotTool, HelpGoesToStandardOutput)
{
    const ToolRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: dosecalc-snapshot --out FILE.png"), std::string::npos);
    EXPECT_TRUE(entries().empty());
}

TEST_F(SnapshotTool, BadArgumentsGetOneLineAndStatusTwoAndLeaveTheFileAlone)
{
    const fs::path out = dir / "kept.png";
    std::ofstream(out) << "earlier picture";
    const std::string o = out.string();
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--out"},
        {"--face", "1"},
        {"--out", o, "--face", "abc"},
        {"--out", o, "--face", "1.5"},
        {"--out", o, "--face", ""},
        {"--out", o, "--angle", "99999999999"},
        {"--out", o, "--threshold", "6 0"},
        {"--out", o, "--bands", "1,2,x"},
        {"--out", o, "--bands", "1,,2"},
        {"--out", o, "--bands", "1e999"},
        {"--out", o, "--bands", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {"--out", o, "--size", "0x10"},
        {"--out", o, "--size", "241"},
        {"--out", o, "--size", "5000x10"},
        {"--out", o, "--size", "-4x10"},
        {"--out", o, "--colour", "red"},
        {"--out", o, "picture.png"},
        {"--out", o, "--face"},
    };
    for (const auto& arguments : bad) {
        const ToolRun r = run(arguments);
        std::string shown;
        for (const auto& a : arguments)
            shown += "[" + a + "] ";
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.err.rfind("dosecalc-snapshot: ", 0), 0U) << shown << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << shown << r.err;
        EXPECT_TRUE(r.out.empty()) << shown;
    }
    EXPECT_EQ(slurp(out), "earlier picture");
    EXPECT_EQ(entries(), std::vector<std::string>{"kept.png"});
}

TEST_F(SnapshotTool, AFileThatCannotBeWrittenFailsWithStatusOne)
{
    const ToolRun r = run({"--out", (dir / "missing" / "face.png").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("dosecalc-snapshot: cannot create a file beside", 0), 0U) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST_F(SnapshotTool, ABatchRendersOneSnapshotALineAsThatManyRunsWould)
{
    const std::string small = (dir / "small.png").string();
    const std::string face = (dir / "face.png").string();
    const ToolRun r =
        runTool({SNAPSHOT_TOOL, "--batch"}, dir,
                "--out " + small + " --face 0 --size 64x48\n\n  --out=" + face + "\t--angle 45\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const headless::Image backdrop = pngfile::read(small);
    EXPECT_EQ(backdrop.width(), 64);
    EXPECT_NEAR(backdrop.at(32, 24).red, 61, 1) << "face 0: only the grey backdrop";
    // The second snapshot is the one a run of its own writes, a steady frame of a fresh panel.
    const std::string single = (dir / "single.png").string();
    ASSERT_EQ(run({"--out", single, "--angle", "45"}).status, 0);
    const headless::Image batched = pngfile::read(face);
    const headless::Image alone = pngfile::read(single);
    ASSERT_EQ(batched.width(), 241);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < alone.rgb().size(); ++i)
        differing += std::abs(batched.rgb()[i] - alone.rgb()[i]) > 8;
    EXPECT_LT(differing, 150U) << "only the pixels around sphere poles may differ";
}

TEST_F(SnapshotTool, ABatchWithABadLineRendersNothing)
{
    const std::string first = (dir / "first.png").string();
    for (const std::string bad : {"--face 1", "--out x.png --face one", "--help"}) {
        const ToolRun r =
            runTool({SNAPSHOT_TOOL, "--batch"}, dir, "--out " + first + "\n" + bad + "\n");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.rfind("dosecalc-snapshot: line 2: ", 0), 0U) << r.err;
        EXPECT_FALSE(fs::exists(first)) << bad;
    }
}

TEST_F(SnapshotTool, TheVerdictStripScriptPutsTheNineLevelsSideBySide)
{
    const fs::path out = dir / "strip.png";
    // ctest runs on a built tree; the script must not build it.
    setenv("DOSECALC_TOOLS_BUILT", "1", 1);
    const ToolRun r = run({"/bin/sh", STRIP_SCRIPT, BUILD_TREE, out.string(), "44"}, false);
    ASSERT_EQ(r.status, 0) << r.err;
    const headless::Image strip = pngfile::read(out.string());
    ASSERT_EQ(strip.width(), 9 * 241 + 8 * 4);
    ASSERT_EQ(strip.height(), 177);
    // Each panel is that level's snapshot: level 2's drops are blue, and levels 5 to 8 agree.
    const auto panel = [&strip](int level, int x, int y) { return strip.at(level * 245 + x, y); };
    const PixelPosition disk = project({5.2, -(1 - 44 * 2.0 / 13) + 0.5, -4}, 241, 177);
    EXPECT_GT(panel(2, disk.x, disk.y).blue, 150);
    EXPECT_LT(panel(2, disk.x, disk.y).red, 60);
    EXPECT_LT(panel(0, disk.x, disk.y).blue, 150) << "no drop on level 0";
    for (int level = 6; level <= 8; ++level) {
        // Only the pixels around the ten spheres' camera-facing poles may differ from run to run;
        // stretched spheres smear them over up to about a hundred pixels.
        int differing = 0;
        for (int y = 0; y < 177; ++y)
            for (int x = 0; x < 241; ++x)
                differing += std::abs(panel(level, x, y).red - panel(5, x, y).red) > 8;
        EXPECT_LT(differing, 300) << "level " << level;
    }
}

SnapshotArguments parse(std::vector<std::string_view> arguments)
{
    return parseSnapshotArguments(arguments);
}

TEST(SnapshotOptions, DefaultsAreTheTicksFrame)
{
    const SnapshotArguments a = parse({"--out", "x.png"});
    ASSERT_EQ(a.outcome, SnapshotArguments::Outcome::render);
    expectStartSceneFrame(a.options.frame, 1); // the first tick's frame
    EXPECT_EQ(a.options.width, 241);
    EXPECT_EQ(a.options.height, 177);
}

TEST(SnapshotOptions, ValuesAreTakenAsWritten)
{
    const SnapshotArguments a =
        parse({"--out", "x.png", "--face=-1", "--face", "+37", "--bands", "100,-0.5,nan,1e3",
               "--angle", "-2147483648", "--size", "1x4096"});
    ASSERT_EQ(a.outcome, SnapshotArguments::Outcome::render) << a.error;
    EXPECT_EQ(a.options.frame.faceType, 37) << "the last one counts";
    ASSERT_EQ(a.options.frame.bands.size(), 4U);
    EXPECT_EQ(a.options.frame.bands[1], -0.5);
    EXPECT_TRUE(std::isnan(a.options.frame.bands[2])) << "the renderer conditions it to -100";
    EXPECT_EQ(a.options.frame.angle, -2147483647 - 1);
    EXPECT_EQ(a.options.width, 1);
    EXPECT_EQ(a.options.height, 4096);
}

TEST(SnapshotOptions, TwentyBandsAreAllowed)
{
    const SnapshotArguments a =
        parse({"--out", "x.png", "--bands", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"});
    ASSERT_EQ(a.outcome, SnapshotArguments::Outcome::render) << a.error;
    EXPECT_EQ(a.options.frame.bands.size(), 20U);
}

} // namespace
