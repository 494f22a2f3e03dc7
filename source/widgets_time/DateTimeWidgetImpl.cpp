#include "source/widgets_time/DateTimeWidgetImpl.h"

#include <cmath>
#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/CycleTextWidgetAdapterInterface.h"
#include "source/widgets_time/CalendarMath.h"

namespace zarvo {

namespace {
constexpr char kDateFormat[] = "%m / %d / %Y";
constexpr char kTimeFormat[] = "%H:%M:%S";
constexpr const char* kWeekdayLetters[kCalendarColumns] = {"M", "T", "W", "T", "F", "S", "S"};
// The month chooser's items; their ids are the month numbers 1 to 12.
constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};

constexpr Float kCreatedWidth = 250.0;
constexpr Float kCreatedHeight = 400.0;
constexpr CanvasUnitValue kSpacing = CanvasUnitValue::Fon(4.0);
constexpr Float kDayCellWidth = 32.0;
constexpr Float kDayCellHeight = 22.0;
constexpr Float kClockSize = 120.0;
constexpr CanvasUnitValue kTimeFontSize = CanvasUnitValue::Fon(18.0);

constexpr ColorA kWidgetBackground{0.1, 0.1, 0.1, 1.0};
constexpr ColorA kDayBackground{0.24, 0.24, 0.24, 1.0};
constexpr ColorA kTextColor{0.8, 0.8, 0.8, 1.0};
constexpr ColorA kOtherMonthColor{0.4, 0.4, 0.4, 1.0};
constexpr ColorA kWeekdayColor{0.7, 0.7, 0.7, 0.7};
constexpr ColorA kAccent{232.0 / 255.0, 156.0 / 255.0, 8.0 / 255.0, 1.0};
constexpr ColorA kClockWhite{1.0, 1.0, 1.0, 1.0};
constexpr ColorA kClockShortTick{0.8, 0.8, 0.8, 1.0};

// Clock lengths in FON, and the degree-to-radian factor as the clock uses it.
constexpr Float kHourHand = 25.0;
constexpr Float kMinuteHand = 40.0;
constexpr Float kSecondHand = 50.0;
constexpr Float kLongTick = 10.0;
constexpr Float kShortTick = 5.0;
constexpr Float kRadiansPerDegree = 0.017453292;
constexpr Float kClockRimWidth = 1.5;
constexpr Float kHourHandWidth = 3.0;
constexpr Float kMinuteHandWidth = 2.0;
constexpr Float kSecondHandWidth = 1.0;
constexpr Float kTickWidth = 1.0;

// The time buttons: a label and the seconds it moves the time by.
struct TimeStep {
  const char* label;
  Int seconds;
};
constexpr TimeStep kTimeSteps[4] = {{"-1 h", -kSecondsPerHour}, {"-1 min", -kSecondsPerMinute},
                                    {"+1 min", kSecondsPerMinute}, {"+1 h", kSecondsPerHour}};

const Id& MagnificationKey() {
  static const Id key("net.zarvo.ui.message.magnification");
  return key;
}

Result<TextWidgetRef> MakeText(const String& text, const ColorA& color) {
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  widget->SetText(text);
  widget->SetColor(color);
  return widget;
}

void FixSize(WidgetInterface& widget, Float width, Float height) {
  widget.SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  widget.SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  widget.SetFixedSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
  widget.SetFixedSize(CanvasUnitValue::Pix(height), WIDGET_DIRECTION::VERTICAL);
}

// Puts `child` into the cell at index, centred with the widget's spacing around it.
Result<void> PlaceInCell(TableWidgetInterface& table, Int index, const WidgetRef& child, bool padded = false) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, table.GetCell(index));
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  if (padded) ZV_TRY(cell->SetPadding(kSpacing, kSpacing, kSpacing, kSpacing));
  return cell->InsertChildLast(child);
}

Result<TableWidgetRef> MakeTable(Int columns, Int rows) {
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(columns, rows));
  return table;
}
}  // namespace

DateTimeWidgetImpl::DateTimeWidgetImpl() : changed_(MakeRef<DateTimeObservable>()) {}

