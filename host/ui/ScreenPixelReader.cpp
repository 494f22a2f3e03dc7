#include "host/ui/ScreenPixelReader.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>

#include "host/ui/OsWindow.h"

namespace zarvo {

namespace {
constexpr Float kChannelMaximum = 255.0;
}  // namespace

OsWindow* FindWindowAtScreenPosition(Vector2d screenPosition) {
  const std::vector<OsWindow*>& windows = WindowSystem::Get().GetWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    OsWindow* window = *it;
    if (window->IsClosed() || !window->IsShown()) continue;
    const Rect frame = window->GetFrame();
    // Half-open, as pixels are: the right and bottom edges belong to the next window.
    if (screenPosition.x >= frame.left && screenPosition.x < frame.right && screenPosition.y >= frame.top &&
        screenPosition.y < frame.bottom) {
      return window;
    }
  }
  return nullptr;
}

Result<ColorA> ReadSurfacePixel(cairo_surface_t* surface, Int x, Int y) {
  if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    return IllegalStateError("The window has no pixels to read");
  }
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  if (x < 0 || y < 0 || x >= width || y >= height) return IllegalArgumentError("Position outside the window");
  cairo_surface_flush(surface);
  const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[x];
  const Float alpha = static_cast<Float>((pixel >> 24) & 0xFFu);
  if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32 || alpha == kChannelMaximum) {
    const auto channel = [&](int shift) { return static_cast<Float>((pixel >> shift) & 0xFFu) / kChannelMaximum; };
    return ColorA{channel(16), channel(8), channel(0), 1.0};
  }
  if (alpha == 0.0) return ColorA{0.0, 0.0, 0.0, 0.0};
  // Premultiplied: the straight channel is the stored one over the alpha.
  const auto channel = [&](int shift) { return static_cast<Float>((pixel >> shift) & 0xFFu) / alpha; };
  return ColorA{channel(16), channel(8), channel(0), alpha / kChannelMaximum};
}

Result<ColorA> ReadScreenPixel(Vector2d screenPosition) {
  OsWindow* window = FindWindowAtScreenPosition(screenPosition);
  if (!window) return IllegalArgumentError("No window of the application at this position");
  const Rect frame = window->GetFrame();
  return ReadSurfacePixel(window->GetSurface(), static_cast<Int>(std::floor(screenPosition.x - frame.left)),
                          static_cast<Int>(std::floor(screenPosition.y - frame.top)));
}

}  // namespace zarvo
