#include <gtest/gtest.h>

#include "tests/support/TestWidgets.h"

#include <cmath>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
constexpr Float kRemBase = 13.0;  // the headless canvas's pixels per REM

// Content of a fixed natural size, painted so that goldens show where the cell put it.
class Leaf final : public WidgetBase {
 public:
  explicit Leaf(Vector2d size, ColorA color = {0.9, 0.5, 0.1, 1.0}) : size_(size) {
    SetBackgroundVisibility(true);
    SetBackgroundColor(color);
  }
  Result<void> LayoutPass1() override { return SetLocalSize(size_.x, size_.y); }

 private:
  Vector2d size_;
};

class CellWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 160, 120});
    ASSERT_TRUE(window_);
    cell_ = NewCell();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(cell_).IsOk());
  }

  static CellWidgetRef NewCell() { return test::NewObject<CellWidgetInterface>(kCellWidgetClassId); }

  Ref<Leaf> AddContent(const CellWidgetRef& cell, Vector2d size) {
    Ref<Leaf> leaf = MakeRef<Leaf>(size);
    EXPECT_TRUE(cell->InsertChildLast(leaf).IsOk());
    return leaf;
  }

  // Keeps the cell at `size` whatever it measures, as a container would.
  static void FixCellSize(const CellWidgetRef& cell, Vector2d size) {
    cell->SetFixedSize(CanvasUnitValue::Pix(size.x), kH);
    cell->SetFixedSize(CanvasUnitValue::Pix(size.y), kV);
    cell->SetSizeMode(WIDGET_SIZE::FIXED, kH);
    cell->SetSizeMode(WIDGET_SIZE::FIXED, kV);
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  static void ExpectError(const Result<void>& result, const char* message) {
    ASSERT_FALSE(result.IsOk()) << "expected: " << message;
    EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalArgument);
    EXPECT_EQ(result.GetError().GetMessage(), message);
  }

  void ExpectPaddings(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top, CanvasUnitValue bottom) {
    EXPECT_EQ(cell_->GetLeftPadding(), left);
    EXPECT_EQ(cell_->GetRightPadding(), right);
    EXPECT_EQ(cell_->GetTopPadding(), top);
    EXPECT_EQ(cell_->GetBottomPadding(), bottom);
  }

  Ref<AppWindow> window_;
  CellWidgetRef cell_;
};

TEST_F(CellWidgetTest, AFreshCellAlignsAtTheStartDoesNotStretchAndHasNoPadding) {
  for (WIDGET_DIRECTION d : {kH, kV}) {
    EXPECT_EQ(cell_->GetAlignment(d), ALIGNMENT_MODE::MIN);
    EXPECT_EQ(cell_->GetStretchMode(d), CELL_STRETCH_MODE::MINIMUM);
    EXPECT_EQ(cell_->GetPreferredSize(d), 1.0);
  }
  ExpectPaddings(CanvasUnitValue::Fon(0), CanvasUnitValue::Fon(0), CanvasUnitValue::Fon(0), CanvasUnitValue::Fon(0));
}

TEST_F(CellWidgetTest, CreateLayoutNamesTheCellAndKeepsItOutOfTabFocus) {
  cell_->SetAcceptTabFocus(true);
  Update();
  EXPECT_EQ(cell_->GetName(), "CellWidget");
  EXPECT_FALSE(cell_->GetAcceptTabFocus());
}

TEST_F(CellWidgetTest, EveryDirectionOtherThanHorizontalIsVertical) {
  const auto odd = static_cast<WIDGET_DIRECTION>(7);
  cell_->SetAlignment(ALIGNMENT_MODE::MAX, odd);
  cell_->SetStretchMode(CELL_STRETCH_MODE::PREFERRED, odd);
  cell_->SetPreferredSize(4.0, odd);
  EXPECT_EQ(cell_->GetAlignment(kV), ALIGNMENT_MODE::MAX);
  EXPECT_EQ(cell_->GetStretchMode(kV), CELL_STRETCH_MODE::PREFERRED);
  EXPECT_EQ(cell_->GetPreferredSize(kV), 4.0);
  EXPECT_EQ(cell_->GetAlignment(kH), ALIGNMENT_MODE::MIN);
  EXPECT_EQ(cell_->GetPreferredSize(odd), 4.0);
}

