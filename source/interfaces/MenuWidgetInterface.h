#pragma once
#include <cstdint>

#include "host/ui/AppWindowInterface.h"
#include "source/interfaces/MenuItemInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kMenuWidgetClassId[] = "net.zarvo.mvp.widgetclasses.menu";
inline constexpr char kMenuWidgetInterfaceId[] = "net.zarvo.mvp.interface.menuwidget";

enum class MENU_MODE : int32_t { DROPDOWN = 0, FLYOUT = 1 };

class MenuWidgetInterface;
class MenuWindowInterface;
using MenuWidgetRef = Ref<MenuWidgetInterface>;
using MenuWindowRef = Ref<MenuWindowInterface>;

// A whole menu built from a menu item tree: a one-row bar, or a vertical menu whose folders
// open fly-out sub-menus in windows of their own. Commands go to the command window.
class MenuWidgetInterface : public virtual TableWidgetInterface {
 public:
  [[nodiscard]] virtual Result<void> SetMenu(const MenuItemRef& root, const AppWindowRef& commandWindow,
                                             const MenuWindowRef& hostWindow) = 0;
  // Takes effect at the next SetMenu.
  virtual void SetMenuMode(MENU_MODE mode) = 0;
  virtual MENU_MODE GetMenuMode() const = 0;
  // Opens the children of `item` as a sub-menu at `position` (screen coordinates).
  [[nodiscard]] virtual Result<void> OpenSubMenuWindow(Vector2d position, const MenuItemRef& item,
                                                       const AppWindowRef& commandWindow) = 0;
  // Closes the open sub-menu and its own sub-menus; `clearOpen` also forgets that one was open.
  [[nodiscard]] virtual Result<void> CloseSubMenuWindow(Bool clearOpen) = 0;
  virtual Bool GetMenuWindowOpen() const = 0;
  virtual MenuWindowRef GetParentMenuWindow() const = 0;
  // True when `point` (global coordinates) lies in this menu or any open sub-menu down the chain.
  virtual Bool MenuHit(Vector2d point) const = 0;
};

}  // namespace zarvo
