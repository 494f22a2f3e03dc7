#pragma once
#include <vector>

#include "host/core/Geometry.h"

namespace zarvo {

// A freehand polyline as a smooth path: quadratic pieces (written as cubics) through the
// midpoints of its segments, each bent towards the point between them, so that the corners the
// pointer's sampling leaves are rounded off. The ends stay where the pointer was. Two points
// give one straight line; fewer give an empty path.
Path SmoothStrokePath(const std::vector<Vector2d>& points);

}  // namespace zarvo
