#include "source/widgets_color/ColorLayout.h"

#include "host/core/ClassRegistry.h"

namespace zarvo {

Result<void> PlaceInCell(TableWidgetInterface& table, Int x, Int y, const WidgetRef& child, Float padding) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, table.GetCell(x, y));
  if (!cell) return IllegalStateError("Missing widget link");
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  const CanvasUnitValue space = CanvasUnitValue::Pix(padding);
  ZV_TRY(cell->SetPadding(space, space, space, space));
  return cell->InsertChildLast(child);
}

Result<TextButtonWidgetRef> MakeTextButton(const String& text) {
  ZV_TRY_ASSIGN(TextButtonWidgetRef button, CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
  label->SetText(text);
  return button;
}

Result<TableWidgetRef> MakeTable(Int columns, Int rows) {
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(columns, rows));
  return table;
}

}  // namespace zarvo
