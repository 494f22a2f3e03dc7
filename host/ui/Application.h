#pragma once
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// The longest the loop sleeps when nothing is due, so that a missed wake-up costs little.
constexpr Float kMaxLoopWaitSeconds = 0.5;

// One turn of the host loop, shared by the application and modal sessions:
//  1. delivers input — when nothing is waiting (no job queued, no window to update) it sleeps
//     until input arrives or the next timer is due;
//  2. runs the due main-thread jobs;
//  3. updates every open window that has a pending layout or damage.
// A failed window update is logged and the loop goes on: one broken widget must not stop the
// program. Returns false when nothing can ever happen again: no input can arrive (headless,
// nothing posted), no job or timer is queued and no window waits for an update. On a virtual
// clock an otherwise idle turn moves the clock to the next timer instead of sleeping.
[[nodiscard]] Result<bool> RunLoopTurn();

// Updates every open window with a pending layout or damage; the first error after trying all.
[[nodiscard]] Result<void> UpdateOpenWindows();

// The program's side of the host: which window system runs, and the event loop.
class Application {
 public:
  // Installs real windows (SDL) when a display is present and `headless` is false; otherwise,
  // or when the display cannot be used, the headless window system. Logs which one runs and why.
  // Returns true for real windows.
  static bool InstallWindowSystem(bool headless);
  // Runs the loop until the last window closes, the user or the program asks to quit, or
  // (headless) nothing is left that could happen.
  [[nodiscard]] static Result<void> Run();
  static void RequestQuit();
};

}  // namespace zarvo
