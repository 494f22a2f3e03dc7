#include <gtest/gtest.h>

#include "host/core/HostClock.h"

namespace zarvo {
namespace {

using namespace std::chrono_literals;

TEST(HostClockTest, VirtualClockStartsAtZeroAndMovesOnlyForward) {
  VirtualHostClock clock;
  EXPECT_EQ(clock.Now(), 0ns);
  clock.AdvanceTime(250ms);
  clock.AdvanceTime(-1s);
  EXPECT_EQ(clock.Now(), 250ms);
}

TEST(HostClockTest, ScopedVirtualClockIsInstalledAndRemoved) {
  ASSERT_EQ(GetVirtualHostClock(), nullptr);
  {
    ScopedVirtualHostClock scoped;
    EXPECT_EQ(GetVirtualHostClock(), &scoped.GetClock());
    EXPECT_EQ(GetHostTime(), 0ns);
    scoped.GetClock().AdvanceTime(2s);
    EXPECT_EQ(GetHostTime(), 2s);
  }
  EXPECT_EQ(GetVirtualHostClock(), nullptr);
}

TEST(HostClockTest, SetHostClockReturnsThePreviousClock) {
  auto mine = std::make_shared<VirtualHostClock>();
  std::shared_ptr<HostClock> previous = SetHostClock(mine);
  EXPECT_EQ(&GetHostClock(), mine.get());
  std::shared_ptr<HostClock> returned = SetHostClock(previous);
  EXPECT_EQ(returned, mine);
  EXPECT_EQ(&GetHostClock(), previous.get());
}

TEST(HostClockTest, NullBringsBackTheOneRealClock) {
  HostClock* real = &GetHostClock();
  std::shared_ptr<HostClock> previous = SetHostClock(std::make_shared<VirtualHostClock>());
  SetHostClock(nullptr);
  EXPECT_EQ(GetVirtualHostClock(), nullptr);
  EXPECT_EQ(&GetHostClock(), real);  // the same origin, so host time keeps counting
  EXPECT_NE(dynamic_cast<RealHostClock*>(&GetHostClock()), nullptr);
  SetHostClock(previous);
}

TEST(HostClockTest, SecondsConvertExactlyForTimerPeriods) {
  static_assert(HostDurationFromSeconds(0.05) == 50ms);
  static_assert(HostDurationFromSeconds(0.002) == 2ms);
  static_assert(HostDurationFromSeconds(-0.5) == -500ms);
  EXPECT_DOUBLE_EQ(HostDurationToSeconds(1500ms), 1.5);
  EXPECT_DOUBLE_EQ(HostDurationToSeconds(HostDurationFromSeconds(3.5)), 3.5);
}

}  // namespace
}  // namespace zarvo
