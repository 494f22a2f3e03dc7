#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Geometry.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/ui/Font.h"
#include "host/ui/FontHandle.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

class CanvasInterface;
class TextEditWindow;
using TextEditWindowRef = Ref<TextEditWindow>;
using TextEditWindowObservable = Observable<TextEditWindow*>;

// Inner room between the edit window's frame and its text, in pixels.
inline constexpr Float kTextEditPadding = 2.0;
// Width of the caret line, in pixels.
inline constexpr Float kTextEditCaretWidth = 1.0;
// Width of the frame drawn around the edit window, in pixels.
inline constexpr Float kTextEditFrameWidth = 1.0;

// Makes text safe to store in an edit: every byte that does not begin a well-formed UTF-8
// sequence (overlong forms and surrogates included) becomes one U+FFFD, and control
// characters are dropped. Line feeds stay in multi-line text (a CR LF or a lone CR becomes a
// line feed); single-line text gets a space for each.
String SanitizeEditText(std::string_view text, bool multiLine);

// The text of an edit with its caret and selection. Offsets are bytes into the UTF-8 text and
// always lie where the caret may stop: between graphemes, as the text engine's analysis of the
// text says, so a caret never splits a character or a base letter from its accents. Words are
// the engine's words too.
class TextEditBuffer {
 public:
  explicit TextEditBuffer(bool multiLine = false);

  // Replaces the whole text (sanitised); the caret goes to the end, the selection away.
  void SetText(std::string_view text);
  const String& GetText() const noexcept { return text_; }
  bool IsMultiLine() const noexcept { return multiLine_; }

  // The caret is the moving end of the selection, the anchor the fixed one.
  size_t GetCaret() const noexcept { return caret_; }
  size_t GetAnchor() const noexcept { return anchor_; }
  bool HasSelection() const noexcept { return caret_ != anchor_; }
  size_t GetSelectionStart() const noexcept { return caret_ < anchor_ ? caret_ : anchor_; }
  size_t GetSelectionEnd() const noexcept { return caret_ < anchor_ ? anchor_ : caret_; }
  std::string_view GetSelectedText() const;

  // Moves the caret to the nearest stop at or before `offset`; with `extend` the anchor stays
  // (the selection grows or shrinks), else it follows the caret.
  void MoveTo(size_t offset, bool extend);
  void Select(size_t anchor, size_t caret);
  void SelectAll();
  // The word around `offset` (or the gap between words), for a double click.
  void SelectWordAt(size_t offset);

  size_t NextStop(size_t from) const;
  size_t PreviousStop(size_t from) const;
  // The end of the word at or after `from`; the text's end when none follows.
  size_t NextWordEnd(size_t from) const;
  // The start of the word before `from`; 0 when none precedes.
  size_t PreviousWordStart(size_t from) const;
  size_t LineStart(size_t from) const;
  size_t LineEnd(size_t from) const;

  // Edits; each returns whether the text changed. Insert replaces the selection with the
  // sanitised text and puts the caret after it.
  bool Insert(std::string_view utf8);
  bool DeleteSelection();
  // Without a selection: the grapheme (or with `word` the rest of the word) before / after
  // the caret.
  bool DeleteBackward(bool word);
  bool DeleteForward(bool word);

 private:
  enum StopFlags : uint8_t { kCursorStop = 1, kWordStart = 2, kWordEnd = 4 };

  void Analyse();
  size_t IndexOf(size_t offset) const;
  size_t Snap(size_t offset) const;
  bool Erase(size_t start, size_t end);

  String text_;
  bool multiLine_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  // Byte offset of every character and of the end, with the analysis of each position.
  std::vector<size_t> offsets_;
  std::vector<uint8_t> flags_;
};

// The colours an edit window draws with.
struct TextEditColors {
  ColorA foreground{1.0, 1.0, 1.0, 1.0};
  ColorA background{0.4, 0.4, 0.4, 1.0};
  ColorA selection{0.02, 0.5, 0.85, 1.0};
};

