#include "host/ui/ModalSession.h"

#include "host/core/HostClock.h"
#include "host/ui/Application.h"
#include "host/ui/OsWindow.h"

namespace zarvo {

namespace {

// Holds back input to older windows for the session's lifetime, however it ends.
class ModalScope {
 public:
  ModalScope(WindowSystem& system, uint64_t serial) : system_(system), serial_(serial) { system_.BeginModal(serial_); }
  ~ModalScope() { system_.EndModal(serial_); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  WindowSystem& system_;
  uint64_t serial_;
};

}  // namespace

Result<void> RunModalSession(OsWindow& window) {
  WindowSystem* system = window.GetWindowSystem();
  if (!system) return IllegalStateError("The window system is gone");
  if (window.IsClosed()) return Ok();
  ZV_TRY(window.Show(true));
  // The window may be destroyed by anything the loop runs: from here on it is found by serial.
  const uint64_t serial = window.GetSerial();
  auto isOpen = [&] {
    OsWindow* current = system->FindWindow(serial);
    return current && !current->IsClosed();
  };
  ModalScope scope(*system, serial);
  const HostTime start = GetHostTime();
  const bool virtualTime = !system->HasExternalInput() && GetVirtualHostClock() != nullptr;
  bool askedToClose = false;
  while (isOpen()) {
    if (virtualTime && GetHostTime() - start > HostDurationFromSeconds(kVirtualModalSessionLimitSeconds)) {
      return IllegalStateError(kModalSessionTimersOnlyMessage);
    }
    if (system->IsQuitRequested()) {
      if (askedToClose) return IllegalStateError(kModalSessionQuitMessage);
      askedToClose = true;
      system->FindWindow(serial)->RequestClose();
      continue;
    }
    ZV_TRY_ASSIGN(bool alive, RunLoopTurn());
    if (!alive && isOpen()) return IllegalStateError(kModalSessionIdleMessage);
  }
  return Ok();
}

}  // namespace zarvo
