#pragma once
#include "source/interfaces/SeparatorMenuItemWidgetInterface.h"
#include "source/widgets_menu/MenuItemWidgetImpl.h"

namespace zarvo {

// A one-cell row holding a thin line across the menu.
class SeparatorMenuItemWidgetImpl : public MenuItemWidgetImpl, public virtual SeparatorMenuItemWidgetInterface {
 public:
  Result<void> CreateLayout() override;
};

}  // namespace zarvo
