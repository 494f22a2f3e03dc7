#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"
#include "source/widgets_layout/TreeGraphWidgetImpl.h"
#include "source/widgets_layout/TreeTextAdapter.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

class TreeGraphWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 240, 160});
    ASSERT_TRUE(window_);
    graph_ = test::NewObject<TreeGraphWidgetInterface>(kTreeGraphWidgetClassId);
    ASSERT_TRUE(graph_);
    ASSERT_TRUE(graph_->CreateLayout().IsOk());
    impl_ = dynamic_cast<TreeGraphWidgetImpl*>(graph_.Get());
    ASSERT_NE(impl_, nullptr);
    texts_ = MakeRef<TreeTextAdapter>();
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  TreeItemWidgetRef Item(Result<TreeItemWidgetRef> made) {
    EXPECT_TRUE(made.IsOk()) << made.GetError().ToString();
    return made.IsOk() ? *made : TreeItemWidgetRef();
  }
  // A (A1, A2 (A2a)), B, C, with their names as the tree column's texts.
  void BuildSmallTree() {
    a_ = Item(graph_->CreateTreeItemAfter(TreeItemWidgetRef()));
    a1_ = Item(graph_->CreateTreeItemAsFirstChildOf(a_));
    a2_ = Item(graph_->CreateTreeItemAfter(a1_));
    a2a_ = Item(graph_->CreateTreeItemAsFirstChildOf(a2_));
    b_ = Item(graph_->CreateTreeItemAfter(a_));
    c_ = Item(graph_->CreateTreeItemAfter(b_));
    for (const char* name : {"A", "A1", "A2", "A2a", "B", "C"}) texts_->AppendText(name);
    ASSERT_TRUE(impl_->SetColumnAdapter(graph_->GetTreeColumnId(), texts_).IsOk());
  }
  void Show() {
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(graph_).IsOk());
    Update();
  }
  Int RowOf(const TreeItemWidgetRef& item) {
    Result<Int> row = item->GetRow();
    EXPECT_TRUE(row.IsOk());
    return row.IsOk() ? *row : -1;
  }
  // Where the row's middle lies, in window coordinates.
  Vector2d RowCenter(Int shownRow, Float x = 100.0) {
    const Rect frame = graph_->GetGlobalFrame();
    const Float height = graph_->ToPixels(CanvasUnitValue::Rem(1.5));
    return {frame.left + x, frame.top + (static_cast<Float>(shownRow) + 0.5) * height};
  }

  Ref<AppWindow> window_;
  TreeGraphWidgetRef graph_;
  TreeGraphWidgetImpl* impl_ = nullptr;
  Ref<TreeTextAdapter> texts_;
  TreeItemWidgetRef a_, a1_, a2_, a2a_, b_, c_;
};

TEST_F(TreeGraphWidgetTest, ItemsFollowTreeOrderAndLinkTheirNeighbours) {
  BuildSmallTree();
  EXPECT_EQ(graph_->GetName(), "TreeGraphWidget");
  EXPECT_EQ(graph_->GetCountY(), 6);
  const std::vector<TreeItemWidgetRef> order{a_, a1_, a2_, a2a_, b_, c_};
  for (Int row = 0; row < 6; ++row) {
    EXPECT_EQ(RowOf(order[static_cast<size_t>(row)]), row);
    Result<TreeItemWidgetRef> found = graph_->GetTreeItem(row);
    ASSERT_TRUE(found.IsOk());
    EXPECT_EQ(*found, order[static_cast<size_t>(row)]) << "the same item object for row " << row;
  }
  EXPECT_EQ(a2a_->GetLevel(), 2);
  EXPECT_EQ(*a2a_->GetParentItem(), a2_);
  EXPECT_EQ(*a_->GetFirstChildItem(), a1_);
  EXPECT_EQ(*a1_->GetNextItem(), a2_);
  EXPECT_EQ(*b_->GetPrevItem(), a_);
  EXPECT_FALSE(*a_->GetParentItem()) << "a top item has no parent";
  EXPECT_EQ(*graph_->GetFirstTreeItem(), a_);
  EXPECT_EQ(Cast<TreeGraphWidgetInterface>(*a_->GetTreeGraph()), graph_);
}

