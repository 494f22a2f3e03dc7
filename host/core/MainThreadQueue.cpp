#include "host/core/MainThreadQueue.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "host/core/Log.h"

namespace zarvo {

MainThreadQueue::~MainThreadQueue() { Clear(); }

JobHandle MainThreadQueue::Enqueue(Job job) {
  assert(job && "an empty closure job");
  if (!job) return JobHandle();
  const uint64_t id = NextId();
  jobs_.push_back(QueuedJob{id, std::move(job)});
  return JobHandle(id);
}

JobHandle MainThreadQueue::AddTimer(HostDuration period, HostDuration tolerance, TimerTick tick,
                                    std::optional<HostDuration> firstDelay) {
  assert(tick && "an empty timer tick");
  assert(period > HostDuration::zero() && "a timer needs a positive period");
  if (!tick) return JobHandle();
  auto timer = std::make_shared<Timer>();
  timer->id = NextId();
  timer->period = std::max(period, kMinTimerPeriod);
  timer->tolerance = std::max(tolerance, kMinTimerTolerance);
  timer->due = GetHostTime() + std::max(firstDelay.value_or(timer->period), HostDuration::zero());
  timer->tick = std::move(tick);
  timers_.push_back(timer);
  return JobHandle(timer->id);
}

bool MainThreadQueue::Cancel(JobHandle handle) {
  if (!handle.IsSet()) return false;
  auto job = std::find_if(jobs_.begin(), jobs_.end(),
                          [&](const QueuedJob& queued) { return queued.id == handle.id_; });
  if (job != jobs_.end()) {
    // Released after the deque is consistent again: the closure's destructor may use the queue.
    Job released = std::move(job->job);
    jobs_.erase(job);
    return true;
  }
  auto timer = std::find_if(timers_.begin(), timers_.end(),
                            [&](const std::shared_ptr<Timer>& t) { return t->id == handle.id_; });
  if (timer != timers_.end()) {
    std::shared_ptr<Timer> released = *timer;
    released->stopped = true;
    timers_.erase(timer);
    return true;
  }
  return false;
}

bool MainThreadQueue::IsPending(JobHandle handle) const noexcept {
  if (!handle.IsSet()) return false;
  for (const QueuedJob& queued : jobs_) {
    if (queued.id == handle.id_) return true;
  }
  for (const auto& timer : timers_) {
    if (timer->id == handle.id_) return true;
  }
  return false;
}

std::shared_ptr<MainThreadQueue::Timer> MainThreadQueue::FindDueTimer(HostTime now, uint64_t idLimit) const {
  std::shared_ptr<Timer> best;
  for (const auto& timer : timers_) {
    // A running timer is skipped so that a nested loop inside its tick cannot fire it again.
    if (timer->running || timer->id >= idLimit || timer->due > now) continue;
    if (!best || timer->due < best->due || (timer->due == best->due && timer->id < best->id)) {
      best = timer;
    }
  }
  return best;
}

void MainThreadQueue::DetachTimer(const Timer* timer) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const std::shared_ptr<Timer>& t) { return t.get() == timer; });
  if (it != timers_.end()) timers_.erase(it);
}

void MainThreadQueue::FireTimer(const std::shared_ptr<Timer>& timer) {
  timer->running = true;
  const bool again = timer->tick();
  timer->running = false;
  if (timer->stopped) return;  // cancelled (or cleared) by its own tick
  if (!again) {
    timer->stopped = true;
    DetachTimer(timer.get());
    return;
  }
  // Keep the phase: the next due time is the first multiple of the period after now.
  const HostTime now = GetHostTime();
  if (timer->due > now) return;
  const int64_t missed = (now - timer->due) / timer->period;
  timer->due += (missed + 1) * timer->period;
}

size_t MainThreadQueue::RunDueJobs() {
  size_t ran = 0;
  // Ids grow, so "queued before this call" is "id below the next id".
  const uint64_t idLimit = lastId_ + 1;
  while (!jobs_.empty() && jobs_.front().id < idLimit) {
    Job job = std::move(jobs_.front().job);
    jobs_.pop_front();
    job();
    ++ran;
  }
  // Timers added during this call wait for the next one, so a tick that adds a timer with no
  // delay cannot keep this loop going.
  const HostTime now = GetHostTime();
  while (std::shared_ptr<Timer> timer = FindDueTimer(now, idLimit)) {
    FireTimer(timer);
    ++ran;
  }
  return ran;
}

bool MainThreadQueue::RunUntilIdle() {
  for (size_t round = 0; round < kMaxIdleRounds; ++round) {
    RunDueJobs();
    if (jobs_.empty()) return true;
  }
  LogWarning("Main-thread queue is not idle after " + std::to_string(kMaxIdleRounds) +
             " rounds; a job keeps queueing jobs");
  return false;
}

std::optional<HostTime> MainThreadQueue::GetEarliestTimerDue() const {
  std::optional<HostTime> earliest;
  for (const auto& timer : timers_) {
    if (timer->running) continue;
    if (!earliest || timer->due < *earliest) earliest = timer->due;
  }
  return earliest;
}

void MainThreadQueue::AdvanceTime(HostDuration duration) {
  VirtualHostClock* clock = GetVirtualHostClock();
  assert(clock && "AdvanceTime needs the virtual host clock");
  if (!clock) {
    LogError("AdvanceTime needs the virtual host clock");
    return;
  }
  const HostTime target = clock->Now() + std::max(duration, HostDuration::zero());
  RunUntilIdle();
  // Every step either moves time or fires a timer that was already due; a tick that keeps
  // adding timers due at once would stall time, so that is bounded like RunUntilIdle.
  size_t stalledSteps = 0;
  for (std::optional<HostTime> next = GetEarliestTimerDue(); next && *next <= target;
       next = GetEarliestTimerDue()) {
    const HostTime before = clock->Now();
    clock->AdvanceTime(*next - before);
    if (clock->Now() == before && ++stalledSteps >= kMaxIdleRounds) {
      LogWarning("AdvanceTime stopped: timers keep coming due without time passing");
      break;
    }
    if (clock->Now() != before) stalledSteps = 0;
    if (!RunUntilIdle()) break;
  }
  clock->AdvanceTime(target - clock->Now());
  RunUntilIdle();
}

std::optional<HostTime> MainThreadQueue::GetNextDueTime() const {
  if (!jobs_.empty()) return GetHostTime();
  std::optional<HostTime> next;
  for (const auto& timer : timers_) {
    if (timer->running) continue;
    const HostTime deadline = timer->due + timer->tolerance;
    if (!next || deadline < *next) next = deadline;
  }
  return next;
}

void MainThreadQueue::Clear() {
  // Move everything out first: releasing a closure may queue or cancel jobs, which then land
  // in the emptied queue.
  std::deque<QueuedJob> jobs;
  std::vector<std::shared_ptr<Timer>> timers;
  jobs.swap(jobs_);
  timers.swap(timers_);
  for (const auto& timer : timers) timer->stopped = true;
}

MainThreadQueue& GetMainThreadQueue() {
  static MainThreadQueue* queue = new MainThreadQueue;
  return *queue;
}

}  // namespace zarvo
