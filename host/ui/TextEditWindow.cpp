#include "host/ui/TextEditWindow.h"

#include <pango/pango.h>

#include <algorithm>
#include <cmath>

#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/FontCache.h"
#include "host/ui/OsWindow.h"

namespace zarvo {

namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";
// A selected line feed shows as a sliver this fraction of a line high, so that selecting it
// is visible.
constexpr Float kLineFeedSelectionWidth = 0.25;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed sequence starting at `i` (lead byte 0x80 or above), or 0.
size_t WellFormedLength(std::string_view text, size_t i, uint32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t length = 0;
  uint32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    codePoint = lead & 0x1Fu;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    codePoint = lead & 0x0Fu;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    codePoint = lead & 0x07u;
    smallest = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if (!IsContinuation(byte)) return 0;
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) return 0;
  return length;
}

bool IsControl(uint32_t codePoint) { return codePoint < 0x20 || codePoint == 0x7F || (codePoint >= 0x80 && codePoint < 0xA0); }

Float FromPango(int units) { return static_cast<Float>(units) / PANGO_SCALE; }

bool IsKey(Int32 key, char letter) {
  return key == letter || key == letter - 'a' + 'A';
}

}  // namespace

String SanitizeEditText(std::string_view text, bool multiLine) {
  String out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      if (byte == '\r' || byte == '\n') {
        if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += multiLine ? '\n' : ' ';
      } else if (byte == '\t') {
        out += ' ';
      } else if (!IsControl(byte)) {
        out += static_cast<char>(byte);
      }
      ++i;
      continue;
    }
    uint32_t codePoint = 0;
    const size_t length = WellFormedLength(text, i, codePoint);
    if (length == 0) {
      out += kReplacementCharacter;
      ++i;
      continue;
    }
    if (!IsControl(codePoint)) out.append(text.substr(i, length));
    i += length;
  }
  return out;
}

// ---- buffer ---------------------------------------------------------------------------------

TextEditBuffer::TextEditBuffer(bool multiLine) : multiLine_(multiLine) { Analyse(); }

void TextEditBuffer::SetText(std::string_view text) {
  text_ = SanitizeEditText(text, multiLine_);
  Analyse();
  caret_ = anchor_ = text_.size();
}

std::string_view TextEditBuffer::GetSelectedText() const {
  return std::string_view(text_).substr(GetSelectionStart(), GetSelectionEnd() - GetSelectionStart());
}

void TextEditBuffer::Analyse() {
  offsets_.clear();
  for (size_t offset = 0; offset < text_.size();) {
    offsets_.push_back(offset);
    offset = static_cast<size_t>(g_utf8_next_char(text_.data() + offset) - text_.data());
  }
  offsets_.push_back(text_.size());
  const size_t count = offsets_.size();
  std::vector<PangoLogAttr> attrs(count);
  pango_get_log_attrs(text_.data(), static_cast<int>(text_.size()), -1, pango_language_get_default(), attrs.data(),
                      static_cast<int>(count));
  flags_.assign(count, 0);
  for (size_t i = 0; i < count; ++i) {
    flags_[i] = static_cast<uint8_t>((attrs[i].is_cursor_position ? kCursorStop : 0) |
                                     (attrs[i].is_word_start ? kWordStart : 0) | (attrs[i].is_word_end ? kWordEnd : 0));
  }
  flags_.front() |= kCursorStop;
  flags_.back() |= kCursorStop;
}

size_t TextEditBuffer::IndexOf(size_t offset) const {
  offset = std::min(offset, text_.size());
  auto it = std::upper_bound(offsets_.begin(), offsets_.end(), offset);
  return static_cast<size_t>(it - offsets_.begin()) - 1;
}

size_t TextEditBuffer::Snap(size_t offset) const {
  size_t i = IndexOf(offset);
  while (i > 0 && !(flags_[i] & kCursorStop)) --i;
  return offsets_[i];
}

void TextEditBuffer::MoveTo(size_t offset, bool extend) {
  caret_ = Snap(offset);
  if (!extend) anchor_ = caret_;
}

