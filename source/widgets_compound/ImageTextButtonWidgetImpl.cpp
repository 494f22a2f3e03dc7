#include "source/widgets_compound/ImageTextButtonWidgetImpl.h"

#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/widgets_base/ButtonContent.h"

namespace zarvo {

namespace {
constexpr Int kImageColumn = 0;
constexpr Int kTextColumn = 1;

Result<CellWidgetRef> CenteredCell(const TableWidgetRef& table, Int column) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(column, 0));
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  return cell;
}
}  // namespace

Result<void> ImageTextButtonWidgetImpl::CreateLayout() {
  ZV_TRY(ButtonWidgetImpl::CreateLayout());
  SetName("ImageTextButtonWidget");
  ZV_TRY_ASSIGN(PaddingWidgetRef padding, CreateChildWidget<PaddingWidgetInterface>(*this, kPaddingWidgetClassId));
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateChildWidget<TableWidgetInterface>(*padding, kTableWidgetClassId));
  ZV_TRY(table->Resize(2, 1));
  ZV_TRY_ASSIGN(CellWidgetRef imageCell, CenteredCell(table, kImageColumn));
  ZV_TRY_ASSIGN(CellWidgetRef textCell, CenteredCell(table, kTextColumn));
  ZV_TRY_ASSIGN(ImageWidgetRef image, CreateChildWidget<ImageWidgetInterface>(*imageCell, kImageWidgetClassId));
  image_ = image;
  ZV_TRY_ASSIGN(TextWidgetRef text, CreateChildWidget<TextWidgetInterface>(*textCell, kTextWidgetClassId));
  text_ = text;
  return Ok();
}

}  // namespace zarvo
