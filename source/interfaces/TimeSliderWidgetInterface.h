#pragma once
#include "host/core/Object.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kTimeSliderWidgetClassId[] = "net.zarvo.mvp.widgetclasses.timeslider";
inline constexpr char kTimeSliderWidgetInterfaceId[] = "net.zarvo.mvp.interface.timesliderwidget";

class TimeSliderWidgetInterface;
using TimeSliderWidgetRef = Ref<TimeSliderWidgetInterface>;
// Observers receive the slider and its new time value.
using TimeSliderObservable = Observable<const TimeSliderWidgetRef&, Float>;

// Media shown under a time slider's ruler: a frame size, whose aspect sets the strip's width
// per height, and a colour per time, which the strip paints frame by frame.
class TimeSliderStreamInterface : public virtual ObjectInterface {
 public:
  // Width and height of one frame of the stream.
  virtual Vector2d GetFrameSize() const = 0;
  virtual ColorA GetFrameColor(Float time) const = 0;
};
using TimeSliderStreamRef = Ref<TimeSliderStreamInterface>;

// A horizontal timeline: a ruler of frame and second ticks with time labels from a minimum to a
// maximum time (Float seconds), and a cursor at the current time. The user sets the time by
// clicking or dragging, scrolls it, and steps it by frames (left and right keys) or whole
// seconds (the same with the seconds key held). Every change is snapped to whole frames.
class TimeSliderWidgetInterface : public virtual WidgetInterface {
 public:
  // Inside [min, max]: stored, snapped to frames. Otherwise "value is outside [min, max]
  // range" and nothing changes. Setters do not notify and do not snap the other fields again.
  [[nodiscard]] virtual Result<void> SetTimeValue(Float time) = 0;
  // "min is not smaller then max." unless time < max.
  [[nodiscard]] virtual Result<void> SetMinTime(Float time) = 0;
  // "max is not greater then min." unless time > min.
  [[nodiscard]] virtual Result<void> SetMaxTime(Float time) = 0;
  // "invalid frame rate." unless fps > 0.
  [[nodiscard]] virtual Result<void> SetFps(Float fps) = 0;
  virtual Float GetTimeValue() const = 0;
  virtual Float GetMinTime() const = 0;
  virtual Float GetMaxTime() const = 0;
  virtual Float GetFps() const = 0;
  // Empty removes the strip.
  virtual void SetStream(const TimeSliderStreamRef& stream) = 0;
  // Told after every change the user makes.
  virtual Ref<TimeSliderObservable> ObservableTimeValueChanged() = 0;
};

}  // namespace zarvo
