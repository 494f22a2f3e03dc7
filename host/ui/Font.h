#pragma once
#include <cstdint>

#include "host/core/Types.h"

namespace zarvo {

enum class FONTSTYLE : int32_t { NONE = 0, BOLD = 1, ITALIC = 2 };

// Which line of the font lies at the vertical position a text is drawn at. With B the baseline
// and y the given position (ascent a, descent d, cap height c, x-height x of the font):
//   DEFAULT   y is the top of the line box:           B = y + a
//   MEANLINE  y is the x-height (mean) line:          B = y + x
//   ASCENT    y is the ascent line:                   B = y + a (the line box starts there, so
//                                                     this equals DEFAULT)
//   DESCENT   y is the descent line, the box bottom:  B = y - d (the text stands above y)
//   CAP       y is the cap-height line:               B = y + c
//   CENTER    y is the middle of the line box:        B = y + (a - d) / 2
enum class FONTBASELINE : int32_t { DEFAULT = 0, MEANLINE = 1, ASCENT = 2, DESCENT = 3, CAP = 4, CENTER = 5 };

// The family used when a description names none.
inline constexpr const char* kDefaultFontFamily = "DejaVu Sans";

// A font as widgets describe it. The size keeps its unit; a font handle needs it in pixels.
struct FontDescription {
  String name;  // family; empty means kDefaultFontFamily
  CanvasUnitValue size = CanvasUnitValue::Rem(1.0);
  FONTSTYLE style = FONTSTYLE::NONE;
  FONTBASELINE baseline = FONTBASELINE::DEFAULT;

  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

}  // namespace zarvo
