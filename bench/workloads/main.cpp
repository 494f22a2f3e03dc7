// Speed and memory workloads. Usage:
//   workloads N NAME...     run the named workloads at size N
//   workloads --all         run every workload at its default sizes
// WORKLOADS_REPEAT=R multiplies the timed repetitions, so a profiler sees mostly the timed part.
// With --all each workload runs in a process of its own, all on one core (WORKLOADS_CPU=C names
// it), and a table of targets follows.
// Each prints: workload=<name> n=<N> ns_per_item=<x> total_ms=<y> [key=value...]
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "bench/workloads/CpuChoice.h"
#include "bench/workloads/Workload.h"
#include "host/core/HostRegistrations.h"
#include "source/ModuleUnits.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

struct Measured {
  std::string workload;
  int64_t n = 0;
  double nsPerItem = 0.0;
  double totalMs = 0.0;
  double bytesPerItem = -1.0;
};

Result<Measured> RunOne(const WorkloadDefinition& workload, int64_t n) {
  ZV_TRY_ASSIGN(Prepared prepared, workload.prepare(n));
  std::vector<double> times;
  const char* repeat = std::getenv("WORKLOADS_REPEAT");
  const int timed = kTimedRepetitions * std::max(1, repeat ? std::atoi(repeat) : 1);
  // Short operations are repeated for a while more: their median is then steadier against a
  // noisy machine.
  double timedTotal = 0.0;
  for (int i = 0; i < kWarmupRepetitions + timed || (timedTotal < kSteadyTimeNs && i < kMaxRepetitions); ++i) {
    const auto start = std::chrono::steady_clock::now();
    ZV_TRY(prepared.run());
    const auto stop = std::chrono::steady_clock::now();
    if (prepared.check && !prepared.check()) {
      return IllegalStateError("workload " + workload.name + " did not do its work");
    }
    if (i >= kWarmupRepetitions) {
      times.push_back(std::chrono::duration<double, std::nano>(stop - start).count());
      timedTotal += times.back();
    }
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::printf("workload=%s n=%" PRId64 " ns_per_item=%.2f total_ms=%.4f", workload.name.c_str(), n,
              median / static_cast<double>(prepared.items), median / 1e6);
  if (prepared.extra) std::printf(" %s", prepared.extra().c_str());
  std::printf("\n");
  std::fflush(stdout);
  return Measured{workload.name, n, median / static_cast<double>(prepared.items), median / 1e6, prepared.bytesPerItem};
}

const Measured* FindMeasured(const std::vector<Measured>& all, const std::string& workload, int64_t n) {
  for (const Measured& m : all) {
    if (m.workload == workload && m.n == n) return &m;
  }
  return nullptr;
}

// Runs one workload in a child process, so that no workload inherits another's heap, caches or
// fragmentation (the memory workload measures heap growth), and reads back what it measured.
Result<Measured> RunIsolated(const WorkloadDefinition& workload, int64_t n) {
  int channel[2];
  if (pipe(channel) != 0) return IllegalStateError("workloads: no pipe");
  std::fflush(stdout);
  const pid_t child = fork();
  if (child < 0) return IllegalStateError("workloads: no process");
  if (child == 0) {
    close(channel[0]);
    Result<Measured> ran = RunOne(workload, n);
    if (!ran.IsOk()) {
      std::fprintf(stderr, "workloads: %s\n", ran.GetError().ToString().c_str());
      _exit(1);
    }
    char line[256];
    const int length = std::snprintf(line, sizeof line, "%.17g %.17g %.17g\n", ran->nsPerItem, ran->totalMs,
                                     ran->bytesPerItem);
    const bool written = write(channel[1], line, static_cast<size_t>(length)) == length;
    std::fflush(stdout);
    _exit(written ? 0 : 1);
  }
  close(channel[1]);
  char line[256] = {};
  size_t got = 0;
  for (ssize_t r; got + 1 < sizeof line && (r = read(channel[0], line + got, sizeof line - 1 - got)) > 0;) {
    got += static_cast<size_t>(r);
  }
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  Measured measured{workload.name, n};
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(line, "%lf %lf %lf", &measured.nsPerItem, &measured.totalMs, &measured.bytesPerItem) != 3) {
    return IllegalStateError("workload " + workload.name + " failed");
  }
  return measured;
}

// The medians against the targets, one row per target.
void PrintSummary(const std::vector<Measured>& all) {
  std::printf("\n%-16s %8s  %-30s %-14s %s\n", "workload", "n", "measured", "target", "");
  for (const Target& target : GetTargets()) {
    const Measured* m = FindMeasured(all, target.workload, target.n);
    if (!m) continue;
    double value = 0.0;
    char measured[64];
    char bound[32];
    switch (target.kind) {
      case Target::Kind::kNsPerItem:
        value = m->nsPerItem;
        std::snprintf(measured, sizeof measured, "%.2f ns/item", value);
        std::snprintf(bound, sizeof bound, "<= %.0f ns/item", target.bound);
        break;
      case Target::Kind::kTotalMs:
        value = m->totalMs;
        std::snprintf(measured, sizeof measured, "%.4f ms", value);
        std::snprintf(bound, sizeof bound, "<= %.1f ms", target.bound);
        break;
      case Target::Kind::kBytesPerItem:
        value = m->bytesPerItem;
        std::snprintf(measured, sizeof measured, "%.0f bytes/item", value);
        std::snprintf(bound, sizeof bound, "<= %.0f bytes", target.bound);
        break;
      case Target::Kind::kRatio: {
        const std::string& baseName = target.baseWorkload.empty() ? target.workload : target.baseWorkload;
        const Measured* base = FindMeasured(all, baseName, target.baseN);
        if (!base || base->nsPerItem <= 0.0) continue;
        // Whole-operation workloads compare their times, the others their time per item.
        const bool whole = !target.baseWorkload.empty();
        value = whole ? m->totalMs / base->totalMs : m->nsPerItem / base->nsPerItem;
        std::snprintf(measured, sizeof measured, "%.2fx of %s n=%" PRId64, value, baseName.c_str(), target.baseN);
        std::snprintf(bound, sizeof bound, "<= %.1fx", target.bound);
        break;
      }
    }
    std::printf("%-16s %8" PRId64 "  %-30s %-14s %s\n", target.workload.c_str(), target.n, measured, bound,
                value <= target.bound ? "met" : "missed");
  }
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
  const bool isolated = argc >= 2 && std::string(argv[1]) == "--all";
  if (isolated) {
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
  if (isolated) {
    std::printf("%s\n", PinToOneCpu().c_str());
    std::fflush(stdout);
  }
  std::vector<Measured> all;
  for (const auto& [workload, n] : plan) {
    Result<Measured> ran = isolated ? RunIsolated(*workload, n) : RunOne(*workload, n);
    if (!ran.IsOk()) {
      std::fprintf(stderr, "workloads: %s\n", ran.GetError().ToString().c_str());
      return 1;
    }
    all.push_back(*ran);
  }
  if (plan.size() > 1) PrintSummary(all);
  return 0;
}
