#pragma once

#include <array>
#include <cstdint>

class Toge;

// The arguments every face and decoration drawer takes, in the composer's hands. The three face
// drawers with a ninth argument get it from their table entry (a fixed value, or `extra`).
struct DrawerArgs {
    Toge& surface;
    std::int32_t angle;
    std::int32_t bandCount;
    const double* bandFeatures;
    std::int32_t slices;
    std::int32_t threshold;
    std::int32_t faceType;
    std::int32_t meanLevel;
    std::int32_t extra;
};

using SceneDrawer = void (*)(const DrawerArgs&);

// The drawers of one decoration id, in call order: only A15 has two, the other ids leave the second
// slot empty, and an id that names no entry has both empty.
using DecorationEntry = std::array<SceneDrawer, 2>;

// The composer's fixed dispatch tables. Face slots: 0 draws no face, 1..36 select a face, and
// every other value (compared unsigned, so a negative one too) is face 1. A decoration id that
// names no entry (0, 45, negative, above the catalogue) draws nothing. Every id of the catalogues
// has its drawer.
inline constexpr std::int32_t faceCatalogueSize = 36;
inline constexpr std::int32_t decorationACatalogueSize = 24;
inline constexpr std::int32_t decorationBCatalogueSize = 16;
inline constexpr std::int32_t decorationCCatalogueSize = 4;

std::int32_t faceSlot(std::int32_t faceType);
SceneDrawer faceDrawer(std::int32_t faceType);
DecorationEntry decorationA(std::int32_t id);
DecorationEntry decorationB(std::int32_t id);
DecorationEntry decorationC(std::int32_t id);
