#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/widgets_base/PaddingLayout.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr ColorA kPaddingColor{0.25, 0.35, 0.6, 1.0};
constexpr ColorA kChildColor{0.95, 0.55, 0.1, 1.0};

CanvasUnitValue Pix(Float value) { return CanvasUnitValue::Pix(value); }

class PaddingWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 100, 60});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    Result<PaddingWidgetRef> padding = CreateObject<PaddingWidgetInterface>(Id(kPaddingWidgetClassId));
    ASSERT_TRUE(padding.IsOk()) << padding.GetError().ToString();
    padding_ = *padding;
    Result<FrameWidgetRef> child = CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId));
    ASSERT_TRUE(child.IsOk());
    child_ = *child;
    ASSERT_TRUE(child_->SetLocalSize(30.0, 20.0).IsOk());
    ASSERT_TRUE(padding_->InsertChildLast(child_).IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(padding_).IsOk());
  }

  void Layout() { ASSERT_TRUE(window_->Update().IsOk()); }

  void ApplyColors() {
    padding_->SetBackgroundVisibility(true);
    padding_->SetBackgroundColor(kPaddingColor);
    child_->SetBackgroundVisibility(true);
    child_->SetBackgroundColor(kChildColor);
  }

  cairo_surface_t* Screen() const { return window_->GetHostCanvas()->GetOsWindow()->GetSurface(); }

  Ref<AppWindow> window_;
  PaddingWidgetRef padding_;
  FrameWidgetRef child_;
};

TEST_F(PaddingWidgetTest, StartsInChildModeWithoutMarginsAndNamesItself) {
  Layout();
  EXPECT_EQ(padding_->GetName(), "PaddingWidget");
  EXPECT_EQ(padding_->GetMode(), PADDING_MODE::CHILD);
  EXPECT_EQ(padding_->GetLeft(), Pix(0.0));
  EXPECT_EQ(padding_->GetBottom(), Pix(0.0));
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{30, 20}));
}

TEST_F(PaddingWidgetTest, EachSideRefusesNegativeAndNonFiniteValuesWithItsMessage) {
  struct Side {
    const char* name;
    Result<void> (PaddingWidgetInterface::*set)(CanvasUnitValue);
    CanvasUnitValue (PaddingWidgetInterface::*get)() const;
  };
  for (const Side& side : {Side{"left", &PaddingWidgetInterface::SetLeft, &PaddingWidgetInterface::GetLeft},
                           Side{"right", &PaddingWidgetInterface::SetRight, &PaddingWidgetInterface::GetRight},
                           Side{"top", &PaddingWidgetInterface::SetTop, &PaddingWidgetInterface::GetTop},
                           Side{"bottom", &PaddingWidgetInterface::SetBottom, &PaddingWidgetInterface::GetBottom}}) {
    const std::string name = side.name;
    ASSERT_TRUE((*padding_.*side.set)(CanvasUnitValue::Rem(0.5)).IsOk()) << name;
    for (Float negative : {-0.001, -1e300, -static_cast<Float>(INFINITY)}) {
      Result<void> refused = (*padding_.*side.set)(Pix(negative));
      ASSERT_FALSE(refused.IsOk()) << name;
      EXPECT_EQ(refused.GetError().GetKind(), ErrorKind::kIllegalArgument);
      EXPECT_EQ(refused.GetError().GetMessage(), name + " value is negative");
    }
    for (Float notFinite : {static_cast<Float>(NAN), static_cast<Float>(INFINITY)}) {
      EXPECT_EQ((*padding_.*side.set)(Pix(notFinite)).GetError().GetMessage(), name + " value is not finite");
    }
    EXPECT_EQ((*padding_.*side.get)(), CanvasUnitValue::Rem(0.5)) << name << " keeps its value";
    EXPECT_TRUE((*padding_.*side.set)(Pix(0.0)).IsOk()) << name << ": exactly 0 is a margin";
    EXPECT_EQ((*padding_.*side.get)(), Pix(0.0));
  }
}

TEST_F(PaddingWidgetTest, SetPaddingStopsAtTheFirstNegativeValueKeepingThoseBefore) {
  Result<void> result = padding_->SetPadding(Pix(1), Pix(2), Pix(-3), Pix(4));
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetMessage(), "top value is negative");
  EXPECT_EQ(padding_->GetLeft(), Pix(1));
  EXPECT_EQ(padding_->GetRight(), Pix(2));
  EXPECT_EQ(padding_->GetTop(), Pix(0));
  EXPECT_EQ(padding_->GetBottom(), Pix(0));
  ASSERT_TRUE(padding_->SetPadding(Pix(1), Pix(2), Pix(3), Pix(4)).IsOk());
  EXPECT_EQ(padding_->GetBottom(), Pix(4));
}

