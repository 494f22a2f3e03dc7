#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/VecWidgetInterface.h"
#include "source/widgets_values/SpinBoxWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

template <class V>
struct ClassOf;
template <>
struct ClassOf<Vector2d> {
  static constexpr const char* kId = kVector2dWidgetClassId;
};
template <>
struct ClassOf<Vector> {
  static constexpr const char* kId = kVectorWidgetClassId;
};
template <>
struct ClassOf<Vector4d> {
  static constexpr const char* kId = kVector4dWidgetClassId;
};
template <>
struct ClassOf<IntVector2d> {
  static constexpr const char* kId = kIntVector2dWidgetClassId;
};
template <>
struct ClassOf<IntVector> {
  static constexpr const char* kId = kIntVectorWidgetClassId;
};
template <>
struct ClassOf<IntVector4d> {
  static constexpr const char* kId = kIntVector4dWidgetClassId;
};

// A vector whose component i is first + i.
template <class V>
V Counting(typename VectorShape<V>::Component first) {
  V v;
  using T = typename VectorShape<V>::Component;
  for (Int i = 0; i < VectorShape<V>::kCount; ++i) VectorShape<V>::Set(v, i, first + static_cast<T>(i));
  return v;
}

// What an observer heard: the component, the drag flag, and the value.
template <class V>
struct Heard {
  Int component;
  Bool active;
  V value;
  friend bool operator==(const Heard&, const Heard&) = default;
};

template <class V>
class VecWidgetTest : public testing::Test {
 protected:
  using Shape = VectorShape<V>;
  using T = typename Shape::Component;

  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 600, 80});
    ASSERT_TRUE(window_);
    vec_ = test::NewObject<VecWidgetInterface<V>>(ClassOf<V>::kId);
    ASSERT_TRUE(vec_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(vec_).IsOk());
    ASSERT_TRUE(vec_->CreateLayout().IsOk());
    vec_->SetLocalPosition({10, 10});
    Update();
    driver_ = std::make_unique<EventDriver>(*window_);
    vec_->ObservableValueChanged()->AddObserver(
        [this](const WidgetRef& sender, V value, Int component, Bool active) -> Result<void> {
          EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(vec_.Get()));
          heard_.push_back({component, active, value});
          return Ok();
        });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  Ref<SpinBoxWidgetInterface<T>> Box(Int i) {
    Result<Ref<SpinBoxWidgetInterface<T>>> box = vec_->GetComponentSpinBox(i);
    EXPECT_TRUE(box.IsOk());
    return box.IsOk() ? *box : Ref<SpinBoxWidgetInterface<T>>();
  }
  void TypeInto(Int i, const std::string& text) {
    ASSERT_TRUE(driver_->Click(*dynamic_cast<SpinBoxWidgetImpl<T>&>(*Box(i)).GetTextEdit()).IsOk());
    ASSERT_TRUE(driver_->Type(text).IsOk());
    ASSERT_TRUE(driver_->KeyPress(KEY::ENTER).IsOk());
  }
  V Value() {
    Result<V> value = vec_->GetValue();
    EXPECT_TRUE(value.IsOk()) << value.GetError().ToString();
    return value.IsOk() ? *value : V{};
  }

  Ref<AppWindow> window_;
  Ref<VecWidgetInterface<V>> vec_;
  std::unique_ptr<EventDriver> driver_;
  std::vector<Heard<V>> heard_;
};

using VectorTypes = testing::Types<Vector2d, Vector, Vector4d, IntVector2d, IntVector, IntVector4d>;
TYPED_TEST_SUITE(VecWidgetTest, VectorTypes);

TYPED_TEST(VecWidgetTest, IsOneRowOfSpinBoxesOfItsComponentType) {
  using T = typename TestFixture::T;
  const Int count = TestFixture::Shape::kCount;
  EXPECT_EQ(this->vec_->GetComponentCount(), count);
  EXPECT_EQ(this->vec_->GetCountX(), count);
  EXPECT_EQ(this->vec_->GetCountY(), 1);
  EXPECT_EQ(this->vec_->GetName(), "VecWidget");
  EXPECT_STREQ(this->vec_->ObservableValueChanged()->GetObservableId(), "ObservableValueChanged");
  EXPECT_FALSE(this->vec_->GetAcceptTabFocus());
  const Rect whole = this->vec_->GetGlobalFrame();
  Float previousRight = whole.left;
  for (Int i = 0; i < count; ++i) {
    Ref<SpinBoxWidgetInterface<T>> box = this->Box(i);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->GetParentWidget(), static_cast<WidgetInterface*>((*this->vec_->GetCell(i, 0)).Get()));
    const Rect frame = box->GetGlobalFrame();
    EXPECT_GT(frame.Width(), 20.0);
    EXPECT_GE(frame.left, previousRight) << "x first, side by side";
    EXPECT_DOUBLE_EQ(frame.top, this->Box(0)->GetGlobalFrame().top) << "one row";
    EXPECT_LE(frame.right, whole.right);
    previousRight = frame.right;
  }
  EXPECT_LT(whole.Height(), 2 * this->Box(0)->GetGlobalFrame().Height());
  Result<Ref<SpinBoxWidgetInterface<T>>> outside = this->vec_->GetComponentSpinBox(count);
  ASSERT_FALSE(outside.IsOk());
  EXPECT_EQ(outside.GetError().GetMessage(), "Component out of range.");
  EXPECT_FALSE(this->vec_->GetComponentSpinBox(kAllComponents).IsOk());
}

