#pragma once
#include <array>
#include <vector>

#include "host/core/Types.h"
#include "host/ui/OsWindow.h"

namespace zarvo {

// What the monitor information table shows of each monitor, apart from the widget: a name, the
// monitor's frame, its work area and its scale, as text.
inline constexpr Int kMonitorInfoColumns = 4;
using MonitorInfoRow = std::array<String, kMonitorInfoColumns>;

// "x, y  width × height" with as few digits as the numbers need.
String FormatScreenRect(const Rect& rect);
// "1.00×": two decimals, so that fractional scales read apart.
String FormatMonitorScale(Float scale);
// One row per monitor in the window system's order; a monitor without a name is "Monitor n",
// counted from 1.
std::vector<MonitorInfoRow> MonitorInfoRows(const std::vector<Monitor>& monitors);

}  // namespace zarvo
