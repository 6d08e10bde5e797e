#include "face_template.h"
#include "faces.h"

void drawFace1(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel)).draw(surface);
}
