#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/gfx/SVGDocumentInterface.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/SliderWidgetInterface.h"
#include "source/widgets_values/SliderWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using O = WIDGET_ORIENTATION;
constexpr O kOrientations[] = {O::LEFT_RIGHT, O::RIGHT_LEFT, O::TOP_BOTTOM, O::BOTTOM_TOP};
// 22 FON at 13 pixels per REM.
constexpr Float kThickness = 22.0 / 11.0 * 13.0;
constexpr Float kWindowSide = 300.0;
// Where the slider lies across its track, away from the window's edges.
constexpr Float kAcross = 100.0;

template <class T>
constexpr const char* ClassIdOf() {
  return std::is_same_v<T, Int> ? kIntSliderWidgetClassId : kFloatSliderWidgetClassId;
}

void ExpectError(const Result<void>& result, const char* message) {
  ASSERT_FALSE(result.IsOk()) << "expected: " << message;
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(result.GetError().GetMessage(), message);
}

Float Percent(const SVGElementRef& element, const char* attribute) {
  Result<std::string> text = element->GetAttribute(attribute);
  EXPECT_TRUE(text.IsOk()) << element->GetId() << " has no " << attribute;
  if (!text.IsOk()) return -1.0;
  EXPECT_EQ(text->back(), '%');
  return std::stod(*text);
}

template <class T>
class SliderWidgetTest : public testing::Test {
 protected:
  using Slider = SliderWidgetInterface<T>;
  struct Told {
    T value;
    bool dragging;
    friend bool operator==(const Told&, const Told&) = default;
  };

  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, kWindowSide, kWindowSide});
    ASSERT_TRUE(window_);
    slider_ = test::NewObject<Slider>(ClassIdOf<T>());
    ASSERT_TRUE(slider_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(slider_).IsOk());
    ASSERT_TRUE(slider_->CreateLayout().IsOk());
    Orient(O::LEFT_RIGHT);
    slider_->ObservableValueChanged()->AddObserver([this](const WidgetRef& sender, T value, Bool dragging) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(slider_.Get()));
      told_.push_back({value, dragging});
      return Ok();
    });
  }

  // The slider turned to an orientation: as long as the window along it, across it at kAcross.
  void Orient(O orientation) {
    slider_->SetOrientation(orientation);
    slider_->SetLocalPosition(IsHorizontal(orientation) ? Vector2d{0, kAcross} : Vector2d{kAcross, 0});
    Update();
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  const SliderWidgetImpl<T>& Impl() const { return dynamic_cast<const SliderWidgetImpl<T>&>(*slider_); }
  // The point at a share of the track from its start, in the middle across it.
  Vector2d At(Float share) const {
    const Rect frame = slider_->GetGlobalFrame();
    const Float midX = (frame.left + frame.right) / 2, midY = (frame.top + frame.bottom) / 2;
    switch (slider_->GetEffectiveOrientation()) {
      case O::LEFT_RIGHT: return {frame.left + share * frame.Width(), midY};
      case O::RIGHT_LEFT: return {frame.right - share * frame.Width(), midY};
      case O::TOP_BOTTOM: return {midX, frame.top + share * frame.Height()};
      case O::BOTTOM_TOP: return {midX, frame.bottom - share * frame.Height()};
    }
    return {};
  }
  Result<bool> Send(const DataDictionary& event) { return slider_->HandleEvent(&event); }
  SVGElementRef Track(const char* id) {
    Result<SVGElementRef> element = Impl().GetTrackDocument()->GetElementById(id);
    EXPECT_TRUE(element.IsOk()) << id;
    return element.IsOk() ? *element : SVGElementRef();
  }

  Ref<AppWindow> window_;
  Ref<Slider> slider_;
  std::vector<Told> told_;
};

using ValueTypes = testing::Types<Int, Float>;
TYPED_TEST_SUITE(SliderWidgetTest, ValueTypes);