TEST_F(CellWidgetTest, PreferredSizesAreNeverNegativeNorNaN) {
  for (Float bad : {-3.0, 0.0, -0.0, static_cast<Float>(NAN), -HUGE_VAL}) {
    cell_->SetPreferredSize(2.0, kH);
    cell_->SetPreferredSize(bad, kH);
    EXPECT_EQ(cell_->GetPreferredSize(kH), 0.0) << bad;
    EXPECT_FALSE(std::signbit(cell_->GetPreferredSize(kH)));
  }
  cell_->SetPreferredSize(0.25, kH);
  EXPECT_EQ(cell_->GetPreferredSize(kH), 0.25);
  cell_->SetPreferredSize(1e300, kV);
  EXPECT_EQ(cell_->GetPreferredSize(kV), 1e300);
}

TEST_F(CellWidgetTest, APaddingSetterFailsAtTheFirstNegativeSideAndChangesNothing) {
  ASSERT_TRUE(cell_->SetPadding(CanvasUnitValue::Pix(1), CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(3),
                                CanvasUnitValue::Pix(4)).IsOk());
  ExpectError(cell_->SetPadding(CanvasUnitValue::Pix(5), CanvasUnitValue::Pix(-1), CanvasUnitValue::Pix(-2),
                                CanvasUnitValue::Pix(0)),
              "right value is negative");
  ExpectError(cell_->SetPadding(CanvasUnitValue::Rem(-1), CanvasUnitValue::Pix(-1), CanvasUnitValue::Pix(0),
                                CanvasUnitValue::Pix(0)),
              "left value is negative");
  ExpectError(cell_->SetPadding(CanvasUnitValue::Pix(0), CanvasUnitValue::Pix(0), CanvasUnitValue::Pix(-0.001),
                                CanvasUnitValue::Pix(0)),
              "top value is negative");
  ExpectError(cell_->SetPadding(CanvasUnitValue::Pix(0), CanvasUnitValue::Pix(0), CanvasUnitValue::Pix(0),
                                CanvasUnitValue::Fon(-HUGE_VAL)),
              "bottom value is negative");
  ExpectError(cell_->SetHorizontalPadding(CanvasUnitValue::Pix(9), CanvasUnitValue::Pix(-9)), "right value is negative");
  ExpectError(cell_->SetHorizontalPadding(CanvasUnitValue::Pix(-9)), "left value is negative");
  ExpectError(cell_->SetVerticalPadding(CanvasUnitValue::Pix(9), CanvasUnitValue::Pix(-9)), "bottom value is negative");
  ExpectError(cell_->SetVerticalPadding(CanvasUnitValue::Pix(-9)), "top value is negative");
  ExpectError(cell_->SetLeftPadding(CanvasUnitValue::Pix(-1)), "left value is negative");
  ExpectError(cell_->SetRightPadding(CanvasUnitValue::Pix(-1)), "right value is negative");
  ExpectError(cell_->SetTopPadding(CanvasUnitValue::Pix(-1)), "top value is negative");
  ExpectError(cell_->SetBottomPadding(CanvasUnitValue::Pix(-1)), "bottom value is negative");
  ExpectPaddings(CanvasUnitValue::Pix(1), CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(3), CanvasUnitValue::Pix(4));
}

