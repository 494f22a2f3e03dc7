#include "source/widgets_menu/MenuWindowImpl.h"

#include <cmath>

#include "host/core/ClassRegistry.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/PopupWindow.h"
#include "source/WidgetComponent.h"
#include "source/widgets_menu/MenuStyle.h"
#include "source/widgets_menu/MenuWidgetImpl.h"

namespace zarvo {

Result<void> MenuWindowImpl::Open(Vector2d position, const MenuItemRef& item, const AppWindowRef& commandWindow,
                                  const MenuWidgetRef& parentMenu) {
  parentMenu_ = WeakRef<MenuWidgetInterface>(parentMenu.Get());
  if (!commandWindow) return NullReferenceError("missing commandWindow");
  commandWindow_ = commandWindow;
  ZV_TRY_ASSIGN(window_, CreatePopupWindow(commandWindow->GetCanvas()));
  AppWidget& appWidget = *window_->GetHostAppWidget();
  ZV_TRY_ASSIGN(menu_, CreateObject<MenuWidgetInterface>(Id(kMenuWidgetClassId)));
  ZV_TRY(menu_->CreateLayout());
  ZV_TRY(appWidget.InsertChildLast(menu_));
  menu_->SetMenuMode(MENU_MODE::FLYOUT);
  ZV_TRY(menu_->SetMenu(item, commandWindow, MenuWindowRef(this)));
  ZV_TRY(appWidget.ComputeLayout());
  // Windows are whole pixels; rounding up keeps the menu's last row inside.
  const Vector2d natural = menu_->GetLocalPixSize();
  const Vector2d size{std::ceil(natural.x), std::ceil(natural.y)};
  CanvasInterface& canvas = *window_->GetCanvas();
  ZV_TRY(canvas.SetWindowPosition(position));
  ZV_TRY(canvas.SetWindowSize(size));
  ZV_TRY(appWidget.SetLocalSize(size.x, size.y));
  dynamic_cast<MenuWidgetImpl&>(*menu_).FillWidth();
  appWidget.SetBackgroundVisibility(true);
  appWidget.SetBackgroundColor(ReadStyle(*menu_, kMenuWindowColor));
  ZV_TRY(appWidget.SetFocusWidget(menu_.Get()));
  // Closed by the window system (a click outside): the parent menu drops the whole chain.
  canvas.ObservableClose()->AddObserver(this, [this](CanvasInterface*) -> Result<void> {
    MenuWidgetRef parent = parentMenu_.Lock();
    if (!parent) return Ok();
    if (dynamic_cast<MenuWidgetImpl&>(*parent).GetSubMenuWindow().Get() != this) return Ok();
    return parent->CloseSubMenuWindow(true);
  });
  return window_->Open();
}

Result<CommandState> MenuWindowImpl::QueryCommand(const Id& command) {
  if (!commandWindow_) return CommandState{};
  return commandWindow_->QueryCommand(command);
}

Result<void> MenuWindowImpl::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  if (!commandWindow_) return NotFoundError("No handler for command '" + command.GetString() + "'");
  return commandWindow_->ExecuteCommand(command, arguments);
}

Result<Bool> MenuWindowImpl::OpenModalDialog(const DataDictionary& settings, DataDictionary& results) {
  // A sub-menu asks on behalf of the window its commands go to.
  if (!commandWindow_) return NullReferenceError("missing commandWindow");
  return commandWindow_->OpenModalDialog(settings, results);
}

}  // namespace zarvo
