#include "source/widgets_layout/ScrollMath.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

ScrollbarVisibility ComputeScrollbarVisibility(bool autoMode, bool hasContent, Vector2d area, Vector2d content,
                                               Float horizontalBarHeight, Float verticalBarWidth) {
  if (!autoMode) return {true, true, true};
  if (!hasContent) return {};
  const bool wider = content.x > area.x;
  const bool taller = content.y > area.y;
  if (wider && taller) return {true, true, true};
  if (wider) {
    const bool alsoVertical = content.y + horizontalBarHeight > area.y;
    return {true, alsoVertical, alsoVertical};
  }
  if (taller) {
    const bool alsoHorizontal = content.x + verticalBarWidth > area.x;
    return {alsoHorizontal, true, alsoHorizontal};
  }
  return {};
}

Float ClampScrollOffset(Float offset, Float content, Float view) {
  offset = std::min(offset, 0.0);
  if (content <= view) return 0.0;
  if (offset + content < view) return view - content;
  return offset;
}

Vector2d ClampScrollPosition(Vector2d position, Vector2d content, Vector2d view) {
  return {ClampScrollOffset(position.x, content.x, view.x), ClampScrollOffset(position.y, content.y, view.y)};
}

Float ScrollLimitOffset(bool forward, Float content, Float view) { return forward ? view - content : 0.0; }

ScrollThumb ComputeScrollThumb(Float track, Float thickness, Float view, Float content, Float offset) {
  ScrollThumb thumb;
  if (thickness >= track) return thumb;
  thumb.present = true;
  if (content == 0.0) {
    thumb.end = track;
    return thumb;
  }
  Float start = std::abs(offset) * track / content;
  Float end = start + view * track / content;
  if (end - start < thickness) {
    const Float middle = (start + end) * 0.5;
    start = middle - thickness * 0.5;
    if (start < 0.0) {
      start = 0.0;
    } else if (start + thickness > track) {
      start = track - thickness;
    }
    end = start + thickness;
  }
  // A view larger than its content, or an offset the layout has not clamped yet, would reach
  // past the track onto the arrows.
  thumb.start = std::clamp(start, 0.0, track);
  thumb.end = std::clamp(end, thumb.start, track);
  return thumb;
}

Path MakeCapsulePath(Float start, Float end, Float across, Float halfThickness, bool vertical) {
  const Float r = halfThickness;
  const Float k = r * kQuarterCircleHandle;
  // Built along a vertical axis (a = along, c = across), turned for a horizontal bar.
  auto at = [vertical](Float c, Float a) { return vertical ? Vector2d{c, a} : Vector2d{a, c}; };
  const Float lo = across - r;
  const Float hi = across + r;
  Path path;
  path.MoveTo(at(lo, start + r))
      .CubicTo(at(lo, start + r - k), at(across - k, start), at(across, start))
      .CubicTo(at(across + k, start), at(hi, start + r - k), at(hi, start + r))
      .LineTo(at(hi, end - r))
      .CubicTo(at(hi, end - r + k), at(across + k, end), at(across, end))
      .CubicTo(at(across - k, end), at(lo, end - r + k), at(lo, end - r))
      .Close();
  return path;
}

Float ComputeDragOffset(Float pointer, Float grabOffset, Float frameStart, Float frameEnd, Float content, Float view) {
  Float origin = frameStart;
  Float extent = frameEnd - frameStart;
  if (extent < 0.0) {
    origin = 0.0;
    extent = 1.0;
  }
  const Float fraction = std::clamp((pointer + grabOffset - origin) / std::max(1.0, extent), 0.0, 1.0);
  return -(fraction * content - view * 0.5);
}

}  // namespace zarvo