void TextEditBuffer::Select(size_t anchor, size_t caret) {
  anchor_ = Snap(anchor);
  caret_ = Snap(caret);
}

void TextEditBuffer::SelectAll() { Select(0, text_.size()); }

void TextEditBuffer::SelectWordAt(size_t offset) {
  const size_t last = offsets_.size() - 1;
  size_t i = IndexOf(offset);
  if (i == last && i > 0) --i;
  size_t start = i;
  while (start > 0 && !(flags_[start] & kWordStart)) --start;
  size_t end = start + 1;
  while (end < last && !(flags_[end] & kWordEnd)) ++end;
  if ((flags_[start] & kWordStart) && end > i) {
    Select(offsets_[start], offsets_[std::min(end, last)]);
    return;
  }
  // Between words: the gap.
  start = i;
  while (start > 0 && !(flags_[start] & kWordEnd)) --start;
  end = i + 1;
  while (end < last && !(flags_[end] & kWordStart)) ++end;
  Select(offsets_[start], offsets_[std::min(end, last)]);
}

size_t TextEditBuffer::NextStop(size_t from) const {
  const size_t last = offsets_.size() - 1;
  size_t i = IndexOf(Snap(from));
  if (i < last) ++i;
  while (i < last && !(flags_[i] & kCursorStop)) ++i;
  return offsets_[i];
}

size_t TextEditBuffer::PreviousStop(size_t from) const {
  size_t i = IndexOf(Snap(from));
  if (i > 0) --i;
  while (i > 0 && !(flags_[i] & kCursorStop)) --i;
  return offsets_[i];
}

size_t TextEditBuffer::NextWordEnd(size_t from) const {
  const size_t last = offsets_.size() - 1;
  size_t i = IndexOf(from);
  if (i < last) ++i;
  while (i < last && !(flags_[i] & kWordEnd)) ++i;
  return offsets_[i];
}

size_t TextEditBuffer::PreviousWordStart(size_t from) const {
  size_t i = IndexOf(from);
  if (i > 0) --i;
  while (i > 0 && !(flags_[i] & kWordStart)) --i;
  return offsets_[i];
}

size_t TextEditBuffer::LineStart(size_t from) const {
  from = std::min(from, text_.size());
  if (from == 0) return 0;
  const size_t feed = text_.rfind('\n', from - 1);
  return feed == String::npos ? 0 : feed + 1;
}

size_t TextEditBuffer::LineEnd(size_t from) const {
  const size_t feed = text_.find('\n', std::min(from, text_.size()));
  return feed == String::npos ? text_.size() : feed;
}

bool TextEditBuffer::Erase(size_t start, size_t end) {
  if (end <= start) return false;
  text_.erase(start, end - start);
  Analyse();
  caret_ = anchor_ = start;
  return true;
}

bool TextEditBuffer::Insert(std::string_view utf8) {
  const String clean = SanitizeEditText(utf8, multiLine_);
  if (clean.empty()) return DeleteSelection();
  const size_t start = GetSelectionStart();
  text_.replace(start, GetSelectionEnd() - start, clean);
  Analyse();
  caret_ = anchor_ = start + clean.size();
  return true;
}

bool TextEditBuffer::DeleteSelection() { return Erase(GetSelectionStart(), GetSelectionEnd()); }

bool TextEditBuffer::DeleteBackward(bool word) {
  if (HasSelection()) return DeleteSelection();
  return Erase(word ? PreviousWordStart(caret_) : PreviousStop(caret_), caret_);
}

bool TextEditBuffer::DeleteForward(bool word) {
  if (HasSelection()) return DeleteSelection();
  return Erase(caret_, word ? NextWordEnd(caret_) : NextStop(caret_));
}

// ---- window ---------------------------------------------------------------------------------

