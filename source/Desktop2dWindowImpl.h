#pragma once
#include "host/ui/AppWindow.h"
#include "source/interfaces/Desktop2dWindowInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"

namespace zarvo {

// Wraps a host app window; everything but the popup menu is the host window's.
class Desktop2dWindowImpl : public virtual Desktop2dWindowInterface {
 public:
  Desktop2dWindowImpl();
  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> CreateWindow(const Rect& screenFrame, const String& title) override;
  // The same with an OS window of the given class (a dialog's, for modal dialogs).
  [[nodiscard]] Result<void> CreateWindowOfClass(const Id& windowClass, const Rect& screenFrame, const String& title);
  RootMenuItemRef GetPopupMenuRoot() const override { return popupMenuRoot_; }
  Result<void> OpenPopupMenu(Vector2d position) override;
  Result<void> ClosePopupMenu() override;
  void RequestCloseMenu() override;
  Ref<AppWindowObservable> ObservableRequestClose() override { return requestClose_; }

  CanvasInterface* GetCanvas() const override { return window_ ? window_->GetCanvas() : nullptr; }
  AppWidgetInterface* GetAppWidget() const override { return window_ ? window_->GetAppWidget() : nullptr; }
  Result<CommandState> QueryCommand(const Id& command) override;
  Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) override;
  Result<Bool> OpenModalDialog(const DataDictionary& settings, DataDictionary& results) override;
  Result<void> Update() override { return window_ ? window_->Update() : Ok(); }

  const Ref<AppWindow>& GetHostWindow() const noexcept { return window_; }
  const MenuWidgetRef& GetPopupMenuWidget() const noexcept { return popupMenu_; }

 private:
  Ref<AppWindowObservable> requestClose_;
  MenuWidgetRef popupMenu_;
  RootMenuItemRef popupMenuRoot_;
  bool closeMenuRequested_ = false;
  Ref<AppWindow> window_;
};

}  // namespace zarvo
