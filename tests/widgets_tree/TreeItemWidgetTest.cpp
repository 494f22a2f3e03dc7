#include <gtest/gtest.h>

#include "host/ui/AppWindow.h"
#include "source/interfaces/DummyItemInterface.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"
#include "source/widgets_layout/TreeGraphWidgetImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

class TreeItemWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    graph_ = test::NewObject<TreeGraphWidgetInterface>(kTreeGraphWidgetClassId);
    ASSERT_TRUE(graph_->CreateLayout().IsOk());
    Result<TreeItemWidgetRef> item = graph_->CreateTreeItemAfter(TreeItemWidgetRef());
    ASSERT_TRUE(item.IsOk());
    item_ = *item;
    Result<TreeItemWidgetRef> child = graph_->CreateTreeItemAsFirstChildOf(item_);
    ASSERT_TRUE(child.IsOk());
    child_ = *child;
  }

  TreeGraphWidgetRef graph_;
  TreeItemWidgetRef item_;
  TreeItemWidgetRef child_;
};

TEST_F(TreeItemWidgetTest, AnItemIsALevelAFolderAndACustomCell) {
  Result<CellWidgetRef> level = child_->GetCustomCell();
  ASSERT_TRUE(level.IsOk()) << "an item gets its cells when asked for them";
  EXPECT_EQ(child_->GetName(), "TreeItemWidget");
  EXPECT_EQ(child_->GetCountX(), 3);
  EXPECT_EQ((*child_->GetLevelCell())->GetName(), "TreeItem level cell");
  EXPECT_EQ((*child_->GetFolderCell())->GetName(), "TreeItem folder cell");
  EXPECT_EQ((*child_->GetCustomCell())->GetName(), "TreeItem custom cell");
  Result<TreeLevelWidgetRef> levelWidget = child_->GetLevelWidget();
  ASSERT_TRUE(levelWidget.IsOk());
  EXPECT_EQ((*levelWidget)->GetLevel(), 1);
  EXPECT_EQ((*levelWidget)->GetName(), "TreeLevelWidget @1");
  Result<CheckboxWidgetRef> triangle = child_->GetFolderWidget();
  ASSERT_TRUE(triangle.IsOk());
  EXPECT_EQ((*triangle)->GetSymbol(), CHECKBOX_SYMBOL::TRIANGLE);
  EXPECT_TRUE((*triangle)->GetState()) << "open";
  EXPECT_EQ((*levelWidget)->SetLevel(-1).GetError().GetKind(), ErrorKind::kIllegalArgument);
}

TEST_F(TreeItemWidgetTest, InverseMirrorsTheCellsAtTheNextLayoutSwitch) {
  ASSERT_TRUE(child_->CreateLayout().IsOk());
  ASSERT_TRUE(child_->SetInverse(true).IsOk());
  EXPECT_TRUE(child_->GetInverse());
  ASSERT_TRUE(child_->HandleSwitchLayout().IsOk());
  Result<CellWidgetRef> first = child_->GetCell(0, 0);
  ASSERT_TRUE(first.IsOk());
  EXPECT_EQ((*first)->GetName(), "TreeItem custom cell");
  ASSERT_TRUE(graph_->SetInverseMode(true).IsOk());
  EXPECT_TRUE(item_->GetInverse()) << "the graph's inverse mode reaches its items";
}

TEST_F(TreeItemWidgetTest, TheOpenStateIsItsSerialData) {
  Result<DataDictionary> data = item_->GetSerialData();
  ASSERT_TRUE(data.IsOk());
  DataDictionary closed;
  closed.Set(Id("net.zarvo.mvp.treeitem.open"), Bool{false});
  ASSERT_TRUE(item_->SetSerialData(closed).IsOk());
  EXPECT_FALSE(item_->GetOpen());
  EXPECT_TRUE(item_->IsSerialDirty());
}

