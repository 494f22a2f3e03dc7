#pragma once
#include "host/core/Ref.h"
#include "source/interfaces/AreaWidgetInterface.h"
#include "source/interfaces/BasePanZoomActionInterface.h"
#include "source/widgets_layout/AreaMath.h"

namespace zarvo {

// What the pan and zoom actions share: the weak link to their area, the pointer and the view
// at the start, and a cancel that puts the view back. On its own it starts and does nothing.
class BasePanZoomAction : public virtual BasePanZoomActionInterface {
 public:
  void SetActionWidget(WidgetInterface* widget) override { widget_ = WeakRef<WidgetInterface>(widget); }
  WidgetRef GetActionWidget() const override { return widget_.Lock(); }

  // Links the widget Begin is given when none was set before.
  Result<bool> Begin(WidgetInterface* widget, const DataDictionary& event) override;
  // Allowed on any event; remembers that it was asked.
  bool GetAllowed(const DataDictionary&) const override {
    allowed_ = true;
    return true;
  }
  bool WasAllowed() const noexcept { return allowed_; }
  Result<void> While(const DataDictionary&) override { return Ok(); }
  Result<void> End(const DataDictionary&) override { return Ok(); }
  Result<void> Cancel() override;
  Result<void> DrawAction(CanvasInterface&) override { return Ok(); }

 protected:
  // The area the action works on; "Missing widget link" when it went away or is no area.
  [[nodiscard]] Result<AreaWidgetRef> ResolveArea() const;
  Vector2d GetStartPosition() const noexcept { return startPosition_; }
  const AreaView& GetStartView() const noexcept { return startView_; }
  // Puts the area back into the view it had at the start.
  [[nodiscard]] Result<void> RestoreStartView() const;

 private:
  WeakRef<WidgetInterface> widget_;
  mutable bool allowed_ = false;
  Vector2d startPosition_;
  AreaView startView_;
};

}  // namespace zarvo
