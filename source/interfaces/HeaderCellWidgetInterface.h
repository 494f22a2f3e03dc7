#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

inline constexpr char kHeaderCellWidgetClassId[] = "net.zarvo.mvp.widgetclasses.headercell";
inline constexpr char kHeaderCellWidgetInterfaceId[] = "net.zarvo.mvp.interface.headercellwidget";
inline constexpr char kResizeColumnActionClassId[] = "net.zarvo.mvp.actionclasses.resizecolumn";
inline constexpr char kHeaderCellDragAndDropActionClassId[] = "net.zarvo.mvp.actionclasses.headercelldraganddrop";
// The key under which a column drag carries its column index.
inline constexpr char kHeaderCellDragAndDropKey[] = "net.zarvo.mvp.draganddrop.headercell";

// Which border of a header cell the pointer is on; LEFT wins when both are.
enum class BORDER_HIT : int32_t { NONE = 0, LEFT = 1, RIGHT = 2 };
// Which half of a column a drop position lies in.
enum class COLUMN_HORIZONTAL_HIT : int32_t { LEFT = 0, RIGHT = 1 };

// The cell of a table's header row: a column title with a sort symbol beside it. Dragging its
// left or right border resizes the column (when resizing is allowed); dragging its body moves
// the column (when rearranging is allowed).
class HeaderCellWidgetInterface : public virtual CellWidgetInterface {
 public:
  enum class SORT_MODE : int32_t { ASCENDING = 0, DESCENDING = 1 };

  // The symbol left of the title instead of right; applied at the next layout switch.
  [[nodiscard]] virtual Result<void> SetInverse(Bool inverse) = 0;
  virtual Bool GetInverse() const = 0;
  // Stores the mode; the symbol is not redrawn by this call.
  [[nodiscard]] virtual Result<void> SetSortMode(SORT_MODE mode) = 0;
  virtual SORT_MODE GetSortMode() const = 0;
  // Accepted and ignored: the symbol's visibility is not the header's to choose.
  [[nodiscard]] virtual Result<void> SetSortSymbolVisibility(Bool visible) = 0;
  [[nodiscard]] virtual Result<Bool> GetSortSymbolVisibility() const = 0;
  virtual void SetAllowResizing(Bool allow) = 0;
  virtual Bool GetAllowResizing() const = 0;
  virtual void SetAllowRearranging(Bool allow) = 0;
  virtual Bool GetAllowRearranging() const = 0;
  // The title; "No text cell" when its cell is missing.
  [[nodiscard]] virtual Result<TextWidgetRef> GetTextWidget() const = 0;
};

using HeaderCellWidgetRef = Ref<HeaderCellWidgetInterface>;

}  // namespace zarvo
