#pragma once
#include "host/core/Types.h"

namespace zarvo {

// One key of a function curve: the value it takes at a time.
struct FCurveKey {
  Float time = 0.0;
  Float value = 0.0;
  friend bool operator==(const FCurveKey&, const FCurveKey&) = default;
};

}  // namespace zarvo