TEST_F(TreeGraphWidgetTest, ColumnsAreAddressedById) {
  const Id idA("test.a"), idB("test.b"), idE("test.e");
  BuildSmallTree();
  ASSERT_TRUE(graph_->SetColumns({idA, idB}, {idE}).IsOk());
  EXPECT_EQ(graph_->GetCountX(), 4);
  Result<CellWidgetRef> treeCell = graph_->GetCellFromId(graph_->GetTreeColumnId(), 1);
  ASSERT_TRUE(treeCell.IsOk());
  EXPECT_EQ(*graph_->GetX(*treeCell), 2) << "the tree column follows the left ones";
  EXPECT_EQ(*graph_->GetX(*graph_->GetCellFromId(idA, 1)), 0);
  EXPECT_EQ(*graph_->GetX(*graph_->GetCellFromId(idB, 1)), 1);
  EXPECT_EQ(*graph_->GetX(*graph_->GetCellFromId(idE, 1)), 3);
  EXPECT_EQ(*graph_->GetY(*graph_->GetCellFromId(idE, 4)), 4);
  EXPECT_EQ((*treeCell)->GetFirstChildWidget(), static_cast<WidgetInterface*>(a1_.Get())) << "the tree cell holds the item";

  Result<CellWidgetRef> unknown = graph_->GetCellFromId(Id("test.unknown"), 0);
  ASSERT_FALSE(unknown.IsOk());
  EXPECT_EQ(unknown.GetError().GetMessage(), "_Column ID not found");

  Result<void> tree = graph_->SetColumnVisibility(graph_->GetTreeColumnId(), false);
  ASSERT_FALSE(tree.IsOk());
  EXPECT_EQ(tree.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(tree.GetError().GetMessage(), "Changing the main tree column visibility is forbidden");
  EXPECT_EQ(graph_->SetColumnVisibility(Id("test.unknown"), false).GetError().GetMessage(), "Column id not found");

  Result<void> deleteTree = graph_->DeleteColumnFromId(graph_->GetTreeColumnId());
  ASSERT_FALSE(deleteTree.IsOk());
  EXPECT_EQ(deleteTree.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(deleteTree.GetError().GetMessage(), "The main tree column cannot be deleted");
  ASSERT_TRUE(graph_->DeleteColumnFromId(idB).IsOk());
  EXPECT_EQ(graph_->GetCountX(), 3);
  EXPECT_EQ(graph_->GetLeftColumnIds(), std::vector<Id>{idA});
  EXPECT_EQ(*graph_->GetX(*graph_->GetCellFromId(graph_->GetTreeColumnId(), 0)), 1);
  EXPECT_EQ(graph_->DeleteColumnFromId(idB).GetError().GetMessage(), "Column id not found");
}

TEST_F(TreeGraphWidgetTest, WithoutColumnsAnyIdReachesColumnZero) {
  BuildSmallTree();
  Result<CellWidgetRef> cell = graph_->GetCellFromId(Id("test.whatever"), 2);
  ASSERT_TRUE(cell.IsOk()) << cell.GetError().ToString();
  EXPECT_EQ(*graph_->GetX(*cell), 0);
}

TEST_F(TreeGraphWidgetTest, TheTableOperationsForColumnsAreForbidden) {
  BuildSmallTree();
  struct Case {
    Result<void> result;
    const char* message;
  };
  const Case cases[] = {
      {graph_->AppendX(), "Forbidden function. Use AppendXWithId() instead"},
      {graph_->InsertColumnBeforeX(0), "Forbidden function. Use InsertColumnBeforeColumnId() instead"},
      {graph_->InsertColumnAfterX(0), "Forbidden function. Use InsertColumnAfterColumnId() instead"},
      {graph_->DeleteColumn(0), "Forbidden function. Use DeleteColumnFromId() instead"},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(c.result.IsOk());
    EXPECT_EQ(c.result.GetError().GetKind(), ErrorKind::kIllegalState);
    EXPECT_EQ(c.result.GetError().GetMessage(), c.message);
  }
  EXPECT_EQ(graph_->GetCountX(), 1) << "nothing changed";
  EXPECT_EQ(graph_->GetCountY(), 6);
}

TEST_F(TreeGraphWidgetTest, PlainSettersStoreAndHeaderTextIsIgnored) {
  graph_->SetShowLevel0Lines(true);
  EXPECT_TRUE(graph_->GetShowLevel0Lines());
  graph_->SetLineTipMode(TreeGraphWidgetInterface::LINE_TIP_MODE::DOT);
  EXPECT_EQ(graph_->GetLineTipMode(), TreeGraphWidgetInterface::LINE_TIP_MODE::DOT);
  graph_->SetMarkJointMode(TreeGraphWidgetInterface::MARK_JOINT_MODE::CURVED);
  EXPECT_EQ(graph_->GetMarkJointMode(), TreeGraphWidgetInterface::MARK_JOINT_MODE::CURVED);
  graph_->SetBackgroundColor(ColorA{0.1, 0.2, 0.3, 1.0});
  EXPECT_EQ(graph_->GetBackgroundColor(), (ColorA{0.1, 0.2, 0.3, 1.0}));
  ASSERT_TRUE(graph_->SetHeaderText("Title").IsOk());
  EXPECT_EQ(graph_->GetHeaderText(), "");
}

TEST_F(TreeGraphWidgetTest, SetOpenMarksTheSerialDataOnceAChange) {
  BuildSmallTree();
  EXPECT_TRUE(a_->GetOpen());
  EXPECT_FALSE(a_->IsSerialDirty());
  ASSERT_TRUE(a_->SetOpen(false).IsOk());
  EXPECT_TRUE(a_->IsSerialDirty());
  a_->ResetSerialDirty();
  EXPECT_FALSE(a_->IsSerialDirty());
  ASSERT_TRUE(a_->SetOpen(false).IsOk());
  EXPECT_FALSE(a_->IsSerialDirty()) << "no change, no mark";
}

TEST_F(TreeGraphWidgetTest, ClosingAnItemHidesItsSubtreeRows) {
  BuildSmallTree();
  Show();
  EXPECT_EQ(impl_->GetMaterializedRowCount(), 6);
  const Float rowHeight = graph_->ToPixels(CanvasUnitValue::Rem(1.5));
  EXPECT_DOUBLE_EQ(graph_->GetLocalPixSize().y, 6 * rowHeight);
  ASSERT_TRUE(a_->SetOpen(false).IsOk());
  Update();
  EXPECT_DOUBLE_EQ(graph_->GetLocalPixSize().y, 3 * rowHeight);
  Result<CellWidgetRef> bCell = graph_->GetCellFromId(graph_->GetTreeColumnId(), RowOf(b_));
  ASSERT_TRUE(bCell.IsOk());
  EXPECT_DOUBLE_EQ((*bCell)->GetLocalPosition().y, rowHeight) << "B moved up under A";
  ASSERT_TRUE(a_->SetOpen(true).IsOk());
  ASSERT_TRUE(a2_->SetOpen(false).IsOk());
  Update();
  EXPECT_DOUBLE_EQ(graph_->GetLocalPixSize().y, 5 * rowHeight);
}

TEST_F(TreeGraphWidgetTest, PressingATriangleFoldsAndPressingARowSelects) {
  BuildSmallTree();
  Show();
  std::vector<std::string> told;
  Result<CheckboxWidgetRef> triangle = a_->GetFolderWidget();
  ASSERT_TRUE(triangle.IsOk());
  EXPECT_TRUE((*triangle)->GetLocalVisibility()) << "A has children";
  EXPECT_FALSE((*c_->GetFolderWidget())->GetLocalVisibility()) << "C has none";
  (*triangle)->ObservableStateChanged()->AddObserver([&](const CheckboxWidgetRef&, Bool open) -> Result<void> {
    told.push_back(open ? "triangle open" : "triangle closed");
    return Ok();
  });
  impl_->ObservableSelectionChanged()->AddObserver([&](const TreeGraphWidgetRef&, Int row) -> Result<void> {
    told.push_back("selected " + std::to_string(row));
    return Ok();
  });
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(**a_->GetFolderCell()).IsOk());
  Update();
  EXPECT_FALSE(a_->GetOpen());
  EXPECT_DOUBLE_EQ(graph_->GetLocalPixSize().y, 3 * graph_->ToPixels(CanvasUnitValue::Rem(1.5)));
  ASSERT_TRUE(driver.Click(RowCenter(1)).IsOk()) << "B now shows in the second row";
  EXPECT_EQ(impl_->GetSelectedRow(), RowOf(b_));
  EXPECT_EQ(told, (std::vector<std::string>{"triangle closed", "selected 4"}));
}

TEST_F(TreeGraphWidgetTest, ArrowKeysMoveTheSelectionAndFold) {
  BuildSmallTree();
  Show();
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(RowCenter(0)).IsOk());
  EXPECT_EQ(impl_->GetSelectedRow(), 0);
  ASSERT_TRUE(driver.KeyPress(KEY::DOWN).IsOk());
  ASSERT_TRUE(driver.KeyPress(KEY::DOWN).IsOk());
  EXPECT_EQ(impl_->GetSelectedRow(), RowOf(a2_));
  ASSERT_TRUE(driver.KeyPress(KEY::LEFT).IsOk());
  EXPECT_FALSE(a2_->GetOpen()) << "left closes an open item";
  ASSERT_TRUE(driver.KeyPress(KEY::LEFT).IsOk());
  EXPECT_EQ(impl_->GetSelectedRow(), RowOf(a_)) << "left on a closed item goes to its parent";
  ASSERT_TRUE(driver.KeyPress(KEY::UP).IsOk());
  EXPECT_EQ(impl_->GetSelectedRow(), 0) << "held at the first row";
  ASSERT_TRUE(driver.KeyPress(KEY::RIGHT).IsOk());
  EXPECT_EQ(impl_->GetSelectedRow(), RowOf(a1_)) << "right on an open item goes to its first child";
}

