#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/RulerWidgetInterface.h"
#include "source/widgets_debug/RulerWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Rect kRulerFrame{20, 10, 420, 40};

void ExpectError(const Result<void>& result, const char* message) {
  ASSERT_FALSE(result.IsOk()) << "expected: " << message;
  EXPECT_EQ(result.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(result.GetError().GetMessage(), message);
}

class RulerWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 440, 240});
    ASSERT_TRUE(window_);
    ruler_ = AddRuler(kRulerFrame);
    ASSERT_TRUE(ruler_);
    ruler_->ObservableMarkerChanged()->AddObserver([this](const RulerWidgetRef& sender, Float value) -> Result<void> {
      EXPECT_EQ(sender.Get(), ruler_.Get());
      markers_.push_back(value);
      return Ok();
    });
    ruler_->ObservableViewChanged()->AddObserver([this](const RulerWidgetRef&, Float start) -> Result<void> {
      views_.push_back(start);
      return Ok();
    });
  }

  RulerWidgetRef AddRuler(const Rect& frame) {
    RulerWidgetRef ruler = test::NewObject<RulerWidgetInterface>(kRulerWidgetClassId);
    if (!ruler) return ruler;
    EXPECT_TRUE(window_->GetAppWidget()->InsertChildLast(ruler).IsOk());
    EXPECT_TRUE(ruler->CreateLayout().IsOk());
    ruler->SetLocalPosition({frame.left, frame.top});
    EXPECT_TRUE(ruler->SetLocalSize(frame.Width(), frame.Height()).IsOk());
    Update();
    return ruler;
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  const RulerWidgetImpl& Impl() const { return dynamic_cast<const RulerWidgetImpl&>(*ruler_); }
  // A global point of the ruler at a local pixel along it.
  Vector2d At(Float pixel) const {
    const Rect frame = ruler_->GetGlobalFrame();
    return IsHorizontal(ruler_->GetOrientation()) ? Vector2d{frame.left + pixel, frame.top + 5}
                                                  : Vector2d{frame.left + 5, frame.top + pixel};
  }

  Ref<AppWindow> window_;
  RulerWidgetRef ruler_;
  std::vector<Float> markers_;
  std::vector<Float> views_;
};

TEST_F(RulerWidgetTest, StartsOverZeroToAHundredAndIsTwoLabelLinesThick) {
  EXPECT_EQ(ruler_->GetName(), "RulerWidget");
  EXPECT_EQ(ruler_->GetMin(), 0.0);
  EXPECT_EQ(ruler_->GetMax(), 100.0);
  EXPECT_EQ(ruler_->GetZoom(), 1.0);
  EXPECT_EQ(ruler_->GetViewStart(), 0.0);
  EXPECT_EQ(ruler_->GetMarker(), 0.0);
  EXPECT_TRUE(ruler_->GetAcceptFocus());
  EXPECT_STREQ(ruler_->ObservableMarkerChanged()->GetObservableId(), "ObservableMarkerChanged");
  EXPECT_STREQ(ruler_->ObservableViewChanged()->GetObservableId(), "ObservableViewChanged");
  const Float thickness = ruler_->GetLocalPixSize().y;
  EXPECT_GT(thickness, 15.0);
  EXPECT_LT(thickness, 40.0);
  EXPECT_EQ(ruler_->GetLocalPixSize().x, kRulerFrame.Width());
  // 400 pixels for 100 units: labelled ticks every 10 at the default font.
  EXPECT_EQ(Impl().GetMajorStep(), 10.0);

  // Turned upright it keeps its length and takes the labels' width.
  ruler_->SetOrientation(WIDGET_ORIENTATION::TOP_BOTTOM);
  Update();
  EXPECT_EQ(ruler_->GetLocalPixSize().y, kRulerFrame.Width());
  EXPECT_GT(ruler_->GetLocalPixSize().x, 30.0);
  EXPECT_LT(ruler_->GetLocalPixSize().x, 100.0);
}

