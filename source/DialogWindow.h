#pragma once
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"
#include "source/Desktop2dWindowImpl.h"

namespace zarvo {

// The pieces every modal dialog of the module shares (the message dialog, the colour chooser):
// a desktop window of the dialog window class, sized to its content and centred on the work
// area of its monitor, then shown in a modal session.

// Where a window of `size` sits centred on a monitor's work rectangle.
Vector2d CentreInWorkRect(Vector2d size, const Rect& workRect);

// A desktop window with an OS window of class "net.zarvo.ui.oswindowclass.windowdialog", titled
// and with `background` behind its widgets; not shown yet.
[[nodiscard]] Result<Ref<Desktop2dWindowImpl>> CreateDialogWindow(const String& title, const ColorA& background);

// Lays the window out and sizes it to `content` (a child of its app widget): the content's size
// becomes the OS window's minimum content size, the window is `extraHeight` taller, and it is
// centred on the work rectangle of the monitor that holds it.
[[nodiscard]] Result<void> FitAndCentreDialog(Desktop2dWindowImpl& window, const WidgetInterface& content,
                                              Float extraHeight);

// Opens the window and runs the host loop until it closes; input to older windows is held back
// meanwhile.
[[nodiscard]] Result<void> RunDialogSession(Desktop2dWindowImpl& window);

}  // namespace zarvo
