#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"

namespace zarvo {

inline constexpr char kImageButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.imagebutton";
inline constexpr char kImageButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.imagebuttonwidget";

class ImageButtonWidgetInterface;
using ImageButtonWidgetRef = Ref<ImageButtonWidgetInterface>;

// A button showing an image inside a padding.
class ImageButtonWidgetInterface : public virtual ButtonWidgetInterface {
 public:
  // Fails with "Missing widget link" before CreateLayout or once the image widget is gone.
  [[nodiscard]] virtual Result<ImageWidgetRef> GetImageWidget() const = 0;
};

}  // namespace zarvo
