#pragma once
#include "host/core/HierarchyObject.h"
#include "source/interfaces/MenuItemInterface.h"

namespace zarvo {

// The tree node every menu item is.
class MenuItemImpl : public HierarchyObject, public virtual MenuItemInterface {};

}  // namespace zarvo
