#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/Font.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kTextWidgetClassId[] = "net.zarvo.mvp.widgetclasses.text";
inline constexpr char kTextWidgetInterfaceId[] = "net.zarvo.mvp.interface.textwidget";

// Where a single line that does not fit the visible part of the widget is cut and marked with
// "...".
enum class CLAMP_MODE : int32_t { NONE = 0, START = 1, MIDDLE = 2, END = 3 };

// NONE: one line, sized to the text. LINE: a line per line feed. WORD: lines broken between
// words to fit the widget's width at the start of layout (and at line feeds), so a widget that
// wraps words needs its width from elsewhere: a fixed size or its container.
enum class WRAP_MODE : int32_t { NONE = 0, LINE = 1, WORD = 2 };

// Vertically LEFT is the top, CENTER the centre and RIGHT the bottom.
enum class ALIGNMENT : int32_t { LEFT = 0, CENTER = 1, RIGHT = 2 };

// A string in one font, on one line or wrapped, that sizes itself to its text at layout.
// Setters only record (an equal value changes nothing); the next layout turns the recorded
// properties into lines and a size. Sizes and positions are in the widget's local units; the
// glyphs are made at the global pixel size, never below the minimal global font size, so text
// stays legible however far the widget is zoomed out.
class TextWidgetInterface : public virtual WidgetInterface {
 public:
  using WidgetInterface::DrawContent;

  virtual void SetText(const String& text) = 0;
  virtual void SetFont(const FontDescription& font) = 0;
  virtual void SetFontName(const String& name) = 0;
  // A NaN or negative size makes layout and drawing fail with the font handle's error.
  virtual void SetFontSize(CanvasUnitValue size) = 0;
  virtual void SetFontStyle(FONTSTYLE style) = 0;
  virtual void SetFontBaseline(FONTBASELINE baseline) = 0;
  virtual void SetClampMode(CLAMP_MODE mode) = 0;
  virtual void SetWrapMode(WRAP_MODE mode) = 0;
  // HORIZONTAL sets the horizontal alignment, any other direction the vertical one. Alignment
  // applies to a single unclamped line only.
  virtual void SetAlignment(ALIGNMENT alignment, WIDGET_DIRECTION direction) = 0;
  // 0 or less means unlimited. Only wrapped text has lines to limit.
  virtual void SetMaximumLineCount(Int count) = 0;
  // Wrapped lines are trimmed of white space, and those left empty take no room.
  virtual void SetSkipEmptyLines(Bool skip) = 0;
  // The smallest size, in global (canvas) pixels once converted, that glyphs are made at.
  virtual void SetMinimalGlobalFontSize(CanvasUnitValue size) = 0;

  virtual const String& GetText() const = 0;
  virtual const FontDescription& GetFont() const = 0;
  virtual CLAMP_MODE GetClampMode() const = 0;
  virtual WRAP_MODE GetWrapMode() const = 0;
  virtual ALIGNMENT GetAlignment(WIDGET_DIRECTION direction) const = 0;
  virtual Int GetMaximumLineCount() const = 0;
  virtual Bool GetSkipEmptyLines() const = 0;
  virtual CanvasUnitValue GetMinimalGlobalFontSize() const = 0;

  // Draws the text in `color` (the widget's own drawing passes GetColor). Fails with the font
  // handle's error when the effective font cannot be made.
  [[nodiscard]] virtual Result<void> DrawContent(const ColorA& color) = 0;
};

using TextWidgetRef = Ref<TextWidgetInterface>;

}  // namespace zarvo
