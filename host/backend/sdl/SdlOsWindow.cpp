#include "host/backend/sdl/SdlOsWindow.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/backend/sdl/SdlWindowSystem.h"
#include "host/core/Log.h"
#include "host/ui/CanvasInterface.h"

namespace zarvo {

namespace {

Uint32 FlagsFor(const Id& windowClass) {
  if (windowClass == WindowClass::Window()) return SDL_WINDOW_RESIZABLE;
  if (windowClass == WindowClass::WindowDialog()) return 0;
  // Menus: the window manager must neither decorate, move nor focus them.
  return SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
}

bool IsKnownClass(const Id& windowClass) {
  return windowClass == WindowClass::Window() || windowClass == WindowClass::WindowDialog() ||
         windowClass == WindowClass::WindowMenu();
}

bool IsFinite(const Rect& rect) {
  return std::isfinite(rect.left) && std::isfinite(rect.top) && std::isfinite(rect.right) && std::isfinite(rect.bottom);
}

// Whole pixels, at least one in each direction (SDL refuses empty windows).
SDL_Rect ToPixels(const Rect& frame) {
  return SDL_Rect{static_cast<int>(std::lround(frame.left)), static_cast<int>(std::lround(frame.top)),
                  std::max(1, static_cast<int>(std::lround(frame.Width()))),
                  std::max(1, static_cast<int>(std::lround(frame.Height())))};
}

}  // namespace

SdlOsWindow::SdlOsWindow(SdlWindowSystem& system, const Id& windowClass)
    : OsWindow(system), windowClass_(windowClass), cursor_(SystemCursor::Normal()) {}

Result<std::unique_ptr<SdlOsWindow>> SdlOsWindow::Create(SdlWindowSystem& system, const Id& windowClass,
                                                         const Rect& screenFrame, OsWindow* parent) {
  if (!IsKnownClass(windowClass)) return IllegalArgumentError("Unknown window class '" + windowClass.GetString() + "'");
  if (!IsFinite(screenFrame)) return IllegalArgumentError("Window frame is not finite");
  std::unique_ptr<SdlOsWindow> window(new SdlOsWindow(system, windowClass));
  Rect frame = screenFrame;
  if (Result<Monitor> monitor = system.GetMonitorFor(screenFrame); monitor.IsOk()) {
    frame = FitFrameToWorkRect(screenFrame, monitor->GetWorkRect());
  }
  const SDL_Rect pixels = ToPixels(frame);
  window->window_ =
      SDL_CreateWindow("", pixels.x, pixels.y, pixels.w, pixels.h, SDL_WINDOW_HIDDEN | FlagsFor(windowClass));
  if (!window->window_) return IllegalStateError(String("Cannot create a window: ") + SDL_GetError());
  window->windowId_ = SDL_GetWindowID(window->window_);
  window->SetParent(parent);
  ZV_TRY(window->SyncSurface());
  return window;
}

SdlOsWindow::~SdlOsWindow() {
  Close();
  DestroySurface();
}

SdlWindowSystem* SdlOsWindow::GetSdlSystem() const { return static_cast<SdlWindowSystem*>(GetWindowSystem()); }

bool SdlOsWindow::IsMenu() const { return windowClass_ == WindowClass::WindowMenu(); }

// ---- state ----------------------------------------------------------------------------------

Result<void> SdlOsWindow::Show(bool show) {
  if (!window_) return show ? IllegalStateError("The window is closed") : Ok();
  if (!show) {
    SDL_HideWindow(window_);
    return Ok();
  }
  if (IsMenu()) {
    // A menu leaves the keyboard focus where it is; the window system hands its keys over.
    SDL_ShowWindow(window_);
    return Ok();
  }
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  // Without a window manager (a bare X server) nothing else hands out the keyboard focus.
  (void)SDL_SetWindowInputFocus(window_);
  return Ok();
}

bool SdlOsWindow::IsShown() const { return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) != 0; }

Result<void> SdlOsWindow::SetTitle(const String& title) {
  if (title == title_) return Ok();
  title_ = title;
  if (window_) SDL_SetWindowTitle(window_, title_.c_str());
  return Ok();
}

