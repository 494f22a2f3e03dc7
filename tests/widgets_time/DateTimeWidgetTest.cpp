#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/DateTimeWidgetInterface.h"
#include "source/widgets_menu/CycleDropdownWindowImpl.h"
#include "source/widgets_menu/CycleWidgetImpl.h"
#include "source/widgets_time/DateTimeWidgetImpl.h"
#include "source/widgets_values/SpinBoxWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

UniversalDateTime At(Int y, Int mo, Int d, Int h = 0, Int mi = 0, Int s = 0) {
  Result<UniversalDateTime> value = MakeDateTime(y, mo, d, h, mi, s);
  EXPECT_TRUE(value.IsOk()) << value.GetError().ToString();
  return value.IsOk() ? *value : 0;
}

class DateTimeWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 280, 440});
    ASSERT_TRUE(window_);
    widget_ = test::NewObject<DateTimeWidgetInterface>(kDateTimeWidgetClassId);
    ASSERT_TRUE(widget_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(widget_).IsOk());
    ASSERT_TRUE(widget_->CreateLayout().IsOk());
    widget_->SetLocalPosition({10, 10});
    ASSERT_TRUE(widget_->SetDateTime(At(2024, 2, 15, 15, 30, 0), false).IsOk());
    Update();
    widget_->ObservableDateTimeChanged()->AddObserver([this](const WidgetRef& sender, UniversalDateTime value) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(widget_.Get()));
      told_.push_back(value);
      return Ok();
    });
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  DateTimeWidgetImpl& Impl() const { return dynamic_cast<DateTimeWidgetImpl&>(*widget_); }
  Vector2d CenterOf(const WidgetRef& widget) const { return EventDriver::CenterOf(*widget); }

  Ref<AppWindow> window_;
  DateTimeWidgetRef widget_;
  std::vector<UniversalDateTime> told_;
};

TEST(DateTimeWidgetAloneTest, CreationTakesTheCurrentDateTime) {
  DateTimeWidgetRef widget = test::NewObject<DateTimeWidgetInterface>(kDateTimeWidgetClassId);
  int told = 0;
  widget->ObservableDateTimeChanged()->AddObserver([&told](const WidgetRef&, UniversalDateTime) -> Result<void> {
    ++told;
    return Ok();
  });
  const UniversalDateTime before = GetCurrentDateTime();
  ASSERT_TRUE(widget->CreateLayout().IsOk());
  EXPECT_GE(widget->GetDateTime(), before);
  EXPECT_LE(widget->GetDateTime(), GetCurrentDateTime());
  EXPECT_EQ(told, 1);
  EXPECT_EQ(widget->GetName(), "DateTimeWidget");
  EXPECT_EQ(widget->GetStyle(), DATETIME_WIDGET_STYLE::NORMAL);
  EXPECT_TRUE(widget->GetAcceptFocus());
  EXPECT_FALSE(widget->GetFocusVisibility());
  EXPECT_EQ(widget->GetCountX(), 1);
  EXPECT_EQ(widget->GetCountY(), 2);
  EXPECT_STREQ(widget->ObservableDateTimeChanged()->GetObservableId(), "ObservableDateTimeChanged");
}

TEST_F(DateTimeWidgetTest, TheLayoutSwitchShowsTheValue) {
  EXPECT_EQ(Impl().GetDateText()->GetText(), "02 / 15 / 2024");
  EXPECT_EQ(Impl().GetMonthCycle()->GetItem(), 2);
  EXPECT_EQ(Impl().GetYearSpinBox()->GetValue(), 2024);
  EXPECT_EQ(Impl().GetTimeText()->GetText(), "15:30:00");
  const char* letters[] = {"M", "T", "W", "T", "F", "S", "S"};
  for (Int i = 0; i < 7; ++i) EXPECT_EQ(Impl().GetDayCell(i)->GetText(), letters[i]);
  EXPECT_EQ(Impl().GetDayCell(9)->GetText(), "31");
  EXPECT_EQ(Impl().GetDayCell(10)->GetText(), "1");
  EXPECT_EQ(Impl().GetDayCell(24)->GetText(), "15");
  EXPECT_EQ(Impl().GetCurrentDayRow(), 3);
  EXPECT_EQ(Impl().GetCurrentDayColumn(), 3);
  EXPECT_NE(Impl().GetDayCell(24)->GetBackgroundColor(), Impl().GetDayCell(23)->GetBackgroundColor());
  EXPECT_EQ(Impl().GetDayCell(23)->GetBackgroundColor(), (ColorA{0.24, 0.24, 0.24, 1.0}));

  ASSERT_TRUE(widget_->SetDateTime(At(1970, 1, 1), false).IsOk());
  Update();
  EXPECT_EQ(Impl().GetDayCell(9)->GetText(), "") << "nothing before January 1970";
  EXPECT_EQ(Impl().GetDayCell(10)->GetText(), "1");
  EXPECT_TRUE(told_.empty());
}

