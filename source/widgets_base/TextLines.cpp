#include "source/widgets_base/TextLines.h"

#include <algorithm>
#include <new>

#include "source/widgets_base/TextClamp.h"

namespace zarvo {

namespace {

constexpr char kLineFeed = '\n';
// Characters above this start or continue a word.
constexpr unsigned char kSpace = 0x20;

bool IsWhiteSpace(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) noexcept {
  while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool IsWordCharacter(char c) noexcept { return static_cast<unsigned char>(c) > kSpace; }

// Takes the lines in order, applying skip empty lines and the maximum line count.
class LineCollector {
 public:
  LineCollector(const TextLinesOptions& options, FunctionRef<Float(std::string_view)> measure, TextLinesLayout& out)
      : options_(options), measure_(measure), out_(out) {}

  // False when no further line is wanted: the maximum was reached, or memory ran out.
  bool Add(std::string_view line) {
    if (options_.skipEmptyLines) {
      line = Trim(line);
      if (line.empty()) return true;
    }
    if (options_.maximumLineCount > 0 && static_cast<Int>(out_.lines.size()) >= options_.maximumLineCount) {
      cut_ = true;
      return false;
    }
    try {
      out_.lines.push_back({offset_, String(line)});
    } catch (const std::bad_alloc&) {
      outOfMemory_ = true;
      return false;
    }
    offset_ += options_.lineStep;
    widestBeforeLast_ = widest_;
    widest_ = std::max(widest_, measure_(line));
    out_.size = {widest_, offset_};
    return true;
  }

  [[nodiscard]] Result<void> Finish() {
    if (outOfMemory_) return OutOfMemoryError();
    if (cut_ && !out_.lines.empty()) MarkCut();
    return Ok();
  }

 private:
  // The last line makes room for "..." within the widest line, one character at a time.
  void MarkCut() {
    String& last = out_.lines.back().text;
    const std::vector<std::string_view> chars = SplitUtf8Chars(last);
    String shortened;
    Float width = 0.0;
    for (size_t keep = chars.size();; --keep) {
      shortened.clear();
      for (size_t i = 0; i < keep; ++i) shortened.append(chars[i]);
      shortened.append(kEllipsis);
      width = measure_(shortened);
      if (width <= widest_ + kTextFitTolerance || keep == 0) break;
    }
    last = std::move(shortened);
    out_.size.x = std::max(widestBeforeLast_, width);
  }

  const TextLinesOptions& options_;
  FunctionRef<Float(std::string_view)> measure_;
  TextLinesLayout& out_;
  Float offset_ = 0.0;
  Float widest_ = 0.0;
  Float widestBeforeLast_ = 0.0;
  bool cut_ = false;
  bool outOfMemory_ = false;
};

bool IsTooWide(std::string_view line, Float width, FunctionRef<Float(std::string_view)> measure) {
  return measure(line) > width + kTextFitTolerance;
}

// Breaks one piece of text without line feeds into lines; false when no further line is
// wanted.
bool WrapWords(std::string_view piece, Float width, FunctionRef<Float(std::string_view)> measure, LineCollector& lines) {
  size_t lineStart = 0;
  size_t wordStart = 0;
  int words = 0;
  for (size_t i = 0; i < piece.size();) {
    const size_t end = i + Utf8CharLength(piece, i);
    const bool wordCharacter = IsWordCharacter(piece[i]);
    // The bytes of a multi-byte character are all above space, so the byte before tells.
    if (wordCharacter && (i == lineStart || !IsWordCharacter(piece[i - 1]))) {
      wordStart = i;
      ++words;
    }
    if (i > lineStart && IsTooWide(piece.substr(lineStart, end - lineStart), width, measure)) {
      bool breakBefore = true;
      if (words >= 2) {
        if (!lines.Add(piece.substr(lineStart, wordStart - lineStart))) return false;
        lineStart = wordStart;
        words = 1;
        // The word alone may still be too wide for a line.
        breakBefore = i > lineStart && IsTooWide(piece.substr(lineStart, end - lineStart), width, measure);
      }
      if (breakBefore) {
        if (!lines.Add(piece.substr(lineStart, i - lineStart))) return false;
        lineStart = i;
        wordStart = i;
        words = wordCharacter ? 1 : 0;
      }
    }
    i = end;
  }
  return lines.Add(piece.substr(lineStart));
}

}  // namespace

Result<void> LayOutTextLines(std::string_view text, const TextLinesOptions& options,
                             FunctionRef<Float(std::string_view)> measure, TextLinesLayout& out) {
  out.lines.clear();
  out.size = {};
  LineCollector lines(options, measure, out);
  for (size_t start = 0;;) {
    const size_t lineFeed = text.find(kLineFeed, start);
    const bool last = lineFeed == std::string_view::npos;
    const std::string_view piece = text.substr(start, last ? std::string_view::npos : lineFeed - start);
    // A line feed that ends the text ends its last line; it does not start another.
    if (last && piece.empty() && start > 0) break;
    const bool more = options.wrapMode == WRAP_MODE::WORD ? WrapWords(piece, options.availableWidth, measure, lines)
                                                          : lines.Add(piece);
    if (!more || last) break;
    start = lineFeed + 1;
  }
  return lines.Finish();
}

}  // namespace zarvo
