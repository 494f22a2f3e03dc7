#include "host/ui/FontCache.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace zarvo {

namespace {

// Pango works in 1/1024 pixel units.
Float FromPango(int units) { return static_cast<Float>(units) / PANGO_SCALE; }

// Resolution only matters for point sizes; every size here is absolute, but keep it fixed.
constexpr Float kResolutionDpi = 96.0;

size_t MixHash(size_t seed, size_t value) {
  return seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
}

bool IsValidStyle(FONTSTYLE style) {
  return style == FONTSTYLE::NONE || style == FONTSTYLE::BOLD || style == FONTSTYLE::ITALIC;
}

bool IsValidBaseline(FONTBASELINE baseline) {
  const auto value = static_cast<int32_t>(baseline);
  return value >= static_cast<int32_t>(FONTBASELINE::DEFAULT) && value <= static_cast<int32_t>(FONTBASELINE::CENTER);
}

// Distance from the layout's top down to the top of the ink of `sample`.
Float InkHeightAboveBaseline(PangoContext* context, const PangoFontDescription* font, const char* sample) {
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_font_description(layout, font);
  pango_layout_set_text(layout, sample, -1);
  PangoRectangle ink;
  pango_layout_get_extents(layout, &ink, nullptr);
  const Float height = FromPango(pango_layout_get_baseline(layout) - ink.y);
  g_object_unref(layout);
  return std::max<Float>(height, 0.0);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// fontconfig links its patterns by offsets rather than pointers, so the leak checker takes
// every pattern still cached at exit (and those Pango's worker thread is still sorting) for a
// leak. Our own objects stay checked: none of them is allocated inside fontconfig.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

FontCache& FontCache::Get() {
  // Never destroyed: Pango answers font queries on worker threads, and tearing the font map
  // down at exit races with them; handles and layouts may also outlive other statics.
  static FontCache* cache = new FontCache;
  return *cache;
}

FontCache::FontCache() {
  fontMap_ = pango_cairo_font_map_new();
  pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap_), kResolutionDpi);
  context_ = pango_font_map_create_context(fontMap_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_cairo_context_set_resolution(context_, kResolutionDpi);
  // Widths must not jump with the zoom: keep glyph positions as shaped.
  pango_context_set_round_glyph_positions(context_, FALSE);
  index_.reserve(capacity_);
}

FontCache::~FontCache() {
  ClearLayouts();
  fonts_.clear();
  g_object_unref(context_);
  g_object_unref(fontMap_);
}

size_t FontCache::KeyHash::operator()(const KeyView& key) const noexcept {
  return MixHash(std::hash<std::string_view>()(key.text), static_cast<size_t>(key.font));
}

size_t FontCache::DescriptionHash::operator()(const FontDescription& d) const noexcept {
  size_t h = std::hash<std::string>()(d.name);
  h = MixHash(h, std::hash<Float>()(d.size.value));
  h = MixHash(h, static_cast<size_t>(d.size.unit));
  h = MixHash(h, static_cast<size_t>(d.style));
  return MixHash(h, static_cast<size_t>(d.baseline));
}

Result<FontHandleRef> FontCache::GetFont(const FontDescription& description) {
  if (auto it = fonts_.find(description); it != fonts_.end()) return it->second;
  ZV_TRY_ASSIGN(FontHandleRef font, MakeFont(description));
  if (fonts_.size() >= kMaxFonts) fonts_.clear();
  fonts_.emplace(description, font);
  return font;
}

Result<FontHandleRef> FontCache::MakeFont(const FontDescription& description) {
  const Float size = description.size.value;
  if (description.size.unit != CANVAS_UNIT::PIX) return IllegalArgumentError("Font size must be given in pixels");
  if (!std::isfinite(size) || size < 0.0 || size > FontHandle::kMaxPixelSize) {
    return IllegalArgumentError("Invalid font size " + std::to_string(size));
  }
  if (!IsValidStyle(description.style)) return IllegalArgumentError("Invalid font style");
  if (!IsValidBaseline(description.baseline)) return IllegalArgumentError("Invalid font baseline");

  std::shared_ptr<FontHandle> font(new FontHandle);
  font->description_ = description;
  font->serial_ = nextSerial_++;
  font->pango_ = pango_font_description_new();
  PangoFontDescription* pango = font->pango_;
  pango_font_description_set_family(pango, description.name.empty() ? kDefaultFontFamily : description.name.c_str());
  pango_font_description_set_absolute_size(pango, std::round(size * PANGO_SCALE));
  pango_font_description_set_weight(pango, description.style == FONTSTYLE::BOLD ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(pango, description.style == FONTSTYLE::ITALIC ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

  PangoFont* loaded = pango_font_map_load_font(fontMap_, context_, pango);
  if (!loaded) return NotFoundError("No font found for family " + description.name);
  PangoFontDescription* resolved = pango_font_describe(loaded);
  const char* family = pango_font_description_get_family(resolved);
  font->resolvedFamily_ = family ? family : "";
  pango_font_description_free(resolved);
  g_object_unref(loaded);

  PangoFontMetrics* metrics = pango_context_get_metrics(context_, pango, nullptr);
  font->ascent_ = FromPango(pango_font_metrics_get_ascent(metrics));
  font->descent_ = FromPango(pango_font_metrics_get_descent(metrics));
  // The recommended baseline distance, 0 when the font gives none; the line gap is what it
  // adds to ascent + descent.
  const Float lineHeight = FromPango(pango_font_metrics_get_height(metrics));
  font->leading_ = std::max<Float>(lineHeight - font->ascent_ - font->descent_, 0.0);
  pango_font_metrics_unref(metrics);
  // Not every font carries cap and x heights in its tables; the ink of H and x always works.
  font->capHeight_ = InkHeightAboveBaseline(context_, pango, "H");
  font->xHeight_ = InkHeightAboveBaseline(context_, pango, "x");
  shapeCount_ += 2;
  return FontHandleRef(std::move(font));
}

TextLayout FontCache::GetLayout(const FontHandle& font, std::string_view text) {
  const KeyView key{font.GetSerial(), text};
  if (auto it = index_.find(key); it != index_.end()) {
    if (it->second != lru_.begin()) lru_.splice(lru_.begin(), lru_, it->second);
    return it->second->layout;
  }
  EvictTo(capacity_ - 1);
  lru_.push_front(Entry{font.GetSerial(), std::string(text), Shape(font.GetPangoDescription(), text)});
  Entry& entry = lru_.front();
  index_.emplace(KeyView{entry.font, entry.text}, lru_.begin());
  return entry.layout;
}

TextLayout FontCache::Shape(const PangoFontDescription* font, std::string_view text) {
  TextLayout result;
  result.layout = pango_layout_new(context_);
  pango_layout_set_font_description(result.layout, font);
  pango_layout_set_single_paragraph_mode(result.layout, TRUE);
  // Pango refuses malformed UTF-8 with a warning and shows nothing: bad bytes are shown as
  // replacement characters instead. Past kMaxShapedBytes a line is far wider than any screen.
  if (text.size() > kMaxShapedBytes) {
    size_t end = kMaxShapedBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text = text.substr(0, end);
  }
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    pango_layout_set_text(result.layout, text.data(), static_cast<int>(text.size()));
  } else {
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    pango_layout_set_text(result.layout, valid, -1);
    g_free(valid);
  }
  PangoRectangle logical;
  pango_layout_get_extents(result.layout, nullptr, &logical);
  result.bounds = Rect::FromSize(FromPango(logical.x), FromPango(logical.y), FromPango(logical.width),
                                 FromPango(logical.height));
  result.baseline = FromPango(pango_layout_get_baseline(result.layout));
  ++shapeCount_;
  return result;
}

void FontCache::EvictTo(size_t count) {
  while (lru_.size() > count) {
    Entry& last = lru_.back();
    index_.erase(KeyView{last.font, last.text});
    g_object_unref(last.layout.layout);
    lru_.pop_back();
  }
}

void FontCache::SetLayoutCapacity(size_t capacity) {
  capacity_ = std::max<size_t>(capacity, 1);
  EvictTo(capacity_);
}

void FontCache::ClearLayouts() { EvictTo(0); }

std::vector<String> FontCache::ListFamilies() const {
  PangoFontFamily** families = nullptr;
  int count = 0;
  pango_font_map_list_families(fontMap_, &families, &count);
  std::vector<String> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) names.emplace_back(pango_font_family_get_name(families[i]));
  g_free(families);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace zarvo
