#pragma once
#include "source/interfaces/FolderCellWidgetInterface.h"
#include "source/interfaces/TreeItemWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"
#include "source/widgets_layout/TreeRows.h"

namespace zarvo {

class TreeGraphWidgetImpl;

// A tree item: a one-row table of level cell, folder cell and custom cell. Its place in the
// tree and its open and filtered state live in its graph's records, so that an item nobody
// holds can go while its row is out of view and a new one stand for it later; an item made
// outside a graph keeps that state itself.
class TreeItemWidgetImpl : public TableWidgetImpl, public virtual TreeItemWidgetInterface {
 public:
  ~TreeItemWidgetImpl() override;

  Result<void> SetOpen(Bool open) override;
  Result<void> SetOpen2(Bool open) override;
  Bool GetOpen() const override { return State().Has(TreeRow::kOpen); }
  Result<Int> GetRow() const override;
  Int GetLevel() const override { return State().level; }
  Result<void> UpdateLevel() override;
  Result<void> SetFiltered(Bool filtered) override;
  Bool GetFiltered() const override { return State().Has(TreeRow::kFiltered); }
  Result<void> SetInverse(Bool inverse) override;
  Bool GetInverse() const override { return inverse_; }
  Result<TreeLevelWidgetRef> GetLevelWidget() const override;
  Result<CheckboxWidgetRef> GetFolderWidget() const override;
  Result<CellWidgetRef> GetLevelCell() const override;
  Result<CellWidgetRef> GetFolderCell() const override;
  Result<CellWidgetRef> GetCustomCell() const override;
  Result<TreeGraphWidgetRef> GetTreeGraph() const override;
  Result<TreeItemWidgetRef> GetParentItem() const override;
  Result<TreeItemWidgetRef> GetFirstChildItem() const override;
  Result<TreeItemWidgetRef> GetNextItem() const override;
  Result<TreeItemWidgetRef> GetPrevItem() const override;
  void SetDummyItem(const DummyItemRef& dummy) override { dummy_ = WeakRef<DummyItemInterface>(dummy); }
  DummyItemRef GetDummyItem() const override { return dummy_.Lock(); }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  bool IsSerialDirty() const override;
  void ResetSerialDirty() override;
  Result<void> SetSerialData(const DataDictionary& data) override;
  Result<DataDictionary> GetSerialData() const override;

  // The graph's side: which record this item stands for (nullptr: none).
  void Bind(TreeGraphWidgetImpl* graph, int32_t record);
  void Unbind();
  int32_t GetRecord() const noexcept { return record_; }
  TreeGraphWidgetImpl* GetGraph() const noexcept { return graph_; }
  // Shows the triangle when the item has children, in the item's open state.
  void ShowTriangle(bool hasChildren);
  // The custom cell without telling the graph that the application reached it.
  CellWidgetInterface* PeekCustomCell() const { return customCell_.Lock().Get(); }

 private:
  // An item of a graph gets its cells when first asked for them: most items of a large tree
  // never are.
  [[nodiscard]] Result<void> EnsureLayout() const;
  const TreeRow& State() const;
  TreeRow& State();
  [[nodiscard]] Result<void> StoreOpen(Bool open);
  [[nodiscard]] Result<TreeItemWidgetRef> Neighbour(int32_t TreeRow::*link) const;

  TreeGraphWidgetImpl* graph_ = nullptr;  // the graph tells the item when it goes
  int32_t record_ = TreeRows::kNone;
  TreeRow own_{-1, -1, -1, -1, 0, -1, 0, TreeRow::kOpen};  // the state of an item outside a graph
  bool inverse_ = false;
  bool arrangedInverse_ = false;
  bool settingTriangle_ = false;
  WeakRef<DummyItemInterface> dummy_;
  WeakRef<TreeLevelWidgetInterface> level_;
  WeakRef<CheckboxWidgetInterface> triangle_;
  WeakRef<CellWidgetInterface> levelCell_;
  WeakRef<CellWidgetInterface> folderCell_;
  WeakRef<CellWidgetInterface> customCell_;
};

}  // namespace zarvo
