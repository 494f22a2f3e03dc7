#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kScrollAreaWidgetClassId[] = "net.zarvo.mvp.widgetclasses.scrollarea";
inline constexpr char kScrollAreaWidgetInterfaceId[] = "net.zarvo.mvp.interface.scrollareawidget";

// Which way a scroll goes: FORWARD towards the end of the content (the content moves up or
// left), BACKWARD towards its start.
enum class SCROLL_DIRECTION : int32_t { FORWARD = 0, BACKWARD = 1 };

class ScrollAreaWidgetInterface;
using ScrollAreaWidgetRef = Ref<ScrollAreaWidgetInterface>;

// Shows a part of a larger content widget and moves the content when the user turns the wheel,
// drags a slider, presses an arrow or uses the keys on a scrollbar. A 2×2 table: the content
// cell, which clips, the vertical scrollbar beside it (right of it, or left when inverse), the
// horizontal scrollbar below it and a corner. The content keeps its own size; scrolling moves
// it, so its position is 0 or negative. Moves are not clamped at once: the next layout holds
// the content inside the view and shows the scrollbars it needs.
class ScrollAreaWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Puts the vertical scrollbar left of the content; applied at the next layout switch.
  [[nodiscard]] virtual Result<void> SetInverse(Bool inverse) = 0;
  virtual Bool GetInverse() const = 0;
  // The content: the content cell's first child, empty when there is none.
  [[nodiscard]] virtual Result<WidgetRef> GetWidgetToBeScrolled() const = 0;
  // Replaces the content. The old content is detached first; an empty widget then fails with a
  // null-reference error. The new one leaves its parent and keeps its own size (size mode
  // INFINITE both ways), which the content cell neither measures nor places.
  [[nodiscard]] virtual Result<void> SetWidgetToBeScrolled(WidgetRef widget) = 0;
  [[nodiscard]] virtual Result<CellWidgetRef> GetContentCell() const = 0;
  // Shows each scrollbar only when needed (the default), or always both and the corner.
  virtual void SetAutoScrollbarsVisibilityMode(Bool automatic) = 0;
  virtual Bool GetAutoScrollbarsVisibilityMode() const = 0;
  // How far an arrow or an arrow key scrolls; the style sheet's "scroll_step" until set.
  // Negative and NaN steps store 0.
  virtual void SetScrollStep(CanvasUnitValue step) = 0;
  virtual CanvasUnitValue GetScrollStep() const = 0;
  // Moves the content by `step` along an axis (positive: down or right, towards the start).
  // "Nothing to scroll" without content.
  [[nodiscard]] virtual Result<void> IncreaseScroll(CanvasUnitValue step, WIDGET_DIRECTION direction) = 0;
  // One scroll step.
  [[nodiscard]] virtual Result<void> ScrollToStep(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) = 0;
  // One view size.
  [[nodiscard]] virtual Result<void> ScrollToPage(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) = 0;
  // To the content's end (forward) or start (backward); the other axis stays.
  [[nodiscard]] virtual Result<void> ScrollToLimit(SCROLL_DIRECTION scroll, WIDGET_DIRECTION direction) = 0;
};

}  // namespace zarvo
