#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kEasterEggWidgetClassId[] = "net.zarvo.mvp.widgetclasses.easteregg";
inline constexpr char kEasterEggWidgetInterfaceId[] = "net.zarvo.mvp.interface.eastereggwidget";

class EasterEggWidgetInterface;
using EasterEggWidgetRef = Ref<EasterEggWidgetInterface>;
// Observers receive the widget and whether its show now runs.
using EasterEggObservable = Observable<const EasterEggWidgetRef&, Bool>;

// An egg that rests until it is clicked, then hops, leans and changes colour for a few seconds
// of host time before it comes to rest again. A click during the show stops it. The show runs
// on the host clock, so it is exact under a virtual one; nothing repeats while the egg rests.
class EasterEggWidgetInterface : public virtual WidgetInterface {
 public:
  // Starts the show from its beginning (again, when it runs). Does not notify.
  virtual void Start() = 0;
  // Ends the show; the egg rests. Does not notify.
  virtual void Stop() = 0;
  virtual Bool IsRunning() const = 0;
  // Seconds since the current show began; 0 while resting.
  virtual Float GetShowTime() const = 0;
  // Frames the current or last show has advanced.
  virtual Int GetFrameCount() const = 0;
  // Told when a click starts or stops the show, and when a show ends by itself.
  virtual Ref<EasterEggObservable> ObservableRunningChanged() = 0;
};

}  // namespace zarvo
