#pragma once
#include <memory>

#include "host/core/DataDictionary.h"
#include "host/core/Geometry.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/ui/Font.h"
#include "host/ui/FontHandle.h"
#include "host/ui/HitTests.h"
#include "host/ui/Painter.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

class FontHandle;
class Image;
class CanvasInterface;
class TextEditWindow;
using CanvasObservable = Observable<CanvasInterface*>;
using CanvasEventObservable = Observable<CanvasInterface*, const DataDictionary&>;

// System cursor ids.
namespace SystemCursor {
const Id& Normal();     // "net.zarvo.ui.ossystemcursor.normal"
const Id& SizeWE();     // "net.zarvo.ui.ossystemcursor.sizewe"
const Id& SizeNS();     // "net.zarvo.ui.ossystemcursor.sizens"
const Id& Forbidden();  // "net.zarvo.ui.ossystemcursor.forbidden"
const Id& DragCopy();   // "net.zarvo.ui.ossystemcursor.dragcopy"
const Id& DragLink();   // "net.zarvo.ui.ossystemcursor.draglink"
const Id& DragMove();   // "net.zarvo.ui.ossystemcursor.dragmove"
const Id& Text();       // "net.zarvo.ui.ossystemcursor.text"
const Id& Hand();       // "net.zarvo.ui.ossystemcursor.hand"
}  // namespace SystemCursor

// The drawing surface of one window, with the window operations widgets need. Drawing
// operations take global canvas coordinates transformed by the current matrix (the drawn
// widget's global matrix while its hooks run).
class CanvasInterface : public virtual ObjectInterface {
 public:
  // Windows.
  [[nodiscard]] virtual Result<void> OpenWindow() = 0;
  [[nodiscard]] virtual Result<void> ShowWindow(bool show) = 0;
  [[nodiscard]] virtual Result<void> CloseWindow() = 0;
  [[nodiscard]] virtual Result<void> SetWindowSize(Vector2d size) = 0;
  [[nodiscard]] virtual Result<void> SetWindowPosition(Vector2d screenPosition) = 0;
  // The window's frame in screen coordinates.
  virtual Rect GetWindowFrame() const = 0;
  [[nodiscard]] virtual Result<void> SetWindowTitle(const String& title) = 0;
  virtual bool IsWindowOpen() const = 0;

  // Redraw: marks a global area (or everything) to be drawn at the next update.
  virtual void RequestRedraw() = 0;
  virtual void RequestRedrawArea(const Rect& globalArea) = 0;

  // Text edit window: the canvas's in-place editor (host/ui/TextEditWindow.h), at most one at
  // a time. It opens over `globalRect` with the text selected and takes the keyboard and the
  // pointer inside its rectangle until it is closed. Opening another while one is open is
  // refused ("A text edit window is already open"): close the first, or wait for it to end.
  // Closing tells the window's destroyed observers; closing when none is open does nothing.
  [[nodiscard]] virtual Result<Ref<TextEditWindow>> OpenTextEditWindow(const String& text, const Rect& globalRect,
                                                                       bool multiLine, const FontDescription& font,
                                                                       const ColorA& foreground,
                                                                       const ColorA& background,
                                                                       const ColorA& selection) = 0;
  [[nodiscard]] virtual Result<void> CloseTextEditWindow() = 0;
  // The open text edit window, or empty.
  virtual Ref<TextEditWindow> GetTextEditWindow() const = 0;

  // Cursor and input state.
  virtual void SetCursor(const Id& systemCursor) = 0;
  virtual const Id& GetCursor() const = 0;
  virtual void SetCursorVisibility(bool visible) = 0;
  virtual void SetCursorPosition(Vector2d globalPosition) = 0;
  virtual bool IsKeyPressed(Int32 key) const = 0;
  virtual Vector2d GetMouseCoordinates() const = 0;
  virtual Vector2d GlobalToScreenPosition(Vector2d position) const = 0;
  virtual Vector2d ScreenToGlobalPosition(Vector2d position) const = 0;

  // Fonts.
  virtual FontDescription GetDefaultFont() const = 0;
  // A handle for a font whose size is given in pixels (PIX); other units are converted.
  [[nodiscard]] virtual Result<FontHandleRef> CreateFontHandle(const FontDescription& font) = 0;
  // Pixels per REM.
  virtual Float GetRemBase() const = 0;

  // A draw of the damaged area: BeginDraw takes the damage collected since the last draw,
  // clips to it, clears it to the window colour and returns it (empty: nothing to draw).
  virtual Rect BeginDraw() = 0;
  // Ends the draw and presents the drawn area to the window.
  virtual void EndDraw() = 0;

  // Transform and clipping.
  virtual void SetMatrix(const Matrix2d& matrix) = 0;
  virtual const Matrix2d& GetMatrix() const = 0;
  virtual void PushClipRect(const Rect& rect, const CornerRadii& radii = {}) = 0;
  virtual void PushClipPath(const Path& path) = 0;
  virtual void PopClip() = 0;
  virtual size_t GetClipDepth() const = 0;
  virtual void RestoreClipDepth(size_t depth) = 0;
  // The current clip in global coordinates.
  virtual Rect GetClipBounds() const = 0;
  virtual void PushOpacity(Float opacity) = 0;
  // The same for a group drawn within `bounds` (current coordinates): far cheaper than a group
  // the size of the clip.
  virtual void PushOpacity(Float opacity, const Rect& bounds) = 0;
  virtual void PopOpacity() = 0;

  // Drawing.
  virtual void DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) = 0;
  virtual void DrawRectangle(const Rect& rect, const PaintStyle& style, const CornerRadii& radii = {}) = 0;
  virtual void DrawCircle(Vector2d center, Float radius, const PaintStyle& style) = 0;
  virtual void DrawPath(const Path& path, const ColorA& color, Float width) = 0;
  virtual void DrawShape(const Path& path, const PaintStyle& style) = 0;
  [[nodiscard]] virtual Result<void> DrawText(const String& text, const FontHandle& font, Vector2d position, const ColorA& color) = 0;
  virtual void DrawImage(const Image& image, const Rect& destination, Float opacity) = 0;
  virtual void DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) = 0;
  virtual void DrawCross(const Rect& rect, const ColorA& color, Float width) = 0;
  [[nodiscard]] virtual Result<void> DrawSVG(const Url& url, const Rect& destination, Int state) = 0;

  // Hit tests in global coordinates.
  virtual bool LineHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) const = 0;
  virtual bool PathHit(const Path& path, Vector2d point, Float tolerance) const = 0;
  virtual bool ShapeHit(const Path& path, Vector2d point) const = 0;
  virtual bool WireHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) const = 0;
  // True when a line from `from` to `to` is too short to be grabbed reliably.
  virtual bool IsLineTooSmallforHit(Vector2d from, Vector2d to) const = 0;

  // Observables: the window was closed; a redraw was done; an event arrived.
  virtual Ref<CanvasObservable> ObservableClose() = 0;
  virtual Ref<CanvasObservable> ObservableRedraw() = 0;
  virtual Ref<CanvasEventObservable> ObservableEvent() = 0;
};

// The canvas's default font with the given baseline: what widgets that draw their own labels use.
[[nodiscard]] inline Result<FontHandleRef> CreateDefaultFontHandle(CanvasInterface& canvas, FONTBASELINE baseline) {
  FontDescription font = canvas.GetDefaultFont();
  font.baseline = baseline;
  return canvas.CreateFontHandle(font);
}

}  // namespace zarvo
