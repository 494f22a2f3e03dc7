#include "source/widgets_menu/CommandMenuItemWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_menu/MenuStyle.h"

namespace zarvo {

namespace {
constexpr Int kColumnCount = 5;
constexpr Int kCheckColumn = 0;
constexpr Int kIconColumn = 1;
constexpr Int kTextColumn = 2;
constexpr Int kArrowColumn = 4;
constexpr char kCheckMark[] = "\u2713";
constexpr char kSubMenuArrow[] = "\u25B8";

Result<void> PutText(CellWidgetInterface& cell, const String& text, const ColorA& color) {
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  ZV_TRY(widget->CreateLayout());
  widget->SetText(text);
  widget->SetColor(color);
  return cell.InsertChildLast(widget);
}
}  // namespace

Result<void> CommandMenuItemWidgetImpl::CreateLayout() {
  ZV_TRY(MenuItemWidgetImpl::CreateLayout());
  SetName("CommandMenuItemWidget");
  return Ok();
}

Result<void> CommandMenuItemWidgetImpl::SetCommand(const CommandMenuItemRef& item) {
  ZV_TRY(Resize(0, 0));
  // An empty table keeps its cells as children; a rebuild starts from none.
  RemoveAllChildren();
  item_ = item;
  ZV_TRY(Resize(kColumnCount, 1));
  SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  const CanvasUnitValue columnPadding = ReadStyle(*this, kMenuColumnPadding);
  const CanvasUnitValue rowPadding = ReadStyle(*this, kMenuRowPadding);
  for (Int x = 0; x < kColumnCount; ++x) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(x, 0));
    cell->SetAlignment(ALIGNMENT_MODE::MAX, WIDGET_DIRECTION::HORIZONTAL);
    cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
    ZV_TRY(cell->SetPadding(columnPadding, columnPadding, rowPadding, rowPadding));
  }
  if (!item) return Ok();
  const CommandRef command = item->GetCommand();
  const bool enabled = !command || command->GetEnabled();
  const ColorA textColor = ReadStyle(*this, enabled ? kMenuTextColor : kMenuDisabledTextColor);

  ZV_TRY_ASSIGN(CellWidgetRef checkCell, GetCell(kCheckColumn, 0));
  checkCell->SetEnabled(enabled);
  if (command && command->GetChecked()) ZV_TRY(PutText(*checkCell, kCheckMark, textColor));

  const Url& icon = item->GetIconUrl();
  if (!icon.IsEmpty()) {
    ZV_TRY_ASSIGN(CellWidgetRef iconCell, GetCell(kIconColumn, 0));
    ZV_TRY_ASSIGN(ImageWidgetRef image, CreateObject<ImageWidgetInterface>(Id(kImageWidgetClassId)));
    ZV_TRY(image->CreateLayout());
    const CanvasUnitValue side = ReadStyle(*this, kMenuIconSize);
    image->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
    image->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
    image->SetFixedSize(side, WIDGET_DIRECTION::HORIZONTAL);
    image->SetFixedSize(side, WIDGET_DIRECTION::VERTICAL);
    ZV_TRY(image->SetUrl(icon));
    ZV_TRY(iconCell->InsertChildLast(image));
  }

  ZV_TRY_ASSIGN(CellWidgetRef textCell, GetCell(kTextColumn, 0));
  textCell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
  textCell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY(PutText(*textCell, item->GetText(), textColor));

  if (FirstMenuChild(item.Get())) {
    ZV_TRY_ASSIGN(CellWidgetRef arrowCell, GetCell(kArrowColumn, 0));
    ZV_TRY(PutText(*arrowCell, kSubMenuArrow, textColor));
  }
  RequestLayout();
  RequestRedraw();
  return Ok();
}

void CommandMenuItemWidgetImpl::ClearBackground() {
  SetBackgroundVisibility(false);
  RequestRedraw();
}

void CommandMenuItemWidgetImpl::HandleHoverChanged(bool hovered) {
  if (!hovered || !IsRowEnabled()) {
    ClearBackground();
    return;
  }
  SetBackgroundColor(ReadStyle(*this, kMenuRowHighlightColor));
  SetBackgroundVisibility(true);
}

bool CommandMenuItemWidgetImpl::IsRowEnabled() const {
  if (!item_) return false;
  Result<CellWidgetRef> first = GetCell(0, 0);
  return first.IsOk() && *first && (*first)->GetEnabled();
}

Result<bool> CommandMenuItemWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || *type != EVENT::BUTTON_UP) return false;
  if (!IsRowEnabled()) return true;
  const CommandRef command = item_->GetCommand();
  // A folder opens its sub-menu on hover; a click on it runs nothing.
  if (!command) return true;
  DataDictionary arguments;
  ZV_TRY_ASSIGN(const Vector2d position, reader.GetPosition());
  arguments.Set(EventKeys::Position(), position);
  ZV_TRY(ExecuteCommand(command->GetId(), arguments));
  return true;
}

}  // namespace zarvo
