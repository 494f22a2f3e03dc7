#include "source/widgets_menu/CommandGroupWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"

namespace zarvo {

Result<void> CommandGroupWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("CommandGroupWidget");
  return Ok();
}

Result<void> CommandGroupWidgetImpl::SetCommands(const std::vector<CommandMenuItemRef>& items,
                                                 const MenuItemCursorHandler& begin, const MenuItemCursorHandler& end) {
  ZV_TRY(Resize(0, 0));
  // An empty table keeps its cells as children; a rebuild starts from none.
  RemoveAllChildren();
  if (items.empty()) return IllegalArgumentError("Command list is empty");
  ZV_TRY(Resize(1, static_cast<Int>(items.size())));
  SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  for (size_t i = 0; i < items.size(); ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, static_cast<Int>(i)));
    cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
    ZV_TRY_ASSIGN(CommandMenuItemWidgetRef row,
                  CreateObject<CommandMenuItemWidgetInterface>(Id(kCommandMenuItemWidgetClassId)));
    ZV_TRY(row->CreateLayout());
    ZV_TRY(row->SetCommand(items[i]));
    ZV_TRY(cell->InsertChildLast(row));
    if (begin) row->ObservableHandleCursorInfoBegin()->AddObserver(begin);
    if (end) row->ObservableHandleCursorInfoEnd()->AddObserver(end);
  }
  RequestLayout();
  return Ok();
}

void CommandGroupWidgetImpl::ClearBackground() {
  for (Int y = 0; y < GetCountY(); ++y) {
    Result<CellWidgetRef> cell = GetCell(0, y);
    if (!cell.IsOk() || !*cell) continue;
    if (auto row = Cast<CommandMenuItemWidgetInterface>(WidgetRef((*cell)->GetFirstChildWidget()))) row->ClearBackground();
  }
}

}  // namespace zarvo
