#pragma once
#include "host/core/Ref.h"
#include "source/interfaces/FrameWidgetInterface.h"

namespace zarvo {

inline constexpr char kCycleSeparatorWidgetClassId[] = "net.zarvo.mvp.widgetclasses.cycleseparator";
inline constexpr char kCycleSeparatorWidgetInterfaceId[] = "net.zarvo.mvp.interface.cyclewidgetseparator";

class CycleSeparatorWidgetInterface;
using CycleSeparatorWidgetRef = Ref<CycleSeparatorWidgetInterface>;

// The thin line between groups of items in a drop-down list.
class CycleSeparatorWidgetInterface : public virtual FrameWidgetInterface {};

}  // namespace zarvo