Result<void> DateTimeWidgetImpl::InitComponent() {
  ZV_TRY(TableWidgetImpl::InitComponent());
  return InitObservables(this, {{changed_.Get(), "ObservableDateTimeChanged"}});
}

void DateTimeWidgetImpl::FreeComponent() {
  FreeObservables({changed_.Get()});
  TableWidgetImpl::FreeComponent();
}

Result<void> DateTimeWidgetImpl::SetDateTime(UniversalDateTime value, Bool notify) {
  if (!IsCalendarValue(value)) return Ok();
  if (value == value_) return Ok();
  value_ = value;
  RequestSwitchLayout();
  RequestRedraw();
  if (notify) ZV_TRY(changed_->Notify(WidgetRef(this), value_));
  return Ok();
}

void DateTimeWidgetImpl::SetStyle(DATETIME_WIDGET_STYLE style) {
  if (style == style_) return;
  style_ = style;
  RequestSwitchLayout();
}

Result<void> DateTimeWidgetImpl::StepMonth(bool next) {
  ZV_TRY_ASSIGN(UniversalDateTime stepped, StepMonths(value_, next ? 1 : -1, kCalendarFirstYear, kCalendarLastYear));
  return SetDateTime(stepped, true);
}

Result<TextButtonWidgetRef> DateTimeWidgetImpl::MakeButton(const String& label, Int stepSeconds, bool monthStep) {
  ZV_TRY_ASSIGN(TextButtonWidgetRef button, CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef text, button->GetTextWidget());
  text->SetText(label);
  text->SetColor(kTextColor);
  button->SetAcceptTabFocus(false);
  // The widget owns its buttons; an observer bound to it is skipped once it is gone.
  button->ObservableButtonUp()->AddObserver(this, [this, stepSeconds, monthStep](const ButtonWidgetRef&) -> Result<void> {
    if (monthStep) return StepMonth(stepSeconds > 0);
    return SetDateTime(OffsetDateTime(value_, stepSeconds), true);
  });
  return button;
}

Result<void> DateTimeWidgetImpl::ChooseFields(const DateTimeFields& fields) {
  Result<UniversalDateTime> chosen = MakeDateTime(fields);
  if (!chosen.IsOk()) {
    // The value stays, and so must the month and year the choosers show.
    RequestSwitchLayout();
    return chosen.GetError();
  }
  return SetDateTime(*chosen, true);
}

Result<void> DateTimeWidgetImpl::ChooseMonth(Int month) {
  DateTimeFields fields = DecomposeDateTime(value_);
  if (fields.month == month) return Ok();
  fields.month = month;
  return ChooseFields(fields);
}

Result<void> DateTimeWidgetImpl::ChooseYear(Int year) {
  DateTimeFields fields = DecomposeDateTime(value_);
  if (fields.year == year) return Ok();
  fields.year = year;
  return ChooseFields(fields);
}

Result<IntSpinBoxWidgetRef> DateTimeWidgetImpl::MakeYearSpinBox() {
  ZV_TRY_ASSIGN(IntSpinBoxWidgetRef years, CreateObject<IntSpinBoxWidgetInterface>(Id(kIntSpinBoxWidgetClassId)));
  ZV_TRY(years->CreateLayout());
  // The same years the month buttons hold to, so the spin box never offers one the widget refuses.
  ZV_TRY(years->SetMax(kCalendarLastYear));
  ZV_TRY(years->SetMin(kCalendarFirstYear));
  ZV_TRY(years->SetDefaultValue(DecomposeDateTime(GetCurrentDateTime()).year));
  ZV_TRY(years->SetLimitMode(NUMBER_LIMIT_MODE::LIMIT_MIN_MAX));
  years->SetAcceptTabFocus(false);
  years->ObservableValueChanged()->AddObserver(
      this, [this](const WidgetRef&, Int year, Bool) -> Result<void> { return ChooseYear(year); });
  return years;
}

