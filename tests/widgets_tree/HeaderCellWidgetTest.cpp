#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "host/ui/ScreenPixelReader.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/widgets_layout/HeaderCellGeometry.h"
#include "host/ui/WidgetBase.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Int kColumns = 3;
constexpr Int kRows = 2;
constexpr Float kColumnWidth = 90.0;

// A table whose first row is header cells of fixed widths, with a plain row of cells below.
class HeaderCellWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 320, 60});
    ASSERT_TRUE(window_);
    table_ = test::NewObject<TableWidgetInterface>(kTableWidgetClassId);
    ASSERT_TRUE(table_);
    ASSERT_TRUE(table_->CreateLayout().IsOk());
    for (Int x = 0; x < kColumns; ++x) {
      HeaderCellWidgetRef header = test::NewObject<HeaderCellWidgetInterface>(kHeaderCellWidgetClassId);
      ASSERT_TRUE(header);
      ASSERT_TRUE(header->CreateLayout().IsOk());
      header->SetAllowResizing(true);
      header->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
      header->SetFixedSize(CanvasUnitValue::Pix(kColumnWidth), WIDGET_DIRECTION::HORIZONTAL);
      ASSERT_TRUE(table_->InsertChildLast(header).IsOk());
      headers_.push_back(header);
    }
    ASSERT_TRUE(table_->Resize(kColumns, kRows).IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(table_).IsOk());
    table_->SetLocalPosition({10, 10});
    Update();
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  CellWidgetRef Cell(Int x, Int y) const {
    Result<CellWidgetRef> cell = table_->GetCell(x, y);
    EXPECT_TRUE(cell.IsOk());
    return cell.IsOk() ? *cell : CellWidgetRef();
  }
  // Just inside the right border of a column's header, halfway down.
  Vector2d RightBorderOf(Int x) const {
    const Rect frame = headers_[static_cast<size_t>(x)]->GetGlobalFrame();
    return {frame.right - 1.0, (frame.top + frame.bottom) / 2.0};
  }
  Vector2d LeftBorderOf(Int x) const {
    const Rect frame = headers_[static_cast<size_t>(x)]->GetGlobalFrame();
    return {frame.left + 1.0, (frame.top + frame.bottom) / 2.0};
  }
  Float ColumnWidth(Int x) const { return Cell(x, 1)->GetGlobalFrame().Width(); }
  const Id& Cursor() const { return window_->GetAppWidget()->GetCanvas()->GetCursor(); }

  // Press at `from`, drag by `dx`, and release unless told to stay.
  void DragBorder(Vector2d from, Float dx, bool release = true) {
    EventDriver driver(*window_);
    Result<bool> pressed = driver.Press(from);
    ASSERT_TRUE(pressed.IsOk()) << pressed.GetError().ToString();
    ASSERT_TRUE(*pressed);
    ASSERT_TRUE(window_->GetAppWidget()->IsActionRunning());
    ASSERT_TRUE(driver.Drag({from.x + dx / 2.0, from.y}).IsOk());
    ASSERT_TRUE(driver.Drag({from.x + dx, from.y}).IsOk());
    if (release) {
      ASSERT_TRUE(driver.Release({from.x + dx, from.y}).IsOk());
    }
  }

  Ref<AppWindow> window_;
  TableWidgetRef table_;
  std::vector<HeaderCellWidgetRef> headers_;
};

TEST_F(HeaderCellWidgetTest, ANewHeaderShowsItsTitleWithTheSymbolOnTheRight) {
  const HeaderCellWidgetRef& header = headers_[0];
  EXPECT_EQ(header->GetName(), "HeaderCellWidget");
  EXPECT_TRUE(header->GetBorderVisibility());
  EXPECT_TRUE(header->GetAcceptFocus());
  EXPECT_FALSE(header->GetInverse());
  EXPECT_EQ(header->GetSortMode(), HeaderCellWidgetInterface::SORT_MODE::ASCENDING);
  Result<TextWidgetRef> text = header->GetTextWidget();
  ASSERT_TRUE(text.IsOk());
  EXPECT_EQ((*text)->GetText(), "Header");
  auto* inner = dynamic_cast<TableWidgetInterface*>(header->GetFirstChildWidget());
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->GetCountX(), 2);
  EXPECT_EQ((*inner->GetCell(0, 0))->GetFirstChildWidget(), text->Get());
  EXPECT_NE(dynamic_cast<CheckboxWidgetInterface*>((*inner->GetCell(1, 0))->GetFirstChildWidget()), nullptr);
  EXPECT_LT((*text)->GetGlobalFrame().left,
            (*inner->GetCell(1, 0))->GetGlobalFrame().left) << "the symbol sits right of the title";
}

