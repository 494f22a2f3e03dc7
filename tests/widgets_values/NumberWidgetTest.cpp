#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CompoundSpinboxSliderWidgetInterface.h"
#include "source/widgets_values/NumberWidgetImpl.h"
#include "source/widgets_values/SpinBoxWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using Layout = COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT;

template <class T>
constexpr const char* ClassIdOf() {
  return std::is_same_v<T, Int> ? kIntNumberWidgetClassId : kFloatNumberWidgetClassId;
}

// Who heard what, in order: "number", "spinbox" or "slider", the value and "a" for a drag.
template <class T>
std::string Entry(const char* who, T value, Bool active) {
  return std::string(who) + " " + std::to_string(static_cast<Int>(value)) + (active ? "a" : "");
}

template <class T>
class NumberWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 400, 80});
    ASSERT_TRUE(window_);
    number_ = test::NewObject<CompoundSpinboxSliderWidgetInterface<T>>(ClassIdOf<T>());
    ASSERT_TRUE(number_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(number_).IsOk());
    ASSERT_TRUE(number_->CreateLayout().IsOk());
    number_->SetLocalPosition({10, 10});
    Update();
    spinBox_ = *number_->GetSpinbox();
    slider_ = *number_->GetSlider();
    driver_ = std::make_unique<EventDriver>(*window_);
    number_->ObservableValueChanged()->AddObserver([this](const WidgetRef& sender, T value, Bool active) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(number_.Get()));
      EXPECT_EQ(spinBox_->GetValue(), slider_->GetValue()) << "the children agree before anyone hears";
      told_.push_back(Entry("number", value, active));
      return Ok();
    });
    spinBox_->ObservableValueChanged()->AddObserver([this](const WidgetRef&, T value, Bool active) -> Result<void> {
      told_.push_back(Entry("spinbox", value, active));
      return Ok();
    });
    slider_->ObservableValueChanged()->AddObserver([this](const WidgetRef&, T value, Bool active) -> Result<void> {
      told_.push_back(Entry("slider", value, active));
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  std::string SpinBoxText() { return dynamic_cast<SpinBoxWidgetImpl<T>&>(*spinBox_).GetTextEdit()->GetText(); }
  void TypeText(const std::string& text) {
    ASSERT_TRUE(driver_->Click(*dynamic_cast<SpinBoxWidgetImpl<T>&>(*spinBox_).GetTextEdit()).IsOk());
    ASSERT_TRUE(driver_->Type(text).IsOk());
    ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  }
  // The point at a share of the slider's track, in the middle across it.
  Vector2d OnSlider(Float share) const {
    const Rect frame = slider_->GetGlobalFrame();
    return {frame.left + share * frame.Width(), (frame.top + frame.bottom) / 2};
  }
  T Value() {
    Result<T> value = number_->GetValue();
    EXPECT_TRUE(value.IsOk()) << value.GetError().ToString();
    return value.IsOk() ? *value : T(-1);
  }

  Ref<AppWindow> window_;
  Ref<CompoundSpinboxSliderWidgetInterface<T>> number_;
  Ref<SpinBoxWidgetInterface<T>> spinBox_;
  Ref<SliderWidgetInterface<T>> slider_;
  std::unique_ptr<EventDriver> driver_;
  std::vector<std::string> told_;
};

using ValueTypes = testing::Types<Int, Float>;
TYPED_TEST_SUITE(NumberWidgetTest, ValueTypes);

TYPED_TEST(NumberWidgetTest, ConstructionBuildsTwoPaddedCellsWithChildrenThatAgree) {
  using T = TypeParam;
  EXPECT_EQ(this->number_->GetCountX(), 2);
  EXPECT_EQ(this->number_->GetCountY(), 1);
  for (Int x = 0; x < 2; ++x) {
    Result<CellWidgetRef> cell = this->number_->GetCell(x, 0);
    ASSERT_TRUE(cell.IsOk());
    EXPECT_EQ((*cell)->GetLeftPadding(), CanvasUnitValue::Pix(3));
    EXPECT_EQ((*cell)->GetBottomPadding(), CanvasUnitValue::Pix(3));
  }
  EXPECT_EQ(this->Value(), T(50));
  EXPECT_EQ(*this->number_->GetMin(), T(0));
  EXPECT_EQ(*this->number_->GetMax(), T(100));
  EXPECT_EQ(*this->number_->GetStep(), T(1));
  EXPECT_EQ(*this->number_->GetLimitMode(), NUMBER_LIMIT_MODE::LIMIT_MIN_MAX);
  EXPECT_EQ(*this->number_->GetUnit(), NUMBER_WIDGET_UNIT_TYPE::NONE);
  EXPECT_EQ(this->number_->GetLayout(), Layout::SPINBOX_AND_SLIDER);
  EXPECT_STREQ(this->number_->ObservableValueChanged()->GetObservableId(), "ObservableValueChanged");
}

TYPED_TEST(NumberWidgetTest, WithoutChildrenEveryOperationReportsTheMissingLink) {
  using T = TypeParam;
  Ref<CompoundSpinboxSliderWidgetInterface<T>> bare =
      test::NewObject<CompoundSpinboxSliderWidgetInterface<T>>(ClassIdOf<T>());
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->GetSpinbox().GetError().GetMessage(), "Widget Link not set.");
  EXPECT_EQ(bare->GetSlider().GetError().GetMessage(), "Widget Link not set.");
  EXPECT_EQ(bare->SetValue(T(1), true).GetError().GetMessage(), "Widget Link not set.");
  EXPECT_EQ(bare->SetMin(T(1)).GetError().GetMessage(), "Widget Link not set.");
  EXPECT_EQ(bare->GetValue().GetError().GetMessage(), "Widget Link not set.");
}

