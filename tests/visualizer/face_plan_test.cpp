#include "face_test_support.h"
#include "faces/face_template.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

FacePlan calmTemplate()
{
    static const std::array<double, 20> zeros{};
    return faceTemplate({0, zeros.data(), 20, false});
}

std::vector<glrecord::DrawnShape> drawPlan(const FacePlan& plan)
{
    glrecord::reset();
    Toge surface;
    plan.draw(surface);
    return glrecord::shapes();
}

Element disk(double outer)
{
    return {std::nullopt, {translate(1, 2, 3)}, Disk{0, outer, 20}};
}

TEST(FacePlan, ReplacePutsTheStepsWhereTheFirstPartStood)
{
    FacePlan plan = calmTemplate();
    plan.replace({FacePart::rightPupil, FacePart::leftPupil}, {disk(0.1), disk(0.2), disk(0.3)});
    const auto shapes = drawPlan(plan);
    ASSERT_EQ(shapes.size(), 9U);
    EXPECT_EQ(shapes[1].params[0], 2) << "left eye";
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shapes[2 + i].kind, glrecord::DrawnShape::Kind::disk);
        EXPECT_DOUBLE_EQ(shapes[2 + i].params[1], 0.1 * static_cast<double>(i + 1));
    }
    EXPECT_FALSE(plan.contains(FacePart::leftPupil));
    EXPECT_TRUE(plan.contains(FacePart::nose));
}

TEST(FacePlan, InsertAfterAndOmit)
{
    FacePlan plan = calmTemplate();
    plan.insertAfter(FacePart::lowerLip, {disk(0.4)});
    plan.omit(FacePart::nose);
    const auto shapes = drawPlan(plan);
    ASSERT_EQ(shapes.size(), 8U);
    EXPECT_EQ(shapes.back().kind, glrecord::DrawnShape::Kind::disk);
    EXPECT_THROW(plan[FacePart::nose], std::logic_error);
}

TEST(FacePlan, HiddenPartsAreNotDrawnUntilShown)
{
    FacePlan plan = calmTemplate();
    EXPECT_FALSE(plan.isShown(FacePart::rightInnerShape));
    plan.show(FacePart::rightInnerShape);
    const auto shapes = drawPlan(plan);
    ASSERT_EQ(shapes.size(), 9U);
    EXPECT_EQ(shapes.back().params[0], 1) << "the right inner shape, radius 1";
}

TEST(FacePlan, ColourAndQuadStepsAreDrawnOutsideAnyPush)
{
    FacePlan plan;
    plan.append(FacePart::added, disk(1));
    EXPECT_THROW(plan.insertAfter(FacePart::added, {}), std::logic_error)
        << "added steps are no template part";
    FacePlan marks;
    marks.append(FacePart::nose, {orange, {}, Sphere{2, 20}});
    marks.insertAfter(FacePart::nose,
                      {ColourStep{black}, QuadStep{{{{1, 2}, {3, 4}, {5, 6}, {7, 8}}}, -4}});
    const auto shapes = drawPlan(marks);
    ASSERT_EQ(shapes.size(), 2U);
    EXPECT_EQ(shapes[1].kind, glrecord::DrawnShape::Kind::polygon);
    EXPECT_EQ(shapes[1].depth, 0);
    EXPECT_EQ(shapes[1].diffuse[0], 0.0);
    EXPECT_EQ(shapes[1].vertices[3], (std::array<double, 3>{7, 8, -4}));
}

} // namespace
