#include "host/ui/Canvas.h"

#include <cairo.h>

#include <cmath>

#include "host/gfx/Image.h"
#include "host/gfx/SVGDocument.h"
#include "host/ui/EventKeys.h"
#include "host/ui/FontHandle.h"
#include "host/ui/PointerGrab.h"
#include "host/ui/StyleSheet.h"
#include "host/ui/TextEditWindow.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {

namespace {
// Lines shorter than this many pixels cannot be grabbed reliably.
constexpr Float kMinimumHitLength = 3.0;

const StyleKey<ColorA>& WindowColorKey() {
  static const StyleKey<ColorA> key =
      StyleSheetService::Declare<ColorA>("net.zarvo.mvp.stylesheet.window.background_color", kDefaultWindowColor);
  return key;
}

// Whole pixels covering `rect`, so that antialiased edges are cleared and drawn together.
Rect PixelAligned(const Rect& rect) {
  return {std::floor(rect.left), std::floor(rect.top), std::ceil(rect.right), std::ceil(rect.bottom)};
}
}  // namespace

namespace SystemCursor {
#define ZV_CURSOR(Name, text)   \
  const Id& Name() {            \
    static const Id id(text);   \
    return id;                  \
  }
ZV_CURSOR(Normal, "net.zarvo.ui.ossystemcursor.normal")
ZV_CURSOR(SizeWE, "net.zarvo.ui.ossystemcursor.sizewe")
ZV_CURSOR(SizeNS, "net.zarvo.ui.ossystemcursor.sizens")
ZV_CURSOR(Forbidden, "net.zarvo.ui.ossystemcursor.forbidden")
ZV_CURSOR(DragCopy, "net.zarvo.ui.ossystemcursor.dragcopy")
ZV_CURSOR(DragLink, "net.zarvo.ui.ossystemcursor.draglink")
ZV_CURSOR(DragMove, "net.zarvo.ui.ossystemcursor.dragmove")
ZV_CURSOR(Text, "net.zarvo.ui.ossystemcursor.text")
ZV_CURSOR(Hand, "net.zarvo.ui.ossystemcursor.hand")
#undef ZV_CURSOR
}  // namespace SystemCursor

Canvas::Canvas(std::unique_ptr<OsWindow> window)
    : window_(std::move(window)),
      close_(MakeRef<CanvasObservable>()),
      redraw_(MakeRef<CanvasObservable>()),
      event_(MakeRef<CanvasEventObservable>()),
      cursor_(SystemCursor::Normal()),
      remBase_(kDefaultRemBase) {
  (void)close_->Init(this, "ObservableClose");
  (void)redraw_->Init(this, "ObservableRedraw");
  (void)event_->Init(this, "ObservableEvent");
  painter_ = std::make_unique<Painter>(window_->GetSurface());
  window_->SetEventSink([this](const DataDictionary& event) { HandleOsEvent(event); });
  window_->SetResizeSink([this](Vector2d size) { HandleResize(size); });
  window_->SetCloseSink([this] { (void)close_->Notify(this); });
  damage_ = SurfaceRect();
}

Canvas::~Canvas() {
  // An edit still open ends now, while its observers can still reach this canvas.
  (void)CloseTextEditWindow();
  painter_.reset();
  if (window_) window_->Close();
}

Rect Canvas::SurfaceRect() const {
  return {0.0, 0.0, static_cast<Float>(painter_->GetWidth()), static_cast<Float>(painter_->GetHeight())};
}

void Canvas::HandleResize(Vector2d) {
  if (drawing_) return;  // a resize while drawing is applied when the draw ends
  painter_ = std::make_unique<Painter>(window_->GetSurface());
  RequestRedraw();
  if (resizeListener_) resizeListener_({static_cast<Float>(painter_->GetWidth()), static_cast<Float>(painter_->GetHeight())});
}

void Canvas::HandleOsEvent(const DataDictionary& event) {
  if (event.Contains(EventKeys::Position())) {
    if (Result<Vector2d> position = EventReader(&event).GetPosition(); position.IsOk()) mouse_ = *position;
  }
  Ref<CanvasInterface> keep(this);
  if (PointerGrab::Offer(*this, event)) return;
  (void)event_->Notify(this, event);
}

Result<void> Canvas::SaveScreenshot(const std::string& pngPath) const {
  cairo_surface_t* surface = window_->GetSurface();
  cairo_surface_flush(surface);
  if (cairo_surface_write_to_png(surface, pngPath.c_str()) != CAIRO_STATUS_SUCCESS) {
    return IllegalStateError("Cannot write screenshot '" + pngPath + "'");
  }
  return Ok();
}

// ---- windows --------------------------------------------------------------------------------

