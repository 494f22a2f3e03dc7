#pragma once
#include "source/widgets_tabs/QuickTabSelectionBaseImpl.h"

namespace zarvo {

// The quick tab's gestures on top of the selection set. A press on an unselected item that
// adds to the selection acts at once, so that the user sees it under the pointer; a press that
// removes, toggles or spans a range waits for the release, which a drag may cancel.
class QuickTabSelectionImpl : public QuickTabSelectionBaseImpl {
 public:
  Result<void> CopyFrom(const ObjectInterface& source) override;

  void MouseInit() override;
  Result<void> MouseDown(const QuickTabItemRef& item, const QuickTabItemRef& anchor, SELECTION_MODE mode) override;
  Result<void> MouseUp(Bool cancelled) override;
  void MouseCancel() override { MouseInit(); }

  bool IsDeferred() const noexcept { return deferred_; }

 private:
  WeakRef<QuickTabItemInterface> item_;
  WeakRef<QuickTabItemInterface> anchor_;
  SELECTION_MODE mode_ = SELECTION_MODE::NEW;
  bool wasSelected_ = false;
  bool deferred_ = false;
};

}  // namespace zarvo
