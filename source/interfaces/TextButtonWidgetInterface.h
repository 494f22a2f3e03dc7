#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

inline constexpr char kTextButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.textbutton";
inline constexpr char kTextButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.textbuttonwidget";

class TextButtonWidgetInterface;
using TextButtonWidgetRef = Ref<TextButtonWidgetInterface>;

// A button showing a text inside a padding; it takes its size from them.
class TextButtonWidgetInterface : public virtual ButtonWidgetInterface {
 public:
  // Fails with "Missing widget link" before CreateLayout or once the text widget is gone.
  [[nodiscard]] virtual Result<TextWidgetRef> GetTextWidget() const = 0;
};

}  // namespace zarvo
