#include "source/widgets_debug/MonitorInfoRows.h"

#include <cstdio>

namespace zarvo {

String FormatScreenRect(const Rect& rect) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, "%g, %g  %g \u00d7 %g", rect.left, rect.top, rect.Width(), rect.Height());
  return buffer;
}

String FormatMonitorScale(Float scale) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f\u00d7", scale);
  return buffer;
}

std::vector<MonitorInfoRow> MonitorInfoRows(const std::vector<Monitor>& monitors) {
  std::vector<MonitorInfoRow> rows;
  rows.reserve(monitors.size());
  for (size_t i = 0; i < monitors.size(); ++i) {
    const Monitor& monitor = monitors[i];
    String name = monitor.name.empty() ? "Monitor " + std::to_string(i + 1) : monitor.name;
    rows.push_back({std::move(name), FormatScreenRect(monitor.frame), FormatScreenRect(monitor.workRect),
                    FormatMonitorScale(monitor.scale)});
  }
  return rows;
}

}  // namespace zarvo