TEST_F(DateTimeWidgetTest, ValuesOutsideTheRangeAreIgnored) {
  const UniversalDateTime last = At(2298, 12, 31, 23, 59, 59);
  ASSERT_TRUE(widget_->SetDateTime(last + 1, true).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 15, 30, 0));
  ASSERT_TRUE(widget_->SetDateTime(~UniversalDateTime{0}, true).IsOk());
  EXPECT_TRUE(told_.empty());
  ASSERT_TRUE(widget_->SetDateTime(last, true).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), last);
  ASSERT_TRUE(widget_->SetDateTime(0, true).IsOk());
  EXPECT_EQ(told_, (std::vector<UniversalDateTime>{last, 0}));
}

TEST_F(DateTimeWidgetTest, MonthButtonsStepAcrossYearsAndStopAtTheEnds) {
  EventDriver driver(*window_);
  ASSERT_TRUE(widget_->SetDateTime(At(2023, 12, 15, 8, 0, 0), false).IsOk());
  Update();
  ASSERT_TRUE(driver.Click(*Impl().GetMonthButton(true)).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 1, 15, 8, 0, 0));
  EXPECT_EQ(Impl().GetYearSpinBox()->GetValue(), 2024);
  ASSERT_TRUE(driver.Click(*Impl().GetMonthButton(false)).IsOk());
  ASSERT_TRUE(driver.Click(*Impl().GetMonthButton(false)).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2023, 11, 15, 8, 0, 0));
  EXPECT_EQ(told_.size(), 3u);

  ASSERT_TRUE(widget_->SetDateTime(At(2298, 12, 5), false).IsOk());
  ASSERT_TRUE(Impl().StepMonth(true).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2298, 12, 5));
  ASSERT_TRUE(widget_->SetDateTime(At(1970, 1, 5), false).IsOk());
  ASSERT_TRUE(Impl().StepMonth(false).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(1970, 1, 5));

  ASSERT_TRUE(widget_->SetDateTime(At(2024, 1, 31), false).IsOk());
  Result<void> missing = Impl().StepMonth(true);
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetMessage(),
            "could not create value from year=2024, month=2, day=31, hour=0, minute=0, second=0");
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 1, 31));
  EXPECT_EQ(told_.size(), 3u);
}

TEST_F(DateTimeWidgetTest, TheMonthChooserSetsTheMonthAndKeepsTheValueOnAMissingDay) {
  const CycleWidgetRef& months = Impl().GetMonthCycle();
  EXPECT_EQ(months->GetAdapter()->GetCount(), 12);
  EXPECT_EQ(months->GetItemIdFromIndex(0), 1);
  EXPECT_EQ(months->GetItemIdFromIndex(11), 12);
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*months).IsOk());
  auto& cycle = dynamic_cast<CycleWidgetImpl&>(*months);
  Ref<AppWindow> list = dynamic_cast<CycleDropdownWindowImpl&>(*cycle.GetDropdownWindow()).GetPopupWindow();
  Result<CellWidgetRef> october = dynamic_cast<CycleDropdownWindowImpl&>(*cycle.GetDropdownWindow())
                                      .GetListTable()
                                      ->GetCell(0, 9);
  ASSERT_TRUE(october.IsOk());
  EventDriver inList(*list);
  ASSERT_TRUE(inList.Click(*(*october)->GetFirstChildWidget()).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 10, 15, 15, 30, 0));
  EXPECT_EQ(told_.size(), 1u);
  Update();
  EXPECT_EQ(months->GetItem(), 10);

  ASSERT_TRUE(widget_->SetDateTime(At(2024, 1, 31), false).IsOk());
  Update();
  Result<void> chosen = months->SetItem(2, true);
  ASSERT_FALSE(chosen.IsOk());
  EXPECT_EQ(chosen.GetError().GetMessage(),
            "could not create value from year=2024, month=2, day=31, hour=0, minute=0, second=0");
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 1, 31));
  Update();
  EXPECT_EQ(months->GetItem(), 1) << "the chooser shows the kept month again";
}

