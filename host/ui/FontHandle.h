#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

#include "host/core/Geometry.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/Font.h"

typedef struct _PangoFontDescription PangoFontDescription;

namespace zarvo {

class FontHandle;
using FontHandleRef = std::shared_ptr<const FontHandle>;

// A font loaded at a size in pixels, with its metrics and the measurement of strings. Handles
// come from FontCache, which hands out one handle per description, so a handle's serial names
// its font in the layout cache. Main thread only, like all text work.
//
// Metrics are in pixels and positive downwards from the baseline where that applies:
//   ascent     baseline to the top of the line box
//   descent    baseline to the bottom of the line box
//   leading    extra gap the font asks for between lines; 0 when the font declares none (the
//              DejaVu fonts declare none), so a line step is ascent + descent + leading
//   cap height baseline to the top of a capital H; x-height baseline to the top of an x
class FontHandle {
 public:
  // The cached handle for a description whose size is in pixels (CanvasUnitValue PIX). An
  // empty name means kDefaultFontFamily. Errors: a size that is not PIX, NaN, infinite,
  // negative or above kMaxPixelSize; a style or baseline outside its enumeration.
  [[nodiscard]] static Result<FontHandleRef> Create(const FontDescription& description);

  // Sizes above this are refused; Pango keeps sizes in 1/1024 units in an int.
  static constexpr Float kMaxPixelSize = 65536.0;

  FontHandle(const FontHandle&) = delete;
  FontHandle& operator=(const FontHandle&) = delete;
  ~FontHandle();

  // The description as given (name not yet defaulted), size in PIX.
  const FontDescription& GetDescription() const noexcept { return description_; }
  Float GetPixelSize() const noexcept { return description_.size.value; }
  // The family fontconfig actually chose.
  const String& GetResolvedFamily() const noexcept { return resolvedFamily_; }

  Float GetAscent() const noexcept { return ascent_; }
  Float GetDescent() const noexcept { return descent_; }
  Float GetLeading() const noexcept { return leading_; }
  Float GetLineHeight() const noexcept { return ascent_ + descent_ + leading_; }
  Float GetCapHeight() const noexcept { return capHeight_; }
  Float GetXHeight() const noexcept { return xHeight_; }
  // Distance from a text's given vertical position down to its baseline (see FONTBASELINE).
  Float GetBaselineOffset(FONTBASELINE baseline) const noexcept;

  // The logical extents of `text` laid out on one line, relative to its top-left when drawn
  // with the DEFAULT baseline: normally (0, 0, width, line box height). Line feeds do not
  // break the line. Repeated measurement of the same text is a cache lookup.
  Rect GetStringBoundingBox(std::string_view text) const;

  uint64_t GetSerial() const noexcept { return serial_; }
  const PangoFontDescription* GetPangoDescription() const noexcept { return pango_; }

 private:
  friend class FontCache;
  FontHandle() = default;

  FontDescription description_;
  String resolvedFamily_;
  PangoFontDescription* pango_ = nullptr;
  uint64_t serial_ = 0;
  Float ascent_ = 0.0;
  Float descent_ = 0.0;
  Float leading_ = 0.0;
  Float capHeight_ = 0.0;
  Float xHeight_ = 0.0;
};

}  // namespace zarvo
