#include "catalogue_frames.h"

#include "scene_dispatch.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// Two angles far apart: the faces' sway S = sin(angle) has opposite signs, the shared jitter
// (angle mod 3) and the four-step turns (angle mod 4) fall on different steps.
constexpr std::array<std::int32_t, 2> angles{45, 250};

// Every band at 100: mean level 93, above the tick's threshold of 60.
const std::vector<double> excitedBands(14, 100.0);

std::string numbered(const char* prefix, std::int32_t id, const char* variant, std::int32_t angle)
{
    char name[48];
    std::snprintf(name, sizeof name, "%s%02d-%s-%03d", prefix, static_cast<int>(id), variant, static_cast<int>(angle));
    return name;
}

struct Decorations {
    const char* prefix;
    std::int32_t size;
    std::int32_t headless::FrameRequest::*selector;
};

} // namespace

std::vector<ReferenceFrame> referenceFrames()
{
    std::vector<ReferenceFrame> frames;
    for (std::int32_t face = 1; face <= faceCatalogueSize; ++face)
        for (const bool excited : {false, true})
            for (const std::int32_t angle : angles) {
                headless::FrameRequest request;
                request.faceType = face;
                request.angle = angle;
                if (excited)
                    request.bands = excitedBands;
                frames.push_back({numbered("face", face, excited ? "excited" : "calm", angle), request});
            }
    const std::array catalogues{
        Decorations{"A", decorationACatalogueSize, &headless::FrameRequest::decorA},
        Decorations{"B", decorationBCatalogueSize, &headless::FrameRequest::decorB},
        Decorations{"C", decorationCCatalogueSize, &headless::FrameRequest::decorC},
    };
    for (const Decorations& catalogue : catalogues)
        for (std::int32_t id = 1; id <= catalogue.size; ++id)
            for (const std::int32_t face : {0, 1})
                for (const std::int32_t angle : angles) {
                    headless::FrameRequest request;
                    request.faceType = face;
                    request.*catalogue.selector = id;
                    request.angle = angle;
                    frames.push_back({numbered(catalogue.prefix, id, face == 0 ? "alone" : "face1", angle), request});
                }
    return frames;
}

headless::Image renderReferenceFrame(headless::OffscreenPanel& panel, const headless::FrameRequest& request)
{
    panel.render(request);
    panel.render(request);
    return panel.readPixels();
}
