#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "host/ui/FontHandle.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_base/TextLines.h"

namespace zarvo {

inline constexpr char kTextWidgetDefaultText[] = "Text";
inline constexpr CanvasUnitValue kTextWidgetDefaultFontSize = CanvasUnitValue::Rem(1.0);
// No minimum: glyphs shrink with the zoom.
inline constexpr CanvasUnitValue kTextWidgetDefaultMinimalGlobalFontSize = CanvasUnitValue::Pix(0.0);
// Longer texts are kept whole but only this much of them is laid out and drawn: wrapping
// measures every character and clamping re-measures the text for every cut, so a text of
// megabytes would take minutes, and no window shows more than this of one widget's text.
inline constexpr size_t kMaxLaidOutTextBytes = size_t{16} << 10;
inline constexpr char kTextWidgetName[] = "TextWidget";

// The text widget. LayoutBegin measures the text with the effective font and sizes the widget
// to it (wrapped text also keeps its lines); DrawContent draws from the text (one line) or
// from the lines. The effective font is the font at its size in global pixels, raised to the
// minimal global font size; everything it measures is brought back to local units.
class TextWidgetImpl : public WidgetBase, public virtual TextWidgetInterface {
 public:
  TextWidgetImpl();
  ~TextWidgetImpl() override;

  void SetText(const String& text) override;
  void SetFont(const FontDescription& font) override;
  void SetFontName(const String& name) override;
  void SetFontSize(CanvasUnitValue size) override;
  void SetFontStyle(FONTSTYLE style) override;
  void SetFontBaseline(FONTBASELINE baseline) override;
  void SetClampMode(CLAMP_MODE mode) override;
  void SetWrapMode(WRAP_MODE mode) override;
  void SetAlignment(ALIGNMENT alignment, WIDGET_DIRECTION direction) override;
  void SetMaximumLineCount(Int count) override;
  void SetSkipEmptyLines(Bool skip) override;
  void SetMinimalGlobalFontSize(CanvasUnitValue size) override;

  const String& GetText() const override { return text_; }
  const FontDescription& GetFont() const override { return font_; }
  CLAMP_MODE GetClampMode() const override { return clampMode_; }
  WRAP_MODE GetWrapMode() const override { return wrapMode_; }
  ALIGNMENT GetAlignment(WIDGET_DIRECTION direction) const override;
  Int GetMaximumLineCount() const override { return maximumLineCount_; }
  Bool GetSkipEmptyLines() const override { return skipEmptyLines_; }
  CanvasUnitValue GetMinimalGlobalFontSize() const override { return minimalGlobalFontSize_; }

  Result<void> DrawContent(const ColorA& color) override;

  // Widget-base hooks.
  Result<void> CreateLayout() override;
  Result<void> LayoutBegin() override;
  Result<void> LayoutPass2() override;
  Result<void> DrawContent() override;
  bool IsSerialDirty() const override;
  void ResetSerialDirty() override;

  Result<void> CopyFrom(const ObjectInterface& source) override;

  // The lines of the last layout of wrapped text, tops in local units; empty for one line.
  const std::vector<TextLine>& GetLaidOutLines() const noexcept;
  // The font glyphs are made and measured with now: its size is in global pixels. Empty
  // while the widget is on no canvas.
  [[nodiscard]] Result<FontHandleRef> CreateEffectiveFont() const;

 private:
  // One changed flag per property.
  enum Changed : uint32_t {
    kTextChanged = 1u << 0,
    kFontChanged = 1u << 1,
    kClampModeChanged = 1u << 2,
    kWrapModeChanged = 1u << 3,
    kHorizontalAlignmentChanged = 1u << 4,
    kVerticalAlignmentChanged = 1u << 5,
    kMaximumLineCountChanged = 1u << 6,
    kSkipEmptyLinesChanged = 1u << 7,
    kMinimalGlobalFontSizeChanged = 1u << 8,
  };

  // A change to what the text measures: lay out again, and draw again even when the size
  // stays.
  void DeclareLayoutChange(uint32_t changed);
  // Line count and skip empty lines only matter to wrapped text.
  void DeclareLineOptionChange(uint32_t changed);
  ALIGNMENT GetEffectiveHorizontalAlignment() const;
  const String& Clamp(const FontHandle& font, Float width, const Matrix2d& toLocal);
  // The effective font, kept while the font and its size on the canvas stay the same.
  [[nodiscard]] Result<const FontHandle*> EffectiveFont(const Matrix2d& global);
  // The widget's font at a size in global pixels.
  [[nodiscard]] Result<FontHandleRef> MakeFont(CanvasInterface& canvas, Float globalSize) const;
  // The one-line extents of the text in global pixels, measured once per text and font.
  Vector2d MeasureLine(const FontHandle& font);
  // Breaks the text into lines no wider than `width` where words allow (local units).
  [[nodiscard]] Result<void> BreakLines(const FontHandle& font, const Matrix2d& toLocal, Float width);
  struct Shaped;
  Shaped& GetShaped();
  // The part of the text that is measured, wrapped, clamped and drawn: the text up to
  // kMaxLaidOutTextBytes, cut between characters.
  std::string_view GetLaidOutText() const;

  // What a layout walk reads of a text that needs no measuring first, next to the base's fields.
  WRAP_MODE wrapMode_ = WRAP_MODE::NONE;
  // A new widget counts as changed, so that it is saved at least once: the minimal font size's
  // flag starts set.
  uint32_t changed_ = kMinimalGlobalFontSizeChanged;
  // Wrapped lines and the clamped line: most texts need neither, so they are made on demand.
  std::unique_ptr<Shaped> shaped_;
  String text_ = kTextWidgetDefaultText;
  FontDescription font_{String(), kTextWidgetDefaultFontSize, FONTSTYLE::NONE, FONTBASELINE::DEFAULT};
  CanvasUnitValue minimalGlobalFontSize_ = kTextWidgetDefaultMinimalGlobalFontSize;
  Int maximumLineCount_ = 0;
  // What the last measuring found. A layout run that every widget takes part in (a new REM
  // base, a table resized) then costs a comparison, not a shaping, for each unchanged text.
  // Extents come from the font in 1/1024 pixels, which single precision holds exactly.
  struct Measured {
    FontHandleRef font;         // empty: nothing measured yet, or the font changed
    Float requestedSize = 0.0;  // the global pixel size the font was made for
    float lineWidth = 0.0f;     // valid while `lineMeasured`
    float lineHeight = 0.0f;
  };
  Measured measured_;
  // The small state last, in as few bytes as it needs: texts come by the thousand.
  CLAMP_MODE clampMode_ = CLAMP_MODE::NONE;
  ALIGNMENT horizontalAlignment_ = ALIGNMENT::LEFT;
  ALIGNMENT verticalAlignment_ = ALIGNMENT::LEFT;
  Bool skipEmptyLines_ = false;
  bool lineMeasured_ = false;
};

}  // namespace zarvo
