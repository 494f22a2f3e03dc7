#include "source/DialogWindow.h"

#include <cmath>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidget.h"
#include "host/ui/OsWindow.h"

namespace zarvo {

namespace {
// Where a dialog starts before it knows its size; it is moved and sized before it shows.
const Rect kUnplacedDialogFrame{0.0, 0.0, 100.0, 100.0};
}  // namespace

Vector2d CentreInWorkRect(Vector2d size, const Rect& workRect) {
  return {workRect.left + (workRect.Width() - size.x) * 0.5, workRect.top + (workRect.Height() - size.y) * 0.5};
}

Result<Ref<Desktop2dWindowImpl>> CreateDialogWindow(const String& title, const ColorA& background) {
  ZV_TRY_ASSIGN(Desktop2dWindowRef made, CreateObject<Desktop2dWindowInterface>(Id(kDesktop2dWindowClassId)));
  Ref<Desktop2dWindowImpl> window = Cast<Desktop2dWindowImpl>(made);
  if (!window) return IllegalStateError("The desktop window class is not the module's");
  ZV_TRY(window->CreateWindowOfClass(WindowClass::WindowDialog(), kUnplacedDialogFrame, title));
  AppWidgetInterface& appWidget = *window->GetAppWidget();
  appWidget.SetBackgroundVisibility(true);
  appWidget.SetBackgroundColor(background);
  return window;
}

Result<void> FitAndCentreDialog(Desktop2dWindowImpl& window, const WidgetInterface& content, Float extraHeight) {
  ZV_TRY(window.GetAppWidget()->ComputeLayout());
  // Windows are whole pixels; rounding up keeps the content's last row inside.
  const Vector2d natural = content.GetLocalPixSize();
  const Vector2d contentSize{std::ceil(natural.x), std::ceil(natural.y)};
  OsWindow& os = *window.GetHostWindow()->GetHostCanvas()->GetOsWindow();
  ZV_TRY(os.SetContentRectMinSize(contentSize));
  const Vector2d size{contentSize.x, contentSize.y + extraHeight};
  CanvasInterface& canvas = *window.GetCanvas();
  ZV_TRY(canvas.SetWindowSize(size));
  ZV_TRY_ASSIGN(Monitor monitor, os.GetMonitor());
  return canvas.SetWindowPosition(CentreInWorkRect(size, monitor.GetWorkRect()));
}

Result<void> RunDialogSession(Desktop2dWindowImpl& window) {
  ZV_TRY(window.GetHostWindow()->Open());
  return window.GetHostWindow()->GetHostCanvas()->GetOsWindow()->PerformModalDialogSession();
}

}  // namespace zarvo
