#pragma once
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/widgets_menu/MenuItemImpl.h"

namespace zarvo {

class RootMenuItemImpl : public MenuItemImpl, public virtual RootMenuItemInterface {
 public:
  Result<CommandMenuItemRef> AddFolder(const String& text, const MenuItemRef& under) override;
  Result<CommandMenuItemRef> AddCommand(const CommandRef& command, const MenuItemRef& under) override;
  Result<CommandMenuItemRef> AddCommand(const Id& command, const AppWindow& window, const MenuItemRef& under) override;
  Result<SeparatorMenuItemRef> AddSeparator(const MenuItemRef& under) override;

 private:
  [[nodiscard]] Result<void> Append(MenuItemInterface* item, const MenuItemRef& under);
};

}  // namespace zarvo
