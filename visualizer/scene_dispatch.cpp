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

constexpr auto faceTable = [] {
    std::array<SceneDrawer, faceCatalogueSize + 1> table{}; // slot 0: no face
    table[1] = common<drawFace1>;
    table[10] = common<drawFace10>;
    table[15] = common<drawFace15>;
    table[19] = common<drawFace19>;
    table[24] = common<drawFace24>;
    table[28] = common<drawFace28>;
    table[31] = common<drawFace31>;
    // Faces 7 and 8 share drawFace7 with a direction of 1 and 2, face 21 gets the composer's
    // extra argument as its gaze and face 27 the variant 2: their entries bind that ninth
    // argument when their drawers arrive.
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
    table[17] = {common<drawDecorA17>, nullptr};
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
    return table;
}();

constexpr std::array<DecorationEntry, decorationCCatalogueSize + 1> decorationCTable{};

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

DecorationEntry decorationA(std::int32_t id) { return lookUp(decorationATable, id); }
DecorationEntry decorationB(std::int32_t id) { return lookUp(decorationBTable, id); }
DecorationEntry decorationC(std::int32_t id) { return lookUp(decorationCTable, id); }
