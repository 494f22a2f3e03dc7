#include "source/Desktop2dWindowImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/ModalDialogs.h"
#include "source/WidgetComponent.h"

namespace zarvo {

Desktop2dWindowImpl::Desktop2dWindowImpl() : requestClose_(MakeRef<AppWindowObservable>()) {}

Result<void> Desktop2dWindowImpl::InitComponent() {
  ZV_TRY(InitObservables(this, {{requestClose_.Get(), "ObservableRequestClose"}}));
  ZV_TRY_ASSIGN(popupMenuRoot_, CreateObject<RootMenuItemInterface>(Id(kRootMenuItemClassId)));
  return Ok();
}

void Desktop2dWindowImpl::FreeComponent() { FreeObservables({requestClose_.Get()}); }

Result<void> Desktop2dWindowImpl::CreateWindow(const Rect& screenFrame, const String& title) {
  return CreateWindowOfClass(WindowClass::Window(), screenFrame, title);
}

Result<void> Desktop2dWindowImpl::CreateWindowOfClass(const Id& windowClass, const Rect& screenFrame,
                                                      const String& title) {
  ZV_TRY_ASSIGN(window_, AppWindow::Create(windowClass, screenFrame, title));
  // The user's close request goes to this window's observers first.
  window_->ObservableRequestClose()->AddObserver(
      this, [this](AppWindowInterface*) -> Result<void> { return requestClose_->Notify(this); });
  // A requested menu close is carried out after the redraw it asked for.
  window_->GetCanvas()->ObservableRedraw()->AddObserver(this, [this](CanvasInterface*) -> Result<void> {
    if (!closeMenuRequested_) return Ok();
    closeMenuRequested_ = false;
    return ClosePopupMenu();
  });
  return Ok();
}

Result<void> Desktop2dWindowImpl::OpenPopupMenu(Vector2d position) {
  ZV_TRY(ClosePopupMenu());
  popupMenu_ = MenuWidgetRef();
  MenuItemRef first = popupMenuRoot_ ? FirstMenuChild(popupMenuRoot_.Get()) : MenuItemRef();
  if (!first) return Ok();
  Result<MenuWidgetRef> menu = CreateObject<MenuWidgetInterface>(Id(kMenuWidgetClassId));
  if (!menu.IsOk()) return menu.GetError();
  popupMenu_ = *menu;
  if (Result<void> laid = popupMenu_->CreateLayout(); !laid.IsOk()) {
    popupMenu_ = MenuWidgetRef();
    return laid;
  }
  return popupMenu_->OpenSubMenuWindow(position, first, AppWindowRef(this));
}

Result<void> Desktop2dWindowImpl::ClosePopupMenu() {
  if (!popupMenu_) return Ok();
  ZV_TRY(popupMenu_->CloseSubMenuWindow(true));
  popupMenu_ = MenuWidgetRef();
  return Ok();
}

void Desktop2dWindowImpl::RequestCloseMenu() {
  closeMenuRequested_ = true;
  if (CanvasInterface* canvas = GetCanvas()) canvas->RequestRedraw();
}

Result<CommandState> Desktop2dWindowImpl::QueryCommand(const Id& command) {
  if (!window_) return CommandState{};
  return window_->QueryCommand(command);
}

Result<void> Desktop2dWindowImpl::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  if (!window_) return NotFoundError("No handler for command '" + command.GetString() + "'");
  return window_->ExecuteCommand(command, arguments);
}

Result<Bool> Desktop2dWindowImpl::OpenModalDialog(const DataDictionary& settings, DataDictionary& results) {
  Ref<AppWindowInterface> keep(this);
  return ModalDialogs::Get().Run(*this, settings, results);
}

}  // namespace zarvo
