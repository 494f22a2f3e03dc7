#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CustomButtonWidgetInterface.h"
#include "source/widgets_base/CustomButtonWidgetImpl.h"

namespace zarvo {
namespace {

using std::chrono::milliseconds;

const Rect kFrame{10, 10, 30, 30};
constexpr Vector2d kInside{20, 20};

CustomButtonWidgetRef MakeCustomButton() {
  Result<CustomButtonWidgetRef> button = CreateObject<CustomButtonWidgetInterface>(Id(kCustomButtonWidgetClassId));
  EXPECT_TRUE(button.IsOk()) << button.GetError().ToString();
  return button.IsOk() ? *button : CustomButtonWidgetRef();
}

Result<bool> Send(const CustomButtonWidgetRef& button, EVENT type, Vector2d position, Int buttons = BUTTON::LEFT) {
  const DataDictionary event = MakeMouseEvent(type, position, buttons);
  return button->HandleEvent(&event);
}

Float RepeatIntervalOf(const CustomButtonWidgetRef& button) {
  return dynamic_cast<const CustomButtonWidgetImpl&>(*button).GetRepeatInterval();
}

TEST(CustomButtonDragTest, TheLargerAllowedAxisWinsAndTiesGoVertical) {
  const Int all = DRAG_DIRECTION::LEFT | DRAG_DIRECTION::RIGHT | DRAG_DIRECTION::UP | DRAG_DIRECTION::DOWN;
  EXPECT_EQ(ComputeCustomButtonDrag({-10, 3}, all).direction, DRAG_DIRECTION::LEFT);
  EXPECT_EQ(ComputeCustomButtonDrag({10, -3}, all).direction, DRAG_DIRECTION::RIGHT);
  EXPECT_EQ(ComputeCustomButtonDrag({5, -5}, all).direction, DRAG_DIRECTION::UP);
  EXPECT_EQ(ComputeCustomButtonDrag({-5, 5}, all).direction, DRAG_DIRECTION::DOWN);
  // Only the allowed axis counts, however small its movement.
  EXPECT_EQ(ComputeCustomButtonDrag({-40, 2}, 12).direction, DRAG_DIRECTION::DOWN);
  EXPECT_EQ(ComputeCustomButtonDrag({2, -40}, 3).direction, DRAG_DIRECTION::RIGHT);
  // A direction that is not itself allowed is none, and repeats at the slowest rate.
  const CustomButtonDrag wrongWay = ComputeCustomButtonDrag({0, 40}, DRAG_DIRECTION::UP);
  EXPECT_EQ(wrongWay.direction, DRAG_DIRECTION::NONE);
  EXPECT_EQ(wrongWay.repeatInterval, kCustomButtonSlowestRepeatInterval);
  EXPECT_EQ(ComputeCustomButtonDrag({0, 0}, all).direction, DRAG_DIRECTION::NONE);
  EXPECT_EQ(ComputeCustomButtonDrag({9, 9}, DRAG_DIRECTION::NONE).direction, DRAG_DIRECTION::NONE);
}

TEST(CustomButtonDragTest, TheIntervalFallsLinearlyOverSixtyFourPixels) {
  EXPECT_DOUBLE_EQ(ComputeCustomButtonDrag({0, 0.0001}, 12).repeatInterval, 0.05 - (0.0001 / 64) * 0.048);
  EXPECT_DOUBLE_EQ(ComputeCustomButtonDrag({0, 32}, 12).repeatInterval, 0.026);
  EXPECT_DOUBLE_EQ(ComputeCustomButtonDrag({0, -64}, 12).repeatInterval, 0.002);
  EXPECT_DOUBLE_EQ(ComputeCustomButtonDrag({0, 500}, 12).repeatInterval, 0.002);
}

class CustomButtonWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    GetMainThreadQueue().Clear();
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 40, 40});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    button_ = MakeCustomButton();
    ASSERT_TRUE(button_);
    button_->SetLocalPosition({kFrame.left, kFrame.top});
    ASSERT_TRUE(button_->SetLocalSize(kFrame.Width(), kFrame.Height()).IsOk());
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(button_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    button_->ObservableButtonDown()->AddObserver([this](const CustomButtonWidgetRef& sender) -> Result<void> {
      EXPECT_EQ(sender, button_);
      fired_.push_back("down@" + std::to_string(ElapsedMs()));
      return Ok();
    });
    button_->ObservableButtonUp()->AddObserver([this](const CustomButtonWidgetRef&) -> Result<void> {
      fired_.push_back("up@" + std::to_string(ElapsedMs()));
      return Ok();
    });
  }
  void TearDown() override { GetMainThreadQueue().Clear(); }

  long ElapsedMs() {
    return static_cast<long>(std::chrono::duration_cast<milliseconds>(clock_.GetClock().Now()).count());
  }
  void Advance(int ms) { GetMainThreadQueue().AdvanceTime(milliseconds(ms)); }

  ScopedVirtualHostClock clock_;
  Ref<AppWindow> window_;
  CustomButtonWidgetRef button_;
  std::vector<std::string> fired_;
};

TEST_F(CustomButtonWidgetTest, NamesItselfAndStartsWithNothingAllowed) {
  EXPECT_EQ(button_->GetName(), "CustomButtonWidget");
  EXPECT_FALSE(button_->IsButtonDown());
  EXPECT_EQ(button_->GetAllowedDragDirections(), DRAG_DIRECTION::NONE);
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::NONE);
  EXPECT_STREQ(button_->ObservableButtonDown()->GetObservableId(), "ObservableButtonDown");
  EXPECT_STREQ(button_->ObservableButtonUp()->GetObservableId(), "ObservableButtonUp");
  EXPECT_TRUE(Cast<CustomWidgetInterface>(button_));
}

