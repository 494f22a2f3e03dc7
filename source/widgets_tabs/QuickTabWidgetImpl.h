#pragma once
#include <vector>

#include "source/WidgetComponent.h"
#include "source/interfaces/QuickTabSelectionPatternInterface.h"
#include "source/interfaces/QuickTabWidgetInterface.h"
#include "source/widgets_layout/FlexBoxWidgetImpl.h"

namespace zarvo {

inline constexpr char kQuickTabWidgetName[] = "QuickTabWidget";

// The quick tab: a flexbox with one cell per item holding the adapter's button for it. The
// buttons are inert; the quick tab takes the presses itself, and a drag from a press paints
// the state the press gave its tab onto every tab the pointer passes over.
class QuickTabWidgetImpl : public FlexBoxWidgetImpl, public virtual QuickTabWidgetInterface {
 public:
  QuickTabWidgetImpl() = default;

  Result<void> InitComponent() override;
  void FreeComponent() override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

  Result<void> SetItem(Int id, Bool select, Bool exclusive) override;
  Bool GetItem(Int id) const override;
  Result<void> SetAdapter(const QuickTabWidgetAdapterRef& adapter) override;
  Result<void> SetAdapter(const QuickTabWidgetAdapterRef& adapter, const std::vector<Int>& itemIds) override;
  QuickTabWidgetAdapterRef GetAdapter() const override { return adapter_; }
  void SetSelectMode(QUICKTAB_SELECT_MODE mode) override;
  QUICKTAB_SELECT_MODE GetSelectMode() const override { return mode_; }
  Int GetItemIdFromIndex(Int index) const override;
  Int GetIndexFromItemId(Int id) const override;
  Ref<QuickTabObservable> ObservableSelectionChanged() override {
    return selectionChanged_.Get(this, "ObservableSelectionChanged");
  }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  const QuickTabSelectionPatternRef& GetSelectionPattern() const noexcept { return pattern_; }

 private:
  // Items that have both an id and an adapter item.
  Int GetTabCount() const;
  // The index of the tab under a window position, or -1.
  [[nodiscard]] Result<Int> FindTab(Vector2d position) const;
  [[nodiscard]] Result<void> RebuildTabs();
  [[nodiscard]] Result<void> HighlightTabs();

  LazyObservable<QuickTabObservable> selectionChanged_;
  bool rebuild_ = false;
  QuickTabWidgetAdapterRef adapter_;
  std::vector<Int> itemIds_;
  QUICKTAB_SELECT_MODE mode_ = QUICKTAB_SELECT_MODE::SINGLE;
  QuickTabSelectionPatternRef pattern_;
  // The drag from a press: the state it paints and the tab it last painted.
  bool painting_ = false;
  bool paintSelected_ = false;
  Int paintedIndex_ = -1;
};

}  // namespace zarvo