TEST_F(CellWidgetTest, PaddingSettersStoreTheirSidesInTheirOwnUnits) {
  ASSERT_TRUE(cell_->SetHorizontalPadding(CanvasUnitValue::Rem(1)).IsOk());
  ASSERT_TRUE(cell_->SetVerticalPadding(CanvasUnitValue::Fon(2), CanvasUnitValue::Pix(3)).IsOk());
  ExpectPaddings(CanvasUnitValue::Rem(1), CanvasUnitValue::Rem(1), CanvasUnitValue::Fon(2), CanvasUnitValue::Pix(3));
  ASSERT_TRUE(cell_->SetHorizontalPadding(CanvasUnitValue::Pix(4), CanvasUnitValue::Pix(5)).IsOk());
  ASSERT_TRUE(cell_->SetVerticalPadding(CanvasUnitValue::Pix(6)).IsOk());
  ExpectPaddings(CanvasUnitValue::Pix(4), CanvasUnitValue::Pix(5), CanvasUnitValue::Pix(6), CanvasUnitValue::Pix(6));
  ASSERT_TRUE(cell_->SetLeftPadding(CanvasUnitValue::Fon(7)).IsOk());
  ASSERT_TRUE(cell_->SetRightPadding(CanvasUnitValue::Fon(8)).IsOk());
  ASSERT_TRUE(cell_->SetTopPadding(CanvasUnitValue::Fon(9)).IsOk());
  ASSERT_TRUE(cell_->SetBottomPadding(CanvasUnitValue::Fon(10)).IsOk());
  ExpectPaddings(CanvasUnitValue::Fon(7), CanvasUnitValue::Fon(8), CanvasUnitValue::Fon(9), CanvasUnitValue::Fon(10));
}

TEST_F(CellWidgetTest, NegativeZeroHugeAndNaNPaddingsAreAcceptedNaNAsZero) {
  ASSERT_TRUE(cell_->SetLeftPadding(CanvasUnitValue::Pix(-0.0)).IsOk());
  EXPECT_TRUE(std::signbit(cell_->GetLeftPadding().value));
  ASSERT_TRUE(cell_->SetRightPadding(CanvasUnitValue::Pix(NAN)).IsOk());
  EXPECT_EQ(cell_->GetRightPadding(), CanvasUnitValue::Pix(0.0));
  ASSERT_TRUE(cell_->SetTopPadding(CanvasUnitValue::Rem(HUGE_VAL)).IsOk());
  EXPECT_EQ(cell_->GetTopPadding(), CanvasUnitValue::Rem(HUGE_VAL));
  AddContent(cell_, {10, 10});
  Update();  // an infinite padding makes an infinite cell, not a failure
  EXPECT_EQ(cell_->GetLocalPixSize().x, 10.0);
  EXPECT_TRUE(std::isinf(cell_->GetLocalPixSize().y));
}

TEST_F(CellWidgetTest, ACellMeasuresItsContentPlusPaddingsInPixels) {
  Ref<Leaf> leaf = AddContent(cell_, {40, 20});
  ASSERT_TRUE(cell_->SetPadding(CanvasUnitValue::Pix(10), CanvasUnitValue::Rem(1), CanvasUnitValue::Fon(11),
                                CanvasUnitValue::Pix(2)).IsOk());
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{10 + 40 + kRemBase, kRemBase + 20 + 2}));
  EXPECT_EQ(leaf->GetLocalPosition(), (Vector2d{10, kRemBase}));
  ASSERT_TRUE(cell_->SetRightPadding(CanvasUnitValue::Pix(0)).IsOk());
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize().x, 50.0) << "a padding change reaches the next layout";
}

TEST_F(CellWidgetTest, ACellWithoutContentKeepsItsSizeAndPlacesNothing) {
  ASSERT_TRUE(cell_->SetLocalSize(33.0, 44.0).IsOk());
  ASSERT_TRUE(cell_->SetPadding(CanvasUnitValue::Pix(5), CanvasUnitValue::Pix(5), CanvasUnitValue::Pix(5),
                                CanvasUnitValue::Pix(5)).IsOk());
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{33, 44}));
  EXPECT_TRUE(cell_->LayoutPass1().IsOk());
  EXPECT_TRUE(cell_->LayoutPass2().IsOk());
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{33, 44}));
}

