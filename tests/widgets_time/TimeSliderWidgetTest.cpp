#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "host/ui/FontCache.h"
#include "source/interfaces/TimeSliderWidgetInterface.h"
#include "source/widgets_time/TimeSliderWidgetImpl.h"
#include "source/widgets_time/TimelineMath.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Rect kSliderFrame{20, 10, 420, 60};

class SolidStream final : public TimeSliderStreamInterface {
 public:
  Vector2d GetFrameSize() const override { return {16.0, 9.0}; }
  ColorA GetFrameColor(Float time) const override {
    const Float phase = std::fmod(time, 10.0) / 10.0;
    return {0.2 + 0.6 * phase, 0.35, 0.8 - 0.6 * phase, 1.0};
  }
};

void ExpectError(const Result<void>& result, const char* message) {
  ASSERT_FALSE(result.IsOk()) << "expected: " << message;
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(result.GetError().GetMessage(), message);
}

class TimeSliderWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 440, 140});
    ASSERT_TRUE(window_);
    slider_ = test::NewObject<TimeSliderWidgetInterface>(kTimeSliderWidgetClassId);
    ASSERT_TRUE(slider_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(slider_).IsOk());
    ASSERT_TRUE(slider_->CreateLayout().IsOk());
    slider_->SetLocalPosition({kSliderFrame.left, kSliderFrame.top});
    ASSERT_TRUE(slider_->SetLocalSize(kSliderFrame.Width(), kSliderFrame.Height()).IsOk());
    Update();
    slider_->ObservableTimeValueChanged()->AddObserver(
        [this](const TimeSliderWidgetRef& sender, Float time) -> Result<void> {
          EXPECT_EQ(sender.Get(), slider_.Get());
          told_.push_back(time);
          return Ok();
        });
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  const TimeSliderWidgetImpl& Impl() const { return dynamic_cast<const TimeSliderWidgetImpl&>(*slider_); }
  // A point of the ruler at a share of its width.
  Vector2d At(Float share) const {
    const Rect frame = slider_->GetGlobalFrame();
    return {frame.left + share * frame.Width(), frame.top + 5};
  }

  Ref<AppWindow> window_;
  TimeSliderWidgetRef slider_;
  std::vector<Float> told_;
};

TEST_F(TimeSliderWidgetTest, StartsAtFiftyOfAHundredFramesAndIsThreeLabelLinesHigh) {
  EXPECT_EQ(slider_->GetName(), "TimeSliderWidget");
  EXPECT_EQ(slider_->GetMinTime(), 0.0);
  EXPECT_EQ(slider_->GetMaxTime(), 4.166666666666667);
  EXPECT_EQ(slider_->GetTimeValue(), 2.0833333333333335);
  EXPECT_EQ(slider_->GetFps(), 24.0);
  EXPECT_TRUE(slider_->GetAcceptFocus());
  EXPECT_FALSE(slider_->GetFocusVisibility());
  EXPECT_GT(Impl().GetLineHeight(), 0.0);
  EXPECT_EQ(slider_->GetLocalPixSize(), (Vector2d{kSliderFrame.Width(), 3 * Impl().GetLineHeight()}));
  EXPECT_STREQ(slider_->ObservableTimeValueChanged()->GetObservableId(), "ObservableTimeValueChanged");

  slider_->SetStream(MakeRef<SolidStream>());
  Update();
  EXPECT_DOUBLE_EQ(slider_->GetLocalPixSize().y, 3 * Impl().GetLineHeight() + 80.0 * 16.0 / 9.0);
  slider_->SetStream(TimeSliderStreamRef());
  Update();
  EXPECT_EQ(slider_->GetLocalPixSize().y, 3 * Impl().GetLineHeight());
}

