#include "source/widgets_debug/MonitorInfoWidgetImpl.h"

#include <algorithm>

#include "host/core/ClassRegistry.h"
#include "source/WidgetComponent.h"
#include "source/widgets_debug/MonitorInfoRows.h"

namespace zarvo {

namespace {
// Row 0 holds the button and the count, row 1 the column titles, the monitors follow.
constexpr Int kToolRow = 0;
constexpr Int kHeaderRow = 1;
constexpr Int kFirstMonitorRow = 2;
constexpr const char* kColumnTitles[kMonitorInfoColumns] = {"Name", "Bounds", "Work area", "Scale"};
constexpr char kRefreshText[] = "Refresh";
constexpr char kMissingLink[] = "Widget link not set.";
constexpr CanvasUnitValue kCellPadding = CanvasUnitValue::Pix(4.0);

const StyleKey<ColorA> kMonitorInfoBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.monitorinfo.background_color", ColorA{0.22, 0.22, 0.22, 1.0});
const StyleKey<ColorA> kMonitorInfoTextColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.monitorinfo.text_color", ColorA{0.9, 0.9, 0.9, 1.0});

String CountText(Int count) { return std::to_string(count) + (count == 1 ? " monitor" : " monitors"); }
}  // namespace

MonitorInfoWidgetImpl::MonitorInfoWidgetImpl() : refreshed_(MakeRef<MonitorInfoObservable>()) {}

Result<void> MonitorInfoWidgetImpl::InitComponent() {
  return InitObservables(this, {{refreshed_.Get(), "ObservableRefreshed"}});
}

void MonitorInfoWidgetImpl::FreeComponent() {
  FreeObservables({refreshed_.Get()});
}

Result<TextWidgetRef> MonitorInfoWidgetImpl::PlaceText(Int column, Int row, const String& text) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(column, row));
  ZV_TRY(cell->SetPadding(kCellPadding, kCellPadding, kCellPadding, kCellPadding));
  cell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  widget->SetText(text);
  widget->SetColor(ReadStyle(*this, kMonitorInfoTextColor));
  if (row == kHeaderRow) widget->SetFontStyle(FONTSTYLE::BOLD);
  ZV_TRY(cell->InsertChildLast(widget));
  return widget;
}

Result<void> MonitorInfoWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("MonitorInfoWidget");
  SetBackgroundVisibility(true);
  SetBackgroundColor(ReadStyle(*this, kMonitorInfoBackgroundColor));
  ZV_TRY(Resize(kMonitorInfoColumns, kFirstMonitorRow));

  ZV_TRY_ASSIGN(CellWidgetRef toolCell, GetCell(0, kToolRow));
  ZV_TRY(toolCell->SetPadding(kCellPadding, kCellPadding, kCellPadding, kCellPadding));
  ZV_TRY_ASSIGN(TextButtonWidgetRef button, CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
  label->SetText(kRefreshText);
  ZV_TRY(toolCell->InsertChildLast(button));
  // The button lives inside this widget, so the link only guards a button kept beyond it.
  const WeakRef<MonitorInfoWidgetImpl> self(this);
  button->ObservableButtonUp()->AddObserver([self](const ButtonWidgetRef&) -> Result<void> {
    ZV_TRY_ASSIGN(Ref<MonitorInfoWidgetImpl> widget, self.Resolve());
    return widget->HandleRefreshPressed();
  });
  refreshButton_ = std::move(button);
  ZV_TRY_ASSIGN(countText_, PlaceText(1, kToolRow, CountText(0)));
  for (Int column = 0; column < kMonitorInfoColumns; ++column) {
    ZV_TRY(PlaceText(column, kHeaderRow, kColumnTitles[column]));
  }
  return Refresh();
}

Result<void> MonitorInfoWidgetImpl::Refresh() {
  if (!refreshButton_) return IllegalStateError(kMissingLink);
  const std::vector<MonitorInfoRow> rows = MonitorInfoRows(WindowSystem::Get().GetMonitors());
  const Int count = static_cast<Int>(rows.size());
  if (count != monitorCount_) {
    // Resizing keeps the first rows and their texts and drops or adds rows at the end.
    ZV_TRY(Resize(kMonitorInfoColumns, kFirstMonitorRow + count));
    monitorTexts_.resize(std::min(monitorTexts_.size(), static_cast<size_t>(count * kMonitorInfoColumns)));
    for (Int row = monitorCount_; row < count; ++row) {
      for (Int column = 0; column < kMonitorInfoColumns; ++column) {
        ZV_TRY_ASSIGN(TextWidgetRef text, PlaceText(column, kFirstMonitorRow + row, String()));
        monitorTexts_.push_back(std::move(text));
      }
    }
    monitorCount_ = count;
    countText_->SetText(CountText(count));
  }
  for (Int row = 0; row < count; ++row) {
    for (Int column = 0; column < kMonitorInfoColumns; ++column) {
      const TextWidgetRef& text = monitorTexts_[static_cast<size_t>(row * kMonitorInfoColumns + column)];
      if (text->GetText() != rows[static_cast<size_t>(row)][static_cast<size_t>(column)]) {
        text->SetText(rows[static_cast<size_t>(row)][static_cast<size_t>(column)]);
      }
    }
  }
  return Ok();
}

Result<void> MonitorInfoWidgetImpl::HandleRefreshPressed() {
  ZV_TRY(Refresh());
  return refreshed_->Notify(MonitorInfoWidgetRef(this), monitorCount_);
}

Result<String> MonitorInfoWidgetImpl::GetMonitorText(Int monitor, Int column) const {
  if (monitor < 0 || monitor >= monitorCount_) return IllegalArgumentError("monitor index out of range.");
  if (column < 0 || column >= kMonitorInfoColumns) return IllegalArgumentError("column index out of range.");
  return monitorTexts_[static_cast<size_t>(monitor * kMonitorInfoColumns + column)]->GetText();
}

Result<TextButtonWidgetRef> MonitorInfoWidgetImpl::GetRefreshButton() const {
  if (!refreshButton_) return IllegalStateError(kMissingLink);
  return refreshButton_;
}

}  // namespace zarvo
