#include <gtest/gtest.h>

#include "tests/support/TestWidgets.h"

#include <cmath>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/ui/AppWindow.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;
constexpr TABLE_MODE kFit = TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE;

// Content of a fixed natural size and colour; counts how often the host looks at it, which is
// how often drawing and hit testing visited its cell.
class Leaf final : public WidgetBase {
 public:
  explicit Leaf(Vector2d size, ColorA color = {0.9, 0.5, 0.1, 1.0}) : size_(size) {
    SetBackgroundVisibility(true);
    SetBackgroundColor(color);
  }
  Result<void> LayoutPass1() override { return SetLocalSize(size_.x, size_.y); }
  bool GetLocalVisibility() const override {
    ++looks_;
    return WidgetBase::GetLocalVisibility();
  }
  void SetSize(Vector2d size) {
    size_ = size;
    RequestLayout();
  }
  static int looks_;

 private:
  Vector2d size_;
};
int Leaf::looks_ = 0;

class TableWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 300, 200});
    ASSERT_TRUE(window_);
    table_ = NewTable();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(table_).IsOk());
  }

  static TableWidgetRef NewTable() { return test::NewObject<TableWidgetInterface>(kTableWidgetClassId); }

  CellWidgetRef Cell(Int x, Int y) const {
    Result<CellWidgetRef> cell = table_->GetCell(x, y);
    EXPECT_TRUE(cell.IsOk()) << x << "," << y << ": " << cell.GetError().ToString();
    return cell.IsOk() ? *cell : CellWidgetRef();
  }

  Ref<Leaf> Put(Int x, Int y, Vector2d size, ColorA color = {0.9, 0.5, 0.1, 1.0}) {
    Ref<Leaf> leaf = MakeRef<Leaf>(size, color);
    EXPECT_TRUE(Cell(x, y)->InsertChildLast(leaf).IsOk());
    return leaf;
  }

  // Fills a table with leaves of `size`.
  void Fill(Vector2d size) {
    for (Int y = 0; y < table_->GetCountY(); ++y) {
      for (Int x = 0; x < table_->GetCountX(); ++x) Put(x, y, size);
    }
  }

  std::vector<CellWidgetRef> Children() const {
    std::vector<CellWidgetRef> out;
    for (WidgetInterface* c = table_->GetFirstChildWidget(); c; c = c->GetNextWidget()) {
      out.push_back(Cast<CellWidgetInterface>(WidgetRef(c)));
    }
    return out;
  }

  std::vector<CellWidgetRef> MapOrder() const {
    std::vector<CellWidgetRef> out;
    for (Int y = 0; y < table_->GetCountY(); ++y) {
      for (Int x = 0; x < table_->GetCountX(); ++x) out.push_back(Cell(x, y));
    }
    return out;
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  static void ExpectState(const Result<void>& result, const char* message) {
    ASSERT_FALSE(result.IsOk()) << "expected: " << message;
    EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalState);
    EXPECT_EQ(result.GetError().GetMessage(), message);
  }
  template <class T>
  static void ExpectState(const Result<T>& result, const char* message) {
    ASSERT_FALSE(result.IsOk()) << "expected: " << message;
    EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalState);
    EXPECT_EQ(result.GetError().GetMessage(), message);
  }

  // How many children the table hands to a visitor for a local area.
  int Visits(const Rect& area) {
    int visits = 0;
    table_->GetBase()->VisitChildrenIn(area, true, [&](WidgetInterface*) {
      ++visits;
      return true;
    });
    return visits;
  }

  Ref<AppWindow> window_;
  TableWidgetRef table_;
};

// ---- the grid -----------------------------------------------------------------------------

TEST_F(TableWidgetTest, ResizeCreatesCellsAssignedRowByRow) {
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  EXPECT_EQ(table_->GetCountX(), 3);
  EXPECT_EQ(table_->GetCountY(), 2);
  const std::vector<CellWidgetRef> children = Children();
  ASSERT_EQ(children.size(), 6u);
  EXPECT_EQ(Cell(2, 1), children[5]);
  EXPECT_EQ(*table_->GetCell(4), Cell(1, 1));
  EXPECT_EQ(*table_->GetX(children[4]), 1);
  EXPECT_EQ(*table_->GetY(children[4]), 1);
  EXPECT_EQ(children[0]->GetName(), "CellWidget") << "cells are made with their layout";
  EXPECT_FALSE(children[0]->GetBorderVisibility());
  Update();
  EXPECT_EQ(table_->GetName(), "TableWidget");
  EXPECT_FALSE(table_->GetAcceptTabFocus());
}

