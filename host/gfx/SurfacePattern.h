#pragma once
#include <cairo.h>

namespace zarvo {

// A pattern drawing `surface` with `toPattern` (user space -> the surface's pixels), owned by
// the caller, or null when the context cannot compose it: a scale that underflows, alone or
// with the context's transform, leaves no inverse, and cairo would fail the draw and refuse
// every later one on that context. Built here rather than read back with cairo_get_source,
// which allocates a pattern nobody frees once the context is in an error state.
[[nodiscard]] cairo_pattern_t* CreateSurfacePattern(cairo_t* cr, cairo_surface_t* surface,
                                                    const cairo_matrix_t& toPattern);

}  // namespace zarvo
