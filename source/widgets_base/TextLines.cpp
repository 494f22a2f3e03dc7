#include "source/widgets_base/TextLines.h"

#include <algorithm>
#include <new>
#include <optional>
#include <vector>

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

// The first character of the line at `lineStart` whose addition makes the line too wide, as
// the byte offsets of its start and end; nothing when the rest of the piece fits. Taking the
// characters one at a time would shape the line once per character, quadratic in its length,
// so the line is measured at doubling lengths and the first failing length found by bisection:
// the same character as long as a longer line is never narrower, with few measurements.
struct Overflow {
  size_t start = 0;
  size_t end = 0;
};
std::optional<Overflow> FindOverflow(std::string_view piece, size_t lineStart, Float width,
                                     FunctionRef<Float(std::string_view)> measure, std::vector<size_t>& ends) {
  ends.clear();
  size_t fitting = 1;  // a line holds at least one character
  size_t probe = 2;
  for (size_t pos = lineStart; pos < piece.size();) {
    pos += Utf8CharLength(piece, pos);
    ends.push_back(pos);
    if (ends.size() < probe && pos < piece.size()) continue;
    if (ends.size() < 2) break;
    if (IsTooWide(piece.substr(lineStart, pos - lineStart), width, measure)) {
      size_t tooWide = ends.size();
      while (tooWide - fitting > 1) {
        const size_t middle = fitting + (tooWide - fitting) / 2;
        if (IsTooWide(piece.substr(lineStart, ends[middle - 1] - lineStart), width, measure)) {
          tooWide = middle;
        } else {
          fitting = middle;
        }
      }
      return Overflow{ends[tooWide - 2], ends[tooWide - 1]};
    }
    fitting = ends.size();
    probe *= 2;
  }
  return std::nullopt;
}

// Breaks one piece of text without line feeds into lines; false when no further line is
// wanted.
bool WrapWords(std::string_view piece, Float width, FunctionRef<Float(std::string_view)> measure, LineCollector& lines) {
  std::vector<size_t> ends;
  size_t lineStart = 0;
  while (true) {
    const std::optional<Overflow> overflow = FindOverflow(piece, lineStart, width, measure, ends);
    if (!overflow) return lines.Add(piece.substr(lineStart));
    const size_t i = overflow->start;
    // The words of the line up to and including the overflowing character.
    size_t wordStart = lineStart;
    int words = 0;
    for (size_t j = lineStart; j <= i; j += Utf8CharLength(piece, j)) {
      // The bytes of a multi-byte character are all above space, so the byte before tells.
      if (IsWordCharacter(piece[j]) && (j == lineStart || !IsWordCharacter(piece[j - 1]))) {
        wordStart = j;
        ++words;
      }
    }
    bool breakBefore = true;
    if (words >= 2) {
      if (!lines.Add(piece.substr(lineStart, wordStart - lineStart))) return false;
      lineStart = wordStart;
      // The word alone may still be too wide for a line.
      breakBefore = i > lineStart && IsTooWide(piece.substr(lineStart, overflow->end - lineStart), width, measure);
    }
    if (breakBefore) {
      if (!lines.Add(piece.substr(lineStart, i - lineStart))) return false;
      lineStart = i;
    }
  }
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