TEST_F(TableWidgetTest, AppendGrowsByOneColumnOrRowAndAtLeastOneOfTheOther) {
  ASSERT_TRUE(table_->AppendX().IsOk());
  EXPECT_EQ(table_->GetCountX(), 1);
  EXPECT_EQ(table_->GetCountY(), 1);
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  ASSERT_TRUE(table_->AppendY().IsOk());
  EXPECT_EQ(table_->GetCountX(), 3);
  EXPECT_EQ(table_->GetCountY(), 3);
  EXPECT_EQ(Children().size(), 9u);
  ASSERT_TRUE(table_->Resize(0, 0).IsOk());
  ASSERT_TRUE(table_->AppendY().IsOk());
  EXPECT_EQ(table_->GetCountX(), 1);
  EXPECT_EQ(table_->GetCountY(), 1);
}

TEST_F(TableWidgetTest, ResizeDoesNotReflowTheGrid) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  const std::vector<CellWidgetRef> before = Children();
  ASSERT_TRUE(table_->Resize(4, 1).IsOk());
  EXPECT_EQ(Children(), before);
  EXPECT_EQ(Cell(2, 0), before[2]);
  ASSERT_TRUE(table_->Resize(3, 1).IsOk());
  EXPECT_EQ(Children().size(), 3u) << "the last child goes";
  EXPECT_EQ(Cell(2, 0), before[2]);
}

TEST_F(TableWidgetTest, ResizeToZeroEmptiesTheTableButKeepsItsChildren) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  ASSERT_TRUE(table_->Resize(0, 5).IsOk());
  EXPECT_EQ(table_->GetCountX(), 0);
  EXPECT_EQ(table_->GetCountY(), 0);
  EXPECT_EQ(Children().size(), 4u);
  ExpectState(table_->GetCell(0, 0), "Invalid table hierarchy.");
  ASSERT_TRUE(table_->UpdateInternalCellMap().IsOk());
  EXPECT_EQ(*table_->GetCell(3), Children()[3]) << "without columns every child stands in row 0";
  EXPECT_EQ(*table_->GetCell(3, 0), Children()[3]);
  ExpectState(table_->GetCell(0, 1), "Invalid table hierarchy.");
  ASSERT_TRUE(table_->Resize(1, 1).IsOk());
  EXPECT_EQ(Children().size(), 5u) << "growth counts from the stored size, not from the children";
}

TEST_F(TableWidgetTest, BadSizesFailAndLeaveTheTableEmpty) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Result<void> negative = table_->Resize(-1, 3);
  ASSERT_FALSE(negative.IsOk());
  EXPECT_EQ(negative.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(table_->GetCountX(), 0);
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Result<void> huge = table_->Resize(Int{1} << 40, Int{1} << 40);
  ASSERT_FALSE(huge.IsOk());
  EXPECT_EQ(huge.GetError().GetKind(), ErrorKind::kOutOfMemory);
  EXPECT_EQ(table_->GetCountX(), 0);
  EXPECT_EQ(table_->GetCountY(), 0);
  EXPECT_EQ(Children().size(), 8u) << "the cells of the first grid stayed, the second grew from nothing";
}

TEST_F(TableWidgetTest, PositionsOutsideTheMapAreInvalid) {
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  for (auto [x, y] : {std::pair<Int, Int>{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {Int{1} << 62, 1}}) {
    ExpectState(table_->GetCell(x, y), "Invalid table hierarchy.");
  }
  ExpectState(table_->GetCell(-1), "Invalid table hierarchy.");
  ExpectState(table_->GetCell(6), "Invalid table hierarchy.");
  CellWidgetRef stranger = *CreateObject<CellWidgetInterface>(Id(kCellWidgetClassId));
  ExpectState(table_->GetX(stranger), "Element not found");
  ExpectState(table_->GetY(CellWidgetRef()), "Element not found");
}

TEST_F(TableWidgetTest, AChildThatIsNotACellHasAnEmptyEntry) {
  ASSERT_TRUE(table_->Resize(2, 1).IsOk());
  ASSERT_TRUE(table_->InsertChildFirst(MakeRef<Leaf>(Vector2d{5, 5})).IsOk());
  ASSERT_TRUE(table_->UpdateInternalCellMap().IsOk());
  Result<CellWidgetRef> entry = table_->GetCell(0, 0);
  ASSERT_TRUE(entry.IsOk());
  EXPECT_FALSE(*entry);
  EXPECT_TRUE(*table_->GetCell(0, 1)) << "the third child stands beyond the grid";
  Update();
}

TEST_F(TableWidgetTest, ShowCellsConfiguresTheBordersOfNewCells) {
  ConfigVariableBase* showCells = ConfigDatabase::Get().Find("g_mvp_show_cells");
  ASSERT_NE(showCells, nullptr);
  EXPECT_EQ(showCells->GetDescription(), "Show the cell boundaries.");
  ConfigVariableBase* hover = ConfigDatabase::Get().Find("g_mvp_mouse_hover_highlighting");
  ASSERT_NE(hover, nullptr);
  EXPECT_EQ(hover->GetDescription(), "Highlight the widget area when hoovering.");
  EXPECT_EQ(hover->GetValueText(), "false");
  ASSERT_TRUE(ConfigDatabase::Get().SetValue("g_mvp_show_cells", "true").IsOk());
  ASSERT_TRUE(table_->Resize(1, 1).IsOk());
  ASSERT_TRUE(table_->InsertColumnAfterX(0).IsOk());
  showCells->ResetToDefault();
  EXPECT_TRUE(Cell(0, 0)->GetBorderVisibility());
  EXPECT_TRUE(Cell(1, 0)->GetBorderVisibility());
}

// ---- inserting, deleting and moving ------------------------------------------------------------

TEST_F(TableWidgetTest, InsertingAColumnPutsANewCellIntoEveryRow) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  const std::vector<CellWidgetRef> old = MapOrder();
  ASSERT_TRUE(table_->InsertColumnBeforeX(1).IsOk());
  EXPECT_EQ(table_->GetCountX(), 3);
  std::vector<CellWidgetRef> now = MapOrder();
  EXPECT_EQ(now[0], old[0]);
  EXPECT_EQ(now[2], old[1]);
  EXPECT_EQ(now[3], old[2]);
  EXPECT_EQ(now[5], old[3]);
  EXPECT_TRUE(now[1] && now[4]);
  ASSERT_TRUE(table_->InsertColumnAfterX(2).IsOk());
  now = MapOrder();
  EXPECT_EQ(table_->GetCountX(), 4);
  EXPECT_EQ(now[2], old[1]);
  EXPECT_EQ(now[6], old[3]);
  EXPECT_EQ(Children().size(), 8u);
}

