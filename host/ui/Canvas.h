#pragma once
#include <functional>
#include <memory>
#include <unordered_map>

#include "host/ui/CanvasInterface.h"
#include "host/ui/OsWindow.h"

namespace zarvo {

// Window colour behind every widget when the style sheet names none.
constexpr ColorA kDefaultWindowColor{0.165, 0.165, 0.165, 1.0};

// The canvas of one OS window: a Cairo surface drawn by a Painter, the damage collected since
// the last draw, fonts, cursor and input state.
class Canvas final : public virtual CanvasInterface {
 public:
  explicit Canvas(std::unique_ptr<OsWindow> window);
  ~Canvas() override;

  OsWindow* GetOsWindow() const noexcept { return window_.get(); }
  // Input from the window system enters here.
  void HandleOsEvent(const DataDictionary& event);
  // The damage collected and not yet drawn.
  const Rect& GetPendingDamage() const noexcept { return damage_; }
  // The area the last draw covered.
  const Rect& GetLastDrawnArea() const noexcept { return lastDrawn_; }
  [[nodiscard]] Result<void> SaveScreenshot(const std::string& pngPath) const;
  Painter* GetPainter() const noexcept { return painter_.get(); }
  // Told after the window's surface changed size.
  void SetResizeListener(std::function<void(Vector2d size)> listener) { resizeListener_ = std::move(listener); }

  Result<void> OpenWindow() override;
  Result<void> ShowWindow(bool show) override;
  Result<void> CloseWindow() override;
  Result<void> SetWindowSize(Vector2d size) override;
  Result<void> SetWindowPosition(Vector2d screenPosition) override;
  Rect GetWindowFrame() const override;
  Result<void> SetWindowTitle(const String& title) override;
  bool IsWindowOpen() const override;

  void RequestRedraw() override;
  void RequestRedrawArea(const Rect& globalArea) override;

  // Text edit window.
  Result<Ref<TextEditWindow>> OpenTextEditWindow(const String& text, const Rect& globalRect, bool multiLine,
                                                 const FontDescription& font, const ColorA& foreground,
                                                 const ColorA& background, const ColorA& selection) override;
  Result<void> CloseTextEditWindow() override;
  Ref<TextEditWindow> GetTextEditWindow() const override;

  void SetCursor(const Id& systemCursor) override;
  const Id& GetCursor() const override { return cursor_; }
  void SetCursorVisibility(bool visible) override;
  void SetCursorPosition(Vector2d globalPosition) override;
  bool IsKeyPressed(Int32 key) const override;
  Vector2d GetMouseCoordinates() const override { return mouse_; }
  Vector2d GlobalToScreenPosition(Vector2d position) const override;
  Vector2d ScreenToGlobalPosition(Vector2d position) const override;

  FontDescription GetDefaultFont() const override;
  Result<FontHandleRef> CreateFontHandle(const FontDescription& font) override;
  Float GetRemBase() const override { return remBase_; }
  void SetRemBase(Float remBase);

  Rect BeginDraw() override;
  void EndDraw() override;
  void SetMatrix(const Matrix2d& matrix) override;
  const Matrix2d& GetMatrix() const override { return matrix_; }
  void PushClipRect(const Rect& rect, const CornerRadii& radii) override;
  void PushClipPath(const Path& path) override;
  void PopClip() override;
  size_t GetClipDepth() const override;
  void RestoreClipDepth(size_t depth) override;
  Rect GetClipBounds() const override;
  void PushOpacity(Float opacity) override;
  void PushOpacity(Float opacity, const Rect& bounds) override;
  void PopOpacity() override;

  void DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) override;
  void DrawRectangle(const Rect& rect, const PaintStyle& style, const CornerRadii& radii) override;
  void DrawCircle(Vector2d center, Float radius, const PaintStyle& style) override;
  void DrawPath(const Path& path, const ColorA& color, Float width) override;
  void DrawShape(const Path& path, const PaintStyle& style) override;
  Result<void> DrawText(const String& text, const FontHandle& font, Vector2d position, const ColorA& color) override;
  void DrawImage(const Image& image, const Rect& destination, Float opacity) override;
  void DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) override;
  void DrawCross(const Rect& rect, const ColorA& color, Float width) override;
  Result<void> DrawSVG(const Url& url, const Rect& destination, Int state) override;

  bool LineHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) const override;
  bool PathHit(const Path& path, Vector2d point, Float tolerance) const override;
  bool ShapeHit(const Path& path, Vector2d point) const override;
  bool WireHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) const override;
  bool IsLineTooSmallforHit(Vector2d from, Vector2d to) const override;

  Ref<CanvasObservable> ObservableClose() override { return close_; }
  Ref<CanvasObservable> ObservableRedraw() override { return redraw_; }
  Ref<CanvasEventObservable> ObservableEvent() override { return event_; }

 private:
  void HandleResize(Vector2d size);
  Rect SurfaceRect() const;

  std::unique_ptr<OsWindow> window_;
  std::unique_ptr<Painter> painter_;
  std::function<void(Vector2d)> resizeListener_;
  Ref<CanvasObservable> close_;
  Ref<CanvasObservable> redraw_;
  Ref<CanvasEventObservable> event_;
  Ref<TextEditWindow> textEdit_;
  Rect damage_;
  Rect lastDrawn_;
  Matrix2d matrix_;
  Vector2d mouse_;
  Id cursor_;
  Float remBase_;
  bool drawing_ = false;
  bool opened_ = false;
};

}  // namespace zarvo