TYPED_TEST(SliderWidgetTest, StartsAsAFocusableZeroToHundredSliderAtFiftySizedByItsOrientation) {
  using T = TypeParam;
  auto& slider = *this->slider_;
  EXPECT_EQ(slider.GetName(), (std::is_same_v<T, Int> ? "IntSliderWidget" : "FloatSliderWidget"));
  EXPECT_EQ(slider.GetMin(), T(0));
  EXPECT_EQ(slider.GetMax(), T(100));
  EXPECT_EQ(slider.GetStep(), T(1));
  EXPECT_EQ(slider.GetValue(), T(50));
  EXPECT_EQ(slider.GetDefaultValue(), T(0));
  EXPECT_EQ(slider.GetLimitMode(), NUMBER_LIMIT_MODE::LIMIT_MIN_MAX);
  EXPECT_EQ(slider.GetUnit(), NUMBER_WIDGET_UNIT_TYPE::NONE);
  EXPECT_EQ(slider.GetStyle(), SLIDER_STYLE::LINEAR);
  EXPECT_TRUE(slider.GetAcceptFocus());
  EXPECT_TRUE(slider.GetAcceptTabFocus());
  EXPECT_TRUE(slider.GetFocusVisibility());
  EXPECT_STREQ(slider.ObservableValueChanged()->GetObservableId(), "ObservableValueChanged");
  EXPECT_TRUE(this->Impl().GetTrackDocument()->IsLoaded());
  EXPECT_TRUE(this->Impl().GetKnobDocument()->IsLoaded());
  // As long as its parent along the track, fixed across it.
  for (O orientation : kOrientations) {
    this->Orient(orientation);
    const Vector2d size = slider.GetLocalPixSize();
    EXPECT_DOUBLE_EQ(IsHorizontal(orientation) ? size.x : size.y, kWindowSide);
    EXPECT_DOUBLE_EQ(IsHorizontal(orientation) ? size.y : size.x, kThickness);
  }
}

TYPED_TEST(SliderWidgetTest, SettersHoldTheRangeClampByTheLimitModeAndTellWhenAsked) {
  using T = TypeParam;
  using Told = typename TestFixture::Told;
  auto& slider = *this->slider_;
  ExpectError(slider.SetMin(T(100)), "min is not smaller then max.");
  ExpectError(slider.SetMax(T(0)), "max is not greater then min.");
  EXPECT_EQ(slider.GetMin(), T(0));
  EXPECT_EQ(slider.GetMax(), T(100));

  ASSERT_TRUE(slider.SetStep(T(0)).IsOk());
  EXPECT_EQ(slider.GetStep(), T(1));
  ASSERT_TRUE(slider.SetStep(T(-2)).IsOk());
  EXPECT_EQ(slider.GetStep(), T(-2));

  ASSERT_TRUE(slider.SetValue(T(150), false).IsOk());
  EXPECT_EQ(slider.GetValue(), T(100));
  ASSERT_TRUE(slider.SetValue(T(-3), true).IsOk());
  EXPECT_EQ(slider.GetValue(), T(0));
  ASSERT_TRUE(slider.SetDefaultValue(T(120)).IsOk());
  EXPECT_EQ(slider.GetDefaultValue(), T(100));
  ASSERT_TRUE(slider.SetValueToDefault().IsOk());

  // Range changes do not hold the value again; only setting it does.
  ASSERT_TRUE(slider.SetMax(T(50)).IsOk());
  EXPECT_EQ(slider.GetValue(), T(100));
  ASSERT_TRUE(slider.SetLimitMode(NUMBER_LIMIT_MODE::LIMIT_MIN_MAX).IsOk());
  EXPECT_EQ(slider.GetValue(), T(50));
  ASSERT_TRUE(slider.SetUnit(NUMBER_WIDGET_UNIT_TYPE::PERCENT).IsOk());
  EXPECT_EQ(slider.GetUnit(), NUMBER_WIDGET_UNIT_TYPE::PERCENT);
  ASSERT_TRUE(slider.SetLimitMode(NUMBER_LIMIT_MODE::NONE).IsOk());
  ASSERT_TRUE(slider.SetValue(T(150), false).IsOk());
  EXPECT_EQ(slider.GetValue(), T(150));
  ASSERT_TRUE(slider.SetStyle(SLIDER_STYLE::RISE).IsOk());
  EXPECT_EQ(slider.GetStyle(), SLIDER_STYLE::RISE);
  // The limit mode and the unit tell the value again even when it stays.
  EXPECT_EQ(this->told_, (std::vector<Told>{{T(0), false}, {T(100), false}, {T(50), false}, {T(50), false},
                                            {T(50), false}}));
}