Result<TextEditWindowRef> TextEditWindow::Create(CanvasInterface* canvas, const String& text, const Rect& rect,
                                                 bool multiLine, const FontDescription& font,
                                                 const TextEditColors& colors) {
  if (!canvas) return NullReferenceError("No canvas for the text edit window");
  const bool finite = std::isfinite(rect.left) && std::isfinite(rect.top) && std::isfinite(rect.right) &&
                      std::isfinite(rect.bottom);
  if (!finite || rect.IsEmpty()) return IllegalArgumentError("Text edit window rectangle must be finite and not empty");
  // The editor places its lines by their tops, whatever line the widget's text hangs from.
  FontDescription description = font;
  description.baseline = FONTBASELINE::DEFAULT;
  ZV_TRY_ASSIGN(FontHandleRef handle, canvas->CreateFontHandle(description));
  TextEditWindowRef window(new TextEditWindow(canvas, rect, multiLine, std::move(handle), colors));
  ZV_TRY(window->destroyed_->Init(window.Get(), "ObservableDestroyedWindow"));
  ZV_TRY(window->textChanged_->Init(window.Get(), "ObservableTextChanged"));
  ZV_TRY(window->textFinished_->Init(window.Get(), "ObservableTextFinished"));
  window->buffer_.SetText(text);
  // An in-place edit usually replaces the text: it starts with everything selected.
  window->buffer_.SelectAll();
  window->SplitLines();
  window->CaretMoved();
  return window;
}

TextEditWindow::TextEditWindow(CanvasInterface* canvas, const Rect& rect, bool multiLine, FontHandleRef font,
                               const TextEditColors& colors)
    : canvas_(canvas),
      rect_(rect),
      font_(std::move(font)),
      colors_(colors),
      buffer_(multiLine),
      destroyed_(MakeRef<TextEditWindowObservable>()),
      textChanged_(MakeRef<TextEditWindowObservable>()),
      textFinished_(MakeRef<TextEditWindowObservable>()) {}

TextEditWindow::~TextEditWindow() = default;

Result<void> TextEditWindow::Close() {
  if (!canvas_) return Ok();
  Ref<TextEditWindow> keep(this);
  Damage();
  if (hovered_) canvas_->SetCursor(SystemCursor::Normal());
  canvas_ = nullptr;
  dragging_ = false;
  hovered_ = false;
  Result<void> told = destroyed_->Notify(this);
  for (ObservableBase* observable :
       {static_cast<ObservableBase*>(destroyed_.Get()), static_cast<ObservableBase*>(textChanged_.Get()),
        static_cast<ObservableBase*>(textFinished_.Get())}) {
    observable->DisconnectAll(nullptr, DisconnectMode::kObjectObservers);
    observable->DisconnectAll(nullptr, DisconnectMode::kPlainObservers);
  }
  return told;
}

Result<void> TextEditWindow::SetText(const String& text) {
  if (SanitizeEditText(text, IsMultiLine()) == GetText()) return Ok();
  buffer_.SetText(text);
  return TextChanged();
}

void TextEditWindow::Select(size_t anchor, size_t caret) {
  buffer_.Select(anchor, caret);
  goalX_ = -1.0;
  CaretMoved();
}

void TextEditWindow::Damage() {
  if (canvas_) canvas_->RequestRedrawArea(rect_.Inflate(kTextEditFrameWidth + 1.0));
}

void TextEditWindow::SplitLines() {
  lines_.clear();
  const String& text = GetText();
  size_t start = 0;
  for (;;) {
    const size_t feed = text.find('\n', start);
    if (feed == String::npos) break;
    lines_.push_back({start, feed});
    start = feed + 1;
  }
  lines_.push_back({start, text.size()});
}

size_t TextEditWindow::LineIndexOf(size_t offset) const {
  auto it = std::upper_bound(lines_.begin(), lines_.end(), offset,
                             [](size_t value, const Line& line) { return value < line.start; });
  return it == lines_.begin() ? 0 : static_cast<size_t>(it - lines_.begin()) - 1;
}

Float TextEditWindow::XOf(size_t offset) const {
  const Line& line = lines_[LineIndexOf(offset)];
  offset = std::clamp(offset, line.start, line.end);
  if (offset == line.start) return 0.0;
  const std::string_view text = std::string_view(GetText()).substr(line.start, line.end - line.start);
  const TextLayout layout = FontCache::Get().GetLayout(*font_, text);
  PangoRectangle position;
  pango_layout_index_to_pos(layout.layout, static_cast<int>(offset - line.start), &position);
  return FromPango(position.x);
}

