#include "host/backend/headless/HeadlessWindowSystem.h"

#include <cairo.h>

#include "host/ui/EventKeys.h"

namespace zarvo {

namespace {

class HeadlessOsWindow final : public OsWindow {
 public:
  HeadlessOsWindow(HeadlessWindowSystem& system, const Id& windowClass, const Rect& frame)
      : system_(system), windowClass_(windowClass) {
    (void)SetFrame(frame);
  }
  ~HeadlessOsWindow() override {
    if (surface_) cairo_surface_destroy(surface_);
  }

  const Id& GetWindowClass() const override { return windowClass_; }
  Result<void> Show(bool show) override {
    shown_ = show;
    return Ok();
  }
  bool IsShown() const override { return shown_; }
  Result<void> SetTitle(const String& title) override {
    title_ = title;
    return Ok();
  }
  const String& GetTitle() const override { return title_; }

  Result<void> SetFrame(const Rect& screenFrame) override {
    const int width = std::max(1, static_cast<int>(std::lround(std::max(0.0, screenFrame.Width()))));
    const int height = std::max(1, static_cast<int>(std::lround(std::max(0.0, screenFrame.Height()))));
    if (!std::isfinite(screenFrame.left) || !std::isfinite(screenFrame.top)) {
      return IllegalArgumentError("Window frame is not finite");
    }
    const bool resized = !surface_ || width != cairo_image_surface_get_width(surface_) ||
                         height != cairo_image_surface_get_height(surface_);
    frame_ = Rect::FromSize(screenFrame.left, screenFrame.top, width, height);
    if (resized) {
      if (surface_) cairo_surface_destroy(surface_);
      surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
      if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return OutOfMemoryError();
      NotifyResize({static_cast<Float>(width), static_cast<Float>(height)});
    }
    return Ok();
  }
  Rect GetFrame() const override { return frame_; }
  cairo_surface_t* GetSurface() override { return surface_; }
  void Present(const Rect&) override { cairo_surface_flush(surface_); }
  void SetCursor(const Id&) override {}
  void SetCursorVisibility(bool) override {}
  void WarpCursor(Vector2d) override {}
  void Close() override {
    if (closed_) return;
    closed_ = true;
    shown_ = false;
  }
  bool IsClosed() const override { return closed_; }
  void DeliverEvent(const DataDictionary& event) override {
    system_.NoteEvent(event, {frame_.left, frame_.top});
    OsWindow::DeliverEvent(event);
  }

 private:
  HeadlessWindowSystem& system_;
  Id windowClass_;
  Rect frame_;
  String title_;
  cairo_surface_t* surface_ = nullptr;
  bool shown_ = false;
  bool closed_ = false;
};

}  // namespace

const String& HeadlessWindowSystem::GetName() const {
  static const String name = "headless";
  return name;
}

Result<std::unique_ptr<OsWindow>> HeadlessWindowSystem::CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                                      OsWindow*) {
  if (!std::isfinite(screenFrame.Width()) || !std::isfinite(screenFrame.Height())) {
    return IllegalArgumentError("Window size is not finite");
  }
  std::unique_ptr<OsWindow> window = std::make_unique<HeadlessOsWindow>(*this, windowClass, screenFrame);
  if (!window->GetSurface()) return OutOfMemoryError();
  return window;
}

std::vector<Monitor> HeadlessWindowSystem::GetMonitors() const {
  const Rect frame{0.0, 0.0, kHeadlessMonitorWidth, kHeadlessMonitorHeight};
  return {Monitor{frame, Rect{0.0, 0.0, kHeadlessMonitorWidth, kHeadlessMonitorHeight - kHeadlessPanelHeight},
                  "headless"}};
}

void HeadlessWindowSystem::NoteEvent(const DataDictionary& event, Vector2d windowOrigin) {
  EventReader reader(&event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return;
  switch (*type) {
    case EVENT::KEYBOARD_KEY_DOWN:
      if (Result<Int32> key = reader.GetKey(); key.IsOk()) pressedKeys_.insert(*key);
      break;
    case EVENT::KEYBOARD_KEY_UP:
      if (Result<Int32> key = reader.GetKey(); key.IsOk()) pressedKeys_.erase(*key);
      break;
    default:
      if (event.Contains(EventKeys::Position())) {
        if (Result<Vector2d> p = reader.GetPosition(); p.IsOk()) mouse_ = *p + windowOrigin;
      }
      break;
  }
}


}  // namespace zarvo
