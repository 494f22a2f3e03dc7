#pragma once
#include "host/core/Geometry.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/AppWindow.h"

namespace zarvo {

class CanvasInterface;

// Windows that belong to another window: drop-down lists and fly-out menus. A popup is a
// window of the menu class, made a child of its owner's OS window so that the window system
// keeps it above the owner and closes it on an outside click, and it closes when its owner
// closes. It is made hidden: its content is laid out and measured first, then it is placed
// and shown with AppWindow::Open.

// A hidden popup window of `owner`'s window; without an owner the popup stands alone (used to
// measure content off screen). An owner that is not a host canvas is an error.
[[nodiscard]] Result<Ref<AppWindow>> CreatePopupWindow(CanvasInterface* owner);

// The work rectangle (screen coordinates) of the monitor holding most of `canvas`'s window.
[[nodiscard]] Result<Rect> GetWindowWorkRect(const CanvasInterface& canvas);

}  // namespace zarvo
