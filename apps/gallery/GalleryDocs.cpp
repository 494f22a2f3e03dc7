#include "apps/gallery/GalleryDocs.h"

#include <cairo.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace zarvo::gallery {

namespace {

// Widget classes carry this prefix; objects made directly (a page's root) have no class id.
constexpr std::string_view kWidgetClassPrefix = "net.zarvo.mvp.widgetclasses.";
constexpr double kDocsImageScale = 0.5;

void Collect(const WidgetInterface& widget, std::vector<std::string>& ids) {
  const std::string& id = widget.GetClassId().GetString();
  if (id.starts_with(kWidgetClassPrefix) && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  for (const WidgetInterface* child = widget.GetFirstChildWidget(); child; child = child->GetNextWidget()) {
    Collect(*child, ids);
  }
}

const std::map<std::string, std::string>& Descriptions() {
  static const std::map<std::string, std::string> descriptions = {
      {"index", "The gallery's table of contents: one button per page, laid out in a grid; clicking one opens "
                "its page."},
      {"buttons", "Plain buttons holding a text, and the composite buttons: text, image, image and text, a "
                  "command button running a window command and a custom button that reports its drag "
                  "direction."},
      {"text", "Static texts clamped at the start, middle or end, aligned, right to left and wrapped by line "
               "or word, and editable text fields that report the finished text."},
      {"layout", "The layout containers: tables whose columns stretch by weight, flexboxes in every layout "
                 "that the 'r' key mirrors right to left, frames and cells with paddings."},
      {"scroll", "Scroll areas: a table of 10,000 buttons with bars shown when needed, and a picture with "
                 "both bars always shown and its vertical bar on the left."},
      {"time", "The date-time widget and time sliders, one of 100 frames and one of 10,000 frames with a "
               "stream, run on the host clock."},
      {"values", "The value widgets: check boxes, tristate buttons, booleans, a radio group, Int and Float "
                 "sliders along and upright, spinners and spin boxes with units, and vector and matrix "
                 "fields."},
      {"debug", "The diagnostic widgets: a ruler with a marker, the monitor table, an easter egg, a doodle "
                "canvas painting with its paint action, a function-curve editor, an SVG draw area and an SVG "
                "debugger that lists a document's elements."},
      {"colour", "The colour family: the HSV spectrum, RGB, HSV and hexadecimal editors, swatches in a "
                 "colour table, a colour field and button, quick tabs, the colour widget and the picker "
                 "with its eye dropper."},
      {"menus", "Menus: a menu bar with two levels of fly-outs, a cycle box of 1,000 entries with "
                "separators, a popup menu on right-click and a message dialog for every button set."},
      {"trees", "Trees: a tree graph of 10,000 rows in 100 folders inside a scroll area, with a header whose "
                "columns are resized and moved by dragging, fold widgets, and an area widget with a grid "
                "that pans and zooms."},
  };
  return descriptions;
}

}  // namespace

std::vector<std::string> CollectWidgetClassIds(const WidgetInterface& root) {
  std::vector<std::string> ids;
  Collect(root, ids);
  return ids;
}

std::string DescribePage(const PageDoc& page) {
  auto it = Descriptions().find(page.name);
  if (it != Descriptions().end()) return it->second;
  return "The " + page.title + " page of the gallery.";
}

Result<void> SaveHalfSizePng(const std::string& path, const std::string& target) {
  cairo_surface_t* source = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(source) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(source);
    return NotFoundError("Cannot read '" + path + "'");
  }
  const int width = std::max(1, static_cast<int>(cairo_image_surface_get_width(source) * kDocsImageScale));
  const int height = std::max(1, static_cast<int>(cairo_image_surface_get_height(source) * kDocsImageScale));
  // Screenshots are opaque: RGB24 keeps the files small.
  cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(scaled);
  cairo_scale(cr, kDocsImageScale, kDocsImageScale);
  cairo_set_source_surface(cr, source, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  const cairo_status_t written = cairo_surface_write_to_png(scaled, target.c_str());
  cairo_surface_destroy(scaled);
  cairo_surface_destroy(source);
  if (written != CAIRO_STATUS_SUCCESS) return IllegalStateError("Cannot write '" + target + "'");
  return Ok();
}

std::string FormatGalleryMarkdown(const std::vector<PageDoc>& pages) {
  std::ostringstream out;
  out << "# Widget gallery\n\n"
      << "Every widget family of the toolkit on one page of the gallery program (`apps/gallery`). "
         "This file and its images are written by `scripts/make-docs.sh` (`make docs`), which runs "
         "the gallery headless; each image is the page as it opens, at half size.\n\n";
  for (const PageDoc& page : pages) {
    out << "## " << page.title << "\n\n" << DescribePage(page) << "\n\n";
    if (!page.classIds.empty()) {
      out << "Classes:";
      for (size_t i = 0; i < page.classIds.size(); ++i) out << (i == 0 ? " " : ", ") << '`' << page.classIds[i] << '`';
      out << ".\n\n";
    }
    out << "![" << page.title << "](images/gallery_" << page.name << ".png)\n\n";
  }
  return out.str();
}

}  // namespace zarvo::gallery
