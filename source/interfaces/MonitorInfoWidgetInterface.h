#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

inline constexpr char kMonitorInfoWidgetClassId[] = "net.zarvo.mvp.widgetclasses.monitorinfo";
inline constexpr char kMonitorInfoWidgetInterfaceId[] = "net.zarvo.mvp.interface.monitorinfowidget";

class MonitorInfoWidgetInterface;
using MonitorInfoWidgetRef = Ref<MonitorInfoWidgetInterface>;
// Observers receive the widget and the number of monitors it now lists.
using MonitorInfoObservable = Observable<const MonitorInfoWidgetRef&, Int>;

// A table of the monitors the window system reports: a row with a "Refresh" button and a count,
// a header row ("Name", "Bounds", "Work area", "Scale"), then one row per monitor. The list is
// read when the layout is made and again on Refresh or when the user presses the button; it
// does not follow the window system by itself.
class MonitorInfoWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Reads the monitors again and rebuilds their rows. "Widget link not set." before CreateLayout.
  [[nodiscard]] virtual Result<void> Refresh() = 0;
  virtual Int GetMonitorCount() const = 0;
  // The text shown for a monitor (0-based, in the window system's order) in a column;
  // "monitor index out of range." or "column index out of range." otherwise.
  [[nodiscard]] virtual Result<String> GetMonitorText(Int monitor, Int column) const = 0;
  [[nodiscard]] virtual Result<TextButtonWidgetRef> GetRefreshButton() const = 0;
  // Told after every refresh the user asks for with the button.
  virtual Ref<MonitorInfoObservable> ObservableRefreshed() = 0;
};

}  // namespace zarvo
