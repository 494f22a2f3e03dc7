#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kCellWidgetClassId[] = "net.zarvo.mvp.widgetclasses.cell";
inline constexpr char kCellWidgetInterfaceId[] = "net.zarvo.mvp.interface.cellwidget";

// Where the content sits in the free space of one direction.
enum class ALIGNMENT_MODE : int32_t { MIN = 0, CENTER = 1, MAX = 2 };

// How a containing table sizes the column (horizontal) or row (vertical) of a cell: MINIMUM
// makes the line fixed, PREFERRED lends it the cell's preferred size as stretch weight, MAXIMUM
// a weight of at least 1.
enum class CELL_STRETCH_MODE : int32_t { MINIMUM = 1, PREFERRED = 2, MAXIMUM = 3 };

// The slot of every layout container: holds one content widget (its first child), surrounds it
// with four paddings and aligns or stretches it inside its own area. The cell draws nothing.
// Every operation that takes a direction treats any direction other than HORIZONTAL as
// VERTICAL. Setters only store (an equal value changes nothing) and ask for a new layout; the
// next layout run applies them.
class CellWidgetInterface : public virtual WidgetInterface {
 public:
  virtual void SetAlignment(ALIGNMENT_MODE alignment, WIDGET_DIRECTION direction) = 0;
  virtual ALIGNMENT_MODE GetAlignment(WIDGET_DIRECTION direction) const = 0;
  virtual void SetStretchMode(CELL_STRETCH_MODE mode, WIDGET_DIRECTION direction) = 0;
  virtual CELL_STRETCH_MODE GetStretchMode(WIDGET_DIRECTION direction) const = 0;
  // The stretch weight of the cell in that direction; anything not above 0 (NaN too) stores 0.
  virtual void SetPreferredSize(Float size, WIDGET_DIRECTION direction) = 0;
  virtual Float GetPreferredSize(WIDGET_DIRECTION direction) const = 0;

  // Paddings are checked in the order of the arguments; the first negative one fails with
  // "<side> value is negative" and nothing changes. The number is checked as stored, in its
  // own unit.
  [[nodiscard]] virtual Result<void> SetPadding(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                                                CanvasUnitValue bottom) = 0;
  [[nodiscard]] virtual Result<void> SetHorizontalPadding(CanvasUnitValue left, CanvasUnitValue right) = 0;
  // Left and right alike; a negative value is reported as the left one.
  [[nodiscard]] virtual Result<void> SetHorizontalPadding(CanvasUnitValue value) = 0;
  [[nodiscard]] virtual Result<void> SetVerticalPadding(CanvasUnitValue top, CanvasUnitValue bottom) = 0;
  // Top and bottom alike; a negative value is reported as the top one.
  [[nodiscard]] virtual Result<void> SetVerticalPadding(CanvasUnitValue value) = 0;
  [[nodiscard]] virtual Result<void> SetLeftPadding(CanvasUnitValue value) = 0;
  [[nodiscard]] virtual Result<void> SetRightPadding(CanvasUnitValue value) = 0;
  [[nodiscard]] virtual Result<void> SetTopPadding(CanvasUnitValue value) = 0;
  [[nodiscard]] virtual Result<void> SetBottomPadding(CanvasUnitValue value) = 0;
  virtual CanvasUnitValue GetLeftPadding() const = 0;
  virtual CanvasUnitValue GetRightPadding() const = 0;
  virtual CanvasUnitValue GetTopPadding() const = 0;
  virtual CanvasUnitValue GetBottomPadding() const = 0;
};

using CellWidgetRef = Ref<CellWidgetInterface>;

}  // namespace zarvo