TEST_F(TableWidgetTest, InsertingARowPutsARowOfNewCellsBeforeOrAfterIt) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  const std::vector<CellWidgetRef> old = MapOrder();
  ASSERT_TRUE(table_->InsertRowAfterY(0).IsOk());
  ASSERT_TRUE(table_->InsertRowBeforeY(0).IsOk());
  EXPECT_EQ(table_->GetCountY(), 4);
  const std::vector<CellWidgetRef> now = MapOrder();
  EXPECT_EQ(now[2], old[0]);
  EXPECT_EQ(now[3], old[1]);
  EXPECT_EQ(now[6], old[2]);
  EXPECT_EQ(now[7], old[3]);
}

TEST_F(TableWidgetTest, InsertsAndDeletesOutsideTheGridFail) {
  ExpectState(table_->InsertColumnBeforeX(0), "Specified column not existing.");
  ExpectState(table_->InsertRowAfterY(0), "Specified row not existing.");
  ExpectState(table_->DeleteColumn(0), "Specified column not existing.");
  ExpectState(table_->DeleteRow(0), "Specified row not existing.");
  ASSERT_TRUE(table_->Resize(2, 3).IsOk());
  for (Int bad : {Int{-1}, Int{2}}) {
    ExpectState(table_->InsertColumnBeforeX(bad), "Specified column not existing.");
    ExpectState(table_->InsertColumnAfterX(bad), "Specified column not existing.");
    ExpectState(table_->DeleteColumn(bad), "Specified column not existing.");
  }
  for (Int bad : {Int{-1}, Int{3}}) {
    ExpectState(table_->InsertRowBeforeY(bad), "Specified row not existing.");
    ExpectState(table_->InsertRowAfterY(bad), "Specified row not existing.");
    ExpectState(table_->DeleteRow(bad), "Specified row not existing.");
  }
  EXPECT_EQ(Children().size(), 6u);
}

TEST_F(TableWidgetTest, AGridWithMissingCellsIsAnInvalidHierarchy) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Children()[3]->Remove();
  EXPECT_TRUE(table_->GetCell(1, 1).IsOk()) << "the map is not rebuilt behind the table's back";
  ASSERT_TRUE(table_->UpdateInternalCellMap().IsOk());
  ExpectState(table_->GetCell(1, 1), "Invalid table hierarchy.");
  ExpectState(table_->InsertColumnAfterX(1), "Invalid table hierarchy.");
  ExpectState(table_->InsertRowAfterY(1), "Invalid table hierarchy.");
  ExpectState(table_->DeleteColumn(1), "Invalid table hierarchy.");
  ExpectState(table_->MoveColumns(1, 1, -1), "Invalid table hierarchy.");
  ExpectState(table_->MoveRows(1, 1, -1), "Invalid table hierarchy.");
  EXPECT_EQ(Children().size(), 3u) << "a failed edit changes nothing";
  ExpectState(window_->Update(), "Invalid table hierarchy.");
  ASSERT_TRUE(table_->InsertChildLast(*CreateObject<CellWidgetInterface>(Id(kCellWidgetClassId))).IsOk());
  ASSERT_TRUE(table_->UpdateInternalCellMap().IsOk());
  Update();
}