TEST_F(HeaderCellWidgetTest, InverseMovesTheSymbolLeftAtTheNextLayoutSwitch) {
  const HeaderCellWidgetRef& header = headers_[1];
  ASSERT_TRUE(header->SetInverse(true).IsOk());
  Update();
  auto* inner = dynamic_cast<TableWidgetInterface*>(header->GetFirstChildWidget());
  ASSERT_NE(inner, nullptr);
  EXPECT_NE(dynamic_cast<CheckboxWidgetInterface*>((*inner->GetCell(0, 0))->GetFirstChildWidget()), nullptr);
  Result<TextWidgetRef> text = header->GetTextWidget();
  ASSERT_TRUE(text.IsOk());
  EXPECT_EQ((*inner->GetCell(1, 0))->GetFirstChildWidget(), text->Get());
  ASSERT_TRUE(header->SetInverse(false).IsOk());
  Update();
  EXPECT_EQ((*inner->GetCell(0, 0))->GetFirstChildWidget(), text->Get()) << "and back";
}

TEST_F(HeaderCellWidgetTest, TheSortSymbolVisibilityIsAlwaysFalse) {
  ASSERT_TRUE(headers_[0]->SetSortSymbolVisibility(true).IsOk());
  Result<Bool> visible = headers_[0]->GetSortSymbolVisibility();
  ASSERT_TRUE(visible.IsOk());
  EXPECT_FALSE(*visible);
  ASSERT_TRUE(headers_[0]->SetSortMode(HeaderCellWidgetInterface::SORT_MODE::DESCENDING).IsOk());
  EXPECT_EQ(headers_[0]->GetSortMode(), HeaderCellWidgetInterface::SORT_MODE::DESCENDING);
}

TEST_F(HeaderCellWidgetTest, DraggingTheRightBorderWidensEveryCellOfTheColumn) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Move(RightBorderOf(0)).IsOk());
  EXPECT_EQ(Cursor(), SystemCursor::SizeWE());
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*headers_[0])).IsOk());
  EXPECT_EQ(Cursor(), SystemCursor::Normal()) << "off the border the cursor is back";
  ASSERT_TRUE(driver.Move(RightBorderOf(0)).IsOk());
  EXPECT_EQ(Cursor(), SystemCursor::SizeWE());
  DragBorder(RightBorderOf(0), 25.0);
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
  for (Int y = 0; y < kRows; ++y) {
    EXPECT_EQ(Cell(0, y)->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), WIDGET_SIZE::FIXED);
    EXPECT_EQ(Cell(0, y)->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL), CanvasUnitValue::Pix(kColumnWidth + 25.0));
  }
  EXPECT_DOUBLE_EQ(ColumnWidth(0), kColumnWidth + 25.0);
  EXPECT_DOUBLE_EQ(ColumnWidth(1), kColumnWidth) << "the other columns keep their widths";
  EXPECT_DOUBLE_EQ(headers_[1]->GetGlobalFrame().left, headers_[0]->GetGlobalFrame().right);
}

TEST_F(HeaderCellWidgetTest, TheLeftBorderResizesTheColumnBefore) {
  const WIDGET_SIZE untouchedMode = Cell(2, 1)->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL);
  DragBorder(LeftBorderOf(2), -20.0);
  EXPECT_DOUBLE_EQ(ColumnWidth(1), kColumnWidth - 20.0);
  EXPECT_DOUBLE_EQ(ColumnWidth(2), kColumnWidth);
  EXPECT_EQ(Cell(2, 1)->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), untouchedMode) << "untouched";
}

TEST_F(HeaderCellWidgetTest, AColumnIsNeverDraggedNarrowerThanTheMinimum) {
  headers_[0]->SetFixedSize(CanvasUnitValue::Pix(35.0), WIDGET_DIRECTION::HORIZONTAL);
  Update();
  ASSERT_DOUBLE_EQ(ColumnWidth(0), 35.0);
  DragBorder(RightBorderOf(0), -30.0);
  EXPECT_DOUBLE_EQ(ColumnWidth(0), kMinimumResizedColumnWidth) << "10, not 5";
}