TEST_F(CellWidgetTest, AlignmentPlacesContentInTheFreeSpaceMirroredInRightToLeft) {
  Ref<Leaf> leaf = AddContent(cell_, {40, 10});
  FixCellSize(cell_, {100, 50});
  ASSERT_TRUE(cell_->SetHorizontalPadding(CanvasUnitValue::Pix(10), CanvasUnitValue::Pix(20)).IsOk());
  struct Case {
    ALIGNMENT_MODE alignment;
    WIDGET_R2L_MODE r2l;
    Float x;
  };
  const Case cases[] = {{ALIGNMENT_MODE::MIN, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 10},
                        {ALIGNMENT_MODE::CENTER, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 25},
                        {ALIGNMENT_MODE::MAX, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 40},
                        {ALIGNMENT_MODE::MIN, WIDGET_R2L_MODE::RIGHT_TO_LEFT, 40},
                        {ALIGNMENT_MODE::CENTER, WIDGET_R2L_MODE::RIGHT_TO_LEFT, 25},
                        {ALIGNMENT_MODE::MAX, WIDGET_R2L_MODE::RIGHT_TO_LEFT, 10}};
  for (const Case& c : cases) {
    cell_->SetAlignment(c.alignment, kH);
    cell_->SetR2LMode(c.r2l);
    Update();
    EXPECT_EQ(leaf->GetLocalPosition().x, c.x) << static_cast<int>(c.alignment) << " r2l " << static_cast<int>(c.r2l);
  }
  cell_->SetAcceptR2LMode(false);
  cell_->SetAlignment(ALIGNMENT_MODE::MIN, kH);
  Update();
  EXPECT_EQ(leaf->GetLocalPosition().x, 10.0) << "a cell that does not accept right-to-left is not mirrored";
}

TEST_F(CellWidgetTest, VerticalAlignmentIsNeverMirrored) {
  Ref<Leaf> leaf = AddContent(cell_, {10, 20});
  FixCellSize(cell_, {50, 100});
  ASSERT_TRUE(cell_->SetVerticalPadding(CanvasUnitValue::Pix(10), CanvasUnitValue::Pix(20)).IsOk());
  cell_->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  const std::pair<ALIGNMENT_MODE, Float> cases[] = {
      {ALIGNMENT_MODE::MIN, 10}, {ALIGNMENT_MODE::CENTER, 35}, {ALIGNMENT_MODE::MAX, 60}};
  for (const auto& [alignment, y] : cases) {
    cell_->SetAlignment(alignment, kV);
    Update();
    EXPECT_EQ(leaf->GetLocalPosition().y, y);
  }
}

TEST_F(CellWidgetTest, ContentLargerThanTheCellIsPlacedWithNegativeFreeSpace) {
  Ref<Leaf> leaf = AddContent(cell_, {80, 10});
  FixCellSize(cell_, {50, 10});
  cell_->SetAlignment(ALIGNMENT_MODE::CENTER, kH);
  Update();
  EXPECT_EQ(leaf->GetLocalPosition().x, -15.0);
  EXPECT_EQ(leaf->GetLocalPixSize().x, 80.0);
}