Result<void> Canvas::OpenWindow() {
  ZV_TRY(window_->Show(true));
  opened_ = true;
  RequestRedraw();
  return Ok();
}

Result<void> Canvas::ShowWindow(bool show) { return window_->Show(show); }

Result<void> Canvas::CloseWindow() {
  if (window_->IsClosed()) return Ok();
  Ref<CanvasInterface> keep(this);
  // An edit in progress ends with its window.
  Result<void> editClosed = CloseTextEditWindow();
  window_->Close();
  ZV_TRY(close_->Notify(this));
  return editClosed;
}

Result<void> Canvas::SetWindowSize(Vector2d size) {
  if (!(size.x >= 0.0) || !(size.y >= 0.0) || !std::isfinite(size.x) || !std::isfinite(size.y)) {
    return IllegalArgumentError("Window size must be finite and not negative");
  }
  const Rect frame = window_->GetFrame();
  return window_->SetFrame(Rect::FromSize(frame.left, frame.top, size.x, size.y));
}

Result<void> Canvas::SetWindowPosition(Vector2d screenPosition) {
  if (!std::isfinite(screenPosition.x) || !std::isfinite(screenPosition.y)) {
    return IllegalArgumentError("Window position must be finite");
  }
  const Rect frame = window_->GetFrame();
  return window_->SetFrame(Rect::FromSize(screenPosition.x, screenPosition.y, frame.Width(), frame.Height()));
}

Rect Canvas::GetWindowFrame() const { return window_->GetFrame(); }

Result<void> Canvas::SetWindowTitle(const String& title) { return window_->SetTitle(title); }

bool Canvas::IsWindowOpen() const { return opened_ && !window_->IsClosed(); }

// ---- redraw ---------------------------------------------------------------------------------

void Canvas::RequestRedraw() { damage_ = SurfaceRect(); }

void Canvas::RequestRedrawArea(const Rect& globalArea) {
  const Rect clipped = globalArea.Intersect(SurfaceRect());
  if (clipped.IsEmpty()) return;
  damage_ = damage_.Union(PixelAligned(clipped));
}

Rect Canvas::BeginDraw() {
  const Rect damage = damage_.Intersect(SurfaceRect());
  damage_ = Rect();
  if (damage.IsEmpty()) return Rect();
  drawing_ = true;
  matrix_ = Matrix2d();
  painter_->SetTransform(matrix_);
  painter_->PushClipRect(damage);
  painter_->Clear(damage, StyleSheetService::Get().Read(WindowColorKey()));
  lastDrawn_ = damage;
  return damage;
}

void Canvas::EndDraw() {
  RestoreClipDepth(0);
  drawing_ = false;
  window_->Present(lastDrawn_);
  // The window may have changed size while drawing; the next draw uses the new surface.
  if (painter_->GetTarget() != window_->GetSurface()) HandleResize({});
  (void)redraw_->Notify(this);
}

// ---- text edit window -----------------------------------------------------------------------

Result<Ref<TextEditWindow>> Canvas::OpenTextEditWindow(const String& text, const Rect& globalRect, bool multiLine,
                                                       const FontDescription& font, const ColorA& foreground,
                                                       const ColorA& background, const ColorA& selection) {
  if (textEdit_) return IllegalStateError("A text edit window is already open");
  ZV_TRY_ASSIGN(Ref<TextEditWindow> window,
                TextEditWindow::Create(this, text, globalRect, multiLine, font,
                                       TextEditColors{foreground, background, selection}));
  textEdit_ = window;
  return window;
}

Result<void> Canvas::CloseTextEditWindow() {
  // The canvas lets go first, so that observers of the closing window see none open.
  Ref<TextEditWindow> window = std::move(textEdit_);
  textEdit_ = nullptr;
  if (!window) return Ok();
  return window->Close();
}

Ref<TextEditWindow> Canvas::GetTextEditWindow() const { return textEdit_; }

// ---- cursor and input -----------------------------------------------------------------------

void Canvas::SetCursor(const Id& systemCursor) {
  if (cursor_ == systemCursor) return;
  cursor_ = systemCursor;
  window_->SetCursor(systemCursor);
}

void Canvas::SetCursorVisibility(bool visible) { window_->SetCursorVisibility(visible); }

void Canvas::SetCursorPosition(Vector2d globalPosition) {
  mouse_ = globalPosition;
  window_->WarpCursor(globalPosition);
}

bool Canvas::IsKeyPressed(Int32 key) const { return WindowSystem::Get().IsKeyPressed(key); }

Vector2d Canvas::GlobalToScreenPosition(Vector2d position) const {
  const Rect frame = window_->GetFrame();
  return {position.x + frame.left, position.y + frame.top};
}

