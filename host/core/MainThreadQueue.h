#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/core/HostClock.h"

namespace zarvo {

// Names one queued closure job or timer. Empty by default; stays valid (and harmless to
// cancel) after its job has run or been cancelled.
class JobHandle {
 public:
  JobHandle() = default;
  bool IsSet() const noexcept { return id_ != 0; }
  uint64_t GetId() const noexcept { return id_; }
  friend bool operator==(const JobHandle&, const JobHandle&) = default;

 private:
  friend class MainThreadQueue;
  explicit JobHandle(uint64_t id) : id_(id) {}
  uint64_t id_ = 0;
};

// The smallest lateness a timer is granted; callers ask for "the larger of X and the host
// minimum", and AddTimer applies it.
constexpr HostDuration kMinTimerTolerance = std::chrono::milliseconds(1);
// A shorter period is raised to this, so that a mistaken zero period cannot spin the loop.
constexpr HostDuration kMinTimerPeriod = std::chrono::microseconds(100);
// RunUntilIdle gives up after this many rounds of jobs that keep queueing new jobs.
constexpr size_t kMaxIdleRounds = 100000;

// The main thread's queue of closure jobs and repeating timers, driven by the host clock.
//
// Closure jobs run in the order they were queued. RunDueJobs runs the jobs queued before it
// started; a job queued by a running job waits for the next call, so a job that re-queues
// itself cannot starve the loop.
//
// A timer first fires `firstDelay` after it was added (one period unless given), then every
// period until its tick returns false or it is cancelled. Due timers fire in order of due time,
// then of creation. A timer that fell behind by several periods fires once and keeps its
// phase; it does not fire in a burst.
//
// Tolerance: a timer may fire up to its tolerance after its due time, never before. The real
// loop uses it to coalesce wake-ups: GetNextDueTime is the earliest due time plus tolerance
// among the timers, and waking then fires every timer that has come due meanwhile, so timers
// whose windows overlap share one wake-up. Under a virtual clock AdvanceTime steps to each
// due time exactly and tolerance plays no part.
//
// A job keeps whatever its closure holds (a Ref to a widget keeps the widget alive) until the
// job has run, the timer stopped, or it was cancelled; closures are released outside the
// queue's own bookkeeping, so a destructor that cancels or queues jobs is safe. Jobs may
// queue and cancel jobs, and run nested loops (modal sessions), while running.
//
// Main thread only.
class MainThreadQueue {
 public:
  using Job = std::function<void()>;
  // Returns false to stop the timer.
  using TimerTick = std::function<bool()>;

  MainThreadQueue() = default;
  ~MainThreadQueue();
  MainThreadQueue(const MainThreadQueue&) = delete;
  MainThreadQueue& operator=(const MainThreadQueue&) = delete;

  JobHandle Enqueue(Job job);
  JobHandle AddTimer(HostDuration period, HostDuration tolerance, TimerTick tick,
                     std::optional<HostDuration> firstDelay = std::nullopt);
  // Removes a queued job or a timer and releases its closure. A timer cancelled from its own
  // tick stops after that tick. Returns false when nothing was pending under the handle.
  bool Cancel(JobHandle handle);
  bool IsPending(JobHandle handle) const noexcept;

  // Runs the closure jobs queued so far, then the timers that are due. Returns how many jobs
  // and ticks ran.
  size_t RunDueJobs();
  // Runs due work until no closure job is left (timers only if due; time does not move).
  // Returns false when it gave up after kMaxIdleRounds rounds of jobs re-queueing jobs.
  bool RunUntilIdle();
  // Virtual clock only: moves time forward by `duration`, stopping at every due time of every
  // timer on the way and running what is due there, so that each timer fires at each of its
  // due times, in order with the others.
  void AdvanceTime(HostDuration duration);

  bool HasPendingWork() const noexcept { return !jobs_.empty() || !timers_.empty(); }
  size_t GetJobCount() const noexcept { return jobs_.size(); }
  size_t GetTimerCount() const noexcept { return timers_.size(); }
  // When a real loop should wake up: now while closure jobs wait, else the earliest timer
  // deadline (due time plus tolerance); nothing when the queue is empty.
  std::optional<HostTime> GetNextDueTime() const;
  // Drops every job and timer without running them.
  void Clear();

 private:
  struct QueuedJob {
    uint64_t id;
    Job job;
  };
  struct Timer {
    uint64_t id;
    HostDuration period;
    HostDuration tolerance;
    HostTime due;
    TimerTick tick;
    bool running = false;
    bool stopped = false;
  };

  uint64_t NextId() noexcept { return ++lastId_; }
  // The due timer to fire next among those created before `idLimit`, or nullptr.
  std::shared_ptr<Timer> FindDueTimer(HostTime now, uint64_t idLimit) const;
  std::optional<HostTime> GetEarliestTimerDue() const;
  // Takes a timer out of the list; the caller's reference releases it afterwards.
  void DetachTimer(const Timer* timer);
  void FireTimer(const std::shared_ptr<Timer>& timer);

  std::deque<QueuedJob> jobs_;
  // shared_ptr: a running tick keeps its timer while it cancels it or Clear runs.
  std::vector<std::shared_ptr<Timer>> timers_;
  uint64_t lastId_ = 0;
};

// The process-wide main-thread queue. It is never destroyed, so that destructors running at
// exit may still cancel their jobs.
MainThreadQueue& GetMainThreadQueue();

}  // namespace zarvo
