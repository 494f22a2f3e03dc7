#include "host/backend/headless/HeadlessWindowSystem.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "host/ui/EventKeys.h"

namespace zarvo {

namespace {

class HeadlessOsWindow final : public OsWindow {
 public:
  HeadlessOsWindow(HeadlessWindowSystem& system, const Id& windowClass) : OsWindow(system), windowClass_(windowClass) {}
  ~HeadlessOsWindow() override {
    if (surface_) cairo_surface_destroy(surface_);
  }

  const Id& GetWindowClass() const override { return windowClass_; }
  Result<void> Show(bool show) override {
    shown_ = show && !closed_;
    return Ok();
  }
  bool IsShown() const override { return shown_; }
  Result<void> SetTitle(const String& title) override {
    title_ = title;
    return Ok();
  }
  const String& GetTitle() const override { return title_; }

  Result<void> SetFrame(const Rect& screenFrame) override {
    if (!std::isfinite(screenFrame.left) || !std::isfinite(screenFrame.top)) {
      return IllegalArgumentError("Window frame is not finite");
    }
    const Float requestedWidth = std::max({0.0, screenFrame.Width(), minSize_.x});
    const Float requestedHeight = std::max({0.0, screenFrame.Height(), minSize_.y});
    const int width = std::max(1, static_cast<int>(std::lround(requestedWidth)));
    const int height = std::max(1, static_cast<int>(std::lround(requestedHeight)));
    const bool resized = !surface_ || width != cairo_image_surface_get_width(surface_) ||
                         height != cairo_image_surface_get_height(surface_);
    frame_ = Rect::FromSize(screenFrame.left, screenFrame.top, width, height);
    if (resized) {
      cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
      if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return OutOfMemoryError();
      }
      if (surface_) cairo_surface_destroy(surface_);
      surface_ = surface;
      NotifyResize({static_cast<Float>(width), static_cast<Float>(height)});
    }
    return Ok();
  }
  Rect GetFrame() const override { return frame_; }
  Result<void> SetContentRectMinSize(Vector2d size) override {
    if (!std::isfinite(size.x) || !std::isfinite(size.y)) return IllegalArgumentError("Minimum size is not finite");
    const Vector2d clamped{std::max(0.0, size.x), std::max(0.0, size.y)};
    if (clamped == minSize_) return Ok();
    minSize_ = clamped;
    if (frame_.Width() >= minSize_.x && frame_.Height() >= minSize_.y) return Ok();
    return SetFrame(frame_);
  }
  Vector2d GetContentRectMinSize() const override { return minSize_; }
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
    if (auto* system = dynamic_cast<HeadlessWindowSystem*>(GetWindowSystem())) {
      system->NoteEvent(event, {frame_.left, frame_.top});
    }
    OsWindow::DeliverEvent(event);
  }

 private:
  Id windowClass_;
  Rect frame_;
  Vector2d minSize_;
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
                                                                       OsWindow* parent) {
  if (!std::isfinite(screenFrame.Width()) || !std::isfinite(screenFrame.Height())) {
    return IllegalArgumentError("Window size is not finite");
  }
  auto window = std::make_unique<HeadlessOsWindow>(*this, windowClass);
  ZV_TRY(window->SetFrame(screenFrame));
  window->SetParent(parent);
  return std::unique_ptr<OsWindow>(std::move(window));
}

std::vector<Monitor> HeadlessWindowSystem::GetMonitors() const {
  const Rect frame{0.0, 0.0, kHeadlessMonitorWidth, kHeadlessMonitorHeight};
  return {
      Monitor{frame, Rect{0.0, 0.0, kHeadlessMonitorWidth, kHeadlessMonitorHeight - kHeadlessPanelHeight}, "headless"}};
}

void HeadlessWindowSystem::PostEvent(const OsWindow& window, DataDictionary event) {
  posted_.push_back(Posted{window.GetSerial(), std::move(event)});
}

Result<void> HeadlessWindowSystem::PumpEvents(Float) {
  // Only what was posted before this call: an event handler that posts more waits for the next.
  for (size_t count = posted_.size(); count > 0 && !posted_.empty(); --count) {
    Posted posted = std::move(posted_.front());
    posted_.pop_front();
    OsWindow* window = FindWindow(posted.windowSerial);
    if (!window || window->IsClosed() || !AcceptsInput(*window)) continue;
    window->DeliverEvent(posted.event);
  }
  return Ok();
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