TYPED_TEST(NumberWidgetTest, DraggingTheSliderUpdatesTheSpinBoxOnEveryStep) {
  using T = TypeParam;
  const bool ints = std::is_same_v<T, Int>;
  ASSERT_TRUE(*this->driver_->Press(this->OnSlider(0.2)));
  const T first = this->slider_->GetValue();
  EXPECT_EQ(this->spinBox_->GetValue(), first);
  ASSERT_TRUE(*this->driver_->Drag(this->OnSlider(0.8)));
  const T second = this->slider_->GetValue();
  EXPECT_GT(second, first);
  EXPECT_EQ(this->spinBox_->GetValue(), second);
  EXPECT_EQ(this->SpinBoxText(), std::to_string(static_cast<Int>(second)) + (ints ? " " : ".0 "));
  ASSERT_TRUE(*this->driver_->Release(this->OnSlider(0.8)));
  EXPECT_EQ(this->Value(), second);
  // The number widget subscribed to its slider when it was built, so its observers hear within
  // the slider's first notification, before the slider's later observers; the spin box is set
  // silently and tells nobody.
  EXPECT_EQ(this->told_, (std::vector<std::string>{Entry("number", first, true), Entry("slider", first, true),
                                                   Entry("number", second, true), Entry("slider", second, true),
                                                   Entry("number", second, false), Entry("slider", second, false)}));
}

TYPED_TEST(NumberWidgetTest, TypingInTheSpinBoxMovesTheSliderAndBadTextKeepsTheValue) {
  using T = TypeParam;
  this->TypeText("2*3");
  EXPECT_EQ(this->slider_->GetValue(), T(6));
  EXPECT_EQ(this->Value(), T(6));
  this->TypeText("nonsense");
  EXPECT_EQ(this->Value(), T(6));
  EXPECT_EQ(this->SpinBoxText(), (std::is_same_v<T, Int> ? "6 " : "6.0 ")) << "the text comes back";
  EXPECT_EQ(this->told_, (std::vector<std::string>{"number 6", "spinbox 6", "number 6", "spinbox 6"}))
      << "a refused text is told again with the kept value; the slider tells nobody";
}