TYPED_TEST(VecWidgetTest, SetValueShowsEveryComponentAndTellsOnlyWhenAsked) {
  using V = TypeParam;
  const V value = Counting<V>(3);
  ASSERT_TRUE(this->vec_->SetValue(value, false).IsOk());
  EXPECT_EQ(this->Value(), value);
  for (Int i = 0; i < TestFixture::Shape::kCount; ++i) {
    EXPECT_EQ(this->Box(i)->GetValue(), TestFixture::Shape::Get(value, i));
  }
  EXPECT_TRUE(this->heard_.empty());
  const V other = Counting<V>(-2);
  ASSERT_TRUE(this->vec_->SetValue(other, true).IsOk());
  EXPECT_EQ(this->heard_, (std::vector<Heard<V>>{{kAllComponents, false, other}})) << "once, for the whole value";
}

TYPED_TEST(VecWidgetTest, TypingIntoAComponentTellsThatComponentWithTheWholeValue) {
  using V = TypeParam;
  using T = typename TestFixture::T;
  ASSERT_TRUE(this->vec_->SetValue(Counting<V>(1), false).IsOk());
  V expected = Counting<V>(1);
  std::vector<Heard<V>> wanted;
  for (Int i = TestFixture::Shape::kCount - 1; i >= 0; --i) {
    this->TypeInto(i, std::to_string(10 * (i + 1)) + "+2");
    TestFixture::Shape::Set(expected, i, T(10 * (i + 1) + 2));
    wanted.push_back({i, false, expected});
  }
  EXPECT_EQ(this->Value(), expected);
  EXPECT_EQ(this->heard_, wanted);
}

TYPED_TEST(VecWidgetTest, TheWheelStepsTheComponentUnderThePointer) {
  using V = TypeParam;
  using T = typename TestFixture::T;
  const Int last = TestFixture::Shape::kCount - 1;
  ASSERT_TRUE(this->vec_->SetStep(T(2), last).IsOk());
  ASSERT_TRUE(this->driver_->Scroll(EventDriver::CenterOf(*this->Box(last)), {0, 40}).IsOk());
  V expected{};
  TestFixture::Shape::Set(expected, last, T(2));
  EXPECT_EQ(this->Value(), expected);
  EXPECT_EQ(this->heard_, (std::vector<Heard<V>>{{last, false, expected}}));
  EXPECT_EQ(*this->vec_->GetStep(0), T(1)) << "the others keep their step";
}

TYPED_TEST(VecWidgetTest, RangesHoldSetAndTypedValuesPerComponent) {
  using V = TypeParam;
  using T = typename TestFixture::T;
  ASSERT_TRUE(this->vec_->SetValue(Counting<V>(20), false).IsOk());
  ASSERT_TRUE(this->vec_->SetRange(T(-5), T(5), kAllComponents).IsOk());
  for (Int i = 0; i < TestFixture::Shape::kCount; ++i) {
    EXPECT_EQ(TestFixture::Shape::Get(this->Value(), i), T(5)) << "held again at once";
  }
  EXPECT_TRUE(this->heard_.empty()) << "silently";
  ASSERT_TRUE(this->vec_->SetRange(T(100), T(200), 1).IsOk()) << "above the old max: widened first";
  EXPECT_EQ(*this->vec_->GetMin(1), T(100));
  EXPECT_EQ(*this->vec_->GetMax(1), T(200));
  EXPECT_EQ(*this->vec_->GetMin(0), T(-5));
  EXPECT_EQ(TestFixture::Shape::Get(this->Value(), 1), T(100));

  this->TypeInto(0, "-1000");
  EXPECT_EQ(TestFixture::Shape::Get(this->Value(), 0), T(-5));
  ASSERT_EQ(this->heard_.size(), 1u);
  EXPECT_EQ(this->heard_[0].component, 0);

  Result<void> refused = this->vec_->SetRange(T(3), T(3), kAllComponents);
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "min is not smaller then max.");
  EXPECT_EQ(*this->vec_->GetMax(0), T(5)) << "a refusal leaves every component alone";
  EXPECT_EQ(this->vec_->SetRange(T(0), T(1), 7).GetError().GetMessage(), "Component out of range.");
  EXPECT_EQ(this->vec_->SetRange(T(0), T(1), -2).GetError().GetMessage(), "Component out of range.");

  ASSERT_TRUE(this->vec_->SetLimitMode(NUMBER_LIMIT_MODE::NONE, 0).IsOk());
  this->TypeInto(0, "1000");
  EXPECT_EQ(TestFixture::Shape::Get(this->Value(), 0), T(1000)) << "no limits, no holding";
}

