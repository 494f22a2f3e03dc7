#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/widgets_values/SpinBoxMath.h"
#include "source/widgets_values/SpinBoxWidgetImpl.h"
#include "source/widgets_values/SpinnerWidgetImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

template <class T>
struct ClassOf;
template <>
struct ClassOf<Int> {
  static constexpr const char* kId = kIntSpinBoxWidgetClassId;
};
template <>
struct ClassOf<Float> {
  static constexpr const char* kId = kFloatSpinBoxWidgetClassId;
};

template <class T>
class SpinBoxWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 300, 100});
    ASSERT_TRUE(window_);
    box_ = test::NewObject<SpinBoxWidgetInterface<T>>(ClassOf<T>::kId);
    ASSERT_TRUE(box_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(box_).IsOk());
    ASSERT_TRUE(box_->CreateLayout().IsOk());
    box_->SetLocalPosition({10, 10});
    Update();
    driver_ = std::make_unique<EventDriver>(*window_);
    box_->ObservableValueChanged()->AddObserver([this](const WidgetRef& sender, T value, Bool active) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(box_.Get()));
      told_.push_back(std::to_string(static_cast<double>(value)).substr(0, 6) + (active ? "a" : ""));
      values_.push_back(value);
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  SpinBoxWidgetImpl<T>& Impl() { return dynamic_cast<SpinBoxWidgetImpl<T>&>(*box_); }
  std::string Text() { return Impl().GetTextEdit()->GetText(); }
  void TypeText(const std::string& text) {
    ASSERT_TRUE(driver_->Click(*Impl().GetTextEdit()).IsOk());
    ASSERT_TRUE(driver_->Type(text).IsOk());
    ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  }
  Vector2d Center(const SpinnerWidgetRef& spinner) { return EventDriver::CenterOf(*spinner); }

  ScopedVirtualHostClock clock_;
  Ref<AppWindow> window_;
  Ref<SpinBoxWidgetInterface<T>> box_;
  std::unique_ptr<EventDriver> driver_;
  std::vector<std::string> told_;
  std::vector<T> values_;
};

using ValueTypes = testing::Types<Int, Float>;
TYPED_TEST_SUITE(SpinBoxWidgetTest, ValueTypes);

TYPED_TEST(SpinBoxWidgetTest, BuildsItsChildrenAndShowsTheValue) {
  auto& impl = this->Impl();
  EXPECT_EQ(this->box_->GetName(), "SpinBoxWidget");
  EXPECT_EQ(this->box_->GetCountX(), 3);
  EXPECT_EQ(impl.GetIncrementSpinner()->GetOrientation(), WIDGET_ORIENTATION::LEFT_RIGHT);
  EXPECT_EQ(impl.GetDecrementSpinner()->GetOrientation(), WIDGET_ORIENTATION::RIGHT_LEFT);
  EXPECT_EQ(impl.GetIncrementSpinner()->GetTextWidget().ValueOr(TextWidgetRef())->GetText(), "\u25B6");
  EXPECT_EQ(impl.GetDecrementSpinner()->GetTextWidget().ValueOr(TextWidgetRef())->GetText(), "\u25C0");
  EXPECT_FALSE(impl.GetTextEdit()->GetAcceptTabFocus());
  EXPECT_TRUE(this->box_->GetAcceptTabFocus());
  EXPECT_STREQ(this->box_->ObservableValueChanged()->GetObservableId(), "ObservableValueChanged");
  ASSERT_TRUE(this->box_->SetValue(TypeParam(5), false).IsOk());
  EXPECT_EQ(this->Text(), (std::is_same_v<TypeParam, Int> ? "5 " : "5.0 "));
  EXPECT_TRUE(this->told_.empty());

  this->box_->SetLayout(SPINBOX_LAYOUT::MINIMAL);
  this->Update();
  EXPECT_FALSE(impl.GetIncrementSpinner()->GetLocalVisibility());
  EXPECT_EQ(impl.GetTextEdit()->GetParentWidget()->GetParentWidget(), static_cast<WidgetInterface*>(this->box_.Get()));
}

TYPED_TEST(SpinBoxWidgetTest, SettersClampRefuseAndNotify) {
  EXPECT_EQ(this->box_->GetMin(), std::numeric_limits<TypeParam>::lowest());
  ASSERT_TRUE(this->box_->SetMax(TypeParam(100)).IsOk());
  Result<void> refused = this->box_->SetMin(TypeParam(100));
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "min is not smaller then max.");
  Result<void> refusedMax = this->box_->SetMax(std::numeric_limits<TypeParam>::lowest());
  ASSERT_FALSE(refusedMax.IsOk());
  EXPECT_EQ(refusedMax.GetError().GetMessage(), "max is not greater then min.");
  ASSERT_TRUE(this->box_->SetStep(TypeParam(0)).IsOk());
  EXPECT_EQ(this->box_->GetStep(), TypeParam(1));
  ASSERT_TRUE(this->box_->SetValue(TypeParam(150), true).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(100));
  ASSERT_TRUE(this->box_->SetLimitMode(NUMBER_LIMIT_MODE::NONE).IsOk());
  ASSERT_TRUE(this->box_->SetValue(TypeParam(150), true).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(150));
  ASSERT_TRUE(this->box_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::CM).IsOk());
  EXPECT_EQ(this->Text(), (std::is_same_v<TypeParam, Int> ? "150 cm" : "150.0 cm"));
  EXPECT_EQ(this->values_, (std::vector<TypeParam>{100, 100, 150, 150})) << "limit mode and unit notify unchanged";
}

