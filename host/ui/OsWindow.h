#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Geometry.h"
#include "host/core/Result.h"

typedef struct _cairo_surface cairo_surface_t;

namespace zarvo {

// The window classes the host knows.
namespace WindowClass {
const Id& Window();        // "net.zarvo.ui.oswindowclass.window"
const Id& WindowDialog();  // "net.zarvo.ui.oswindowclass.windowdialog"
const Id& WindowMenu();    // "net.zarvo.ui.oswindowclass.windowmenu"
}  // namespace WindowClass

// A monitor: its whole frame and the part windows may use, in screen coordinates.
struct Monitor {
  Rect frame;
  Rect workRect;
  String name;
};

// One window of the window system (real or offscreen). It owns the pixel surface the canvas
// draws into and reports input as event records through its sink.
class OsWindow {
 public:
  using EventSink = std::function<void(const DataDictionary& event)>;
  using ResizeSink = std::function<void(Vector2d size)>;
  using CloseSink = std::function<void()>;

  virtual ~OsWindow() = default;
  virtual const Id& GetWindowClass() const = 0;
  [[nodiscard]] virtual Result<void> Show(bool show) = 0;
  virtual bool IsShown() const = 0;
  [[nodiscard]] virtual Result<void> SetTitle(const String& title) = 0;
  virtual const String& GetTitle() const = 0;
  // Frame of the content area in screen coordinates.
  [[nodiscard]] virtual Result<void> SetFrame(const Rect& screenFrame) = 0;
  virtual Rect GetFrame() const = 0;
  // The ARGB32 surface the size of the content area; valid until the next resize.
  virtual cairo_surface_t* GetSurface() = 0;
  // Shows the given area of the surface on screen.
  virtual void Present(const Rect& area) = 0;
  virtual void SetCursor(const Id& systemCursor) = 0;
  virtual void SetCursorVisibility(bool visible) = 0;
  virtual void WarpCursor(Vector2d windowPosition) = 0;
  virtual void Close() = 0;
  virtual bool IsClosed() const = 0;

  void SetEventSink(EventSink sink) { eventSink_ = std::move(sink); }
  void SetResizeSink(ResizeSink sink) { resizeSink_ = std::move(sink); }
  void SetCloseSink(CloseSink sink) { closeSink_ = std::move(sink); }
  // Delivers an event record as if the window system had sent it.
  virtual void DeliverEvent(const DataDictionary& event) {
    if (eventSink_) eventSink_(event);
  }

 protected:
  void NotifyResize(Vector2d size) {
    if (resizeSink_) resizeSink_(size);
  }
  void NotifyCloseRequest() {
    if (closeSink_) closeSink_();
  }

 private:
  EventSink eventSink_;
  ResizeSink resizeSink_;
  CloseSink closeSink_;
};

// The window system backend: headless (offscreen) or real windows.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // The backend in use; headless until a program installs another.
  static WindowSystem& Get();
  static void Install(std::unique_ptr<WindowSystem> system);

  virtual const String& GetName() const = 0;
  [[nodiscard]] virtual Result<std::unique_ptr<OsWindow>> CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                                         OsWindow* parent) = 0;
  virtual std::vector<Monitor> GetMonitors() const = 0;
  // Delivers pending input to the windows; with `waitSeconds` > 0 waits that long for some.
  [[nodiscard]] virtual Result<void> PumpEvents(Float waitSeconds) = 0;
  virtual bool IsKeyPressed(Int32 key) const = 0;
  virtual Vector2d GetMouseScreenPosition() const = 0;
  virtual Result<String> GetClipboardText() const = 0;
  [[nodiscard]] virtual Result<void> SetClipboardText(const String& text) = 0;
};

}  // namespace zarvo
