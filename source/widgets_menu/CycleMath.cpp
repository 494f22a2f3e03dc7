#include "source/widgets_menu/CycleMath.h"

#include <algorithm>

namespace zarvo {

namespace {
Rect Normalized(const Rect& rect) {
  if (rect.left > rect.right || rect.top > rect.bottom) return Rect{};
  return rect;
}
}  // namespace

Int FindCycleIndex(std::span<const Int> itemIds, Int itemId) {
  const auto found = std::find(itemIds.begin(), itemIds.end(), itemId);
  return found == itemIds.end() ? -1 : static_cast<Int>(found - itemIds.begin());
}

Int StepCycleIndex(std::span<const Int> itemIds, Int index, Int step, Int separatorId) {
  const Int last = static_cast<Int>(itemIds.size()) - 1;
  if (last < 0) return -1;
  const Int direction = step < 0 ? -1 : 1;
  auto separatorAt = [&](Int i) { return itemIds[static_cast<size_t>(i)] == separatorId; };
  Int i = std::clamp(index + step, Int{0}, last);
  while (separatorAt(i)) {
    const Int next = std::clamp(i + direction, Int{0}, last);
    if (next == i) break;
    i = next;
  }
  // Ended on a separator at an end: back to the nearest selectable entry.
  while (separatorAt(i)) {
    const Int back = i - direction;
    if (back < 0 || back > last) return -1;
    i = back;
  }
  return i;
}

Vector2d PlaceDropdown(const Rect& buttonScreenFrame, Vector2d size, const Rect& workRect) {
  const Rect button = Normalized(buttonScreenFrame);
  const Rect work = Normalized(workRect);
  Vector2d position{button.left, button.bottom};
  if (position.y + size.y > work.bottom) {
    position.y = button.top - size.y;
    if (position.y < work.top) position.y = work.top;
  }
  return position;
}

}  // namespace zarvo