TEST_F(HeaderCellWidgetTest, EscapeRestoresTheColumnAsItWas) {
  const WIDGET_SIZE plainMode = Cell(1, 1)->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL);
  const CanvasUnitValue plainFixed = Cell(1, 1)->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL);
  DragBorder(RightBorderOf(1), 40.0, /*release=*/false);
  Update();
  ASSERT_DOUBLE_EQ(ColumnWidth(1), kColumnWidth + 40.0) << "the column follows the drag live";
  EventDriver driver(*window_);
  Result<bool> escaped = driver.KeyDown(KEY::ESCAPE);
  ASSERT_TRUE(escaped.IsOk()) << escaped.GetError().ToString();
  EXPECT_TRUE(*escaped);
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
  EXPECT_EQ(headers_[1]->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), WIDGET_SIZE::FIXED);
  EXPECT_EQ(headers_[1]->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL), CanvasUnitValue::Pix(kColumnWidth));
  EXPECT_EQ(Cell(1, 1)->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), plainMode);
  EXPECT_EQ(Cell(1, 1)->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL), plainFixed);
  Update();
  EXPECT_DOUBLE_EQ(ColumnWidth(1), kColumnWidth);
}

TEST_F(HeaderCellWidgetTest, CancellingAfterTheRowsChangedIsAnError) {
  DragBorder(RightBorderOf(0), 10.0, /*release=*/false);
  ASSERT_TRUE(table_->AppendY().IsOk());
  EventDriver driver(*window_);
  Result<bool> escaped = driver.KeyDown(KEY::ESCAPE);
  ASSERT_FALSE(escaped.IsOk());
  EXPECT_EQ(escaped.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(escaped.GetError().GetMessage(), "Stored cell data array has wrong size");
}

TEST_F(HeaderCellWidgetTest, TheFirstColumnsLeftBorderAndTheBodyStartNoResize) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Move(LeftBorderOf(0)).IsOk());
  EXPECT_NE(Cursor(), SystemCursor::SizeWE());
  for (Vector2d position : {LeftBorderOf(0), EventDriver::CenterOf(*headers_[1]->GetFirstChildWidget()->GetFirstChildWidget())}) {
    Result<bool> pressed = driver.Press(position);
    ASSERT_TRUE(pressed.IsOk()) << pressed.GetError().ToString();
    EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
    ASSERT_TRUE(driver.Release(position).IsOk());
  }
}

TEST_F(HeaderCellWidgetTest, WithoutResizingNoBorderIsHitAndNoCursorShows) {
  for (const HeaderCellWidgetRef& header : headers_) header->SetAllowResizing(false);
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Move(RightBorderOf(0)).IsOk());
  EXPECT_NE(Cursor(), SystemCursor::SizeWE());
  ASSERT_TRUE(driver.Press(RightBorderOf(0)).IsOk());
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
}

TEST_F(HeaderCellWidgetTest, ABorderPressOutsideATableIsAnError) {
  HeaderCellWidgetRef lone = test::NewObject<HeaderCellWidgetInterface>(kHeaderCellWidgetClassId);
  ASSERT_TRUE(lone->CreateLayout().IsOk());
  lone->SetAllowResizing(true);
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(lone).IsOk());
  lone->SetLocalPosition({100, 40});
  ASSERT_TRUE(lone->SetLocalSize(60.0, 18.0).IsOk());
  Update();
  const Rect frame = lone->GetGlobalFrame();
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, {frame.right - 1.0, frame.top + 5.0}, BUTTON::LEFT);
  Result<bool> handled = lone->HandleEvent(&press);
  ASSERT_FALSE(handled.IsOk());
  EXPECT_EQ(handled.GetError().GetMessage(), "No parent table");
}

// Takes dropped columns and remembers their indices.
class ColumnDropTarget final : public WidgetBase {
 public:
  bool GetAcceptDragAndDrop() const override { return true; }
  Result<bool> HandleDragAndDrop(const DataDictionary& event) override {
    ZV_TRY_ASSIGN(EVENT type, EventReader(&event).GetType());
    if (type != EVENT::DND_DROP) return true;
    ZV_TRY_ASSIGN(Int column, event.GetRequired<Int>(Id(kHeaderCellDragAndDropKey)));
    dropped_.push_back(column);
    return true;
  }
  std::vector<Int> dropped_;
};

class HeaderCellDragTest : public HeaderCellWidgetTest {
 protected:
  void SetUp() override {
    HeaderCellWidgetTest::SetUp();
    for (const HeaderCellWidgetRef& header : headers_) header->SetAllowRearranging(true);
    target_ = MakeRef<ColumnDropTarget>();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(target_).IsOk());
    target_->SetLocalPosition({10, 45});
    ASSERT_TRUE(target_->SetLocalSize(200.0, 15.0).IsOk());
    Update();
  }
  Vector2d BodyOf(Int x) const { return EventDriver::CenterOf(*headers_[static_cast<size_t>(x)]); }

  Ref<ColumnDropTarget> target_;
};

