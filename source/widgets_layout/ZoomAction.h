#pragma once
#include "source/widgets_layout/BasePanZoomAction.h"

namespace zarvo {

// Dragging up by this many pixels multiplies the zoom by e (down divides it).
constexpr Float kZoomDragPixelsPerE = 100.0;

// Zooms the area about the point where the drag started: up zooms in, down zooms out.
class ZoomAction final : public BasePanZoomAction {
 public:
  Result<void> While(const DataDictionary& event) override;
  Result<void> End(const DataDictionary& event) override { return While(event); }
};

}  // namespace zarvo
