#pragma once
#include <SDL.h>

#include "host/backend/sdl/SdlEventTranslation.h"
#include "host/ui/OsWindow.h"

namespace zarvo {

class SdlWindowSystem;

// One SDL window with the Cairo surface the canvas draws into. The surface has the window's
// size in pixels and is made anew when that changes (the resize sink tells the canvas).
class SdlOsWindow final : public OsWindow {
 public:
  // Creates the window hidden; `screenFrame` is fitted to the work area of its monitor.
  [[nodiscard]] static Result<std::unique_ptr<SdlOsWindow>> Create(SdlWindowSystem& system, const Id& windowClass,
                                                                   const Rect& screenFrame, OsWindow* parent);
  ~SdlOsWindow() override;

  const Id& GetWindowClass() const override { return windowClass_; }
  Result<void> Show(bool show) override;
  bool IsShown() const override;
  Result<void> SetTitle(const String& title) override;
  const String& GetTitle() const override { return title_; }
  Result<void> SetFrame(const Rect& screenFrame) override;
  Rect GetFrame() const override;
  Result<void> SetContentRectMinSize(Vector2d size) override;
  Vector2d GetContentRectMinSize() const override { return minSize_; }
  cairo_surface_t* GetSurface() override { return surface_; }
  void Present(const Rect& area) override;
  void SetCursor(const Id& systemCursor) override;
  void SetCursorVisibility(bool visible) override;
  void WarpCursor(Vector2d windowPosition) override;
  void Close() override;
  bool IsClosed() const override { return window_ == nullptr; }

  Uint32 GetSdlWindowId() const noexcept { return windowId_; }
  SDL_Window* GetSdlWindow() const noexcept { return window_; }
  bool IsMenu() const;
  // An SDL event addressed to this window, already cleared by the window system's rules.
  void HandleSdlEvent(const SDL_Event& event);

 protected:
  void HandleParentChanged() override;

 private:
  SdlOsWindow(SdlWindowSystem& system, const Id& windowClass);

  SdlWindowSystem* GetSdlSystem() const;
  // Makes the Cairo surface match the window's pixel size; tells the canvas when it changed.
  [[nodiscard]] Result<void> SyncSurface();
  void DestroySurface();
  Float GetPixelScale() const;
  // The pointer position in surface pixels, read from the global pointer.
  Vector2d QueryPointer() const;

  Id windowClass_;
  SDL_Window* window_ = nullptr;
  Uint32 windowId_ = 0;
  cairo_surface_t* surface_ = nullptr;
  // Wraps the Cairo pixels for blitting; lives and dies with surface_.
  SDL_Surface* source_ = nullptr;
  String title_;
  Vector2d minSize_;
  Rect closedFrame_;
  Id cursor_;
  SdlInputState input_;
};

}  // namespace zarvo
