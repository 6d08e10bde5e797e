// Every catalogue entry the renderer has, through the composer's dispatch tables and the real GL
// (Mesa, headless): the GLU quadrics one call makes, calm and excited, all deleted again; the
// matrix stack as deep after the call as before; no GL error; and the blend state the drawers
// leave for whatever the composer draws next. One row per entry: add a row with each drawer.
#include "catalogue_entries.h"
#include "offscreen_panel.h"
#include "quadric_census.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Catalogue = CatalogueEntry::Catalogue;

// What a call leaves of the composer's blending (enabled, ONE, ZERO): faces keep it; the
// translucent decorations leave it off with their own (SRC_ALPHA, ONE).
enum class BlendLeft { composers, additiveOff };

struct Entry {
    CatalogueEntry entry;
    long calmQuadrics;
    long excitedQuadrics;
    BlendLeft blend = BlendLeft::composers;
};

std::string nameOf(const Entry& e)
{
    return e.entry.isFace() ? "Face" + std::to_string(e.entry.id) : e.entry.label();
}

void PrintTo(const Entry& e, std::ostream* out)
{
    *out << nameOf(e);
}

const std::vector<Entry> entries{
    // Faces: the template's eight spheres when calm, ten when excited, and what each face changes.
    {{Catalogue::face, 1}, 8, 10},
    {{Catalogue::face, 2}, 8, 10},
    {{Catalogue::face, 3}, 8, 10},
    {{Catalogue::face, 4}, 8, 10},
    {{Catalogue::face, 5}, 8, 10},
    {{Catalogue::face, 6}, 8, 10},
    {{Catalogue::face, 7}, 8, 10},
    {{Catalogue::face, 8}, 8, 10},
    {{Catalogue::face, 9}, 8, 10},
    {{Catalogue::face, 10}, 66, 68},
    {{Catalogue::face, 11}, 8, 10},
    {{Catalogue::face, 12}, 10, 12},
    {{Catalogue::face, 13}, 10, 12},
    {{Catalogue::face, 14}, 10, 12},
    {{Catalogue::face, 15}, 6, 8},
    {{Catalogue::face, 16}, 8, 10},
    {{Catalogue::face, 17}, 10, 12},
    {{Catalogue::face, 18}, 10, 10},
    {{Catalogue::face, 19}, 8, 10},
    {{Catalogue::face, 20}, 8, 10},
    {{Catalogue::face, 21}, 8, 10},
    {{Catalogue::face, 22}, 8, 10},
    {{Catalogue::face, 23}, 12, 12},
    {{Catalogue::face, 24}, 8, 10},
    {{Catalogue::face, 25}, 10, 12},
    {{Catalogue::face, 26}, 10, 12},
    {{Catalogue::face, 27}, 8, 10},
    {{Catalogue::face, 28}, 8, 10},
    {{Catalogue::face, 29}, 8, 10},
    {{Catalogue::face, 30}, 8, 10},
    {{Catalogue::face, 31}, 10, 10},
    {{Catalogue::face, 32}, 0, 0},
    {{Catalogue::face, 33}, 10, 12},
    {{Catalogue::face, 34}, 8, 10},
    {{Catalogue::face, 35}, 8, 10},
    {{Catalogue::face, 36}, 8, 10},
    // Decorations A, B and C (B3 to B6 are A10 to A13).
    {{Catalogue::decorA, 1}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 2}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 3}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 4}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 5}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 6}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 7}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 8}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 9}, 4, 4},
    {{Catalogue::decorA, 10}, 2, 2, BlendLeft::additiveOff},
    {{Catalogue::decorA, 11}, 1, 1, BlendLeft::additiveOff},
    {{Catalogue::decorA, 12}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 13}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorA, 14}, 4, 4},
    {{Catalogue::decorA, 15}, 8, 8}, // eyes with glints, then the figure
    {{Catalogue::decorA, 16}, 5, 5},
    {{Catalogue::decorA, 17}, 0, 0},
    {{Catalogue::decorA, 18}, 4, 4},
    {{Catalogue::decorA, 19}, 2, 2},
    {{Catalogue::decorA, 20}, 4, 4},
    {{Catalogue::decorA, 21}, 4, 4},
    {{Catalogue::decorA, 22}, 0, 0},
    {{Catalogue::decorA, 23}, 0, 0},
    {{Catalogue::decorA, 24}, 120, 120},
    {{Catalogue::decorB, 1}, 1, 1},
    {{Catalogue::decorB, 2}, 5, 5},
    {{Catalogue::decorB, 3}, 2, 2, BlendLeft::additiveOff},
    {{Catalogue::decorB, 4}, 1, 1, BlendLeft::additiveOff},
    {{Catalogue::decorB, 5}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorB, 6}, 0, 0, BlendLeft::additiveOff},
    {{Catalogue::decorB, 7}, 0, 0},
    {{Catalogue::decorB, 8}, 0, 0},
    {{Catalogue::decorB, 9}, 0, 0},
    {{Catalogue::decorB, 10}, 0, 0},
    {{Catalogue::decorB, 11}, 0, 0},
    {{Catalogue::decorB, 12}, 0, 0},
    {{Catalogue::decorB, 13}, 0, 0},
    {{Catalogue::decorB, 14}, 0, 0},
    {{Catalogue::decorB, 15}, 0, 0},
    {{Catalogue::decorB, 16}, 1, 1},
    {{Catalogue::decorC, 1}, 1, 1},
    {{Catalogue::decorC, 2}, 1, 1},
    {{Catalogue::decorC, 3}, 1, 1},
    {{Catalogue::decorC, 4}, 1, 1},
};

