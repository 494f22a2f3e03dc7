#include "source/widgets_menu/MenuItemWidgetImpl.h"

#include "source/WidgetComponent.h"

namespace zarvo {

MenuItemWidgetImpl::MenuItemWidgetImpl()
    : begin_(MakeRef<MenuItemCursorObservable>()), end_(MakeRef<MenuItemCursorObservable>()) {}

Result<void> MenuItemWidgetImpl::InitComponent() {
  ZV_TRY(TableWidgetImpl::InitComponent());
  return InitObservables(this, {{begin_.Get(), "ObservableHandleCursorInfoBegin"},
                                {end_.Get(), "ObservableHandleCursorInfoEnd"}});
}

void MenuItemWidgetImpl::FreeComponent() {
  FreeObservables({begin_.Get(), end_.Get()});
  TableWidgetImpl::FreeComponent();
}

Result<void> MenuItemWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("MenuItemWidget");
  return Ok();
}

Result<void> MenuItemWidgetImpl::HandleCursorInfo(Vector2d position) {
  const bool inside = GetGlobalFrame().Contains(position);
  if (inside == hovered_) return Ok();
  hovered_ = inside;
  HandleHoverChanged(inside);
  RequestRedraw();
  const MenuItemWidgetRef self(this);
  return inside ? begin_->Notify(self) : end_->Notify(self);
}

}  // namespace zarvo
