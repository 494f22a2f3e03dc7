#pragma once
#include <chrono>
#include <cstdint>
#include <memory>

#include "host/core/Types.h"

namespace zarvo {

// Host time is counted in whole nanoseconds, so that a virtual clock stepping by 0.1 s lands
// on 1 s after ten steps exactly and timer counts in tests never depend on rounding.
using HostDuration = std::chrono::nanoseconds;
// A point on the host clock: the time since the clock started.
using HostTime = std::chrono::nanoseconds;

// Conversions for code that thinks in Float seconds (style sheet timings, elapsed-time rules).
constexpr HostDuration HostDurationFromSeconds(Float seconds) noexcept {
  return HostDuration(static_cast<int64_t>(seconds * 1e9 + (seconds < 0 ? -0.5 : 0.5)));
}
constexpr Float HostDurationToSeconds(HostDuration duration) noexcept {
  return static_cast<Float>(duration.count()) / 1e9;
}

// The source of host time. Applications run on the real clock; tests install a virtual one
// and move it forward themselves (usually through MainThreadQueue::AdvanceTime, which also
// runs the timers that come due on the way).
class HostClock {
 public:
  virtual ~HostClock() = default;
  virtual HostTime Now() const noexcept = 0;
};

// Monotonic wall time, counted from the clock's construction.
class RealHostClock final : public HostClock {
 public:
  RealHostClock() : origin_(std::chrono::steady_clock::now()) {}
  HostTime Now() const noexcept override {
    return std::chrono::duration_cast<HostTime>(std::chrono::steady_clock::now() - origin_);
  }

 private:
  std::chrono::steady_clock::time_point origin_;
};

// Time that moves only when told; starts at 0.
class VirtualHostClock final : public HostClock {
 public:
  HostTime Now() const noexcept override { return now_; }
  // Negative durations are ignored: host time never runs backwards.
  void AdvanceTime(HostDuration duration) noexcept {
    if (duration > HostDuration::zero()) now_ += duration;
  }

 private:
  HostTime now_{0};
};

// The process-wide clock (a real one unless something else was installed).
HostClock& GetHostClock();
inline HostTime GetHostTime() { return GetHostClock().Now(); }
// Installs `clock` and returns the previous one; nullptr brings back the process's real clock. Main thread
// only, and not while a caller holds a reference from GetHostClock().
std::shared_ptr<HostClock> SetHostClock(std::shared_ptr<HostClock> clock);
// The installed clock when it is virtual, else nullptr.
VirtualHostClock* GetVirtualHostClock() noexcept;

// Installs a fresh virtual clock for the lifetime of a test and restores the previous clock.
class ScopedVirtualHostClock {
 public:
  ScopedVirtualHostClock();
  ~ScopedVirtualHostClock();
  ScopedVirtualHostClock(const ScopedVirtualHostClock&) = delete;
  ScopedVirtualHostClock& operator=(const ScopedVirtualHostClock&) = delete;

  VirtualHostClock& GetClock() noexcept { return *clock_; }

 private:
  std::shared_ptr<VirtualHostClock> clock_;
  std::shared_ptr<HostClock> previous_;
};

}  // namespace zarvo
