#pragma once
#include <SDL.h>

#include <memory>
#include <unordered_map>

#include "host/ui/OsWindow.h"

namespace zarvo {

class SdlOsWindow;

// At most this many queued events are handled per pump, so that a flood of motion cannot keep
// the loop from drawing.
constexpr int kMaxEventsPerPump = 512;

// Real windows through SDL2. Windows present a Cairo surface by blitting its damaged part into
// the window surface. Input becomes the host's event records (SdlEventTranslation.h).
//
// Window classes:
//  - window: a normal, resizable top-level window;
//  - dialog: not resizable, kept above its parent;
//  - menu: borderless, always on top, placed in screen coordinates; it never takes the focus
//    (keys go to the newest open menu instead) and is asked to close when a button goes down in
//    any other window of the program (except the menus opened from it) or the program loses
//    the focus. That press is swallowed, with its release, so that it does not act twice.
// A window is never larger than the work area of the monitor holding most of it.
class SdlWindowSystem final : public WindowSystem {
 public:
  // Starts SDL's video subsystem with the driver the environment names (x11 when DISPLAY is
  // set, else wayland when WAYLAND_DISPLAY is). Fails with a message saying why when there is
  // no display or it cannot be opened.
  [[nodiscard]] static Result<std::unique_ptr<SdlWindowSystem>> Create();
  ~SdlWindowSystem() override;

  const String& GetName() const override;
  // The SDL video driver running, "x11" or "wayland".
  const String& GetVideoDriver() const noexcept { return driver_; }

  Result<std::unique_ptr<OsWindow>> CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                   OsWindow* parent) override;
  std::vector<Monitor> GetMonitors() const override;
  Result<void> PumpEvents(Float waitSeconds) override;
  bool HasPendingEvents() const override;
  bool HasExternalInput() const override { return true; }
  bool IsKeyPressed(Int32 key) const override;
  Vector2d GetMouseScreenPosition() const override;
  Result<String> GetClipboardText() const override;
  Result<void> SetClipboardText(const String& text) override;

  // The SDL cursor for a host system cursor id (the normal arrow for unknown ids).
  SDL_Cursor* GetSdlCursor(const Id& systemCursor);
  SdlOsWindow* FindSdlWindow(Uint32 sdlWindowId) const;
  // True while the system closes its remaining windows on the way out.
  bool IsTearingDown() const noexcept { return tearingDown_; }

 private:
  explicit SdlWindowSystem(String driver) : driver_(std::move(driver)) {}

  void Dispatch(const SDL_Event& event);
  void Deliver(SdlOsWindow* window, const SDL_Event& event);
  // The window keys go to: the newest open menu above the focused window, the modal window
  // instead of one it holds back.
  SdlOsWindow* KeyboardTarget(Uint32 sdlWindowId) const;
  // Returns the keyboard focus to the window a menu belongs to.
  void GiveFocusBack(SdlOsWindow& menu);
  // Asks every open menu except `clicked` (and the menus it opened) to close. True if any was.
  bool CloseMenusOutside(const SdlOsWindow* clicked);

  String driver_;
  std::unordered_map<Id, SDL_Cursor*, IdHasher> cursors_;
  Uint32 swallowedButtons_ = 0;
  uint64_t focusedSerial_ = 0;
  bool focusLost_ = false;
  bool tearingDown_ = false;
};

}  // namespace zarvo
