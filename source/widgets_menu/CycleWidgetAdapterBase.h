#pragma once
#include "host/core/Ref.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/CycleWidgetAdapterInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"

namespace zarvo {

// What the cycle widget's adapters share: the weak link to their cycle widget and the press
// on an item widget that selects the item.
class CycleWidgetAdapterBase : public virtual CycleWidgetAdapterInterface {
 public:
  void SetCycleWidget(const CycleWidgetRef& cycle) override { cycle_ = cycle; }
  // "Missing widget link" when no cycle widget is set or it is gone.
  [[nodiscard]] Result<CycleWidgetRef> GetCycleWidget() const { return cycle_.Resolve(); }

 protected:
  // A press on `button` selects item `index` in the cycle widget the adapter has then, and
  // tells the cycle widget's observers. The observer keeps the adapter alive.
  void ObserveItemPress(ButtonWidgetInterface& button, Int index);
  // Fails for an index outside 0 .. count-1.
  [[nodiscard]] Result<void> CheckIndex(Int index) const;
  void CopyCycleLink(const CycleWidgetAdapterBase& other) { cycle_ = other.cycle_; }

 private:
  WeakRef<CycleWidgetInterface> cycle_;
};

}  // namespace zarvo