TEST_F(RulerWidgetTest, SettersHoldTheViewAndMarkerInsideTheRangeAndDoNotNotify) {
  ExpectError(ruler_->SetRange(5.0, 5.0), "min is not smaller than max.");
  ExpectError(ruler_->SetRange(6.0, 5.0), "min is not smaller than max.");
  ExpectError(ruler_->SetRange(std::nan(""), 5.0), "min is not smaller than max.");
  ExpectError(ruler_->SetRange(0.0, INFINITY), "min is not smaller than max.");
  ExpectError(ruler_->SetZoom(0.0), "invalid zoom.");
  ExpectError(ruler_->SetZoom(-2.0), "invalid zoom.");
  ExpectError(ruler_->SetZoom(std::nan("")), "invalid zoom.");
  EXPECT_EQ(ruler_->GetMax(), 100.0);
  EXPECT_EQ(ruler_->GetZoom(), 1.0);

  ASSERT_TRUE(ruler_->SetZoom(0.5).IsOk());
  EXPECT_EQ(ruler_->GetZoom(), 1.0) << "never less than the whole range";
  ASSERT_TRUE(ruler_->SetZoom(1e9).IsOk());
  EXPECT_EQ(ruler_->GetZoom(), kRulerMaxZoom);
  ASSERT_TRUE(ruler_->SetZoom(4.0).IsOk());
  ruler_->SetViewStart(90.0);
  EXPECT_EQ(ruler_->GetViewStart(), 75.0) << "a quarter of the range shows";
  EXPECT_DOUBLE_EQ(ruler_->GetValueAtPixel(0.0), 75.0);
  EXPECT_DOUBLE_EQ(ruler_->GetValueAtPixel(400.0), 100.0);
  ruler_->SetMarker(120.0);
  EXPECT_EQ(ruler_->GetMarker(), 100.0);
  ruler_->SetMarker(std::nan(""));
  EXPECT_EQ(ruler_->GetMarker(), 100.0);

  ASSERT_TRUE(ruler_->SetRange(-10.0, 10.0).IsOk());
  EXPECT_EQ(ruler_->GetMarker(), 10.0);
  EXPECT_EQ(ruler_->GetViewStart(), 5.0);
  EXPECT_TRUE(markers_.empty());
  EXPECT_TRUE(views_.empty());
}

TEST_F(RulerWidgetTest, PressingAndDraggingMoveTheMarkerAndTellEachChange) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(At(100.0)));
  EXPECT_TRUE(Impl().IsDragging());
  EXPECT_DOUBLE_EQ(ruler_->GetMarker(), 25.0);
  ASSERT_TRUE(*driver.Drag(At(200.0)));
  ASSERT_TRUE(*driver.Drag(At(200.0)));
  ASSERT_TRUE(*driver.Drag({900.0, 15.0}));
  EXPECT_EQ(ruler_->GetMarker(), 100.0) << "held at max beyond the end";
  ASSERT_TRUE(*driver.Release({900.0, 15.0}));
  EXPECT_FALSE(Impl().IsDragging());
  EXPECT_EQ(markers_, (std::vector<Float>{25.0, 50.0, 100.0})) << "an unchanged marker is not told";

  const DataDictionary right = MakeMouseEvent(EVENT::BUTTON_DOWN, At(10.0), BUTTON::RIGHT);
  EXPECT_FALSE(*ruler_->HandleEvent(&right));
  EXPECT_FALSE(*ruler_->HandleEvent(nullptr));
  EXPECT_EQ(ruler_->GetMarker(), 100.0);
}

