#include <gtest/gtest.h>

#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindow.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

using L = FLEXBOX_LAYOUT;
constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
const Rect kWindowFrame{0, 0, 100, 100};

const ColorA kPalette[] = {{0.86, 0.24, 0.22, 1.0}, {0.95, 0.61, 0.15, 1.0}, {0.93, 0.85, 0.25, 1.0},
                           {0.36, 0.72, 0.33, 1.0}, {0.22, 0.60, 0.80, 1.0}, {0.40, 0.36, 0.78, 1.0},
                           {0.80, 0.38, 0.70, 1.0}};
const ColorA kBoxBackground{0.16, 0.16, 0.18, 1.0};

// A leaf that counts how often the host looks at it, to see which cells a hit test visits.
class CountingLeaf final : public WidgetBase {
 public:
  explicit CountingLeaf(int& looks) : looks_(looks) {}
  bool GetLocalVisibility() const override {
    ++looks_;
    return WidgetBase::GetLocalVisibility();
  }

 private:
  int& looks_;
};

class FlexBoxWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), kWindowFrame);
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    box_ = NewFlexBox();
    ASSERT_TRUE(box_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(box_).IsOk());
  }

  static FlexBoxWidgetRef NewFlexBox() {
    Result<FlexBoxWidgetRef> box = CreateObject<FlexBoxWidgetInterface>(Id(kFlexBoxWidgetClassId));
    EXPECT_TRUE(box.IsOk()) << box.GetError().ToString();
    return box.IsOk() ? *box : FlexBoxWidgetRef();
  }

  static WidgetRef NewFrame(Vector2d size, const ColorA& color) {
    Result<Ref<FrameWidgetInterface>> frame = CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId));
    EXPECT_TRUE(frame.IsOk()) << frame.GetError().ToString();
    if (!frame.IsOk()) return WidgetRef();
    (*frame)->SetBackgroundVisibility(true);
    (*frame)->SetBackgroundColor(color);
    EXPECT_TRUE((*frame)->SetLocalSize(size.x, size.y).IsOk());
    return *frame;
  }

  // Gives the box one cell per size, each holding a coloured frame of that size.
  static void Fill(const FlexBoxWidgetRef& box, const std::vector<Vector2d>& sizes) {
    ASSERT_TRUE(box->Resize(static_cast<Int>(sizes.size())).IsOk());
    for (size_t i = 0; i < sizes.size(); ++i) {
      Result<CellWidgetRef> cell = box->GetCell(static_cast<Int>(i));
      ASSERT_TRUE(cell.IsOk()) << cell.GetError().ToString();
      ASSERT_TRUE((*cell)->InsertChildLast(NewFrame(sizes[i], kPalette[i % std::size(kPalette)])).IsOk());
    }
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  CellWidgetRef Cell(Int position) const {
    Result<CellWidgetRef> cell = box_->GetCell(position);
    EXPECT_TRUE(cell.IsOk()) << cell.GetError().ToString();
    return cell.IsOk() ? *cell : CellWidgetRef();
  }

  std::vector<Vector2d> CellPositions() const {
    std::vector<Vector2d> positions;
    for (Int i = 0; i < box_->GetCount(); ++i) positions.push_back(Cell(i)->GetLocalPosition());
    return positions;
  }

  static void ExpectStateError(const Error& error, const char* message) {
    EXPECT_EQ(error.GetKind(), ErrorKind::kIllegalState);
    EXPECT_EQ(error.GetMessage(), message);
  }

  cairo_surface_t* Surface() const { return window_->GetHostCanvas()->GetOsWindow()->GetSurface(); }

  Ref<AppWindow> window_;
  FlexBoxWidgetRef box_;
};

TEST_F(FlexBoxWidgetTest, ANewFlexBoxFillsRowsAndTakesItsParentsWidth) {
  EXPECT_EQ(box_->GetLayout(), L::LEFT_RIGHT_TOP_BOTTOM);
  EXPECT_EQ(box_->GetCount(), 0);
  Update();
  EXPECT_EQ(box_->GetName(), "FlexBoxWidget");
  EXPECT_TRUE(box_->GetInheritParentSize(kH));
  EXPECT_FALSE(box_->GetInheritParentSize(kV));
  // No cells: the parent's width and no height.
  EXPECT_EQ(box_->GetLocalPixSize(), (Vector2d{100, 0}));
}

