#include "source/widgets_layout/FoldWidgetImpl.h"

#include "source/interfaces/FolderCellWidgetInterface.h"
#include "source/widgets_base/ButtonContent.h"

namespace zarvo {

namespace {
constexpr Int kColumns = 2;
constexpr Int kRows = 2;
constexpr Int kFolderColumn = 0;
constexpr Int kHeaderColumn = 1;
constexpr Int kTitleRow = 0;
constexpr Int kContentRow = 1;
constexpr CanvasUnitValue kTriangleSize = CanvasUnitValue::Fon(12.0);
}  // namespace

Result<void> FoldWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("FoldWidget");
  SetAcceptFocus(true);
  ZV_TRY(Resize(kColumns, kRows));
  ZV_TRY_ASSIGN(CellWidgetRef folderSlot, GetCell(kFolderColumn, kTitleRow));
  ZV_TRY_ASSIGN(CellWidgetRef header, GetCell(kHeaderColumn, kTitleRow));
  ZV_TRY_ASSIGN(CellWidgetRef content, GetCell(kHeaderColumn, kContentRow));
  SetTableMode(TABLE_MODE::SQUEEZE | TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  folderSlot->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  folderSlot->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  header->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY_ASSIGN(FolderCellWidgetRef folderCell,
                CreateChildWidget<FolderCellWidgetInterface>(*folderSlot, kFolderCellWidgetClassId));
  ZV_TRY_ASSIGN(CheckboxWidgetRef triangle, folderCell->GetFolderWidget());
  for (WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    triangle->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    triangle->SetFixedSize(kTriangleSize, direction);
  }
  // The triangle lives inside this widget, so the link only guards a triangle kept beyond it.
  const WeakRef<FoldWidgetImpl> self(this);
  triangle->ObservableStateChanged()->AddObserver([self](const CheckboxWidgetRef&, Bool open) -> Result<void> {
    ZV_TRY_ASSIGN(Ref<FoldWidgetImpl> fold, self.Resolve());
    return fold->HandleFolded(open);
  });
  folder_ = triangle;
  header_ = header;
  content_ = content;
  return Ok();
}

Result<void> FoldWidgetImpl::HandleFolded(Bool open) {
  ZV_TRY_ASSIGN(CellWidgetRef content, GetContentCell());
  content->SetLocalVisibility(open);
  RequestLayout();
  return Ok();
}

}  // namespace zarvo
