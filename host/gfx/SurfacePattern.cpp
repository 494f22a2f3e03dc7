#include "host/gfx/SurfacePattern.h"

#include "host/core/Geometry.h"

namespace zarvo {

namespace {
Matrix2d FromCairo(const cairo_matrix_t& m) { return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0}; }
}  // namespace

cairo_pattern_t* CreateSurfacePattern(cairo_t* cr, cairo_surface_t* surface, const cairo_matrix_t& toPattern) {
  if (!cr || !surface || cairo_status(cr) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_matrix_t ctm;
  cairo_get_matrix(cr, &ctm);
  const Matrix2d toUser = FromCairo(ctm);
  const Matrix2d userToPattern = FromCairo(toPattern);
  // cairo composes device -> user -> pattern and inverts that product too.
  if (!toUser.HasFiniteInverse() || !userToPattern.HasFiniteInverse() ||
      !(userToPattern * toUser.Inverse()).HasFiniteInverse()) {
    return nullptr;
  }
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
  cairo_pattern_set_matrix(pattern, &toPattern);
  if (cairo_pattern_status(pattern) != CAIRO_STATUS_SUCCESS) {
    cairo_pattern_destroy(pattern);
    return nullptr;
  }
  return pattern;
}

}  // namespace zarvo
