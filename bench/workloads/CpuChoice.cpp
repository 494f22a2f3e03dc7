#include "bench/workloads/CpuChoice.h"

#include <sched.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace zarvo::bench {

namespace {

// A chase through a random cycle over a few megabytes, with some arithmetic on the way: what
// the layout workloads do, pointer to pointer past the caches.
constexpr size_t kChaseSlots = size_t{1} << 19;  // 4 MB of indices
constexpr int kChaseSteps = 1 << 21;
constexpr int kCalibrationRuns = 5;

std::vector<uint64_t> MakeCycle() {
  std::vector<uint64_t> order(kChaseSlots);
  std::iota(order.begin(), order.end(), 0);
  uint64_t state = 12345;
  for (size_t i = kChaseSlots - 1; i > 0; --i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    std::swap(order[i], order[(state >> 33) % (i + 1)]);
  }
  std::vector<uint64_t> next(kChaseSlots);
  for (size_t i = 0; i < kChaseSlots; ++i) next[order[i]] = order[(i + 1) % kChaseSlots];
  return next;
}

// The median time of the loop on the core the process is pinned to, in milliseconds.
double Calibrate(const std::vector<uint64_t>& next) {
  std::vector<double> times;
  volatile uint64_t sink = 0;
  for (int run = 0; run < kCalibrationRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    uint64_t at = 0, mix = 0;
    for (int step = 0; step < kChaseSteps; ++step) {
      at = next[at];
      mix = (mix ^ at) * 0x9E3779B97F4A7C15ull;
    }
    sink = sink + mix;
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

bool PinTo(int cpu) {
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  return sched_setaffinity(0, sizeof set, &set) == 0;
}

}  // namespace

std::string PinToOneCpu() {
  cpu_set_t allowed;
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return "cpu: not pinned (affinity unknown)";
  if (const char* named = std::getenv("WORKLOADS_CPU")) {
    const int cpu = std::atoi(named);
    if (!PinTo(cpu)) return "cpu: not pinned (WORKLOADS_CPU=" + std::string(named) + " is not allowed)";
    return "cpu: pinned to cpu" + std::to_string(cpu) + " (WORKLOADS_CPU)";
  }
  const std::vector<uint64_t> next = MakeCycle();
  std::string line = "cpu: calibration";
  int fastest = -1;
  double best = 0.0;
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
    if (!CPU_ISSET(cpu, &allowed) || !PinTo(cpu)) continue;
    const double ms = Calibrate(next);
    char entry[48];
    std::snprintf(entry, sizeof entry, " cpu%d=%.1fms", cpu, ms);
    line += entry;
    if (fastest < 0 || ms < best) {
      fastest = cpu;
      best = ms;
    }
  }
  if (fastest < 0 || !PinTo(fastest)) {
    sched_setaffinity(0, sizeof allowed, &allowed);
    return line + "; not pinned";
  }
  return line + "; pinned to cpu" + std::to_string(fastest);
}

}  // namespace zarvo::bench
