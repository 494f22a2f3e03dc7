#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorHSVSpectrumWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorhsvspectrum";
inline constexpr char kColorHSVSpectrumWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorhsvspectrumwidget";

class ColorHSVSpectrumWidgetInterface;
using ColorHSVSpectrumWidgetRef = Ref<ColorHSVSpectrumWidgetInterface>;
// Observers receive the widget, its HSV value and whether the pointer is still dragging (false
// for the notification of the release).
using ColorHSVSpectrumObservable = Observable<const WidgetRef&, Vector, Bool>;

// The saturation/value square of one hue with a marker at the value, above a hue slider.
// Dragging in the square picks saturation (to the right) and value (upwards).
class ColorHSVSpectrumWidgetInterface : public virtual TableWidgetInterface {
 public:
  [[nodiscard]] virtual Result<void> SetHSV(const Vector& value, Bool notify) = 0;
  [[nodiscard]] virtual Result<Vector> GetHSV() const = 0;
  virtual Ref<ColorHSVSpectrumObservable> ObservableColorChanged() = 0;
};

}  // namespace zarvo