TEST_F(TimeSliderWidgetTest, SettersSnapAndRefuseWhatBreaksTheRange) {
  ASSERT_TRUE(slider_->SetTimeValue(1.0).IsOk());
  EXPECT_EQ(slider_->GetTimeValue(), 1.0);
  ASSERT_TRUE(slider_->SetTimeValue(1.01).IsOk());
  EXPECT_EQ(slider_->GetTimeValue(), 1.0);
  ASSERT_TRUE(slider_->SetTimeValue(0.0416).IsOk());
  EXPECT_EQ(slider_->GetTimeValue(), 0.0);

  ExpectError(slider_->SetTimeValue(4.2), "value is outside [min, max] range");
  ExpectError(slider_->SetTimeValue(-0.01), "value is outside [min, max] range");
  ExpectError(slider_->SetTimeValue(std::nan("")), "value is outside [min, max] range");
  ExpectError(slider_->SetMinTime(slider_->GetMaxTime()), "min is not smaller then max.");
  ExpectError(slider_->SetMinTime(std::nan("")), "min is not smaller then max.");
  ExpectError(slider_->SetMaxTime(0.0), "max is not greater then min.");
  ExpectError(slider_->SetMaxTime(-1.0), "max is not greater then min.");
  ExpectError(slider_->SetMaxTime(std::nan("")), "max is not greater then min.");
  ExpectError(slider_->SetFps(0.0), "invalid frame rate.");
  ExpectError(slider_->SetFps(-1.0), "invalid frame rate.");
  ExpectError(slider_->SetFps(std::nan("")), "invalid frame rate.");
  EXPECT_EQ(slider_->GetTimeValue(), 0.0);
  EXPECT_EQ(slider_->GetMinTime(), 0.0);
  EXPECT_EQ(slider_->GetMaxTime(), 4.166666666666667);
  EXPECT_EQ(slider_->GetFps(), 24.0);

  // A range below zero snaps toward zero, and the setters neither notify nor snap each other.
  ASSERT_TRUE(slider_->SetMinTime(-10.0).IsOk());
  ASSERT_TRUE(slider_->SetTimeValue(-5.01).IsOk());
  EXPECT_EQ(slider_->GetTimeValue(), -5.0);
  ASSERT_TRUE(slider_->SetFps(25.0).IsOk());
  EXPECT_EQ(slider_->GetTimeValue(), -5.0);
  EXPECT_TRUE(told_.empty());
}

TEST_F(TimeSliderWidgetTest, PressingAndDraggingSetTheTimeAndTellEachChange) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(At(0.25)));
  EXPECT_TRUE(Impl().IsDragging());
  // A quarter of 100 frames: frame 25.
  EXPECT_EQ(slider_->GetTimeValue(), 25.0 / 24.0);
  ASSERT_TRUE(*driver.Drag(At(0.5)));
  EXPECT_EQ(slider_->GetTimeValue(), 50.0 / 24.0);
  ASSERT_TRUE(*driver.Drag(At(1.0)));
  EXPECT_EQ(slider_->GetTimeValue(), slider_->GetMaxTime()) << "the right edge is max";
  ASSERT_TRUE(*driver.Drag({-300, 20}));
  EXPECT_EQ(slider_->GetTimeValue(), 0.0) << "left of the widget is min";
  ASSERT_TRUE(*driver.Release({-300, 20}));
  EXPECT_FALSE(Impl().IsDragging());
  EXPECT_EQ(told_, (std::vector<Float>{25.0 / 24.0, 50.0 / 24.0, 100.0 / 24.0, 0.0}));

  // Without a press a drag moves nothing, though it is taken.
  const DataDictionary drag = MakeMouseEvent(EVENT::BUTTON_DRAG, At(0.7), BUTTON::LEFT);
  EXPECT_TRUE(*slider_->HandleEvent(&drag));
  EXPECT_EQ(slider_->GetTimeValue(), 0.0);
  // A press left of the widget, delivered to it, sets min.
  ASSERT_TRUE(slider_->SetTimeValue(2.0).IsOk());
  const DataDictionary outside = MakeMouseEvent(EVENT::BUTTON_DOWN, {0, 20}, BUTTON::LEFT);
  EXPECT_TRUE(*slider_->HandleEvent(&outside));
  EXPECT_EQ(slider_->GetTimeValue(), 0.0);
}

