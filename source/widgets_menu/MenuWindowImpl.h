#pragma once
#include "host/ui/AppWindow.h"
#include "source/interfaces/MenuWindowInterface.h"

namespace zarvo {

// A fly-out sub-menu: a popup of the command window holding one vertical menu widget, placed
// at the given screen position and as large as the menu. Closing the popup from outside (a
// click elsewhere) lets the parent menu forget it.
class MenuWindowImpl : public virtual MenuWindowInterface {
 public:
  Result<void> Open(Vector2d position, const MenuItemRef& item, const AppWindowRef& commandWindow,
                    const MenuWidgetRef& parentMenu) override;
  MenuWidgetRef GetParentMenuWidget() const override { return parentMenu_.Lock(); }

  CanvasInterface* GetCanvas() const override { return window_ ? window_->GetCanvas() : nullptr; }
  AppWidgetInterface* GetAppWidget() const override { return window_ ? window_->GetAppWidget() : nullptr; }
  Result<CommandState> QueryCommand(const Id& command) override;
  Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) override;
  Result<Bool> OpenModalDialog(const DataDictionary& settings, DataDictionary& results) override;
  Result<void> Update() override { return window_ ? window_->Update() : Ok(); }
  Ref<AppWindowObservable> ObservableRequestClose() override {
    return window_ ? window_->ObservableRequestClose() : Ref<AppWindowObservable>();
  }

  const Ref<AppWindow>& GetPopupWindow() const noexcept { return window_; }
  const MenuWidgetRef& GetMenuWidget() const noexcept { return menu_; }

 private:
  WeakRef<MenuWidgetInterface> parentMenu_;
  AppWindowRef commandWindow_;
  Ref<AppWindow> window_;
  MenuWidgetRef menu_;
};

}  // namespace zarvo
