#include "host/backend/sdl/SdlWindowSystem.h"

#include <cmath>
#include <cstdlib>

#include "host/backend/sdl/SdlEventTranslation.h"
#include "host/backend/sdl/SdlOsWindow.h"
#include "host/backend/sdl/X11ErrorHandler.h"
#include "host/ui/CanvasInterface.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zarvo {

namespace {

constexpr Float kMillisecondsPerSecond = 1000.0;
constexpr float kUnscaledDpi = 96.0f;

SDL_SystemCursor SdlCursorFor(const Id& id) {
  if (id == SystemCursor::SizeWE()) return SDL_SYSTEM_CURSOR_SIZEWE;
  if (id == SystemCursor::SizeNS()) return SDL_SYSTEM_CURSOR_SIZENS;
  if (id == SystemCursor::Forbidden()) return SDL_SYSTEM_CURSOR_NO;
  if (id == SystemCursor::DragMove()) return SDL_SYSTEM_CURSOR_SIZEALL;
  if (id == SystemCursor::DragLink()) return SDL_SYSTEM_CURSOR_HAND;
  if (id == SystemCursor::Text()) return SDL_SYSTEM_CURSOR_IBEAM;
  if (id == SystemCursor::Hand()) return SDL_SYSTEM_CURSOR_HAND;
  // SDL has no copy cursor: copying shows the arrow, like the normal cursor and unknown ids.
  return SDL_SYSTEM_CURSOR_ARROW;
}

Rect ToRect(const SDL_Rect& rect) { return Rect::FromSize(rect.x, rect.y, rect.w, rect.h); }

}  // namespace

Result<std::unique_ptr<SdlWindowSystem>> SdlWindowSystem::Create() {
  ZV_TRY_ASSIGN(String driver, ChooseSdlVideoDriver(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")));
  SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
  if (driver == "x11") {
    // The accelerated framebuffer uploads a texture per update, which costs about 6 ms on a
    // software X server such as Xvfb; the plain one is a shared-memory copy of the damage. The
    // environment variable of the same name still wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // SDL keeps the handler it finds here: its own passes every error on to it, and it puts it
    // back before it closes its second display connection, the one it wakes its event wait
    // through. Errors still queued there are reported only then, and must not meet the X
    // library's default, which ends the process.
    InstallX11ErrorHandler();
  }
  // Closing the last window is a close request like any other; the application decides.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The click that activates a window also acts on it.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
#if defined(__SANITIZE_ADDRESS__)
  // SDL opens a D-Bus connection as its video starts, and libdbus never frees that connection's
  // read buffer; the leak checker is not to count it against us.
  __lsan_disable();
#endif
  const int started = SDL_InitSubSystem(SDL_INIT_VIDEO);
#if defined(__SANITIZE_ADDRESS__)
  __lsan_enable();
#endif
  if (started != 0) {
    return IllegalStateError("Cannot open the display with the SDL video driver '" + driver + "': " + SDL_GetError());
  }
  const char* running = SDL_GetCurrentVideoDriver();
  std::unique_ptr<SdlWindowSystem> system(new SdlWindowSystem(running ? String(running) : driver));
  SDL_StartTextInput();
  return system;
}

SdlWindowSystem::~SdlWindowSystem() {
  // Windows still open lose their SDL window before SDL goes; their owners may outlive us.
  tearingDown_ = true;
  const std::vector<OsWindow*> windows = GetWindows();
  for (OsWindow* window : windows) window->Close();
  for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
  cursors_.clear();
  SDL_StopTextInput();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // Only SDL_Quit lets go of what SDL shares between its subsystems (its D-Bus connection).
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

const String& SdlWindowSystem::GetName() const {
  static const String name = "sdl";
  return name;
}

Result<std::unique_ptr<OsWindow>> SdlWindowSystem::CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                                  OsWindow* parent) {
  ZV_TRY_ASSIGN(std::unique_ptr<SdlOsWindow> window, SdlOsWindow::Create(*this, windowClass, screenFrame, parent));
  return std::unique_ptr<OsWindow>(std::move(window));
}

std::vector<Monitor> SdlWindowSystem::GetMonitors() const {
  std::vector<Monitor> monitors;
  const int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(i, &bounds) != 0) continue;
    SDL_Rect usable = bounds;
    if (SDL_GetDisplayUsableBounds(i, &usable) != 0) usable = bounds;
    const char* name = SDL_GetDisplayName(i);
    Monitor monitor{ToRect(bounds), ToRect(usable), name ? String(name) : String()};
    // SDL reports density rather than a scale; 96 dots per inch is the unscaled desktop.
    float dpi = 0.0f;
    if (SDL_GetDisplayDPI(i, &dpi, nullptr, nullptr) == 0 && dpi > 0.0f) monitor.scale = dpi / kUnscaledDpi;
    monitors.push_back(std::move(monitor));
  }
  return monitors;
}

