#include "source/widgets_color/ColorHEXWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

namespace {
constexpr uint32_t kCodeMask = 0xFFFFFFu;
}  // namespace

ColorHEXWidgetImpl::ColorHEXWidgetImpl() : changed_(MakeRef<ColorHEXObservable>()) {
  [[maybe_unused]] const Result<void> named = changed_->Init(this, "ObservableColorChanged");
}

Result<void> ColorHEXWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName(kColorHEXWidgetName);
  ZV_TRY(Resize(1, 1));
  ZV_TRY_ASSIGN(TextEditWidgetRef edit, CreateObject<TextEditWidgetInterface>(Id(kTextEditWidgetClassId)));
  // Laid out now, so that its own defaults do not replace the code shown below.
  ZV_TRY(edit->CreateLayout());
  edit->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  edit->SetFixedSize(CanvasUnitValue::Pix(kHexEditWidth), WIDGET_DIRECTION::HORIZONTAL);
  edit->ObservableTextFinished()->AddObserver(this, [this](const TextEditWidgetRef&) { return HandleFinished(); });
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, 0));
  if (!cell) return IllegalStateError("Missing widget link");
  ZV_TRY(cell->InsertChildLast(edit));
  edit_ = edit;
  ShowValue();
  return Ok();
}

Result<void> ColorHEXWidgetImpl::SetHEX(uint32_t value, Bool notify) {
  hex_ = value & kCodeMask;
  ShowValue();
  if (notify) ZV_TRY(changed_->Notify(WidgetRef(this), hex_));
  return Ok();
}

void ColorHEXWidgetImpl::ShowValue() const {
  // A text edit a presenter removed is skipped: the value stays readable.
  if (TextEditWidgetRef edit = edit_.Lock()) edit->SetText("#" + HexToString(hex_));
}

Result<void> ColorHEXWidgetImpl::HandleFinished() {
  TextEditWidgetRef edit = edit_.Lock();
  if (!edit) return Ok();
  const std::optional<uint32_t> code = ParseHexCode(edit->GetText());
  if (!code) {
    ShowValue();
    return Ok();
  }
  return SetHEX(*code, true);
}

}  // namespace zarvo
