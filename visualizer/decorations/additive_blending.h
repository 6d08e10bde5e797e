#pragma once

#include "element.h"

#include <optional>

class Toge;

// The translucent decorations draw additively: blend function (SRC_ALPHA, ONE), their colour
// when they have one for all their shapes, blending on; their shapes; then blending off. The
// function is left as it is: whatever the frame draws next starts with blending off, and the
// composer sets both again at the end of the frame.
void beginAdditiveBlending(Toge& surface, std::optional<Colour> colour = std::nullopt);
void endAdditiveBlending();