TYPED_TEST(SpinBoxWidgetTest, TypedExpressionsAndBadTextKeepTheOldValue) {
  this->TypeText("2*3");
  EXPECT_EQ(this->box_->GetValue(), TypeParam(6));
  this->TypeText("1/0");
  EXPECT_EQ(this->box_->GetValue(), TypeParam(6));
  EXPECT_EQ(this->Text(), (std::is_same_v<TypeParam, Int> ? "6 " : "6.0 ")) << "the text comes back";
  this->TypeText("2.5");
  EXPECT_EQ(this->box_->GetValue(), (std::is_same_v<TypeParam, Int> ? TypeParam(3) : TypeParam(2.5)));
  this->TypeText("-2.5");
  EXPECT_EQ(this->box_->GetValue(), (std::is_same_v<TypeParam, Int> ? TypeParam(-2) : TypeParam(-2.5)));
  this->TypeText("nonsense");
  EXPECT_EQ(this->values_.size(), 5u) << "a refused text still tells the kept value";
  EXPECT_EQ(this->values_[1], TypeParam(6));
}

TYPED_TEST(SpinBoxWidgetTest, UnitsAreEvaluatedAndShown) {
  ASSERT_TRUE(this->box_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::MM).IsOk());
  this->TypeText("2.5cm + 3*4mm");
  EXPECT_EQ(this->box_->GetValue(), TypeParam(37));
  EXPECT_EQ(this->Text(), (std::is_same_v<TypeParam, Int> ? "37 mm" : "37.0 mm"));
  ASSERT_TRUE(this->box_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::DEGREE).IsOk());
  this->TypeText("45\u00B0 * 2");
  EXPECT_EQ(this->box_->GetValue(), TypeParam(90));
  EXPECT_EQ(this->Text(), (std::is_same_v<TypeParam, Int> ? "90 \u00B0" : "90.0 \u00B0"));
}

TYPED_TEST(SpinBoxWidgetTest, AHeldArrowRepeatsFasterOnTheVirtualClock) {
  auto& queue = GetMainThreadQueue();
  const Vector2d at = this->Center(this->Impl().GetIncrementSpinner());
  ASSERT_TRUE(this->driver_->Press(at).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(1));
  queue.AdvanceTime(HostDurationFromSeconds(0.5));
  EXPECT_EQ(this->box_->GetValue(), TypeParam(1)) << "nothing repeats in the first half second";
  queue.AdvanceTime(HostDurationFromSeconds(0.05));
  EXPECT_EQ(this->box_->GetValue(), TypeParam(2));
  queue.AdvanceTime(HostDurationFromSeconds(0.95));  // to 1.5 s: 19 more single steps
  EXPECT_EQ(this->box_->GetValue(), TypeParam(21));
  queue.AdvanceTime(HostDurationFromSeconds(0.05));
  EXPECT_EQ(this->box_->GetValue(), TypeParam(31));
  queue.AdvanceTime(HostDurationFromSeconds(2.0));  // to 3.55 s: 39 tens, then a hundred
  EXPECT_EQ(this->box_->GetValue(), TypeParam(31 + 390 + 100));
  ASSERT_TRUE(this->driver_->Release(at).IsOk());
  const TypeParam released = this->box_->GetValue();
  queue.AdvanceTime(HostDurationFromSeconds(1.0));
  EXPECT_EQ(this->box_->GetValue(), released) << "the release stops the repeat";
  EXPECT_EQ(this->told_.back().back(), '0') << "notified inactive";
}