TYPED_TEST(VecWidgetTest, UnitsAndLayoutReachTheSpinBoxesSilently) {
  using T = typename TestFixture::T;
  ASSERT_TRUE(this->vec_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::CM, kAllComponents).IsOk());
  ASSERT_TRUE(this->vec_->SetUnit(NUMBER_WIDGET_UNIT_TYPE::DEGREE, 0).IsOk());
  EXPECT_EQ(*this->vec_->GetUnit(0), NUMBER_WIDGET_UNIT_TYPE::DEGREE);
  EXPECT_EQ(*this->vec_->GetUnit(1), NUMBER_WIDGET_UNIT_TYPE::CM);
  EXPECT_TRUE(this->heard_.empty()) << "the spin boxes tell a unit change; the vector does not pass it on";
  const std::string text = dynamic_cast<SpinBoxWidgetImpl<T>&>(*this->Box(1)).GetTextEdit()->GetText();
  EXPECT_EQ(text, (std::is_same_v<T, Int> ? "0 cm" : "0.0 cm"));

  EXPECT_EQ(this->vec_->GetLayout(), SPINBOX_LAYOUT::NORMAL);
  this->vec_->SetLayout(SPINBOX_LAYOUT::MINIMAL);
  this->Update();
  for (Int i = 0; i < TestFixture::Shape::kCount; ++i) {
    auto& box = dynamic_cast<SpinBoxWidgetImpl<T>&>(*this->Box(i));
    EXPECT_EQ(box.GetLayout(), SPINBOX_LAYOUT::MINIMAL);
    EXPECT_FALSE(box.GetIncrementSpinner()->GetLocalVisibility()) << "no arrows";
  }
}

TYPED_TEST(VecWidgetTest, TabVisitsTheComponentsInOrderAndShiftTabGoesBack) {
  AppWidgetInterface* app = this->window_->GetAppWidget();
  const Int count = TestFixture::Shape::kCount;
  ASSERT_TRUE(app->SetFocusWidget(this->Box(0).Get()).IsOk());
  for (Int i = 1; i <= count; ++i) {
    ASSERT_TRUE(*this->driver_->KeyPress(KEY::TAB));
    EXPECT_EQ(app->GetFocusWidget(), static_cast<WidgetInterface*>(this->Box(i % count).Get())) << i;
  }
  ASSERT_TRUE(*this->driver_->KeyPress(KEY::TAB, MODIFIER::SHIFT));
  EXPECT_EQ(app->GetFocusWidget(), static_cast<WidgetInterface*>(this->Box(count - 1).Get()));
}

TYPED_TEST(VecWidgetTest, BeforeItIsBuiltEveryComponentOperationReportsTheMissingLink) {
  using V = TypeParam;
  using T = typename TestFixture::T;
  auto bare = test::NewObject<VecWidgetInterface<V>>(ClassOf<V>::kId);
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->GetComponentCount(), TestFixture::Shape::kCount);
  EXPECT_EQ(bare->SetValue(V{}, false).GetError().GetMessage(), "Widget link not set.");
  EXPECT_EQ(bare->GetValue().GetError().GetMessage(), "Widget link not set.");
  EXPECT_EQ(bare->SetStep(T(1), 0).GetError().GetMessage(), "Widget link not set.");
  EXPECT_EQ(bare->GetMin(0).GetError().GetMessage(), "Widget link not set.");
}

TEST(VecWidgetGoldenTest, AVectorOfThreeFloats) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 330, 40});
  ASSERT_TRUE(window);
  VectorWidgetRef vec = test::NewObject<VecWidgetInterface<Vector>>(kVectorWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(vec).IsOk());
  ASSERT_TRUE(vec->CreateLayout().IsOk());
  vec->SetLocalPosition({5, 5});
  ASSERT_TRUE(vec->SetValue(Vector{1.5, -20.0, 0.25}, false).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  test::ExpectMatchesGolden(window->GetHostCanvas()->GetOsWindow()->GetSurface(), "vector_float");
}

}  // namespace
}  // namespace zarvo
