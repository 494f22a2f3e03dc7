#include "source/widgets_layout/FolderCellWidgetImpl.h"

#include "source/widgets_base/ButtonContent.h"

namespace zarvo {

namespace {
constexpr CanvasUnitValue kTriangleSize = CanvasUnitValue::Fon(6.0);
}  // namespace

Result<void> FolderCellWidgetImpl::CreateLayout() {
  ZV_TRY(CellWidgetImpl::CreateLayout());
  SetName("FolderCellWidget");
  SetAcceptFocus(true);
  ZV_TRY_ASSIGN(CheckboxWidgetRef triangle, CreateChildWidget<CheckboxWidgetInterface>(*this, kCheckboxWidgetClassId));
  ZV_TRY(triangle->SetLocalSize(kTriangleSize, kTriangleSize));
  ZV_TRY(triangle->SetSymbol(CHECKBOX_SYMBOL::TRIANGLE));
  triangle->SetState(true);
  triangle->SetAcceptFocus(false);
  triangle_ = triangle;
  return Ok();
}

Result<CheckboxWidgetRef> FolderCellWidgetImpl::ResolveTriangle() const {
  if (!triangle_.IsSet()) return NullReferenceError();
  return GetFolderWidget();
}

Result<bool> FolderCellWidgetImpl::HandleEvent(const DataDictionary* event) {
  ZV_TRY_ASSIGN(CheckboxWidgetRef triangle, ResolveTriangle());
  return triangle->HandleEvent(event);
}

Result<void> FolderCellWidgetImpl::DrawHighlight() {
  ZV_TRY_ASSIGN(CheckboxWidgetRef triangle, ResolveTriangle());
  return triangle->DrawHighlight();
}

}  // namespace zarvo