TEST_F(TreeGraphWidgetTest, BadInputIsRefusedAndLeavesTheTreeAsItWas) {
  BuildSmallTree();
  Show();
  Result<void> cycle = graph_->MoveItem(a_, a2a_, TREE_INSERT_MODE::FIRST_CHILD);
  ASSERT_FALSE(cycle.IsOk());
  EXPECT_EQ(cycle.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(cycle.GetError().GetMessage(), "An item cannot be moved below itself");
  EXPECT_EQ(graph_->MoveItem(a2_, a2_, TREE_INSERT_MODE::FIRST_CHILD).GetError().GetMessage(),
            "An item cannot be moved below itself");
  EXPECT_EQ(RowOf(a2a_), 3);
  EXPECT_EQ(*a2a_->GetParentItem(), a2_);

  for (Int row : {Int{-1}, Int{6}, Int{1000000}}) {
    Result<TreeItemWidgetRef> item = graph_->GetTreeItem(row);
    ASSERT_FALSE(item.IsOk());
    EXPECT_EQ(item.GetError().GetMessage(), "illegal row index");
    EXPECT_EQ(graph_->DeleteRow(row).GetError().GetMessage(), "illegal row index");
    EXPECT_EQ(graph_->GetCellFromId(graph_->GetTreeColumnId(), row).GetError().GetMessage(), "illegal row index");
  }
  TreeItemWidgetRef stranger = test::NewObject<TreeItemWidgetInterface>(kTreeItemWidgetClassId);
  Result<TreeItemWidgetRef> foreign = graph_->CreateTreeItemAfter(stranger);
  ASSERT_FALSE(foreign.IsOk());
  EXPECT_EQ(foreign.GetError().GetMessage(), "Invalid treeitem");
  EXPECT_EQ(graph_->GetCountY(), 6);
  Update();
}

TEST_F(TreeGraphWidgetTest, MovingAnItemCarriesItsSubtree) {
  BuildSmallTree();
  ASSERT_TRUE(graph_->MoveItem(a2_, c_, TREE_INSERT_MODE::AFTER).IsOk());
  EXPECT_EQ(RowOf(a2_), 4);
  EXPECT_EQ(RowOf(a2a_), 5);
  EXPECT_EQ(a2_->GetLevel(), 0);
  EXPECT_EQ(a2a_->GetLevel(), 1);
  EXPECT_EQ(*c_->GetNextItem(), a2_);
  EXPECT_FALSE(*a1_->GetNextItem());
}

TEST_F(TreeGraphWidgetTest, DeletingAnItemWhilePressedEndsThePressCleanly) {
  BuildSmallTree();
  Show();
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(RowCenter(2)).IsOk());
  ASSERT_TRUE(graph_->DeleteRow(RowOf(a2_)).IsOk());
  EXPECT_EQ(graph_->GetCountY(), 4);
  Result<Int> gone = a2a_->GetRow();
  ASSERT_FALSE(gone.IsOk());
  EXPECT_EQ(gone.GetError().GetMessage(), "Invalid treeitem");
  ASSERT_TRUE(driver.Drag(RowCenter(2) + Vector2d{5, 3}).IsOk());
  ASSERT_TRUE(driver.Release(RowCenter(2) + Vector2d{5, 3}).IsOk());
  Update();
  EXPECT_EQ(RowOf(b_), 2);
  EXPECT_FALSE(*a1_->GetNextItem());
}