TEST_F(TableWidgetTest, DeletingAColumnOrRowRemovesItsCells) {
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  const std::vector<CellWidgetRef> old = MapOrder();
  ASSERT_TRUE(table_->DeleteColumn(1).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{old[0], old[2], old[3], old[5]}));
  ASSERT_TRUE(table_->DeleteRow(0).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{old[3], old[5]}));
  EXPECT_EQ(Children().size(), 2u);
  EXPECT_EQ(old[1]->GetParent(), nullptr);
}

TEST_F(TableWidgetTest, MovingColumnsChecksInOrder) {
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  const std::vector<CellWidgetRef> old = MapOrder();
  ExpectState(table_->MoveColumns(0, 0, -1), "Cannot insert column after myself");
  ExpectState(table_->MoveColumns(2, 1, 0), "Illegal end column.");
  ExpectState(table_->MoveColumns(3, 1, 9), "Specified column not existing.");
  ExpectState(table_->MoveColumns(0, 3, 9), "Specified column not existing.");
  ExpectState(table_->MoveColumns(-1, 0, 1), "Specified column not existing.");
  ExpectState(table_->MoveColumns(2, 1, 9), "Illegal end column.");
  ExpectState(table_->MoveColumns(0, 1, 3), "Specified insertAfterColumn not existing.");
  ExpectState(table_->MoveColumns(0, 1, -2), "Specified insertAfterColumn not existing.");
  ExpectState(table_->MoveColumns(1, 1, 1), "Cannot insert column after myself");
  ExpectState(table_->MoveColumns(1, 2, 1), "Cannot insert column after myself");
  EXPECT_EQ(MapOrder(), old);
  Result<void> noColumns = NewTable()->MoveColumns(0, 0, 0);
  ExpectState(noColumns, "Specified column not existing.");
}

TEST_F(TableWidgetTest, MovingColumnsReordersEveryRow) {
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  const std::vector<CellWidgetRef> o = MapOrder();
  ASSERT_TRUE(table_->MoveColumns(0, 0, 2).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{o[1], o[2], o[0], o[4], o[5], o[3]}));
  ASSERT_TRUE(table_->MoveColumns(1, 2, -1).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{o[2], o[0], o[1], o[5], o[3], o[4]}));
  ASSERT_TRUE(table_->MoveColumns(1, 1, 0).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{o[2], o[0], o[1], o[5], o[3], o[4]}))
      << "behind its left neighbour a column stays";
  ASSERT_TRUE(table_->MoveColumns(0, 2, 1).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{o[2], o[0], o[1], o[5], o[3], o[4]}))
      << "behind a column of the moved block nothing moves";
}

TEST_F(TableWidgetTest, MovingRowsMovesWholeRows) {
  ASSERT_TRUE(table_->Resize(2, 3).IsOk());
  const std::vector<CellWidgetRef> o = MapOrder();
  ExpectState(table_->MoveRows(0, 0, -1), "Cannot insert row after myself");
  ExpectState(table_->MoveRows(2, 1, 0), "Illegal end row.");
  ExpectState(table_->MoveRows(0, 3, 0), "Specified row not existing.");
  ExpectState(table_->MoveRows(0, 0, 3), "Specified insertAfterRow not existing.");
  ExpectState(table_->MoveRows(2, 2, 2), "Cannot insert row after myself");
  ASSERT_TRUE(table_->MoveRows(0, 0, 2).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{o[2], o[3], o[4], o[5], o[0], o[1]}));
  ASSERT_TRUE(table_->MoveRows(1, 2, -1).IsOk());
  EXPECT_EQ(MapOrder(), (std::vector<CellWidgetRef>{o[4], o[5], o[0], o[1], o[2], o[3]}));
}

// ---- measuring and layout --------------------------------------------------------------------

TEST_F(TableWidgetTest, ColumnsTakeTheirWidestCellHeldByTheCellsLimits) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Ref<Leaf> a = Put(0, 0, {40, 10});
  Put(0, 1, {60, 15});
  Put(1, 0, {20, 30});
  Put(1, 1, {25, 5});
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{60 + 25, 30 + 15}));
  EXPECT_EQ(Cell(0, 0)->GetLocalPixSize(), (Vector2d{60, 30}));
  EXPECT_EQ(Cell(1, 1)->GetLocalPixSize(), (Vector2d{25, 15}));
  EXPECT_EQ(Cell(1, 1)->GetLocalPosition(), (Vector2d{60, 30}));
  EXPECT_EQ(a->GetLocalPosition(), (Vector2d{0, 0}));
  CellWidgetRef capped = Cell(0, 0);
  capped->SetMaxSize(CanvasUnitValue::Pix(50), kH);
  capped->SetSizeMode(WIDGET_SIZE::MAX, kH);
  Update();
  EXPECT_EQ(Cell(0, 1)->GetLocalPixSize().x, 50.0);
  EXPECT_EQ(table_->GetLocalPixSize().x, 75.0);
  EXPECT_EQ(capped->GetSizeMode(kH), WIDGET_SIZE::MAX) << "the cell's mode is restored after sizing";
  CellWidgetRef raised = Cell(1, 1);
  raised->SetMinSize(CanvasUnitValue::Rem(4), kV);
  raised->SetSizeMode(WIDGET_SIZE::MIN, kV);
  Update();
  EXPECT_EQ(Cell(0, 1)->GetLocalPixSize().y, 52.0) << "a minimum of 4 REM";
}

