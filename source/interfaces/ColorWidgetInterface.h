#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/ColorButtonWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorWidgetClassId[] = "net.zarvo.mvp.widgetclasses.color";
inline constexpr char kColorWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorwidget";

class ColorWidgetInterface;
using ColorWidgetRef = Ref<ColorWidgetInterface>;

// One colour in every notation: a colour button showing it, a button that picks a colour from
// the application's windows, and the RGB, HSV and HEX widgets, kept in step. A change the user
// makes in one notation is told by that notation's own ObservableColorChanged and written to
// the others without notification, never back into the one being edited.
class ColorWidgetInterface : public virtual TableWidgetInterface {
 public:
  // "Widget Link not set." once the button is gone.
  [[nodiscard]] virtual Result<ButtonWidgetRef> GetScreenColorButtonWidget() const = 0;
  [[nodiscard]] virtual Result<ColorButtonWidgetRef> GetColorButtonWidget() const = 0;
};

}  // namespace zarvo
