#pragma once
#include "source/interfaces/SeparatorMenuItemInterface.h"
#include "source/widgets_menu/MenuItemImpl.h"

namespace zarvo {

class SeparatorMenuItemImpl : public MenuItemImpl, public virtual SeparatorMenuItemInterface {};

}  // namespace zarvo
