#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "host/core/Id.h"
#include "host/ui/AppWindow.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "tests/fuzz/FuzzLog.h"

namespace zarvo::fuzz {

struct FuzzOptions {
  uint64_t seed = 1;
  uint64_t events = 20000;
  // Events between two layout-and-paint rounds.
  uint64_t batch = 32;
  std::string logPath;
  // Called before every batch; the program arms its hang watchdog here.
  std::function<void()> beforeBatch;
};

// Drives one headless window holding an instance of every class of the widget catalogue, in
// nested tables, flexboxes and a scroll area, with seeded random input, window resizes, setter
// calls with out-of-range values and widgets taken out, put back and destroyed while in use.
// Everything follows from the seed: a run replays exactly.
class EventFuzzer {
 public:
  explicit EventFuzzer(const FuzzOptions& options);
  ~EventFuzzer();

  // Plays the events. An error is a broken invariant (a widget with a NaN frame, a window that
  // cannot be updated any more); crashes and sanitizer reports end the process instead, after
  // the crash handler has printed the seed and the last steps.
  [[nodiscard]] Result<void> Run();

  uint64_t GetStep() const noexcept { return step_; }
  const FuzzOptions& GetOptions() const noexcept { return options_; }
  const FuzzLog& GetLog() const noexcept { return log_; }
  // Errors the widgets returned, by message, for the summary: out-of-range calls are
  // expected to be refused.
  const std::map<std::string, uint64_t>& GetErrorCounts() const noexcept { return errors_; }
  size_t GetClassCount() const noexcept { return classes_.size(); }

 private:
  [[nodiscard]] Result<void> BuildWindow();
  [[nodiscard]] Result<WidgetRef> NewWidget(const Id& classId);
  [[nodiscard]] Result<void> AddContainerCells(const WidgetRef& container, int count);
  void PlaceLeaves();
  void Step();
  void SendPointer();
  void SendKey();
  void SendText();
  void SendOddEvent();
  void CallSetter();
  void CallBaseSetter(WidgetInterface& widget);
  void CallClassSetter(const WidgetRef& widget);
  void ResizeWindow();
  void MoveWidgets();
  void RebuildWindow();
  void AdvanceTime();
  [[nodiscard]] Result<void> UpdateAndCheck();
  [[nodiscard]] Result<void> CheckTree(WidgetBase* widget) const;
  void Note(const Result<void>& result);
  void Note(const Result<bool>& result);
  void Deliver(const DataDictionary& event, const std::string& what);

  // Random picks.
  uint64_t Below(uint64_t bound) { return bound == 0 ? 0 : random_() % bound; }
  bool Chance(double probability) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < probability; }
  Float HostileFloat();
  Float Coordinate(Float extent);
  Vector2d Position();
  CanvasUnitValue HostileLength();
  ColorA HostileColor();
  std::string RandomText();
  WidgetRef PickWidget();

  FuzzOptions options_;
  std::mt19937_64 random_;
  FuzzLog log_;
  uint64_t step_ = 0;
  uint64_t eventsSent_ = 0;
  std::map<std::string, uint64_t> errors_;

  std::vector<Id> classes_;
  Ref<AppWindow> window_;
  Vector2d windowSize_{640.0, 480.0};
  std::vector<WidgetRef> containers_;  // the nesting: flexboxes, tables, the scroll area
  std::vector<CellWidgetRef> slots_;   // the cells the catalogue's widgets go into
  std::vector<WidgetRef> leaves_;      // one per class, in the window or waiting outside
  Int heldButtons_ = 0;
};

}  // namespace zarvo::fuzz
