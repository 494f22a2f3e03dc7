#pragma once
#include <optional>

#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/ScrollbarWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The scroll area. Scrolling moves the content inside the clipping content cell and asks for a
// layout of the scroll area alone (four cells), whose passes hold the content inside the view
// and show the scrollbars it needs; the content itself is neither measured nor placed again,
// and the content table draws and hit-tests only the cells in view.
class ScrollAreaWidgetImpl : public TableWidgetImpl, public virtual ScrollAreaWidgetInterface {
 public:
  Result<void> SetInverse(Bool inverse) override;
  Bool GetInverse() const override { return inverse_; }
  Result<WidgetRef> GetWidgetToBeScrolled() const override;
  Result<void> SetWidgetToBeScrolled(WidgetRef widget) override;
  Result<CellWidgetRef> GetContentCell() const override;
  void SetAutoScrollbarsVisibilityMode(Bool automatic) override;
  Bool GetAutoScrollbarsVisibilityMode() const override { return autoScrollbars_; }
  void SetScrollStep(CanvasUnitValue step) override;
  CanvasUnitValue GetScrollStep() const override;
  Result<void> IncreaseScroll(CanvasUnitValue step, WIDGET_DIRECTION direction) override;
  Result<void> ScrollToStep(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) override;
  Result<void> ScrollToPage(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) override;
  Result<void> ScrollToLimit(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) override;

  Result<void> CreateLayout() override;
  Result<void> LayoutPass2() override;
  Result<void> LayoutPass3() override;
  Result<void> HandleSwitchLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  // The scrollbar this scroll area made for an axis (empty before CreateLayout).
  const ScrollbarWidgetRef& GetScrollbar(WIDGET_DIRECTION direction) const {
    return scrollbars_[DirectionIndex(direction)];
  }

 private:
  struct Cells {
    CellWidgetRef vertical;
    CellWidgetRef horizontal;
    CellWidgetRef corner;
    CellWidgetRef content;
  };
  // Whether the columns stand exchanged now: the inverse flag as the last layout switch applied
  // it. Between SetInverse and that switch the cells have not moved yet, and a lookup by the
  // flag alone would find the scrollbar's cell for the content's.
  bool IsArrangedInverse() const;
  // The four cells where the arrangement puts them; a missing one is an error naming it.
  [[nodiscard]] Result<Cells> FindCells() const;
  // Shows the scrollbars the content needs; true when one of them (or the corner) changed.
  [[nodiscard]] Result<bool> ApplyScrollbarVisibility(const Cells& cells);
  // Holds the content inside the view.
  void ClampContent(const Cells& cells);
  [[nodiscard]] Result<Ref<WidgetInterface>> RequireContent() const;
  // Puts the content at `position`; the next layout of this scroll area clamps it.
  void MoveContent(WidgetInterface& content, Vector2d position);
  [[nodiscard]] Result<void> ConnectScrollbar(const ScrollbarWidgetRef& scrollbar, WIDGET_DIRECTION axis);
  [[nodiscard]] Result<void> AddScrollbar(const CellWidgetRef& cell, WIDGET_DIRECTION axis);

  bool inverse_ = false;
  bool autoScrollbars_ = true;
  std::optional<CanvasUnitValue> scrollStep_;  // unset: the style sheet's
  ScrollbarWidgetRef scrollbars_[2];
};

}  // namespace zarvo
