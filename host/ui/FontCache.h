#pragma once
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/core/Geometry.h"
#include "host/core/Result.h"
#include "host/ui/Font.h"
#include "host/ui/FontHandle.h"

typedef struct _PangoContext PangoContext;
typedef struct _PangoFontMap PangoFontMap;
typedef struct _PangoLayout PangoLayout;

namespace zarvo {

// A shaped one-line text: the Pango layout, its logical extents relative to the layout's
// top-left and the baseline's distance from that top.
struct TextLayout {
  PangoLayout* layout = nullptr;  // owned by the cache; valid until the next layout is made
  Rect bounds;
  Float baseline = 0.0;
};

// The process's text engine: one offscreen Pango context on its own Pango-cairo font map,
// with fixed font options (gray antialiasing, no hinting, unhinted metrics, unrounded glyph
// positions) so that metrics and pixels do not depend on any window or machine setting. It
// hands out font handles (one per description) and keeps shaped layouts per (text, font) in a
// bounded least-recently-used cache: shaping costs microseconds, a hit costs one hash lookup.
// Created on first use, which is also the first use of fontconfig, and kept until the process
// ends; main thread only.
class FontCache {
 public:
  static constexpr size_t kDefaultLayoutCapacity = 2048;
  // Font handles are few; past this many the handle table starts afresh.
  static constexpr size_t kMaxFonts = 256;
  // Texts are shaped up to this many bytes (cut between characters); the rest is neither
  // measured nor drawn.
  static constexpr size_t kMaxShapedBytes = size_t{64} << 10;

  static FontCache& Get();

  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  // See FontHandle::Create.
  [[nodiscard]] Result<FontHandleRef> GetFont(const FontDescription& description);

  // The cached layout of `text` in `font`, shaping it on a miss.
  TextLayout GetLayout(const FontHandle& font, std::string_view text);

  PangoContext* GetContext() const noexcept { return context_; }
  // Families the font map offers, sorted (with the test fonts.conf: the DejaVu families only).
  std::vector<String> ListFamilies() const;

  // How many texts were shaped since start (tests and benchmarks).
  uint64_t GetShapeCount() const noexcept { return shapeCount_; }
  size_t GetLayoutCount() const noexcept { return lru_.size(); }
  size_t GetLayoutCapacity() const noexcept { return capacity_; }
  // At least 1; shrinking evicts the least recently used layouts.
  void SetLayoutCapacity(size_t capacity);
  void ClearLayouts();

 private:
  FontCache();

  struct KeyView {
    uint64_t font;
    std::string_view text;
    friend bool operator==(const KeyView&, const KeyView&) = default;
  };
  struct KeyHash {
    size_t operator()(const KeyView& key) const noexcept;
  };
  struct Entry {
    uint64_t font;
    std::string text;
    TextLayout layout;
  };
  struct DescriptionHash {
    size_t operator()(const FontDescription& description) const noexcept;
  };

  Result<FontHandleRef> MakeFont(const FontDescription& description);
  TextLayout Shape(const PangoFontDescription* font, std::string_view text);
  void EvictTo(size_t count);

  PangoFontMap* fontMap_ = nullptr;
  PangoContext* context_ = nullptr;
  uint64_t nextSerial_ = 1;
  uint64_t shapeCount_ = 0;
  size_t capacity_ = kDefaultLayoutCapacity;
  std::unordered_map<FontDescription, FontHandleRef, DescriptionHash> fonts_;
  // Most recently used first; the index's keys view the texts held by the list's entries.
  std::list<Entry> lru_;
  std::unordered_map<KeyView, std::list<Entry>::iterator, KeyHash> index_;
};

}  // namespace zarvo
