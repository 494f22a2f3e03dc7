#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/AreaWidgetInterface.h"
#include "source/widgets_layout/AreaMath.h"
#include "source/widgets_layout/AreaWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

TEST(AreaMathTest, GridStepSnapsToPowersOfTheSubdivision) {
  GridStep s = ComputeGridStep(2, 1.0, 8.0);
  EXPECT_DOUBLE_EQ(s.step, 64.0);
  EXPECT_NEAR(s.fraction, 0.0, 1e-12);
  s = ComputeGridStep(10, 1000.0, 1.0);  // ratio below the minimum computes as 0.001
  EXPECT_NEAR(s.step, 0.001, 1e-12);
  s = ComputeGridStep(0, 2.0, 3.0);  // no powers to snap to
  EXPECT_DOUBLE_EQ(s.step, 3.0);
  EXPECT_DOUBLE_EQ(s.fraction, 0.0);
}

TEST(AreaMathTest, ZoomClampsEachComponentAndKeepsNaN) {
  EXPECT_EQ(ClampZoom({5, 0.001}, 0.01, 2.0), (Vector2d{2.0, 0.01}));
  EXPECT_EQ(ClampZoom({0, -3}, 0.01, 2.0), (Vector2d{0.01, 0.01}));
  EXPECT_FALSE(IsUsableZoom(ClampZoom({std::nan(""), 1}, 0.01, 2.0)));
}

TEST(AreaMathTest, ZoomAboutKeepsTheAnchoredContent) {
  const AreaView view{{10, 20}, {1, 1}};
  const AreaView zoomed = ZoomViewAbout(view, {50, 60}, {2, 2});
  EXPECT_EQ(ContentToParent(zoomed, ParentToContent(view, {50, 60})), (Vector2d{50, 60}));
}

class AreaWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 320, 200});
    ASSERT_TRUE(window_);
    area_ = test::NewObject<AreaWidgetInterface>(kAreaWidgetClassId);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(area_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }
  Ref<AppWindow> window_;
  AreaWidgetRef area_;
};

TEST_F(AreaWidgetTest, ScaleIsClampedToTheStyleLimits) {
  area_->SetLocalScale({5, 0.001});
  EXPECT_EQ(area_->GetLocalScale(), (Vector2d{2.0, 0.01}));
  area_->SetLocalScale({std::nan(""), 1.0});
  EXPECT_EQ(area_->GetLocalScale(), (Vector2d{2.0, 0.01})) << "NaN leaves the zoom as it was";
}

TEST_F(AreaWidgetTest, BadZoomsFailAndChangeNothing) {
  for (Float bad : {0.0, -1.0, std::nan(""), std::numeric_limits<Float>::infinity()}) {
    Result<void> r = area_->SetZoom(bad);
    ASSERT_FALSE(r.IsOk());
    EXPECT_EQ(r.GetError().GetMessage(), "Zoom must be a positive finite number");
    EXPECT_FALSE(area_->ZoomAbout({10, 10}, bad).IsOk());
    EXPECT_EQ(area_->GetLocalScale(), (Vector2d{1, 1}));
    EXPECT_EQ(area_->GetPan(), (Vector2d{0, 0}));
  }
}

TEST_F(AreaWidgetTest, SetGridRaisesSubdivisionAndFactor) {
  EXPECT_TRUE(area_->SetGrid({0, 0}, {0, 0}, CanvasUnitValue::Pix(10), CanvasUnitValue::Pix(10), 0, 0.5));
  const auto& impl = dynamic_cast<const AreaWidgetImpl&>(*area_);
  EXPECT_EQ(impl.GetGridSubdivision(), 1);
  EXPECT_EQ(impl.GetGridMinFactor(), 1.0);
  Float step = 0, fraction = 0;
  area_->GetGridStep(10, step, fraction, 1000.0, 1.0);
  EXPECT_NEAR(step, 0.001, 1e-12);
}

TEST_F(AreaWidgetTest, MiddleDragPansAndEscapeCancels) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press({100, 100}, BUTTON::MIDDLE));
  ASSERT_TRUE(*driver.Drag({130, 90}, BUTTON::MIDDLE));
  EXPECT_EQ(area_->GetPan(), (Vector2d{30, -10}));
  ASSERT_TRUE(*driver.KeyDown(KEY::ESCAPE));
  EXPECT_EQ(area_->GetPan(), (Vector2d{0, 0}));
}

TEST_F(AreaWidgetTest, WheelZoomsAboutThePointer) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Scroll({100, 100}, {0, kScrollPixelsPerWheelNotch}));
  EXPECT_DOUBLE_EQ(area_->GetLocalScale().x, 1.25);
  EXPECT_NEAR(area_->GetPan().x, 100 - 1.25 * 100, 1e-9);
}

TEST_F(AreaWidgetTest, GoldenGridPannedAndZoomedOut) {
  // Lines 20 px apart with every fifth a main line, panned by (13, 7) and zoomed to 0.8, so the
  // finer lines fade a little.
  area_->SetShowGrid(true);
  area_->SetPan({13, 7});
  area_->SetLocalScale({0.8, 0.8});
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "area_grid_panned_zoomed");
}

}  // namespace
}  // namespace zarvo