TEST_F(FlexBoxWidgetTest, ResizeCreatesCellsThatGetCellAndGetIndexFindInHierarchyOrder) {
  ExpectStateError(box_->GetCell(0).GetError(), "Invalid table hierarchy.");
  ASSERT_TRUE(box_->Resize(3).IsOk());
  EXPECT_EQ(box_->GetCount(), 3);
  Int position = 0;
  for (HierarchyObject* child = box_->GetFirstChild(); child; child = child->GetNext(), ++position) {
    Result<CellWidgetRef> cell = box_->GetCell(position);
    ASSERT_TRUE(cell.IsOk());
    EXPECT_EQ(static_cast<HierarchyObject*>(cell->Get()), child);
    EXPECT_TRUE((*cell)->IsLayoutCreated());
  }
  EXPECT_EQ(position, 3);
  ExpectStateError(box_->GetCell(3).GetError(), "Invalid table hierarchy.");
  ExpectStateError(box_->GetCell(-1).GetError(), "Invalid table hierarchy.");

  Result<Int> index = box_->GetIndex(Cell(1));
  ASSERT_TRUE(index.IsOk());
  EXPECT_EQ(*index, 1);
  Result<CellWidgetRef> stranger = CreateObject<CellWidgetInterface>(Id(kCellWidgetClassId));
  ASSERT_TRUE(stranger.IsOk());
  ExpectStateError(box_->GetIndex(*stranger).GetError(), "Element not found");
  ExpectStateError(box_->GetIndex(CellWidgetRef()).GetError(), "Element not found");

  ASSERT_TRUE(box_->Append().IsOk());
  EXPECT_EQ(box_->GetCount(), 4);
  EXPECT_EQ(static_cast<HierarchyObject*>(Cell(3).Get()), box_->GetLastChild());
}

TEST_F(FlexBoxWidgetTest, ResizeShrinksFromTheEndAndCountsFromTheStoredCount) {
  ASSERT_TRUE(box_->Resize(4).IsOk());
  CellWidgetRef first = Cell(0);
  CellWidgetRef second = Cell(1);
  ASSERT_TRUE(box_->Resize(2).IsOk());
  EXPECT_EQ(static_cast<HierarchyObject*>(first.Get()), box_->GetFirstChild());
  EXPECT_EQ(static_cast<HierarchyObject*>(second.Get()), box_->GetLastChild());
  EXPECT_FALSE(box_->GetCell(2).IsOk());
  EXPECT_EQ(box_->Resize(-1).GetError().GetKind(), ErrorKind::kIllegalArgument);

  // Resize(0) forgets the cells but keeps them as children; growing again adds to them.
  ASSERT_TRUE(box_->Resize(0).IsOk());
  EXPECT_EQ(box_->GetCount(), 0);
  ExpectStateError(box_->GetCell(0).GetError(), "Invalid table hierarchy.");
  EXPECT_EQ(static_cast<HierarchyObject*>(second.Get()), box_->GetLastChild());
  ASSERT_TRUE(box_->Resize(1).IsOk());
  EXPECT_EQ(box_->GetCount(), 1);
  // The index covers every child, the forgotten cells first.
  EXPECT_EQ(Cell(0), first);
  EXPECT_EQ(static_cast<HierarchyObject*>(Cell(2).Get()), box_->GetLastChild());
}

TEST_F(FlexBoxWidgetTest, ForgottenCellsAreStillPlacedAndGrowingCellsRelayOut) {
  Fill(box_, {{60, 10}, {30, 20}});
  CellWidgetRef second = Cell(1);
  ASSERT_TRUE(box_->Resize(0).IsOk());
  Update();
  EXPECT_EQ(second->GetLocalPosition(), (Vector2d{60, 0}));
  ASSERT_TRUE(box_->Resize(1).IsOk());
  ASSERT_TRUE(Cell(2)->InsertChildLast(NewFrame({30, 5}, kPalette[2])).IsOk());
  Update();
  EXPECT_EQ(Cell(1)->GetLocalPosition(), (Vector2d{60, 0}));
  EXPECT_EQ(Cell(2)->GetLocalPosition(), (Vector2d{0, 20}));
  EXPECT_EQ(box_->GetLocalPixSize(), (Vector2d{100, 25}));
}