TYPED_TEST(NumberWidgetTest, SetValueSetsBothSilentlyAndTellsTheHeldValueOnce) {
  using T = TypeParam;
  ASSERT_TRUE(this->number_->SetValue(T(30), false).IsOk());
  EXPECT_EQ(this->Value(), T(30));
  EXPECT_TRUE(this->told_.empty());
  ASSERT_TRUE(this->number_->SetValue(T(500), true).IsOk());
  EXPECT_EQ(this->Value(), T(100)) << "held by the range";
  EXPECT_EQ(this->told_, (std::vector<std::string>{"number 100"}));
}

TYPED_TEST(NumberWidgetTest, SettersReachBothChildrenAndARefusalLeavesBothAlone) {
  using T = TypeParam;
  Result<void> refused = this->number_->SetMin(T(200));
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "min is not smaller then max.");
  EXPECT_EQ(this->slider_->GetMin(), T(0));
  EXPECT_EQ(this->spinBox_->GetMin(), T(0));
  ASSERT_TRUE(this->number_->SetMax(T(1000)).IsOk());
  ASSERT_TRUE(this->number_->SetMin(T(-10)).IsOk());
  ASSERT_TRUE(this->number_->SetStep(T(5)).IsOk());
  ASSERT_TRUE(this->number_->SetDefaultValue(T(20)).IsOk());
  EXPECT_EQ(*this->number_->GetMax(), T(1000));
  EXPECT_EQ(*this->number_->GetMin(), T(-10));
  EXPECT_EQ(*this->number_->GetStep(), T(5));
  EXPECT_EQ(*this->number_->GetDefaultValue(), T(20));
  ASSERT_TRUE(this->number_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::CM).IsOk());
  EXPECT_EQ(*this->number_->GetUnit(), NUMBER_WIDGET_UNIT_TYPE::CM);
  ASSERT_TRUE(this->number_->SetValueToDefault().IsOk());
  EXPECT_EQ(this->Value(), T(20));

  ASSERT_TRUE(this->slider_->SetMax(T(999)).IsOk());
  Result<T> apart = this->number_->GetMax();
  ASSERT_FALSE(apart.IsOk());
  EXPECT_EQ(apart.GetError().GetMessage(), "Spinbox and slider values don't match");
}

TYPED_TEST(NumberWidgetTest, TheLayoutShowsEitherOrBoth) {
  auto check = [this](Layout layout, bool spinBox, bool slider, SPINBOX_LAYOUT arrows) {
    SCOPED_TRACE(static_cast<int>(layout));
    this->number_->SetLayout(layout);
    this->Update();
    EXPECT_EQ((*this->number_->GetCell(0, 0))->GetLocalVisibility(), spinBox);
    EXPECT_EQ((*this->number_->GetCell(1, 0))->GetLocalVisibility(), slider);
    EXPECT_EQ(this->spinBox_->GetLayout(), arrows);
  };
  check(Layout::SLIDER, false, true, SPINBOX_LAYOUT::NORMAL);
  check(Layout::MINIMAL, true, false, SPINBOX_LAYOUT::MINIMAL);
  auto& box = dynamic_cast<SpinBoxWidgetImpl<TypeParam>&>(*this->spinBox_);
  EXPECT_FALSE(box.GetIncrementSpinner()->GetLocalVisibility()) << "no arrows";
  check(Layout::SPINBOX, true, false, SPINBOX_LAYOUT::NORMAL);
  EXPECT_TRUE(box.GetIncrementSpinner()->GetLocalVisibility());
  check(Layout::SPINBOX_AND_SLIDER, true, true, SPINBOX_LAYOUT::NORMAL);
  check(static_cast<Layout>(7), true, true, SPINBOX_LAYOUT::NORMAL);
}

TEST(NumberWidgetGoldenTest, SpinBoxAndSliderSideBySide) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 320, 50});
  ASSERT_TRUE(window);
  IntNumberWidgetRef number = test::NewObject<IntNumberWidgetInterface>(kIntNumberWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(number).IsOk());
  ASSERT_TRUE(number->CreateLayout().IsOk());
  number->SetLocalPosition({5, 5});
  ASSERT_TRUE(number->SetValue(30, false).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  test::ExpectMatchesGolden(window->GetHostCanvas()->GetOsWindow()->GetSurface(), "number_int");
}

}  // namespace
}  // namespace zarvo