size_t TextEditWindow::OffsetInLine(size_t lineIndex, Float x) const {
  const Line& line = lines_[std::min(lineIndex, lines_.size() - 1)];
  if (line.end == line.start) return line.start;
  const std::string_view text = std::string_view(GetText()).substr(line.start, line.end - line.start);
  const TextLayout layout = FontCache::Get().GetLayout(*font_, text);
  int index = 0;
  int trailing = 0;
  const int pangoX = static_cast<int>(std::lround(std::clamp(x, -1.0e6, 1.0e6) * PANGO_SCALE));
  pango_layout_xy_to_index(layout.layout, pangoX, 0, &index, &trailing);
  const char* p = text.data() + index;
  const char* end = text.data() + text.size();
  for (; trailing > 0 && p < end; --trailing) p = g_utf8_next_char(p);
  return line.start + static_cast<size_t>(std::min(p, end) - text.data());
}

Vector2d TextEditWindow::TextOrigin() const {
  const Float lineHeight = font_->GetLineHeight();
  Float top = rect_.top + kTextEditPadding - scroll_.y;
  // One line sits in the middle of its rectangle, as the widget's own text did.
  if (!IsMultiLine()) top = rect_.top + std::max(0.0, (rect_.Height() - lineHeight) * 0.5);
  return {rect_.left + kTextEditPadding - scroll_.x, top};
}

Rect TextEditWindow::GetCaretRect() const {
  const Vector2d origin = TextOrigin();
  const Float lineHeight = font_->GetLineHeight();
  const size_t caret = buffer_.GetCaret();
  const Float x = origin.x + XOf(caret);
  const Float y = origin.y + static_cast<Float>(LineIndexOf(caret)) * lineHeight;
  return {x, y, x + kTextEditCaretWidth, y + lineHeight};
}

size_t TextEditWindow::HitTest(Vector2d globalPosition) const {
  const Vector2d origin = TextOrigin();
  size_t line = 0;
  if (IsMultiLine()) {
    const Float row = std::floor((globalPosition.y - origin.y) / font_->GetLineHeight());
    line = row <= 0.0 ? 0 : std::min(static_cast<size_t>(row), lines_.size() - 1);
  }
  return OffsetInLine(line, globalPosition.x - origin.x);
}

void TextEditWindow::CaretMoved() {
  const Float caretX = XOf(buffer_.GetCaret());
  const Float width = rect_.Width() - 2.0 * kTextEditPadding - kTextEditCaretWidth;
  if (caretX - scroll_.x > width) scroll_.x = caretX - width;
  if (caretX < scroll_.x) scroll_.x = caretX;
  scroll_.x = std::max(0.0, scroll_.x);
  if (IsMultiLine()) {
    const Float lineHeight = font_->GetLineHeight();
    const Float top = static_cast<Float>(LineIndexOf(buffer_.GetCaret())) * lineHeight;
    const Float height = rect_.Height() - 2.0 * kTextEditPadding;
    if (top + lineHeight - scroll_.y > height) scroll_.y = top + lineHeight - height;
    if (top < scroll_.y) scroll_.y = top;
    scroll_.y = std::max(0.0, scroll_.y);
  }
  Damage();
}

Result<void> TextEditWindow::TextChanged() {
  goalX_ = -1.0;
  SplitLines();
  CaretMoved();
  return textChanged_->Notify(this);
}

Result<void> TextEditWindow::ReplaceSelection(std::string_view text) {
  if (buffer_.Insert(text)) return TextChanged();
  return Ok();
}

Result<void> TextEditWindow::Finish(bool cancel) {
  if (cancel) cancelMode_ = true;
  return textFinished_->Notify(this);
}

size_t TextEditWindow::VerticalMove(size_t from, int lines) {
  const size_t line = LineIndexOf(from);
  const auto target = static_cast<long>(line) + lines;
  if (target < 0) return 0;
  if (target >= static_cast<long>(lines_.size())) return GetText().size();
  if (goalX_ < 0.0) goalX_ = XOf(from);
  return OffsetInLine(static_cast<size_t>(target), goalX_);
}

