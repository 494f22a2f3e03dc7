#include "source/widgets_base/TextWidgetImpl.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "host/ui/CanvasInterface.h"
#include "source/widgets_base/TextClamp.h"

namespace zarvo {

namespace {

bool IsValid(CLAMP_MODE mode) { return mode >= CLAMP_MODE::NONE && mode <= CLAMP_MODE::END; }
bool IsValid(WRAP_MODE mode) { return mode >= WRAP_MODE::NONE && mode <= WRAP_MODE::WORD; }
bool IsValid(ALIGNMENT alignment) { return alignment >= ALIGNMENT::LEFT && alignment <= ALIGNMENT::RIGHT; }

// The offset of content that leaves `free` room in its box.
Float AlignedOffset(ALIGNMENT alignment, Float free) {
  switch (alignment) {
    case ALIGNMENT::CENTER: return free * 0.5;
    case ALIGNMENT::RIGHT: return free;
    case ALIGNMENT::LEFT: break;
  }
  return 0.0;
}

// A parent frame can reach infinity (a widget of INFINITE size); the visible part keeps
// finite edges.
constexpr Float kLargestFloat = std::numeric_limits<Float>::max();
Rect HoldFinite(const Rect& rect) {
  const auto hold = [](Float value) { return std::clamp(value, -kLargestFloat, kLargestFloat); };
  return {hold(rect.left), hold(rect.top), hold(rect.right), hold(rect.bottom)};
}

}  // namespace

struct TextWidgetImpl::Shaped {
  TextLinesLayout layout;
  // The width the lines were broken for: a parent's width handed down after LayoutBegin
  // breaks them again in LayoutPass2.
  Float wrapWidth = -1.0;
  // The last clamped line, so that a repaint measures nothing again.
  String clampedFrom;
  CLAMP_MODE clampMode = CLAMP_MODE::NONE;
  Float clampWidth = 0.0;
  uint64_t clampFontSerial = 0;
  Float clampLocalPerGlobal = 0.0;
  String clamped;
};

TextWidgetImpl::TextWidgetImpl() = default;

TextWidgetImpl::~TextWidgetImpl() = default;

// ---- properties -----------------------------------------------------------------------------

TextWidgetImpl::Shaped& TextWidgetImpl::GetShaped() {
  if (!shaped_) shaped_ = std::make_unique<Shaped>();
  return *shaped_;
}

const std::vector<TextLine>& TextWidgetImpl::GetLaidOutLines() const noexcept {
  static const std::vector<TextLine> kNoLines;
  return shaped_ ? shaped_->layout.lines : kNoLines;
}

void TextWidgetImpl::DeclareLayoutChange(uint32_t changed) {
  changed_ |= changed;
  if (changed & (kFontChanged | kMinimalGlobalFontSizeChanged)) measured_.font = FontHandleRef();
  lineMeasured_ = false;
  RequestLayout();
  RequestRedraw();
}

void TextWidgetImpl::DeclareLineOptionChange(uint32_t changed) {
  changed_ |= changed;
  if (wrapMode_ == WRAP_MODE::NONE) return;
  RequestLayout();
  RequestRedraw();
}

void TextWidgetImpl::SetText(const String& text) {
  if (text == text_) return;
  text_ = text;
  DeclareLayoutChange(kTextChanged);
}

void TextWidgetImpl::SetFont(const FontDescription& font) {
  if (font == font_) return;
  font_ = font;
  DeclareLayoutChange(kFontChanged);
}

void TextWidgetImpl::SetFontName(const String& name) {
  if (name == font_.name) return;
  font_.name = name;
  DeclareLayoutChange(kFontChanged);
}

void TextWidgetImpl::SetFontSize(CanvasUnitValue size) {
  if (size == font_.size) return;
  font_.size = size;
  DeclareLayoutChange(kFontChanged);
}

void TextWidgetImpl::SetFontStyle(FONTSTYLE style) {
  if (style == font_.style) return;
  font_.style = style;
  DeclareLayoutChange(kFontChanged);
}

void TextWidgetImpl::SetFontBaseline(FONTBASELINE baseline) {
  if (baseline == font_.baseline) return;
  font_.baseline = baseline;
  DeclareLayoutChange(kFontChanged);
}

void TextWidgetImpl::SetClampMode(CLAMP_MODE mode) {
  assert(IsValid(mode));
  if (!IsValid(mode) || mode == clampMode_) return;
  clampMode_ = mode;
  DeclareLayoutChange(kClampModeChanged);
}

void TextWidgetImpl::SetWrapMode(WRAP_MODE mode) {
  assert(IsValid(mode));
  if (!IsValid(mode) || mode == wrapMode_) return;
  wrapMode_ = mode;
  DeclareLayoutChange(kWrapModeChanged);
}

void TextWidgetImpl::SetAlignment(ALIGNMENT alignment, WIDGET_DIRECTION direction) {
  assert(IsValid(alignment));
  if (!IsValid(alignment)) return;
  const bool horizontal = direction == WIDGET_DIRECTION::HORIZONTAL;
  ALIGNMENT& stored = horizontal ? horizontalAlignment_ : verticalAlignment_;
  if (alignment == stored) return;
  stored = alignment;
  changed_ |= horizontal ? kHorizontalAlignmentChanged : kVerticalAlignmentChanged;
  RequestRedraw();
}

ALIGNMENT TextWidgetImpl::GetAlignment(WIDGET_DIRECTION direction) const {
  return direction == WIDGET_DIRECTION::HORIZONTAL ? horizontalAlignment_ : verticalAlignment_;
}

void TextWidgetImpl::SetMaximumLineCount(Int count) {
  // Every count below 1 means unlimited; keep one of them so that they compare equal.
  count = std::max<Int>(count, 0);
  if (count == maximumLineCount_) return;
  maximumLineCount_ = count;
  DeclareLineOptionChange(kMaximumLineCountChanged);
}

void TextWidgetImpl::SetSkipEmptyLines(Bool skip) {
  if (skip == skipEmptyLines_) return;
  skipEmptyLines_ = skip;
  DeclareLineOptionChange(kSkipEmptyLinesChanged);
}

void TextWidgetImpl::SetMinimalGlobalFontSize(CanvasUnitValue size) {
  if (size == minimalGlobalFontSize_) return;
  minimalGlobalFontSize_ = size;
  DeclareLayoutChange(kMinimalGlobalFontSizeChanged);
}

// ---- serial state ---------------------------------------------------------------------------

bool TextWidgetImpl::IsSerialDirty() const {
  uint32_t counted = kTextChanged | kFontChanged | kClampModeChanged | kWrapModeChanged | kHorizontalAlignmentChanged |
                     kVerticalAlignmentChanged | kMinimalGlobalFontSizeChanged;
  if (wrapMode_ != WRAP_MODE::NONE) counted |= kMaximumLineCountChanged | kSkipEmptyLinesChanged;
  return (changed_ & counted) != 0;
}

void TextWidgetImpl::ResetSerialDirty() { changed_ = 0; }

Result<void> TextWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const TextWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs another text widget");
  if (other == this) return Ok();
  text_ = other->text_;
  font_ = other->font_;
  clampMode_ = other->clampMode_;
  wrapMode_ = other->wrapMode_;
  horizontalAlignment_ = other->horizontalAlignment_;
  verticalAlignment_ = other->verticalAlignment_;
  maximumLineCount_ = other->maximumLineCount_;
  skipEmptyLines_ = other->skipEmptyLines_;
  minimalGlobalFontSize_ = other->minimalGlobalFontSize_;
  shaped_ = other->shaped_ ? std::make_unique<Shaped>(*other->shaped_) : nullptr;
  measured_ = Measured();
  lineMeasured_ = false;
  changed_ = other->changed_;
  RequestLayout();
  RequestRedraw();
  return Ok();
}

