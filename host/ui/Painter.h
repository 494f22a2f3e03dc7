#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "host/core/Geometry.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/DeviceRange.h"
#include "host/ui/HitTests.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace zarvo {

class FontHandle;
class Image;

// What to paint of a figure: the inside in `fill`, then the outline in `stroke`, centred on
// the figure's edge. A colour with alpha 0 is not painted; an outline of width 0 neither.
struct PaintStyle {
  ColorA fill{0.0, 0.0, 0.0, 0.0};
  ColorA stroke{0.0, 0.0, 0.0, 0.0};
  Float strokeWidth = 0.0;

  static constexpr PaintStyle Filled(ColorA fill) { return {fill, {0.0, 0.0, 0.0, 0.0}, 0.0}; }
  static constexpr PaintStyle Stroked(ColorA stroke, Float width) { return {{0.0, 0.0, 0.0, 0.0}, stroke, width}; }
  static constexpr PaintStyle FilledAndStroked(ColorA fill, ColorA stroke, Float width) { return {fill, stroke, width}; }
  bool HasFill() const { return fill.a > 0.0; }
  bool HasStroke() const { return stroke.a > 0.0 && strokeWidth > 0.0; }
};

// Draws onto a premultiplied ARGB32 cairo image surface it is given (it keeps a reference but
// owns no window). The canvas holds one per window surface and forwards the widgets' drawing.
//
// Coordinates: every figure is given in user coordinates, mapped to the surface's pixels by
// the transform the caller sets (the drawn widget's global matrix); line widths and radii
// scale with it. Text is the exception: font handles are already made at global pixel sizes,
// so the transform places a text's top-left but does not scale or rotate its glyphs.
//
// State: Save, PushClip... and PushOpacity push one entry each onto one stack, and each entry
// is taken off by its own counterpart (Restore, PopClip, PopOpacity) in reverse order; popping
// brings back the transform and clip of the moment of the push. Clips intersect with the
// current clip. A transform that cannot be inverted (a widget scaled to nothing) draws
// nothing, and a clip pushed under it is empty.
//
// Determinism: fixed antialiasing and font options (see FontCache), so the same calls give
// the same pixels on every machine with the same fonts. Main thread only.
class Painter {
 public:
  // `target` must be an image surface of format ARGB32.
  explicit Painter(cairo_surface_t* target);
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  cairo_surface_t* GetTarget() const noexcept { return target_; }
  Int GetWidth() const noexcept { return width_; }
  Int GetHeight() const noexcept { return height_; }
  // For drawing this class does not cover (SVG rendering): leave the state as found.
  cairo_t* GetCairo() const noexcept { return cr_; }
  // The first cairo error, if any; drawing calls themselves never fail.
  [[nodiscard]] Result<void> GetStatus() const;

  // Transform.
  void SetTransform(const Matrix2d& matrix);
  const Matrix2d& GetTransform() const noexcept { return transform_; }

  // State stack.
  void Save();
  void Restore();
  void PushClipRect(const Rect& rect);
  void PushClipRoundedRect(const Rect& rect, const CornerRadii& radii);
  void PushClipPath(const Path& path);
  void PopClip();
  // Opacity for everything drawn until PopOpacity, applied once to the group as a whole.
  // 1 or more costs nothing; 0 or less skips the drawing. A group costs a surface the size of
  // the current clip, so pass the bounds of what will be drawn (user coordinates) when known:
  // drawing outside them is clipped away.
  void PushOpacity(Float opacity);
  void PushOpacity(Float opacity, const Rect& bounds);
  void PopOpacity();
  size_t GetStackDepth() const noexcept { return stack_.size(); }
  // Takes entries of any kind off until `depth` remain (groups are composed as they go): the
  // way back to a known state after a draw hook failed half-way.
  void RestoreToDepth(size_t depth);
  // The current clip's bounds in surface pixels (the whole surface when nothing clips).
  Rect GetClipBounds() const;

  // Replaces the pixels of `rect` (transformed and clipped) with `color`, alpha included.
  void Clear(const Rect& rect, const ColorA& color);
  // Replaces every pixel of the surface with `color`, ignoring transform, clip and opacity.
  void FillSurface(const ColorA& color);

  void DrawLine(Vector2d from, Vector2d to, const ColorA& color, Float width);
  void DrawBezier(const CubicBezier& curve, const ColorA& color, Float width);
  // Corners rounded by `radii` (fitted to the rectangle, see CornerRadii::FittedTo).
  void DrawRectangle(const Rect& rect, const PaintStyle& style, const CornerRadii& radii = {});
  void DrawCircle(Vector2d center, Float radius, const PaintStyle& style);
  // Fills (non-zero winding) and strokes the path as given; open subpaths stay open.
  void DrawPath(const Path& path, const PaintStyle& style);
  // A closed figure: every subpath is closed, then filled and outlined.
  void DrawShape(const Path& path, const ColorA& fill, const ColorA& outline = {0.0, 0.0, 0.0, 0.0},
                 Float outlineWidth = 0.0);
  // One line of text whose line box starts at `position` horizontally; vertically the font's
  // baseline mode says which of its lines lies at position.y (see FONTBASELINE). The layout
  // comes from the text cache, so redrawing the same text does not shape it again.
  void DrawText(std::string_view text, const FontHandle& font, Vector2d position, const ColorA& color);
  // The whole image scaled into `destination`, edges kept sharp, times `opacity` (0..1).
  void DrawImage(const Image& image, const Rect& destination, Float opacity = 1.0);
  // WireCurve(from, to), the curve WireHit tests.
  void DrawWire(Vector2d from, Vector2d to, const ColorA& color, Float width);
  // The two diagonals of `rect`.
  void DrawCross(const Rect& rect, const ColorA& color, Float width);

 private:
  enum class EntryKind : uint8_t { kSave, kClip, kGroup, kOpaque, kHidden };
  struct Entry {
    EntryKind kind = EntryKind::kSave;
    Float alpha = 1.0;
    Matrix2d transform;
  };

  bool CanDraw() const noexcept { return !degenerate_ && hiddenDepth_ == 0; }
  void PushOpacity(Float opacity, const Rect* bounds);
  void Push(EntryKind kind, Float alpha = 1.0);
  // Takes off the top entry, which must be an opacity entry exactly when `opacity` is true.
  void Pop(bool opacity);
  void PopEntry();
  void ApplyTransform();
  // Hands transform_ to cairo again after a figure was traced in device space.
  void SetCairoMatrix();
  void SetColor(const ColorA& color);
  void AppendPath(const Path& path, bool closeSubpaths);
  void FillAndStroke(const PaintStyle& style);
  void StrokePath(const ColorA& color, Float width);
  // Trace a figure for the next fill, clip or stroke, cut to the device box (DeviceRange.h).
  // Nothing placed traces an empty rectangle, so that a clip holds nothing; false: no segment.
  void TraceRect(const std::optional<PlacedRect>& placed);
  [[nodiscard]] bool TraceSegment(Vector2d from, Vector2d to);

  cairo_surface_t* target_ = nullptr;
  cairo_t* cr_ = nullptr;
  Int width_ = 0;
  Int height_ = 0;
  Matrix2d transform_;
  bool degenerate_ = false;
  // The widest pen in user units that stays inside the device box.
  Float maxPenWidth_ = kDeviceLimit;
  int hiddenDepth_ = 0;
  std::vector<Entry> stack_;
};

}  // namespace zarvo
