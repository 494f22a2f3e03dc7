#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorHEXWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorhex";
inline constexpr char kColorHEXWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorhexwidget";

class ColorHEXWidgetInterface;
using ColorHEXWidgetRef = Ref<ColorHEXWidgetInterface>;
// Observers receive the widget and its new value.
using ColorHEXObservable = Observable<const WidgetRef&, uint32_t>;

// Edits a colour as its 0xRRGGBB code, typed as "#" and six hexadecimal digits.
class ColorHEXWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Stores the value, shows it in the child controls and, with notify, tells the observers.
  // Fails only when a child control does.
  [[nodiscard]] virtual Result<void> SetHEX(uint32_t value, Bool notify) = 0;
  [[nodiscard]] virtual Result<uint32_t> GetHEX() const = 0;
  virtual Ref<ColorHEXObservable> ObservableColorChanged() = 0;
};

}  // namespace zarvo