TYPED_TEST(SpinBoxWidgetTest, ModifiersRightClickAndDragging) {
  auto& impl = this->Impl();
  const Vector2d up = this->Center(impl.GetIncrementSpinner());
  const Vector2d down = this->Center(impl.GetDecrementSpinner());
  ASSERT_TRUE(this->driver_->Press(up, BUTTON::LEFT, MODIFIER::SHIFT).IsOk());
  ASSERT_TRUE(this->driver_->Release(up).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(10));
  ASSERT_TRUE(this->driver_->Press(down, BUTTON::LEFT, MODIFIER::ALT).IsOk());
  ASSERT_TRUE(this->driver_->Release(down).IsOk());
  if constexpr (std::is_same_v<TypeParam, Int>) {
    EXPECT_EQ(this->box_->GetValue(), 9) << "truncation of 10 - 0.1";
  } else {
    EXPECT_NEAR(this->box_->GetValue(), 9.9, 1e-6);
  }
  ASSERT_TRUE(this->box_->SetDefaultValue(TypeParam(4)).IsOk());
  ASSERT_TRUE(this->driver_->Press(down, BUTTON::RIGHT).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(4));
  ASSERT_TRUE(this->driver_->Release(down, BUTTON::RIGHT).IsOk());

  // Dragging right steps up by one per event, whatever the distance, on either arrow.
  ASSERT_TRUE(this->driver_->Press(down).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(3));
  ASSERT_TRUE(this->driver_->Drag(down).IsOk());
  ASSERT_TRUE(this->driver_->Drag({down.x + 40, down.y}).IsOk());
  ASSERT_TRUE(this->driver_->Drag({down.x + 3, down.y}).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(5));
  EXPECT_TRUE(dynamic_cast<SpinnerWidgetImpl&>(*impl.GetDecrementSpinner()).IsActive());
  EXPECT_EQ(this->window_->GetCanvas()->GetMouseCoordinates(), down) << "the pointer stays pinned";
  ASSERT_TRUE(this->driver_->Release(down).IsOk());
  EXPECT_FALSE(dynamic_cast<SpinnerWidgetImpl&>(*impl.GetDecrementSpinner()).IsActive());
  const std::vector<std::string> tail(this->told_.end() - 4, this->told_.end());
  EXPECT_EQ(tail.back().back(), '0') << "the release tells the final value as inactive";
  EXPECT_EQ(tail[1].back(), 'a') << "drag steps tell active";
}

TYPED_TEST(SpinBoxWidgetTest, WheelAndMissingLinks) {
  ASSERT_TRUE(this->driver_->Scroll(EventDriver::CenterOf(*this->box_), {0, 40}).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(1));
  ASSERT_TRUE(this->driver_->Scroll(EventDriver::CenterOf(*this->box_), {0, -40}).IsOk());
  ASSERT_TRUE(this->driver_->Scroll(EventDriver::CenterOf(*this->box_), {0, -40}).IsOk());
  EXPECT_EQ(this->box_->GetValue(), TypeParam(-1));

  auto bare = test::NewObject<SpinBoxWidgetInterface<TypeParam>>(ClassOf<TypeParam>::kId);
  Result<void> unset = bare->SetValue(TypeParam(1), false);
  ASSERT_FALSE(unset.IsOk());
  EXPECT_EQ(unset.GetError().GetMessage(), "Widget link not set.");
  Result<void> unarranged = bare->HandleSwitchLayout();
  ASSERT_FALSE(unarranged.IsOk());
  EXPECT_EQ(unarranged.GetError().GetMessage(), "Widgets links not set.");
}

TEST(SpinBoxMathTest, FormattingAndSteps) {
  EXPECT_EQ(FormatSpinBoxText<Int>(5, NUMBER_WIDGET_UNIT_TYPE::NONE), "5 ");
  EXPECT_EQ(FormatSpinBoxText<Float>(2.0, NUMBER_WIDGET_UNIT_TYPE::KM), "2.0 km");
  EXPECT_EQ(FormatSpinBoxText<Float>(1.0 / 3.0, NUMBER_WIDGET_UNIT_TYPE::PERCENT), "0.333333 %");
  EXPECT_EQ(ApplySpinBoxStep<Int>(INT64_MAX, 1, 1.0), INT64_MAX) << "saturates";
  EXPECT_EQ(ApplySpinBoxStep<Int>(INT64_MIN, 1, -100.0), INT64_MIN);
  EXPECT_EQ(ApplySpinBoxStep<Int>(5, 1, kSpinnerAltFactor), 5);
  EXPECT_EQ(SpinnerRepeatSteps(0.5), 0.0);
  EXPECT_EQ(SpinnerRepeatSteps(0.55), 1.0);
  EXPECT_EQ(SpinnerRepeatSteps(1.55), 10.0);
  EXPECT_EQ(SpinnerRepeatSteps(3.55), 100.0);
  EXPECT_EQ(SpinnerDragMovement({-5, 0}, WIDGET_ORIENTATION::LEFT_RIGHT, WIDGET_R2L_MODE::RIGHT_TO_LEFT), -5.0);
  EXPECT_EQ(PrepareSpinBoxExpression("90\u00B0 + 1rad", NUMBER_WIDGET_UNIT_TYPE::DEGREE).text, "90 + 1");
  EXPECT_EQ(PrepareSpinBoxExpression("50 %", NUMBER_WIDGET_UNIT_TYPE::PERCENT).text, "50 ");
  Result<Int> overflow = EvaluateSpinBoxText<Int>("1e19", NUMBER_WIDGET_UNIT_TYPE::NONE);
  ASSERT_FALSE(overflow.IsOk());
  EXPECT_EQ(overflow.GetError().GetMessage(), "Integer overflow");
}

}  // namespace
}  // namespace zarvo
