#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

inline constexpr char kImageTextButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.imagetextbutton";
inline constexpr char kImageTextButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.imagetextbuttonwidget";

class ImageTextButtonWidgetInterface;
using ImageTextButtonWidgetRef = Ref<ImageTextButtonWidgetInterface>;

// A button showing an image and, to its right, a text, both centred in a one-row table inside
// a padding.
class ImageTextButtonWidgetInterface : public virtual ButtonWidgetInterface {
 public:
  // Each fails with "Missing widget link" before CreateLayout or once its widget is gone.
  [[nodiscard]] virtual Result<TextWidgetRef> GetTextWidget() const = 0;
  [[nodiscard]] virtual Result<ImageWidgetRef> GetImageWidget() const = 0;
};

}  // namespace zarvo
