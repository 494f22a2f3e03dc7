#pragma once
#include "host/core/Geometry.h"
#include "host/ui/AppWindowInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"

namespace zarvo {

inline constexpr char kDesktop2dWindowClassId[] = "net.zarvo.mvp.windowclasses.desktop2d";

class Desktop2dWindowInterface;
using Desktop2dWindowRef = Ref<Desktop2dWindowInterface>;

// The module's application window: the host's app window with a popup menu. Callers fill the
// popup menu root, then open it; at most one popup menu is open per window.
class Desktop2dWindowInterface : public virtual AppWindowInterface {
 public:
  // Makes the window's OS window (hidden until the host window is opened).
  [[nodiscard]] virtual Result<void> CreateWindow(const Rect& screenFrame, const String& title) = 0;
  virtual RootMenuItemRef GetPopupMenuRoot() const = 0;
  // Opens the entries below the root's first child at `position` (screen coordinates); an
  // empty root opens nothing.
  [[nodiscard]] virtual Result<void> OpenPopupMenu(Vector2d position) = 0;
  [[nodiscard]] virtual Result<void> ClosePopupMenu() = 0;
  // Closes the popup menu at the next redraw, so that a menu may ask for its own close.
  virtual void RequestCloseMenu() = 0;
};

}  // namespace zarvo
