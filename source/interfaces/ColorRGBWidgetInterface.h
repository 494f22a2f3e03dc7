#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorRGBWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorrgb";
inline constexpr char kColorRGBWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorrgbwidget";

class ColorRGBWidgetInterface;
using ColorRGBWidgetRef = Ref<ColorRGBWidgetInterface>;
// Observers receive the widget and its new value.
using ColorRGBObservable = Observable<const WidgetRef&, ColorA>;

// Edits a colour by its red, green, blue and alpha components (0..1 each), one integer slider
// per component: 0..255 for the colours, 0..100 (percent) for alpha.
class ColorRGBWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Stores the value, shows it in the child controls and, with notify, tells the observers.
  // Fails only when a child control does.
  [[nodiscard]] virtual Result<void> SetRGB(const ColorA& value, Bool notify) = 0;
  [[nodiscard]] virtual Result<ColorA> GetRGB() const = 0;
  virtual Ref<ColorRGBObservable> ObservableColorChanged() = 0;
};

}  // namespace zarvo
