#pragma once
#include "source/interfaces/MenuItemWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// A menu row: a table that tells when the cursor enters and leaves it.
class MenuItemWidgetImpl : public TableWidgetImpl, public virtual MenuItemWidgetInterface {
 public:
  MenuItemWidgetImpl();
  Result<void> InitComponent() override;
  void FreeComponent() override;
  Result<void> CreateLayout() override;
  Result<void> HandleCursorInfo(Vector2d position) override;

  Ref<MenuItemCursorObservable> ObservableHandleCursorInfoBegin() override { return begin_; }
  Ref<MenuItemCursorObservable> ObservableHandleCursorInfoEnd() override { return end_; }
  bool IsHovered() const noexcept { return hovered_; }

 protected:
  // Hover feedback of the row itself, before the observers hear of it.
  virtual void HandleHoverChanged(bool) {}

 private:
  Ref<MenuItemCursorObservable> begin_;
  Ref<MenuItemCursorObservable> end_;
  bool hovered_ = false;
};

}  // namespace zarvo