// ---- input ----------------------------------------------------------------------------------

Result<bool> TextEditWindow::HandleEvent(const DataDictionary& event) {
  if (!IsOpen()) return false;
  Ref<TextEditWindow> keep(this);
  EventReader reader(&event);
  const Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(const Int32 key, reader.GetKey());
      ZV_TRY_ASSIGN(const Int modifiers, reader.GetModifierState());
      return HandleKey(key, modifiers);
    }
    case EVENT::KEYBOARD_TEXT: {
      ZV_TRY_ASSIGN(const String text, reader.GetText());
      ZV_TRY(ReplaceSelection(text));
      return true;
    }
    case EVENT::MOUSE_MOVE:
    case EVENT::AREA_ENTERED:
    case EVENT::AREA_LEFT:
    case EVENT::BUTTON_DOWN:
    case EVENT::BUTTON_DRAG:
    case EVENT::BUTTON_UP:
      return HandlePointer(*type, event);
    default:
      return false;
  }
}

Result<bool> TextEditWindow::HandleKey(Int32 key, Int modifiers) {
  const bool shift = (modifiers & MODIFIER::SHIFT) != 0;
  const bool control = (modifiers & MODIFIER::CONTROL) != 0;
  const size_t caret = buffer_.GetCaret();
  const auto moveTo = [&](size_t offset, bool keepGoal) {
    buffer_.MoveTo(offset, shift);
    if (!keepGoal) goalX_ = -1.0;
    CaretMoved();
  };
  switch (key) {
    case KEY::LEFT:
      if (buffer_.HasSelection() && !shift && !control) {
        moveTo(buffer_.GetSelectionStart(), false);
      } else {
        moveTo(control ? buffer_.PreviousWordStart(caret) : buffer_.PreviousStop(caret), false);
      }
      return true;
    case KEY::RIGHT:
      if (buffer_.HasSelection() && !shift && !control) {
        moveTo(buffer_.GetSelectionEnd(), false);
      } else {
        moveTo(control ? buffer_.NextWordEnd(caret) : buffer_.NextStop(caret), false);
      }
      return true;
    case KEY::UP:
      moveTo(IsMultiLine() ? VerticalMove(caret, -1) : 0, true);
      return true;
    case KEY::DOWN:
      moveTo(IsMultiLine() ? VerticalMove(caret, 1) : GetText().size(), true);
      return true;
    case KEY::HOME:
      moveTo(control || !IsMultiLine() ? 0 : buffer_.LineStart(caret), false);
      return true;
    case KEY::END:
      moveTo(control || !IsMultiLine() ? GetText().size() : buffer_.LineEnd(caret), false);
      return true;
    case KEY::BACKSPACE:
      if (buffer_.DeleteBackward(control)) ZV_TRY(TextChanged());
      return true;
    case KEY::DELETE:
      if (buffer_.DeleteForward(control)) ZV_TRY(TextChanged());
      return true;
    case KEY::ENTER:
      if (IsMultiLine() && !control) {
        ZV_TRY(ReplaceSelection("\n"));
      } else {
        ZV_TRY(Finish(false));
      }
      return true;
    case KEY::ESCAPE:
      ZV_TRY(Finish(true));
      return true;
    case KEY::TAB:
      // The edit ends and focus moves on as usual.
      ZV_TRY(Finish(false));
      return false;
    default:
      break;
  }
  if (control && !(modifiers & MODIFIER::ALT)) {
    if (IsKey(key, 'a')) {
      buffer_.SelectAll();
      goalX_ = -1.0;
      CaretMoved();
    } else if ((IsKey(key, 'c') || IsKey(key, 'x')) && buffer_.HasSelection()) {
      ZV_TRY(WindowSystem::Get().SetClipboardText(String(buffer_.GetSelectedText())));
      if (IsKey(key, 'x') && buffer_.DeleteSelection()) ZV_TRY(TextChanged());
    } else if (IsKey(key, 'v')) {
      ZV_TRY_ASSIGN(const String pasted, WindowSystem::Get().GetClipboardText());
      ZV_TRY(ReplaceSelection(pasted));
    }
  }
  // Printable keys arrive again as text; their presses belong to the editor too.
  return true;
}