TEST_F(DateTimeWidgetTest, TheYearSpinBoxSetsTheYearWithinTheRangeAndKeepsTheOtherFields) {
  const IntSpinBoxWidgetRef& years = Impl().GetYearSpinBox();
  EXPECT_EQ(years->GetMin(), 1970);
  EXPECT_EQ(years->GetMax(), 2298);
  EventDriver driver(*window_);
  auto& box = dynamic_cast<IntSpinBoxWidgetImpl&>(*years);
  auto type = [&](const std::string& text) {
    ASSERT_TRUE(driver.Click(*box.GetTextEdit()).IsOk());
    ASSERT_TRUE(driver.Type(text).IsOk());
    ASSERT_TRUE(driver.KeyPress(KEY::ENTER).IsOk());
  };
  type("2030");
  EXPECT_EQ(widget_->GetDateTime(), At(2030, 2, 15, 15, 30, 0));
  Update();
  EXPECT_EQ(Impl().GetDateText()->GetText(), "02 / 15 / 2030");
  ASSERT_TRUE(driver.Click(*box.GetDecrementSpinner()).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2029, 2, 15, 15, 30, 0));
  type("3000");
  EXPECT_EQ(widget_->GetDateTime(), At(2298, 2, 15, 15, 30, 0)) << "held to the last year";
  type("1000");
  EXPECT_EQ(widget_->GetDateTime(), At(1970, 2, 15, 15, 30, 0)) << "held to the first year";
  EXPECT_EQ(told_.size(), 4u);

  ASSERT_TRUE(widget_->SetDateTime(At(2024, 2, 29), false).IsOk());
  Update();
  Result<void> chosen = years->SetValue(2023, true);
  ASSERT_FALSE(chosen.IsOk());
  EXPECT_EQ(chosen.GetError().GetMessage(),
            "could not create value from year=2023, month=2, day=29, hour=0, minute=0, second=0");
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 29));
  Update();
  EXPECT_EQ(years->GetValue(), 2024) << "the spin box shows the kept year again";
  ASSERT_TRUE(years->SetValue(2028, true).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2028, 2, 29)) << "another leap year has the day";
  EXPECT_EQ(told_.size(), 5u);
}

TEST_F(DateTimeWidgetTest, ClickingADayMovesByItsDistanceFromTheCurrentDay) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*Impl().GetDayCell(24 + 7)).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 22, 15, 30, 0)) << "the cell below is a week on";
  Update();
  EXPECT_EQ(Impl().GetCurrentDayRow(), 4);
  ASSERT_TRUE(driver.Click(*Impl().GetDayCell(7)).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 1, 29, 15, 30, 0)) << "a day of the previous month";
  EXPECT_EQ(told_.size(), 2u);
  ASSERT_TRUE(driver.Click(*Impl().GetDayCell(3)).IsOk());
  EXPECT_EQ(told_.size(), 2u) << "the weekday letters are no days";
}

