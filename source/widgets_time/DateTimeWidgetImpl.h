#pragma once
#include <array>
#include <vector>

#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/DateTimeWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The date-time widget: a table of two sections. The calendar holds the month buttons, a
// month chooser (a cycle widget), the year (an Int spin box) and a 7 × 7 grid (weekday letters, then six
// weeks); the time section holds the date text, the time text, four buttons that step the time and the clock's
// area, on which the widget draws the clock itself.
class DateTimeWidgetImpl : public TableWidgetImpl, public virtual DateTimeWidgetInterface {
 public:
  DateTimeWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetDateTime(UniversalDateTime value, Bool notify) override;
  UniversalDateTime GetDateTime() const override { return value_; }
  void SetStyle(DATETIME_WIDGET_STYLE style) override;
  DATETIME_WIDGET_STYLE GetStyle() const override { return style_; }
  Ref<DateTimeObservable> ObservableDateTimeChanged() override { return changed_; }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<void> DrawContent() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  // The children, for tests and presenters that restyle them.
  const TextWidgetRef& GetDayCell(Int index) const { return dayCells_[static_cast<size_t>(index)]; }
  const TextWidgetRef& GetDateText() const { return dateText_; }
  const CycleWidgetRef& GetMonthCycle() const { return monthCycle_; }
  const IntSpinBoxWidgetRef& GetYearSpinBox() const { return yearSpinBox_; }
  const TextEditWidgetRef& GetTimeText() const { return timeText_; }
  const FrameWidgetRef& GetClockArea() const { return clock_; }
  const TextButtonWidgetRef& GetMonthButton(bool next) const { return next ? nextMonth_ : previousMonth_; }
  const TextButtonWidgetRef& GetTimeButton(Int index) const { return timeButtons_[static_cast<size_t>(index)]; }
  Int GetCurrentDayRow() const noexcept { return currentRow_; }
  Int GetCurrentDayColumn() const noexcept { return currentColumn_; }
  bool IsDragActive() const noexcept { return dragActive_; }

  // Next (or previous) month, same day and time, the year held to the range.
  [[nodiscard]] Result<void> StepMonth(bool next);

 private:
  [[nodiscard]] Result<WidgetRef> BuildCalendar();
  [[nodiscard]] Result<CycleWidgetRef> MakeMonthCycle();
  // The chosen month with the other fields kept; a day the month lacks fails and keeps the value.
  [[nodiscard]] Result<void> ChooseMonth(Int month);
  [[nodiscard]] Result<IntSpinBoxWidgetRef> MakeYearSpinBox();
  // The chosen year with the other fields kept; a day the year lacks fails and keeps the value.
  [[nodiscard]] Result<void> ChooseYear(Int year);
  // The month or year changed, the other fields kept; on a missing day the value stays and the
  // choosers show it again.
  [[nodiscard]] Result<void> ChooseFields(const DateTimeFields& fields);
  [[nodiscard]] Result<WidgetRef> BuildTimeSection();
  [[nodiscard]] Result<TextButtonWidgetRef> MakeButton(const String& label, Int stepSeconds, bool monthStep);
  [[nodiscard]] Result<void> RefreshCalendar(const DateTimeFields& fields);
  [[nodiscard]] Result<void> DrawClock();
  [[nodiscard]] Result<bool> HandlePress(Vector2d position);
  [[nodiscard]] Result<bool> HandleDrag(CanvasInterface& canvas, Vector2d position);
  bool InTimeText(Vector2d position) const;

  UniversalDateTime value_ = 0;
  DATETIME_WIDGET_STYLE style_ = DATETIME_WIDGET_STYLE::NORMAL;
  Int currentColumn_ = 0;
  Int currentRow_ = 1;
  bool dragActive_ = false;
  Vector2d dragAccumulator_;
  Vector2d lastCursor_;
  Ref<DateTimeObservable> changed_;
  TableWidgetRef calendar_;
  TableWidgetRef dayGrid_;
  std::vector<TextWidgetRef> dayCells_;
  CycleWidgetRef monthCycle_;
  IntSpinBoxWidgetRef yearSpinBox_;
  TextButtonWidgetRef previousMonth_;
  TextButtonWidgetRef nextMonth_;
  TextWidgetRef dateText_;
  TextEditWidgetRef timeText_;
  std::array<TextButtonWidgetRef, 4> timeButtons_;
  FrameWidgetRef clock_;
};

}  // namespace zarvo