// A relayout reuses what it knows of the cells; each way a cell can change behind that
// knowledge must still be seen.
TEST_F(FlexBoxWidgetTest, ARelayoutSeesCellsThatWereMovedOrResizedBehindItsBack) {
  Fill(box_, {{60, 10}, {30, 20}, {50, 10}});
  Update();
  const std::vector<Vector2d> placed = CellPositions();
  ASSERT_EQ(placed, (std::vector<Vector2d>{{0, 0}, {60, 0}, {0, 20}}));

  // Moved by hand: the next layout puts it back.
  Cell(1)->SetLocalPosition({7, 7});
  box_->RequestLayout();
  Update();
  EXPECT_EQ(CellPositions(), placed);

  // Its content grows: the cells after it move on.
  WidgetInterface* content = Cell(0)->GetFirstChildWidget();
  ASSERT_TRUE(content);
  ASSERT_TRUE(content->SetLocalSize(80.0, 10.0).IsOk());
  Update();
  EXPECT_EQ(CellPositions(), (std::vector<Vector2d>{{0, 0}, {0, 10}, {30, 10}}));

  // Moved by hand again, with nothing else changed since: still put back.
  Cell(2)->SetLocalPosition({1, 1});
  Update();
  EXPECT_EQ(Cell(2)->GetLocalPosition(), (Vector2d{30, 10}));
}

struct OrderCase {
  L layout;
  std::vector<Vector2d> sizes;
  std::vector<Vector2d> positions;
  Vector2d boxSize;
};

TEST_F(FlexBoxWidgetTest, EachFillOrderPlacesItsCellsAndSizesItself) {
  const std::vector<Vector2d> rows{{40, 30}, {40, 10}, {40, 20}};
  const std::vector<Vector2d> columns{{30, 40}, {10, 40}, {20, 40}};
  const OrderCase cases[] = {
      {L::LEFT_RIGHT_TOP_BOTTOM, rows, {{0, 0}, {40, 0}, {0, 30}}, {100, 50}},
      {L::RIGHT_LEFT_TOP_BOTTOM, rows, {{60, 0}, {20, 0}, {60, 30}}, {100, 50}},
      {L::TOP_BOTTOM_LEFT_RIGHT, columns, {{0, 0}, {0, 40}, {30, 0}}, {50, 100}},
      {L::BOTTOM_TOP_LEFT_RIGHT, columns, {{0, 60}, {0, 20}, {30, 60}}, {50, 100}},
      {L::LEFT_RIGHT_BOTTOM_TOP, rows, {{0, 70}, {40, 90}, {0, 70}}, {100, 100}},
      {L::RIGHT_LEFT_BOTTOM_TOP, rows, {{60, 70}, {20, 90}, {60, 70}}, {100, 100}},
      {L::TOP_BOTTOM_RIGHT_LEFT, columns, {{70, 0}, {90, 40}, {70, 0}}, {100, 100}},
      {L::BOTTOM_TOP_RIGHT_LEFT, columns, {{70, 60}, {90, 20}, {70, 60}}, {100, 100}},
  };
  for (const OrderCase& order : cases) {
    SCOPED_TRACE(static_cast<int>(order.layout));
    box_->Remove();
    box_ = NewFlexBox();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(box_).IsOk());
    ASSERT_TRUE(box_->SetLayout(order.layout).IsOk());
    Fill(box_, order.sizes);
    Update();
    EXPECT_EQ(CellPositions(), order.positions);
    EXPECT_EQ(box_->GetLocalPixSize(), order.boxSize);
  }
}

