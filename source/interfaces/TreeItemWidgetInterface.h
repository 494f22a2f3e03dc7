#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/DummyItemInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TreeLevelWidgetInterface.h"

namespace zarvo {

inline constexpr char kTreeItemWidgetClassId[] = "net.zarvo.mvp.widgetclasses.treeitem";
inline constexpr char kTreeItemWidgetInterfaceId[] = "net.zarvo.mvp.interface.treeitemwidget";

class TreeGraphWidgetInterface;
using TreeGraphWidgetRef = Ref<TreeGraphWidgetInterface>;

// One item of a tree graph: a one-row table of a level cell (the indentation), a folder cell
// (the fold triangle) and a custom cell (the item's content). Its place in the tree (parent,
// children, siblings, row) belongs to its tree graph; an item that was deleted from its graph,
// or never belonged to one, answers those calls with "Invalid treeitem".
class TreeItemWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Opens or closes the item's children, marks its serial data changed when the state changed,
  // sets the triangle and has the graph show and hide the rows again.
  [[nodiscard]] virtual Result<void> SetOpen(Bool open) = 0;
  // The same without showing and hiding the rows: for opening many items at once, followed by
  // one CheckTriangleAndVisibility of the graph.
  [[nodiscard]] virtual Result<void> SetOpen2(Bool open) = 0;
  virtual Bool GetOpen() const = 0;
  // The item's row in its graph, counting folded and filtered rows.
  [[nodiscard]] virtual Result<Int> GetRow() const = 0;
  virtual Int GetLevel() const = 0;
  // Gives the level widget the item's level in the tree.
  [[nodiscard]] virtual Result<void> UpdateLevel() = 0;
  // Whether the item passes the graph's filter (shown in filter mode, with its ancestors).
  [[nodiscard]] virtual Result<void> SetFiltered(Bool filtered) = 0;
  virtual Bool GetFiltered() const = 0;
  // Right to left: content, triangle, indentation.
  [[nodiscard]] virtual Result<void> SetInverse(Bool inverse) = 0;
  virtual Bool GetInverse() const = 0;
  [[nodiscard]] virtual Result<TreeLevelWidgetRef> GetLevelWidget() const = 0;
  [[nodiscard]] virtual Result<CheckboxWidgetRef> GetFolderWidget() const = 0;
  [[nodiscard]] virtual Result<CellWidgetRef> GetLevelCell() const = 0;
  [[nodiscard]] virtual Result<CellWidgetRef> GetFolderCell() const = 0;
  [[nodiscard]] virtual Result<CellWidgetRef> GetCustomCell() const = 0;
  [[nodiscard]] virtual Result<TreeGraphWidgetRef> GetTreeGraph() const = 0;
  // The neighbours in the tree; an empty reference where there is none.
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetParentItem() const = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetFirstChildItem() const = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetNextItem() const = 0;
  [[nodiscard]] virtual Result<TreeItemWidgetRef> GetPrevItem() const = 0;
  virtual void SetDummyItem(const DummyItemRef& dummy) = 0;
  virtual DummyItemRef GetDummyItem() const = 0;
};

}  // namespace zarvo
