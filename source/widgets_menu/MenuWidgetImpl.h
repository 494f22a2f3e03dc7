#pragma once
#include <vector>

#include "source/interfaces/CommandMenuItemInterface.h"
#include "source/interfaces/MenuItemWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// A menu bar or a vertical menu. The vertical menu tracks the row under the cursor: moving
// onto a folder opens its sub-menu beside the row, moving onto another row closes it. Commands
// go to the command window, after which the whole chain of menus closes.
class MenuWidgetImpl : public TableWidgetImpl, public virtual MenuWidgetInterface {
 public:
  Result<void> CreateLayout() override;
  Result<void> SetMenu(const MenuItemRef& root, const AppWindowRef& commandWindow,
                       const MenuWindowRef& hostWindow) override;
  void SetMenuMode(MENU_MODE mode) override { mode_ = mode; }
  MENU_MODE GetMenuMode() const override { return mode_; }
  Result<void> OpenSubMenuWindow(Vector2d position, const MenuItemRef& item, const AppWindowRef& commandWindow) override;
  Result<void> CloseSubMenuWindow(Bool clearOpen) override;
  Bool GetMenuWindowOpen() const override { return static_cast<bool>(subMenuWindow_); }
  MenuWindowRef GetParentMenuWindow() const override { return parentMenuWindow_.Lock(); }
  Bool MenuHit(Vector2d point) const override;

  Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  // The open sub-menu window and the row under the cursor, for tests and the host loop.
  const MenuWindowRef& GetSubMenuWindow() const noexcept { return subMenuWindow_; }
  MenuItemWidgetRef GetHoverRow() const { return hoverRow_.Lock(); }
  // Once the menu is measured at its natural width, its groups and rows take the width of the
  // widest, so that highlights and arrows reach across the whole menu.
  void FillWidth();
  // The menu at the top of the chain this one belongs to.
  MenuWidgetRef GetTopMenu();

 private:
  [[nodiscard]] Result<void> BuildBar();
  [[nodiscard]] Result<void> BuildFlyout();
  [[nodiscard]] Result<void> HandleRowEntered(const MenuItemWidgetRef& row);
  // The host's popup-menu dialog in place of a sub-menu window; runs the chosen item's command.
  [[nodiscard]] Result<void> OpenHostPopupMenu(Vector2d position, const MenuItemRef& item,
                                               const AppWindowRef& commandWindow);
  // Asks the command window for the current state of every command under `item`.
  void RefreshCommands(MenuItemInterface* item);

  MENU_MODE mode_ = MENU_MODE::DROPDOWN;
  AppWindowRef commandWindow_;
  WeakRef<MenuWindowInterface> parentMenuWindow_;
  MenuItemRef root_;
  WeakRef<MenuItemWidgetInterface> hoverRow_;
  MenuWindowRef subMenuWindow_;
  MenuItemRef subMenuItem_;
  bool subMenuOpen_ = false;
};

}  // namespace zarvo
