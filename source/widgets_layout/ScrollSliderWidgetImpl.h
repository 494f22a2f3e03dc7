#pragma once
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/ScrollSliderWidgetInterface.h"
#include "source/widgets_layout/ScrollMath.h"

namespace zarvo {

// Half the thickness of the thumb's bar, as a fraction of the slider's thickness; doubled
// while dragging.
constexpr Float kScrollThumbHalfThicknessRatio = 1.0 / 7.0;

// The scrollbar's track. Reads the scroll area's content and view each time it draws or is
// pressed, so it keeps no copy of them.
class ScrollSliderWidgetImpl : public WidgetBase, public virtual ScrollSliderWidgetInterface {
 public:
  void SetDirection(WIDGET_DIRECTION direction) override;
  WIDGET_DIRECTION GetDirection() const override { return direction_; }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  Result<void> DrawHighlight() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsDragging() const noexcept { return dragging_; }
  // The thumb along the track as it stands now.
  [[nodiscard]] Result<ScrollThumb> ComputeThumb() const;

 private:
  // The scroll area this slider scrolls, found through its parents, with its content cell and
  // its content (empty when it has none).
  struct Scrolled {
    ScrollAreaWidgetRef area;
    CellWidgetRef contentCell;
    WidgetRef content;
  };
  [[nodiscard]] Result<Scrolled> FindScrolled() const;
  ScrollThumb ThumbOf(const Scrolled& scrolled) const;
  bool IsVertical() const { return direction_ == WIDGET_DIRECTION::VERTICAL; }
  Float Along(Vector2d v) const { return IsVertical() ? v.y : v.x; }
  [[nodiscard]] Result<void> DrawThumb(const ColorA& color);
  // Moves the content so that the view's centre follows the pointer.
  [[nodiscard]] Result<void> DragStep(const Scrolled& scrolled, Vector2d globalPointer);

  WIDGET_DIRECTION direction_ = WIDGET_DIRECTION::VERTICAL;
  bool dragging_ = false;
  Vector2d grabOffset_;
};

}  // namespace zarvo