TYPED_TEST(SliderWidgetTest, AClickInTheMiddleSetsFiftyAndTellsTheDragAndItsEnd) {
  using T = TypeParam;
  using Told = typename TestFixture::Told;
  for (O orientation : kOrientations) {
    SCOPED_TRACE(static_cast<int>(orientation));
    this->Orient(orientation);
    ASSERT_TRUE(this->slider_->SetValue(T(0), false).IsOk());
    this->told_.clear();
    EventDriver driver(*this->window_);
    ASSERT_TRUE(*driver.Press(this->At(0.5)));
    EXPECT_TRUE(this->Impl().IsDragging());
    ASSERT_TRUE(*driver.Release(this->At(0.5)));
    EXPECT_FALSE(this->Impl().IsDragging());
    EXPECT_EQ(this->slider_->GetValue(), T(50));
    EXPECT_EQ(this->told_, (std::vector<Told>{{T(50), true}, {T(50), false}}));
  }
}

TYPED_TEST(SliderWidgetTest, DraggingQuantisesToStepPercentsAndHoldsAtTheEnds) {
  using T = TypeParam;
  using Told = typename TestFixture::Told;
  for (O orientation : kOrientations) {
    SCOPED_TRACE(static_cast<int>(orientation));
    this->Orient(orientation);
    this->told_.clear();
    ASSERT_TRUE(this->slider_->SetMax(T(1000)).IsOk());
    ASSERT_TRUE(this->slider_->SetStep(T(1)).IsOk());
    EventDriver driver(*this->window_);
    ASSERT_TRUE(*driver.Press(this->At(0.1234)));
    EXPECT_EQ(this->slider_->GetValue(), T(120)) << "whole percents of the range";
    ASSERT_TRUE(*driver.Drag(this->At(0.5678)));
    EXPECT_EQ(this->slider_->GetValue(), T(560));
    ASSERT_TRUE(*driver.Drag(this->At(1.5)));
    EXPECT_EQ(this->slider_->GetValue(), T(1000)) << "past the end is max";
    ASSERT_TRUE(*driver.Release(this->At(-0.5)));
    EXPECT_EQ(this->slider_->GetValue(), T(0)) << "before the start is min";
    EXPECT_EQ(this->told_,
              (std::vector<Told>{{T(120), true}, {T(560), true}, {T(1000), true}, {T(0), false}}));

    // With step 5 the drag lands on multiples of five percent.
    ASSERT_TRUE(this->slider_->SetStep(T(5)).IsOk());
    ASSERT_TRUE(*driver.Press(this->At(0.1234)));
    EXPECT_EQ(this->slider_->GetValue(), T(100));
    ASSERT_TRUE(*driver.Release(this->At(0.6789)));
    EXPECT_EQ(this->slider_->GetValue(), T(650));
    ASSERT_TRUE(this->slider_->SetMax(T(100)).IsOk());
  }
}

