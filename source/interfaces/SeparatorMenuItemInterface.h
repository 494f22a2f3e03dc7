#pragma once
#include "source/interfaces/MenuItemInterface.h"

namespace zarvo {

inline constexpr char kSeparatorMenuItemClassId[] = "net.zarvo.mvp.menuitemclasses.separator";
inline constexpr char kSeparatorMenuItemInterfaceId[] = "net.zarvo.mvp.interface.separatormenuitem";

class SeparatorMenuItemInterface;
using SeparatorMenuItemRef = Ref<SeparatorMenuItemInterface>;

// A line between groups of entries.
class SeparatorMenuItemInterface : public virtual MenuItemInterface {};

}  // namespace zarvo
