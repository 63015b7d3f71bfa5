#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/interp/array_table.h"
#include "engine/interp/variable_table.h"
#include "engine/interp/vector_store.h"

namespace zentrel {
namespace {

Number real(double x) {
    return Number::fromReal(x, false);
}

TEST(SlotNames, FreshSlotsSkipSlotsInUseAndKeepLabelsFindable) {
    VariableTable table;
    ASSERT_EQ(table.claimForLetter(255), kSuccess);  // written through its letter
    int slot = 0;
    ASSERT_EQ(table.define("b", real(1), false, slot), kSuccess);
    EXPECT_EQ(slot, 254);
    ASSERT_EQ(table.define("a", real(2), true, slot), kSuccess);
    EXPECT_EQ(slot, 253);
    EXPECT_EQ(table.find("a"), 253);
    EXPECT_EQ(table.find("A"), -1);
    EXPECT_EQ(table.label(254), "b");
    ASSERT_EQ(table.labels().size(), 2u);
    EXPECT_LT(table.labels()[0].slot, table.labels()[1].slot);
}

TEST(SlotNames, AWriteThroughTheLetterMovesTheNameWithItsContents) {
    VariableTable table;
    int slot = 0;
    ASSERT_EQ(table.define("k", real(7), true, slot), kSuccess);
    ASSERT_EQ(table.claimForLetter(255), kSuccess);
    EXPECT_EQ(table.find("k"), 254);
    EXPECT_EQ(table.value(254).complex.re, 7.0);
    EXPECT_TRUE(table.isConstant(254));
    EXPECT_FALSE(table.isConstant(255));
    EXPECT_EQ(table.label(255), "");
    EXPECT_EQ(table.state(255), LabelState::InUse);
    EXPECT_EQ(table.state(254), LabelState::Allocated);
}

TEST(SlotNames, ReleasedSlotsAreHandedOutAgainWithValueZero) {
    VariableTable table;
    int slot = 0;
    ASSERT_EQ(table.define("k", real(7), true, slot), kSuccess);
    table.release(255);
    EXPECT_EQ(table.find("k"), -1);
    EXPECT_FALSE(table.isConstant(255));
    ASSERT_EQ(table.define("v", Number::zero(false), false, slot), kSuccess);
    EXPECT_EQ(slot, 255);
    EXPECT_EQ(table.value(255).complex.re, 0.0);
}

TEST(ArrayTable, StoresAreMadeOnFirstWriteAndMoveByCopy) {
    ArrayTable arrays;
    EXPECT_EQ(arrays.matrix(9).count(), 1);
    EXPECT_EQ(arrays.vector(9).count(), 0);
    int slot = 0;
    ASSERT_EQ(arrays.allocate("data", slot), kSuccess);
    Number* element = nullptr;
    const std::array<std::int32_t, 1> at{2};
    ASSERT_EQ(locateVectorPath(*arrays.writableVector(255), at, PathFit::Grow, element), kSuccess);
    *element = real(5);
    ASSERT_EQ(arrays.writableMatrix(255)->setElement(1, 1, real(3), false), kSuccess);
    ASSERT_EQ(arrays.claimForLetter(255), kSuccess);
    EXPECT_EQ(arrays.find("data"), 254);
    EXPECT_EQ(arrays.vector(254).element(2).complex.re, 5.0);
    EXPECT_EQ(arrays.matrix(254).elementAt(1, 1).complex.re, 3.0);
    // The old slot keeps its copy: a write of one element leaves the others.
    EXPECT_EQ(arrays.vector(255).element(2).complex.re, 5.0);
    EXPECT_EQ(&arrays.matrix(0), &arrays.answer());
}

TEST(VectorStore, GrowingKeepsElementsAndFittingCuts) {
    VectorNode node;
    Number* element = nullptr;
    ASSERT_EQ(node.growTo(3, element), kSuccess);
    *element = real(4);
    ASSERT_EQ(node.growTo(1, element), kSuccess);  // never shrinks
    EXPECT_EQ(node.count(), 4);
    EXPECT_EQ(node.element(3).complex.re, 4.0);
    EXPECT_EQ(node.element(4).complex.re, 0.0);  // the spare zero
    ASSERT_EQ(node.fitTo(1, element), kSuccess);
    EXPECT_EQ(node.count(), 2);
    ASSERT_EQ(node.fitTo(3, element), kSuccess);
    EXPECT_EQ(node.element(3).complex.re, 0.0);  // the old element is gone
    EXPECT_EQ(node.element(-1).complex.re, 0.0);
}

TEST(VectorStore, PathsWalkChildrenAndMissingOnesReadZero) {
    VectorNode root;
    Number* element = nullptr;
    const std::vector<std::int32_t> path{1, 2, 0};
    ASSERT_EQ(locateVectorPath(root, path, PathFit::Grow, element), kSuccess);
    *element = real(8);
    EXPECT_EQ(readVectorPath(root, path).complex.re, 8.0);
    EXPECT_EQ(root.childCount(), 2);
    EXPECT_EQ(root.count(), 0);  // the root's own list is untouched
    const std::vector<std::int32_t> missing{0, 5, 0};
    EXPECT_EQ(readVectorPath(root, missing).complex.re, 0.0);
    const std::vector<std::int32_t> fitted{0, 0};
    ASSERT_EQ(locateVectorPath(root, fitted, PathFit::Fit, element), kSuccess);
    EXPECT_EQ(root.childCount(), 1);
    EXPECT_EQ(readVectorPath(root, path).complex.re, 0.0);
}

TEST(VectorStore, PositionsBeyondThirtyTwoBitsAreRefused) {
    VectorNode node;
    Number* element = nullptr;
    VectorNode* child = nullptr;
    EXPECT_EQ(node.growTo(INT32_MAX, element), kOutOfMemory);
    EXPECT_EQ(node.fitTo(std::int64_t{1} << 40, element), kOutOfMemory);
    EXPECT_EQ(node.growChildTo(INT32_MAX, child), kOutOfMemory);
    EXPECT_EQ(node.count(), 0);
}

}  // namespace
}  // namespace zentrel
