#include "source/widgets_layout/HeaderCellWidgetImpl.h"

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/widgets_base/ButtonContent.h"
#include "source/widgets_layout/CanvasUnitMath.h"
#include "source/widgets_layout/HeaderCellDragAndDropAction.h"
#include "source/widgets_layout/HeaderCellGeometry.h"
#include "source/widgets_layout/ResizeColumnAction.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
const StyleKey<ColorA> kHeaderBorderColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.headercell.bordercolor", ColorA{96 * kByte, 96 * kByte, 96 * kByte, 1.0});
constexpr char kDefaultTitle[] = "Header";
constexpr Int kTitleColumn = 0;
constexpr Int kSymbolColumn = 1;
constexpr char kNoParentTable[] = "No parent table";
}  // namespace

// ---- properties -----------------------------------------------------------------------------

Result<void> HeaderCellWidgetImpl::SetInverse(Bool inverse) {
  if (inverse == inverse_) return Ok();
  inverse_ = inverse;
  RequestSwitchLayout();
  return Ok();
}

Result<void> HeaderCellWidgetImpl::SetSortMode(SORT_MODE mode) {
  sortMode_ = mode;
  return Ok();
}

// ---- layout ---------------------------------------------------------------------------------

Result<void> HeaderCellWidgetImpl::CreateLayout() {
  ZV_TRY(CellWidgetImpl::CreateLayout());
  SetName("HeaderCellWidget");
  SetBorderVisibility(true);
  SetBorderColor(ReadStyle(*this, kHeaderBorderColor));
  SetAcceptFocus(true);
  // The content keeps clear of the borders by the grab tolerance, so that a press there
  // reaches the cell rather than the title or the symbol.
  ZV_TRY(SetHorizontalPadding(kHeaderBorderHitTolerance));
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateChildWidget<TableWidgetInterface>(*this, kTableWidgetClassId));
  ZV_TRY(table->Resize(2, 1));
  table->SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY_ASSIGN(CellWidgetRef titleCell, table->GetCell(kTitleColumn, 0));
  titleCell->SetAcceptFocus(false);
  titleCell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY_ASSIGN(TextWidgetRef text, CreateChildWidget<TextWidgetInterface>(*titleCell, kTextWidgetClassId));
  text->SetText(String(kDefaultTitle));
  ZV_TRY_ASSIGN(CellWidgetRef symbolCell, table->GetCell(kSymbolColumn, 0));
  symbolCell->SetAcceptFocus(false);
  symbolCell->SetStretchMode(CELL_STRETCH_MODE::MINIMUM, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY_ASSIGN(CheckboxWidgetRef symbol, CreateChildWidget<CheckboxWidgetInterface>(*symbolCell, kCheckboxWidgetClassId));
  symbol->SetAcceptFocus(false);
  text_ = text;
  symbol_ = symbol;
  return Ok();
}

Result<void> HeaderCellWidgetImpl::HandleSwitchLayout() {
  auto* table = dynamic_cast<TableWidgetInterface*>(GetFirstChildWidget());
  if (!table) return IllegalStateError("No table connected");
  ZV_TRY_ASSIGN(CellWidgetRef first, table->GetCell(0, 0));
  ZV_TRY_ASSIGN(CellWidgetRef second, table->GetCell(1, 0));
  const bool titleSecond = dynamic_cast<TextWidgetInterface*>(second->GetFirstChildWidget()) != nullptr;
  if (titleSecond == inverse_) return Ok();
  // Exchanging the two cells moves the symbol to the other side of the title, with the cells'
  // stretch modes, so the title keeps taking the room.
  first->Remove();
  second->Remove();
  ZV_TRY(table->InsertChildLast(second));
  ZV_TRY(table->InsertChildLast(first));
  return table->UpdateInternalCellMap();
}

// ---- input ----------------------------------------------------------------------------------

BORDER_HIT HeaderCellWidgetImpl::HitBorder(Vector2d position) const {
  if (!allowResizing_) return BORDER_HIT::NONE;
  const CanvasInterface* canvas = GetCanvas();
  if (!canvas) return BORDER_HIT::NONE;
  const Float tolerance = CanvasUnitToPixels(kHeaderBorderHitTolerance, canvas->GetRemBase());
  return HitHeaderBorder(*canvas, GetGlobalFrame(), position, tolerance);
}

