#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/PointerGrab.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

TEST(PointerGrabTest, AGrabTakesTheInputOfEveryWindowUntilItEnds) {
  Ref<AppWindow> first = test::OpenTestWindow(WindowClass::Window(), Rect{0, 0, 100, 100});
  Ref<AppWindow> second = test::OpenTestWindow(WindowClass::Window(), Rect{200, 0, 300, 100});
  ButtonWidgetRef button = test::AddTestButton(*second, Rect{0, 0, 50, 50});
  int pressed = 0;
  button->ObservableButtonDown()->AddObserver([&](const ButtonWidgetRef&) -> Result<void> {
    ++pressed;
    return Ok();
  });
  std::vector<CanvasInterface*> seen;
  const uint64_t grab = PointerGrab::Begin([&](CanvasInterface& canvas, const DataDictionary&) -> Result<bool> {
    seen.push_back(&canvas);
    return true;
  });
  (void)EventDriver(*first).Press({10, 10});
  (void)EventDriver(*second).Press({10, 10});
  EXPECT_EQ(seen, (std::vector<CanvasInterface*>{first->GetCanvas(), second->GetCanvas()}));
  EXPECT_EQ(pressed, 0) << "the widgets saw nothing";
  PointerGrab::End(grab + 1);
  EXPECT_TRUE(PointerGrab::IsActive(grab)) << "another token ends nothing";
  PointerGrab::End(grab);
  EXPECT_FALSE(PointerGrab::IsActive());
  (void)EventDriver(*second).Press({10, 10});
  EXPECT_EQ(pressed, 1);
}

TEST(PointerGrabTest, ANewGrabCancelsTheOldAndHandlerErrorsAreTaken) {
  Ref<AppWindow> window = test::OpenTestWindow(WindowClass::Window(), Rect{0, 0, 100, 100});
  int cancelled = 0;
  const uint64_t old = PointerGrab::Begin([](CanvasInterface&, const DataDictionary&) -> Result<bool> { return true; },
                                          [&] { ++cancelled; });
  const uint64_t fresh = PointerGrab::Begin(
      [](CanvasInterface&, const DataDictionary&) -> Result<bool> { return IllegalStateError("broken"); });
  EXPECT_EQ(cancelled, 1);
  EXPECT_FALSE(PointerGrab::IsActive(old));
  EXPECT_TRUE(PointerGrab::IsActive(fresh));
  Result<bool> taken = EventDriver(*window).Press({10, 10});
  ASSERT_TRUE(taken.IsOk());
  PointerGrab::Cancel();
  EXPECT_FALSE(PointerGrab::IsActive());
}

}  // namespace
}  // namespace zarvo