TEST_F(TableWidgetTest, SizingCellsWithLimitsLeavesNothingToLayOutAgain) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Fill({10, 10});
  CellWidgetRef limited = Cell(0, 0);
  limited->SetMinSize(CanvasUnitValue::Pix(30), kH);
  limited->SetSizeMode(WIDGET_SIZE::MIN, kH);
  limited->SetMaxSize(CanvasUnitValue::Pix(5), kV);
  limited->SetSizeMode(WIDGET_SIZE::MIN_MAX, kV);
  Update();
  EXPECT_EQ(limited->GetLocalPixSize(), (Vector2d{30, 5}));
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize(), (Vector2d{10, 5})) << "the row takes the maximum of one of its cells";
  EXPECT_EQ(limited->GetSizeMode(kV), WIDGET_SIZE::MIN_MAX);
  const uint32_t dirty = WidgetBase::kLayoutDirty | WidgetBase::kDescendantDirty;
  EXPECT_FALSE(window_->GetHostAppWidget()->Has(dirty));
  EXPECT_FALSE(table_->GetBase()->Has(dirty));
  for (const CellWidgetRef& cell : Children()) EXPECT_FALSE(cell->GetBase()->Has(dirty));
}

TEST_F(TableWidgetTest, EnlargingSharesTheRoomByWeight) {
  table_->SetTableMode(TABLE_MODE::ENLARGE, kH);
  ASSERT_TRUE(table_->Resize(3, 1).IsOk());
  Put(0, 0, {100, 10});
  Put(1, 0, {20, 10});
  Put(2, 0, {20, 10});
  for (auto [x, weight] : {std::pair<Int, Float>{1, 1.0}, {2, 3.0}}) {
    Cell(x, 0)->SetStretchMode(CELL_STRETCH_MODE::PREFERRED, kH);
    Cell(x, 0)->SetPreferredSize(weight, kH);
  }
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{300, 10})) << "the table takes its parent's width";
  EXPECT_EQ(Cell(0, 0)->GetLocalPixSize().x, 100.0);
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize().x, 50.0);
  EXPECT_EQ(Cell(2, 0)->GetLocalPixSize().x, 150.0);
  EXPECT_EQ(Cell(2, 0)->GetLocalPosition().x, 150.0);
  EXPECT_EQ(table_->GetTableMode(kH), TABLE_MODE::ENLARGE);
  EXPECT_EQ(table_->GetTableMode(kV), TABLE_MODE::NONE);

  ASSERT_TRUE(window_->GetHostCanvas()->GetOsWindow()->SetFrame(Rect{0, 0, 420, 200}).IsOk());
  Update();
  EXPECT_EQ(table_->GetLocalPixSize().x, 420.0) << "the window was resized";
  EXPECT_EQ(Cell(2, 0)->GetLocalPixSize().x, 240.0);

  for (Int x : {1, 2}) Cell(x, 0)->SetPreferredSize(0.0, kH);
  Update();
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize().x, 20.0) << "without weights every column keeps its size";
  EXPECT_EQ(Cell(2, 0)->GetLocalPosition().x, 120.0);
}

TEST_F(TableWidgetTest, AfterStretchingTheCellsAreMeasuredByTheirContentAgain) {
  table_->SetTableMode(TABLE_MODE::ENLARGE, kH);
  ASSERT_TRUE(table_->Resize(2, 1).IsOk());
  Put(0, 0, {30, 10});
  Put(1, 0, {40, 10});
  Cell(1, 0)->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kH);
  Update();
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize().x, 270.0);
  table_->SetTableMode(TABLE_MODE::NONE, kH);
  Update();
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize().x, 40.0);
  EXPECT_EQ(table_->GetLocalPixSize().x, 70.0);
}

TEST_F(TableWidgetTest, SqueezingShrinksTheStretchableRowsToTheParent) {
  table_->SetTableMode(kFit, kV);
  ASSERT_TRUE(table_->Resize(1, 3).IsOk());
  Put(0, 0, {10, 40});
  Put(0, 1, {10, 200});
  Put(0, 2, {10, 200});
  Cell(0, 1)->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kV);
  Cell(0, 2)->SetStretchMode(CELL_STRETCH_MODE::PREFERRED, kV);
  Cell(0, 2)->SetPreferredSize(3.0, kV);
  table_->SetLocalPosition({0, 20});
  Update();
  EXPECT_EQ(table_->GetLocalPixSize().y, 180.0);
  EXPECT_EQ(Cell(0, 1)->GetLocalPixSize().y, 35.0);
  EXPECT_EQ(Cell(0, 2)->GetLocalPixSize().y, 105.0);
  EXPECT_EQ(Cell(0, 2)->GetLocalPosition().y, 75.0);
}

