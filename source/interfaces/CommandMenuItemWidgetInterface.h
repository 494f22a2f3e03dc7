#pragma once
#include "source/interfaces/CommandMenuItemInterface.h"
#include "source/interfaces/MenuItemWidgetInterface.h"

namespace zarvo {

inline constexpr char kCommandMenuItemWidgetClassId[] = "net.zarvo.mvp.widgetclasses.commandmenuitem";
inline constexpr char kCommandMenuItemWidgetInterfaceId[] = "net.zarvo.mvp.interface.commandmenuitemwidget";

class CommandMenuItemWidgetInterface;
using CommandMenuItemWidgetRef = Ref<CommandMenuItemWidgetInterface>;

// One command row: check mark, icon, text, (shortcut) and, for a folder, the sub-menu arrow.
// A release over an enabled row runs its command through the window.
class CommandMenuItemWidgetInterface : public virtual MenuItemWidgetInterface {
 public:
  [[nodiscard]] virtual Result<void> SetCommand(const CommandMenuItemRef& item) = 0;
  virtual CommandMenuItemRef GetCommandMenuItem() const = 0;
  // Removes the hover background.
  virtual void ClearBackground() = 0;
};

}  // namespace zarvo
