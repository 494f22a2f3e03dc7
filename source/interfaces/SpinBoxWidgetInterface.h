#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/NumberTypes.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kIntSpinBoxWidgetClassId[] = "net.zarvo.mvp.widgetclasses.intspinbox";
inline constexpr char kFloatSpinBoxWidgetClassId[] = "net.zarvo.mvp.widgetclasses.floatspinbox";
inline constexpr char kIntSpinBoxWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.spinboxwidget.net.zarvo.mvp.interface.intspinboxwidget";
inline constexpr char kFloatSpinBoxWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.spinboxwidget.net.zarvo.mvp.interface.floatspinboxwidget";

// MINIMAL shows the text alone, NORMAL the text between its two arrows.
enum class SPINBOX_LAYOUT : int32_t { MINIMAL = 0, NORMAL = 1 };

// Observers receive the spin box, its new value, and whether an arrow's drag or held key is
// going on (false for typed and programmatic changes).
template <class T>
using SpinBoxObservable = Observable<const WidgetRef&, T, Bool>;

// A number as editable text between two arrows. Typed text is evaluated as arithmetic with
// units; the arrows step by the step (held, faster and faster; dragged, once per pointer
// event; right-clicked, back to the default value); the wheel and the magnify gesture step too.
template <class T>
class SpinBoxWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Held by the limit mode's bounds, stored, shown and, with notify, told, changed or not;
  // "Widget link not set." before the spin box is built.
  [[nodiscard]] virtual Result<void> SetValue(T value, Bool notify) = 0;
  // Held by the limit mode's bounds.
  [[nodiscard]] virtual Result<void> SetDefaultValue(T value) = 0;
  [[nodiscard]] virtual Result<void> SetValueToDefault() = 0;
  // "min is not smaller then max." unless min < max; the value is not held again.
  [[nodiscard]] virtual Result<void> SetMin(T min) = 0;
  // "max is not greater then min." unless max > min; the value is not held again.
  [[nodiscard]] virtual Result<void> SetMax(T max) = 0;
  // 0 becomes 1; a negative step turns the arrows round.
  [[nodiscard]] virtual Result<void> SetStep(T step) = 0;
  // Both hold the value again, show it and tell it, changed or not.
  [[nodiscard]] virtual Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode) = 0;
  [[nodiscard]] virtual Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) = 0;
  virtual T GetValue() const = 0;
  virtual T GetDefaultValue() const = 0;
  virtual T GetMin() const = 0;
  virtual T GetMax() const = 0;
  virtual T GetStep() const = 0;
  virtual NUMBER_LIMIT_MODE GetLimitMode() const = 0;
  virtual NUMBER_WIDGET_UNIT_TYPE GetUnit() const = 0;
  // Takes effect at the next layout switch.
  virtual void SetLayout(SPINBOX_LAYOUT layout) = 0;
  virtual SPINBOX_LAYOUT GetLayout() const = 0;
  virtual Ref<SpinBoxObservable<T>> ObservableValueChanged() = 0;
};

using IntSpinBoxWidgetInterface = SpinBoxWidgetInterface<Int>;
using FloatSpinBoxWidgetInterface = SpinBoxWidgetInterface<Float>;
using IntSpinBoxWidgetRef = Ref<SpinBoxWidgetInterface<Int>>;
using FloatSpinBoxWidgetRef = Ref<SpinBoxWidgetInterface<Float>>;

}  // namespace zarvo
