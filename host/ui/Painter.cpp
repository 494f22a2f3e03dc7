#include "host/ui/Painter.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <cassert>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/gfx/Image.h"
#include "host/gfx/SurfacePattern.h"
#include "host/ui/DeviceRange.h"
#include "host/ui/FontCache.h"
#include "host/ui/FontHandle.h"

namespace zarvo {

namespace {

// Widgets nest a few levels of clips and groups; reserving keeps pushes free of allocation.
constexpr size_t kStackReserve = 64;
// Glyphs below this size are invisible anyway, and cairo rejects a zero font matrix.
constexpr Float kMinDrawableFontSize = 0.1;

// Circles larger than this on the device are drawn as four Bezier curves instead of an arc.
constexpr Float kMaxArcDeviceRadius = 65536.0;
// A circle smaller than cairo's coordinate step is invisible, and flattening an arc of a
// denormal radius takes cairo practically forever.
constexpr Float kMinDeviceRadius = 1.0 / 256.0;
// Control-point distance of a Bezier quarter circle, per unit of radius.
constexpr Float kQuarterCircleKappa = 0.5522847498307936;

bool IsFinite(Vector2d p) { return std::isfinite(p.x) && std::isfinite(p.y); }

class CairoSink {
 public:
  explicit CairoSink(cairo_t* cr) : cr_(cr) {}
  void MoveTo(Vector2d p) { cairo_move_to(cr_, p.x, p.y); }
  void LineTo(Vector2d p) { cairo_line_to(cr_, p.x, p.y); }
  void CubicTo(Vector2d c1, Vector2d c2, Vector2d p) { cairo_curve_to(cr_, c1.x, c1.y, c2.x, c2.y, p.x, p.y); }
  void Close() { cairo_close_path(cr_); }

