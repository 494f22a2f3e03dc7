#include "source/widgets_menu/PopupMenuDialog.h"

#include <optional>

#include "host/core/ClassRegistry.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/ModalDialogs.h"
#include "host/ui/OsWindow.h"
#include "source/interfaces/CommandMenuItemInterface.h"
#include "source/interfaces/MenuWindowInterface.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"

namespace zarvo {

namespace {

// Stands in for the owner as the menus' command window: questions go to the owner, a command
// is only remembered, and the dialog ends.
class PopupMenuChoice final : public virtual AppWindowInterface {
 public:
  explicit PopupMenuChoice(AppWindowInterface& owner) : owner_(&owner) {}

  CanvasInterface* GetCanvas() const override { return owner_->GetCanvas(); }
  AppWidgetInterface* GetAppWidget() const override { return owner_->GetAppWidget(); }
  Result<CommandState> QueryCommand(const Id& command) override { return owner_->QueryCommand(command); }
  Result<void> ExecuteCommand(const Id& command, const DataDictionary&) override {
    if (!chosen_) chosen_ = command;
    EndSession();
    return Ok();
  }
  Result<Bool> OpenModalDialog(const DataDictionary& settings, DataDictionary& results) override {
    return owner_->OpenModalDialog(settings, results);
  }
  Result<void> Update() override { return owner_->Update(); }
  Ref<AppWindowObservable> ObservableRequestClose() override { return owner_->ObservableRequestClose(); }

  void SetWindow(const MenuWindowRef& window) { window_ = window; }
  const std::optional<Id>& GetChosen() const noexcept { return chosen_; }

  // Closes the popup and its fly-outs after the event that asked, which their widgets are
  // still handling.
  void EndSession() {
    GetMainThreadQueue().Enqueue([window = window_] {
      auto* impl = dynamic_cast<MenuWindowImpl*>(window.Get());
      if (!impl || !impl->GetPopupWindow()) return;
      if (const MenuWidgetRef& menu = impl->GetMenuWidget()) (void)menu->CloseSubMenuWindow(true);
      (void)impl->GetPopupWindow()->Close();
    });
  }

 private:
  AppWindowRef owner_;
  MenuWindowRef window_;
  std::optional<Id> chosen_;
};

// The first command item under `item` that runs `command`.
CommandMenuItemRef FindCommandItem(MenuItemInterface* item, const Id& command) {
  for (MenuItemRef child = FirstMenuChild(item); child; child = NextMenuSibling(child.Get())) {
    if (auto entry = Cast<CommandMenuItemInterface>(child)) {
      if (CommandRef runs = entry->GetCommand(); runs && runs->GetId() == command) return entry;
    }
    if (CommandMenuItemRef found = FindCommandItem(child.Get(), command)) return found;
  }
  return CommandMenuItemRef();
}

}  // namespace

Result<Bool> RunPopupMenuDialog(AppWindowInterface& owner, const DataDictionary& settings, DataDictionary& results) {
  ZV_TRY_ASSIGN(const Vector2d position, settings.GetRequired<Vector2d>(Id(kPopupMenuPositionKey)));
  ZV_TRY_ASSIGN(const ObjectRef object, settings.GetRequired<ObjectRef>(Id(kPopupMenuItemKey)));
  const MenuItemRef item = Cast<MenuItemInterface>(object);
  if (!item) return IllegalArgumentError("The popup menu needs a menu item");
  const AppWindowRef keepOwner(&owner);
  const Ref<PopupMenuChoice> choice(new PopupMenuChoice(owner));
  ZV_TRY_ASSIGN(const MenuWindowRef window, CreateObject<MenuWindowInterface>(Id(kMenuWindowClassId)));
  choice->SetWindow(window);
  ZV_TRY(window->Open(position, item, AppWindowRef(choice), MenuWidgetRef()));
  const Ref<AppWindow> popup = dynamic_cast<MenuWindowImpl&>(*window).GetPopupWindow();
  // The top menu has no parent to hand Escape to: it ends the dialog.
  popup->GetCanvas()->ObservableEvent()->AddObserver(
      // Weak: the choice holds the window whose canvas keeps this observer.
      [weak = WeakRef<PopupMenuChoice>(choice.Get())](CanvasInterface*, const DataDictionary& event) -> Result<void> {
        EventReader reader(&event);
        if (reader.GetType().ValueOr(EVENT::MOUSE_MOVE) != EVENT::KEYBOARD_KEY_DOWN ||
            reader.GetKey().ValueOr(0) != KEY::ESCAPE) {
          return Ok();
        }
        if (Ref<PopupMenuChoice> choice = weak.Lock()) choice->EndSession();
        return Ok();
      });
  const Result<void> session = popup->GetHostCanvas()->GetOsWindow()->PerformModalDialogSession();
  // Whatever ended the session, no menu window stays behind.
  if (const MenuWidgetRef& menu = dynamic_cast<MenuWindowImpl&>(*window).GetMenuWidget()) {
    ZV_TRY(menu->CloseSubMenuWindow(true));
  }
  if (popup->IsOpen()) ZV_TRY(popup->Close());
  ZV_TRY(session);
  if (!choice->GetChosen()) return false;
  CommandMenuItemRef chosen = FindCommandItem(item.Get(), *choice->GetChosen());
  if (!chosen) return false;
  results.Set(Id(kPopupMenuSelectedItemKey), ObjectRef(chosen));
  return true;
}

void InstallPopupMenuDialog() { ModalDialogs::Get().SetDialog(MODAL_DIALOG_TYPE::POPUP_MENU, &RunPopupMenuDialog); }

void RemovePopupMenuDialog() { ModalDialogs::Get().SetDialog(MODAL_DIALOG_TYPE::POPUP_MENU, {}); }

}  // namespace zarvo
