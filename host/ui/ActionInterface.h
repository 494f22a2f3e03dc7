#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"

namespace zarvo {

class CanvasInterface;
class WidgetInterface;

// A drag that outlives one event (resize a column, pan, paint). The app widget drives it:
// Begin when started, While on every drag, End on release, Cancel on Escape or when the
// window goes away.
class ActionInterface : public virtual ObjectInterface {
 public:
  // Returns false to refuse starting.
  [[nodiscard]] virtual Result<bool> Begin(WidgetInterface* widget, const DataDictionary& event) = 0;
  // Whether the action may run on the event's current state (modifiers, position).
  virtual bool GetAllowed(const DataDictionary& event) const = 0;
  [[nodiscard]] virtual Result<void> While(const DataDictionary& event) = 0;
  [[nodiscard]] virtual Result<void> End(const DataDictionary& event) = 0;
  [[nodiscard]] virtual Result<void> Cancel() = 0;
  [[nodiscard]] virtual Result<void> DrawAction(CanvasInterface& canvas) = 0;
};

using ActionRef = Ref<ActionInterface>;

}  // namespace zarvo