TEST_F(TreeGraphWidgetTest, OnlyTheRowsInViewGetWidgets) {
  constexpr Int kRows = 2000;
  TreeItemWidgetRef last;
  for (Int i = 0; i < kRows; ++i) {
    last = Item(graph_->CreateTreeItemAfter(last));
    texts_->AppendText("Row " + std::to_string(i));
  }
  ASSERT_TRUE(impl_->SetColumnAdapter(graph_->GetTreeColumnId(), texts_).IsOk());
  last.Reset();
  ScrollAreaWidgetRef area = test::NewObject<ScrollAreaWidgetInterface>(kScrollAreaWidgetClassId);
  ASSERT_TRUE(area->CreateLayout().IsOk());
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) area->SetInheritParentSize(true, d);
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area).IsOk());
  ASSERT_TRUE(area->SetWidgetToBeScrolled(graph_).IsOk());
  Update();
  const Float rowHeight = graph_->ToPixels(CanvasUnitValue::Rem(1.5));
  EXPECT_DOUBLE_EQ(graph_->GetLocalPixSize().y, kRows * rowHeight);
  const Int inView = impl_->GetMaterializedRowCount();
  EXPECT_GT(inView, 4);
  EXPECT_LT(inView, 20);
  ASSERT_TRUE(area->ScrollToPage(SCROLL_DIRECTION::FORWARD, WIDGET_DIRECTION::VERTICAL).IsOk());
  ASSERT_TRUE(area->ScrollToPage(SCROLL_DIRECTION::FORWARD, WIDGET_DIRECTION::VERTICAL).IsOk());
  Update();
  EXPECT_LT(impl_->GetMaterializedRowCount(), 40) << "rows that left the view gave their widgets up";
  EXPECT_TRUE(window_->GetHostCanvas()->GetPendingDamage().IsEmpty()) << "a scroll is drawn once";
  const Rect view = (*area->GetContentCell())->GetGlobalFrame();
  WidgetInterface* hit = window_->GetAppWidget()->FindHitWidget({view.left + 30, view.top + 5});
  ASSERT_NE(hit, nullptr);
  auto* text = dynamic_cast<TextWidgetInterface*>(hit);
  ASSERT_NE(text, nullptr) << "the row in view has its text";
  const Int firstShown = static_cast<Int>(-graph_->GetLocalPosition().y / rowHeight);
  EXPECT_EQ(text->GetText(), "Row " + std::to_string(firstShown));
}

