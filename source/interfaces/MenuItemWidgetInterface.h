#pragma once
#include "host/core/Observable.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kMenuItemWidgetClassId[] = "net.zarvo.mvp.widgetclasses.menuitem";
inline constexpr char kMenuItemWidgetInterfaceId[] = "net.zarvo.mvp.interface.menuitemwidget";

class MenuItemWidgetInterface;
using MenuItemWidgetRef = Ref<MenuItemWidgetInterface>;
using MenuItemCursorObservable = Observable<const MenuItemWidgetRef&>;
using MenuItemCursorHandler = MenuItemCursorObservable::Callback;

// A row of a menu. It reports the cursor entering and leaving it, so that the menu can track
// the row under the cursor and open or close sub-menus.
class MenuItemWidgetInterface : public virtual TableWidgetInterface {
 public:
  virtual Ref<MenuItemCursorObservable> ObservableHandleCursorInfoBegin() = 0;
  virtual Ref<MenuItemCursorObservable> ObservableHandleCursorInfoEnd() = 0;
};

}  // namespace zarvo
