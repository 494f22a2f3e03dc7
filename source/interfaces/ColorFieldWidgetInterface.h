#pragma once
#include "host/core/Ref.h"
#include "source/interfaces/FrameWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorFieldWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorfield";
inline constexpr char kColorFieldWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorfieldwidget";

class ColorFieldWidgetInterface;
using ColorFieldWidgetRef = Ref<ColorFieldWidgetInterface>;

// An area that shows a colour (its background colour) and never lights up under the pointer.
class ColorFieldWidgetInterface : public virtual FrameWidgetInterface {};

}  // namespace zarvo
