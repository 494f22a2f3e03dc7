#pragma once
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// One column of command rows, as wide as the widest.
class CommandGroupWidgetImpl : public TableWidgetImpl, public virtual CommandGroupWidgetInterface {
 public:
  Result<void> CreateLayout() override;
  Result<void> SetCommands(const std::vector<CommandMenuItemRef>& items, const MenuItemCursorHandler& begin,
                           const MenuItemCursorHandler& end) override;
  void ClearBackground() override;
};

}  // namespace zarvo
