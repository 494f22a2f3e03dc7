#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/DoodleWidgetInterface.h"
#include "source/widgets_debug/DoodleMath.h"
#include "source/widgets_debug/DoodleWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

TEST(DoodleMathTest, SmoothPathKeepsTheEndsAndRoundsTheCorners) {
  EXPECT_TRUE(SmoothStrokePath({{1, 1}}).IsEmpty());
  const Path line = SmoothStrokePath({{0, 0}, {10, 0}});
  ASSERT_EQ(line.GetVerbs().size(), 2u);
  EXPECT_EQ(line.GetVerbs()[1], PathVerb::kLineTo);
  const Path bent = SmoothStrokePath({{0, 0}, {10, 0}, {10, 10}, {20, 10}});
  // One piece per inner point, the first ending between the corners, the last on the end.
  ASSERT_EQ(bent.GetVerbs().size(), 3u);
  EXPECT_EQ(bent.GetPoints().front(), (Vector2d{0, 0}));
  EXPECT_EQ(bent.GetPoints()[3], (Vector2d{10, 5}));
  EXPECT_EQ(bent.GetPoints().back(), (Vector2d{20, 10}));
}

class DoodleWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 160, 100});
    ASSERT_TRUE(window_);
    doodle_ = test::NewObject<DoodleWidgetInterface>(kDoodleWidgetClassId);
    ASSERT_TRUE(doodle_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(doodle_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    doodle_->ObservableStrokeEnded()->AddObserver([this](const DoodleWidgetRef& w, Int index) -> Result<void> {
      EXPECT_EQ(w.Get(), doodle_.Get());
      EXPECT_FALSE(w->IsPainting()) << "the stroke is finished when observers hear of it";
      ended_.push_back(index);
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }
  void Paint(std::initializer_list<Vector2d> points, Int modifiers = MODIFIER::NONE) {
    EventDriver driver(*window_);
    auto it = points.begin();
    ASSERT_TRUE(driver.Press(*it, BUTTON::LEFT, modifiers).IsOk());
    for (++it; it != points.end(); ++it) ASSERT_TRUE(driver.Drag(*it, BUTTON::LEFT, modifiers).IsOk());
    ASSERT_TRUE(driver.Release(*(points.end() - 1), BUTTON::LEFT, modifiers).IsOk());
  }
  Ref<AppWindow> window_;
  DoodleWidgetRef doodle_;
  std::vector<Int> ended_;
};

TEST_F(DoodleWidgetTest, LeftDragPaintsAStrokeInContentCoordinates) {
  doodle_->SetPan({10, 20});
  doodle_->SetLocalScale({2, 2});
  Paint({{30, 40}, {50, 40}, {50, 60}});
  ASSERT_EQ(doodle_->GetStrokeCount(), 1);
  const DoodleStroke& stroke = doodle_->GetStrokes()[0];
  EXPECT_EQ(stroke.points, (std::vector<Vector2d>{{10, 10}, {20, 10}, {20, 20}}));
  EXPECT_EQ(stroke.color, kDoodleDefaultBrushColor);
  EXPECT_EQ(ended_, (std::vector<Int>{0}));
}

TEST_F(DoodleWidgetTest, BrushAppliesToStrokesToComeAndBadWidthsFail) {
  Paint({{10, 10}, {20, 10}});
  doodle_->SetBrushColor({1, 0, 0, 1});
  ASSERT_TRUE(doodle_->SetBrushWidth(8).IsOk());
  for (Float bad : {0.0, -2.0, std::nan("")}) {
    const Result<void> r = doodle_->SetBrushWidth(bad);
    ASSERT_FALSE(r.IsOk());
    EXPECT_EQ(r.GetError().GetMessage(), "Brush width must be a positive finite number");
  }
  EXPECT_EQ(doodle_->GetBrushWidth(), 8.0);
  Paint({{10, 30}, {20, 30}});
  ASSERT_EQ(doodle_->GetStrokeCount(), 2);
  EXPECT_EQ(doodle_->GetStrokes()[0].width, kDoodleDefaultBrushWidth);
  EXPECT_EQ(doodle_->GetStrokes()[1].width, 8.0);
  EXPECT_EQ(doodle_->GetStrokes()[1].color, (ColorA{1, 0, 0, 1}));
  EXPECT_EQ(ended_, (std::vector<Int>{0, 1}));
  doodle_->Clear();
  EXPECT_EQ(doodle_->GetStrokeCount(), 0);
}

TEST_F(DoodleWidgetTest, AreaBindingsStillPanAndEscapeDropsTheStroke) {
  Paint({{10, 10}, {40, 10}}, MODIFIER::ALT);
  EXPECT_EQ(doodle_->GetStrokeCount(), 0);
  EXPECT_EQ(doodle_->GetPan(), (Vector2d{30, 0}));
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press({50, 50}));
  ASSERT_TRUE(*driver.Drag({60, 60}));
  EXPECT_TRUE(doodle_->IsPainting());
  ASSERT_TRUE(*driver.KeyDown(KEY::ESCAPE));
  EXPECT_EQ(doodle_->GetStrokeCount(), 0);
  EXPECT_TRUE(ended_.empty());
}

TEST_F(DoodleWidgetTest, GoldenStrokes) {
  doodle_->SetShowGrid(true);
  Paint({{20, 70}, {40, 30}, {60, 25}, {80, 50}, {100, 75}, {130, 30}});
  doodle_->SetBrushColor({0.8, 0.2, 0.1, 1});
  ASSERT_TRUE(doodle_->SetBrushWidth(6).IsOk());
  Paint({{30, 20}, {130, 85}});
  Paint({{140, 15}});
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "doodle_strokes");
}

}  // namespace
}  // namespace zarvo