TEST(SliderWidgetFloatTest, AFloatDragTakesFractionalStepsAndAnIntDragWholePercents) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, kWindowSide, kWindowSide});
  FloatSliderWidgetRef floats = test::NewObject<FloatSliderWidgetInterface>(kFloatSliderWidgetClassId);
  IntSliderWidgetRef ints = test::NewObject<IntSliderWidgetInterface>(kIntSliderWidgetClassId);
  for (WidgetInterface* slider : {static_cast<WidgetInterface*>(floats.Get()), static_cast<WidgetInterface*>(ints.Get())}) {
    ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(WidgetRef(slider)).IsOk());
    ASSERT_TRUE(slider->CreateLayout().IsOk());
  }
  ints->SetLocalPosition({0, 100});
  ASSERT_TRUE(window->Update().IsOk());
  ASSERT_TRUE(floats->SetStep(0.1).IsOk());
  ASSERT_TRUE(ints->SetStep(Int(1)).IsOk());
  ASSERT_TRUE(floats->SetMax(10.0).IsOk());
  ASSERT_TRUE(ints->SetMax(Int(10)).IsOk());
  const DataDictionary floatPress = MakeMouseEvent(EVENT::BUTTON_DOWN, {0.4567 * kWindowSide, 10}, BUTTON::LEFT);
  ASSERT_TRUE(*floats->HandleEvent(&floatPress));
  EXPECT_NEAR(floats->GetValue(), 4.56, 1e-9);
  // 33 % of 0..10 is 3.3, truncated.
  const DataDictionary intPress = MakeMouseEvent(EVENT::BUTTON_DOWN, {0.335 * kWindowSide, 110}, BUTTON::LEFT);
  ASSERT_TRUE(*ints->HandleEvent(&intPress));
  EXPECT_EQ(ints->GetValue(), 3);
}

TYPED_TEST(SliderWidgetTest, OtherButtonsStrayDragsAndForeignEventsAreLeftAlone) {
  using T = TypeParam;
  const DataDictionary right = MakeMouseEvent(EVENT::BUTTON_DOWN, this->At(0.9), BUTTON::RIGHT);
  EXPECT_FALSE(*this->Send(right));
  const DataDictionary both = MakeMouseEvent(EVENT::BUTTON_DOWN, this->At(0.9), BUTTON::LEFT | BUTTON::RIGHT);
  EXPECT_FALSE(*this->Send(both));
  const DataDictionary rightUp = MakeMouseEvent(EVENT::BUTTON_UP, this->At(0.9), BUTTON::RIGHT);
  EXPECT_FALSE(*this->Send(rightUp));
  // Without a press a drag moves nothing, though it is taken.
  const DataDictionary drag = MakeMouseEvent(EVENT::BUTTON_DRAG, this->At(0.9), BUTTON::LEFT);
  EXPECT_TRUE(*this->Send(drag));
  EXPECT_FALSE(*this->slider_->HandleEvent(nullptr));
  const DataDictionary move = MakeMouseEvent(EVENT::MOUSE_MOVE, this->At(0.9));
  EXPECT_FALSE(*this->Send(move));
  EXPECT_EQ(this->slider_->GetValue(), T(50));
  EXPECT_TRUE(this->told_.empty());

  Ref<SliderWidgetInterface<T>> alone = test::NewObject<SliderWidgetInterface<T>>(ClassIdOf<T>());
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, {1, 1}, BUTTON::LEFT);
  EXPECT_FALSE(*alone->HandleEvent(&press)) << "off any canvas nothing is taken";
}

TYPED_TEST(SliderWidgetTest, WheelGestureAndPageKeysStepAlongTheTrack) {
  using T = TypeParam;
  for (O orientation : kOrientations) {
    SCOPED_TRACE(static_cast<int>(orientation));
    this->Orient(orientation);
    ASSERT_TRUE(this->slider_->SetValue(T(50), false).IsOk());
    ASSERT_TRUE(this->slider_->SetStep(T(3)).IsOk());
    const Float sign = orientation == O::RIGHT_LEFT || orientation == O::BOTTOM_TOP ? -1.0 : 1.0;
    const bool horizontal = IsHorizontal(orientation);
    const Vector2d forward = horizontal ? Vector2d{sign * 40, 0} : Vector2d{0, sign * 40};
    const Vector2d across = horizontal ? Vector2d{0, 40} : Vector2d{40, 0};
    EXPECT_TRUE(*this->Send(MakeScrollEvent(this->At(0.5), forward)));
    EXPECT_EQ(this->slider_->GetValue(), T(53));
    EXPECT_TRUE(*this->Send(MakeScrollEvent(this->At(0.5), forward * -0.01)));
    EXPECT_EQ(this->slider_->GetValue(), T(50));
    EXPECT_TRUE(*this->Send(MakeScrollEvent(this->At(0.5), across))) << "taken, though it moves nothing";
    EXPECT_EQ(this->slider_->GetValue(), T(50));

    DataDictionary magnify;
    magnify.Set(EventKeys::EventType(), static_cast<Int32>(EVENT::MAGNIFY));
    magnify.Set(Id("net.zarvo.ui.message.magnification"), -0.2);
    EXPECT_TRUE(*this->Send(magnify));
    EXPECT_EQ(this->slider_->GetValue(), T(47));

    EXPECT_TRUE(*this->Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::PAGE_UP)));
    EXPECT_TRUE(*this->Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_REPEAT, KEY::PAGE_UP)));
    EXPECT_EQ(this->slider_->GetValue(), T(53));
    EXPECT_TRUE(*this->Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::PAGE_DOWN)));
    EXPECT_EQ(this->slider_->GetValue(), T(50));
    EXPECT_FALSE(*this->Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::UP)));
    EXPECT_FALSE(*this->Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_UP, KEY::PAGE_UP)));
    ASSERT_TRUE(this->slider_->SetValue(T(99), false).IsOk());
    EXPECT_TRUE(*this->Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::PAGE_UP)));
    EXPECT_EQ(this->slider_->GetValue(), T(100)) << "held at max";
  }
}

