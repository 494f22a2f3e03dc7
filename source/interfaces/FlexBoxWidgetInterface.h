#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"
#include "source/interfaces/CellWidgetInterface.h"

namespace zarvo {

inline constexpr char kFlexBoxWidgetClassId[] = "net.zarvo.mvp.widgetclasses.flexbox";
inline constexpr char kFlexBoxWidgetInterfaceId[] = "net.zarvo.mvp.interface.flexboxwidget";

// The fill order of a flexbox: the main direction in which cells follow each other first, then
// the direction in which the lines (rows or columns) follow each other.
enum class FLEXBOX_LAYOUT : int32_t {
  LEFT_RIGHT_TOP_BOTTOM = 0,
  RIGHT_LEFT_TOP_BOTTOM = 1,
  TOP_BOTTOM_LEFT_RIGHT = 2,
  BOTTOM_TOP_LEFT_RIGHT = 3,
  LEFT_RIGHT_BOTTOM_TOP = 4,
  RIGHT_LEFT_BOTTOM_TOP = 5,
  TOP_BOTTOM_RIGHT_LEFT = 6,
  BOTTOM_TOP_RIGHT_LEFT = 7,
};

class FlexBoxWidgetInterface;
using FlexBoxWidgetRef = Ref<FlexBoxWidgetInterface>;

// A flow container: holds a sequence of cells and places them one after another along the main
// direction of its layout, starting a new line when the next cell does not fit. It takes the
// size of its parent in the directions its layout fills and measures the others from its
// content. In right-to-left mode it uses the mirrored layout; the stored one stays.
class FlexBoxWidgetInterface : public virtual WidgetInterface {
 public:
  // Makes the flexbox hold `count` cells, relative to the count of the last Resize: growing
  // appends new cells, shrinking removes the last children, 0 only forgets the cells (they stay
  // children and are still placed). The positions are then renumbered over all children.
  [[nodiscard]] virtual Result<void> Resize(Int count) = 0;
  // Resize(GetCount() + 1).
  [[nodiscard]] virtual Result<void> Append() = 0;
  // The count of the last Resize.
  virtual Int GetCount() const = 0;
  // The cell at a position as of the last Resize; a child that is not a cell yields an empty
  // reference. A position without an entry fails with "Invalid table hierarchy.".
  [[nodiscard]] virtual Result<CellWidgetRef> GetCell(Int position) const = 0;
  // The position of this very cell object, or "Element not found".
  [[nodiscard]] virtual Result<Int> GetIndex(const CellWidgetRef& cell) const = 0;
  // Stores the layout and asks for the layout to be switched; never fails.
  [[nodiscard]] virtual Result<void> SetLayout(FLEXBOX_LAYOUT layout) = 0;
  virtual FLEXBOX_LAYOUT GetLayout() const = 0;
};

}  // namespace zarvo
