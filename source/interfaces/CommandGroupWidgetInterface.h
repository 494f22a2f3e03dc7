#pragma once
#include <vector>

#include "source/interfaces/CommandMenuItemInterface.h"
#include "source/interfaces/MenuItemWidgetInterface.h"

namespace zarvo {

inline constexpr char kCommandGroupWidgetClassId[] = "net.zarvo.mvp.widgetclasses.commandgroup";
inline constexpr char kCommandGroupWidgetInterfaceId[] = "net.zarvo.mvp.interface.commandgroupwidget";

class CommandGroupWidgetInterface;
using CommandGroupWidgetRef = Ref<CommandGroupWidgetInterface>;

// A block of command rows between two separators.
class CommandGroupWidgetInterface : public virtual TableWidgetInterface {
 public:
  // One row per item, each row's cursor observables connected to the handlers. An empty list
  // fails with "Command list is empty".
  [[nodiscard]] virtual Result<void> SetCommands(const std::vector<CommandMenuItemRef>& items,
                                                 const MenuItemCursorHandler& begin,
                                                 const MenuItemCursorHandler& end) = 0;
  virtual void ClearBackground() = 0;
};

}  // namespace zarvo