// ---- layout ---------------------------------------------------------------------------------

Result<void> TextWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName(kTextWidgetName);
  return Ok();
}

namespace {
// The size glyphs are made at: the font's size on the canvas, not scaled by the transform,
// and never below the minimal global size. A NaN or negative size is a mistake the minimum
// must not hide, so it is passed on for the handle to refuse.
Float EffectiveFontSize(const WidgetBase& widget, CanvasUnitValue size, CanvasUnitValue minimal,
                        const Matrix2d& global) {
  const Float localSize = widget.ToPixels(size);
  if (!(localSize >= 0.0)) return localSize;
  return std::max(global.TransformVector({0.0, localSize}).y, widget.ToPixels(minimal));
}
}  // namespace

Result<FontHandleRef> TextWidgetImpl::MakeFont(CanvasInterface& canvas, Float globalSize) const {
  FontDescription effective = font_;
  effective.size = CanvasUnitValue::Pix(globalSize);
  return canvas.CreateFontHandle(effective);
}

Result<FontHandleRef> TextWidgetImpl::CreateEffectiveFont() const {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return FontHandleRef();
  return MakeFont(*canvas, EffectiveFontSize(*this, font_.size, minimalGlobalFontSize_, GetGlobalMatrix()));
}

Result<const FontHandle*> TextWidgetImpl::EffectiveFont(const Matrix2d& global) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return static_cast<const FontHandle*>(nullptr);
  const Float size = EffectiveFontSize(*this, font_.size, minimalGlobalFontSize_, global);
  if (measured_.font && measured_.requestedSize == size) return measured_.font.get();
  ZV_TRY_ASSIGN(FontHandleRef font, MakeFont(*canvas, size));
  if (font != measured_.font) lineMeasured_ = false;
  measured_.font = std::move(font);
  measured_.requestedSize = size;
  return measured_.font.get();
}

