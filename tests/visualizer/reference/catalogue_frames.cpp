#include "catalogue_frames.h"

#include "catalogue_entries.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// Two angles far apart: the faces' sway S = sin(angle) has opposite signs, the shared jitter
// (angle mod 3) and the four-step turns (angle mod 4) fall on different steps.
constexpr std::array<std::int32_t, 2> angles{45, 250};

// Every band at 100: mean level 93, above the tick's threshold of 60.
const std::vector<double> excitedBands(14, 100.0);

// "face07-calm-045", "A09-face1-250": sorted by catalogue and id in a listing.
std::string nameOf(const CatalogueEntry& entry, const char* variant, std::int32_t angle)
{
    // "face", or the letter of "A9".
    const std::string prefix = entry.isFace() ? "face" : entry.label().substr(0, 1);
    char name[48];
    std::snprintf(name, sizeof name, "%s%02d-%s-%03d", prefix.c_str(), static_cast<int>(entry.id),
                  variant, static_cast<int>(angle));
    return name;
}

} // namespace

std::vector<ReferenceFrame> referenceFrames()
{
    std::vector<ReferenceFrame> frames;
    for (const CatalogueEntry& entry : catalogueEntries())
        // A face calm and excited, a decoration alone and over face 1.
        for (const bool second : {false, true})
            for (const std::int32_t angle : angles) {
                headless::FrameRequest request;
                request.angle = angle;
                if (entry.isFace()) {
                    if (second)
                        request.bands = excitedBands;
                } else {
                    request.faceType = second ? 1 : 0;
                }
                entry.select(request);
                const char* variant =
                    entry.isFace() ? (second ? "excited" : "calm") : (second ? "face1" : "alone");
                frames.push_back({nameOf(entry, variant, angle), request});
            }
    return frames;
}

headless::Image renderReferenceFrame(headless::OffscreenPanel& panel,
                                     const headless::FrameRequest& request)
{
    panel.render(request);
    panel.render(request);
    return panel.readPixels();
}
