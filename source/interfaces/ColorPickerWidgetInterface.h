#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorPickerWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorpicker";
inline constexpr char kColorPickerWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorpickerwidget";

class ColorPickerWidgetInterface;
using ColorPickerWidgetRef = Ref<ColorPickerWidgetInterface>;
// Observers receive the picker and its new colour.
using ColorPickerObservable = Observable<const WidgetRef&, ColorA>;

// The colour chooser's content: the saturation/value spectrum with its hue slider, the RGB and
// HEX notations, a field showing the colour and an "Eye Dropper" button that picks a colour from
// any of the application's windows. Every part shows the one picked colour.
class ColorPickerWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Components are clamped to 0..1; a component that is no number is refused with "Color
  // component is not a number" and the colour kept. With notify, the observers are told.
  [[nodiscard]] virtual Result<void> SetPickedColor(const ColorA& color, Bool notify) = 0;
  [[nodiscard]] virtual Result<ColorA> GetPickedColor() const = 0;
  virtual Ref<ColorPickerObservable> ObservableColorChanged() = 0;
};

}  // namespace zarvo