Vector2d Canvas::ScreenToGlobalPosition(Vector2d position) const {
  const Rect frame = window_->GetFrame();
  return {position.x - frame.left, position.y - frame.top};
}

// ---- fonts ----------------------------------------------------------------------------------

FontDescription Canvas::GetDefaultFont() const { return FontDescription{}; }

Result<FontHandleRef> Canvas::CreateFontHandle(const FontDescription& font) {
  FontDescription pixels = font;
  pixels.size = CanvasUnitValue::Pix(font.size.ToPixels(remBase_));
  return FontHandle::Create(pixels);
}

void Canvas::SetRemBase(Float remBase) {
  if (!(remBase > 0.0) || remBase == remBase_) return;
  remBase_ = remBase;
  RequestRedraw();
}

// ---- transform, clipping, drawing -----------------------------------------------------------

void Canvas::SetMatrix(const Matrix2d& matrix) {
  matrix_ = matrix;
  painter_->SetTransform(matrix);
}

void Canvas::PushClipRect(const Rect& rect, const CornerRadii& radii) {
  if (radii.IsZero()) {
    painter_->PushClipRect(rect);
  } else {
    painter_->PushClipRoundedRect(rect, radii);
  }
}

void Canvas::PushClipPath(const Path& path) { painter_->PushClipPath(path); }
void Canvas::PopClip() { painter_->PopClip(); }
size_t Canvas::GetClipDepth() const { return painter_->GetStackDepth(); }

void Canvas::RestoreClipDepth(size_t depth) {
  painter_->RestoreToDepth(depth);
  painter_->SetTransform(matrix_);
}

Rect Canvas::GetClipBounds() const { return painter_->GetClipBounds(); }
void Canvas::PushOpacity(Float opacity) { painter_->PushOpacity(opacity); }
void Canvas::PushOpacity(Float opacity, const Rect& bounds) { painter_->PushOpacity(opacity, bounds); }
void Canvas::PopOpacity() { painter_->PopOpacity(); }

void Canvas::DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) {
  painter_->DrawLine(from, to, color, width);
}
void Canvas::DrawRectangle(const Rect& rect, const PaintStyle& style, const CornerRadii& radii) {
  painter_->DrawRectangle(rect, style, radii);
}
void Canvas::DrawCircle(Vector2d center, Float radius, const PaintStyle& style) {
  painter_->DrawCircle(center, radius, style);
}
void Canvas::DrawPath(const Path& path, const ColorA& color, Float width) {
  painter_->DrawPath(path, PaintStyle::Stroked(color, width));
}
void Canvas::DrawShape(const Path& path, const PaintStyle& style) {
  painter_->DrawShape(path, style.fill, style.stroke, style.strokeWidth);
}
Result<void> Canvas::DrawText(const String& text, const FontHandle& font, Vector2d position, const ColorA& color) {
  painter_->DrawText(text, font, position, color);
  return Ok();
}
void Canvas::DrawImage(const Image& image, const Rect& destination, Float opacity) {
  painter_->DrawImage(image, destination, opacity);
}
void Canvas::DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) {
  painter_->DrawWire(from, to, color, width);
}
void Canvas::DrawCross(const Rect& rect, const ColorA& color, Float width) { painter_->DrawCross(rect, color, width); }

Result<void> Canvas::DrawSVG(const Url& url, const Rect& destination, Int state) {
  // Parsed once per URL and rendered once per size and state; a draw copies the rendering.
  ZV_TRY_ASSIGN(Ref<SVGDocument> document, SVGDocumentCache::Get().Resolve(url));
  // Under a transform the painter cannot apply (a widget scaled to nothing) nothing is drawn.
  const Float determinant = painter_->GetTransform().Determinant();
  if (!std::isfinite(determinant) || determinant == 0.0) return Ok();
  return document->Draw(painter_->GetCairo(), destination, state);
}

// ---- hit tests ------------------------------------------------------------------------------

bool Canvas::LineHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) const {
  return zarvo::LineHit(from, to, point, tolerance);
}
bool Canvas::PathHit(const Path& path, Vector2d point, Float tolerance) const {
  return zarvo::PathHit(path, point, tolerance);
}
bool Canvas::ShapeHit(const Path& path, Vector2d point) const { return zarvo::ShapeHit(path, point); }
bool Canvas::WireHit(Vector2d from, Vector2d to, Vector2d point, Float tolerance) const {
  return zarvo::WireHit(from, to, point, tolerance);
}
bool Canvas::IsLineTooSmallforHit(Vector2d from, Vector2d to) const {
  return IsLineTooSmallForHit(from, to, kMinimumHitLength);
}

}  // namespace zarvo
