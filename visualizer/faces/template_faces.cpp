#include "face_template.h"
#include "faces.h"

#include <limits>

// Face type 1, the start face: the template itself.
void drawFace1(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel)).draw(surface);
}

// Face type 9: exactly face type 1.
void drawFace9(Toge& surface, std::int32_t angle, std::int32_t bandCount,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t faceType, std::int32_t meanLevel)
{
    drawFace1(surface, angle, bandCount, bandFeatures, slices, threshold, faceType, meanLevel);
}

// Face type 18: the template always excited. The caller's meanLevel is replaced by one above the
// threshold; at the largest threshold there is no level above it, and the face is drawn excited
// all the same rather than overflowing.
void drawFace18(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    const bool roomAbove = threshold < std::numeric_limits<std::int32_t>::max();
    FaceInputs in =
        faceInputs(angle, bandFeatures, slices, threshold, roomAbove ? threshold + 1 : threshold);
    if (!roomAbove)
        in.excited = true;
    faceTemplate(in).draw(surface);
}
