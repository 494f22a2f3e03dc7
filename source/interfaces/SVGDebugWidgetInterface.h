#pragma once
#include <string_view>
#include <vector>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/gfx/SVGDocumentInterface.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kSVGDebugWidgetClassId[] = "net.zarvo.mvp.widgetclasses.svgdebug";
inline constexpr char kSVGDebugWidgetInterfaceId[] = "net.zarvo.mvp.interface.svgdebugwidget";

class SVGDebugWidgetInterface;
using SVGDebugWidgetRef = Ref<SVGDebugWidgetInterface>;

// An SVG document under a debugging overlay: the document fitted into the widget with a frame
// round its viewport, its intrinsic size and element count, and the ids of its elements. A
// failed load shows its message in red instead.
class SVGDebugWidgetInterface : public virtual WidgetInterface {
 public:
  // Loads again even from the URL shown, so that an edited file shows its changes.
  [[nodiscard]] virtual Result<void> SetUrl(const Url& url) = 0;
  [[nodiscard]] virtual Result<void> SetText(std::string_view svgText) = 0;
  virtual SVGDocumentRef GetDocument() const = 0;
  virtual const String& GetErrorText() const = 0;
  // Every element of the document, the root included.
  virtual Int GetElementCount() const = 0;
  // The ids in document order, as often as they occur.
  virtual const std::vector<String>& GetElementIds() const = 0;
};

}  // namespace zarvo