Result<CycleWidgetRef> DateTimeWidgetImpl::MakeMonthCycle() {
  ZV_TRY_ASSIGN(CycleTextWidgetAdapterRef names,
                CreateObject<CycleTextWidgetAdapterInterface>(Id(kCycleTextWidgetAdapterClassId)));
  std::vector<Int> months;
  for (Int month = 1; month <= 12; ++month) {
    ZV_TRY(names->AppendItem(kMonthNames[month - 1]));
    months.push_back(month);
  }
  ZV_TRY_ASSIGN(CycleWidgetRef cycle, CreateObject<CycleWidgetInterface>(Id(kCycleWidgetClassId)));
  ZV_TRY(cycle->CreateLayout());
  // As wide as the longest name (the cycle measures its items), so the month buttons stay put.
  ZV_TRY(cycle->SetAdapter(names, months));
  cycle->SetAcceptTabFocus(false);
  cycle->ObservableItemChanged()->AddObserver(
      this, [this](const CycleWidgetRef&, Int month) -> Result<void> { return ChooseMonth(month); });
  return cycle;
}

Result<WidgetRef> DateTimeWidgetImpl::BuildCalendar() {
  ZV_TRY_ASSIGN(calendar_, MakeTable(1, 2));
  ZV_TRY_ASSIGN(TableWidgetRef header, MakeTable(4, 1));
  ZV_TRY_ASSIGN(previousMonth_, MakeButton("\u25C0", -1, true));
  ZV_TRY_ASSIGN(nextMonth_, MakeButton("\u25B6", 1, true));
  ZV_TRY_ASSIGN(monthCycle_, MakeMonthCycle());
  ZV_TRY_ASSIGN(yearSpinBox_, MakeYearSpinBox());
  ZV_TRY(PlaceInCell(*header, 0, previousMonth_, true));
  ZV_TRY(PlaceInCell(*header, 1, monthCycle_, true));
  ZV_TRY(PlaceInCell(*header, 2, yearSpinBox_, true));
  ZV_TRY(PlaceInCell(*header, 3, nextMonth_, true));
  ZV_TRY(PlaceInCell(*calendar_, 0, header));

  ZV_TRY_ASSIGN(dayGrid_, MakeTable(kCalendarColumns, kCalendarRows));
  dayCells_.clear();
  for (Int i = 0; i < kCalendarCellCount; ++i) {
    const bool header = i < kCalendarFirstDayIndex;
    ZV_TRY_ASSIGN(TextWidgetRef cell, MakeText(header ? kWeekdayLetters[i] : "", header ? kWeekdayColor : kTextColor));
    FixSize(*cell, kDayCellWidth, kDayCellHeight);
    cell->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::HORIZONTAL);
    cell->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::VERTICAL);
    cell->SetBackgroundVisibility(!header);
    cell->SetBackgroundColor(kDayBackground);
    ZV_TRY_ASSIGN(CellWidgetRef slot, dayGrid_->GetCell(i));
    ZV_TRY(slot->SetPadding(CanvasUnitValue::Pix(1), CanvasUnitValue::Pix(1), CanvasUnitValue::Pix(1),
                            CanvasUnitValue::Pix(1)));
    ZV_TRY(slot->InsertChildLast(cell));
    dayCells_.push_back(std::move(cell));
  }
  ZV_TRY(PlaceInCell(*calendar_, 1, dayGrid_));
  return WidgetRef(calendar_);
}