// ---- events ---------------------------------------------------------------------------------

Result<void> SdlWindowSystem::PumpEvents(Float waitSeconds) {
  SDL_Event event;
  if (std::isfinite(waitSeconds) && waitSeconds > 0.0) {
    const int milliseconds = std::max(1, static_cast<int>(std::ceil(waitSeconds * kMillisecondsPerSecond)));
    if (SDL_WaitEventTimeout(&event, milliseconds) == 1) Dispatch(event);
  }
  // One event at a time: a handler may run a nested loop (a modal session) that takes the rest.
  for (int i = 0; i < kMaxEventsPerPump && SDL_PollEvent(&event) == 1; ++i) Dispatch(event);
  if (focusLost_) {
    focusLost_ = false;
    // The focus went to another program, not to one of our windows: open menus close.
    if (!SDL_GetKeyboardFocus()) (void)CloseMenusOutside(nullptr);
  }
  return Ok();
}

bool SdlWindowSystem::HasPendingEvents() const { return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE; }

SdlOsWindow* SdlWindowSystem::FindSdlWindow(Uint32 sdlWindowId) const {
  if (sdlWindowId == 0) return nullptr;
  for (OsWindow* window : GetWindows()) {
    auto* sdlWindow = static_cast<SdlOsWindow*>(window);
    if (sdlWindow->GetSdlWindowId() == sdlWindowId && !sdlWindow->IsClosed()) return sdlWindow;
  }
  return nullptr;
}

void SdlWindowSystem::Deliver(SdlOsWindow* window, const SDL_Event& event) {
  if (!window || window->IsClosed() || !AcceptsInput(*window)) return;
  window->HandleSdlEvent(event);
}

void SdlWindowSystem::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      RequestQuit();
      return;
    case SDL_WINDOWEVENT: {
      SdlOsWindow* window = FindSdlWindow(event.window.windowID);
      if (!window) return;
      switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          if (window->IsMenu()) {
            GiveFocusBack(*window);
            return;
          }
          focusedSerial_ = window->GetSerial();
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          focusLost_ = true;
          break;
        case SDL_WINDOWEVENT_CLOSE:
        case SDL_WINDOWEVENT_ENTER:
          // A window held back by a modal session neither closes nor lights up; leaving still
          // clears what it showed under the pointer.
          if (!AcceptsInput(*window)) return;
          break;
        default:
          break;
      }
      window->HandleSdlEvent(event);
      return;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (CloseMenusOutside(FindSdlWindow(event.button.windowID))) {
        swallowedButtons_ |= SDL_BUTTON(event.button.button);
        return;
      }
      // Closing menus may have changed the windows: look the target up again.
      Deliver(FindSdlWindow(event.button.windowID), event);
      return;
    case SDL_MOUSEBUTTONUP:
      if (swallowedButtons_ & SDL_BUTTON(event.button.button)) {
        swallowedButtons_ &= ~SDL_BUTTON(event.button.button);
        return;
      }
      Deliver(FindSdlWindow(event.button.windowID), event);
      return;
    case SDL_MOUSEMOTION:
      Deliver(FindSdlWindow(event.motion.windowID), event);
      return;
    case SDL_MOUSEWHEEL:
      Deliver(FindSdlWindow(event.wheel.windowID), event);
      return;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      Deliver(KeyboardTarget(event.key.windowID), event);
      return;
    case SDL_TEXTINPUT:
      Deliver(KeyboardTarget(event.text.windowID), event);
      return;
    default:
      return;
  }
}