Result<bool> TextEditWindow::HandlePointer(EVENT type, const DataDictionary& event) {
  EventReader reader(&event);
  ZV_TRY_ASSIGN(const Vector2d position, reader.GetPosition());
  const bool inside = type != EVENT::AREA_LEFT && rect_.Contains(position);
  switch (type) {
    case EVENT::MOUSE_MOVE:
    case EVENT::AREA_ENTERED:
    case EVENT::AREA_LEFT:
      if (inside != hovered_) {
        hovered_ = inside;
        canvas_->SetCursor(inside ? SystemCursor::Text() : SystemCursor::Normal());
      }
      return inside;
    case EVENT::BUTTON_DOWN: {
      if (!inside) {
        // A press elsewhere ends the edit and then does what it does there.
        ZV_TRY(Finish(false));
        return false;
      }
      ZV_TRY_ASSIGN(const Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return true;
      ZV_TRY_ASSIGN(const Int modifiers, reader.GetModifierState());
      ZV_TRY_ASSIGN(const Int clicks, reader.GetClicks());
      ZV_TRY_ASSIGN(const Bool doubleClick, event.Get<Bool>(EventKeys::DoubleClick(), false));
      const size_t offset = HitTest(position);
      if (doubleClick || clicks == 2) {
        buffer_.SelectWordAt(offset);
      } else {
        buffer_.MoveTo(offset, (modifiers & MODIFIER::SHIFT) != 0);
        dragging_ = true;
      }
      goalX_ = -1.0;
      CaretMoved();
      return true;
    }
    case EVENT::BUTTON_DRAG:
      if (!dragging_) return false;
      buffer_.MoveTo(HitTest(position), true);
      goalX_ = -1.0;
      CaretMoved();
      return true;
    case EVENT::BUTTON_UP:
      if (!dragging_) return inside;
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

// ---- drawing --------------------------------------------------------------------------------

Result<void> TextEditWindow::Draw(CanvasInterface& canvas) const {
  canvas.DrawRectangle(rect_, PaintStyle::FilledAndStroked(colors_.background, colors_.selection, kTextEditFrameWidth));
  canvas.PushClipRect(rect_.Inflate(-kTextEditFrameWidth * 0.5));
  const Vector2d origin = TextOrigin();
  const Float lineHeight = font_->GetLineHeight();
  const size_t selectionStart = buffer_.GetSelectionStart();
  const size_t selectionEnd = buffer_.GetSelectionEnd();
  const Float firstRow = std::floor((rect_.top - origin.y) / lineHeight);
  const size_t first = firstRow <= 0.0 ? 0 : static_cast<size_t>(firstRow);
  Result<void> drawn;
  for (size_t i = first; i < lines_.size() && drawn.IsOk(); ++i) {
    const Line& line = lines_[i];
    const Float y = origin.y + static_cast<Float>(i) * lineHeight;
    if (y > rect_.bottom) break;
    if (buffer_.HasSelection() && selectionStart <= line.end && selectionEnd >= line.start) {
      const Float left = XOf(std::max(selectionStart, line.start));
      Float right = XOf(std::min(selectionEnd, line.end));
      if (selectionEnd > line.end) right += lineHeight * kLineFeedSelectionWidth;
      if (right > left) {
        canvas.DrawRectangle({origin.x + left, y, origin.x + right, y + lineHeight},
                             PaintStyle::Filled(colors_.selection));
      }
    }
    const String text = GetText().substr(line.start, line.end - line.start);
    drawn = canvas.DrawText(text, *font_, {origin.x, y}, colors_.foreground);
  }
  if (drawn.IsOk() && !buffer_.HasSelection()) {
    canvas.DrawRectangle(GetCaretRect(), PaintStyle::Filled(colors_.foreground));
  }
  canvas.PopClip();
  return drawn;
}

}  // namespace zarvo
