// A long run of the renderer through the real GL (Mesa's software rasterizer, headless): 20,000
// consecutive frames drawn as the tick draws them (setupFrame, then present), cycling through every
// scene selector built so far, ids that name nothing, and calm and excited bands, at every angle.
// After each frame the matrix stacks are as deep as before, GL reports no error and no GLU quadric
// is left alive; after a warm-up, the memory a leak would grow stays within a small bound.
#include "frame_request.h"
#include "offscreen_panel.h"
#include "process_memory.h"
#include "quadric_census.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int soakFrames = 20'000;
constexpr int memorySampleInterval = 500; // frames
// How far the memory may grow after the warm-up, by what is measured (processmemory::leakMeasure).
// The resident size of a plain build stays flat once the driver's caches are full (about 1,000
// frames into the first pass over the combinations), so its highest later sample must stay within
// 2 MiB of the sample after the warm-up. Under AddressSanitizer the allocated heap is measured: it
// rises and falls by tens of MiB from frame to frame as Mesa's shader variant cache fills and
// evicts, so there the median of the last third of the samples must stay within 16 MiB of the
// median of the first third (LeakSanitizer finds the leaks themselves at exit).
constexpr long residentGrowthKilobytes = 2 * 1024;
constexpr long sanitizerHeapGrowthKilobytes = 16 * 1024;

// Faces: none, the start face and every verdict face, an unbuilt id, ids beyond the catalogue
// (drawn as face 1). Decorations: the two built ones and ids that name nothing.
const std::vector<std::int32_t> faceTypes{0, 1, 10, 15, 19, 24, 28, 31, 2, 37, -1};
const std::vector<std::int32_t> decorAIds{0, 9, 14, 1, 24, 25, 45, -1};
const std::vector<std::int32_t> decorBIds{0, 45, 1, 16, -1};
const std::vector<std::int32_t> decorCIds{0, 45, 1, 4, -1};

// 14 band values: the tick's zeros (calm), and values whose mean magnitude (80, beyond the
// conditioning's clamp of 100 for some) is above the threshold of 60 (excited), signs mixed.
const std::vector<double> calmBands(14, 0.0);
const std::vector<double> excitedBands{80, -80, 120, -120, 80, 80, -80, 80, -150, 80, 80, -80, 60, -60};

std::vector<FrameRequest> everyCombination()
{
    std::vector<FrameRequest> combinations;
    for (const auto* bands : {&calmBands, &excitedBands})
        for (const std::int32_t c : decorCIds)
            for (const std::int32_t b : decorBIds)
                for (const std::int32_t a : decorAIds)
                    for (const std::int32_t face : faceTypes) {
                        FrameRequest request;
                        request.faceType = face;
                        request.decorA = a;
                        request.decorB = b;
                        request.decorC = c;
                        request.bands = *bands;
                        combinations.push_back(request);
                    }
    return combinations;
}

std::string describe(int frame, const FrameRequest& r)
{
    std::ostringstream out;
    out << "frame " << frame << ": face " << r.faceType << ", decorations " << r.decorA << ", " << r.decorB << ", "
        << r.decorC << ", angle " << r.angle << (r.bands == calmBands ? ", calm" : ", excited");
    return out.str();
}

GLint integer(GLenum name)
{
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

struct StackDepths {
    GLint modelview;
    GLint projection;
    GLint attributes;

    bool operator==(const StackDepths&) const = default;
};

StackDepths stackDepths()
{
    return {integer(GL_MODELVIEW_STACK_DEPTH), integer(GL_PROJECTION_STACK_DEPTH), integer(GL_ATTRIB_STACK_DEPTH)};
}

long median(std::vector<long> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The memory once the rasterizer has finished the frame and released its working memory.
processmemory::Reading settledMemory()
{
    glFinish();
    return processmemory::leakMeasure();
}

TEST(FrameSoak, TwentyThousandFramesLeaveNoMatrixQuadricErrorOrMemoryBehind)
{
    headless::OffscreenPanel panel(241, 177);
    const std::vector<FrameRequest> combinations = everyCombination();
    ASSERT_LT(static_cast<int>(combinations.size()) * 2, soakFrames) << "every combination is drawn at least twice";
    const int warmUpFrames = static_cast<int>(combinations.size());

    const StackDepths before = stackDepths();
    ASSERT_EQ(before, (StackDepths{1, 1, 0}));
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    processmemory::Reading baseline;
    std::vector<long> samples;
    for (int frame = 0; frame < soakFrames; ++frame) {
        FrameRequest request = combinations[static_cast<std::size_t>(frame) % combinations.size()];
        request.angle = frame % 360; // the tick's angles, each combination seen at several
        panel.render(request);

        const StackDepths after = stackDepths();
        const GLenum error = glGetError();
        const long liveQuadrics = quadriccensus::live();
        if (after != before || error != GL_NO_ERROR || liveQuadrics != 0) {
            ADD_FAILURE() << describe(frame, request) << ": modelview depth " << after.modelview << ", projection depth "
                          << after.projection << ", attribute depth " << after.attributes << ", GL error 0x"
                          << std::hex << error << std::dec << ", live quadrics " << liveQuadrics;
            return;
        }

        if (frame + 1 == warmUpFrames)
            baseline = settledMemory();
        else if (frame >= warmUpFrames && (frame + 1) % memorySampleInterval == 0)
            samples.push_back(settledMemory().kilobytes);
    }

    std::printf("%d frames, %ld quadrics created and deleted\n", soakFrames, quadriccensus::created());
    EXPECT_GT(quadriccensus::created(), soakFrames) << "the census sees the renderer's quadrics";
    EXPECT_EQ(quadriccensus::live(), 0);

    ASSERT_GT(baseline.kilobytes, 0) << "the memory can be read";
    ASSERT_GE(samples.size(), 9U);
    std::printf("%s after the warm-up of %d frames: %ld KiB; every %d frames after it:", baseline.measure, warmUpFrames,
                baseline.kilobytes, memorySampleInterval);
    for (const long sample : samples)
        std::printf(" %ld", sample);
    std::printf("\n");
    if (baseline.sanitizerHeap) {
        const std::size_t third = samples.size() / 3;
        const long early = median({samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(third)});
        const long late = median({samples.end() - static_cast<std::ptrdiff_t>(third), samples.end()});
        EXPECT_LE(late - early, sanitizerHeapGrowthKilobytes)
            << "the allocated heap grew from a median of " << early << " KiB to " << late << " KiB";
    } else {
        const long highest = *std::max_element(samples.begin(), samples.end());
        EXPECT_LE(highest - baseline.kilobytes, residentGrowthKilobytes)
            << "the resident size grew from " << baseline.kilobytes << " KiB to " << highest << " KiB";
    }
}

} // namespace
