#pragma once
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/widgets_menu/MenuItemWidgetImpl.h"

namespace zarvo {

// Columns: check mark, icon, text, shortcut, sub-menu arrow. The text column takes the spare
// width, so the arrows of a menu line up at its right edge.
class CommandMenuItemWidgetImpl : public MenuItemWidgetImpl, public virtual CommandMenuItemWidgetInterface {
 public:
  Result<void> CreateLayout() override;
  Result<void> SetCommand(const CommandMenuItemRef& item) override;
  CommandMenuItemRef GetCommandMenuItem() const override { return item_; }
  void ClearBackground() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

 protected:
  void HandleHoverChanged(bool hovered) override;

 private:
  [[nodiscard]] bool IsRowEnabled() const;

  CommandMenuItemRef item_;
};

}  // namespace zarvo