TEST_F(RulerWidgetTest, TheWheelZoomsAboutThePointerAndShiftPans) {
  EventDriver driver(*window_);
  // One notch in, with the pointer over value 25.
  ASSERT_TRUE(*driver.Scroll(At(100.0), {0.0, kScrollPixelsPerWheelNotch}));
  EXPECT_DOUBLE_EQ(ruler_->GetZoom(), 1.25);
  EXPECT_NEAR(ruler_->GetValueAtPixel(100.0), 25.0, 1e-9) << "the value under the pointer stays";
  ASSERT_EQ(views_.size(), 1u);
  EXPECT_EQ(views_.back(), ruler_->GetViewStart());

  // Shift pans: the scale follows the wheel by as many pixels.
  const Float start = ruler_->GetViewStart();
  const Float perPixel = 80.0 / 400.0;
  ASSERT_TRUE(*driver.Scroll(At(100.0), {0.0, -10.0}, MODIFIER::SHIFT));
  EXPECT_NEAR(ruler_->GetViewStart(), start + 10.0 * perPixel, 1e-9);
  // Zooming out past the whole range stops there, at the range's start.
  ASSERT_TRUE(*driver.Scroll(At(100.0), {0.0, -10.0 * kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(ruler_->GetZoom(), 1.0);
  EXPECT_EQ(ruler_->GetViewStart(), 0.0);
  EXPECT_EQ(views_.size(), 3u);
  ASSERT_TRUE(*driver.Scroll(At(100.0), {0.0, -kScrollPixelsPerWheelNotch}));
  EXPECT_EQ(views_.size(), 3u) << "nothing changed, nothing told";
}

TEST_F(RulerWidgetTest, ArrowKeysStepTheMarkerByAMinorTick) {
  EventDriver driver(*window_);
  ASSERT_TRUE(window_->GetAppWidget()->SetFocusWidget(ruler_.Get()).IsOk());
  ruler_->SetMarker(50.0);
  ASSERT_TRUE(*driver.KeyPress(KEY::RIGHT));
  EXPECT_DOUBLE_EQ(ruler_->GetMarker(), 52.0) << "majors of 10, five minors each";
  ASSERT_TRUE(*driver.KeyPress(KEY::LEFT));
  ASSERT_TRUE(*driver.KeyPress(KEY::LEFT));
  EXPECT_DOUBLE_EQ(ruler_->GetMarker(), 48.0);
  EXPECT_FALSE(*driver.KeyPress(KEY::UP)) << "not this ruler's axis";
  EXPECT_EQ(markers_.size(), 3u);
}

TEST_F(RulerWidgetTest, AnObserversErrorIsReturnedAfterTheChange) {
  ruler_->ObservableMarkerChanged()->AddObserver(
      [](const RulerWidgetRef&, Float) -> Result<void> { return IllegalStateError("observer failed"); });
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, At(40.0), BUTTON::LEFT);
  Result<bool> handled = ruler_->HandleEvent(&press);
  ASSERT_FALSE(handled.IsOk());
  EXPECT_EQ(handled.GetError().GetMessage(), "observer failed");
  EXPECT_DOUBLE_EQ(ruler_->GetMarker(), 10.0);
}

TEST_F(RulerWidgetTest, AMovedMarkerRepaintsItsPlacesOnly) {
  auto* canvas = dynamic_cast<Canvas*>(window_->GetCanvas());
  ASSERT_NE(canvas, nullptr);
  ruler_->SetMarker(50.0);
  Update();
  ruler_->SetMarker(51.0);
  Update();
  EXPECT_LT(canvas->GetLastDrawnArea().Width(), 30.0);
}

// Every orientation maps its start to the view start and runs the values its own way.
class RulerOrientationTest : public RulerWidgetTest, public testing::WithParamInterface<WIDGET_ORIENTATION> {};

TEST_P(RulerOrientationTest, PixelsMapAlongTheOrientationAndPressesFollowThem) {
  ruler_->SetOrientation(GetParam());
  ASSERT_TRUE(ruler_->SetLocalSize(200.0, 200.0).IsOk());
  Update();
  const bool reversed = GetParam() == WIDGET_ORIENTATION::RIGHT_LEFT || GetParam() == WIDGET_ORIENTATION::BOTTOM_TOP;
  EXPECT_DOUBLE_EQ(ruler_->GetValueAtPixel(0.0), reversed ? 100.0 : 0.0);
  EXPECT_DOUBLE_EQ(ruler_->GetValueAtPixel(50.0), reversed ? 75.0 : 25.0);
  EXPECT_DOUBLE_EQ(ruler_->GetPixelOfValue(ruler_->GetValueAtPixel(30.0)), 30.0);
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(At(50.0)));
  ASSERT_TRUE(*driver.Release(At(50.0)));
  EXPECT_DOUBLE_EQ(ruler_->GetMarker(), reversed ? 75.0 : 25.0);
}

INSTANTIATE_TEST_SUITE_P(Orientations, RulerOrientationTest,
                         testing::Values(WIDGET_ORIENTATION::LEFT_RIGHT, WIDGET_ORIENTATION::RIGHT_LEFT,
                                         WIDGET_ORIENTATION::TOP_BOTTOM, WIDGET_ORIENTATION::BOTTOM_TOP));

TEST_F(RulerWidgetTest, GoldenRulers) {
  ASSERT_TRUE(ruler_->SetRange(-2.0, 3.0).IsOk());
  ASSERT_TRUE(ruler_->SetZoom(2.0).IsOk());
  ruler_->SetViewStart(-0.5);
  ruler_->SetMarker(0.7);
  RulerWidgetRef upright = AddRuler(Rect{20, 60, 80, 230});
  ASSERT_TRUE(upright);
  upright->SetOrientation(WIDGET_ORIENTATION::BOTTOM_TOP);
  ASSERT_TRUE(upright->SetLocalSize(60.0, 170.0).IsOk());
  ASSERT_TRUE(upright->SetRange(0.0, 1000.0).IsOk());
  upright->SetMarker(420.0);
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "ruler_two_orientations");
}

}  // namespace
}  // namespace zarvo
