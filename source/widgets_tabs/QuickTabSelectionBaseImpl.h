#pragma once
#include <unordered_set>
#include <vector>

#include "source/interfaces/QuickTabSelectionPatternInterface.h"
#include "source/interfaces/QuickTabWidgetInterface.h"

namespace zarvo {

// The selection set of a quick tab: item ids, changed item by item or over a range of tabs.
// Gestures are left to the pattern built on it; here they change nothing.
class QuickTabSelectionBaseImpl : public virtual QuickTabSelectionPatternInterface {
 public:
  Result<void> CopyFrom(const ObjectInterface& source) override;

  void SetQuickTabWidget(const QuickTabWidgetRef& widget) override { widget_ = widget; }
  Bool IsSelected(Int id) const override { return ids_.contains(id); }

  void MouseInit() override {}
  Result<void> MouseDown(const QuickTabItemRef&, const QuickTabItemRef&, SELECTION_MODE) override { return Ok(); }
  Result<void> MouseUp(Bool) override { return Ok(); }
  void MouseCancel() override {}
  Result<void> SelectItem(const QuickTabItemRef& item, SELECTION_MODE mode) override;
  Result<void> SelectItemSet(const std::vector<QuickTabItemRef>& items, SELECTION_MODE mode) override;
  // The tabs between the two items in the linked quick tab; an item it does not hold (or no
  // `to`) narrows the range to `from`.
  Result<void> SelectItemsFromTo(const QuickTabItemRef& from, const QuickTabItemRef& to, SELECTION_MODE mode) override;
  // In no particular order.
  Result<std::vector<QuickTabItemRef>> GetCurrentSelection() const override;

 private:
  // NEW is applied by the callers, which empty the set once for a whole group.
  [[nodiscard]] Result<void> Apply(Int id, SELECTION_MODE mode);

  std::unordered_set<Int> ids_;
  WeakRef<QuickTabWidgetInterface> widget_;
};

}  // namespace zarvo
