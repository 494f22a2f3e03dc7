#pragma once
#include "source/interfaces/MenuItemWidgetInterface.h"

namespace zarvo {

inline constexpr char kSeparatorMenuItemWidgetClassId[] = "net.zarvo.mvp.widgetclasses.separatormenuitem";
inline constexpr char kSeparatorMenuItemWidgetInterfaceId[] = "net.zarvo.mvp.interface.separatormenuitemwidget";

class SeparatorMenuItemWidgetInterface;
using SeparatorMenuItemWidgetRef = Ref<SeparatorMenuItemWidgetInterface>;

// The line between two command groups of a vertical menu.
class SeparatorMenuItemWidgetInterface : public virtual MenuItemWidgetInterface {};

}  // namespace zarvo