TYPED_TEST(SliderWidgetTest, RightToLeftModeMirrorsAHorizontalSlider) {
  using T = TypeParam;
  this->slider_->SetAcceptR2LMode(true);
  this->slider_->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  this->Update();
  EXPECT_EQ(this->slider_->GetEffectiveOrientation(), O::RIGHT_LEFT);
  const Rect frame = this->slider_->GetGlobalFrame();
  EventDriver driver(*this->window_);
  ASSERT_TRUE(*driver.Press({frame.left + 3, frame.top + 5}));
  ASSERT_TRUE(*driver.Release({frame.left + 3, frame.top + 5}));
  EXPECT_EQ(this->slider_->GetValue(), T(99));
  this->Orient(O::TOP_BOTTOM);
  EXPECT_EQ(this->slider_->GetEffectiveOrientation(), O::TOP_BOTTOM) << "vertical ones stay";
  this->slider_->SetAcceptR2LMode(false);
  this->Orient(O::LEFT_RIGHT);
  EXPECT_EQ(this->slider_->GetEffectiveOrientation(), O::LEFT_RIGHT);
}

TYPED_TEST(SliderWidgetTest, AnObserversErrorIsReturnedAfterTheValueChanged) {
  using T = TypeParam;
  this->slider_->ObservableValueChanged()->AddObserver(
      [](const WidgetRef&, T, Bool) -> Result<void> { return IllegalStateError("observer failed"); });
  Result<bool> handled = this->Send(MakeMouseEvent(EVENT::BUTTON_DOWN, this->At(0.0), BUTTON::LEFT));
  ASSERT_FALSE(handled.IsOk());
  EXPECT_EQ(handled.GetError().GetMessage(), "observer failed");
  EXPECT_EQ(this->slider_->GetValue(), T(0));
}