TEST_F(TreeGraphWidgetTest, AHeaderDraggedAcrossTheColumnsMovesItsColumnOnceAtTheDrop) {
  const Id idA("test.a"), idB("test.b");
  BuildSmallTree();
  ASSERT_TRUE(graph_->SetColumns({idA}, {idB}).IsOk());
  ASSERT_TRUE(graph_->AddHeaderRow().IsOk());
  graph_->SetAllowHeaderRearranging(true);
  Show();
  auto titleOf = [&](const Id& column) {
    Result<TextWidgetRef> title = graph_->GetHeaderTextWidget(column);
    EXPECT_TRUE(title.IsOk());
    return title.IsOk() ? EventDriver::CenterOf(**title) : Vector2d{};
  };
  const Vector2d from = titleOf(idA), to = titleOf(idB);
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(from));
  ASSERT_TRUE(window_->GetAppWidget()->IsActionRunning());
  // Over the tree column and on to the last one: passing over columns moves none of them.
  for (const Vector2d& at : {titleOf(graph_->GetTreeColumnId()), Vector2d{(to.x + from.x) / 2.0, to.y}, to}) {
    Result<bool> dragged = driver.Drag(at);
    ASSERT_TRUE(dragged.IsOk()) << dragged.GetError().ToString();
    EXPECT_EQ(graph_->GetLeftColumnIds(), std::vector<Id>{idA}) << "nothing moves before the drop";
  }
  Result<bool> released = driver.Release(to);
  ASSERT_TRUE(released.IsOk()) << released.GetError().ToString();
  EXPECT_FALSE(window_->GetAppWidget()->IsActionRunning());
  EXPECT_TRUE(graph_->GetLeftColumnIds().empty());
  EXPECT_EQ(graph_->GetRightColumnIds(), (std::vector<Id>{idB, idA})) << "the column lands behind the one dropped on";
}

