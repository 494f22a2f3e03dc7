#include "source/widgets_color/ColorHEXWidgetImpl.h"

#include <cctype>
#include <string_view>

#include "host/core/ClassRegistry.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

namespace {

constexpr uint32_t kCodeMask = 0xFFFFFFu;

// True when the text holds the long form: six digits, "#" and white space aside.
bool IsFullCode(std::string_view text) {
  size_t digits = 0;
  for (const char c : text) digits += std::isxdigit(static_cast<unsigned char>(c)) ? 1 : 0;
  return digits == kHexCodeDigits;
}

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
  edit->ObservableTextChanged()->AddObserver(this, [this](const TextEditWidgetRef&) { return HandleTyped(); });
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

Result<void> ColorHEXWidgetImpl::HandleTyped() {
  TextEditWidgetRef edit = edit_.Lock();
  if (!edit) return Ok();
  // Only a full code takes effect while typing: "#F8" on the way to "#F88000" is no colour yet,
  // and the short form would flash a colour the user is not typing. The text stays as typed.
  const String text = edit->GetText();
  const std::optional<uint32_t> code = ParseHexCode(text);
  if (!code || *code == hex_ || !IsFullCode(text)) return Ok();
  hex_ = *code;
  return changed_->Notify(WidgetRef(this), hex_);
}

Result<void> ColorHEXWidgetImpl::HandleFinished() {
  TextEditWidgetRef edit = edit_.Lock();
  if (!edit) return Ok();
  const std::optional<uint32_t> code = ParseHexCode(edit->GetText());
  // What does not read as a code, or the code already taken while typing, is shown as held.
  if (!code || *code == hex_) {
    ShowValue();
    return Ok();
  }
  return SetHEX(*code, true);
}

}  // namespace zarvo