Result<void> SdlOsWindow::SetFrame(const Rect& screenFrame) {
  if (!IsFinite(screenFrame)) return IllegalArgumentError("Window frame is not finite");
  if (!window_) return IllegalStateError("The window is closed");
  Rect frame = screenFrame;
  // The monitor the window is asked to be on, not the one it is on now.
  if (Result<Monitor> monitor = GetSdlSystem()->GetMonitorFor(screenFrame); monitor.IsOk()) {
    frame = FitFrameToWorkRect(screenFrame, monitor->GetWorkRect(), minSize_);
  }
  const SDL_Rect pixels = ToPixels(frame);
  SDL_SetWindowPosition(window_, pixels.x, pixels.y);
  SDL_SetWindowSize(window_, pixels.w, pixels.h);
  return SyncSurface();
}

Rect SdlOsWindow::GetFrame() const {
  if (!window_) return closedFrame_;
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &width, &height);
  return Rect::FromSize(x, y, width, height);
}

Result<void> SdlOsWindow::SetContentRectMinSize(Vector2d size) {
  if (!std::isfinite(size.x) || !std::isfinite(size.y)) return IllegalArgumentError("Minimum size is not finite");
  const Vector2d clamped{std::max(0.0, size.x), std::max(0.0, size.y)};
  if (clamped == minSize_) return Ok();
  minSize_ = clamped;
  if (!window_) return Ok();
  SDL_SetWindowMinimumSize(window_, std::max(1, static_cast<int>(std::ceil(minSize_.x))),
                           std::max(1, static_cast<int>(std::ceil(minSize_.y))));
  const Rect frame = GetFrame();
  if (frame.Width() < minSize_.x || frame.Height() < minSize_.y) return SetFrame(frame);
  return SyncSurface();
}

Float SdlOsWindow::GetPixelScale() const {
  if (!window_) return 1.0;
  int width = 0, height = 0, pixelWidth = 0, pixelHeight = 0;
  SDL_GetWindowSize(window_, &width, &height);
  SDL_GetWindowSizeInPixels(window_, &pixelWidth, &pixelHeight);
  return width > 0 && pixelWidth > 0 ? static_cast<Float>(pixelWidth) / width : 1.0;
}

// ---- surface --------------------------------------------------------------------------------

Result<void> SdlOsWindow::SyncSurface() {
  if (!window_) return Ok();
  int width = 0, height = 0;
  SDL_GetWindowSizeInPixels(window_, &width, &height);
  width = std::max(1, width);
  height = std::max(1, height);
  input_.pixelScale = GetPixelScale();
  if (surface_ && width == cairo_image_surface_get_width(surface_) &&
      height == cairo_image_surface_get_height(surface_)) {
    return Ok();
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return OutOfMemoryError();
  }
  // Cairo's ARGB32 is SDL's ARGB8888 on this machine's byte order; the stride is Cairo's.
  SDL_Surface* source =
      SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface), width, height, 32,
                                         cairo_image_surface_get_stride(surface), SDL_PIXELFORMAT_ARGB8888);
  if (!source) {
    cairo_surface_destroy(surface);
    return IllegalStateError(String("Cannot wrap the window surface: ") + SDL_GetError());
  }
  // A plain copy: the window shows the canvas's pixels, it does not blend them over anything.
  SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
  DestroySurface();
  surface_ = surface;
  source_ = source;
  NotifyResize({static_cast<Float>(width), static_cast<Float>(height)});
  return Ok();
}

void SdlOsWindow::DestroySurface() {
  if (source_) SDL_FreeSurface(std::exchange(source_, nullptr));
  // The canvas's painter keeps its own reference while it still draws into the old surface.
  if (surface_) cairo_surface_destroy(std::exchange(surface_, nullptr));
}

void SdlOsWindow::Present(const Rect& area) {
  if (!window_ || !source_) return;
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (!target) {
    LogWarning(String("Cannot present a window: ") + SDL_GetError());
    return;
  }
  cairo_surface_flush(surface_);
  // After a resize the two surfaces may differ until the next draw: copy what both hold.
  const int left = std::max(0, static_cast<int>(std::floor(area.left)));
  const int top = std::max(0, static_cast<int>(std::floor(area.top)));
  const int right = std::min({source_->w, target->w, static_cast<int>(std::ceil(area.right))});
  const int bottom = std::min({source_->h, target->h, static_cast<int>(std::ceil(area.bottom))});
  if (right <= left || bottom <= top) return;
  SDL_Rect rect{left, top, right - left, bottom - top};
  SDL_Rect destination = rect;
  if (SDL_BlitSurface(source_, &rect, target, &destination) != 0) {
    LogWarning(String("Cannot present a window: ") + SDL_GetError());
    return;
  }
  SDL_UpdateWindowSurfaceRects(window_, &rect, 1);
}

