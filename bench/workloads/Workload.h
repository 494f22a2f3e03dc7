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

// One prepared workload: `run` is the timed operation; `check` verifies after each run that the
// work was really done (so the optimiser cannot drop it) and returns false when it was not.
struct Prepared {
  std::function<Result<void>()> run;
  std::function<bool()> check;
  int64_t items = 1;
  // Extra "key=value" fields for the output line.
  std::function<std::string()> extra;
};

struct WorkloadDefinition {
  std::string name;
  std::vector<int64_t> defaultSizes;  // what `make bench` runs
  std::function<Result<Prepared>(int64_t n)> prepare;
};

const std::vector<WorkloadDefinition>& GetWorkloads();

}  // namespace zarvo::bench