TEST_F(TreeGraphWidgetTest, ATreeWithLinesAndAlternatingRowsLooksRight) {
  BuildSmallTree();
  graph_->SetAlternateBackgroundMode(true);
  graph_->SetAlternateBackgroundColor(ColorA{0.30, 0.30, 0.34, 1.0});
  graph_->SetShowLevel0Lines(true);
  graph_->SetLineTipMode(TreeGraphWidgetInterface::LINE_TIP_MODE::DOT);
  ASSERT_TRUE(graph_->AddHeaderRow().IsOk());
  Result<TextWidgetRef> title = graph_->GetHeaderTextWidget(graph_->GetTreeColumnId());
  ASSERT_TRUE(title.IsOk()) << title.GetError().ToString();
  (*title)->SetText("Name");
  Show();
  ASSERT_TRUE(impl_->SetSelectedRow(RowOf(b_)).IsOk());
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "treegraph_lines");
}

// A graph with Name (the tree column), Size and Kind, and a header row whose borders resize
// and whose titles move the columns, in a window wider than the columns need.
class TreeGraphHeaderTest : public TreeGraphWidgetTest {
 protected:
  static constexpr Rect kWideWindow{0, 0, 480, 160};
  void SetUp() override {
    TreeGraphWidgetTest::SetUp();
    window_ = test::MakeTestWindow(kWideWindow);
    ASSERT_TRUE(window_);
    BuildSmallTree();
    ASSERT_TRUE(graph_->SetColumns({}, {size_, kind_}).IsOk());
    ASSERT_TRUE(graph_->AddHeaderRow().IsOk());
    for (const auto& [id, title] : {std::pair{graph_->GetTreeColumnId(), "Name"}, {size_, "Size"}, {kind_, "Kind"}}) {
      Result<TextWidgetRef> text = graph_->GetHeaderTextWidget(id);
      ASSERT_TRUE(text.IsOk()) << text.GetError().ToString();
      (*text)->SetText(title);
    }
    graph_->SetAllowHeaderResizing(true);
    graph_->SetAllowHeaderRearranging(true);
    Show();
  }
  HeaderCellWidgetInterface* Header(const Id& column) {
    Result<TextWidgetRef> title = graph_->GetHeaderTextWidget(column);
    EXPECT_TRUE(title.IsOk());
    if (!title.IsOk()) return nullptr;
    for (WidgetInterface* up = (*title)->GetParentWidget(); up; up = up->GetParentWidget()) {
      if (auto* cell = dynamic_cast<HeaderCellWidgetInterface*>(up)) return cell;
    }
    return nullptr;
  }
  Rect HeaderFrame(const Id& column) {
    HeaderCellWidgetInterface* cell = Header(column);
    return cell ? cell->GetGlobalFrame() : Rect();
  }
  Rect BodyFrame(const Id& column) {
    Result<CellWidgetRef> cell = graph_->GetCellFromId(column, 0);
    EXPECT_TRUE(cell.IsOk());
    return cell.IsOk() ? (*cell)->GetGlobalFrame() : Rect();
  }
  std::string Title(const Id& column) {
    Result<TextWidgetRef> title = graph_->GetHeaderTextWidget(column);
    return title.IsOk() ? std::string((*title)->GetText()) : std::string("?");
  }
  void ExpectHeadersOverTheirColumns() {
    for (const Id& column : {graph_->GetTreeColumnId(), size_, kind_}) {
      const Rect header = HeaderFrame(column);
      const Rect body = BodyFrame(column);
      EXPECT_NEAR(header.left, body.left, 1e-6) << Title(column);
      EXPECT_NEAR(header.right, body.right, 1e-6) << Title(column);
    }
  }
  // The columns' titles left to right, as their row cells stand.
  std::string ColumnOrder() {
    std::vector<std::pair<Float, std::string>> columns;
    for (const Id& column : {graph_->GetTreeColumnId(), size_, kind_}) columns.emplace_back(BodyFrame(column).left, Title(column));
    std::sort(columns.begin(), columns.end());
    std::string order;
    for (const auto& [left, title] : columns) order += (order.empty() ? "" : ", ") + title;
    return order;
  }
  void NoteOrder() {
    const std::string now = ColumnOrder();
    if (now != lastOrder_) orders_.push_back(now);
    lastOrder_ = now;
  }
  // Press at `from`, drag by `dx` in three steps and release; the layout after each step runs
  // and every new column order is noted.
  void DragBy(Vector2d from, Float dx) {
    lastOrder_ = ColumnOrder();
    orders_.clear();
    EventDriver driver(*window_);
    Result<bool> pressed = driver.Press(from);
    ASSERT_TRUE(pressed.IsOk()) << pressed.GetError().ToString();
    ASSERT_TRUE(*pressed);
    ASSERT_TRUE(window_->GetAppWidget()->IsActionRunning());
    for (Float step : {dx / 3.0, dx * 2.0 / 3.0, dx}) {
      ASSERT_TRUE(driver.Drag({from.x + step, from.y}).IsOk());
      Update();
      NoteOrder();
    }
    ASSERT_TRUE(driver.Release({from.x + dx, from.y}).IsOk());
    Update();
    NoteOrder();
  }

