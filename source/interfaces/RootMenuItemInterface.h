#pragma once
#include "host/core/Result.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/CommandMenuItemInterface.h"
#include "source/interfaces/SeparatorMenuItemInterface.h"

namespace zarvo {

inline constexpr char kRootMenuItemClassId[] = "net.zarvo.mvp.menuitemclasses.root";
inline constexpr char kRootMenuItemInterfaceId[] = "net.zarvo.mvp.interface.rootmenuitem";

class RootMenuItemInterface;
using RootMenuItemRef = Ref<RootMenuItemInterface>;

// The root of a menu tree, with the builders that fill it. Each builder appends its new item as
// the last child of `under`, or of the root itself when `under` is empty.
class RootMenuItemInterface : public virtual MenuItemInterface {
 public:
  // A command item without a command: entries added below it form its sub-menu.
  [[nodiscard]] virtual Result<CommandMenuItemRef> AddFolder(const String& text, const MenuItemRef& under = {}) = 0;
  [[nodiscard]] virtual Result<CommandMenuItemRef> AddCommand(const CommandRef& command,
                                                              const MenuItemRef& under = {}) = 0;
  // Looks the command up among those `window` answers first; an unknown id is an error.
  [[nodiscard]] virtual Result<CommandMenuItemRef> AddCommand(const Id& command, const AppWindow& window,
                                                              const MenuItemRef& under = {}) = 0;
  [[nodiscard]] virtual Result<SeparatorMenuItemRef> AddSeparator(const MenuItemRef& under = {}) = 0;
};

}  // namespace zarvo