TYPED_TEST(SliderWidgetTest, TheTrackShowsTheValueAndItsUndershootOrOvershoot) {
  using T = TypeParam;
  for (O orientation : kOrientations) {
    SCOPED_TRACE(static_cast<int>(orientation));
    this->Orient(orientation);
    const Float length = kWindowSide;
    ASSERT_TRUE(this->slider_->SetLimitMode(NUMBER_LIMIT_MODE::NONE).IsOk());
    ASSERT_TRUE(this->slider_->SetValue(T(25), false).IsOk());
    this->Update();
    EXPECT_DOUBLE_EQ(Percent(this->Track("FillBG"), "width"), 25.0);
    EXPECT_EQ(this->Track("UndershootBG")->GetDisplay(), SVG_DISPLAY::NONE);
    EXPECT_EQ(this->Track("OvershootBG")->GetDisplay(), SVG_DISPLAY::NONE);
    EXPECT_EQ(this->Track("MidNotch")->GetTranslation(), (Vector2d{length / 2, 0}));

    ASSERT_TRUE(this->slider_->SetValue(T(150), false).IsOk());
    this->Update();
    EXPECT_NEAR(Percent(this->Track("FillBG"), "width"), 66.667, 1e-3);
    EXPECT_NEAR(Percent(this->Track("OvershootBG"), "x"), 66.667, 1e-3);
    EXPECT_NEAR(Percent(this->Track("OvershootBG"), "width"), 33.333, 1e-3);
    EXPECT_EQ(this->Track("OvershootBG")->GetDisplay(), SVG_DISPLAY::DISPLAY);
    EXPECT_EQ(this->Track("OvershootIndicator")->GetDisplay(), SVG_DISPLAY::DISPLAY);
    EXPECT_NEAR(this->Track("OvershootIndicator")->GetTranslation().x, length / 1.5, 1e-9);

    ASSERT_TRUE(this->slider_->SetValue(T(-100), false).IsOk());
    this->Update();
    EXPECT_DOUBLE_EQ(Percent(this->Track("UndershootBG"), "width"), 50.0);
    EXPECT_EQ(this->Track("UndershootBG")->GetDisplay(), SVG_DISPLAY::DISPLAY);
    EXPECT_EQ(this->Track("UndershootIndicator")->GetTranslation(), (Vector2d{length / 2, 0}));
    EXPECT_EQ(this->Track("MidNotch")->GetTranslation(), (Vector2d{length * 3 / 4, 0}));
    EXPECT_EQ(this->Track("OvershootBG")->GetDisplay(), SVG_DISPLAY::NONE);
    EXPECT_DOUBLE_EQ(Percent(this->Track("FillBG"), "width"), 0.0);
  }
}

TYPED_TEST(SliderWidgetTest, ADragRepaintsTheSliderAloneAndARepaintRendersNothingAgain) {
  auto* canvas = dynamic_cast<Canvas*>(this->window_->GetCanvas());
  ASSERT_NE(canvas, nullptr);
  for (O orientation : kOrientations) {
    SCOPED_TRACE(static_cast<int>(orientation));
    this->Orient(orientation);
    EventDriver driver(*this->window_);
    ASSERT_TRUE(*driver.Press(this->At(0.2)));
    this->Update();
    const uint64_t rendersBeforeDrag = this->Impl().GetTrackDocument()->GetRenderCount();
    ASSERT_TRUE(*driver.Drag(this->At(0.3)));
    this->Update();
    const Rect drawn = canvas->GetLastDrawnArea();
    const Rect slider = this->slider_->GetGlobalFrame();
    // The host's damage takes two pixels of margin round a widget.
    EXPECT_GE(drawn.left, slider.left - 2);
    EXPECT_GE(drawn.top, slider.top - 2);
    EXPECT_LE(drawn.right, slider.right + 2);
    EXPECT_LE(drawn.bottom, slider.bottom + 2);
    EXPECT_FALSE(drawn.IsEmpty());
    // Only the stretch between the two knobs, half a knob either side: 30 of 300 pixels, + 27.
    const Float along = IsHorizontal(orientation) ? drawn.Width() : drawn.Height();
    EXPECT_LE(along, 0.1 * kWindowSide + kThickness + 2.0 + 1.0);
    EXPECT_EQ(this->Impl().GetTrackDocument()->GetRenderCount(), rendersBeforeDrag)
        << "a drag inside the range renders no document";
    ASSERT_TRUE(*driver.Release(this->At(0.3)));
    this->Update();

    // Drawn again unchanged, neither document renders.
    const uint64_t trackRenders = this->Impl().GetTrackDocument()->GetRenderCount();
    const uint64_t knobRenders = this->Impl().GetKnobDocument()->GetRenderCount();
    this->slider_->RequestRedraw();
    this->Update();
    EXPECT_EQ(this->Impl().GetTrackDocument()->GetRenderCount(), trackRenders);
    EXPECT_EQ(this->Impl().GetKnobDocument()->GetRenderCount(), knobRenders);
  }
}

