#include "scene_dispatch.h"

#include "decorations/decorations.h"
#include "faces/faces.h"

#include <cstddef>

namespace {

// Calls a drawer with the eight common arguments.
template <CommonDrawer* draw>
void common(const DrawerArgs& a)
{
    draw(a.surface, a.angle, a.bandCount, a.bandFeatures, a.slices, a.threshold, a.faceType,
         a.meanLevel);
}

// Calls a drawer with the eight common arguments and the composer's extra argument as its ninth.
template <NinthArgumentDrawer* draw>
void withExtra(const DrawerArgs& a)
{
    draw(a.surface, a.angle, a.bandCount, a.bandFeatures, a.slices, a.threshold, a.faceType,
         a.meanLevel, a.extra);
}

// Calls a drawer with the eight common arguments and the ninth its table entry fixes.
template <NinthArgumentDrawer* draw, std::int32_t ninth>
void withNinth(const DrawerArgs& a)
{
    draw(a.surface, a.angle, a.bandCount, a.bandFeatures, a.slices, a.threshold, a.faceType,
         a.meanLevel, ninth);
}

constexpr auto faceTable = [] {
    std::array<SceneDrawer, faceCatalogueSize + 1> table{}; // slot 0: no face
    table[1] = common<drawFace1>;
    table[2] = common<drawFace2>;
    table[3] = common<drawFace2>;
    table[4] = common<drawFace4>;
    table[5] = common<drawFace5>;
    table[6] = common<drawFace5>;
    table[7] = withNinth<drawFace7, 1>;
    table[8] = withNinth<drawFace7, 2>;
    table[9] = common<drawFace9>;
    table[10] = common<drawFace10>;
    table[11] = common<drawFace11>;
    table[12] = common<drawFace12>;
    table[13] = common<drawFace13>;
    table[14] = common<drawFace14>;
    table[15] = common<drawFace15>;
    table[16] = common<drawFace16>;
    table[17] = common<drawFace17>;
    table[18] = common<drawFace18>;
    table[19] = common<drawFace19>;
    table[20] = common<drawFace20>;
    table[21] = withExtra<drawFace21>; // the extra argument is its gaze
    table[22] = common<drawFace22>;
    table[23] = common<drawFace23>;
    table[24] = common<drawFace24>;
    table[25] = common<drawFace25>;
    table[26] = common<drawFace26>;
    table[27] = withNinth<drawFace27, 2>;
    table[28] = common<drawFace28>;
    table[29] = common<drawFace29>;
    table[30] = common<drawFace30>;
    table[31] = common<drawFace31>;
    table[32] = common<drawFace32>;
    table[33] = common<drawFace33>;
    table[34] = common<drawFace34>;
    table[35] = common<drawFace35>;
    table[36] = common<drawFace36>;
    return table;
}();

constexpr auto decorationATable = [] {
    std::array<DecorationEntry, decorationACatalogueSize + 1> table{}; // id 0: nothing
    table[1] = {common<drawDecorA1>, nullptr};
    table[2] = {common<drawDecorA2>, nullptr};
    table[3] = {common<drawDecorA3>, nullptr};
    table[4] = {common<drawDecorA4>, nullptr};
    table[5] = {common<drawDecorA5>, nullptr};
    table[6] = {common<drawDecorA6>, nullptr};
    table[7] = {common<drawDecorA7>, nullptr};
    table[8] = {common<drawDecorA8>, nullptr};
    table[9] = {common<drawDecorA9>, nullptr};
    table[10] = {common<drawDecorA10>, nullptr};
    table[11] = {common<drawDecorA11>, nullptr};
    table[12] = {common<drawDecorA12>, nullptr};
    table[13] = {common<drawDecorA13>, nullptr};
    table[14] = {common<drawDecorA14>, nullptr};
    table[15] = {common<drawDecorA15Eyes>, common<drawDecorA15Figure>};
    table[16] = {common<drawDecorA16>, nullptr};
    table[17] = {common<drawDecorA17>, nullptr};
    table[18] = {common<drawDecorA18>, nullptr};
    table[19] = {common<drawDecorA19>, nullptr};
    table[20] = {common<drawDecorA20>, nullptr};
    table[21] = {common<drawDecorA21>, nullptr};
    table[22] = {common<drawDecorA22>, nullptr};
    table[23] = {common<drawDecorA23>, nullptr};
    table[24] = {common<drawDecorA24>, nullptr};
    return table;
}();

constexpr auto decorationBTable = [] {
    std::array<DecorationEntry, decorationBCatalogueSize + 1> table{};
    // B3..B6 are the marks of A10..A13, drawn by the same drawers.
    for (std::size_t id = 3; id <= 6; ++id)
        table[id] = decorationATable[id + 7];
    table[1] = {common<drawDecorB1>, nullptr};
    table[2] = {common<drawDecorB2>, nullptr};
    table[7] = {common<drawDecorB7>, nullptr};
    table[8] = {common<drawDecorB8>, nullptr};
    table[9] = {common<drawDecorB9>, nullptr};
    table[10] = {common<drawDecorB10>, nullptr};
    table[11] = {common<drawDecorB11>, nullptr};
    table[12] = {common<drawDecorB12>, nullptr};
    table[13] = {common<drawDecorB13>, nullptr};
    table[14] = {common<drawDecorB14>, nullptr};
    table[15] = {common<drawDecorB15>, nullptr};
    table[16] = {common<drawDecorB16>, nullptr};
    return table;
}();

constexpr auto decorationCTable = [] {
    std::array<DecorationEntry, decorationCCatalogueSize + 1> table{};
    table[1] = {common<drawDecorC1>, nullptr};
    table[2] = {common<drawDecorC2>, nullptr};
    table[3] = {common<drawDecorC3>, nullptr};
    table[4] = {common<drawDecorC4>, nullptr};
    return table;
}();

template <std::size_t size>
DecorationEntry lookUp(const std::array<DecorationEntry, size>& table, std::int32_t id)
{
    if (id <= 0 || static_cast<std::size_t>(id) >= size)
        return {};
    return table[static_cast<std::size_t>(id)];
}

} // namespace

std::int32_t faceSlot(std::int32_t faceType)
{
    return static_cast<std::uint32_t>(faceType) <= static_cast<std::uint32_t>(faceCatalogueSize)
               ? faceType
               : 1;
}

SceneDrawer faceDrawer(std::int32_t faceType)
{
    return faceTable[static_cast<std::size_t>(faceSlot(faceType))];
}

DecorationEntry decorationA(std::int32_t id)
{
    return lookUp(decorationATable, id);
}
DecorationEntry decorationB(std::int32_t id)
{
    return lookUp(decorationBTable, id);
}
DecorationEntry decorationC(std::int32_t id)
{
    return lookUp(decorationCTable, id);
}