TEST_F(FlexBoxWidgetTest, SwitchingTheLayoutChangesWhatIsInheritedAndPlacesAgain) {
  Fill(box_, {{40, 30}, {40, 10}});
  Update();
  const bool width[] = {true, true, false, false, true, true, true, true};
  const bool height[] = {false, false, true, true, true, true, true, true};
  for (int layout = 0; layout < 8; ++layout) {
    ASSERT_TRUE(box_->SetLayout(static_cast<L>(layout)).IsOk());
    Update();
    EXPECT_EQ(box_->GetLayout(), static_cast<L>(layout));
    EXPECT_EQ(box_->GetInheritParentSize(kH), width[layout]) << layout;
    EXPECT_EQ(box_->GetInheritParentSize(kV), height[layout]) << layout;
  }
  ASSERT_TRUE(box_->SetLayout(L::RIGHT_LEFT_TOP_BOTTOM).IsOk());
  Update();
  EXPECT_EQ(CellPositions(), (std::vector<Vector2d>{{60, 0}, {20, 0}}));
}

TEST_F(FlexBoxWidgetTest, RightToLeftModeUsesTheMirroredLayoutAndKeepsTheStoredOne) {
  Fill(box_, {{40, 30}, {40, 10}, {40, 20}});
  box_->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  Update();
  EXPECT_EQ(box_->GetLayout(), L::LEFT_RIGHT_TOP_BOTTOM);
  EXPECT_EQ(CellPositions(), (std::vector<Vector2d>{{60, 0}, {20, 0}, {60, 30}}));

  // Stored columns downwards to the right become columns to the left: both sizes inherited.
  ASSERT_TRUE(box_->SetLayout(L::TOP_BOTTOM_LEFT_RIGHT).IsOk());
  Update();
  EXPECT_TRUE(box_->GetInheritParentSize(kH));
  EXPECT_TRUE(box_->GetInheritParentSize(kV));
  EXPECT_EQ(box_->GetLocalPixSize(), (Vector2d{100, 100}));

  // A flexbox that does not accept right-to-left mode ignores it.
  ASSERT_TRUE(box_->SetLayout(L::LEFT_RIGHT_TOP_BOTTOM).IsOk());
  box_->SetAcceptR2LMode(false);
  Update();
  EXPECT_EQ(CellPositions(), (std::vector<Vector2d>{{0, 0}, {40, 0}, {0, 30}}));
}

TEST_F(FlexBoxWidgetTest, ChildrenThatAreNotCellsStayPutButTakePartAsEmptyItems) {
  ASSERT_TRUE(box_->SetLayout(L::LEFT_RIGHT_BOTTOM_TOP).IsOk());
  Fill(box_, {{60, 30}});
  WidgetRef stranger = NewFrame({20, 20}, kPalette[4]);
  stranger->SetLocalPosition({5, 5});
  ASSERT_TRUE(box_->InsertChildLast(stranger).IsOk());
  ASSERT_TRUE(box_->Append().IsOk());
  ASSERT_TRUE(Cell(2)->InsertChildLast(NewFrame({60, 10}, kPalette[1])).IsOk());

  Result<CellWidgetRef> entry = box_->GetCell(1);
  ASSERT_TRUE(entry.IsOk());
  EXPECT_FALSE(*entry);
  // The count is the one asked for; the index numbers every child.
  EXPECT_EQ(box_->GetCount(), 2);

  Update();
  EXPECT_EQ(stranger->GetLocalPosition(), (Vector2d{5, 5}));
  // The empty item was placed last in the first row, at its bottom edge, so the second row
  // hangs from there rather than from the top of the first cell.
  EXPECT_EQ(Cell(0)->GetLocalPosition(), (Vector2d{0, 70}));
  EXPECT_EQ(Cell(2)->GetLocalPosition(), (Vector2d{0, 90}));
}