std::string_view TextWidgetImpl::GetLaidOutText() const {
  const std::string_view text = text_;
  if (text.size() <= kMaxLaidOutTextBytes) return text;
  // Cut between characters, so that the shown part stays valid UTF-8.
  size_t end = kMaxLaidOutTextBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

Vector2d TextWidgetImpl::MeasureLine(const FontHandle& font) {
  if (!lineMeasured_) {
    const Rect box = font.GetStringBoundingBox(GetLaidOutText());
    measured_.lineWidth = static_cast<float>(box.Width());
    measured_.lineHeight = static_cast<float>(box.Height());
    lineMeasured_ = true;
  }
  return {measured_.lineWidth, measured_.lineHeight};
}

Result<void> TextWidgetImpl::LayoutBegin() {
  ZV_TRY(WidgetBase::LayoutBegin());
  // One line in a box of fixed size: the layout does not depend on the text's extents, so
  // they are measured when the text is drawn, and only if it is.
  if (wrapMode_ == WRAP_MODE::NONE && GetSizeMode(WIDGET_DIRECTION::HORIZONTAL) == WIDGET_SIZE::FIXED &&
      GetSizeMode(WIDGET_DIRECTION::VERTICAL) == WIDGET_SIZE::FIXED) {
    if (shaped_) shaped_->layout = TextLinesLayout();
    return Ok();  // the size modes put the fixed size in place when they were set
  }
  const Matrix2d global = GetGlobalMatrix();
  ZV_TRY_ASSIGN(const FontHandle* font, EffectiveFont(global));
  if (!font) return Ok();
  const Matrix2d toLocal = global.Inverse();
  if (wrapMode_ == WRAP_MODE::NONE) {
    if (shaped_) shaped_->layout = TextLinesLayout();
    const Vector2d size = toLocal.TransformVector(MeasureLine(*font));
    return SetLocalSize(size.x, size.y);
  }
  ZV_TRY(BreakLines(*font, toLocal, GetLocalPixSize().x));
  const TextLinesLayout& layout = shaped_->layout;
  return SetLocalSize(layout.size.x, layout.size.y);
}

Result<void> TextWidgetImpl::BreakLines(const FontHandle& font, const Matrix2d& toLocal, Float width) {
  TextLinesOptions options;
  options.wrapMode = wrapMode_;
  options.availableWidth = width;
  options.maximumLineCount = maximumLineCount_;
  options.skipEmptyLines = skipEmptyLines_;
  options.lineStep = toLocal.TransformVector({0.0, font.GetLineHeight()}).y;
  const auto measure = [&](std::string_view text) {
    return toLocal.TransformVector({font.GetStringBoundingBox(text).Width(), 0.0}).x;
  };
  Shaped& shaped = GetShaped();
  ZV_TRY(LayOutTextLines(GetLaidOutText(), options, measure, shaped.layout));
  shaped.wrapWidth = width;
  return Ok();
}

Result<void> TextWidgetImpl::LayoutPass2() {
  // Only words wrap by the width; the inherited width came after LayoutBegin broke the lines.
  if (wrapMode_ != WRAP_MODE::WORD || !shaped_ || !GetInheritParentSize(WIDGET_DIRECTION::HORIZONTAL)) return Ok();
  const Vector2d size = GetLocalPixSize();
  if (size.x == shaped_->wrapWidth) return Ok();
  const Matrix2d global = GetGlobalMatrix();
  ZV_TRY_ASSIGN(const FontHandle* font, EffectiveFont(global));
  if (!font) return Ok();
  ZV_TRY(BreakLines(*font, global.Inverse(), size.x));
  return SetLocalSize(size.x, shaped_->layout.size.y);
}

// ---- drawing --------------------------------------------------------------------------------

Result<void> TextWidgetImpl::DrawContent() { return DrawContent(GetColor()); }

ALIGNMENT TextWidgetImpl::GetEffectiveHorizontalAlignment() const {
  if (!GetAcceptR2LMode() || GetR2LMode() != WIDGET_R2L_MODE::RIGHT_TO_LEFT) return horizontalAlignment_;
  switch (horizontalAlignment_) {
    case ALIGNMENT::LEFT: return ALIGNMENT::RIGHT;
    case ALIGNMENT::RIGHT: return ALIGNMENT::LEFT;
    case ALIGNMENT::CENTER: break;
  }
  return horizontalAlignment_;
}

Result<void> TextWidgetImpl::DrawContent(const ColorA& color) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Matrix2d global = GetGlobalMatrix();
  ZV_TRY_ASSIGN(const FontHandle* font, EffectiveFont(global));
  if (!font) return Ok();
  if (wrapMode_ != WRAP_MODE::NONE) {
    for (const TextLine& line : GetLaidOutLines()) ZV_TRY(canvas->DrawText(line.text, *font, {0.0, line.offset}, color));
    return Ok();
  }
  const Matrix2d toLocal = global.Inverse();
  const Vector2d size = GetLocalPixSize();
  if (clampMode_ == CLAMP_MODE::NONE) {
    const Vector2d extent = toLocal.TransformVector(MeasureLine(*font));
    Vector2d position;
    if (extent.x < size.x) position.x = AlignedOffset(GetEffectiveHorizontalAlignment(), size.x - extent.x);
    if (extent.y < size.y) position.y = AlignedOffset(verticalAlignment_, size.y - extent.y);
    if (text_.size() <= kMaxLaidOutTextBytes) return canvas->DrawText(text_, *font, position, color);
    return canvas->DrawText(String(GetLaidOutText()), *font, position, color);
  }
  // Only the part the parent shows has room for the text.
  Rect visible = GetLocalFrame();
  if (const WidgetInterface* parent = GetParentWidget()) {
    visible = visible.Intersect(HoldFinite(toLocal.TransformRect(parent->GetGlobalFrame())));
  }
  if (visible.IsEmpty()) return Ok();
  Vector2d position;
  if (visible.left > 0.0 && visible.left < size.x) position.x = visible.left;
  return canvas->DrawText(Clamp(*font, visible.Width(), toLocal), *font, position, color);
}

const String& TextWidgetImpl::Clamp(const FontHandle& font, Float width, const Matrix2d& toLocal) {
  Shaped& line = GetShaped();
  const Float localPerGlobal = toLocal.a;
  if (line.clampedFrom == text_ && line.clampMode == clampMode_ && line.clampWidth == width &&
      line.clampFontSerial == font.GetSerial() && line.clampLocalPerGlobal == localPerGlobal) {
    return line.clamped;
  }
  const auto measure = [&](std::string_view text) {
    return toLocal.TransformVector({font.GetStringBoundingBox(text).Width(), 0.0}).x;
  };
  line.clamped = ClampText(GetLaidOutText(), clampMode_, width, measure);
  line.clampedFrom = text_;
  line.clampMode = clampMode_;
  line.clampWidth = width;
  line.clampFontSerial = font.GetSerial();
  line.clampLocalPerGlobal = localPerGlobal;
  return line.clamped;
}

}  // namespace zarvo