TEST_F(CellWidgetTest, InheritingContentFillsTheRoomBetweenThePaddings) {
  Ref<Leaf> leaf = AddContent(cell_, {40, 10});
  leaf->SetInheritParentSize(true, kH);
  FixCellSize(cell_, {100, 30});
  ASSERT_TRUE(cell_->SetHorizontalPadding(CanvasUnitValue::Pix(10), CanvasUnitValue::Pix(20)).IsOk());
  for (ALIGNMENT_MODE alignment : {ALIGNMENT_MODE::MIN, ALIGNMENT_MODE::CENTER, ALIGNMENT_MODE::MAX}) {
    cell_->SetAlignment(alignment, kH);
    cell_->SetR2LMode(alignment == ALIGNMENT_MODE::MAX ? WIDGET_R2L_MODE::RIGHT_TO_LEFT : WIDGET_R2L_MODE::LEFT_TO_RIGHT);
    Update();
    EXPECT_EQ(leaf->GetLocalPosition().x, 10.0);
    EXPECT_EQ(leaf->GetLocalSize().width, CanvasUnitValue::Pix(70.0));
  }
  EXPECT_EQ(leaf->GetLocalPixSize().y, 10.0) << "the other direction is not inherited";
  ASSERT_TRUE(cell_->SetHorizontalPadding(CanvasUnitValue::Pix(60), CanvasUnitValue::Pix(60)).IsOk());
  Update();
  EXPECT_EQ(leaf->GetLocalSize().width, CanvasUnitValue::Fon(0.0)) << "paddings wider than the cell leave nothing";
}

TEST_F(CellWidgetTest, InheritedSizesKeepTheCellsUnitAndPaddingsConvertIntoIt) {
  Ref<Leaf> leaf = AddContent(cell_, {5, 5});
  leaf->SetInheritParentSize(true, kV);
  cell_->SetFixedSize(CanvasUnitValue::Rem(4), kV);
  cell_->SetSizeMode(WIDGET_SIZE::FIXED, kV);
  ASSERT_TRUE(cell_->SetVerticalPadding(CanvasUnitValue::Fon(11), CanvasUnitValue::Pix(kRemBase)).IsOk());
  Update();
  const CanvasUnitValue height = leaf->GetLocalSize().height;
  EXPECT_EQ(height.unit, CANVAS_UNIT::REM);
  EXPECT_DOUBLE_EQ(height.value, 2.0);
  EXPECT_EQ(leaf->GetLocalPosition().y, kRemBase);
}

TEST_F(CellWidgetTest, InfiniteContentIsNeitherMeasuredNorPlaced) {
  Ref<Leaf> leaf = AddContent(cell_, {500, 10});
  leaf->SetSizeMode(WIDGET_SIZE::INFINITE, kH);
  leaf->SetInheritParentSize(true, kH);
  leaf->SetLocalPosition({-123, 0});
  ASSERT_TRUE(cell_->SetLocalSize(60.0, 1.0).IsOk());
  ASSERT_TRUE(cell_->SetPadding(CanvasUnitValue::Pix(3), CanvasUnitValue::Pix(3), CanvasUnitValue::Pix(4),
                                CanvasUnitValue::Pix(4)).IsOk());
  cell_->SetAlignment(ALIGNMENT_MODE::CENTER, kH);
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{60, 18})) << "the cell's own width, the content's height";
  EXPECT_EQ(leaf->GetLocalPosition(), (Vector2d{-123, 4}));
  EXPECT_EQ(leaf->GetLocalPixSize().x, 500.0);
}

TEST_F(CellWidgetTest, OnlyTheFirstChildIsContent) {
  Ref<Leaf> first = AddContent(cell_, {10, 10});
  Ref<Leaf> second = AddContent(cell_, {90, 90});
  second->SetLocalPosition({7, 7});
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{10, 10}));
  EXPECT_EQ(second->GetLocalPosition(), (Vector2d{7, 7}));
}

TEST_F(CellWidgetTest, RemovingTheContentBetweenLayoutsLeavesTheCellAsItWas) {
  Ref<Leaf> leaf = AddContent(cell_, {30, 20});
  Update();
  leaf->Remove();
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{30, 20}));
  AddContent(cell_, {12, 8});
  Update();
  EXPECT_EQ(cell_->GetLocalPixSize(), (Vector2d{12, 8}));
}

