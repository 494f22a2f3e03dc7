#pragma once
#include <string_view>
#include <vector>

#include "host/core/FunctionRef.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

// One laid-out line: its top in the widget and its text.
struct TextLine {
  Float offset = 0.0;
  String text;
  friend bool operator==(const TextLine&, const TextLine&) = default;
};

struct TextLinesOptions {
  WRAP_MODE wrapMode = WRAP_MODE::LINE;
  // WORD mode breaks lines wider than this.
  Float availableWidth = 0.0;
  // 0 or less: unlimited.
  Int maximumLineCount = 0;
  bool skipEmptyLines = false;
  // How far each line lies below the one before.
  Float lineStep = 0.0;
};

struct TextLinesLayout {
  std::vector<TextLine> lines;
  // The widest line and the height of all lines.
  Vector2d size;
};

// Lays out `text` in lines, measuring strings with `measure` (in the units of the widths and
// the step). Both modes first split the text at line feeds; a line feed that ends the text
// starts no further line, and an empty text is one empty line.
//   LINE  every piece is a line.
//   WORD  every piece is broken into lines no wider than the available width where it can be:
//         characters are taken one at a time, and when the line with the next character gets
//         too wide it breaks before the start of the current word (a run of characters above
//         space) when the line holds two words or more, else before that character. A line
//         holds at least one character, so a width of 0 gives one character per line.
// With skip empty lines each line is trimmed of white space and one left empty is dropped
// without taking a step. With a positive maximum line count the text past that many lines
// is dropped, and the last kept line loses characters from its end, with "..." appended,
// until it is no wider than the widest kept line (or nothing is left to cut).
//
// `out` is replaced. Running out of memory while adding a line ends with the host's
// out-of-memory error; the lines added so far stay in `out`, with their size.
[[nodiscard]] Result<void> LayOutTextLines(std::string_view text, const TextLinesOptions& options,
                                           FunctionRef<Float(std::string_view)> measure, TextLinesLayout& out);

}  // namespace zarvo