TEST_F(PaddingWidgetTest, ChildModeMeasuresTheChildEnlargedByTheMargins) {
  ASSERT_TRUE(padding_->SetPadding(Pix(5), Pix(7), Pix(3), Pix(2)).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{42, 25}));
  EXPECT_EQ(child_->GetLocalPosition(), (Vector2d{5, 3}));
  EXPECT_EQ(child_->GetLocalPixSize(), (Vector2d{30, 20})) << "the child keeps its size";

  // One REM is the canvas's REM base; eleven FON make a REM.
  const Float rem = window_->GetCanvas()->GetRemBase();
  ASSERT_TRUE(padding_->SetLeft(CanvasUnitValue::Rem(1.0)).IsOk());
  ASSERT_TRUE(padding_->SetBottom(CanvasUnitValue::Fon(11.0)).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{30 + rem + 7, 20 + 3 + rem}));
  EXPECT_EQ(child_->GetLocalPosition(), (Vector2d{rem, 3}));

  ASSERT_TRUE(child_->SetLocalSize(10.0, 10.0).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{10 + rem + 7, 10 + 3 + rem})) << "follows the child";
}

TEST_F(PaddingWidgetTest, WithoutAChildThePaddingIsItsMargins) {
  child_->Remove();
  ASSERT_TRUE(padding_->SetPadding(Pix(5), Pix(7), Pix(3), Pix(2)).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{12, 5}));
}

TEST_F(PaddingWidgetTest, HugeMarginsGiveAFiniteLayout) {
  ASSERT_TRUE(padding_->SetLeft(Pix(1e300)).IsOk());
  ASSERT_TRUE(padding_->SetTop(CanvasUnitValue::Rem(1e306)).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{30 + kMaxPaddingPixels, 20 + kMaxPaddingPixels}));
  EXPECT_EQ(child_->GetLocalPosition(), (Vector2d{kMaxPaddingPixels, kMaxPaddingPixels}));
}

TEST_F(PaddingWidgetTest, AChildOfInfiniteSizeFillsTheRoomInsideInThatDirection) {
  ASSERT_TRUE(padding_->SetLocalSize(80.0, 0.0).IsOk());
  child_->SetSizeMode(WIDGET_SIZE::INFINITE, WIDGET_DIRECTION::HORIZONTAL);
  ASSERT_TRUE(padding_->SetPadding(Pix(5), Pix(7), Pix(3), Pix(2)).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{80, 25}));
  EXPECT_EQ(child_->GetLocalPixSize(), (Vector2d{68, 20}));
}

TEST_F(PaddingWidgetTest, ParentModeTakesTheParentsSizeAndFitsTheChildInside) {
  ASSERT_TRUE(padding_->SetPadding(Pix(5), Pix(7), Pix(3), Pix(2)).IsOk());
  padding_->SetMode(PADDING_MODE::PARENT);
  EXPECT_EQ(padding_->GetMode(), PADDING_MODE::PARENT);
  EXPECT_TRUE(padding_->GetInheritParentSize(WIDGET_DIRECTION::HORIZONTAL));
  EXPECT_TRUE(padding_->GetInheritParentSize(WIDGET_DIRECTION::VERTICAL));
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{100, 60}));
  EXPECT_EQ(child_->GetLocalPosition(), (Vector2d{5, 3}));
  EXPECT_EQ(child_->GetLocalPixSize(), (Vector2d{88, 55}));

  ASSERT_TRUE(padding_->SetRight(Pix(200)).IsOk());
  Layout();
  EXPECT_EQ(child_->GetLocalPixSize(), (Vector2d{0, 55})) << "margins wider than the padding leave no room";

  padding_->SetMode(static_cast<PADDING_MODE>(7));
  EXPECT_EQ(padding_->GetMode(), PADDING_MODE::PARENT) << "unknown modes are ignored";

  padding_->SetMode(PADDING_MODE::CHILD);
  EXPECT_FALSE(padding_->GetInheritParentSize(WIDGET_DIRECTION::HORIZONTAL));
  ASSERT_TRUE(child_->SetLocalSize(30.0, 20.0).IsOk());
  Layout();
  EXPECT_EQ(padding_->GetLocalPixSize(), (Vector2d{30 + 5 + 200, 25}));
}

TEST_F(PaddingWidgetTest, GoldenChildAndParentModes) {
  ApplyColors();
  padding_->SetLocalPosition({10, 10});
  ASSERT_TRUE(padding_->SetPadding(Pix(5), Pix(7), Pix(3), Pix(9)).IsOk());
  Layout();
  test::ExpectMatchesGolden(Screen(), "padding_child");

  padding_->SetLocalPosition({0, 0});
  ASSERT_TRUE(padding_->SetPadding(Pix(10), Pix(20), Pix(6), Pix(4)).IsOk());
  padding_->SetMode(PADDING_MODE::PARENT);
  Layout();
  test::ExpectMatchesGolden(Screen(), "padding_parent");
}

}  // namespace
}  // namespace zarvo
