#pragma once
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/WidgetInterface.h"
#include "source/interfaces/NumberTypes.h"

namespace zarvo {

inline constexpr char kIntSliderWidgetClassId[] = "net.zarvo.mvp.widgetclasses.intslider";
inline constexpr char kFloatSliderWidgetClassId[] = "net.zarvo.mvp.widgetclasses.floatslider";
inline constexpr char kIntSliderWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.sliderwidget.net.zarvo.mvp.interface.intsliderwidget";
inline constexpr char kFloatSliderWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.sliderwidget.net.zarvo.mvp.interface.floatsliderwidget";

// How a slider's value runs along its track; stored for its users, drawn the same.
enum class SLIDER_STYLE : int32_t { LINEAR = 0, RISE = 1 };

// Observers receive the slider, its new value, and whether a drag is still going on (false for
// the value a drag ends on, and for every change that is not a drag).
template <class T>
using SliderObservable = Observable<const WidgetRef&, T, Bool>;

// A value between a minimum and a maximum, shown as a track with a knob and set by clicking or
// dragging along the track, by the wheel, the magnify gesture and the page keys. Values outside
// the range (when the limit mode lets them through) show as an undershoot or overshoot band.
template <class T>
class SliderWidgetInterface : public virtual WidgetInterface {
 public:
  // Held by the limit mode's bounds, stored, and told when `notify`, changed or not.
  [[nodiscard]] virtual Result<void> SetValue(T value, Bool notify) = 0;
  // Held by the limit mode's bounds.
  [[nodiscard]] virtual Result<void> SetDefaultValue(T value) = 0;
  [[nodiscard]] virtual Result<void> SetValueToDefault() = 0;
  // "min is not smaller then max." unless min < max; the value is not held again.
  [[nodiscard]] virtual Result<void> SetMin(T min) = 0;
  // "max is not greater then min." unless max > min; the value is not held again.
  [[nodiscard]] virtual Result<void> SetMax(T max) = 0;
  // The step of the wheel, the gesture and the keys, and the drag's quantum in percent of the
  // range; 0 becomes 1.
  [[nodiscard]] virtual Result<void> SetStep(T step) = 0;
  // Both hold the value again and tell it, changed or not.
  [[nodiscard]] virtual Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode) = 0;
  [[nodiscard]] virtual Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) = 0;
  virtual T GetValue() const = 0;
  virtual T GetDefaultValue() const = 0;
  virtual T GetMin() const = 0;
  virtual T GetMax() const = 0;
  virtual T GetStep() const = 0;
  virtual NUMBER_LIMIT_MODE GetLimitMode() const = 0;
  virtual NUMBER_WIDGET_UNIT_TYPE GetUnit() const = 0;
  [[nodiscard]] virtual Result<void> SetStyle(SLIDER_STYLE style) = 0;
  virtual SLIDER_STYLE GetStyle() const = 0;
  // Draws a gradient of the background colours with a thin marker instead of track and knob.
  [[nodiscard]] virtual Result<void> SetColorSlider(Bool on) = 0;
  // The gradient's colour stops, first at the start of the track; rebuilt at the next layout.
  [[nodiscard]] virtual Result<void> SetSliderBackgroundColor(std::vector<ColorA> colors) = 0;
  virtual Ref<SliderObservable<T>> ObservableValueChanged() = 0;
};

using IntSliderWidgetInterface = SliderWidgetInterface<Int>;
using FloatSliderWidgetInterface = SliderWidgetInterface<Float>;
using IntSliderWidgetRef = Ref<SliderWidgetInterface<Int>>;
using FloatSliderWidgetRef = Ref<SliderWidgetInterface<Float>>;

}  // namespace zarvo
