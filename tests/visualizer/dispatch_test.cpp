#include "scene_dispatch.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FaceDispatch, ZeroDrawsNoFaceAndEveryValueOutsideTheCatalogueIsFaceOne)
{
    EXPECT_EQ(faceSlot(0), 0);
    EXPECT_EQ(faceSlot(1), 1);
    EXPECT_EQ(faceSlot(36), 36);
    EXPECT_EQ(faceSlot(37), 1);
    EXPECT_EQ(faceSlot(45), 1);
    EXPECT_EQ(faceSlot(-1), 1);
    EXPECT_EQ(faceSlot(std::numeric_limits<std::int32_t>::min()), 1);
    EXPECT_EQ(faceSlot(std::numeric_limits<std::int32_t>::max()), 1);
}

TEST(FaceDispatch, OutOfRangeValuesReachTheDrawerOfFaceOne)
{
    ASSERT_NE(faceDrawer(1), nullptr);
    EXPECT_EQ(faceDrawer(0), nullptr);
    EXPECT_EQ(faceDrawer(37), faceDrawer(1));
    EXPECT_EQ(faceDrawer(-1), faceDrawer(1));
    EXPECT_EQ(faceDrawer(45), faceDrawer(1));
}

TEST(FaceDispatch, EveryVerdictFaceHasItsOwnDrawer)
{
    const std::int32_t verdictFaces[] = {1, 10, 15, 19, 24, 28, 31};
    for (const std::int32_t a : verdictFaces) {
        ASSERT_NE(faceDrawer(a), nullptr) << a;
        for (const std::int32_t b : verdictFaces) {
            if (a != b) {
                EXPECT_NE(faceDrawer(a), faceDrawer(b)) << a << " and " << b;
            }
        }
    }
}

bool empty(const DecorationEntry& entry)
{
    return entry[0] == nullptr && entry[1] == nullptr;
}

TEST(DecorationDispatch, IdsThatNameNoEntryDrawNothing)
{
    for (std::int32_t id : {0, 45, -1, 25, std::numeric_limits<std::int32_t>::min()})
        EXPECT_TRUE(empty(decorationA(id))) << "A" << id;
    for (std::int32_t id : {0, 45, -1, 17})
        EXPECT_TRUE(empty(decorationB(id))) << "B" << id;
    for (std::int32_t id : {0, 45, -1, 5})
        EXPECT_TRUE(empty(decorationC(id))) << "C" << id;
}

TEST(DecorationDispatch, TheVerdictDecorationsEachRunOneDrawer)
{
    for (const std::int32_t id : {9, 14}) {
        EXPECT_NE(decorationA(id)[0], nullptr) << "A" << id;
        EXPECT_EQ(decorationA(id)[1], nullptr) << "A" << id;
    }
    EXPECT_NE(decorationA(9)[0], decorationA(14)[0]);
}

TEST(DecorationDispatch, BThreeToSixAreTheMarksOfATenToThirteen)
{
    for (std::int32_t id = 3; id <= 6; ++id)
        EXPECT_EQ(decorationB(id), decorationA(id + 7)) << "B" << id;
}

} // namespace