TEST_F(TimeSliderWidgetTest, OtherButtonsAndStrayEventsAreLeftAlone) {
  const DataDictionary right = MakeMouseEvent(EVENT::BUTTON_DOWN, At(0.9), BUTTON::RIGHT);
  EXPECT_FALSE(*slider_->HandleEvent(&right));
  const DataDictionary both = MakeMouseEvent(EVENT::BUTTON_DOWN, At(0.9), BUTTON::LEFT | BUTTON::RIGHT);
  EXPECT_FALSE(*slider_->HandleEvent(&both));
  const DataDictionary rightUp = MakeMouseEvent(EVENT::BUTTON_UP, At(0.9), BUTTON::RIGHT);
  EXPECT_FALSE(*slider_->HandleEvent(&rightUp));
  const DataDictionary key = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::UP);
  EXPECT_FALSE(*slider_->HandleEvent(&key));
  EXPECT_FALSE(*slider_->HandleEvent(nullptr));
  EXPECT_FALSE(Impl().IsDragging());
  EXPECT_TRUE(told_.empty());

  // Off any canvas nothing is taken.
  TimeSliderWidgetRef alone = test::NewObject<TimeSliderWidgetInterface>(kTimeSliderWidgetClassId);
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::LEFT);
  EXPECT_FALSE(*alone->HandleEvent(&press));
}

TEST_F(TimeSliderWidgetTest, TheWheelMovesAFiveHundredTwelfthOfTheRangePerUnit) {
  EventDriver driver(*window_);
  ASSERT_TRUE(slider_->SetMaxTime(100.0).IsOk());
  ASSERT_TRUE(slider_->SetTimeValue(50.0).IsOk());
  // 40 units to the left: 40 / 512 of 100 s back, snapped to its frame.
  ASSERT_TRUE(*driver.Scroll(At(0.5), {kScrollPixelsPerWheelNotch, 0}));
  EXPECT_EQ(slider_->GetTimeValue(), SnapToFrame(50.0 - 40.0 / 512.0 * 100.0, 24.0));
  ASSERT_TRUE(*driver.Scroll(At(0.5), {-1e6, 0}));
  EXPECT_EQ(slider_->GetTimeValue(), 100.0) << "held at max";
  EXPECT_EQ(told_.size(), 2u);
  ASSERT_TRUE(*driver.Scroll(At(0.5), {0, kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(told_.size(), 2u) << "a vertical wheel moves nothing";
}

TEST_F(TimeSliderWidgetTest, ArrowKeysStepFramesAndWithTheSecondsKeyWholeSeconds) {
  EventDriver driver(*window_);
  ASSERT_TRUE(window_->GetAppWidget()->SetFocusWidget(slider_.Get()).IsOk());
  ASSERT_TRUE(slider_->SetTimeValue(2.0).IsOk());
  ASSERT_TRUE(*driver.KeyPress(KEY::RIGHT));
  EXPECT_EQ(slider_->GetTimeValue(), 49.0 / 24.0);
  ASSERT_TRUE(*driver.KeyPress(KEY::LEFT));
  ASSERT_TRUE(*driver.KeyPress(KEY::LEFT));
  EXPECT_EQ(slider_->GetTimeValue(), 47.0 / 24.0);

  ASSERT_TRUE(driver.KeyDown(kTimeSliderSecondsKey).IsOk());
  ASSERT_TRUE(slider_->SetTimeValue(2.0).IsOk());
  ASSERT_TRUE(*driver.KeyDown(KEY::RIGHT));
  EXPECT_EQ(slider_->GetTimeValue(), 3.0);
  ASSERT_TRUE(slider_->SetTimeValue(2.5).IsOk());
  ASSERT_TRUE(*driver.KeyDown(KEY::RIGHT));
  EXPECT_EQ(slider_->GetTimeValue(), 4.0);
  ASSERT_TRUE(slider_->SetTimeValue(2.5).IsOk());
  ASSERT_TRUE(*driver.KeyDown(KEY::LEFT));
  EXPECT_EQ(slider_->GetTimeValue(), 2.0);
  ASSERT_TRUE(driver.KeyUp(kTimeSliderSecondsKey).IsOk());
  EXPECT_EQ(told_, (std::vector<Float>{49.0 / 24.0, 48.0 / 24.0, 47.0 / 24.0, 3.0, 4.0, 2.0}));
}

TEST_F(TimeSliderWidgetTest, AnObserversErrorIsReturnedAfterTheChange) {
  slider_->ObservableTimeValueChanged()->AddObserver(
      [](const TimeSliderWidgetRef&, Float) -> Result<void> { return IllegalStateError("observer failed"); });
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, At(0.0), BUTTON::LEFT);
  Result<bool> handled = slider_->HandleEvent(&press);
  ASSERT_FALSE(handled.IsOk());
  EXPECT_EQ(handled.GetError().GetMessage(), "observer failed");
  EXPECT_EQ(slider_->GetTimeValue(), 0.0);
}

TEST_F(TimeSliderWidgetTest, AMovedCursorRepaintsItsColumnsOnly) {
  auto* canvas = dynamic_cast<Canvas*>(window_->GetCanvas());
  ASSERT_NE(canvas, nullptr);
  ASSERT_TRUE(slider_->SetMaxTime(10000.0 / 24.0).IsOk());
  Update();
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(At(0.5)));
  ASSERT_TRUE(*driver.Drag(At(0.51)));
  const Rect drawn = canvas->GetLastDrawnArea();
  EXPECT_LT(drawn.Width(), 20.0);
  EXPECT_GE(drawn.Height(), slider_->GetLocalPixSize().y);
  ASSERT_TRUE(*driver.Release(At(0.51)));
}

TEST_F(TimeSliderWidgetTest, AnUnboundedRangeDrawsABareRulerAndIgnoresThePointer) {
  // Setting such a range is allowed; drawing it used to tick every frame up to the Int limit.
  ASSERT_TRUE(slider_->SetMaxTime(std::numeric_limits<Float>::infinity()).IsOk());
  ASSERT_TRUE(slider_->SetLocalSize(1e300, kSliderFrame.Height()).IsOk());
  slider_->SetStream(MakeRef<SolidStream>());
  Update();
  ASSERT_TRUE(slider_->SetMinTime(-std::numeric_limits<Float>::infinity()).IsOk());
  Update();
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(At(0.0)).IsOk());
  ASSERT_TRUE(driver.Scroll(At(0.0), {kScrollPixelsPerWheelNotch, 0}).IsOk());
  ASSERT_TRUE(driver.Release(At(0.0)).IsOk());
  EXPECT_FALSE(std::isnan(slider_->GetTimeValue()));
  for (Float told : told_) EXPECT_FALSE(std::isnan(told));
  Update();
}

