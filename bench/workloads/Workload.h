#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/Result.h"

namespace zarvo::bench {

// Repetitions: a few to warm caches, then the timed ones whose median is reported.
constexpr int kWarmupRepetitions = 4;
constexpr int kTimedRepetitions = 9;
// Operations shorter than this in total get more timed repetitions, up to kMaxRepetitions.
constexpr double kSteadyTimeNs = 200e6;
constexpr int kMaxRepetitions = 401;

// One prepared workload: `run` is the timed operation; `check` verifies after each run that the
// work was really done (so the optimiser cannot drop it) and returns false when it was not.
struct Prepared {
  std::function<Result<void>()> run;
  std::function<bool()> check;
  int64_t items = 1;
  // Extra "key=value" fields for the output line.
  std::function<std::string()> extra;
  // For memory workloads: the heap growth per item, which the summary compares instead of time.
  double bytesPerItem = -1.0;
};

// What the summary of `--all` holds a workload to on this machine class. A bound applies to one
// size; a ratio compares the time per item of two sizes.
struct Target {
  enum class Kind { kNsPerItem, kTotalMs, kBytesPerItem, kRatio };
  std::string workload;
  Kind kind;
  int64_t n;
  double bound;
  int64_t baseN = 0;  // kRatio: n's time per item over baseN's (or baseWorkload's), at most bound
  std::string baseWorkload;  // kRatio: when another workload is the base
};

const std::vector<Target>& GetTargets();

struct WorkloadDefinition {
  std::string name;
  std::vector<int64_t> defaultSizes;  // what `make bench` runs
  std::function<Result<Prepared>(int64_t n)> prepare;
};

// Every workload: the layout and drawing ones first, then each family's in the order their
// files registered them.
const std::vector<WorkloadDefinition>& GetWorkloads();

// A widget family's workloads and targets, registered from the family's own file by a static
// object, so that adding a family touches no shared list:
//   const WorkloadRegistration kSliderWorkloads({{"drag", {1000}, &PrepareDrag}},
//                                               {{"drag", Target::Kind::kNsPerItem, 1000, 50000.0}});
class WorkloadRegistration {
 public:
  WorkloadRegistration(std::vector<WorkloadDefinition> workloads, std::vector<Target> targets);
};

}  // namespace zarvo::bench
