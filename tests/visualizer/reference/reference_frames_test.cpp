// Every catalogue entry drawn headless and compared pixel by pixel with its committed reference
// frame (frames/*.png). Where a frame differs, the frame drawn and a difference map are written
// to the build tree, and the failure names both. When a picture is meant to change,
// tools/make-reference-frames.sh writes the reference frames again.
//
// The renderer draws every GLU sphere over a cleared stack, so its frames are reproducible; the
// first test shows that repeated frames are the same bytes.
#include "catalogue_frames.h"
#include "picture_difference.h"
#include "png_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// Failures name the frame rather than dumping its bytes.
void PrintTo(const ReferenceFrame& frame, std::ostream* out) { *out << frame.name; }

namespace {

namespace fs = std::filesystem;

// Identical builds draw identical bytes here; the tolerance allows for llvmpipe rounding a
// shade differently on another processor, never for a shape in another place.
constexpr int channelTolerance = 2;

const fs::path referenceFolder = REFERENCE_FRAMES;
const fs::path failureFolder = FAILED_FRAMES;

headless::FrameRequest request(std::int32_t face, std::int32_t decorA, std::int32_t angle, bool excited = false)
{
    headless::FrameRequest r;
    r.faceType = face;
    r.decorA = decorA;
    r.angle = angle;
    if (excited)
        r.bands.assign(14, 100.0);
    return r;
}

// Frames full of spheres, stretched and not: the verdict pictures, and the start face excited.
const std::vector<headless::FrameRequest> sphereFrames{
    request(1, 0, 45), request(1, 0, 250, true), request(10, 14, 45), request(24, 9, 200),
    request(28, 0, 45), request(15, 0, 45), request(31, 0, 300, true),
};

::testing::AssertionResult sameBytes(const headless::Image& drawn, const headless::Image& before)
{
    const picture::Difference difference = picture::compare(drawn, before, 0);
    if (difference.differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << difference.differing << " pixels differ, by up to " << difference.largest;
}

TEST(SteadySphere, RepeatedFramesAreTheSameBytesInAFreshPanelAndInAUsedOne)
{
    std::vector<headless::Image> firstDrawn;
    {
        headless::OffscreenPanel fresh(referenceWidth, referenceHeight);
        for (std::size_t i = 0; i < sphereFrames.size(); ++i) {
            firstDrawn.push_back(renderReferenceFrame(fresh, sphereFrames[i]));
            for (int repeat = 0; repeat < 10; ++repeat) {
                fresh.render(sphereFrames[i]);
                ASSERT_TRUE(sameBytes(fresh.readPixels(), firstDrawn.back())) << "frame " << i << ", repeat " << repeat;
            }
        }
    }
    // A panel that has drawn every face and decoration first, with other stacks behind its calls.
    headless::OffscreenPanel used(referenceWidth, referenceHeight);
    for (const ReferenceFrame& frame : referenceFrames())
        if (frame.name.find("-045") != std::string::npos)
            used.render(frame.request);
    for (std::size_t i = sphereFrames.size(); i-- > 0;)
        EXPECT_TRUE(sameBytes(renderReferenceFrame(used, sphereFrames[i]), firstDrawn[i])) << "frame " << i;
}

class ReferenceFrames : public ::testing::TestWithParam<ReferenceFrame> {
protected:
    static void SetUpTestSuite()
    {
        fs::remove_all(failureFolder); // only this run's failures stay
        panel = std::make_unique<headless::OffscreenPanel>(referenceWidth, referenceHeight);
    }
    static void TearDownTestSuite() { panel.reset(); }
    static std::unique_ptr<headless::OffscreenPanel> panel;
};
std::unique_ptr<headless::OffscreenPanel> ReferenceFrames::panel;

// Writes the frame drawn and the difference map beside each other; returns where they went.
std::string keepFailure(const std::string& name, const headless::Image& drawn, const headless::Image* map)
{
    fs::create_directories(failureFolder);
    const fs::path drawnPath = failureFolder / (name + ".drawn.png");
    std::string where = "frame drawn: " + drawnPath.string();
    if (const std::string error = pngfile::writeAtomically(drawnPath.string(), drawn); !error.empty())
        where = "could not keep the frame drawn: " + error;
    if (map != nullptr) {
        const fs::path mapPath = failureFolder / (name + ".difference.png");
        const std::string error = pngfile::writeAtomically(mapPath.string(), *map);
        where += error.empty() ? "\ndifference map (red: beyond the tolerance): " + mapPath.string()
                               : "\ncould not keep the difference map: " + error;
    }
    return where;
}

TEST_P(ReferenceFrames, MatchesItsReferenceFrame)
{
    const ReferenceFrame& frame = GetParam();
    const headless::Image drawn = renderReferenceFrame(*panel, frame.request);
    const fs::path referencePath = referenceFolder / (frame.name + ".png");
    if (!fs::exists(referencePath))
        FAIL() << "no reference frame " << referencePath.string()
               << " (tools/make-reference-frames.sh writes them)\n" << keepFailure(frame.name, drawn, nullptr);
    const headless::Image reference = pngfile::read(referencePath.string());
    ASSERT_EQ(reference.width(), referenceWidth);
    ASSERT_EQ(reference.height(), referenceHeight);
    const picture::Difference difference = picture::compare(drawn, reference, channelTolerance);
    if (difference.differing > 0)
        ADD_FAILURE() << difference.differing << " pixels differ from " << referencePath.string()
                      << " by more than " << channelTolerance << " in a channel (at most " << difference.largest
                      << ")\n" << keepFailure(frame.name, drawn, &difference.map);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ReferenceFrames, ::testing::ValuesIn(referenceFrames()),
                         [](const auto& test) {
                             std::string name = test.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ReferenceFolder, HoldsTheReferenceFramesAndNothingElse)
{
    std::set<std::string> expected;
    for (const ReferenceFrame& frame : referenceFrames())
        expected.insert(frame.name + ".png");
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(referenceFolder))
        present.insert(entry.path().filename().string());
    std::vector<std::string> stale;
    std::set_difference(present.begin(), present.end(), expected.begin(), expected.end(), std::back_inserter(stale));
    EXPECT_TRUE(stale.empty()) << "files that name no reference frame, e.g. " << (stale.empty() ? "" : stale.front())
                               << " (tools/make-reference-frames.sh removes them)";
    EXPECT_EQ(expected.size(), 36U * 2 * 2 + (24U + 16 + 4) * 2 * 2) << "faces calm and excited, decorations alone "
                                                                        "and over face 1, at two angles each";
}

} // namespace
