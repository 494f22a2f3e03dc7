#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/SliderWidgetInterface.h"
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kIntNumberWidgetClassId[] = "net.zarvo.mvp.widgetclasses.int";
inline constexpr char kFloatNumberWidgetClassId[] = "net.zarvo.mvp.widgetclasses.float";
inline constexpr char kIntNumberWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.compoundspinboxsliderwidget.net.zarvo.mvp.interface.intwidget";
inline constexpr char kFloatNumberWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.compoundspinboxsliderwidget.net.zarvo.mvp.interface.floatwidget";

// Which of the two children show; MINIMAL shows the spin box without its arrows.
enum class COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT : int32_t {
  MINIMAL = 0,
  SPINBOX = 1,
  SLIDER = 2,
  SPINBOX_AND_SLIDER = 3,
};

// Observers receive the number widget, its new value, and the drag flag of the child that
// changed (false for changes made through this interface).
template <class T>
using NumberObservable = Observable<const WidgetRef&, T, Bool>;

// A spin box and a slider side by side holding one value. The value and its range live in the
// two children; every setter goes to both, the spin box first, and every getter reads both.
template <class T>
class CompoundSpinboxSliderWidgetInterface : public virtual TableWidgetInterface {
 public:
  // "Widget Link not set." before the widget is built.
  [[nodiscard]] virtual Result<Ref<SpinBoxWidgetInterface<T>>> GetSpinbox() const = 0;
  [[nodiscard]] virtual Result<Ref<SliderWidgetInterface<T>>> GetSlider() const = 0;
  // Both children take the value silently; with notify, the value they hold is told.
  [[nodiscard]] virtual Result<void> SetValue(T value, Bool notify) = 0;
  // The spin box's error comes first and then the slider is left alone.
  [[nodiscard]] virtual Result<void> SetDefaultValue(T value) = 0;
  [[nodiscard]] virtual Result<void> SetValueToDefault() = 0;
  [[nodiscard]] virtual Result<void> SetMin(T min) = 0;
  [[nodiscard]] virtual Result<void> SetMax(T max) = 0;
  [[nodiscard]] virtual Result<void> SetStep(T step) = 0;
  [[nodiscard]] virtual Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode) = 0;
  [[nodiscard]] virtual Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) = 0;
  // "Spinbox and slider values don't match" when the children disagree.
  [[nodiscard]] virtual Result<T> GetValue() const = 0;
  [[nodiscard]] virtual Result<T> GetDefaultValue() const = 0;
  [[nodiscard]] virtual Result<T> GetMin() const = 0;
  [[nodiscard]] virtual Result<T> GetMax() const = 0;
  [[nodiscard]] virtual Result<T> GetStep() const = 0;
  [[nodiscard]] virtual Result<NUMBER_LIMIT_MODE> GetLimitMode() const = 0;
  [[nodiscard]] virtual Result<NUMBER_WIDGET_UNIT_TYPE> GetUnit() const = 0;
  // Takes effect at the next layout switch.
  virtual void SetLayout(COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT layout) = 0;
  virtual COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT GetLayout() const = 0;
  virtual Ref<NumberObservable<T>> ObservableValueChanged() = 0;
};

using IntNumberWidgetInterface = CompoundSpinboxSliderWidgetInterface<Int>;
using FloatNumberWidgetInterface = CompoundSpinboxSliderWidgetInterface<Float>;
using IntNumberWidgetRef = Ref<CompoundSpinboxSliderWidgetInterface<Int>>;
using FloatNumberWidgetRef = Ref<CompoundSpinboxSliderWidgetInterface<Float>>;

}  // namespace zarvo