Result<WidgetRef> DateTimeWidgetImpl::BuildTimeSection() {
  ZV_TRY_ASSIGN(TableWidgetRef section, MakeTable(1, 4));
  ZV_TRY_ASSIGN(dateText_, MakeText(String(), kTextColor));
  ZV_TRY(PlaceInCell(*section, 0, dateText_, true));
  ZV_TRY_ASSIGN(timeText_, CreateObject<TextEditWidgetInterface>(Id(kTextEditWidgetClassId)));
  // Built now, so that its own construction does not replace the text the switch gives it.
  ZV_TRY(timeText_->CreateLayout());
  // The time changes by dragging on it, so a press must not start an edit.
  timeText_->SetEditMode(TEXTEDIT_MODE::LOCKED);
  timeText_->SetFontSize(kTimeFontSize);
  timeText_->SetColor(kTextColor);
  ZV_TRY(PlaceInCell(*section, 1, timeText_, true));
  ZV_TRY_ASSIGN(TableWidgetRef buttons, MakeTable(4, 1));
  for (size_t i = 0; i < timeButtons_.size(); ++i) {
    ZV_TRY_ASSIGN(timeButtons_[i], MakeButton(kTimeSteps[i].label, kTimeSteps[i].seconds, false));
    ZV_TRY(PlaceInCell(*buttons, static_cast<Int>(i), timeButtons_[i], true));
  }
  ZV_TRY(PlaceInCell(*section, 2, buttons));
  ZV_TRY_ASSIGN(clock_, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  FixSize(*clock_, kClockSize, kClockSize);
  ZV_TRY(PlaceInCell(*section, 3, clock_, true));
  return WidgetRef(section);
}

Result<void> DateTimeWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("DateTimeWidget");
  ZV_TRY(SetLocalSize(kCreatedWidth, kCreatedHeight));
  SetFocusVisibility(false);
  SetAcceptFocus(true);
  SetBackgroundVisibility(true);
  SetBackgroundColor(kWidgetBackground);
  const UniversalDateTime now = GetCurrentDateTime();
  ZV_TRY(Resize(1, 2));
  ZV_TRY_ASSIGN(WidgetRef calendar, BuildCalendar());
  ZV_TRY(PlaceInCell(*this, 0, calendar));
  ZV_TRY_ASSIGN(WidgetRef time, BuildTimeSection());
  ZV_TRY(PlaceInCell(*this, 1, time));
  RequestSwitchLayout();
  return SetDateTime(now, true);
}

Result<void> DateTimeWidgetImpl::RefreshCalendar(const DateTimeFields& fields) {
  const CalendarGrid grid = BuildCalendarGrid(fields);
  for (Int i = kCalendarFirstDayIndex; i < kCalendarCellCount; ++i) {
    const TextWidgetRef& cell = dayCells_[static_cast<size_t>(i)];
    const CalendarDay day = grid.At(i);
    cell->SetText(day.day > 0 ? std::to_string(day.day) : String());
    cell->SetColor(day.inMonth ? kTextColor : kOtherMonthColor);
    cell->SetBackgroundColor(i == grid.currentIndex ? kAccent : kDayBackground);
  }
  currentColumn_ = grid.currentIndex % kCalendarColumns;
  currentRow_ = grid.currentIndex / kCalendarColumns;
  return Ok();
}

Result<void> DateTimeWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(TableWidgetImpl::HandleSwitchLayout());
  if (!dateText_ || !timeText_ || !clock_ || !monthCycle_ || !yearSpinBox_ || dayCells_.size() != kCalendarCellCount) {
    return IllegalStateError("Missing widget link");
  }
  const DateTimeFields fields = DecomposeDateTime(value_);
  dateText_->SetText(FormatDateTime(value_, kDateFormat));
  ZV_TRY(monthCycle_->SetItem(fields.month, false));
  ZV_TRY(yearSpinBox_->SetValue(fields.year, false));
  ZV_TRY(RefreshCalendar(fields));
  timeText_->SetText(FormatDateTime(value_, kTimeFormat));
  const bool normal = style_ == DATETIME_WIDGET_STYLE::NORMAL;
  for (const TextButtonWidgetRef& button : timeButtons_) button->SetLocalVisibility(normal);
  timeText_->SetLocalVisibility(normal);
  clock_->SetLocalVisibility(normal);
  RequestRedraw();
  return Ok();
}

