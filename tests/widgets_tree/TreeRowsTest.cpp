#include <gtest/gtest.h>

#include <vector>

#include "source/widgets_layout/TreeGeometry.h"
#include "source/widgets_layout/TreeRows.h"

namespace zarvo {
namespace {

class TreeRowsTest : public testing::Test {
 protected:
  int32_t Made(Result<int32_t> id) {
    EXPECT_TRUE(id.IsOk());
    return id.IsOk() ? *id : TreeRows::kNone;
  }
  std::vector<int32_t> Order() {
    std::vector<int32_t> order;
    for (Int row = 0; row < rows_.Count(); ++row) order.push_back(rows_.IdAt(row));
    return order;
  }
  // a (a1, a2 (a2a)), b
  void Build() {
    a_ = Made(rows_.InsertAfter(TreeRows::kNone));
    b_ = Made(rows_.InsertAfter(a_));
    a1_ = Made(rows_.InsertFirstChild(a_));
    a2_ = Made(rows_.InsertAfter(a1_));
    a2a_ = Made(rows_.InsertFirstChild(a2_));
  }

  TreeRows rows_;
  int32_t a_ = -1, b_ = -1, a1_ = -1, a2_ = -1, a2a_ = -1;
};

TEST_F(TreeRowsTest, InsertsKeepTreeOrderAndLevels) {
  Build();
  EXPECT_EQ(Order(), (std::vector<int32_t>{a_, a1_, a2_, a2a_, b_}));
  EXPECT_EQ(rows_.Get(a2a_).level, 2);
  EXPECT_EQ(rows_.RowOf(b_), 4);
  const int32_t first = Made(rows_.InsertBefore(TreeRows::kNone));
  EXPECT_EQ(rows_.RowOf(first), 0);
  EXPECT_EQ(rows_.RowOf(b_), 5) << "rows after an insert are renumbered";
  EXPECT_EQ(rows_.Get(a_).prev, first);
  EXPECT_EQ(rows_.SubtreeEnd(a_), 5);
}

TEST_F(TreeRowsTest, ClosedAndFilteredRowsAreNotShown) {
  Build();
  rows_.Get(a2_).Set(TreeRow::kOpen, false);
  rows_.UpdateShown(false);
  EXPECT_EQ(rows_.Shown(), (std::vector<int32_t>{a_, a1_, a2_, b_}));
  EXPECT_EQ(rows_.Get(a2a_).shown, -1);
  rows_.Get(a2_).Set(TreeRow::kOpen, true);
  rows_.Get(a2a_).Set(TreeRow::kFiltered, true);
  rows_.UpdateShown(true);
  EXPECT_EQ(rows_.Shown(), (std::vector<int32_t>{a_, a2_, a2a_})) << "a match keeps its ancestors shown";
}

TEST_F(TreeRowsTest, MovesRefuseCyclesAndKeepTheTreeIntact) {
  Build();
  const std::vector<int32_t> before = Order();
  for (TREE_INSERT_MODE mode : {TREE_INSERT_MODE::BEFORE, TREE_INSERT_MODE::AFTER, TREE_INSERT_MODE::FIRST_CHILD}) {
    Result<void> moved = rows_.Move(a_, a2a_, mode);
    ASSERT_FALSE(moved.IsOk());
    EXPECT_EQ(moved.GetError().GetMessage(), "An item cannot be moved below itself");
  }
  EXPECT_EQ(Order(), before);
  ASSERT_TRUE(rows_.Move(a2_, b_, TREE_INSERT_MODE::FIRST_CHILD).IsOk());
  EXPECT_EQ(Order(), (std::vector<int32_t>{a_, a1_, b_, a2_, a2a_}));
  EXPECT_EQ(rows_.Get(a2a_).level, 2);
  EXPECT_EQ(rows_.Get(a1_).next, TreeRows::kNone);
  EXPECT_EQ(rows_.Get(b_).firstChild, a2_);
  Result<void> dead = rows_.Move(a_, 999, TREE_INSERT_MODE::AFTER);
  ASSERT_FALSE(dead.IsOk());
  EXPECT_EQ(dead.GetError().GetMessage(), "Invalid treeitem");
}

TEST_F(TreeRowsTest, ErasingASubtreeFreesItsRecords) {
  Build();
  const std::vector<int32_t> gone = rows_.Erase(a2_);
  EXPECT_EQ(gone, (std::vector<int32_t>{a2_, a2a_}));
  EXPECT_FALSE(rows_.IsLive(a2a_));
  EXPECT_EQ(Order(), (std::vector<int32_t>{a_, a1_, b_}));
  EXPECT_EQ(rows_.Get(a1_).next, TreeRows::kNone);
  const int32_t reused = Made(rows_.InsertAfter(b_));
  EXPECT_TRUE(reused == a2_ || reused == a2a_) << "a freed record is used again";
  EXPECT_EQ(rows_.Get(reused).level, 0);
}

TEST_F(TreeRowsTest, ConnectionLinesRunOnWhereSiblingsFollow) {
  Build();
  EXPECT_TRUE(rows_.ContinuesAtLevel(a2a_, 0)) << "a has a next sibling (b)";
  EXPECT_FALSE(rows_.ContinuesAtLevel(a2a_, 1)) << "a2 is a's last child";
  EXPECT_FALSE(rows_.ContinuesAtLevel(a2a_, 2));
  TreeMarkInput input;
  input.steps = 2;
  input.indent = 10.0;
  const TreeRowMarks marks = ComputeTreeRowMarks(input, [](Int step) { return step == 1; });
  ASSERT_EQ(marks.marks.size(), 2u);
  EXPECT_EQ(marks.marks[0].kind, TreeRowMarks::Kind::kStraight);
  EXPECT_DOUBLE_EQ(marks.marks[0].x, 5.0);
  EXPECT_EQ(marks.marks[1].kind, TreeRowMarks::Kind::kLevel);
  EXPECT_DOUBLE_EQ(marks.marks[1].x, 15.0);
  EXPECT_DOUBLE_EQ(marks.stubEnd, 25.0) << "a leaf's stub runs to the middle of its triangle's cell";
  input.mirrored = true;
  input.width = 100.0;
  EXPECT_DOUBLE_EQ(ComputeTreeRowMarks(input, [](Int) { return false; }).marks[0].x, 85.0);
}

TEST(TreeGeometryTest, ShownRowsInAnAreaAreClampedToTheRows) {
  const ShownRange range = ShownRowsIn(25.0, 65.0, 5.0, 10.0, 100);
  EXPECT_EQ(range.first, 2);
  EXPECT_EQ(range.last, 5);
  EXPECT_TRUE(ShownRowsIn(2000.0, 3000.0, 0.0, 10.0, 100).IsEmpty());
  EXPECT_EQ(ShownRowsIn(-50.0, 15.0, 0.0, 10.0, 100).first, 0);
  EXPECT_TRUE(ShownRowsIn(0.0, 10.0, 0.0, 10.0, 0).IsEmpty());
}

}  // namespace
}  // namespace zarvo
