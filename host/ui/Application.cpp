#include "host/ui/Application.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/backend/sdl/SdlWindowSystem.h"
#include "host/core/Log.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"

namespace zarvo {

namespace {

bool AnyWindowNeedsUpdate() {
  for (const Ref<AppWindow>& window : AppWindow::GetOpenWindows()) {
    if (window->NeedsUpdate()) return true;
  }
  return false;
}

// Seconds until the next timer is due on the real clock, at most the loop's longest sleep.
Float SecondsUntilNextTimer(const MainThreadQueue& queue) {
  const std::optional<HostTime> due = queue.GetNextDueTime();
  if (!due) return kMaxLoopWaitSeconds;
  return std::clamp(HostDurationToSeconds(*due - GetHostTime()), 0.0, kMaxLoopWaitSeconds);
}

}  // namespace

Result<void> UpdateOpenWindows() {
  Result<void> first;
  for (const Ref<AppWindow>& window : AppWindow::GetOpenWindows()) {
    if (!window->IsOpen() || !window->NeedsUpdate()) continue;
    Result<void> updated = window->Update();
    if (!updated.IsOk() && first.IsOk()) first = updated;
  }
  return first;
}

Result<bool> RunLoopTurn() {
  MainThreadQueue& queue = GetMainThreadQueue();
  WindowSystem& system = WindowSystem::Get();
  const bool virtualClock = GetVirtualHostClock() != nullptr;
  const bool busy = queue.GetJobCount() > 0 || system.HasPendingEvents() || AnyWindowNeedsUpdate();

  if (!system.HasExternalInput() && !busy) {
    // Headless and idle: only a timer can still do something.
    if (queue.GetTimerCount() == 0) return false;
    if (virtualClock) {
      const std::optional<HostTime> due = queue.GetNextDueTime();
      if (due && *due > GetHostTime()) queue.AdvanceTime(*due - GetHostTime());
    } else {
      std::this_thread::sleep_for(std::chrono::duration<Float>(SecondsUntilNextTimer(queue)));
    }
  }

  // Virtual time never passes while the loop sleeps, so only real time lets it wait for timers.
  Float wait = 0.0;
  if (!busy && system.HasExternalInput()) wait = virtualClock ? kMaxLoopWaitSeconds : SecondsUntilNextTimer(queue);
  ZV_TRY(system.PumpEvents(wait));
  queue.RunDueJobs();
  if (Result<void> updated = UpdateOpenWindows(); !updated.IsOk()) {
    LogError("Window update failed: " + updated.GetError().ToString());
  }
  return true;
}

bool Application::InstallWindowSystem(bool headless) {
  if (headless) {
    WindowSystem::Install(std::make_unique<HeadlessWindowSystem>());
    LogInfo("Window system: headless (asked for)");
    return false;
  }
  Result<std::unique_ptr<SdlWindowSystem>> sdl = SdlWindowSystem::Create();
  if (!sdl.IsOk()) {
    WindowSystem::Install(std::make_unique<HeadlessWindowSystem>());
    LogWarning("Window system: headless, real windows are not available: " + sdl.GetError().GetMessage());
    return false;
  }
  LogInfo("Window system: " + (*sdl)->GetName() + " with the video driver '" + (*sdl)->GetVideoDriver() + "'");
  WindowSystem::Install(std::move(*sdl));
  return true;
}

Result<void> Application::Run() {
  WindowSystem& system = WindowSystem::Get();
  while (!system.IsQuitRequested() && !AppWindow::GetOpenWindows().empty()) {
    ZV_TRY_ASSIGN(bool alive, RunLoopTurn());
    if (!alive) break;
  }
  return Ok();
}

void Application::RequestQuit() { WindowSystem::Get().RequestQuit(); }

}  // namespace zarvo
