#pragma once
#include "host/core/Geometry.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace zarvo {

class OsWindow;

// Reads back what the application's own windows show. A window's pixels are those its canvas
// last drew into its surface, which is what the window system presents, so the colour read is
// the colour on screen without asking the window system (or other programs) for theirs.

// The topmost shown window of the application whose content area holds `screenPosition`:
// windows opened later lie above those opened earlier. Null when none does.
[[nodiscard]] OsWindow* FindWindowAtScreenPosition(Vector2d screenPosition);
// The straight-alpha colour of a pixel of an ARGB32 surface; "Position outside the window"
// when (x, y) lies outside it.
[[nodiscard]] Result<ColorA> ReadSurfacePixel(cairo_surface_t* surface, Int x, Int y);
// The colour the application shows at a screen position; "No window of the application at
// this position" when none of its windows lies there.
[[nodiscard]] Result<ColorA> ReadScreenPixel(Vector2d screenPosition);

}  // namespace zarvo