TEST_F(DateTimeWidgetTest, DraggingOnTheTimeTextMovesAMinutePerPixel) {
  EventDriver driver(*window_);
  const Vector2d start = CenterOf(Impl().GetTimeText());
  ASSERT_TRUE(*driver.Press(start));
  EXPECT_TRUE(Impl().IsDragActive());
  ASSERT_TRUE(*driver.Drag({start.x, start.y - 2}));
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 15, 32, 0)) << "upwards is later";
  EXPECT_EQ(window_->GetCanvas()->GetMouseCoordinates(), start) << "the pointer is held";
  ASSERT_TRUE(*driver.Drag({start.x, start.y + 1}));
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 15, 31, 0));
  ASSERT_TRUE(*driver.Drag({start.x + 5, start.y}));
  EXPECT_EQ(told_.size(), 2u) << "sideways moves nothing";
  ASSERT_TRUE(*driver.Release(start));
  EXPECT_FALSE(Impl().IsDragActive());
  const DataDictionary drag = MakeMouseEvent(EVENT::BUTTON_DRAG, start, BUTTON::LEFT);
  EXPECT_FALSE(*widget_->HandleEvent(&drag));
  const DataDictionary right = MakeMouseEvent(EVENT::BUTTON_DOWN, start, BUTTON::RIGHT);
  EXPECT_FALSE(*widget_->HandleEvent(&right));
}

TEST_F(DateTimeWidgetTest, ScrollingMovesMinutesOverTheTimeAndDaysOverTheDate) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Scroll(CenterOf(Impl().GetTimeText()), {0, -kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 15, 29, 0));
  ASSERT_TRUE(*driver.Scroll(CenterOf(Impl().GetDateText()), {0, -kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 14, 15, 29, 0));
  ASSERT_TRUE(*driver.Scroll(CenterOf(Impl().GetDateText()), {0, kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 15, 29, 0));
  DataDictionary magnify = MakeMouseEvent(EVENT::MAGNIFY, CenterOf(Impl().GetTimeText()));
  magnify.Set<Float>(Id("net.zarvo.ui.message.magnification"), -0.5);
  EXPECT_TRUE(*widget_->HandleEvent(&magnify));
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 15, 28, 0));

  ASSERT_TRUE(widget_->SetDateTime(100, false).IsOk());
  Update();
  ASSERT_TRUE(*driver.Scroll(CenterOf(Impl().GetDateText()), {0, -kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(widget_->GetDateTime(), 100u) << "scrolling back from less than a day keeps the value";
  const DataDictionary elsewhere = MakeScrollEvent(CenterOf(Impl().GetClockArea()), {0, 40});
  EXPECT_FALSE(*widget_->HandleEvent(&elsewhere));
}

TEST_F(DateTimeWidgetTest, TheTimeButtonsStepHoursAndMinutes) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*Impl().GetTimeButton(3)).IsOk());
  ASSERT_TRUE(driver.Click(*Impl().GetTimeButton(1)).IsOk());
  EXPECT_EQ(widget_->GetDateTime(), At(2024, 2, 15, 16, 29, 0));
}

TEST_F(DateTimeWidgetTest, TheMinimalStyleHidesTheTimePart) {
  widget_->SetStyle(DATETIME_WIDGET_STYLE::MINIMAL);
  Update();
  EXPECT_FALSE(Impl().GetTimeText()->GetLocalVisibility());
  for (Int i = 0; i < 4; ++i) EXPECT_FALSE(Impl().GetTimeButton(i)->GetLocalVisibility());
  EXPECT_FALSE(Impl().GetClockArea()->GetLocalVisibility());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(CenterOf(Impl().GetTimeText())).IsOk());
  EXPECT_FALSE(Impl().IsDragActive()) << "a hidden time text takes no drag";
  ASSERT_TRUE(driver.Release(CenterOf(Impl().GetTimeText())).IsOk());
  widget_->SetStyle(DATETIME_WIDGET_STYLE::NORMAL);
  Update();
  EXPECT_TRUE(Impl().GetTimeText()->GetLocalVisibility());
}

TEST_F(DateTimeWidgetTest, GoldenCalendarAndClock) {
  Canvas* canvas = window_->GetHostCanvas();
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "datetime_normal");
  widget_->SetStyle(DATETIME_WIDGET_STYLE::MINIMAL);
  Update();
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "datetime_minimal");
}

}  // namespace
}  // namespace zarvo
