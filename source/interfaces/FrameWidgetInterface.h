#pragma once
#include "host/core/Ref.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kFrameWidgetClassId[] = "net.zarvo.mvp.widgetclasses.frame";
inline constexpr char kFrameWidgetInterfaceId[] = "net.zarvo.mvp.interface.framewidget";

class FrameWidgetInterface;
using FrameWidgetRef = Ref<FrameWidgetInterface>;

// A plain rectangle that takes the size it is given: a drawing area, and the base of widgets
// that draw on one.
class FrameWidgetInterface : public virtual WidgetInterface {};

}  // namespace zarvo
