#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/gfx/SVGDocumentInterface.h"
#include "source/interfaces/AreaWidgetInterface.h"

namespace zarvo {

inline constexpr char kSVGDrawAreaWidgetClassId[] = "net.zarvo.mvp.widgetclasses.svgdrawarea";
inline constexpr char kSVGDrawAreaWidgetInterfaceId[] = "net.zarvo.mvp.interface.svgdrawareawidget";

class SVGDrawAreaWidgetInterface;
using SVGDrawAreaWidgetRef = Ref<SVGDrawAreaWidgetInterface>;

// An area showing one SVG document at its intrinsic size, its top left corner at the content
// origin, so that the area's pan and zoom move and scale it. A document that fails to load
// leaves no document and its message drawn in its place.
class SVGDrawAreaWidgetInterface : public virtual AreaWidgetInterface {
 public:
  // Loads again even from the URL shown, so that an edited file shows its changes.
  [[nodiscard]] virtual Result<void> SetUrl(const Url& url) = 0;
  // A null document clears the area; one not loaded is refused.
  [[nodiscard]] virtual Result<void> SetDocument(const SVGDocumentRef& document) = 0;
  virtual SVGDocumentRef GetDocument() const = 0;
  // The message of the last failed load, empty after a success.
  virtual const String& GetErrorText() const = 0;
};

}  // namespace zarvo