TEST_F(HeaderCellDragTest, DraggingTheBodyDropsTheColumnIndexOnTheTarget) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(BodyOf(1)));
  ASSERT_TRUE(window_->GetAppWidget()->IsActionRunning());
  ASSERT_TRUE(driver.Drag({100, 50}).IsOk());
  EXPECT_EQ(Cursor(), SystemCursor::DragMove());
  ASSERT_TRUE(driver.Drag({300, 5}).IsOk());
  EXPECT_EQ(Cursor(), SystemCursor::Forbidden()) << "nothing takes a column there";
  ASSERT_TRUE(driver.Drag({60, 52}).IsOk());
  ASSERT_TRUE(driver.Release({60, 52}).IsOk());
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
  EXPECT_EQ(target_->dropped_, (std::vector<Int>{1}));
  EXPECT_EQ(Cursor(), SystemCursor::Normal());
  EXPECT_DOUBLE_EQ(ColumnWidth(1), kColumnWidth) << "a drag resizes nothing";
}

TEST_F(HeaderCellDragTest, EscapeCancelsTheDragWithoutADrop) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(LeftBorderOf(0))) << "the first column's left border drags the column";
  ASSERT_TRUE(driver.Drag({100, 50}).IsOk());
  ASSERT_TRUE(*driver.KeyDown(KEY::ESCAPE));
  EXPECT_EQ(Cursor(), SystemCursor::Normal());
  ASSERT_TRUE(driver.Release({100, 50}).IsOk());
  EXPECT_TRUE(target_->dropped_.empty());
}

TEST_F(HeaderCellDragTest, TheColumnsGhostFollowsThePointerWhileTheDragRuns) {
  const Vector2d away{300, 5};  // beside the table, on the window's background
  auto shownAt = [&](Vector2d p) {
    Result<ColorA> pixel = ReadSurfacePixel(window_->GetHostCanvas()->GetOsWindow()->GetSurface(),
                                            static_cast<Int>(p.x), static_cast<Int>(p.y));
    EXPECT_TRUE(pixel.IsOk());
    return pixel.IsOk() ? *pixel : ColorA{};
  };
  const ColorA background = shownAt(away);
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(BodyOf(1)));
  ASSERT_TRUE(driver.Drag(away).IsOk());
  Update();
  const ColorA ghost = shownAt(away);
  EXPECT_NE(ghost, background) << "the ghost lies under the pointer";
  EXPECT_EQ(shownAt({away.x - 60.0, away.y}), background) << "and is no wider than the column";
  ASSERT_TRUE(driver.Release(away).IsOk());
  Update();
  EXPECT_EQ(shownAt(away), background) << "the ghost goes with the drag";
}

TEST_F(HeaderCellDragTest, AOneColumnTableStartsNoDrag) {
  ASSERT_TRUE(table_->DeleteColumn(2).IsOk());
  ASSERT_TRUE(table_->DeleteColumn(1).IsOk());
  Update();
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, BodyOf(0), BUTTON::LEFT);
  Result<bool> handled = headers_[0]->HandleEvent(&press);
  ASSERT_TRUE(handled.IsOk()) << handled.GetError().ToString();
  EXPECT_FALSE(*handled);
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
}

// The hit test and the width rule on their own.
TEST_F(HeaderCellWidgetTest, BorderHitsFollowTheToleranceAndPreferTheLeftBorder) {
  const CanvasInterface& canvas = *window_->GetAppWidget()->GetCanvas();
  const Rect frame{10, 10, 70, 30};
  EXPECT_EQ(HitHeaderBorder(canvas, frame, {11.5, 20}, 2.0), BORDER_HIT::LEFT);
  EXPECT_EQ(HitHeaderBorder(canvas, frame, {68.5, 20}, 2.0), BORDER_HIT::RIGHT);
  EXPECT_EQ(HitHeaderBorder(canvas, frame, {73.0, 20}, 2.0), BORDER_HIT::NONE) << "beyond the tolerance";
  EXPECT_EQ(HitHeaderBorder(canvas, frame, {40.0, 20}, 2.0), BORDER_HIT::NONE);
  EXPECT_EQ(HitHeaderBorder(canvas, Rect{10, 10, 12, 30}, {11.0, 20}, 2.0), BORDER_HIT::LEFT) << "both: left";
  EXPECT_EQ(HitHeaderBorder(canvas, Rect{10, 10, 70, 11}, {10.0, 10.5}, 2.0), BORDER_HIT::NONE) << "too short";
  EXPECT_DOUBLE_EQ(ResizedColumnWidth(35.0, -30.0), 10.0);
  EXPECT_DOUBLE_EQ(ResizedColumnWidth(35.0, 15.0), 50.0);
}

TEST_F(HeaderCellWidgetTest, AHeaderRowLooksRight) {
  ASSERT_TRUE(headers_[2]->SetInverse(true).IsOk());
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "headercell_row");
}

}  // namespace
}  // namespace zarvo
