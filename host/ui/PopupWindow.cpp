#include "host/ui/PopupWindow.h"

#include "host/ui/Canvas.h"

namespace zarvo {

namespace {
// A popup is sized when its content is known; the window system wants some size to start with.
constexpr Rect kInitialPopupFrame{0.0, 0.0, 1.0, 1.0};

Result<OsWindow*> OsWindowOf(const CanvasInterface& canvas) {
  const auto* host = dynamic_cast<const Canvas*>(&canvas);
  if (!host || !host->GetOsWindow()) return IllegalArgumentError("The canvas has no window");
  return host->GetOsWindow();
}
}  // namespace

Result<Ref<AppWindow>> CreatePopupWindow(CanvasInterface* owner) {
  OsWindow* parent = nullptr;
  if (owner) {
    ZV_TRY_ASSIGN(parent, OsWindowOf(*owner));
  }
  ZV_TRY_ASSIGN(Ref<AppWindow> popup, AppWindow::Create(WindowClass::WindowMenu(), kInitialPopupFrame));
  if (!owner) return popup;
  auto* canvas = dynamic_cast<Canvas*>(popup->GetCanvas());
  canvas->GetOsWindow()->SetParent(parent);
  // The popup goes with its owner; the observer is dropped once the popup is gone.
  owner->ObservableClose()->AddObserver(
      popup.Get(), [link = WeakRef<AppWindow>(popup)](CanvasInterface*) -> Result<void> {
        if (Ref<AppWindow> window = link.Lock(); window && window->IsOpen()) return window->Close();
        return Ok();
      });
  return popup;
}

Result<Rect> GetWindowWorkRect(const CanvasInterface& canvas) {
  ZV_TRY_ASSIGN(OsWindow * window, OsWindowOf(canvas));
  ZV_TRY_ASSIGN(Monitor monitor, window->GetMonitor());
  return monitor.GetWorkRect();
}

}  // namespace zarvo