  std::vector<std::string> orders_;
  std::string lastOrder_;
  const Id size_{"net.zarvo.test.treegraph.size"};
  const Id kind_{"net.zarvo.test.treegraph.kind"};
};

TEST_F(TreeGraphHeaderTest, HeaderCellsAreAsWideAsTheirColumns) {
  Result<TextWidgetRef> title = graph_->GetHeaderTextWidget(graph_->GetTreeColumnId());
  ASSERT_TRUE(title.IsOk());
  EXPECT_GT(HeaderFrame(graph_->GetTreeColumnId()).Width(), 3.0 * (*title)->GetGlobalFrame().Width())
      << "the Name column and its header take the view beyond the columns";
  EXPECT_NEAR(HeaderFrame(kind_).right, kWideWindow.right, 1e-6);
  ExpectHeadersOverTheirColumns();
}

TEST_F(TreeGraphHeaderTest, InAScrollAreaTheHeaderCellsStillSpanTheirColumns) {
  graph_->Remove();
  ScrollAreaWidgetRef area = test::NewObject<ScrollAreaWidgetInterface>(kScrollAreaWidgetClassId);
  ASSERT_TRUE(area->CreateLayout().IsOk());
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) area->SetInheritParentSize(true, d);
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area).IsOk());
  ASSERT_TRUE(area->SetWidgetToBeScrolled(graph_).IsOk());
  Update();
  const Rect view = (*area->GetContentCell())->GetGlobalFrame();
  EXPECT_NEAR(HeaderFrame(kind_).right, view.right, 1e-6) << "the Name column takes the view beyond the columns";
  ExpectHeadersOverTheirColumns();
  const Rect size = HeaderFrame(size_);
  const Float kindLeft = BodyFrame(kind_).left;
  DragBy({size.right - 1.0, (size.top + size.bottom) / 2.0}, 30.0);
  EXPECT_NEAR(HeaderFrame(size_).right, size.right + 30.0, 1e-6) << "the border follows the pointer";
  EXPECT_NEAR(BodyFrame(kind_).left, kindLeft + 30.0, 1e-6);
  ExpectHeadersOverTheirColumns();
}

