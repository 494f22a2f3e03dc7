#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/Log.h"
#include "host/core/MainThreadQueue.h"
#include "host/core/Ref.h"

namespace zarvo {
namespace {

using namespace std::chrono_literals;

int gLiveHolders = 0;

// Stands in for a widget that a job keeps alive.
class Holder final : public ObjectInterface {
 public:
  Holder() { ++gLiveHolders; }
  ~Holder() override { --gLiveHolders; }
};

class MainThreadQueueTest : public testing::Test {
 protected:
  void SetUp() override {
    gLiveHolders = 0;
    queue_.Clear();
  }
  void TearDown() override {
    queue_.Clear();
    EXPECT_EQ(gLiveHolders, 0);
  }

  // A tick that logs "<name>@<milliseconds>" and keeps the timer running.
  MainThreadQueue::TimerTick LogTick(std::string name) {
    return [this, name] {
      log_.push_back(name + "@" + std::to_string(GetHostTime() / 1ms));
      return true;
    };
  }

  ScopedVirtualHostClock clock_;
  MainThreadQueue& queue_ = GetMainThreadQueue();
  std::vector<std::string> log_;
};

TEST_F(MainThreadQueueTest, ClosureJobsRunLaterInQueueOrder) {
  queue_.Enqueue([this] { log_.push_back("a"); });
  queue_.Enqueue([this] { log_.push_back("b"); });
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(queue_.HasPendingWork());
  EXPECT_EQ(queue_.RunDueJobs(), 2u);
  EXPECT_EQ(log_, (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(queue_.HasPendingWork());
}

TEST_F(MainThreadQueueTest, JobsQueuedByAJobWaitForTheNextRun) {
  int runs = 0;
  std::function<void()> again = [&] {
    ++runs;
    queue_.Enqueue(again);
  };
  queue_.Enqueue(again);
  EXPECT_EQ(queue_.RunDueJobs(), 1u);
  EXPECT_EQ(queue_.RunDueJobs(), 1u);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(queue_.GetJobCount(), 1u);
}

TEST_F(MainThreadQueueTest, RunUntilIdleFollowsChainsOfJobs) {
  queue_.Enqueue([this] {
    log_.push_back("first");
    queue_.Enqueue([this] {
      log_.push_back("second");
      queue_.Enqueue([this] { log_.push_back("third"); });
    });
  });
  EXPECT_TRUE(queue_.RunUntilIdle());
  EXPECT_EQ(log_, (std::vector<std::string>{"first", "second", "third"}));
}

TEST_F(MainThreadQueueTest, RunUntilIdleGivesUpOnAJobThatAlwaysRequeues) {
  ScopedLogCapture capture;
  std::function<void()> forever = [&] { queue_.Enqueue(forever); };
  queue_.Enqueue(forever);
  EXPECT_FALSE(queue_.RunUntilIdle());
  EXPECT_TRUE(capture.Contains(LogLevel::kWarning, "keeps queueing jobs"));
}

TEST_F(MainThreadQueueTest, RunUntilIdleDoesNotWaitForTimers) {
  int ticks = 0;
  queue_.AddTimer(10ms, 0ns, [&] {
    ++ticks;
    return true;
  }, 0ns);
  EXPECT_TRUE(queue_.RunUntilIdle());
  EXPECT_EQ(ticks, 1);  // due at once, then not again until time moves
  EXPECT_TRUE(queue_.RunUntilIdle());
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(GetHostTime(), 0ns);
}

TEST_F(MainThreadQueueTest, CancelledJobNeverRunsAndReleasesItsClosure) {
  Ref<Holder> holder = MakeRef<Holder>();
  bool ran = false;
  JobHandle job = queue_.Enqueue([holder, &ran] { ran = true; });
  holder.Reset();
  EXPECT_EQ(gLiveHolders, 1);  // the queued job keeps it
  EXPECT_TRUE(queue_.IsPending(job));
  EXPECT_TRUE(queue_.Cancel(job));
  EXPECT_EQ(gLiveHolders, 0);
  EXPECT_FALSE(queue_.IsPending(job));
  EXPECT_FALSE(queue_.Cancel(job));
  EXPECT_FALSE(queue_.Cancel(JobHandle()));
  queue_.RunUntilIdle();
  EXPECT_FALSE(ran);
}

TEST_F(MainThreadQueueTest, JobReleasesWhatItHoldsOnceItRan) {
  Ref<Holder> holder = MakeRef<Holder>();
  queue_.Enqueue([holder] {});
  holder.Reset();
  EXPECT_EQ(gLiveHolders, 1);
  queue_.RunDueJobs();
  EXPECT_EQ(gLiveHolders, 0);
}

TEST_F(MainThreadQueueTest, JobsMayCancelOtherJobs) {
  JobHandle victim;
  queue_.Enqueue([&] { EXPECT_TRUE(queue_.Cancel(victim)); });
  victim = queue_.Enqueue([this] { log_.push_back("victim"); });
  queue_.RunUntilIdle();
  EXPECT_TRUE(log_.empty());
}

TEST_F(MainThreadQueueTest, ReleasingAClosureMayUseTheQueue) {
  // A destructor that queues a job while Clear is dropping the closures.
  struct QueuesOnRelease {
    explicit QueuesOnRelease(MainThreadQueue* target) : queue(target) {}
    ~QueuesOnRelease() { queue->Enqueue([] {}); }
    MainThreadQueue* queue;
  };
  auto guard = std::make_shared<QueuesOnRelease>(&queue_);
  queue_.Enqueue([guard] {});
  guard.reset();
  queue_.Clear();
  EXPECT_EQ(queue_.GetJobCount(), 1u);
}

TEST_F(MainThreadQueueTest, NothingFiresBeforeTheFirstDelay) {
  int ticks = 0;
  queue_.AddTimer(100ms, 0ns, [&] {
    ++ticks;
    return true;
  }, 500ms);
  queue_.AdvanceTime(499ms);
  EXPECT_EQ(ticks, 0);
  queue_.AdvanceTime(1ms);
  EXPECT_EQ(ticks, 1);
  queue_.AdvanceTime(100ms);
  EXPECT_EQ(ticks, 2);
}

TEST_F(MainThreadQueueTest, TimerFiresAtEachOfItsDueTimes) {
  queue_.AddTimer(100ms, 5ms, LogTick("t"));
  queue_.AdvanceTime(1s);
  ASSERT_EQ(log_.size(), 10u);
  EXPECT_EQ(log_.front(), "t@100");
  EXPECT_EQ(log_[4], "t@500");
  EXPECT_EQ(log_.back(), "t@1000");
  EXPECT_EQ(GetHostTime(), 1s);
}

TEST_F(MainThreadQueueTest, SmallStepsFireAsOftenAsOneBigStep) {
  int ticks = 0;
  queue_.AddTimer(50ms, 0ns, [&] {
    ++ticks;
    return true;
  });
  for (int i = 0; i < 20; ++i) queue_.AdvanceTime(30ms);
  EXPECT_EQ(ticks, 12);  // 600 ms
}

TEST_F(MainThreadQueueTest, TickReturningFalseStopsTheTimer) {
  Ref<Holder> holder = MakeRef<Holder>();
  int ticks = 0;
  JobHandle timer = queue_.AddTimer(10ms, 0ns, [&ticks, holder] { return ++ticks < 3; });
  holder.Reset();
  queue_.AdvanceTime(1s);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(queue_.IsPending(timer));
  EXPECT_EQ(queue_.GetTimerCount(), 0u);
  EXPECT_EQ(gLiveHolders, 0);
}

TEST_F(MainThreadQueueTest, TimerCancelledInsideItsTickStopsThere) {
  int ticks = 0;
  JobHandle timer;
  timer = queue_.AddTimer(10ms, 0ns, [&] {
    if (++ticks == 2) {
      EXPECT_TRUE(queue_.Cancel(timer));
    }
    return true;  // ignored once cancelled
  });
  queue_.AdvanceTime(100ms);
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(queue_.HasPendingWork());
}

TEST_F(MainThreadQueueTest, TickMayCancelAnotherTimer) {
  JobHandle other = queue_.AddTimer(30ms, 0ns, LogTick("other"));
  queue_.AddTimer(20ms, 0ns, [&] {
    log_.push_back("stopper@" + std::to_string(GetHostTime() / 1ms));
    queue_.Cancel(other);
    return false;
  }, 40ms);
  queue_.AdvanceTime(200ms);
  EXPECT_EQ(log_, (std::vector<std::string>{"other@30", "stopper@40"}));
}

TEST_F(MainThreadQueueTest, TwoTimersFireInOrderOfTimeThenCreation) {
  queue_.AddTimer(300ms, 0ns, LogTick("slow"));
  queue_.AddTimer(200ms, 0ns, LogTick("fast"));
  queue_.AdvanceTime(600ms);
  EXPECT_EQ(log_, (std::vector<std::string>{"fast@200", "slow@300", "fast@400", "slow@600", "fast@600"}));
}

TEST_F(MainThreadQueueTest, WorkCreatedByATickRunsInTheSameAdvance) {
  queue_.AddTimer(100ms, 0ns, [this] {
    queue_.Enqueue([this] { log_.push_back("job@" + std::to_string(GetHostTime() / 1ms)); });
    queue_.AddTimer(30ms, 0ns, LogTick("child"));
    return false;
  });
  queue_.AdvanceTime(170ms);
  EXPECT_EQ(log_, (std::vector<std::string>{"job@100", "child@130", "child@160"}));
}

TEST_F(MainThreadQueueTest, TimerThatFellBehindFiresOnceAndKeepsItsPhase) {
  // A real loop that slept too long: the clock jumps, then the loop runs once.
  queue_.AddTimer(100ms, 0ns, LogTick("t"));
  clock_.GetClock().AdvanceTime(1050ms);
  queue_.RunDueJobs();
  EXPECT_EQ(log_, (std::vector<std::string>{"t@1050"}));
  queue_.AdvanceTime(100ms);
  EXPECT_EQ(log_, (std::vector<std::string>{"t@1050", "t@1100"}));
}

TEST_F(MainThreadQueueTest, NextDueTimeAllowsForTolerance) {
  EXPECT_FALSE(queue_.GetNextDueTime().has_value());
  queue_.AddTimer(100ms, 20ms, LogTick("late"));
  queue_.AddTimer(110ms, 0ns, LogTick("tight"));
  // The tight timer still gets the host's minimum tolerance.
  EXPECT_EQ(queue_.GetNextDueTime(), std::optional<HostTime>(110ms + kMinTimerTolerance));
  queue_.Enqueue([] {});
  EXPECT_EQ(queue_.GetNextDueTime(), std::optional<HostTime>(0ns));
}

TEST_F(MainThreadQueueTest, WakingAtTheNextDueTimeCoalescesTimers) {
  queue_.AddTimer(100ms, 20ms, LogTick("a"));
  queue_.AddTimer(110ms, 20ms, LogTick("b"));
  const HostTime wake = *queue_.GetNextDueTime();
  clock_.GetClock().AdvanceTime(wake - GetHostTime());
  queue_.RunDueJobs();
  EXPECT_EQ(log_, (std::vector<std::string>{"a@120", "b@120"}));
}

TEST_F(MainThreadQueueTest, ClearDropsJobsAndTimersUnrun) {
  Ref<Holder> holder = MakeRef<Holder>();
  queue_.Enqueue([holder] {});
  queue_.AddTimer(10ms, 0ns, [holder] { return true; });
  holder.Reset();
  queue_.Clear();
  EXPECT_EQ(gLiveHolders, 0);
  EXPECT_FALSE(queue_.HasPendingWork());
  queue_.AdvanceTime(1s);
  EXPECT_TRUE(log_.empty());
}

TEST_F(MainThreadQueueTest, NestedLoopInsideATickDoesNotFireItAgain) {
  int ticks = 0;
  queue_.AddTimer(10ms, 0ns, [&] {
    ++ticks;
    queue_.RunDueJobs();  // a modal session runs the same loop
    return true;
  });
  queue_.AdvanceTime(10ms);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace zarvo