void SdlWindowSystem::GiveFocusBack(SdlOsWindow& menu) {
  // Without a window manager SDL hands the keyboard focus to every window it shows, menus too.
  // The focus goes back to the window the menu belongs to: closing a menu that holds it would
  // leave no window with the focus, and SDL with a pointer capture on a window that is gone.
  auto* owner = dynamic_cast<SdlOsWindow*>(menu.GetParent());
  if (!owner || owner->IsClosed() || owner->IsMenu()) owner = dynamic_cast<SdlOsWindow*>(FindWindow(focusedSerial_));
  if (!owner || owner->IsClosed()) return;
  (void)SDL_SetWindowInputFocus(owner->GetSdlWindow());
  SDL_RaiseWindow(menu.GetSdlWindow());  // back above the window that took the focus back
}

SdlOsWindow* SdlWindowSystem::KeyboardTarget(Uint32 sdlWindowId) const {
  SdlOsWindow* target = FindSdlWindow(sdlWindowId);
  if (!target) target = static_cast<SdlOsWindow*>(FindWindow(focusedSerial_));
  // Menus never take the focus from the window that opened them: keys go to the newest one.
  SdlOsWindow* menu = nullptr;
  for (OsWindow* window : GetWindows()) {
    auto* candidate = static_cast<SdlOsWindow*>(window);
    if (candidate->IsMenu() && candidate->IsShown()) menu = candidate;
  }
  if (menu && (!target || menu->GetSerial() > target->GetSerial())) target = menu;
  // During a modal session keys belong to its window, wherever the focus is.
  if (target && !AcceptsInput(*target)) target = static_cast<SdlOsWindow*>(FindWindow(GetModalWindowSerial()));
  return target;
}

bool SdlWindowSystem::CloseMenusOutside(const SdlOsWindow* clicked) {
  std::vector<uint64_t> menus;
  for (OsWindow* window : GetWindows()) {
    auto* menu = static_cast<SdlOsWindow*>(window);
    if (!menu->IsMenu() || !menu->IsShown() || menu == clicked) continue;
    // A menu opened after this one (its sub-menu) keeps it open.
    if (clicked && clicked->IsMenu() && clicked->GetSerial() > menu->GetSerial()) continue;
    menus.push_back(menu->GetSerial());
  }
  // Each request may close or destroy windows: find every menu again.
  for (uint64_t serial : menus) {
    if (OsWindow* menu = FindWindow(serial)) menu->RequestClose();
  }
  return !menus.empty();
}

// ---- state ----------------------------------------------------------------------------------

bool SdlWindowSystem::IsKeyPressed(Int32 key) const {
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  const auto down = [&](SDL_Scancode code) { return code > SDL_SCANCODE_UNKNOWN && code < count && state[code] != 0; };
  if (key == KEY::SHIFT) return down(SDL_SCANCODE_LSHIFT) || down(SDL_SCANCODE_RSHIFT);
  if (key == KEY::CONTROL) return down(SDL_SCANCODE_LCTRL) || down(SDL_SCANCODE_RCTRL);
  if (key == KEY::ALT) return down(SDL_SCANCODE_LALT) || down(SDL_SCANCODE_RALT);
  const SDL_Keycode sdlKey = HostKeyToSdlKey(key);
  if (sdlKey == SDLK_UNKNOWN) return false;
  return down(SDL_GetScancodeFromKey(sdlKey));
}

Vector2d SdlWindowSystem::GetMouseScreenPosition() const {
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return {static_cast<Float>(x), static_cast<Float>(y)};
}

Result<String> SdlWindowSystem::GetClipboardText() const {
  char* text = SDL_GetClipboardText();
  if (!text) return IllegalStateError(String("Cannot read the clipboard: ") + SDL_GetError());
  // Other programs put anything on the clipboard: hand out valid UTF-8 only.
  String clean = SanitizeUtf8(text);
  SDL_free(text);
  return clean;
}

Result<void> SdlWindowSystem::SetClipboardText(const String& text) {
  if (SDL_SetClipboardText(text.c_str()) != 0) {
    return IllegalStateError(String("Cannot write the clipboard: ") + SDL_GetError());
  }
  return Ok();
}

SDL_Cursor* SdlWindowSystem::GetSdlCursor(const Id& systemCursor) {
  auto it = cursors_.find(systemCursor);
  if (it != cursors_.end()) return it->second;
  SDL_Cursor* cursor = SDL_CreateSystemCursor(SdlCursorFor(systemCursor));
  if (!cursor) return SDL_GetDefaultCursor();
  cursors_.emplace(systemCursor, cursor);
  return cursor;
}

}  // namespace zarvo