TEST_F(TreeItemWidgetTest, ADummyAndItsItemPointAtEachOther) {
  DummyItemRef dummy = test::NewObject<DummyItemInterface>(kDummyItemClassId);
  ASSERT_TRUE(dummy->CreateLayout().IsOk());
  EXPECT_EQ(dummy->GetName(), "DummyWidget");
  ASSERT_TRUE(dummy->SetTreeItem(item_).IsOk());
  EXPECT_EQ(item_->GetDummyItem(), dummy);
  EXPECT_EQ(*dummy->GetTreeItem(), item_);
  item_->SetDummyItem(DummyItemRef());
  Result<TreeItemWidgetRef> broken = dummy->GetTreeItem();
  ASSERT_FALSE(broken.IsOk());
  EXPECT_EQ(broken.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(broken.GetError().GetMessage(), "connection between dummy and item broken");
}

TEST_F(TreeItemWidgetTest, AnItemOutsideAGraphKeepsItsStateButHasNoPlace) {
  TreeItemWidgetRef loose = test::NewObject<TreeItemWidgetInterface>(kTreeItemWidgetClassId);
  ASSERT_TRUE(loose->CreateLayout().IsOk());
  ASSERT_TRUE(loose->SetOpen(false).IsOk());
  EXPECT_FALSE(loose->GetOpen());
  EXPECT_EQ(loose->GetRow().GetError().GetMessage(), "Invalid treeitem");
  EXPECT_EQ(loose->GetParentItem().GetError().GetMessage(), "Invalid treeitem");
  EXPECT_EQ(graph_->MoveItem(loose, item_, TREE_INSERT_MODE::AFTER).GetError().GetMessage(), "Invalid treeitem");
}

TEST_F(TreeItemWidgetTest, TheHeaderRowHasACellPerVisibleColumn) {
  const Id left("test.left"), right("test.right");
  EXPECT_EQ(graph_->GetHeaderTextWidget(graph_->GetTreeColumnId()).GetError().GetMessage(), "No header cell widget");
  ASSERT_TRUE(graph_->SetColumns({left}, {right}).IsOk());
  ASSERT_TRUE(graph_->SetColumnVisibility(right, false).IsOk());
  graph_->SetAllowHeaderResizing(true);
  ASSERT_TRUE(graph_->AddHeaderRow().IsOk());
  EXPECT_TRUE(graph_->HasHeaderRow());
  ASSERT_TRUE(graph_->GetHeaderTextWidget(left).IsOk());
  ASSERT_TRUE(graph_->GetHeaderTextWidget(graph_->GetTreeColumnId()).IsOk());
  EXPECT_EQ(graph_->GetHeaderTextWidget(right).GetError().GetMessage(), "No header cell widget") << "hidden";
  auto* header = dynamic_cast<TableWidgetInterface*>(graph_->GetFirstChildWidget());
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->GetCountX(), 2);
  Result<CellWidgetRef> cell = header->GetCell(0, 0);
  ASSERT_TRUE(cell.IsOk());
  auto* headerCell = dynamic_cast<HeaderCellWidgetInterface*>(cell->Get());
  ASSERT_NE(headerCell, nullptr);
  EXPECT_TRUE(headerCell->GetAllowResizing());
  graph_->SetAllowHeaderRearranging(true);
  EXPECT_TRUE(headerCell->GetAllowRearranging()) << "passed on to the header cells";
  ASSERT_TRUE(graph_->DeleteHeaderRow().IsOk());
  EXPECT_FALSE(graph_->HasHeaderRow());
}

TEST_F(TreeItemWidgetTest, HidingAColumnHidesItsCellsInShownRowsOnly) {
  const Id extra("test.extra");
  ASSERT_TRUE(graph_->SetColumns({}, {extra}).IsOk());
  Result<CellWidgetRef> childExtra = graph_->GetCellFromId(extra, 1);
  ASSERT_TRUE(childExtra.IsOk());
  ASSERT_TRUE(item_->SetOpen(false).IsOk());
  auto& impl = dynamic_cast<TreeGraphWidgetImpl&>(*graph_);
  ASSERT_TRUE(impl.LayoutBegin().IsOk());
  ASSERT_TRUE(impl.LayoutPass2().IsOk());
  EXPECT_FALSE((*childExtra)->GetLocalVisibility()) << "the child's row is folded";
  ASSERT_TRUE(graph_->SetColumnVisibility(extra, false).IsOk());
  EXPECT_FALSE(*graph_->GetColumnVisibility(extra));
  ASSERT_TRUE(graph_->SetColumnVisibility(extra, true).IsOk());
  EXPECT_FALSE((*childExtra)->GetLocalVisibility()) << "showing the column does not show a folded row";
  Result<CellWidgetRef> itemExtra = graph_->GetCellFromId(extra, 0);
  ASSERT_TRUE(itemExtra.IsOk());
  EXPECT_TRUE((*itemExtra)->GetLocalVisibility());
}

}  // namespace
}  // namespace zarvo
