#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/FunctionRef.h"
#include "host/core/Types.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

// Text cutting works on characters, and a character is one UTF-8 code point: cutting bytes
// would split a multi-byte sequence and leave Pango an invalid string to show. A byte that
// does not start a valid sequence counts as a character of its own, so malformed text is
// still cut somewhere rather than looped over. Combining marks count as characters of their
// own, as the widths they add are measured anyway.

// How many bytes the character starting at `offset` takes (1 for a malformed byte, 0 at the
// end).
size_t Utf8CharLength(std::string_view text, size_t offset) noexcept;

// The characters of `text` as views into it.
std::vector<std::string_view> SplitUtf8Chars(std::string_view text);

// A text fits a width when it is at most this much wider, so that a width that was itself
// measured is not refused for rounding.
inline constexpr Float kTextFitTolerance = 0.001;
// What marks the cut.
inline constexpr char kEllipsis[] = "...";

// The text cut to `width` by `mode`, with "..." where characters went:
//   START   "...xyz": texts of fewer than 5 characters, or that fit, stay whole; otherwise the
//           first three characters become "..." and the three after it go, three at a time,
//           until the rest fits or is shorter than 5 characters.
//   MIDDLE  "abc...xyz": texts of 5 characters or fewer, or that fit, stay whole; otherwise
//           step n removes 2n + 1 characters around the middle of the whole text and writes
//           "..." over the middle of what is left, until it fits, is shorter than 6
//           characters, or the whole text less n + 1 characters would be shorter than 6.
//   END     "abc...": as START from the other end.
//   NONE    the text unchanged.
// So a text of four characters is never cut. `measure` gives the width of a string in the
// units of `width`.
std::string ClampText(std::string_view text, CLAMP_MODE mode, Float width, FunctionRef<Float(std::string_view)> measure);

}  // namespace zarvo