TEST_F(TableWidgetTest, InsideACellTheTableLeavesTheCellsTrailingPadding) {
  table_->Remove();
  CellWidgetRef outer = *CreateObject<CellWidgetInterface>(Id(kCellWidgetClassId));
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(outer).IsOk());
  outer->SetFixedSize(CanvasUnitValue::Pix(200), kH);
  outer->SetSizeMode(WIDGET_SIZE::FIXED, kH);
  ASSERT_TRUE(outer->SetHorizontalPadding(CanvasUnitValue::Pix(10), CanvasUnitValue::Pix(30)).IsOk());
  ASSERT_TRUE(outer->InsertChildLast(table_).IsOk());
  table_->SetTableMode(kFit, kH);
  ASSERT_TRUE(table_->Resize(1, 1).IsOk());
  Put(0, 0, {20, 20});
  Cell(0, 0)->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kH);
  Update();
  EXPECT_EQ(table_->GetLocalPosition().x, 10.0);
  EXPECT_EQ(table_->GetLocalPixSize().x, 160.0);
  EXPECT_EQ(Cell(0, 0)->GetLocalPixSize().x, 160.0);
}

TEST_F(TableWidgetTest, UnderAnInfiniteParentTheTableKeepsItsContentSize) {
  table_->Remove();
  CellWidgetRef outer = *CreateObject<CellWidgetInterface>(Id(kCellWidgetClassId));
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(outer).IsOk());
  outer->SetSizeMode(WIDGET_SIZE::INFINITE, kH);
  ASSERT_TRUE(outer->SetLocalSize(250.0, 50.0).IsOk());
  ASSERT_TRUE(outer->InsertChildLast(table_).IsOk());
  table_->SetTableMode(kFit, kH);
  ASSERT_TRUE(table_->Resize(1, 1).IsOk());
  Put(0, 0, {20, 20});
  Update();
  EXPECT_EQ(table_->GetLocalPixSize().x, 20.0);
}

TEST_F(TableWidgetTest, RightToLeftPlacesTheLastColumnFirst) {
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  Fill({10, 10});
  table_->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  Update();
  EXPECT_EQ(Cell(2, 0)->GetLocalPosition(), (Vector2d{0, 0}));
  EXPECT_EQ(Cell(1, 1)->GetLocalPosition(), (Vector2d{10, 10}));
  EXPECT_EQ(Cell(0, 1)->GetLocalPosition(), (Vector2d{20, 10}));
  table_->SetAcceptR2LMode(false);
  Update();
  EXPECT_EQ(Cell(0, 0)->GetLocalPosition(), (Vector2d{0, 0}));
  EXPECT_EQ(Cell(2, 0)->GetLocalPosition(), (Vector2d{20, 0}));
}

TEST_F(TableWidgetTest, AnInvisibleCellLetsTheCellsBelowItMoveUp) {
  ASSERT_TRUE(table_->Resize(2, 3).IsOk());
  Fill({10, 10});
  Cell(0, 0)->SetLocalVisibility(false);
  Update();
  EXPECT_EQ(Cell(0, 1)->GetLocalPosition(), (Vector2d{0, 0}));
  EXPECT_EQ(Cell(0, 2)->GetLocalPosition(), (Vector2d{0, 10}));
  EXPECT_EQ(Cell(1, 1)->GetLocalPosition(), (Vector2d{10, 10}));
  EXPECT_EQ(Cell(1, 2)->GetLocalPosition(), (Vector2d{10, 20}));
}

TEST_F(TableWidgetTest, InvisibleAndEmptyCellsDoNotCount) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Put(0, 0, {10, 10});
  Ref<Leaf> wide = Put(1, 0, {90, 10});
  Put(0, 1, {10, 70});
  Cell(0, 1)->SetLocalVisibility(false);
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{100, 10}));
  wide->Remove();
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{10, 10})) << "a cell whose content went measures nothing";
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize(), (Vector2d{0, 10})) << "but is still sized";
}

