#pragma once
#include <cstdint>

#include "host/core/DateTime.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kDateTimeWidgetClassId[] = "net.zarvo.mvp.widgetclasses.datetime";
inline constexpr char kDateTimeWidgetInterfaceId[] = "net.zarvo.mvp.interface.datetimewidget";

// MINIMAL shows the calendar alone; NORMAL adds the time text, its buttons and the clock.
enum class DATETIME_WIDGET_STYLE : int32_t { MINIMAL = 0, NORMAL = 1 };

class DateTimeWidgetInterface;
using DateTimeWidgetRef = Ref<DateTimeWidgetInterface>;
// Observers receive the widget and its new value.
using DateTimeObservable = Observable<const WidgetRef&, UniversalDateTime>;

// Edits one point in time between 1970-01-01 00:00:00 and 2298-12-31 23:59:59: a month
// calendar with month stepping and a grid of days, the date and time as text and an analogue
// clock. Dragging vertically on the time text or scrolling over it moves the time by minutes;
// scrolling over the date text moves it by days.
class DateTimeWidgetInterface : public virtual TableWidgetInterface {
 public:
  // A value outside the range is ignored (and success returned); otherwise it is stored, the
  // calendar rebuilt and, with notify, observers told.
  [[nodiscard]] virtual Result<void> SetDateTime(UniversalDateTime value, Bool notify) = 0;
  virtual UniversalDateTime GetDateTime() const = 0;
  virtual void SetStyle(DATETIME_WIDGET_STYLE style) = 0;
  virtual DATETIME_WIDGET_STYLE GetStyle() const = 0;
  virtual Ref<DateTimeObservable> ObservableDateTimeChanged() = 0;
};

}  // namespace zarvo
