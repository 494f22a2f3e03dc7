#pragma once
#include <cstdint>
#include <functional>

#include "host/core/DataDictionary.h"
#include "host/core/Result.h"

namespace zarvo {

class CanvasInterface;

// Takes the input of every window of the application for one component, before any widget
// sees it: what a tool that picks from anywhere on the application's windows needs (an eye
// dropper). One grab at a time; a new one replaces the old, whose owner is told by its cancel
// handler. Windows that a modal session holds back get no input, grabbed or not.
class PointerGrab {
 public:
  // Told each event of any window; true takes it from the widgets.
  using Handler = std::function<Result<bool>(CanvasInterface& canvas, const DataDictionary& event)>;
  using Cancelled = std::function<void()>;

  // Returns the grab's token, which only ends this grab.
  static uint64_t Begin(Handler handler, Cancelled cancelled = {});
  // Ends the grab of that token without telling its cancel handler (its owner ends it); a
  // grab that another has replaced is left alone.
  static void End(uint64_t grab);
  // Ends the grab and tells its cancel handler.
  static void Cancel();
  static bool IsActive() noexcept;
  // True while the grab of that token runs.
  static bool IsActive(uint64_t grab) noexcept;
  // The canvas hands every event here first: true when the grab took it. A handler's error is
  // logged and the event is taken, since the grab meant it for itself.
  static bool Offer(CanvasInterface& canvas, const DataDictionary& event);
};

}  // namespace zarvo