// The canvas's in-place text editor: drawn over the canvas at its rectangle (global canvas
// coordinates) after every widget, it takes the keyboard and the pointer inside its rectangle
// before the widgets do. Keys: arrows, Home/End (with Control: the whole text), Control with
// the horizontal arrows by words, Shift with any of them selects, Backspace/Delete (with
// Control: by words), Control+A/C/X/V through the window system's clipboard. Enter finishes a
// single-line edit and adds a line feed to a multi-line one (Control+Enter finishes it),
// Escape sets the cancel mode and finishes, Tab finishes and moves on, and so does a press
// outside the rectangle. Finishing only reports: whoever opened the window closes it
// (CanvasInterface::CloseTextEditWindow), which reports the destroyed window. Key releases
// are left to the widgets, which may close the window on them.
class TextEditWindow final : public virtual ObjectInterface {
 public:
  // Use CanvasInterface::OpenTextEditWindow. Errors: an empty or not finite rectangle, a font
  // the canvas cannot make.
  [[nodiscard]] static Result<TextEditWindowRef> Create(CanvasInterface* canvas, const String& text, const Rect& rect,
                                                        bool multiLine, const FontDescription& font,
                                                        const TextEditColors& colors);
  ~TextEditWindow() override;

  const String& GetText() const noexcept { return buffer_.GetText(); }
  // Replaces the text as a program; text changed is told when it differs.
  [[nodiscard]] Result<void> SetText(const String& text);
  const TextEditBuffer& GetBuffer() const noexcept { return buffer_; }
  void Select(size_t anchor, size_t caret);
  const Rect& GetRect() const noexcept { return rect_; }
  bool IsMultiLine() const noexcept { return buffer_.IsMultiLine(); }
  const FontHandleRef& GetFont() const noexcept { return font_; }
  const TextEditColors& GetColors() const noexcept { return colors_; }
  // Set by Escape: the edit ends without its result.
  bool GetCancelMode() const noexcept { return cancelMode_; }
  bool IsOpen() const noexcept { return canvas_ != nullptr; }

  // The caret's line in global coordinates.
  Rect GetCaretRect() const;
  // The caret stop nearest to a global position.
  size_t HitTest(Vector2d globalPosition) const;

  // Input offered before the widgets see it; true when the window consumed it.
  [[nodiscard]] Result<bool> HandleEvent(const DataDictionary& event);
  // Draws the window; the canvas's matrix must be the identity.
  [[nodiscard]] Result<void> Draw(CanvasInterface& canvas) const;

  Ref<TextEditWindowObservable> ObservableDestroyedWindow() { return destroyed_; }
  Ref<TextEditWindowObservable> ObservableTextChanged() { return textChanged_; }
  Ref<TextEditWindowObservable> ObservableTextFinished() { return textFinished_; }

  // The canvas ends the window: destroyed is told, then every observer goes.
  [[nodiscard]] Result<void> Close();

 private:
  struct Line {
    size_t start;
    size_t end;  // before the line feed
  };

  TextEditWindow(CanvasInterface* canvas, const Rect& rect, bool multiLine, FontHandleRef font,
                 const TextEditColors& colors);

  [[nodiscard]] Result<bool> HandleKey(Int32 key, Int modifiers);
  [[nodiscard]] Result<bool> HandlePointer(EVENT type, const DataDictionary& event);
  [[nodiscard]] Result<void> ReplaceSelection(std::string_view text);
  [[nodiscard]] Result<void> Finish(bool cancel);
  [[nodiscard]] Result<void> TextChanged();
  void CaretMoved();
  void SplitLines();
  size_t LineIndexOf(size_t offset) const;
  // The horizontal position of `offset` within its line, from the line's start, in pixels.
  Float XOf(size_t offset) const;
  size_t OffsetInLine(size_t line, Float x) const;
  Vector2d TextOrigin() const;
  size_t VerticalMove(size_t from, int lines);
  void Damage();

  CanvasInterface* canvas_;
  Rect rect_;
  FontHandleRef font_;
  TextEditColors colors_;
  TextEditBuffer buffer_;
  std::vector<Line> lines_;
  Vector2d scroll_;
  // Where a vertical move keeps the caret horizontally, so that short lines do not pull it.
  Float goalX_ = -1.0;
  bool cancelMode_ = false;
  bool dragging_ = false;
  bool hovered_ = false;
  Ref<TextEditWindowObservable> destroyed_;
  Ref<TextEditWindowObservable> textChanged_;
  Ref<TextEditWindowObservable> textFinished_;
};

}  // namespace zarvo
