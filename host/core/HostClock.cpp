#include "host/core/HostClock.h"

#include <utility>

namespace zarvo {

namespace {

// One real clock for the process, so that host time keeps counting from the same origin
// when a program swaps clocks back and forth.
const std::shared_ptr<HostClock>& GetProcessRealClock() {
  static const std::shared_ptr<HostClock> clock = std::make_shared<RealHostClock>();
  return clock;
}

struct ClockSlot {
  std::shared_ptr<HostClock> clock = GetProcessRealClock();
  VirtualHostClock* virtualClock = nullptr;  // the same object when it is virtual
};

ClockSlot& GetClockSlot() {
  static ClockSlot slot;
  return slot;
}

}  // namespace

HostClock& GetHostClock() { return *GetClockSlot().clock; }

std::shared_ptr<HostClock> SetHostClock(std::shared_ptr<HostClock> clock) {
  ClockSlot& slot = GetClockSlot();
  if (!clock) clock = GetProcessRealClock();
  slot.virtualClock = dynamic_cast<VirtualHostClock*>(clock.get());
  return std::exchange(slot.clock, std::move(clock));
}

VirtualHostClock* GetVirtualHostClock() noexcept { return GetClockSlot().virtualClock; }

ScopedVirtualHostClock::ScopedVirtualHostClock()
    : clock_(std::make_shared<VirtualHostClock>()), previous_(SetHostClock(clock_)) {}

ScopedVirtualHostClock::~ScopedVirtualHostClock() { SetHostClock(std::move(previous_)); }

}  // namespace zarvo
