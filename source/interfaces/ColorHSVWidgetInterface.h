#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorHSVWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorhsv";
inline constexpr char kColorHSVWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorhsvwidget";

class ColorHSVWidgetInterface;
using ColorHSVWidgetRef = Ref<ColorHSVWidgetInterface>;
// Observers receive the widget and its new value.
using ColorHSVObservable = Observable<const WidgetRef&, Vector>;

// Edits a colour by hue, saturation and value (0..1 each; a hue of 1 is the hue of 0), one
// integer slider per component: 0..360 for the hue, 0..100 for the others.
class ColorHSVWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Stores the value, shows it in the child controls and, with notify, tells the observers.
  // Fails only when a child control does.
  [[nodiscard]] virtual Result<void> SetHSV(const Vector& value, Bool notify) = 0;
  [[nodiscard]] virtual Result<Vector> GetHSV() const = 0;
  virtual Ref<ColorHSVObservable> ObservableColorChanged() = 0;
};

}  // namespace zarvo
