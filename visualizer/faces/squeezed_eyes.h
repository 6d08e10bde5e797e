#pragma once

#include "face_template.h"

#include <vector>

// The eyes squeezed shut of faces 11 and 28, drawn in place of the pupils: a small white disk at
// each eye's centre (turned to face the camera, but inside the eye, which hides it), then on each
// eye three black bars fanning out from a point on its inner side, a less-than sign with a middle
// bar on the right eye and its mirror image on the left. The faces differ in the bars' size and
// depth.
struct EyeMarks {
    double startX;      // the inner end of the right eye's bars, before the shift
    double length;      // from the inner end to the outer one
    double towardsNose; // taken off every x of the right eye's bars
    double levelEndX;   // the outer x of the level bar, written out rather than worked out
    double z;
};

std::vector<FaceStep> squeezedEyes(const FaceInputs& in, const EyeMarks& marks);
