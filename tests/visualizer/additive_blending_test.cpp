// The translucent decorations set the additive blend function, switch blending on, draw, and
// switch it off as their last call; only A8's bars come before, under the composer's state.
#include "decorations/decorations.h"
#include "face_test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

struct Translucent {
    const char* name;
    DrawerFunction drawer;
    std::size_t shapesBefore; // drawn before the additive part
    bool colourBeforeEnable;  // one colour for all, set between the blend function and the enable
};

const Translucent translucent[] = {
    {"A1", drawDecorA1, 0, true},   {"A2", drawDecorA2, 0, true},   {"A3", drawDecorA3, 0, true},
    {"A4", drawDecorA4, 0, false},  {"A5", drawDecorA5, 0, false},  {"A6", drawDecorA6, 0, false},
    {"A7", drawDecorA7, 0, false},  {"A8", drawDecorA8, 4, false},  {"A10", drawDecorA10, 0, true},
    {"A11", drawDecorA11, 0, true}, {"A12", drawDecorA12, 0, true}, {"A13", drawDecorA13, 0, true},
};

bool isShape(const glrecord::Call& c) { return c.name == "glBegin" || c.name == "gluDisk"; }
bool is(const glrecord::Call& c, const char* name, double first)
{
    return c.name == name && !c.args.empty() && c.args[0] == first;
}

TEST(AdditiveBlending, FunctionThenBlendingOnThenTheShapesThenBlendingOff)
{
    for (const Translucent& t : translucent) {
        SCOPED_TRACE(t.name);
        drawRecorded(t.drawer, {});
        const auto& calls = glrecord::calls();
        ASSERT_FALSE(calls.empty());
        EXPECT_TRUE(is(calls.back(), "glDisable", GL_BLEND)) << "blending off is the last call";
        EXPECT_EQ(glrecord::count("glEnable"), 1U);
        EXPECT_EQ(glrecord::count("glDisable"), 1U);
        ASSERT_EQ(glrecord::count("glBlendFunc"), 1U);

        std::size_t function = calls.size(), enable = calls.size(), shapesBefore = 0, shapesAfter = 0;
        std::size_t coloursBetween = 0;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const auto& c = calls[i];
            if (c.name == "glBlendFunc") {
                EXPECT_EQ(c.args, (std::vector<double>{GL_SRC_ALPHA, GL_ONE}));
                function = i;
            } else if (is(c, "glEnable", GL_BLEND)) {
                enable = i;
            } else if (is(c, "glMaterialfv", GL_FRONT) && c.args[1] == GL_DIFFUSE && function < i && enable > i) {
                ++coloursBetween;
            } else if (isShape(c)) {
                ++(enable < i ? shapesAfter : shapesBefore);
            }
        }
        EXPECT_LT(function, enable);
        EXPECT_EQ(shapesBefore, t.shapesBefore);
        EXPECT_GT(shapesAfter, 0U);
        EXPECT_EQ(coloursBetween, t.colourBeforeEnable ? 1U : 0U);
    }
}

} // namespace
