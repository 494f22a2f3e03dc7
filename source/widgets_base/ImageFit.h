#pragma once
#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// The largest rectangle with the proportions of `contentSize` inside `frame`, centred. Content
// without proportions (a side that is 0, negative or not finite) fills the frame.
Rect FitKeepingAspect(const Rect& frame, Vector2d contentSize);

}  // namespace zarvo
