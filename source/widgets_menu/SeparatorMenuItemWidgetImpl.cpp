#include "source/widgets_menu/SeparatorMenuItemWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/widgets_menu/MenuStyle.h"

namespace zarvo {

Result<void> SeparatorMenuItemWidgetImpl::CreateLayout() {
  ZV_TRY(MenuItemWidgetImpl::CreateLayout());
  SetName("SeparatorMenuItemWidget");
  ZV_TRY(Resize(1, 1));
  SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, 0));
  cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
  const CanvasUnitValue padding = ReadStyle(*this, kMenuRowPadding);
  ZV_TRY(cell->SetPadding(CanvasUnitValue::Pix(0.0), CanvasUnitValue::Pix(0.0), padding, padding));
  ZV_TRY_ASSIGN(FrameWidgetRef line, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  ZV_TRY(line->CreateLayout());
  line->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  line->SetFixedSize(ReadStyle(*this, kMenuSeparatorHeight), WIDGET_DIRECTION::VERTICAL);
  line->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  line->SetBackgroundVisibility(true);
  line->SetBackgroundColor(ReadStyle(*this, kMenuSeparatorColor));
  return cell->InsertChildLast(line);
}

}  // namespace zarvo