TEST_F(FlexBoxWidgetTest, HitTestsVisitOnlyTheCellsAroundThePointer) {
  constexpr int kCells = 2000;
  int looks = 0;
  ASSERT_TRUE(box_->Resize(kCells).IsOk());
  std::vector<Ref<CountingLeaf>> leaves;
  for (Int i = 0; i < kCells; ++i) {
    Ref<CountingLeaf> leaf = MakeRef<CountingLeaf>(looks);
    ASSERT_TRUE(leaf->SetLocalSize(10, 10).IsOk());
    ASSERT_TRUE(Cell(i)->InsertChildLast(leaf).IsOk());
    leaves.push_back(leaf);
  }
  Update();
  ASSERT_EQ(box_->GetLocalPixSize(), (Vector2d{100, 10 * (kCells / 9 + 1)}));
  AppWidgetInterface* app = window_->GetAppWidget();

  looks = 0;
  // Row 3 holds cells 27..35 at x = 0, 10, ...; x = 45 lies inside cell 31.
  EXPECT_EQ(app->FindHitWidget({45, 35}), leaves[31].Get());
  EXPECT_GT(looks, 0);
  EXPECT_LE(looks, 9);

  // Cells further down are found just as directly once the box is moved up to show them.
  box_->SetLocalPosition({0, -1500});
  Update();
  looks = 0;
  EXPECT_EQ(app->FindHitWidget({5, 5}), leaves[150 * 9 + 0].Get());
  EXPECT_LE(looks, 9);

  // A child that is not a cell lies on top of the cells and is still found.
  WidgetRef stranger = NewFrame({20, 20}, kPalette[0]);
  stranger->SetLocalPosition({40, 1500});
  ASSERT_TRUE(box_->InsertChildLast(stranger).IsOk());
  // Before the next layout the box visits every child; the answer is the same.
  EXPECT_EQ(app->FindHitWidget({45, 5}), stranger.Get());
  Update();
  looks = 0;
  EXPECT_EQ(app->FindHitWidget({45, 5}), stranger.Get());
  EXPECT_EQ(app->FindHitWidget({75, 5}), leaves[150 * 9 + 7].Get());
  EXPECT_LE(looks, 9);
}

// The eight fill orders side by side, each in a 60×60 area, then the same rows mirrored.
TEST_F(FlexBoxWidgetTest, GoldenFillOrders) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 256, 128});
  ASSERT_TRUE(window.IsOk());
  window_ = *window;
  const std::vector<Vector2d> sizes{{14, 10}, {20, 14}, {10, 8}, {18, 12}, {12, 16}, {16, 10}, {8, 8}, {22, 6}};
  for (int layout = 0; layout < 8; ++layout) {
    WidgetRef area = NewFrame({60, 60}, kBoxBackground);
    area->SetLocalPosition({2.0 + 64.0 * (layout % 4), 2.0 + 64.0 * (layout / 4)});
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area).IsOk());
    FlexBoxWidgetRef box = NewFlexBox();
    ASSERT_TRUE(area->InsertChildLast(box).IsOk());
    ASSERT_TRUE(box->SetLayout(static_cast<L>(layout)).IsOk());
    Fill(box, sizes);
  }
  Update();
  test::ExpectMatchesGolden(Surface(), "flexbox_fill_orders");
}

TEST_F(FlexBoxWidgetTest, GoldenRightToLeft) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 128, 64});
  ASSERT_TRUE(window.IsOk());
  window_ = *window;
  const std::vector<Vector2d> sizes{{14, 10}, {20, 14}, {10, 8}, {18, 12}, {12, 16}, {16, 10}, {8, 8}, {22, 6}};
  // Rows left to right and columns downwards to the right, both in right-to-left mode.
  const L layouts[] = {L::LEFT_RIGHT_TOP_BOTTOM, L::TOP_BOTTOM_LEFT_RIGHT};
  for (int i = 0; i < 2; ++i) {
    WidgetRef area = NewFrame({60, 60}, kBoxBackground);
    area->SetLocalPosition({2.0 + 64.0 * i, 2.0});
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area).IsOk());
    FlexBoxWidgetRef box = NewFlexBox();
    ASSERT_TRUE(area->InsertChildLast(box).IsOk());
    ASSERT_TRUE(box->SetLayout(layouts[i]).IsOk());
    box->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
    Fill(box, sizes);
  }
  Update();
  test::ExpectMatchesGolden(Surface(), "flexbox_right_to_left");
}

}  // namespace
}  // namespace zarvo
