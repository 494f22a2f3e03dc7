#pragma once
#include <functional>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kCustomWidgetClassId[] = "net.zarvo.mvp.widgetclasses.custom";
inline constexpr char kCustomWidgetInterfaceId[] = "net.zarvo.mvp.interface.customwidget";

class CustomWidgetInterface;
using CustomWidgetRef = Ref<CustomWidgetInterface>;

// Draws the widget's content, in its local coordinates, through the widget's drawing helpers.
using CustomDrawContentCallback = std::function<Result<void>(CustomWidgetInterface& widget)>;
// Draws the hover highlight; `opacity` is the host's hover highlight opacity. It runs while the
// widget is the host's hover widget, which is the focus-accepting widget under the pointer, so
// a custom widget that wants a highlight accepts focus (and may refuse tab focus).
using CustomDrawHighlightCallback = std::function<Result<void>(CustomWidgetInterface& widget, Float opacity)>;

// An empty widget whose content and hover highlight the application draws. Without callbacks
// it draws only what every widget draws (background, border). A callback's error is the draw's.
class CustomWidgetInterface : public virtual WidgetInterface {
 public:
  // An empty callback is ignored: the one installed stays.
  virtual void SetDrawContentCallback(CustomDrawContentCallback callback) = 0;
  virtual void SetDrawHighlightCallback(CustomDrawHighlightCallback callback) = 0;
};

}  // namespace zarvo
