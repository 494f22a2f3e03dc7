#include "source/widgets_layout/TreeGeometry.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

ShownRange ShownRowsIn(Float top, Float bottom, Float origin, Float rowHeight, Int count) {
  if (count <= 0 || !(rowHeight > 0.0) || !(bottom > top)) return {};
  const Float first = std::floor((top - origin) / rowHeight);
  const Float last = std::ceil((bottom - origin) / rowHeight) - 1.0;
  const Float maxRow = static_cast<Float>(count - 1);
  if (last < 0.0 || first > maxRow) return {};
  return {static_cast<Int>(std::max(first, 0.0)), static_cast<Int>(std::min(last, maxRow))};
}

}  // namespace zarvo
