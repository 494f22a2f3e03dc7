#include "source/widgets_values/BooleanWidgetImpl.h"

#include "host/core/ClassRegistry.h"

namespace zarvo {

namespace {
constexpr char kDefaultText[] = "Toggle me";
constexpr CanvasUnitValue kCellPadding = CanvasUnitValue::Pix(3.0);
// The getters word the missing link one way, the value operations another.
constexpr char kMissingChild[] = "Widget Link not set.";
constexpr char kMissingCheckbox[] = "Widget link not set.";

Result<void> PlaceCentred(TableWidgetInterface& table, Int column, const WidgetRef& child) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, table.GetCell(column, 0));
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  ZV_TRY(cell->SetPadding(kCellPadding, kCellPadding, kCellPadding, kCellPadding));
  return cell->InsertChildLast(child);
}
}  // namespace

Result<TextWidgetRef> BooleanWidgetImpl::GetTextWidget() const {
  if (!text_) return IllegalStateError(kMissingChild);
  return text_;
}

Result<CheckboxWidgetRef> BooleanWidgetImpl::GetCheckboxWidget() const {
  if (!checkbox_) return IllegalStateError(kMissingChild);
  return checkbox_;
}

Result<void> BooleanWidgetImpl::SetValue(Bool value) {
  if (!checkbox_) return IllegalStateError(kMissingCheckbox);
  checkbox_->SetState(value);
  // Told whether or not the state changed: a presenter that sets the value hears it back.
  return checkbox_->ObservableStateChanged()->Notify(checkbox_, value);
}

Result<Bool> BooleanWidgetImpl::GetValue() const {
  if (!checkbox_) return IllegalStateError(kMissingCheckbox);
  return checkbox_->GetState();
}

Result<void> BooleanWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("BooleanWidget");
  ZV_TRY(Resize(2, 1));
  SetAcceptFocus(true);
  ZV_TRY_ASSIGN(CheckboxWidgetRef checkbox, CreateObject<CheckboxWidgetInterface>(Id(kCheckboxWidgetClassId)));
  // Built at once, so that its symbol and state can be set before the first layout.
  ZV_TRY(checkbox->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  text->SetText(kDefaultText);
  ZV_TRY(PlaceCentred(*this, 0, checkbox));
  ZV_TRY(PlaceCentred(*this, 1, text));
  checkbox_ = std::move(checkbox);
  text_ = std::move(text);
  return Ok();
}

}  // namespace zarvo
