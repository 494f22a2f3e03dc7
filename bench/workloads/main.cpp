// Speed and memory workloads. Usage:
//   workloads N NAME...     run the named workloads at size N
//   workloads --all         run every workload at its default sizes
// WORKLOADS_REPEAT=R multiplies the timed repetitions, so a profiler sees mostly the timed part.
// Each prints: workload=<name> n=<N> ns_per_item=<x> total_ms=<y> [key=value...]
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/workloads/Workload.h"
#include "host/core/HostRegistrations.h"
#include "source/ModuleUnits.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

Result<void> RunOne(const WorkloadDefinition& workload, int64_t n) {
  ZV_TRY_ASSIGN(Prepared prepared, workload.prepare(n));
  std::vector<double> times;
  const char* repeat = std::getenv("WORKLOADS_REPEAT");
  const int timed = kTimedRepetitions * std::max(1, repeat ? std::atoi(repeat) : 1);
  for (int i = 0; i < kWarmupRepetitions + timed; ++i) {
    const auto start = std::chrono::steady_clock::now();
    ZV_TRY(prepared.run());
    const auto stop = std::chrono::steady_clock::now();
    if (prepared.check && !prepared.check()) {
      return IllegalStateError("workload " + workload.name + " did not do its work");
    }
    if (i >= kWarmupRepetitions) times.push_back(std::chrono::duration<double, std::nano>(stop - start).count());
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::printf("workload=%s n=%" PRId64 " ns_per_item=%.2f total_ms=%.4f", workload.name.c_str(), n,
              median / static_cast<double>(prepared.items), median / 1e6);
  if (prepared.extra) std::printf(" %s", prepared.extra().c_str());
  std::printf("\n");
  std::fflush(stdout);
  return Ok();
}

const WorkloadDefinition* Find(const std::string& name) {
  for (const WorkloadDefinition& workload : GetWorkloads()) {
    if (workload.name == name) return &workload;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  RecordHostRegistrations();
  if (Result<void> loaded = LoadWidgetsModule(); !loaded.IsOk()) {
    std::fprintf(stderr, "workloads: %s\n", loaded.GetError().ToString().c_str());
    return 1;
  }
  std::vector<std::pair<const WorkloadDefinition*, int64_t>> plan;
  if (argc >= 2 && std::string(argv[1]) == "--all") {
    for (const WorkloadDefinition& workload : GetWorkloads()) {
      for (int64_t n : workload.defaultSizes) plan.emplace_back(&workload, n);
    }
  } else if (argc >= 3) {
    const int64_t n = std::strtoll(argv[1], nullptr, 10);
    for (int i = 2; i < argc; ++i) {
      const WorkloadDefinition* workload = Find(argv[i]);
      if (!workload) {
        std::fprintf(stderr, "workloads: unknown workload '%s'\n", argv[i]);
        return 2;
      }
      plan.emplace_back(workload, n);
    }
  } else {
    std::fprintf(stderr, "usage: workloads N NAME... | workloads --all\nworkloads:");
    for (const WorkloadDefinition& workload : GetWorkloads()) std::fprintf(stderr, " %s", workload.name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  for (const auto& [workload, n] : plan) {
    if (Result<void> ran = RunOne(*workload, n); !ran.IsOk()) {
      std::fprintf(stderr, "workloads: %s\n", ran.GetError().ToString().c_str());
      return 1;
    }
  }
  return 0;
}
