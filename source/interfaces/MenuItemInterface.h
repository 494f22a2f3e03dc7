#pragma once
#include "host/core/HierarchyObject.h"
#include "host/core/Ref.h"

namespace zarvo {

inline constexpr char kMenuItemClassId[] = "net.zarvo.mvp.menuitemclasses.base";
inline constexpr char kMenuItemInterfaceId[] = "net.zarvo.mvp.interface.menuitem";

class MenuItemInterface;
using MenuItemRef = Ref<MenuItemInterface>;

// An entry of a menu tree. Items are hierarchy objects: a parent owns its children in order,
// and menus read the tree only when they are built.
class MenuItemInterface : public virtual ObjectInterface {};

// The item's tree node; every menu item class is one.
inline HierarchyObject* MenuNodeOf(MenuItemInterface* item) { return dynamic_cast<HierarchyObject*>(item); }
inline MenuItemRef FirstMenuChild(MenuItemInterface* item) {
  HierarchyObject* node = MenuNodeOf(item);
  return MenuItemRef(node ? dynamic_cast<MenuItemInterface*>(node->GetFirstChild()) : nullptr);
}
inline MenuItemRef NextMenuSibling(MenuItemInterface* item) {
  HierarchyObject* node = MenuNodeOf(item);
  return MenuItemRef(node ? dynamic_cast<MenuItemInterface*>(node->GetNext()) : nullptr);
}

}  // namespace zarvo