Result<void> DateTimeWidgetImpl::DrawClock() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Rect area = clock_->GetGlobalFrame();
  const Vector2d topLeft = GlobalToLocalPosition({area.left, area.top});
  const Vector2d size = clock_->GetLocalPixSize();
  const Vector2d center{topLeft.x + size.x * 0.5, topLeft.y + size.y * 0.5};
  const Float radius = size.x * 0.5;
  auto fon = [&](Float value) { return ToPixels(CanvasUnitValue::Fon(value)); };
  auto toward = [&](Float degrees, Float length) {
    const Float radians = degrees * kRadiansPerDegree;
    return Vector2d{center.x + std::cos(radians) * length, center.y + std::sin(radians) * length};
  };
  canvas->DrawCircle(center, radius, PaintStyle::Stroked(kClockWhite, kClockRimWidth));
  for (Int i = 0; i < 60; ++i) {
    const Float degrees = static_cast<Float>(i) * 6.0 - 90.0;
    const bool hourMark = i % 5 == 0;
    const Float inner = radius - fon(hourMark ? kLongTick : kShortTick);
    canvas->DrawLine(toward(degrees, inner), toward(degrees, radius), hourMark ? kClockWhite : kClockShortTick,
                     kTickWidth);
  }
  const ClockAngles angles = ComputeClockAngles(DecomposeDateTime(value_));
  canvas->DrawLine(center, toward(angles.hour, fon(kHourHand)), kClockWhite, kHourHandWidth);
  canvas->DrawLine(center, toward(angles.minute, fon(kMinuteHand)), kClockWhite, kMinuteHandWidth);
  canvas->DrawLine(center, toward(angles.second, fon(kSecondHand)), kClockWhite, kSecondHandWidth);
  return Ok();
}

Result<void> DateTimeWidgetImpl::DrawContent() {
  ZV_TRY(TableWidgetImpl::DrawContent());
  if (style_ != DATETIME_WIDGET_STYLE::NORMAL || !clock_) return Ok();
  return DrawClock();
}

bool DateTimeWidgetImpl::InTimeText(Vector2d position) const {
  return timeText_ && timeText_->GetGlobalVisibility() && timeText_->GetGlobalFrame().Contains(position);
}

Result<bool> DateTimeWidgetImpl::HandlePress(Vector2d position) {
  CanvasInterface* canvas = GetCanvas();
  if (InTimeText(position)) {
    dragActive_ = true;
    canvas->SetCursorVisibility(false);
    dragAccumulator_ = position;
    lastCursor_ = position;
    return true;
  }
  if (!dayGrid_ || !dayGrid_->GetGlobalFrame().Contains(position)) return false;
  Result<Int> row = dayGrid_->GetRowHit(position);
  Result<Int> column = dayGrid_->GetColumnHit(position);
  if (!row.IsOk() || !column.IsOk() || *row < 1 || *column < 0) return false;
  const Int offset = DayCellOffsetSeconds(*row, *column, currentRow_, currentColumn_);
  ZV_TRY(SetDateTime(OffsetDateTime(value_, offset), true));
  return true;
}

Result<bool> DateTimeWidgetImpl::HandleDrag(CanvasInterface& canvas, Vector2d position) {
  // The pointer is held where the drag started, so every event brings the whole move since the
  // last one and the drag never runs into the screen's edge.
  canvas.SetCursorPosition(lastCursor_);
  const Vector2d returned = canvas.GetMouseCoordinates();
  lastCursor_ = returned;
  const Float before = dragAccumulator_.y;
  dragAccumulator_ = dragAccumulator_ + (returned - position);
  const Int seconds = DragSeconds(dragAccumulator_.y - before);
  if (seconds != 0) ZV_TRY(SetDateTime(OffsetDateTime(value_, seconds), true));
  return true;
}

Result<bool> DateTimeWidgetImpl::HandleEvent(const DataDictionary* event) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return false;
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      return HandlePress(position);
    }
    case EVENT::BUTTON_DRAG: {
      if (!dragActive_) return false;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      return HandleDrag(*canvas, position);
    }
    case EVENT::BUTTON_UP:
      if (!dragActive_) return false;
      dragActive_ = false;
      canvas->SetCursorVisibility(true);
      return true;
    case EVENT::SCROLL:
    case EVENT::MAGNIFY: {
      Float amount = 0.0;
      if (*type == EVENT::SCROLL) {
        ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
        amount = scroll.y;
      } else {
        ZV_TRY_ASSIGN(amount, reader.GetRecord().Get<Float>(MagnificationKey(), 0.0));
      }
      const Int sign = amount >= 0.0 ? 1 : -1;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      Int step = 0;
      if (InTimeText(position)) {
        step = sign * kSecondsPerMinute;
      } else if (dateText_ && dateText_->GetGlobalFrame().Contains(position)) {
        step = sign * kSecondsPerDay;
      } else {
        return false;
      }
      ZV_TRY(SetDateTime(OffsetDateTime(value_, step), true));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zarvo