TEST_F(CustomButtonWidgetTest, AClickPressesOnceAndReleases) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Press(kInside));
  EXPECT_TRUE(button_->IsButtonDown());
  Advance(100);
  ASSERT_TRUE(*driver.Release({35, 35})) << "the release counts wherever it happens";
  EXPECT_FALSE(button_->IsButtonDown());
  Advance(1000);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@0", "up@100"}));
}

TEST_F(CustomButtonWidgetTest, OtherButtonsAndStrayEventsAreNotConsumed) {
  EXPECT_FALSE(*Send(button_, EVENT::BUTTON_DOWN, kInside, BUTTON::RIGHT));
  EXPECT_FALSE(*Send(button_, EVENT::BUTTON_DOWN, kInside, BUTTON::LEFT | BUTTON::RIGHT));
  EXPECT_FALSE(*Send(button_, EVENT::BUTTON_UP, kInside, BUTTON::RIGHT));
  EXPECT_FALSE(*Send(button_, EVENT::BUTTON_DRAG, kInside)) << "a drag without a press";
  EXPECT_FALSE(*Send(button_, EVENT::MOUSE_MOVE, kInside));
  EXPECT_FALSE(*button_->HandleEvent(nullptr));
  EXPECT_TRUE(fired_.empty());
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(CustomButtonWidgetTest, WithNothingAllowedDragsAreIgnored) {
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DOWN, kInside));
  EXPECT_FALSE(*Send(button_, EVENT::BUTTON_DRAG, {20, 80}));
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::NONE);
  EXPECT_EQ(RepeatIntervalOf(button_), kCustomButtonSlowestRepeatInterval);
}

TEST_F(CustomButtonWidgetTest, DraggingPicksTheDirectionAndTheRate) {
  button_->SetAllowedDragDirections(DRAG_DIRECTION::UP | DRAG_DIRECTION::DOWN);
  EXPECT_EQ(button_->GetAllowedDragDirections(), 12);
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DOWN, kInside));
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DRAG, {60, 12}));
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::UP);
  EXPECT_DOUBLE_EQ(RepeatIntervalOf(button_), 0.05 - (8.0 / 64.0) * 0.048);
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DRAG, {20, 52}));
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::DOWN);
  EXPECT_DOUBLE_EQ(RepeatIntervalOf(button_), 0.026);
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_UP, {20, 52}));
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::NONE);
  // A new press starts at the slowest rate again.
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DOWN, kInside));
  EXPECT_EQ(RepeatIntervalOf(button_), kCustomButtonSlowestRepeatInterval);
}

TEST_F(CustomButtonWidgetTest, AHeldPressRepeatsAfterTheDelayAndSpeedsUpWithTheDrag) {
  button_->SetAllowedDragDirections(DRAG_DIRECTION::LEFT | DRAG_DIRECTION::RIGHT);
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DOWN, kInside));
  Advance(499);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@0"})) << "nothing before the first delay";
  Advance(1);
  Advance(100);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@0", "down@500", "down@550", "down@600"}));
  fired_.clear();
  // 32 pixels to the right: every 26 ms, counted from the last repeat.
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DRAG, {52, 20}));
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::RIGHT);
  Advance(60);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@626", "down@652"}));
  fired_.clear();
  // 64 pixels or more: the fastest rate, on every tick of the 2 ms timer.
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DRAG, {-80, 20}));
  EXPECT_EQ(button_->GetCurrentDraggingDirection(), DRAG_DIRECTION::LEFT);
  Advance(6);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@662", "down@664", "down@666"}));
  fired_.clear();
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_UP, {-80, 20}));
  Advance(1000);
  EXPECT_EQ(fired_, (std::vector<std::string>{"up@666"}));
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(CustomButtonWidgetTest, APressingObserverThatFailsEndsTheHandlerBeforeTheRepeatStarts) {
  button_->ObservableButtonDown()->AddObserver(
      [](const CustomButtonWidgetRef&) -> Result<void> { return IllegalStateError("presenter refused"); });
  Result<bool> pressed = Send(button_, EVENT::BUTTON_DOWN, kInside);
  ASSERT_FALSE(pressed.IsOk());
  EXPECT_EQ(pressed.GetError().GetMessage(), "presenter refused");
  EXPECT_TRUE(button_->IsButtonDown()) << "state changed before the failure stays";
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(CustomButtonWidgetTest, AButtonDestroyedWhileHeldStopsRepeating) {
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DOWN, kInside));
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 1u);
  WeakRef<CustomButtonWidgetInterface> link(button_);
  button_->Remove();
  button_.Reset();
  EXPECT_FALSE(link.IsAlive()) << "the repeat does not keep the button alive";
  Advance(1000);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@0"}));
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

TEST_F(CustomButtonWidgetTest, AnObserverMayDropTheButtonDuringARepeat) {
  ASSERT_TRUE(*Send(button_, EVENT::BUTTON_DOWN, kInside));
  button_->ObservableButtonDown()->AddObserver([this](const CustomButtonWidgetRef&) -> Result<void> {
    button_->Remove();
    button_.Reset();
    return Ok();
  });
  Advance(1000);
  EXPECT_FALSE(button_);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down@0", "down@500"}));
  EXPECT_EQ(GetMainThreadQueue().GetTimerCount(), 0u);
}

}  // namespace
}  // namespace zarvo
