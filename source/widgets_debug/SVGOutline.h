#pragma once
#include <string_view>
#include <vector>

#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// What the debug view lists of a document: its elements counted and their ids in order.
struct SVGOutline {
  Int elementCount = 0;
  std::vector<String> ids;
};

// Reads the outline of serialised SVG; text that is not XML fails with the parser's reason.
[[nodiscard]] Result<SVGOutline> ReadSVGOutline(std::string_view svgText);

}  // namespace zarvo