// Cells measured in a run tell the table what they measured; the others are read again. Each
// change below is made after a layout, to a cell whose own measure it does not touch.
TEST_F(TableWidgetTest, ChangesToCellsBetweenLayoutsReachTheLines) {
  ASSERT_TRUE(table_->Resize(2, 2).IsOk());
  Put(0, 0, {10, 10});
  Ref<Leaf> wide = Put(1, 0, {90, 10});
  Put(0, 1, {10, 70});
  Put(1, 1, {20, 20});
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{100, 80}));

  Cell(0, 1)->SetLocalVisibility(false);
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{100, 30})) << "hidden";

  Cell(0, 1)->SetLocalVisibility(true);
  wide->SetSize({50, 10});
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{60, 80})) << "shown again, content resized";

  Cell(1, 1)->SetMaxSize(CanvasUnitValue::Pix(15.0), kV);
  Cell(1, 1)->SetSizeMode(WIDGET_SIZE::MAX, kV);
  Update();
  EXPECT_EQ(table_->GetLocalPixSize(), (Vector2d{60, 25})) << "the row takes the smallest maximum";

  table_->SetTableMode(TABLE_MODE::ENLARGE, kH);
  for (Int y : {0, 1}) Cell(1, y)->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, kH);
  Update();
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize().x, 290.0) << "stretched into the window's width";
}

// A cell taken to another table writes its measure there, and nothing into the table it left,
// which may be gone.
TEST_F(TableWidgetTest, ACellMovedToAnotherTableMeasuresForTheNewOne) {
  ASSERT_TRUE(table_->Resize(1, 1).IsOk());
  Put(0, 0, {30, 40});
  Update();
  CellWidgetRef cell = Cell(0, 0);
  TableWidgetRef other = NewTable();
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(other).IsOk());
  cell->Remove();
  table_->Remove();
  table_ = TableWidgetRef();
  ASSERT_TRUE(other->InsertChildLast(cell).IsOk());
  ASSERT_TRUE(other->Resize(1, 1).IsOk());
  ASSERT_TRUE(other->UpdateInternalCellMap().IsOk());
  Update();
  EXPECT_EQ(other->GetLocalPixSize(), (Vector2d{30, 40}));
}

TEST_F(TableWidgetTest, ColumnAndRowHitsLookAtTheFirstRowAndColumn) {
  table_->SetTableMode(TABLE_MODE::ENLARGE, kH);
  ASSERT_TRUE(table_->Resize(3, 2).IsOk());
  Fill({100, 20});
  table_->SetLocalPosition({0, 50});
  Update();
  EXPECT_EQ(*table_->GetColumnHit({0, 55}), 0);
  EXPECT_EQ(*table_->GetColumnHit({100, 55}), 1) << "a column's left edge belongs to it";
  EXPECT_EQ(*table_->GetColumnHit({299.5, 89}), 2);
  EXPECT_EQ(*table_->GetRowHit({10, 70}), 1);
  EXPECT_EQ(*table_->GetRowHit({10, 50}), 0);
  ExpectState(table_->GetColumnHit({300, 55}), "Global hit position is not inside the table.");
  ExpectState(table_->GetRowHit({10, 90}), "Global hit position is not inside the table.");
  ExpectState(table_->GetRowHit({10, 49}), "Global hit position is not inside the table.");
  ExpectState(table_->GetColumnHit({NAN, 55}), "Global hit position is not inside the table.");
  ExpectState(NewTable()->GetColumnHit({0, 0}), "Global hit position is not inside the table.");
}

// ---- culling ---------------------------------------------------------------------------------

class LargeTableTest : public TableWidgetTest {
 protected:
  void SetUp() override {
    TableWidgetTest::SetUp();
    ASSERT_TRUE(table_->Resize(100, 100).IsOk());
    Fill({10, 10});
    Update();
  }
  WidgetInterface* HitAt(Vector2d position) {
    Leaf::looks_ = 0;
    return window_->GetHostAppWidget()->FindHitWidget(position);
  }
  WidgetInterface* ContentOf(Int x, Int y) { return Cell(x, y)->GetFirstChildWidget(); }
};

TEST_F(LargeTableTest, AHitTestVisitsOnlyTheCellsAroundThePoint) {
  EXPECT_EQ(HitAt({155, 55}), ContentOf(15, 5));
  EXPECT_LE(Leaf::looks_, 1);
  EXPECT_EQ(HitAt({150, 50}), ContentOf(15, 5)) << "on a shared corner the later cell is on top";
  EXPECT_LE(Leaf::looks_, 4);
  EXPECT_EQ(Visits({155, 55, 155, 55}), 1);
  EXPECT_EQ(Visits({-50, -50, -40, -40}), 0);
  EXPECT_EQ(Visits({15, 15, 34, 24}), 3 * 2) << "columns 1 to 3 and rows 1 and 2, the area grown by the draw margin";
}

TEST_F(LargeTableTest, RedrawingACellDrawsItsNeighboursOnly) {
  Leaf::looks_ = 0;
  Cell(20, 10)->GetFirstChildWidget()->SetBackgroundColor({0, 0, 1, 1});
  Update();
  EXPECT_GT(Leaf::looks_, 0);
  EXPECT_LE(Leaf::looks_, 9);
}

