#include "catalogue_entries.h"

#include "scene_dispatch.h"

#include <array>
#include <cstddef>

namespace {

using Catalogue = CatalogueEntry::Catalogue;
using Selector = std::int32_t FrameRequest::*;

// Per catalogue, in the order of the enumeration: the label's prefix, the request's selector, the
// size and the composer's look-up (none for faces, which have a drawer of their own).
struct Traits {
    const char* prefix;
    Selector selector;
    std::int32_t size;
    DecorationEntry (*decorations)(std::int32_t);
};

constexpr std::array<Traits, 4> traits{{
    {"face ", &FrameRequest::faceType, faceCatalogueSize, nullptr},
    {"A", &FrameRequest::decorA, decorationACatalogueSize, decorationA},
    {"B", &FrameRequest::decorB, decorationBCatalogueSize, decorationB},
    {"C", &FrameRequest::decorC, decorationCCatalogueSize, decorationC},
}};

const Traits& traitsOf(Catalogue catalogue)
{
    return traits[static_cast<std::size_t>(catalogue)];
}

} // namespace

std::string CatalogueEntry::label() const
{
    return traitsOf(catalogue).prefix + std::to_string(id);
}

void CatalogueEntry::select(FrameRequest& request) const
{
    request.*traitsOf(catalogue).selector = id;
}

std::vector<SceneDrawer> CatalogueEntry::drawers() const
{
    if (isFace())
        return {faceDrawer(id)};
    std::vector<SceneDrawer> drawers;
    for (const SceneDrawer drawer : traitsOf(catalogue).decorations(id))
        if (drawer != nullptr)
            drawers.push_back(drawer);
    return drawers;
}

std::vector<CatalogueEntry> catalogueEntries()
{
    std::vector<CatalogueEntry> entries;
    for (const Catalogue catalogue :
         {Catalogue::face, Catalogue::decorA, Catalogue::decorB, Catalogue::decorC})
        for (std::int32_t id = 1; id <= traitsOf(catalogue).size; ++id)
            entries.push_back({catalogue, id});
    return entries;
}
