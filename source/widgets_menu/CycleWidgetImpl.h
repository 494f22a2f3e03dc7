#pragma once
#include <vector>

#include "source/interfaces/CycleDropdownWindowInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/widgets_base/ButtonWidgetImpl.h"

namespace zarvo {

// The cycle widget: a button holding a two-cell table, the selected item's widget (a
// non-interactive copy made by the adapter) and a down arrow. A left click or Enter toggles
// the drop-down list; the wheel, magnify and the arrow and page keys step the selection,
// skipping separators.
class CycleWidgetImpl : public ButtonWidgetImpl, public virtual CycleWidgetInterface {
 public:
  CycleWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

  Result<void> SetItem(Int itemId, Bool notify) override;
  Int GetItem() const override { return currentItem_; }
  Result<void> SetAdapter(const CycleWidgetAdapterRef& adapter) override;
  Result<void> SetAdapter(const CycleWidgetAdapterRef& adapter, const std::vector<Int>& itemIds) override;
  CycleWidgetAdapterRef GetAdapter() const override { return adapter_; }
  Result<void> SetDropdownWindowOpen(Bool open) override;
  Int GetItemIdFromIndex(Int index) const override;
  Int GetIndexFromItemId(Int itemId) const override;
  Ref<CycleItemObservable> ObservableItemChanged() override { return itemChanged_; }

  Result<void> CreateLayout() override;
  Result<void> LayoutPass2() override;
  Result<void> HandleSwitchLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;
  Result<void> DrawHighlight() override { return Ok(); }

  // Whether the widget takes its drop-down to be open, and the window it opened.
  bool IsDropdownWindowOpen() const noexcept { return dropdownOpen_; }
  const CycleDropdownWindowRef& GetDropdownWindow() const noexcept { return dropdown_; }
  const std::vector<Int>& GetItemIds() const noexcept { return itemIds_; }

 private:
  // Moves the selection one selectable entry up (-1) or down (+1); false when there is none.
  [[nodiscard]] Result<bool> Step(Int step);
  [[nodiscard]] Result<CellWidgetRef> GetItemCell() const;

  Ref<CycleItemObservable> itemChanged_;
  Int currentItem_ = 0;
  bool dropdownOpen_ = false;
  bool adapterChanged_ = false;
  CycleDropdownWindowRef dropdown_;
  CycleWidgetAdapterRef adapter_;
  std::vector<Int> itemIds_;
  WeakRef<TableWidgetInterface> table_;
};

}  // namespace zarvo