// ---- cursor ---------------------------------------------------------------------------------

void SdlOsWindow::SetCursor(const Id& systemCursor) {
  cursor_ = systemCursor;
  // The cursor is SDL's, not the window's: change it only while the pointer is over this window.
  if (window_ && SDL_GetMouseFocus() == window_) SDL_SetCursor(GetSdlSystem()->GetSdlCursor(cursor_));
}

void SdlOsWindow::SetCursorVisibility(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlOsWindow::WarpCursor(Vector2d windowPosition) {
  if (!window_) return;
  const Float scale = input_.pixelScale > 0.0 ? input_.pixelScale : 1.0;
  SDL_WarpMouseInWindow(window_, static_cast<int>(std::lround(windowPosition.x / scale)),
                        static_cast<int>(std::lround(windowPosition.y / scale)));
  input_.pointer = windowPosition;
}

Vector2d SdlOsWindow::QueryPointer() const {
  int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
  SDL_GetGlobalMouseState(&globalX, &globalY);
  SDL_GetWindowPosition(window_, &windowX, &windowY);
  return {(globalX - windowX) * input_.pixelScale, (globalY - windowY) * input_.pixelScale};
}

// ---- closing --------------------------------------------------------------------------------

void SdlOsWindow::Close() {
  if (!window_) return;
  closedFrame_ = GetFrame();
  const bool focused = SDL_GetKeyboardFocus() == window_;
  SDL_DestroyWindow(std::exchange(window_, nullptr));
  SdlWindowSystem* system = GetSdlSystem();
  if (!system || system->IsTearingDown()) return;
  // The focus goes back to the window this one belongs to; without a window manager nothing
  // else would give it to anyone.
  auto* parent = dynamic_cast<SdlOsWindow*>(GetParent());
  if (focused && parent && parent->IsShown() && !parent->IsMenu()) (void)SDL_SetWindowInputFocus(parent->window_);
  // Menus opened from this window go with it; their owners hear of it as a close request.
  std::vector<uint64_t> menus;
  for (OsWindow* window : system->GetWindows()) {
    if (window->GetParent() == this && window->GetWindowClass() == WindowClass::WindowMenu() && !window->IsClosed()) {
      menus.push_back(window->GetSerial());
    }
  }
  for (uint64_t serial : menus) {
    if (OsWindow* menu = system->FindWindow(serial)) menu->RequestClose();
  }
}

void SdlOsWindow::HandleParentChanged() {
  if (!window_ || windowClass_ != WindowClass::WindowDialog()) return;
  auto* parent = dynamic_cast<SdlOsWindow*>(GetParent());
  if (parent && parent->window_) (void)SDL_SetWindowModalFor(window_, parent->window_);
}

// ---- input ----------------------------------------------------------------------------------

void SdlOsWindow::HandleSdlEvent(const SDL_Event& event) {
  if (!window_) return;
  if (event.type == SDL_WINDOWEVENT) {
    switch (event.window.event) {
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (Result<void> synced = SyncSurface(); !synced.IsOk()) LogError(synced.GetError().ToString());
        return;
      case SDL_WINDOWEVENT_EXPOSED:
        // The surface still holds the last drawing: show it again without redrawing.
        Present(
            Rect{0.0, 0.0, static_cast<Float>(source_ ? source_->w : 0), static_cast<Float>(source_ ? source_->h : 0)});
        return;
      case SDL_WINDOWEVENT_CLOSE:
        NotifyCloseRequest();
        return;
      case SDL_WINDOWEVENT_ENTER:
        input_.pointer = QueryPointer();
        SDL_SetCursor(GetSdlSystem()->GetSdlCursor(cursor_));
        break;
      case SDL_WINDOWEVENT_LEAVE:
        break;
      default:
        return;
    }
  }
  input_.keyModifiers = static_cast<Uint16>(SDL_GetModState());
  // A handler may close or destroy this window: check by serial before every further record.
  WindowSystem* system = GetWindowSystem();
  const uint64_t serial = GetSerial();
  for (const DataDictionary& record : TranslateSdlEvent(event, input_)) {
    if (!system || system->FindWindow(serial) != this || IsClosed()) return;
    DeliverEvent(record);
  }
}

}  // namespace zarvo
