#include "host/gfx/SurfacePattern.h"

#include <cmath>
#include <initializer_list>

namespace zarvo {

namespace {
bool IsInvertible(cairo_matrix_t matrix) {
  for (double value : {matrix.xx, matrix.yx, matrix.xy, matrix.yy, matrix.x0, matrix.y0}) {
    if (!std::isfinite(value)) return false;
  }
  if (cairo_matrix_invert(&matrix) != CAIRO_STATUS_SUCCESS) return false;
  for (double value : {matrix.xx, matrix.yx, matrix.xy, matrix.yy, matrix.x0, matrix.y0}) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}
}  // namespace

cairo_pattern_t* CreateSurfacePattern(cairo_t* cr, cairo_surface_t* surface, const cairo_matrix_t& toPattern) {
  if (!cr || !surface || cairo_status(cr) != CAIRO_STATUS_SUCCESS || !IsInvertible(toPattern)) return nullptr;
  // cairo composes device -> user -> pattern; that product must be invertible too.
  cairo_matrix_t toUser;
  cairo_get_matrix(cr, &toUser);
  if (cairo_matrix_invert(&toUser) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_matrix_t deviceToPattern;
  cairo_matrix_multiply(&deviceToPattern, &toUser, &toPattern);
  if (!IsInvertible(deviceToPattern)) return nullptr;
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
  cairo_pattern_set_matrix(pattern, &toPattern);
  if (cairo_pattern_status(pattern) != CAIRO_STATUS_SUCCESS) {
    cairo_pattern_destroy(pattern);
    return nullptr;
  }
  return pattern;
}

}  // namespace zarvo
