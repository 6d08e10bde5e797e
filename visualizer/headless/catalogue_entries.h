#pragma once

#include "frame_request.h"
#include "scene_dispatch.h"

#include <cstdint>
#include <string>
#include <vector>

// Every entry of the composer's catalogues, for the tests, tools and benchmarks that go over all
// of them: face types 1 to 36, then decorations A1 to A24, B1 to B16 and C1 to C4.
struct CatalogueEntry {
    enum class Catalogue { face, decorA, decorB, decorC };
    Catalogue catalogue;
    std::int32_t id;

    bool isFace() const { return catalogue == Catalogue::face; }
    // "face 7", "A9", "B16"
    std::string label() const;
    // Sets the request's selector for this entry: its face type, or its decoration selector.
    void select(FrameRequest& request) const;
    // The drawers the composer's tables call for this entry, in call order.
    std::vector<SceneDrawer> drawers() const;
};

std::vector<CatalogueEntry> catalogueEntries();