Result<TableWidgetInterface*> HeaderCellWidgetImpl::GetParentTable() const {
  auto* table = dynamic_cast<TableWidgetInterface*>(GetParentWidget());
  if (!table) return IllegalStateError(kNoParentTable);
  return table;
}

Result<void> HeaderCellWidgetImpl::HandleCursorInfo(Vector2d position) {
  bool resizable = false;
  const BORDER_HIT hit = HitBorder(position);
  if (hit != BORDER_HIT::NONE) {
    ZV_TRY_ASSIGN(TableWidgetInterface * table, GetParentTable());
    ZV_TRY_ASSIGN(Int column, table->GetX(CellWidgetRef(this)));
    // The first column has nothing left of it to resize.
    resizable = hit == BORDER_HIT::RIGHT || column > 0;
  }
  // Nobody else puts the cursor back, so the cell that showed the resize cursor does.
  if (resizable == showsResizeCursor_) return Ok();
  showsResizeCursor_ = resizable;
  if (CanvasInterface* canvas = GetCanvas()) {
    canvas->SetCursor(resizable ? SystemCursor::SizeWE() : SystemCursor::Normal());
  }
  return Ok();
}

Result<bool> HeaderCellWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || *type != EVENT::BUTTON_DOWN) return false;
  ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
  const BORDER_HIT hit = HitBorder(position);
  if (hit != BORDER_HIT::NONE) {
    ZV_TRY_ASSIGN(TableWidgetInterface * table, GetParentTable());
    ZV_TRY_ASSIGN(Int column, table->GetX(CellWidgetRef(this)));
    if (hit == BORDER_HIT::RIGHT || column > 0) return StartResize(*table, column, hit, *event);
  }
  if (!allowRearranging_) return false;
  ZV_TRY_ASSIGN(TableWidgetInterface * table, GetParentTable());
  return StartColumnDrag(*table, *event);
}

Result<bool> HeaderCellWidgetImpl::StartResize(TableWidgetInterface& table, Int column, BORDER_HIT hit,
                                               const DataDictionary& event) {
  AppWidgetInterface* app = GetAppWidget();
  if (!app) return false;
  ZV_TRY_ASSIGN(ActionRef made, app->CreateAction(Id(kResizeColumnActionClassId)));
  auto* action = dynamic_cast<ResizeColumnAction*>(made.Get());
  if (!action) return IllegalStateError("The resize action is of another class");
  action->SetStartingCell(this);
  if (hit == BORDER_HIT::LEFT) {
    // The left border of a cell is the right border of the column before it.
    ZV_TRY_ASSIGN(CellWidgetRef previous, table.GetCell(column - 1, 0));
    action->SetColumn(column - 1);
    action->SetResizedCell(previous);
  } else {
    action->SetColumn(column);
    action->SetResizedCell(CellWidgetRef(this));
  }
  action->SetTable(TableWidgetRef(&table));
  ZV_TRY(app->StartAction(made, this, event));
  return true;
}

Result<bool> HeaderCellWidgetImpl::StartColumnDrag(TableWidgetInterface& table, const DataDictionary& event) {
  // A single column has nowhere to go.
  if (table.GetCountX() < 2) return false;
  AppWidgetInterface* app = GetAppWidget();
  if (!app) return false;
  ZV_TRY_ASSIGN(Int column, table.GetX(CellWidgetRef(this)));
  ZV_TRY_ASSIGN(ActionRef made, app->CreateAction(Id(kHeaderCellDragAndDropActionClassId)));
  auto* action = dynamic_cast<HeaderCellDragAndDropAction*>(made.Get());
  if (!action) return IllegalStateError("The column drag action is of another class");
  action->SetHeaderCell(HeaderCellWidgetRef(this));
  action->SetColumn(column);
  ZV_TRY(app->StartAction(made, this, event));
  return true;
}

}  // namespace zarvo