TYPED_TEST(SliderWidgetTest, TheColourSliderPaintsItsStopsIntoAnImageAtTheNextLayout) {
  const std::vector<ColorA> stops{{1, 0, 0, 1}, {0, 0, 1, 1}};
  ASSERT_TRUE(this->slider_->SetColorSlider(true).IsOk());
  ASSERT_TRUE(this->slider_->SetSliderBackgroundColor(stops).IsOk());
  EXPECT_TRUE(this->Impl().IsBackgroundDirty());
  this->Update();
  EXPECT_FALSE(this->Impl().IsBackgroundDirty());
  const ImageRef image = this->Impl().GetBackgroundImage();
  ASSERT_TRUE(image);
  EXPECT_EQ(image->GetWidth(), static_cast<Int>(kWindowSide));
  EXPECT_EQ(image->GetHeight(), static_cast<Int>(kThickness));
  EXPECT_EQ(image->GetPixel(0, 0), (PixelRGBA8{255, 0, 0, 255}));
  EXPECT_EQ(image->GetPixel(299, 10).b, 254);

  // A new orientation paints it again: reversed right to left.
  this->Orient(O::RIGHT_LEFT);
  EXPECT_EQ(this->Impl().GetBackgroundImage()->GetPixel(0, 0), (PixelRGBA8{0, 0, 255, 255}));
}

TEST(SliderWidgetGoldenTest, NormalOutOfRangeVerticalAndColourSliders) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 180, 130});
  ASSERT_TRUE(window);
  std::vector<WidgetRef> sliders;
  auto add = [&](WidgetRef slider, O orientation, Rect frame) {
    ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(slider).IsOk());
    ASSERT_TRUE(slider->CreateLayout().IsOk());
    slider->SetOrientation(orientation);
    ASSERT_TRUE(window->Update().IsOk());
    // Placed by hand rather than stretched along the window.
    slider->SetInheritParentSize(false, DirectionOf(orientation));
    slider->SetLocalPosition({frame.left, frame.top});
    ASSERT_TRUE(slider->SetLocalSize(frame.Width(), frame.Height()).IsOk());
    sliders.push_back(slider);
  };
  FloatSliderWidgetRef plain = test::NewObject<FloatSliderWidgetInterface>(kFloatSliderWidgetClassId);
  IntSliderWidgetRef over = test::NewObject<IntSliderWidgetInterface>(kIntSliderWidgetClassId);
  FloatSliderWidgetRef under = test::NewObject<FloatSliderWidgetInterface>(kFloatSliderWidgetClassId);
  FloatSliderWidgetRef color = test::NewObject<FloatSliderWidgetInterface>(kFloatSliderWidgetClassId);
  IntSliderWidgetRef upright = test::NewObject<IntSliderWidgetInterface>(kIntSliderWidgetClassId);
  add(plain, O::LEFT_RIGHT, Rect{6, 6, 146, 32});
  add(over, O::LEFT_RIGHT, Rect{6, 36, 146, 62});
  add(under, O::RIGHT_LEFT, Rect{6, 66, 146, 92});
  add(color, O::LEFT_RIGHT, Rect{6, 96, 146, 122});
  add(upright, O::BOTTOM_TOP, Rect{150, 6, 176, 122});
  ASSERT_TRUE(plain->SetValue(30.0, false).IsOk());
  ASSERT_TRUE(over->SetLimitMode(NUMBER_LIMIT_MODE::NONE).IsOk());
  ASSERT_TRUE(over->SetValue(Int(150), false).IsOk());
  ASSERT_TRUE(under->SetLimitMode(NUMBER_LIMIT_MODE::NONE).IsOk());
  ASSERT_TRUE(under->SetValue(-50.0, false).IsOk());
  ASSERT_TRUE(color->SetColorSlider(true).IsOk());
  ASSERT_TRUE(color->SetSliderBackgroundColor({{1, 0, 0, 1}, {1, 1, 0, 1}, {0, 0.6, 1, 1}}).IsOk());
  ASSERT_TRUE(color->SetValue(70.0, false).IsOk());
  ASSERT_TRUE(upright->SetValue(Int(75), false).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  test::ExpectMatchesGolden(window->GetHostCanvas()->GetOsWindow()->GetSurface(), "sliders");
}

}  // namespace
}  // namespace zarvo
