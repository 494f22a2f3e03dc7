#include <gtest/gtest.h>

#include <cairo.h>

#include <vector>

#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/EasterEggWidgetInterface.h"
#include "source/widgets_debug/EasterEggMotion.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

class EasterEggWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    window_ = test::MakeTestWindow(Rect{0, 0, 120, 120});
    ASSERT_TRUE(window_);
    egg_ = test::NewObject<EasterEggWidgetInterface>(kEasterEggWidgetClassId);
    ASSERT_TRUE(egg_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(egg_).IsOk());
    ASSERT_TRUE(egg_->CreateLayout().IsOk());
    egg_->SetLocalPosition({20, 20});
    Update();
    egg_->ObservableRunningChanged()->AddObserver([this](const EasterEggWidgetRef& sender, Bool on) -> Result<void> {
      EXPECT_EQ(sender.Get(), egg_.Get());
      told_.push_back(on);
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  void Advance(HostDuration duration) {
    GetMainThreadQueue().AdvanceTime(duration);
    Update();
  }
  cairo_surface_t* Surface() const { return window_->GetHostCanvas()->GetOsWindow()->GetSurface(); }
  std::vector<unsigned char> Pixels() const {
    cairo_surface_t* surface = Surface();
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return {data, data + cairo_image_surface_get_stride(surface) * cairo_image_surface_get_height(surface)};
  }

  ScopedVirtualHostClock clock_;
  Ref<AppWindow> window_;
  EasterEggWidgetRef egg_;
  std::vector<Bool> told_;
};

TEST_F(EasterEggWidgetTest, RestsUntilClickedAndQueuesNothingMeanwhile) {
  EXPECT_EQ(egg_->GetName(), "EasterEggWidget");
  EXPECT_EQ(egg_->GetLocalPixSize(), (Vector2d{80, 80}));
  EXPECT_FALSE(egg_->IsRunning());
  EXPECT_EQ(egg_->GetShowTime(), 0.0);
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
  EXPECT_STREQ(egg_->ObservableRunningChanged()->GetObservableId(), "ObservableRunningChanged");
  Advance(seconds(10));
  EXPECT_EQ(egg_->GetFrameCount(), 0);
}

TEST_F(EasterEggWidgetTest, AClickRunsTheShowOnTheHostClockUntilItEndsByItself) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Click(*egg_));
  EXPECT_TRUE(egg_->IsRunning());
  EXPECT_EQ(told_, (std::vector<Bool>{true}));
  Advance(seconds(1));
  EXPECT_EQ(egg_->GetFrameCount(), 30) << "thirty frames a second";
  EXPECT_DOUBLE_EQ(egg_->GetShowTime(), 1.0);
  Advance(milliseconds(2900));
  EXPECT_TRUE(egg_->IsRunning());
  Advance(milliseconds(200));
  EXPECT_FALSE(egg_->IsRunning()) << "the show is " << kEasterEggShowSeconds << " s";
  EXPECT_EQ(egg_->GetFrameCount(), 121) << "the frames of four seconds, then the one that puts it to rest";
  EXPECT_EQ(told_, (std::vector<Bool>{true, false}));
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(EasterEggWidgetTest, AClickDuringTheShowStopsItAndOtherButtonsDoNothing) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Click(*egg_));
  Advance(milliseconds(500));
  ASSERT_TRUE(*driver.Click(*egg_));
  EXPECT_FALSE(egg_->IsRunning());
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
  EXPECT_EQ(told_, (std::vector<Bool>{true, false}));
  const DataDictionary right = MakeMouseEvent(EVENT::BUTTON_DOWN, EventDriver::CenterOf(*egg_), BUTTON::RIGHT);
  EXPECT_FALSE(*egg_->HandleEvent(&right));
  EXPECT_FALSE(*egg_->HandleEvent(nullptr));
  EXPECT_FALSE(egg_->IsRunning());

  // Start and Stop from the program do not tell.
  egg_->Start();
  egg_->Stop();
  EXPECT_EQ(told_.size(), 2u);
}

TEST_F(EasterEggWidgetTest, TheEggMovesAndChangesColourDuringTheShow) {
  test::ExpectMatchesGolden(Surface(), "easteregg_resting");
  const std::vector<unsigned char> resting = Pixels();
  egg_->Start();
  // A third of a second in, the first hop is at its height.
  Advance(milliseconds(333));
  EXPECT_NE(Pixels(), resting);
  Advance(seconds(5));
  EXPECT_EQ(Pixels(), resting) << "back at rest, as before";
}

TEST_F(EasterEggWidgetTest, ADroppedEggStopsItsTimer) {
  egg_->Start();
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 1u);
  egg_->Remove();
  egg_ = EasterEggWidgetRef();
  Advance(milliseconds(100));
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

}  // namespace
}  // namespace zarvo
