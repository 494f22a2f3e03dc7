#include "source/widgets_color/ColorTableWidgetImpl.h"

#include <algorithm>

#include "host/ui/EventKeys.h"
#include "source/widgets_color/ColorStyle.h"

namespace zarvo {

namespace {
// A flexbox starts a new line for an item that would end exactly at its edge; the rows are
// this much wider than their swatches so that the last column stays in its row.
constexpr Float kRowSlack = 0.5;
}  // namespace

Result<void> ColorTableWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const ColorTableWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs another colour table");
  ZV_TRY(FlexBoxWidgetImpl::CopyFrom(source));
  colors_ = other->colors_;
  columns_ = other->columns_;
  current_ = other->current_;
  indexChanged_.ShareFrom(other->indexChanged_, *other, "ObservableIndexChanged");
  return Ok();
}

Int ColorTableWidgetImpl::ClampIndex(Int index) const noexcept {
  if (colors_.empty()) return 0;
  return std::clamp<Int>(index, 0, static_cast<Int>(colors_.size()) - 1);
}

Result<void> ColorTableWidgetImpl::InitColorTable(const std::vector<ColorA>& colors, Int columns) {
  if (columns < 1) return IllegalArgumentError("A colour table needs one column or more");
  colors_ = colors;
  columns_ = columns;
  current_ = ClampIndex(current_);
  ZV_TRY(Resize(static_cast<Int>(colors_.size())));
  RequestSwitchLayout();
  return ApplySwatches();
}

void ColorTableWidgetImpl::SetTableColor(Int index) {
  const Int clamped = ClampIndex(index);
  if (clamped == current_) return;
  current_ = clamped;
  [[maybe_unused]] const Result<void> applied = ApplySwatches();  // styles the cells it made
  RequestRedraw();
}

Result<ColorA> ColorTableWidgetImpl::GetTableColor(Int index) const {
  if (index < 0 || index >= static_cast<Int>(colors_.size())) return OutOfRangeError("Index out of range");
  return colors_[static_cast<size_t>(index)];
}

Result<void> ColorTableWidgetImpl::CreateLayout() {
  ZV_TRY(FlexBoxWidgetImpl::CreateLayout());
  SetName(kColorTableWidgetName);
  return ApplySwatches();
}

Result<void> ColorTableWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(FlexBoxWidgetImpl::HandleSwitchLayout());
  // The columns set the width, not the parent.
  SetInheritParentSize(false, WIDGET_DIRECTION::HORIZONTAL);
  const Float cell = ToPixels(ReadStyle(*this, kColorSwatchSize)) + 2.0 * ToPixels(ReadStyle(*this, kColorSwatchSpacing));
  const Int shown = std::min<Int>(columns_, std::max<Int>(1, static_cast<Int>(colors_.size())));
  SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  SetFixedSize(CanvasUnitValue::Pix(cell * static_cast<Float>(shown) + kRowSlack), WIDGET_DIRECTION::HORIZONTAL);
  return Ok();
}

Result<void> ColorTableWidgetImpl::ApplySwatches() {
  const CanvasUnitValue spacing = ReadStyle(*this, kColorSwatchSpacing);
  const CanvasUnitValue size = CanvasUnitValue::Pix(ToPixels(ReadStyle(*this, kColorSwatchSize)) + 2.0 * ToPixels(spacing));
  const ColorA border = ReadStyle(*this, kColorSwatchBorderColor);
  const ColorA currentBorder = ReadStyle(*this, kColorSwatchCurrentBorderColor);
  const Int count = std::min<Int>(GetCount(), static_cast<Int>(colors_.size()));
  for (Int i = 0; i < count; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(i));
    if (!cell) continue;
    for (const WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
      cell->SetSizeMode(WIDGET_SIZE::FIXED, direction);
      cell->SetFixedSize(size, direction);
    }
    cell->SetBackgroundVisibility(true);
    cell->SetBackgroundColor(colors_[static_cast<size_t>(i)]);
    cell->SetBorderVisibility(true);
    cell->SetBorderColor(i == current_ ? currentBorder : border);
  }
  return Ok();
}

Result<bool> ColorTableWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || *type != EVENT::BUTTON_DOWN) return FlexBoxWidgetImpl::HandleEvent(event);
  ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
  if (buttons != BUTTON::LEFT) return FlexBoxWidgetImpl::HandleEvent(event);
  ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
  const Int count = std::min<Int>(GetCount(), static_cast<Int>(colors_.size()));
  for (Int i = 0; i < count; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(i));
    if (!cell || !cell->GetGlobalFrame().Contains(position)) continue;
    current_ = i;
    ZV_TRY(ApplySwatches());
    RequestRedraw();
    ZV_TRY(FireObservable(indexChanged_, ColorTableWidgetRef(this), i));
    break;
  }
  // A click between swatches is the table's too.
  return true;
}

}  // namespace zarvo