TEST_F(TreeGraphHeaderTest, DraggingAHeaderBorderResizesItsColumn) {
  const Float sizeWidth = BodyFrame(size_).Width();
  const Float kindLeft = BodyFrame(kind_).left;
  const Float nameWidth = BodyFrame(graph_->GetTreeColumnId()).Width();
  const Rect header = HeaderFrame(size_);
  DragBy({header.right - 1.0, (header.top + header.bottom) / 2.0}, 30.0);
  EXPECT_NEAR(BodyFrame(graph_->GetTreeColumnId()).Width(), nameWidth, 1e-6) << "the Name column does not give way";
  EXPECT_NEAR(HeaderFrame(size_).right, header.right + 30.0, 1e-6) << "the border follows the pointer";
  EXPECT_NEAR(BodyFrame(size_).Width(), sizeWidth + 30.0, 1e-6);
  EXPECT_NEAR(HeaderFrame(size_).Width(), sizeWidth + 30.0, 1e-6);
  EXPECT_NEAR(BodyFrame(kind_).left, kindLeft + 30.0, 1e-6) << "the columns after it move";
  EXPECT_EQ(Header(size_)->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), WIDGET_SIZE::FIXED);
  ExpectHeadersOverTheirColumns();
}

TEST_F(TreeGraphHeaderTest, ANameColumnSizedByItsUserNoLongerStretches) {
  const Rect name = HeaderFrame(graph_->GetTreeColumnId());
  const Float width = BodyFrame(graph_->GetTreeColumnId()).Width();
  DragBy({name.right - 1.0, (name.top + name.bottom) / 2.0}, -40.0);
  EXPECT_NEAR(BodyFrame(graph_->GetTreeColumnId()).Width(), width - 40.0, 1e-6);
  ExpectHeadersOverTheirColumns();
}

TEST_F(TreeGraphHeaderTest, DraggingATitleMovesItsColumnAndKeepsEveryHeader) {
  const Rect size = HeaderFrame(size_);
  // Size is resized first: its header cell, with that width, moves with the column.
  DragBy({size.right - 1.0, (size.top + size.bottom) / 2.0}, 20.0);
  const Float sizeWidth = HeaderFrame(size_).Width();
  Result<TextWidgetRef> text = graph_->GetHeaderTextWidget(size_);
  ASSERT_TRUE(text.IsOk());
  const Rect title = (*text)->GetGlobalFrame();
  const Rect kind = BodyFrame(kind_);
  DragBy({(title.left + title.right) / 2.0, (title.top + title.bottom) / 2.0},
         (kind.left + kind.right) / 2.0 - (title.left + title.right) / 2.0);
  EXPECT_LT(BodyFrame(kind_).left, BodyFrame(size_).left) << "Size now stands after Kind";
  EXPECT_EQ(orders_, (std::vector<std::string>{"Name, Kind, Size"})) << "the drop alone moves the column, once";
  EXPECT_EQ(Title(graph_->GetTreeColumnId()), "Name");
  EXPECT_EQ(Title(size_), "Size");
  EXPECT_EQ(Title(kind_), "Kind");
  EXPECT_NEAR(HeaderFrame(size_).Width(), sizeWidth, 1e-6);
  ExpectHeadersOverTheirColumns();
}

TEST_F(TreeGraphHeaderTest, OnlyTheDropOfAHeaderCellMovesItsColumn) {
  const Rect kind = BodyFrame(kind_);
  const auto send = [&](EVENT type) {
    DataDictionary event;
    event.Set(Id(kHeaderCellDragAndDropKey), Int{1});  // the Size header cell
    event.Set(EventKeys::EventType(), static_cast<Int32>(type));
    event.Set(EventKeys::Position(), Vector2d{(kind.left + kind.right) / 2.0, kind.top + 1.0});
    Result<bool> taken = graph_->HandleDragAndDrop(event);
    EXPECT_TRUE(taken.IsOk() && *taken);
    Update();
    return ColumnOrder();
  };
  EXPECT_EQ(send(EVENT::DND_ENTER), "Name, Size, Kind");
  EXPECT_EQ(send(EVENT::DND_DRAG), "Name, Size, Kind") << "moving over a column only asks";
  EXPECT_EQ(send(EVENT::DND_DROP), "Name, Kind, Size");
  ExpectHeadersOverTheirColumns();
}

}  // namespace
}  // namespace zarvo
