#pragma once
#include <cstdint>
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
  // Device pixels per screen coordinate unit (2 on a doubled display).
  Float scale = 1.0;

  const Rect& GetWorkRect() const noexcept { return workRect; }
};

// The monitor holding most of `screenFrame`; when none overlaps it, the one nearest to its centre.
// An error when there are no monitors.
[[nodiscard]] Result<Monitor> FindMonitorFor(const std::vector<Monitor>& monitors, const Rect& screenFrame);
// `screenFrame` made to fit `workRect`: no larger than it (and at least `minSize`, which wins over
// the work rectangle), then moved inside it as far as its size allows.
Rect FitFrameToWorkRect(const Rect& screenFrame, const Rect& workRect, Vector2d minSize = {});

class WindowSystem;

// One window of the window system (real or offscreen). It owns the pixel surface the canvas
// draws into and reports input as event records through its sink.
class OsWindow {
 public:
  using EventSink = std::function<void(const DataDictionary& event)>;
  using ResizeSink = std::function<void(Vector2d size)>;
  using CloseSink = std::function<void()>;

  // Registers the window with `system` for as long as both live.
  explicit OsWindow(WindowSystem& system);
  virtual ~OsWindow();
  OsWindow(const OsWindow&) = delete;
  OsWindow& operator=(const OsWindow&) = delete;

  virtual const Id& GetWindowClass() const = 0;
  [[nodiscard]] virtual Result<void> Show(bool show) = 0;
  virtual bool IsShown() const = 0;
  [[nodiscard]] virtual Result<void> SetTitle(const String& title) = 0;
  virtual const String& GetTitle() const = 0;
  // Frame of the content area in screen coordinates.
  [[nodiscard]] virtual Result<void> SetFrame(const Rect& screenFrame) = 0;
  virtual Rect GetFrame() const = 0;
  // The smallest content size the user may resize the window to; a smaller window grows to it.
  [[nodiscard]] virtual Result<void> SetContentRectMinSize(Vector2d size) = 0;
  virtual Vector2d GetContentRectMinSize() const = 0;
  // The ARGB32 surface the size of the content area; valid until the next resize.
  virtual cairo_surface_t* GetSurface() = 0;
  // Shows the given area of the surface on screen.
  virtual void Present(const Rect& area) = 0;
  virtual void SetCursor(const Id& systemCursor) = 0;
  virtual void SetCursorVisibility(bool visible) = 0;
  virtual void WarpCursor(Vector2d windowPosition) = 0;
  virtual void Close() = 0;
  virtual bool IsClosed() const = 0;

  // The monitor holding most of the window, and so its work rectangle.
  [[nodiscard]] Result<Monitor> GetMonitor() const;
  // Shows the window and runs the host loop (input, due jobs, window updates) until it closes.
  // Meanwhile input to the windows opened before it is held back. Headless, a session whose
  // window is still open when nothing is left that could close it fails instead of hanging.
  [[nodiscard]] Result<void> PerformModalDialogSession();

  // The window this one belongs to: a dialog stays above it, a menu closes with it. Null when
  // there is none or it is gone.
  OsWindow* GetParent() const;
  void SetParent(OsWindow* parent);
  // Counts up with every window created, so that "opened after" is a comparison.
  uint64_t GetSerial() const noexcept { return serial_; }
  // Null once the window system went away before the window.
  WindowSystem* GetWindowSystem() const noexcept { return system_; }

  void SetEventSink(EventSink sink) { eventSink_ = std::move(sink); }
  void SetResizeSink(ResizeSink sink) { resizeSink_ = std::move(sink); }
  void SetCloseSink(CloseSink sink) { closeSink_ = std::move(sink); }
  // Delivers an event record as if the window system had sent it.
  virtual void DeliverEvent(const DataDictionary& event) {
    if (eventSink_) eventSink_(event);
  }
  // The user (or the window system, for a menu clicked outside) asks the window to close; its
  // owner decides.
  void RequestClose() { NotifyCloseRequest(); }

 protected:
  void NotifyResize(Vector2d size) {
    if (resizeSink_) resizeSink_(size);
  }
  void NotifyCloseRequest() {
    if (closeSink_) closeSink_();
  }
  virtual void HandleParentChanged() {}

 private:
  friend class WindowSystem;

  WindowSystem* system_;
  uint64_t serial_;
  uint64_t parentSerial_ = 0;
  EventSink eventSink_;
  ResizeSink resizeSink_;
  CloseSink closeSink_;
};

// The window system backend: headless (offscreen) or real windows.
class WindowSystem {
 public:
  WindowSystem() = default;
  virtual ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  // The backend in use; headless until a program installs another.
  static WindowSystem& Get();
  // Installs `system`; null goes back to a fresh headless backend on the next Get.
  static void Install(std::unique_ptr<WindowSystem> system);

  virtual const String& GetName() const = 0;
  [[nodiscard]] virtual Result<std::unique_ptr<OsWindow>> CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                                         OsWindow* parent) = 0;
  virtual std::vector<Monitor> GetMonitors() const = 0;
  // Delivers pending input to the windows; with `waitSeconds` > 0 waits that long for some.
  [[nodiscard]] virtual Result<void> PumpEvents(Float waitSeconds) = 0;
  // True when input is waiting for the next PumpEvents.
  virtual bool HasPendingEvents() const = 0;
  // True when input may arrive from outside the program (someone at a display). Without it, a
  // loop with nothing queued waits for nothing.
  virtual bool HasExternalInput() const = 0;
  virtual bool IsKeyPressed(Int32 key) const = 0;
  virtual Vector2d GetMouseScreenPosition() const = 0;
  virtual Result<String> GetClipboardText() const = 0;
  [[nodiscard]] virtual Result<void> SetClipboardText(const String& text) = 0;

  // The monitor holding most of `screenFrame`.
  [[nodiscard]] Result<Monitor> GetMonitorFor(const Rect& screenFrame) const;

  // The live windows, oldest first.
  const std::vector<OsWindow*>& GetWindows() const noexcept { return windows_; }
  OsWindow* FindWindow(uint64_t serial) const noexcept;

  // Modal sessions nest; while one runs, only its window and the windows opened after it take
  // input.
  void BeginModal(uint64_t windowSerial);
  void EndModal(uint64_t windowSerial);
  bool IsModalRunning() const noexcept { return !modal_.empty(); }
  // The innermost modal session's window, 0 when none runs.
  uint64_t GetModalWindowSerial() const noexcept { return modal_.empty() ? 0 : modal_.back(); }
  bool AcceptsInput(const OsWindow& window) const noexcept;

  // The user or the program asked the application to end.
  void RequestQuit() noexcept { quitRequested_ = true; }
  bool IsQuitRequested() const noexcept { return quitRequested_; }
  void ClearQuitRequest() noexcept { quitRequested_ = false; }

 private:
  friend class OsWindow;
  void Register(OsWindow* window);
  void Unregister(OsWindow* window);

  std::vector<OsWindow*> windows_;
  std::vector<uint64_t> modal_;
  bool quitRequested_ = false;
};

}  // namespace zarvo
