#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/FCurveWidgetInterface.h"
#include "source/widgets_debug/FCurveWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

// With the pan at (20, 100), time 0 lies at x = 20 and value 0 at y = 100, 100 px to a unit:
// the keys are at (20, 100), (70, 40), (140, 70) and (180, 20) in the window.
const std::vector<FCurveKey> kKeys{{0, 0}, {0.5, 0.6}, {1.2, 0.3}, {1.6, 0.8}};

class FCurveWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 200, 120});
    ASSERT_TRUE(window_);
    curve_ = test::NewObject<FCurveWidgetInterface>(kFCurveWidgetClassId);
    ASSERT_TRUE(curve_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(curve_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    curve_->SetPan({20 - kFCurveOrigin, 100 - kFCurveOrigin});
    ASSERT_TRUE(curve_->SetKeys(kKeys).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    curve_->ObservableKeysChanged()->AddObserver([this](const FCurveWidgetRef& w) -> Result<void> {
      EXPECT_EQ(w.Get(), curve_.Get());
      seen_.push_back(w->GetKeys());
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }
  Result<bool> DoubleClick(Vector2d at) {
    EventDriver driver(*window_);
    ZV_TRY(driver.Send(MakeMouseEvent(EVENT::BUTTON_DOWN, at, BUTTON::LEFT, MODIFIER::NONE, 2)));
    return driver.Send(MakeMouseEvent(EVENT::BUTTON_UP, at, BUTTON::LEFT, MODIFIER::NONE, 2));
  }
  Ref<AppWindow> window_;
  FCurveWidgetRef curve_;
  std::vector<std::vector<FCurveKey>> seen_;
};

TEST_F(FCurveWidgetTest, SetKeysSortsRefusesNonFiniteAndDoesNotNotify) {
  ASSERT_TRUE(curve_->SetKeys({{2, 1}, {0, 3}, {1, 2}}).IsOk());
  EXPECT_EQ(curve_->GetKeys(), (std::vector<FCurveKey>{{0, 3}, {1, 2}, {2, 1}}));
  const Result<void> bad = curve_->SetKeys({{0, 0}, {std::nan(""), 1}});
  ASSERT_FALSE(bad.IsOk());
  EXPECT_EQ(bad.GetError().GetMessage(), "Key is not finite");
  EXPECT_EQ(curve_->GetKeys().size(), 3u);
  EXPECT_DOUBLE_EQ(curve_->Evaluate(1), 2.0);
  EXPECT_TRUE(seen_.empty());
}

TEST_F(FCurveWidgetTest, ClickSelectsAndDragMovesWithinTheNeighbours) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press({71, 41}));
  EXPECT_EQ(curve_->GetSelectedKey(), 1);
  ASSERT_TRUE(*driver.Drag({90, 50}));
  EXPECT_NEAR(curve_->GetKeys()[1].time, 0.7, 1e-12);
  EXPECT_NEAR(curve_->GetKeys()[1].value, 0.5, 1e-12);
  // Past the next key's time the key stops at it; its value still follows.
  ASSERT_TRUE(*driver.Drag({190, 60}));
  ASSERT_TRUE(*driver.Release({190, 60}));
  EXPECT_DOUBLE_EQ(curve_->GetKeys()[1].time, 1.2);
  EXPECT_NEAR(curve_->GetKeys()[1].value, 0.4, 1e-12);
  ASSERT_EQ(seen_.size(), 2u) << "one notice per change, each with the keys as changed";
  EXPECT_NEAR(seen_[0][1].time, 0.7, 1e-12);
  EXPECT_DOUBLE_EQ(seen_[1][1].time, 1.2);
  ASSERT_TRUE(*driver.Click({100, 100}));
  EXPECT_EQ(curve_->GetSelectedKey(), -1) << "a click on empty space selects nothing";
  EXPECT_EQ(seen_.size(), 2u);
}

TEST_F(FCurveWidgetTest, DoubleClickAddsAKeyAndDeleteRemovesIt) {
  ASSERT_TRUE(*DoubleClick({120, 50}));
  ASSERT_EQ(curve_->GetKeys().size(), 5u);
  EXPECT_EQ(curve_->GetSelectedKey(), 2);
  EXPECT_NEAR(curve_->GetKeys()[2].time, 1.0, 1e-12);
  EXPECT_NEAR(curve_->GetKeys()[2].value, 0.5, 1e-12);
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.KeyDown(KEY::DELETE));
  EXPECT_EQ(curve_->GetKeys(), kKeys);
  EXPECT_EQ(curve_->GetSelectedKey(), -1);
  ASSERT_EQ(seen_.size(), 2u);
  EXPECT_EQ(seen_[0].size(), 5u);
  EXPECT_EQ(seen_[1], kKeys);
}

TEST_F(FCurveWidgetTest, KeysBeforeTimeZeroAndBelowValueZeroAreReachable) {
  curve_->SetLocalScale({2, 2});
  curve_->SetPan({20 - 2 * kFCurveOrigin, 100 - 2 * kFCurveOrigin});
  ASSERT_TRUE(window_->Update().IsOk());
  ASSERT_TRUE(*DoubleClick({10, 110}));
  ASSERT_EQ(curve_->GetKeys().size(), 5u);
  EXPECT_EQ(curve_->GetSelectedKey(), 0);
  EXPECT_NEAR(curve_->GetKeys()[0].time, -0.05, 1e-9);
  EXPECT_NEAR(curve_->GetKeys()[0].value, -0.05, 1e-9);
  // The key squares keep their screen size at any zoom.
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press({21, 99}));
  EXPECT_EQ(curve_->GetSelectedKey(), 1);
}

TEST_F(FCurveWidgetTest, AreaBindingsStillPan) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press({71, 41}, BUTTON::LEFT, MODIFIER::ALT));
  ASSERT_TRUE(*driver.Drag({81, 41}, BUTTON::LEFT, MODIFIER::ALT));
  ASSERT_TRUE(*driver.Release({81, 41}, BUTTON::LEFT, MODIFIER::ALT));
  EXPECT_EQ(curve_->GetPan(), (Vector2d{30 - kFCurveOrigin, 100 - kFCurveOrigin}));
  EXPECT_EQ(curve_->GetSelectedKey(), -1);
  EXPECT_EQ(curve_->GetKeys(), kKeys);
}

TEST_F(FCurveWidgetTest, GoldenCurveWithSelectedKey) {
  curve_->SetSelectedKey(2);
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "fcurve_keys");
}

}  // namespace
}  // namespace zarvo
