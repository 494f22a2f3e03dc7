#pragma once

#include "host/core/MathTypes.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/NumberTypes.h"
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kVector2dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.vector2d";
inline constexpr char kVectorWidgetClassId[] = "net.zarvo.mvp.widgetclasses.vector";
inline constexpr char kVector4dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.vector4d";
inline constexpr char kIntVector2dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.intvector2d";
inline constexpr char kIntVectorWidgetClassId[] = "net.zarvo.mvp.widgetclasses.intvector";
inline constexpr char kIntVector4dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.intvector4d";
inline constexpr char kVector2dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.vector2dwidget";
inline constexpr char kVectorWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.vectorwidget";
inline constexpr char kVector4dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.vector4dwidget";
inline constexpr char kIntVector2dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.intvector2dwidget";
inline constexpr char kIntVectorWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.intvectorwidget";
inline constexpr char kIntVector4dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.intvector4dwidget";

// The component argument of the vector and matrix widgets that stands for all of them: setters
// given it reach every component, and a notification carrying it tells a whole new value.
inline constexpr Int kAllComponents = -1;

// Observers receive the widget, its whole new value, the component the user changed
// (kAllComponents for a value set through the interface) and whether an arrow's drag or held
// key is going on.
template <class V>
using VecObservable = Observable<const WidgetRef&, V, Int, Bool>;

// A vector as one row of spin boxes, x first. Each component keeps its own range, step, limit
// mode and unit in its spin box; the value is read back from them.
template <class V>
class VecWidgetInterface : public virtual TableWidgetInterface {
 public:
  using Component = typename VectorShape<V>::Component;

  // Every component held by its range and shown; with notify, told once as kAllComponents.
  // "Widget link not set." before the widget is built, as for every operation on components.
  [[nodiscard]] virtual Result<void> SetValue(const V& value, Bool notify) = 0;
  [[nodiscard]] virtual Result<V> GetValue() const = 0;
  virtual Int GetComponentCount() const = 0;
  // "Component out of range." for an index that is neither a component nor kAllComponents.
  [[nodiscard]] virtual Result<Ref<SpinBoxWidgetInterface<Component>>> GetComponentSpinBox(Int component) const = 0;
  // "min is not smaller then max." unless min < max; the components' values are held again
  // silently.
  [[nodiscard]] virtual Result<void> SetRange(Component min, Component max, Int component) = 0;
  [[nodiscard]] virtual Result<void> SetStep(Component step, Int component) = 0;
  // Held again and shown, silently.
  [[nodiscard]] virtual Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode, Int component) = 0;
  [[nodiscard]] virtual Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit, Int component) = 0;
  [[nodiscard]] virtual Result<Component> GetMin(Int component) const = 0;
  [[nodiscard]] virtual Result<Component> GetMax(Int component) const = 0;
  [[nodiscard]] virtual Result<Component> GetStep(Int component) const = 0;
  [[nodiscard]] virtual Result<NUMBER_WIDGET_UNIT_TYPE> GetUnit(Int component) const = 0;
  // The spin boxes' layout, for all components; takes effect at the next layout switch.
  virtual void SetLayout(SPINBOX_LAYOUT layout) = 0;
  virtual SPINBOX_LAYOUT GetLayout() const = 0;
  virtual Ref<VecObservable<V>> ObservableValueChanged() = 0;
};

using Vector2dWidgetRef = Ref<VecWidgetInterface<Vector2d>>;
using VectorWidgetRef = Ref<VecWidgetInterface<Vector>>;
using Vector4dWidgetRef = Ref<VecWidgetInterface<Vector4d>>;
using IntVector2dWidgetRef = Ref<VecWidgetInterface<IntVector2d>>;
using IntVectorWidgetRef = Ref<VecWidgetInterface<IntVector>>;
using IntVector4dWidgetRef = Ref<VecWidgetInterface<IntVector4d>>;

}  // namespace zarvo
