#pragma once
#include <vector>

#include "host/core/Ref.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/QuickTabWidgetAdapterInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

// What the quick tab's adapters share: the tab look of the buttons they make and its change
// with the selection. The adapter knows the last button made per item only weakly, since the
// quick tab owns its tabs.
class QuickTabWidgetAdapterBase : public virtual QuickTabWidgetAdapterInterface {
 public:
  Result<void> HighlightItem(Int index, Bool selected) override;

 protected:
  // Pads the button, gives it the unselected look and remembers it as item `index`'s tab.
  [[nodiscard]] Result<WidgetRef> AdoptTab(Int index, const ButtonWidgetRef& button, const TextWidgetRef& label);
  // Fails for an index outside 0 .. count-1.
  [[nodiscard]] Result<void> CheckIndex(Int index) const;

 private:
  struct Tab {
    WeakRef<ButtonWidgetInterface> button;
    WeakRef<TextWidgetInterface> label;
  };
  std::vector<Tab> tabs_;
};

}  // namespace zarvo
