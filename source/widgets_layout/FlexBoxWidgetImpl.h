#pragma once
#include <vector>

#include "host/ui/WidgetBase.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/widgets_layout/FlexPlacement.h"

namespace zarvo {

// The flow container, and the base of the widgets that lay their items out as a flexbox.
class FlexBoxWidgetImpl : public WidgetBase, public virtual FlexBoxWidgetInterface {
 public:
  FlexBoxWidgetImpl();

  Result<void> CopyFrom(const ObjectInterface& source) override;

  Result<void> Resize(Int count) override;
  Result<void> Append() override;
  Int GetCount() const override { return count_; }
  Result<CellWidgetRef> GetCell(Int position) const override;
  Result<Int> GetIndex(const CellWidgetRef& cell) const override;
  Result<void> SetLayout(FLEXBOX_LAYOUT layout) override;
  FLEXBOX_LAYOUT GetLayout() const override { return layout_; }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<void> LayoutPass2() override;
  void VisitChildrenIn(const Rect& localArea, bool topmostFirst, FunctionRef<bool(WidgetInterface*)> visit) override;

  // The stored layout, mirrored in right-to-left mode.
  FLEXBOX_LAYOUT GetEffectiveLayout() const;

 protected:
  void HandleChildrenChanged() override;

 private:
  // A child as the placement sees it: cells are placed, anything else is a 0×0 item that stays
  // where it is.
  struct Item {
    WidgetBase* widget = nullptr;  // nullptr for a child that is not a widget
    bool isCell = false;
  };

  // Empties the index and the count, as a failed Resize leaves them.
  void ForgetCells();
  [[nodiscard]] Result<void> RebuildIndex();
  // Takes the children in hierarchy order into the item list and sizes the scratch arrays.
  [[nodiscard]] Result<void> CollectItems();
  bool CanCull() const;

  Int count_ = 0;
  // Position to cell, rebuilt by Resize from the hierarchy; empty references for other children.
  std::vector<CellWidgetRef> index_;
  FLEXBOX_LAYOUT layout_ = FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM;

  // Scratch of the placement, kept across layout runs so that a run allocates nothing while the
  // children stay the same. The children are held raw: a change of children marks them stale
  // before any of them can go away.
  std::vector<Item> items_;
  std::vector<uint32_t> freeItems_;  // indexes of the children that are not cells
  std::vector<Vector2d> sizes_;
  std::vector<Vector2d> positions_;
  std::vector<Vector2d> nextPositions_;  // the placement being made, compared with the last one
  std::vector<FlexLine> lines_;
  size_t lineCount_ = 0;
  FLEXBOX_LAYOUT placedLayout_ = FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM;
  bool itemsStale_ = true;
  // sizes_ and positions_ are what the cells have: a placement that only moves what moved
  // reads and writes no cell that stays where it is.
  bool cellsMatchScratch_ = false;
  // The last placement still describes where the children are.
  bool placementCurrent_ = false;
};

}  // namespace zarvo