TEST_F(TimeSliderWidgetTest, AWidgetScaledFarDownLabelsWhatTheDeviceHasRoomFor) {
  // Labels keep their size when the widget is scaled: a ruler of a million pixels scaled to a
  // few hundred used to lay out a label per second, thousands per paint (event fuzzer, seed 22).
  const uint64_t shapedBefore = FontCache::Get().GetShapeCount();
  ASSERT_TRUE(slider_->SetMaxTime(100000.0).IsOk());
  ASSERT_TRUE(slider_->SetLocalSize(1e6, kSliderFrame.Height()).IsOk());
  slider_->SetLocalScale({4e-4, 1.0});
  Update();
  EXPECT_LT(FontCache::Get().GetShapeCount() - shapedBefore, 40u) << "a handful of labels fit 400 pixels";
}

TEST_F(TimeSliderWidgetTest, GoldenRulers) {
  Canvas* canvas = window_->GetHostCanvas();
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "timeslider_hundred_frames");
  ASSERT_TRUE(slider_->SetMinTime(-2.0).IsOk());
  ASSERT_TRUE(slider_->SetMaxTime(10000.0 / 24.0).IsOk());
  ASSERT_TRUE(slider_->SetTimeValue(100.0).IsOk());
  slider_->SetStream(MakeRef<SolidStream>());
  Update();
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "timeslider_long_with_stream");
}

}  // namespace
}  // namespace zarvo
