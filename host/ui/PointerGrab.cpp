#include "host/ui/PointerGrab.h"

#include "host/core/Log.h"

namespace zarvo {

namespace {

struct Grab {
  PointerGrab::Handler handler;
  PointerGrab::Cancelled cancelled;
  // Counts up with every Begin, so that an owner ends only its own grab.
  uint64_t serial = 0;
};

Grab& Current() {
  static auto* grab = new Grab();
  return *grab;
}

}  // namespace

uint64_t PointerGrab::Begin(Handler handler, Cancelled cancelled) {
  Cancel();
  Grab& grab = Current();
  grab.handler = std::move(handler);
  grab.cancelled = std::move(cancelled);
  return ++grab.serial;
}

void PointerGrab::End(uint64_t grab) {
  Grab& current = Current();
  if (grab != current.serial) return;
  current.handler = nullptr;
  current.cancelled = nullptr;
}

void PointerGrab::Cancel() {
  Grab& current = Current();
  Cancelled cancelled = std::move(current.cancelled);
  current.handler = nullptr;
  current.cancelled = nullptr;
  if (cancelled) cancelled();
}

bool PointerGrab::IsActive() noexcept { return static_cast<bool>(Current().handler); }

bool PointerGrab::IsActive(uint64_t grab) noexcept { return IsActive() && grab == Current().serial; }

bool PointerGrab::Offer(CanvasInterface& canvas, const DataDictionary& event) {
  if (!IsActive()) return false;
  // A copy: the handler may end the grab, or begin another, while it runs.
  Handler handler = Current().handler;
  Result<bool> taken = handler(canvas, event);
  if (!taken.IsOk()) {
    LogError("Pointer grab: " + taken.GetError().ToString());
    return true;
  }
  return *taken;
}

}  // namespace zarvo