TEST_F(CellWidgetTest, CopyingACellCopiesAlignmentStretchPreferredSizeAndPaddings) {
  cell_->SetAlignment(ALIGNMENT_MODE::CENTER, kH);
  cell_->SetAlignment(ALIGNMENT_MODE::MAX, kV);
  cell_->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kH);
  cell_->SetStretchMode(CELL_STRETCH_MODE::PREFERRED, kV);
  cell_->SetPreferredSize(2.5, kV);
  ASSERT_TRUE(cell_->SetPadding(CanvasUnitValue::Pix(1), CanvasUnitValue::Rem(2), CanvasUnitValue::Fon(3),
                                CanvasUnitValue::Pix(4)).IsOk());
  CellWidgetRef copy = NewCell();
  ASSERT_TRUE(copy->CopyFrom(*cell_).IsOk());
  EXPECT_EQ(copy->GetAlignment(kH), ALIGNMENT_MODE::CENTER);
  EXPECT_EQ(copy->GetAlignment(kV), ALIGNMENT_MODE::MAX);
  EXPECT_EQ(copy->GetStretchMode(kH), CELL_STRETCH_MODE::MAXIMUM);
  EXPECT_EQ(copy->GetStretchMode(kV), CELL_STRETCH_MODE::PREFERRED);
  EXPECT_EQ(copy->GetPreferredSize(kH), 1.0);
  EXPECT_EQ(copy->GetPreferredSize(kV), 2.5);
  EXPECT_EQ(copy->GetRightPadding(), CanvasUnitValue::Rem(2));
  EXPECT_EQ(copy->GetTopPadding(), CanvasUnitValue::Fon(3));
  auto notACell = MakeRef<Leaf>(Vector2d{1, 1});
  EXPECT_FALSE(copy->CopyFrom(*notACell).IsOk());
}

TEST_F(CellWidgetTest, GoldenPaddingsAndAlignments) {
  // Four cells side by side, each 70 x 50 with a grey area, showing where the content lands:
  // MIN/MIN with paddings, CENTER/CENTER, MAX/MAX, and MIN mirrored by right-to-left.
  cell_->Remove();
  struct Placement {
    ALIGNMENT_MODE h, v;
    WIDGET_R2L_MODE r2l;
    Vector2d position;
  };
  const Placement placements[] = {{ALIGNMENT_MODE::MIN, ALIGNMENT_MODE::MIN, WIDGET_R2L_MODE::LEFT_TO_RIGHT, {5, 5}},
                        {ALIGNMENT_MODE::CENTER, ALIGNMENT_MODE::CENTER, WIDGET_R2L_MODE::LEFT_TO_RIGHT, {85, 5}},
                        {ALIGNMENT_MODE::MAX, ALIGNMENT_MODE::MAX, WIDGET_R2L_MODE::LEFT_TO_RIGHT, {5, 65}},
                        {ALIGNMENT_MODE::MIN, ALIGNMENT_MODE::MIN, WIDGET_R2L_MODE::RIGHT_TO_LEFT, {85, 65}}};
  std::vector<CellWidgetRef> cells;
  for (const Placement& placement : placements) {
    CellWidgetRef cell = NewCell();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(cell).IsOk());
    FixCellSize(cell, {70, 50});
    cell->SetBackgroundVisibility(true);
    cell->SetBackgroundColor({0.35, 0.35, 0.4, 1.0});
    cell->SetLocalPosition(placement.position);
    cell->SetAlignment(placement.h, kH);
    cell->SetAlignment(placement.v, kV);
    cell->SetR2LMode(placement.r2l);
    ASSERT_TRUE(cell->SetPadding(CanvasUnitValue::Pix(4), CanvasUnitValue::Pix(12), CanvasUnitValue::Pix(6),
                                 CanvasUnitValue::Pix(10)).IsOk());
    AddContent(cell, {24, 16});
    cells.push_back(cell);
  }
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "cell_paddings_alignments");
}

}  // namespace
}  // namespace zarvo