 private:
  cairo_t* cr_;
};

void AppendRect(cairo_t* cr, const Rect& rect) {
  if (rect.IsEmpty()) {
    cairo_rectangle(cr, 0.0, 0.0, 0.0, 0.0);
  } else {
    cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
  }
}

}  // namespace

Painter::Painter(cairo_surface_t* target) : target_(cairo_surface_reference(target)) {
  assert(target && cairo_surface_get_type(target) == CAIRO_SURFACE_TYPE_IMAGE &&
         cairo_image_surface_get_format(target) == CAIRO_FORMAT_ARGB32);
  width_ = cairo_image_surface_get_width(target);
  height_ = cairo_image_surface_get_height(target);
  cr_ = cairo_create(target_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  stack_.reserve(kStackReserve);
}

Painter::~Painter() {
  cairo_destroy(cr_);
  cairo_surface_destroy(target_);
}

Result<void> Painter::GetStatus() const {
  const cairo_status_t status = cairo_status(cr_);
  if (status != CAIRO_STATUS_SUCCESS) return IllegalStateError(std::string("Drawing failed: ") + cairo_status_to_string(status));
  return Ok();
}

void Painter::SetTransform(const Matrix2d& matrix) {
  transform_ = matrix;
  ApplyTransform();
}

void Painter::ApplyTransform() {
  const Matrix2d& m = transform_;
  // cairo inverts the matrix of a group it composes, and fails its assertions on an inverse
  // that overflows.
  degenerate_ = !m.HasFiniteInverse();
  if (degenerate_) return;
  // A pen wider than the device box covers it whole; wider still, the stroker's offsets wrap.
  maxPenWidth_ = kDeviceLimit / MaxStretch(m);
  SetCairoMatrix();
}

void Painter::SetCairoMatrix() {
  const Matrix2d& m = transform_;
  const cairo_matrix_t matrix{m.a, m.b, m.c, m.d, m.tx, m.ty};
  cairo_set_matrix(cr_, &matrix);
}

void Painter::Push(EntryKind kind, Float alpha) {
  stack_.push_back({kind, alpha, transform_});
  if (kind == EntryKind::kSave || kind == EntryKind::kClip) cairo_save(cr_);
}

void Painter::Pop(bool opacity) {
  assert(!stack_.empty() && "pop without push");
  if (stack_.empty()) return;
  const EntryKind kind = stack_.back().kind;
  const bool isOpacity = kind == EntryKind::kGroup || kind == EntryKind::kOpaque || kind == EntryKind::kHidden;
  assert(isOpacity == opacity && "unbalanced painter stack");
  (void)opacity;
  (void)isOpacity;
  PopEntry();
}

void Painter::RestoreToDepth(size_t depth) {
  while (stack_.size() > depth) PopEntry();
}

void Painter::PopEntry() {
  const Entry entry = stack_.back();
  stack_.pop_back();
  switch (entry.kind) {
    case EntryKind::kSave:
    case EntryKind::kClip: cairo_restore(cr_); break;
    case EntryKind::kGroup:
      // Popping the group restores the state of its push, then composes it once.
      cairo_pop_group_to_source(cr_);
      cairo_paint_with_alpha(cr_, entry.alpha);
      cairo_restore(cr_);
      break;
    case EntryKind::kHidden: --hiddenDepth_; break;
    case EntryKind::kOpaque: break;
  }
  transform_ = entry.transform;
  ApplyTransform();
}

void Painter::Save() { Push(EntryKind::kSave); }

void Painter::Restore() {
  assert(stack_.empty() || stack_.back().kind == EntryKind::kSave);
  Pop(false);
}

void Painter::PushClipRect(const Rect& rect) {
  Push(EntryKind::kClip);
  cairo_new_path(cr_);
  TraceRect(degenerate_ ? std::nullopt : PlaceRect(rect, {}, transform_));
  cairo_clip(cr_);
}

void Painter::PushClipRoundedRect(const Rect& rect, const CornerRadii& radii) {
  if (radii.IsZero()) {
    PushClipRect(rect);
    return;
  }
  Push(EntryKind::kClip);
  cairo_new_path(cr_);
  TraceRect(degenerate_ ? std::nullopt : PlaceRect(rect, radii, transform_));
  cairo_clip(cr_);
}

void Painter::PushClipPath(const Path& path) {
  Push(EntryKind::kClip);
  cairo_new_path(cr_);
  if (degenerate_ || path.IsEmpty() || !WithinDeviceRange(path.GetPoints(), transform_)) {
    AppendRect(cr_, {});
  } else {
    AppendPath(path, true);
  }
  cairo_clip(cr_);
}

void Painter::PopClip() {
  assert(stack_.empty() || stack_.back().kind == EntryKind::kClip);
  Pop(false);
}

void Painter::PushOpacity(Float opacity) { PushOpacity(opacity, nullptr); }

void Painter::PushOpacity(Float opacity, const Rect& bounds) { PushOpacity(opacity, &bounds); }

void Painter::PushOpacity(Float opacity, const Rect* bounds) {
  if (!(opacity > 0.0)) {
    Push(EntryKind::kHidden);
    ++hiddenDepth_;
  } else if (opacity >= 1.0 || hiddenDepth_ > 0) {
    Push(EntryKind::kOpaque);
  } else {
    Push(EntryKind::kGroup, opacity);
    cairo_save(cr_);
    if (bounds) {
      // The group's surface covers the clip: clipping first keeps it the size of the bounds.
      cairo_new_path(cr_);
      TraceRect(degenerate_ ? std::nullopt : PlaceRect(*bounds, {}, transform_));
      cairo_clip(cr_);
    }
    cairo_push_group(cr_);
  }
}

void Painter::PopOpacity() { Pop(true); }

Rect Painter::GetClipBounds() const {
  double x1, y1, x2, y2;
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
  cairo_restore(cr_);
  return {x1, y1, x2, y2};
}

void Painter::SetColor(const ColorA& color) { cairo_set_source_rgba(cr_, color.r, color.g, color.b, color.a); }

void Painter::AppendPath(const Path& path, bool closeSubpaths) {
  const std::vector<Vector2d>& points = path.GetPoints();
  size_t index = 0;
  bool open = false;
  for (PathVerb verb : path.GetVerbs()) {
    switch (verb) {
      case PathVerb::kMoveTo:
        if (closeSubpaths && open) cairo_close_path(cr_);
        cairo_move_to(cr_, points[index].x, points[index].y);
        ++index;
        open = true;
        break;
      case PathVerb::kLineTo:
        cairo_line_to(cr_, points[index].x, points[index].y);
        ++index;
        open = true;
        break;
      case PathVerb::kCubicTo:
        cairo_curve_to(cr_, points[index].x, points[index].y, points[index + 1].x, points[index + 1].y,
                       points[index + 2].x, points[index + 2].y);
        index += 3;
        open = true;
        break;
      case PathVerb::kClose:
        cairo_close_path(cr_);
        open = false;
        break;
    }
  }
  if (closeSubpaths && open) cairo_close_path(cr_);
}

void Painter::FillAndStroke(const PaintStyle& style) {
  const bool stroke = style.HasStroke();
  if (style.HasFill()) {
    SetColor(style.fill);
    if (stroke) {
      cairo_fill_preserve(cr_);
    } else {
      cairo_fill(cr_);
    }
  }
  if (stroke) {
    StrokePath(style.stroke, style.strokeWidth);
  } else {
    cairo_new_path(cr_);
  }
}

void Painter::TraceRect(const std::optional<PlacedRect>& placed) {
  if (!placed) {
    AppendRect(cr_, {});
    return;
  }
  // cairo keeps a path in device space as it is traced, so the transform can come back at once.
  if (placed->inDevice) cairo_identity_matrix(cr_);
  if (placed->radii.IsZero()) {
    AppendRect(cr_, placed->rect);
  } else {
    CairoSink sink(cr_);
    TraceRoundedRect(placed->rect, placed->radii, sink);
  }
  if (placed->inDevice) SetCairoMatrix();
}

bool Painter::TraceSegment(Vector2d from, Vector2d to) {
  const Vector2d points[] = {from, to};
  if (WithinDeviceRange(points, transform_)) {
    cairo_move_to(cr_, from.x, from.y);
    cairo_line_to(cr_, to.x, to.y);
    return true;
  }
  Vector2d a = transform_.TransformPoint(from);
  Vector2d b = transform_.TransformPoint(to);
  if (!CutSegmentToDeviceBox(a, b)) return false;
  cairo_identity_matrix(cr_);
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  SetCairoMatrix();
  return true;
}

void Painter::StrokePath(const ColorA& color, Float width) {
  SetColor(color);
  cairo_set_line_width(cr_, std::min(width, maxPenWidth_));
  cairo_stroke(cr_);
}

void Painter::Clear(const Rect& rect, const ColorA& color) {
  if (!CanDraw()) return;
  const std::optional<PlacedRect> placed = PlaceRect(rect, {}, transform_);
  if (!placed) return;
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  SetColor(color);
  TraceRect(placed);
  cairo_fill(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

void Painter::FillSurface(const ColorA& color) {
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_reset_clip(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  SetColor(color);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Painter::DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width) {
  if (!CanDraw() || !(width > 0.0) || !(color.a > 0.0) || !TraceSegment(from, to)) return;
  StrokePath(color, width);
}

void Painter::DrawBezier(const CubicBezier& curve, const ColorA& color, Float width) {
  const Vector2d points[] = {curve.p0, curve.c1, curve.c2, curve.p1};
  if (!CanDraw() || !(width > 0.0) || !(color.a > 0.0) || !WithinDeviceRange(points, transform_)) return;
  cairo_move_to(cr_, curve.p0.x, curve.p0.y);
  cairo_curve_to(cr_, curve.c1.x, curve.c1.y, curve.c2.x, curve.c2.y, curve.p1.x, curve.p1.y);
  StrokePath(color, width);
}

void Painter::DrawRectangle(const Rect& rect, const PaintStyle& style, const CornerRadii& radii) {
  if (!CanDraw() || rect.IsEmpty() || (!style.HasFill() && !style.HasStroke())) return;
  const std::optional<PlacedRect> placed = PlaceRect(rect, radii.IsZero() ? radii : radii.FittedTo(rect), transform_);
  if (!placed) return;
  if (placed->radii.IsZero()) {
    TraceRect(placed);
    FillAndStroke(style);
    return;
  }
  if (style.HasFill()) {
    TraceRect(placed);
    SetColor(style.fill);
    cairo_fill(cr_);
  }
  if (!style.HasStroke()) return;
  // The outline of a rounded rectangle is the ring between the rectangle grown and shrunk by
  // half the width, with radii grown and shrunk alike (offset arcs stay arcs). Filling that
  // ring is several times faster than cairo's stroker on curves, and borders are everywhere.
  // A ring wider than the device box would only cover it, and could wrap on the device.
  const Float half = std::min(0.5 * style.strokeWidth * placed->penScale, placed->inDevice ? kDeviceLimit : maxPenWidth_);
  auto offset = [half](Vector2d r, Float sign) {
    if (r.x <= 0.0 || r.y <= 0.0) return Vector2d{};
    return Vector2d{std::max(r.x + sign * half, 0.0), std::max(r.y + sign * half, 0.0)};
  };
  const CornerRadii& fitted = placed->radii;
  const CornerRadii outer{offset(fitted.topLeft, 1), offset(fitted.topRight, 1), offset(fitted.bottomRight, 1),
                          offset(fitted.bottomLeft, 1)};
  const CornerRadii inner{offset(fitted.topLeft, -1), offset(fitted.topRight, -1), offset(fitted.bottomRight, -1),
                          offset(fitted.bottomLeft, -1)};
  TraceRect(PlacedRect{placed->rect.Inflate(half), outer, placed->penScale, placed->inDevice});
  const Rect innerRect = placed->rect.Inflate(-half);
  if (!innerRect.IsEmpty()) TraceRect(PlacedRect{innerRect, inner, placed->penScale, placed->inDevice});
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  SetColor(style.stroke);
  cairo_fill(cr_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

void Painter::DrawCircle(Vector2d center, Float radius, const PaintStyle& style) {
  if (!CanDraw() || !(radius > 0.0) || !IsFinite(center) || (!style.HasFill() && !style.HasStroke())) return;
  // The arc's segment count grows with its size on the device: a circle scaled to millions of
  // pixels would take minutes (or forever) to flatten, so large ones are four Bezier quarters.
  const Vector2d deviceX = transform_.TransformVector({radius, 0.0});
  const Vector2d deviceY = transform_.TransformVector({0.0, radius});
  const Float deviceRadius = std::max(std::hypot(deviceX.x, deviceX.y), std::hypot(deviceY.x, deviceY.y));
  if (!std::isfinite(deviceRadius) || deviceRadius < kMinDeviceRadius) return;
  cairo_new_sub_path(cr_);
  if (deviceRadius <= kMaxArcDeviceRadius) {
    cairo_arc(cr_, center.x, center.y, radius, 0.0, 2.0 * std::numbers::pi);
  } else {
    const Float k = kQuarterCircleKappa * radius;
    const Float x = center.x, y = center.y, r = radius;
    cairo_move_to(cr_, x + r, y);
    cairo_curve_to(cr_, x + r, y + k, x + k, y + r, x, y + r);
    cairo_curve_to(cr_, x - k, y + r, x - r, y + k, x - r, y);
    cairo_curve_to(cr_, x - r, y - k, x - k, y - r, x, y - r);
    cairo_curve_to(cr_, x + k, y - r, x + r, y - k, x + r, y);
  }
  cairo_close_path(cr_);
  FillAndStroke(style);
}

void Painter::DrawPath(const Path& path, const PaintStyle& style) {
  if (!CanDraw() || path.IsEmpty() || (!style.HasFill() && !style.HasStroke())) return;
  if (!WithinDeviceRange(path.GetPoints(), transform_)) return;
  AppendPath(path, false);
  FillAndStroke(style);
}

void Painter::DrawShape(const Path& path, const ColorA& fill, const ColorA& outline, Float outlineWidth) {
  const PaintStyle style{fill, outline, outlineWidth};
  if (!CanDraw() || path.IsEmpty() || (!style.HasFill() && !style.HasStroke())) return;
  if (!WithinDeviceRange(path.GetPoints(), transform_)) return;
  AppendPath(path, true);
  FillAndStroke(style);
}

void Painter::DrawText(std::string_view text, const FontHandle& font, Vector2d position, const ColorA& color) {
  if (!CanDraw() || text.empty() || !(color.a > 0.0) || font.GetPixelSize() < kMinDrawableFontSize) return;
  // A line of text starting beyond the device box cannot reach the surface.
  if (!WithinDeviceRange(std::span(&position, 1), transform_)) return;
  const Vector2d origin = transform_.TransformPoint(position);
  const TextLayout layout = FontCache::Get().GetLayout(font, text);
  const FONTBASELINE baseline = font.GetDescription().baseline;
  // DEFAULT pins the line box's top exactly, even when a fallback font makes the line taller.
  const Float top = baseline == FONTBASELINE::DEFAULT
                        ? origin.y
                        : origin.y + font.GetBaselineOffset(baseline) - layout.baseline;
  cairo_identity_matrix(cr_);
  cairo_move_to(cr_, origin.x, top);
  SetColor(color);
  pango_cairo_show_layout(cr_, layout.layout);
  cairo_new_path(cr_);
  ApplyTransform();
}

void Painter::DrawImage(const Image& image, const Rect& destination, Float opacity) {
  if (!CanDraw() || destination.IsEmpty() || !(opacity > 0.0)) return;
  const std::optional<PlacedRect> placed = PlaceRect(destination, {}, transform_);
  if (!placed) return;
  cairo_surface_t* surface = image.GetCairoSurface();
  if (!surface) return;
  // Pattern space is the image's pixels: user -> pattern scales the destination onto them.
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, static_cast<Float>(image.GetWidth()) / destination.Width(),
                          static_cast<Float>(image.GetHeight()) / destination.Height());
  cairo_matrix_translate(&matrix, -destination.left, -destination.top);
  cairo_pattern_t* pattern = CreateSurfacePattern(cr_, surface, matrix);
  if (!pattern) return;  // stretched beyond what cairo can invert: too thin to see
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
  // Padding instead of transparency beyond the edge keeps a scaled image's border sharp.
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_set_source(cr_, pattern);
  cairo_pattern_destroy(pattern);
  TraceRect(placed);
  if (opacity >= 1.0) {
    cairo_fill(cr_);
  } else {
    cairo_save(cr_);
    cairo_clip(cr_);
    cairo_paint_with_alpha(cr_, opacity);
    cairo_restore(cr_);
  }
  // Drop the image's surface from the context so that it is not held past the draw.
  cairo_set_source_rgba(cr_, 0.0, 0.0, 0.0, 1.0);
}

void Painter::DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width) {
  DrawBezier(WireCurve(from, to), color, width);
}

void Painter::DrawCross(const Rect& rect, const ColorA& color, Float width) {
  if (!CanDraw() || !(width > 0.0) || !(color.a > 0.0)) return;
  // One stroke for both diagonals, so that a translucent cross is not darker where they meet.
  const bool traced = TraceSegment({rect.left, rect.top}, {rect.right, rect.bottom});
  if (TraceSegment({rect.right, rect.top}, {rect.left, rect.bottom}) || traced) StrokePath(color, width);
}

}  // namespace zarvo
