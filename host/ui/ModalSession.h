#pragma once
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

class OsWindow;

// The message of a headless session that can never end: its window is open and nothing queued
// could close it.
inline constexpr const char* kModalSessionIdleMessage = "Modal dialog session has nothing left to do";
// The message of a headless session on a virtual clock that timers kept going for an hour of
// host time without closing its window (a blinking caret would otherwise spin it forever).
inline constexpr const char* kModalSessionTimersOnlyMessage =
    "Modal dialog session did not end: only timers ran for an hour of host time";
// How much virtual host time a headless session may move through.
constexpr Float kVirtualModalSessionLimitSeconds = 3600.0;
// The message of a session whose window stayed open after the application was asked to quit.
inline constexpr const char* kModalSessionQuitMessage = "Modal dialog session ended: the application is quitting";

// Runs the host loop until `window` closes (or is destroyed): input, due main-thread jobs and
// window updates, exactly as the application's loop does. The window is shown first. While the
// session runs, input for the windows opened before `window` is held back. Sessions nest: a
// job or an event handler may run another.
//
// Ends with an IllegalStateError when the window stays open and nothing is left that could
// close it (headless: no posted input, no job, no timer), when timers alone move a virtual clock
// past the limit, or when the application is asked to quit and the window refuses to close.
[[nodiscard]] Result<void> RunModalSession(OsWindow& window);

}  // namespace zarvo
