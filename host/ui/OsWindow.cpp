#include "host/ui/OsWindow.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <utility>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/ui/ModalSession.h"

namespace zarvo {

namespace WindowClass {
const Id& Window() {
  static const Id id("net.zarvo.ui.oswindowclass.window");
  return id;
}
const Id& WindowDialog() {
  static const Id id("net.zarvo.ui.oswindowclass.windowdialog");
  return id;
}
const Id& WindowMenu() {
  static const Id id("net.zarvo.ui.oswindowclass.windowmenu");
  return id;
}
}  // namespace WindowClass

// ---- monitors -------------------------------------------------------------------------------

Result<Monitor> FindMonitorFor(const std::vector<Monitor>& monitors, const Rect& screenFrame) {
  if (monitors.empty()) return IllegalStateError("No monitor");
  const Monitor* best = nullptr;
  Float bestArea = 0.0;
  for (const Monitor& monitor : monitors) {
    const Rect overlap = monitor.frame.Intersect(screenFrame);
    if (overlap.IsEmpty()) continue;
    const Float area = overlap.Width() * overlap.Height();
    if (area > bestArea) {
      bestArea = area;
      best = &monitor;
    }
  }
  if (best) return *best;
  // Off every monitor (or empty): the nearest one, so that a window can be brought back.
  const Vector2d center{(screenFrame.left + screenFrame.right) * 0.5, (screenFrame.top + screenFrame.bottom) * 0.5};
  Float bestDistance = std::numeric_limits<Float>::infinity();
  for (const Monitor& monitor : monitors) {
    const Float dx = std::max({monitor.frame.left - center.x, 0.0, center.x - monitor.frame.right});
    const Float dy = std::max({monitor.frame.top - center.y, 0.0, center.y - monitor.frame.bottom});
    const Float distance = dx * dx + dy * dy;
    if (!best || distance < bestDistance) {
      bestDistance = distance;
      best = &monitor;
    }
  }
  return *best;
}

Rect FitFrameToWorkRect(const Rect& screenFrame, const Rect& workRect, Vector2d minSize) {
  const Float width = std::max(std::min(screenFrame.Width(), workRect.Width()), minSize.x);
  const Float height = std::max(std::min(screenFrame.Height(), workRect.Height()), minSize.y);
  // Right and bottom edges first, so that a window wider than the work area keeps its left edge
  // on screen.
  const Float left = std::max(std::min(screenFrame.left, workRect.right - width), workRect.left);
  const Float top = std::max(std::min(screenFrame.top, workRect.bottom - height), workRect.top);
  return Rect::FromSize(left, top, width, height);
}

// ---- windows --------------------------------------------------------------------------------

namespace {
uint64_t NextWindowSerial() {
  static uint64_t last = 0;
  return ++last;
}
}  // namespace

OsWindow::OsWindow(WindowSystem& system) : system_(&system), serial_(NextWindowSerial()) { system.Register(this); }

OsWindow::~OsWindow() {
  if (system_) system_->Unregister(this);
}

Result<Monitor> OsWindow::GetMonitor() const {
  if (!system_) return IllegalStateError("The window system is gone");
  return system_->GetMonitorFor(GetFrame());
}

Result<void> OsWindow::PerformModalDialogSession() { return RunModalSession(*this); }

OsWindow* OsWindow::GetParent() const {
  if (!system_ || parentSerial_ == 0) return nullptr;
  return system_->FindWindow(parentSerial_);
}

void OsWindow::SetParent(OsWindow* parent) {
  assert(parent != this && "a window cannot be its own parent");
  const uint64_t serial = parent && parent != this ? parent->GetSerial() : 0;
  if (serial == parentSerial_) return;
  parentSerial_ = serial;
  HandleParentChanged();
}

// ---- window system --------------------------------------------------------------------------

namespace {
std::unique_ptr<WindowSystem>& Installed() {
  // Never destroyed: windows still alive at exit must not reach a destroyed system.
  static auto* system = new std::unique_ptr<WindowSystem>();
  return *system;
}
}  // namespace

WindowSystem::~WindowSystem() {
  for (OsWindow* window : windows_) window->system_ = nullptr;
}

WindowSystem& WindowSystem::Get() {
  std::unique_ptr<WindowSystem>& system = Installed();
  if (!system) system = std::make_unique<HeadlessWindowSystem>();
  return *system;
}

void WindowSystem::Install(std::unique_ptr<WindowSystem> system) {
  // The old system goes after the new one is in place, so that its teardown sees the new one.
  std::unique_ptr<WindowSystem> old = std::exchange(Installed(), std::move(system));
  old.reset();
}

Result<Monitor> WindowSystem::GetMonitorFor(const Rect& screenFrame) const {
  return FindMonitorFor(GetMonitors(), screenFrame);
}

OsWindow* WindowSystem::FindWindow(uint64_t serial) const noexcept {
  for (OsWindow* window : windows_) {
    if (window->GetSerial() == serial) return window;
  }
  return nullptr;
}

void WindowSystem::Register(OsWindow* window) { windows_.push_back(window); }

void WindowSystem::Unregister(OsWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

void WindowSystem::BeginModal(uint64_t windowSerial) { modal_.push_back(windowSerial); }

void WindowSystem::EndModal(uint64_t windowSerial) {
  auto it = std::find(modal_.rbegin(), modal_.rend(), windowSerial);
  if (it != modal_.rend()) modal_.erase(std::next(it).base());
}

bool WindowSystem::AcceptsInput(const OsWindow& window) const noexcept {
  return modal_.empty() || window.GetSerial() >= modal_.back();
}

}  // namespace zarvo