TEST_F(LargeTableTest, CullingFollowsRightToLeftAndInvisibleCells) {
  table_->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  Cell(97, 2)->SetLocalVisibility(false);
  Update();
  EXPECT_EQ(HitAt({25, 25}), ContentOf(97, 3)) << "the cell below the invisible one moved up";
  EXPECT_EQ(HitAt({35, 25}), ContentOf(96, 2));
  EXPECT_LE(Leaf::looks_, 200) << "rows cannot be culled, columns still are";
}

TEST_F(LargeTableTest, AChangedHierarchyIsVisitedWhole) {
  ASSERT_TRUE(table_->InsertChildLast(MakeRef<Leaf>(Vector2d{5, 5})).IsOk());
  EXPECT_EQ(Visits({5, 5, 5, 5}), 10001);
  ASSERT_TRUE(table_->UpdateInternalCellMap().IsOk());
  Update();
  EXPECT_EQ(Visits({5, 5, 5, 5}), 10001) << "a child outside the grid may stand anywhere";
  table_->GetLastChild()->Remove();
  ASSERT_TRUE(table_->UpdateInternalCellMap().IsOk());
  EXPECT_EQ(Visits({5, 5, 5, 5}), 10000) << "placed again only by the next layout";
  Update();
  EXPECT_EQ(Visits({5, 5, 5, 5}), 1);
}

// ---- goldens -----------------------------------------------------------------------------------

constexpr ColorA kRed{0.85, 0.25, 0.2, 1.0};
constexpr ColorA kGreen{0.3, 0.7, 0.3, 1.0};
constexpr ColorA kBlue{0.25, 0.4, 0.85, 1.0};
constexpr ColorA kGrey{0.3, 0.3, 0.35, 1.0};

class TableGoldenTest : public TableWidgetTest {
 protected:
  // Three columns: a fixed one of 60 and two stretchable ones of natural width 40 and 70 and
  // weights 1 and 2; two rows of 30 and 50. The leaves fill their cells; the cells show their
  // grey padding.
  void Build(TABLE_MODE horizontal) {
    table_->SetTableMode(horizontal, kH);
    table_->SetLocalPosition({10, 10});
    ASSERT_TRUE(table_->Resize(3, 2).IsOk());
    const ColorA colors[3] = {kRed, kGreen, kBlue};
    const Float widths[3] = {60, 40, 70};
    const Float heights[2] = {30, 50};
    for (Int y = 0; y < 2; ++y) {
      for (Int x = 0; x < 3; ++x) {
        CellWidgetRef cell = Cell(x, y);
        cell->SetBackgroundVisibility(true);
        cell->SetBackgroundColor(kGrey);
        ASSERT_TRUE(cell->SetPadding(CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(2),
                                     CanvasUnitValue::Pix(2)).IsOk());
        Ref<Leaf> leaf = Put(x, y, {widths[x] - 4, heights[y] - 4}, colors[x]);
        leaf->SetInheritParentSize(true, kH);
        if (x > 0) {
          cell->SetStretchMode(CELL_STRETCH_MODE::PREFERRED, kH);
          cell->SetPreferredSize(static_cast<Float>(x), kH);
        }
      }
    }
  }
  void Expect(const char* golden) {
    Update();
    test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), golden);
  }
};

TEST_F(TableGoldenTest, FixedAndWeightedColumnsEnlarged) {
  Build(TABLE_MODE::ENLARGE);
  Expect("table_enlarged");
  EXPECT_EQ(Cell(1, 0)->GetLocalPixSize().x, 230.0 / 3);
}

TEST_F(TableGoldenTest, FixedAndWeightedColumnsSqueezed) {
  Build(TABLE_MODE::SQUEEZE);
  table_->SetLocalPosition({180, 10});
  Expect("table_squeezed");
  // 120 px of room: the fixed column keeps 60, the others share 60 by weights 1 and 2.
  EXPECT_EQ(table_->GetLocalPixSize().x, 120.0);
  EXPECT_EQ(Cell(1, 1)->GetLocalPixSize().x, 20.0);
  EXPECT_EQ(Cell(2, 1)->GetLocalPixSize().x, 40.0);
}

TEST_F(TableGoldenTest, RightToLeft) {
  Build(TABLE_MODE::NONE);
  table_->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  // The green cell of row 0 holds a small leaf aligned MIN/MAX, mirrored to its right.
  CellWidgetRef mirrored = Cell(1, 0);
  mirrored->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  mirrored->SetAlignment(ALIGNMENT_MODE::MAX, kV);
  auto* leaf = dynamic_cast<Leaf*>(mirrored->GetFirstChildWidget());
  ASSERT_NE(leaf, nullptr);
  leaf->SetInheritParentSize(false, kH);
  leaf->SetSize({16, 12});
  Expect("table_right_to_left");
  EXPECT_EQ(Cell(2, 0)->GetLocalPosition().x, 0.0);
  EXPECT_EQ(leaf->GetLocalPosition(), (Vector2d{22, 16}));
}

}  // namespace
}  // namespace zarvo
