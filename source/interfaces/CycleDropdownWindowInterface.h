#pragma once
#include "host/core/Geometry.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/AppWindowInterface.h"

namespace zarvo {

inline constexpr char kCycleDropdownWindowClassId[] = "net.zarvo.mvp.windowclasses.cycledropdownwindow";
inline constexpr char kCycleDropdownWindowInterfaceId[] = "net.zarvo.mvp.interface.cycledropdownwindow";

class CycleWidgetInterface;
class CycleDropdownWindowInterface;
using CycleDropdownWindowRef = Ref<CycleDropdownWindowInterface>;

// The list a cycle widget drops down: one row per item, as wide as the widget, below it (or
// above it when there is no room below), scrolling when it is taller than the screen.
class CycleDropdownWindowInterface : public virtual AppWindowInterface {
 public:
  // Builds the list for `cycle` and shows it.
  [[nodiscard]] virtual Result<void> Open(const Ref<CycleWidgetInterface>& cycle) = 0;
  [[nodiscard]] virtual Result<void> Close() = 0;
  // Builds the same list without showing it and returns its natural size in pixels.
  [[nodiscard]] virtual Result<Vector2d> MeasureWindowSize(const Ref<CycleWidgetInterface>& cycle) = 0;
};

}  // namespace zarvo
