#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/gfx/Image.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kImageWidgetClassId[] = "net.zarvo.mvp.widgetclasses.image";
inline constexpr char kImageWidgetInterfaceId[] = "net.zarvo.mvp.interface.imagewidget";

class ImageWidgetInterface;
using ImageWidgetRef = Ref<ImageWidgetInterface>;

// Shows a raster image or a vector icon, scaled to fit the widget and keeping its proportions,
// centred. The widget takes the size it is given; the picture never decides it.
class ImageWidgetInterface : public virtual WidgetInterface {
 public:
  // Shows `image` (empty shows nothing); releases a vector icon and forgets the URL.
  virtual void SetImage(const Ref<Image>& image) = 0;
  virtual Ref<Image> GetImage() const = 0;
  // Loads what the URL names: an SVG file (suffix "svg", any case) as a vector icon, anything
  // else as a PNG texture. The URL already shown loads nothing; a failure is returned and leaves
  // the URL unchanged, so the same URL may be tried again.
  [[nodiscard]] virtual Result<void> SetUrl(const Url& url) = 0;
  virtual const Url& GetUrl() const = 0;
};

}  // namespace zarvo