GLint integer(GLenum name)
{
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

class CatalogueState : public ::testing::TestWithParam<Entry> {
protected:
    static void SetUpTestSuite() { panel = new headless::OffscreenPanel(241, 177); }
    static void TearDownTestSuite()
    {
        delete panel;
        panel = nullptr;
    }
    static headless::OffscreenPanel* panel;
};

headless::OffscreenPanel* CatalogueState::panel = nullptr;

TEST_P(CatalogueState, QuadricsMatrixStackErrorsAndBlendStateOfOneCall)
{
    const Entry e = GetParam();
    const std::vector<SceneDrawer> drawers = e.entry.drawers();
    ASSERT_FALSE(drawers.empty()) << "the table entry is empty";
    const std::array<double, 20> features{};
    for (const bool excited : {false, true}) {
        for (const std::int32_t angle : {0, 45, 359}) {
            SCOPED_TRACE(std::string(excited ? "excited" : "calm") + ", angle "
                         + std::to_string(angle));
            // The composer's state before a face or decoration: blending on with (ONE, ZERO).
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ZERO);
            const GLint depthBefore = integer(GL_MODELVIEW_STACK_DEPTH);
            const long createdBefore = quadriccensus::created();
            const DrawerArgs args{panel->surface(),
                                  angle,
                                  14,
                                  features.data(),
                                  20,
                                  60,
                                  e.entry.isFace() ? e.entry.id : 1,
                                  excited ? 61 : 0,
                                  0};
            for (const SceneDrawer drawer : drawers)
                drawer(args);

            EXPECT_EQ(quadriccensus::created() - createdBefore,
                      excited ? e.excitedQuadrics : e.calmQuadrics);
            EXPECT_EQ(quadriccensus::live(), 0);
            EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), depthBefore);
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
            const bool additive = e.blend == BlendLeft::additiveOff;
            EXPECT_EQ(glIsEnabled(GL_BLEND), additive ? GL_FALSE : GL_TRUE);
            EXPECT_EQ(integer(GL_BLEND_SRC), additive ? GL_SRC_ALPHA : GL_ONE);
            EXPECT_EQ(integer(GL_BLEND_DST), additive ? GL_ONE : GL_ZERO);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueState, ::testing::ValuesIn(entries),
                         [](const auto& test) { return nameOf(test.param); });

} // namespace
