#pragma once
#include <cstdint>
#include <vector>

#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/interfaces/TreeItemWidgetInterface.h"

namespace zarvo {

inline constexpr char kTreeGraphWidgetClassId[] = "net.zarvo.mvp.widgetclasses.treegraph";
inline constexpr char kTreeGraphWidgetInterfaceId[] = "net.zarvo.mvp.interface.treegraphwidget";

// Where MoveItem puts an item relative to its reference item.
enum class TREE_INSERT_MODE : int32_t { BEFORE = 0, AFTER = 1, FIRST_CHILD = 2 };

// A hierarchy of items shown as the rows of a table: an indented tree column carrying each
// item's fold triangle and connection lines, columns to its left and right addressed by
// identifier, an optional header row, alternating row backgrounds, folding and filtering.
// Rows count every item in tree order, folded and filtered ones included; only the rows in
// view are given widgets and drawn.
class TreeGraphWidgetInterface : public virtual TableWidgetInterface {
 public:
  enum class MARK_JOINT_MODE : int32_t { STRAIGHT = 0, CURVED = 1 };
  enum class LINE_TIP_MODE : int32_t { NONE = 0, DOT = 1 };

  // The item of a row; "illegal row index" outside the rows.
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetTreeItem(Int row) = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetFirstTreeItem() = 0;
  // The cell of a column in a row, for the application's content.
  [[nodiscard]] virtual Result<CellWidgetRef> GetCellFromId(const Id& column, Int row) = 0;
  // A new item before or after the reference item (an empty reference: first or last at the
  // top level), or as its first child (empty: the first item of the tree).
  [[nodiscard]] virtual Result<TreeItemWidgetRef> CreateTreeItemBefore(const TreeItemWidgetRef& reference) = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> CreateTreeItemAfter(const TreeItemWidgetRef& reference) = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> CreateTreeItemAsFirstChildOf(const TreeItemWidgetRef& reference) = 0;
  // The columns left and right of the tree column, all visible.
  [[nodiscard]] virtual Result<void> SetColumns(const std::vector<Id>& left, const std::vector<Id>& right) = 0;
  virtual std::vector<Id> GetLeftColumnIds() const = 0;
  virtual std::vector<Id> GetRightColumnIds() const = 0;
  virtual Id GetTreeColumnId() const = 0;
  [[nodiscard]] virtual Result<void> SetColumnVisibility(const Id& column, Bool visible) = 0;
  [[nodiscard]] virtual Result<Bool> GetColumnVisibility(const Id& column) const = 0;
  [[nodiscard]] virtual Result<void> DeleteColumnFromId(const Id& column) = 0;
  virtual void SetShowLevel0Lines(Bool show) = 0;
  virtual Bool GetShowLevel0Lines() const = 0;
  virtual void SetLineTipMode(LINE_TIP_MODE mode) = 0;
  virtual LINE_TIP_MODE GetLineTipMode() const = 0;
  virtual void SetFilterMode(Bool filter) = 0;
  virtual Bool GetFilterMode() const = 0;
  [[nodiscard]] virtual Result<void> SetInverseMode(Bool inverse) = 0;
  virtual Bool GetInverseMode() const = 0;
  // Moves an item with its subtree; an item cannot go below itself.
  [[nodiscard]] virtual Result<void> MoveItem(const TreeItemWidgetRef& item, const TreeItemWidgetRef& reference,
                                              TREE_INSERT_MODE mode) = 0;
  // The height of a row (at least one pixel).
  [[nodiscard]] virtual Result<void> SetLineSpacing(CanvasUnitValue spacing) = 0;
  // Shows the fold triangles of items with children and the rows whose ancestors are open (and,
  // in filter mode, that pass the filter or hold a descendant that does).
  [[nodiscard]] virtual Result<void> CheckTriangleAndVisibility() = 0;
  // SetBackgroundColor and GetBackgroundColor are the widget base's: the even rows' colour.
  virtual void SetAlternateBackgroundColor(const ColorA& color) = 0;
  virtual ColorA GetAlternateBackgroundColor() const = 0;
  virtual void SetAlternateBackgroundMode(Bool alternate) = 0;
  virtual Bool GetAlternateBackgroundMode() const = 0;
  virtual void SetMarkJointMode(MARK_JOINT_MODE mode) = 0;
  virtual MARK_JOINT_MODE GetMarkJointMode() const = 0;
  // A row of header cells above the rows, one per visible column.
  [[nodiscard]] virtual Result<void> AddHeaderRow() = 0;
  [[nodiscard]] virtual Result<void> DeleteHeaderRow() = 0;
  virtual Bool HasHeaderRow() const = 0;
  [[nodiscard]] virtual Result<void> SetHeaderRowVisibility(Bool visible) = 0;
  virtual Bool GetHeaderRowVisibility() const = 0;
  // The title of a column's header cell; "No header cell widget" without one.
  [[nodiscard]] virtual Result<TextWidgetRef> GetHeaderTextWidget(const Id& column) const = 0;
  // Accepted and ignored: titles are set on the header text widgets.
  [[nodiscard]] virtual Result<void> SetHeaderText(const String& text) = 0;
  virtual String GetHeaderText() const = 0;
  virtual void SetAllowHeaderResizing(Bool allow) = 0;
  virtual Bool GetAllowHeaderResizing() const = 0;
  virtual void SetAllowHeaderRearranging(Bool allow) = 0;
  virtual Bool GetAllowHeaderRearranging() const = 0;
};

}  // namespace zarvo
