// event_fuzzer: plays seeded random input into a window holding every widget of the catalogue.
//   event_fuzzer [--seed N] [--events N] [--batch N] [--log FILE] [--hang-seconds N]
//                [--leak-check-from STEP]
// A failure prints its seed, the step it happened at and the steps before it; the same seed and
// event count replay it exactly. A batch that runs longer than the hang limit is a failure too.
// In the sanitizer build, --leak-check-from looks for leaks after every batch from that step
// on, which names the batch that leaked instead of only the run.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/core/HostClock.h"
#include "host/core/HostRegistrations.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/OsWindow.h"
#include "source/ModuleUnits.h"
#include "tests/fuzz/EventFuzzer.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using zarvo::fuzz::EventFuzzer;
using zarvo::fuzz::FuzzOptions;

const EventFuzzer* running = nullptr;

void ReportFailure() {
  static bool reported = false;
  if (!running || reported) return;
  reported = true;
  const FuzzOptions& options = running->GetOptions();
  char line[256];
  const int length = std::snprintf(line, sizeof line,
                                   "\nevent_fuzzer: FAILED at step %llu with seed %llu\n"
                                   "replay: event_fuzzer --seed %llu --events %llu --batch %llu\nlast steps:\n",
                                   static_cast<unsigned long long>(running->GetStep()),
                                   static_cast<unsigned long long>(options.seed),
                                   static_cast<unsigned long long>(options.seed),
                                   static_cast<unsigned long long>(running->GetStep()),
                                   static_cast<unsigned long long>(options.batch));
  if (length > 0 && ::write(STDERR_FILENO, line, static_cast<size_t>(length)) < 0) return;
  running->GetLog().DumpRecent();
}

// Wall time one batch of events with its layout and paint may take; a sanitizer build is slow,
// a hang is endless.
constexpr unsigned kDefaultHangSeconds = 120;
constexpr unsigned kMaxHangSeconds = 86400;

void OnHang(int) {
  constexpr char kLine[] = "\nevent_fuzzer: HANG: a batch of events did not finish within the limit\n";
  if (::write(STDERR_FILENO, kLine, sizeof kLine - 1) < 0) _exit(3);
  ReportFailure();
  _exit(3);
}

void OnSignal(int signal) {
  ReportFailure();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

bool ParseCount(const char* text, uint64_t& out) {
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (!end || *end != '\0' || end == text) return false;
  out = value;
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: event_fuzzer [--seed N] [--events N] [--batch N] [--log FILE] [--hang-seconds N]\n"
                       "                    [--leak-check-from STEP]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  FuzzOptions options;
  uint64_t hangSeconds = kDefaultHangSeconds;
  uint64_t leakCheckFrom = 0;  // 0: only when the program ends
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--seed" && hasValue) {
      if (!ParseCount(argv[++i], options.seed)) return Usage();
    } else if (arg == "--events" && hasValue) {
      if (!ParseCount(argv[++i], options.events)) return Usage();
    } else if (arg == "--batch" && hasValue) {
      if (!ParseCount(argv[++i], options.batch) || options.batch == 0) return Usage();
    } else if (arg == "--hang-seconds" && hasValue) {
      if (!ParseCount(argv[++i], hangSeconds) || hangSeconds == 0 || hangSeconds > kMaxHangSeconds) return Usage();
    } else if (arg == "--leak-check-from" && hasValue) {
      if (!ParseCount(argv[++i], leakCheckFrom) || leakCheckFrom == 0) return Usage();
    } else if (arg == "--log" && hasValue) {
      options.logPath = argv[++i];
    } else {
      return Usage();
    }
  }

  // As the tests start: pinned fonts, the host's declarations, the module, a headless window
  // system and a virtual clock, so that nothing depends on the machine or on wall time.
  setenv("FONTCONFIG_FILE", ZARVO_TEST_FONTCONFIG, 1);
  zarvo::RecordHostRegistrations();
  if (zarvo::Result<void> loaded = zarvo::LoadWidgetsModule(); !loaded.IsOk()) {
    std::fprintf(stderr, "event_fuzzer: %s\n", loaded.GetError().ToString().c_str());
    return 1;
  }
  options.beforeBatch = [hangSeconds, leakCheckFrom] {
    alarm(static_cast<unsigned>(hangSeconds));
#if defined(__SANITIZE_ADDRESS__)
    if (leakCheckFrom != 0 && running && running->GetStep() >= leakCheckFrom && __lsan_do_recoverable_leak_check()) {
      std::fprintf(stderr, "event_fuzzer: the batch before step %llu leaked\n",
                   static_cast<unsigned long long>(running->GetStep()));
      ReportFailure();
      _exit(4);
    }
#else
    (void)leakCheckFrom;
#endif
  };
  zarvo::WindowSystem::Install(std::make_unique<zarvo::HeadlessWindowSystem>());
  int status = 0;
  {
    zarvo::ScopedVirtualHostClock clock;
    auto fuzzer = std::make_unique<EventFuzzer>(options);
    running = fuzzer.get();
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(ReportFailure);
#endif
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(signal, OnSignal);
    std::signal(SIGALRM, OnHang);

    std::printf("event_fuzzer: seed %llu, %llu events in batches of %llu\n",
                static_cast<unsigned long long>(options.seed), static_cast<unsigned long long>(options.events),
                static_cast<unsigned long long>(options.batch));
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    zarvo::Result<void> result = fuzzer->Run();
    alarm(0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.IsOk()) {
      std::fprintf(stderr, "event_fuzzer: %s\n", result.GetError().ToString().c_str());
      ReportFailure();
      status = 1;
    } else {
      std::printf("event_fuzzer: %zu classes, %llu steps, clean, %.1f s\n", fuzzer->GetClassCount(),
                  static_cast<unsigned long long>(fuzzer->GetStep()), seconds);
      std::printf("errors the widgets returned (refused calls), by count:\n");
      for (const auto& [message, count] : fuzzer->GetErrorCounts()) {
        std::printf("  %8llu  %.160s\n", static_cast<unsigned long long>(count), message.c_str());
      }
    }
    running = nullptr;
    fuzzer.reset();
    zarvo::GetMainThreadQueue().Clear();
  }
  zarvo::WindowSystem::Install(nullptr);
  if (zarvo::Result<void> unloaded = zarvo::UnloadWidgetsModule(); !unloaded.IsOk()) {
    std::fprintf(stderr, "event_fuzzer: %s\n", unloaded.GetError().ToString().c_str());
    status = 1;
  }
  return status;
}
