// Draws the message dialog's icons (double resolution, 128 x 128) into the module's resources:
//   g++ -O1 scripts/make-dialog-icons.cpp $(pkg-config --cflags --libs cairo) -o /tmp/icons && /tmp/icons
#include <cairo.h>

#include <cmath>
#include <string>

namespace {

constexpr int kSize = 128;
constexpr char kFolder[] = "resources/modules/mvp_desktop2d_widgets.module/icons/messagedialog/";

void Glyph(cairo_t* cr, const char* text, double size, double r, double g, double b) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text, &extents);
  cairo_move_to(cr, kSize / 2.0 - extents.width / 2 - extents.x_bearing,
                kSize / 2.0 - extents.height / 2 - extents.y_bearing);
  cairo_set_source_rgb(cr, r, g, b);
  cairo_show_text(cr, text);
}

void Circle(cairo_t* cr, double r, double g, double b) {
  cairo_arc(cr, kSize / 2.0, kSize / 2.0, kSize / 2.0 - 6, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, r, g, b);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 4);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_stroke(cr);
}

template <class Draw>
void Write(const char* name, Draw draw) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSize, kSize);
  cairo_t* cr = cairo_create(surface);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_write_to_png(surface, (std::string(kFolder) + name + "_x2.png").c_str());
  cairo_surface_destroy(surface);
}

}  // namespace

int main() {
  Write("icon_stop", [](cairo_t* cr) {
    for (int i = 0; i < 8; ++i) {
      const double angle = M_PI / 8 + i * M_PI / 4;
      cairo_line_to(cr, kSize / 2.0 + 58 * std::cos(angle), kSize / 2.0 + 58 * std::sin(angle));
    }
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.80, 0.16, 0.14);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 14);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, 40, 40);
    cairo_line_to(cr, 88, 88);
    cairo_move_to(cr, 88, 40);
    cairo_line_to(cr, 40, 88);
    cairo_stroke(cr);
  });
  Write("icon_question", [](cairo_t* cr) {
    Circle(cr, 0.18, 0.45, 0.80);
    Glyph(cr, "?", 80, 1, 1, 1);
  });
  Write("icon_exclamation", [](cairo_t* cr) {
    cairo_move_to(cr, kSize / 2.0, 8);
    cairo_line_to(cr, kSize - 6, kSize - 14);
    cairo_line_to(cr, 6, kSize - 14);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.95, 0.72, 0.12);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_stroke(cr);
    cairo_translate(cr, 0, 10);
    Glyph(cr, "!", 70, 0.15, 0.15, 0.15);
  });
  Write("icon_asterisk", [](cairo_t* cr) {
    Circle(cr, 0.20, 0.55, 0.75);
    Glyph(cr, "i", 80, 1, 1, 1);
  });
  Write("icon_qvx", [](cairo_t* cr) {
    cairo_new_sub_path(cr);
    const double r = 22, lo = 8, hi = kSize - 8;
    cairo_arc(cr, hi - r, lo + r, r, -M_PI / 2, 0);
    cairo_arc(cr, hi - r, hi - r, r, 0, M_PI / 2);
    cairo_arc(cr, lo + r, hi - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, lo + r, lo + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, lo, 0, hi);
    cairo_pattern_add_color_stop_rgb(gradient, 0, 0.36, 0.40, 0.48);
    cairo_pattern_add_color_stop_rgb(gradient, 1, 0.20, 0.23, 0.29);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    Glyph(cr, "V", 76, 0.93, 0.93, 0.93);
  });
  return 0;
}
