#include "source/widgets_base/TextClamp.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace zarvo {

namespace {

// Texts shorter than this keep all their characters at the start and at the end.
constexpr size_t kMinEndClampLength = 5;
// Texts of at most this many characters keep all of them in the middle mode.
constexpr size_t kMaxUnclampedMiddleLength = 5;
// The middle mode stops before its result, or the text less what it takes next, gets shorter.
constexpr size_t kMinMiddleResultLength = 6;
// The middle mode marks the cut only in results longer than this.
constexpr size_t kMinMiddleMarkedLength = 4;
// How many characters the marks take: the start and end modes remove them at a time too.
constexpr size_t kEllipsisLength = 3;
constexpr std::string_view kDot = ".";

bool IsContinuation(unsigned char byte) noexcept { return (byte & 0xC0) == 0x80; }

class Clamper {
 public:
  Clamper(Float width, FunctionRef<Float(std::string_view)> measure) : width_(width), measure_(measure) {}

  bool Fits(std::string_view text) const { return measure_(text) <= width_ + kTextFitTolerance; }

  const std::string& Join(const std::vector<std::string_view>& chars) {
    joined_.clear();
    for (std::string_view c : chars) joined_.append(c);
    return joined_;
  }

 private:
  Float width_;
  FunctionRef<Float(std::string_view)> measure_;
  std::string joined_;  // reused by every step
};

// Texts longer than this find their cut by bisection: each step measures a new text, so
// stepping through a long text would take time growing with the square of its length. Widths
// grow with the characters kept, so the first step that fits is the same either way.
constexpr size_t kMaxSteppedChars = 256;

// The first step of 0..last at which `stops` holds, given that it holds at `last` and, once it
// holds, at every later step.
size_t FirstStop(size_t last, FunctionRef<bool(size_t)> stops) {
  size_t low = 0, high = last;
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    if (stops(middle)) high = middle; else low = middle + 1;
  }
  return high;
}

// The start and end modes after `step` cuts: the kept characters and the dots on one side.
std::string CutAtOneEnd(const std::vector<std::string_view>& chars, size_t step, bool dotsFirst) {
  const size_t rest = chars.size() - kEllipsisLength;
  const size_t kept = rest - std::min(rest, kEllipsisLength * step);
  std::string result;
  if (dotsFirst) result = kEllipsis;
  const size_t from = dotsFirst ? chars.size() - kept : 0;
  for (size_t i = from; i < from + kept; ++i) result.append(chars[i]);
  if (!dotsFirst) result += kEllipsis;
  return result;
}

std::string BisectOneEnd(const std::vector<std::string_view>& chars, Clamper& clamper, bool dotsFirst) {
  const size_t rest = chars.size() - kEllipsisLength;
  const size_t last = (rest + kEllipsisLength - 1) / kEllipsisLength;
  const size_t step = FirstStop(last, [&](size_t k) {
    const size_t kept = rest - std::min(rest, kEllipsisLength * k);
    return kept + kEllipsisLength < kMinEndClampLength || clamper.Fits(CutAtOneEnd(chars, k, dotsFirst));
  });
  return CutAtOneEnd(chars, step, dotsFirst);
}

std::string ClampStart(std::string_view text, Clamper& clamper) {
  std::vector<std::string_view> chars = SplitUtf8Chars(text);
  if (chars.size() < kMinEndClampLength || clamper.Fits(text)) return std::string(text);
  if (chars.size() > kMaxSteppedChars) return BisectOneEnd(chars, clamper, true);
  std::fill_n(chars.begin(), kEllipsisLength, kDot);
  while (true) {
    const std::string& result = clamper.Join(chars);
    if (chars.size() < kMinEndClampLength || clamper.Fits(result)) return result;
    const size_t count = std::min(kEllipsisLength, chars.size() - kEllipsisLength);
    chars.erase(chars.begin() + kEllipsisLength, chars.begin() + kEllipsisLength + count);
  }
}

std::string ClampEnd(std::string_view text, Clamper& clamper) {
  std::vector<std::string_view> chars = SplitUtf8Chars(text);
  if (chars.size() < kMinEndClampLength || clamper.Fits(text)) return std::string(text);
  if (chars.size() > kMaxSteppedChars) return BisectOneEnd(chars, clamper, false);
  std::fill(chars.end() - kEllipsisLength, chars.end(), kDot);
  while (true) {
    const std::string& result = clamper.Join(chars);
    if (chars.size() < kMinEndClampLength || clamper.Fits(result)) return result;
    const size_t before = chars.size() - kEllipsisLength;
    const size_t count = std::min(kEllipsisLength, before);
    chars.erase(chars.begin() + (before - count), chars.begin() + before);
  }
}

// The middle mode's text after `step`, and whether the mode stops there.
std::pair<std::string, bool> CutInMiddle(const std::vector<std::string_view>& whole, size_t step, Clamper& clamper) {
  const size_t length = whole.size();
  std::vector<std::string_view> chars = whole;
  // The cut widens by two characters a step, its start moving left by one every second
  // step; near the end of the text it is shortened to what is there.
  const size_t start = std::min(length, length / 2 - std::min(length / 2, step / 2));
  const size_t count = std::min(2 * step + 1, length - start);
  chars.erase(chars.begin() + start, chars.begin() + start + count);
  const size_t resultLength = chars.size();
  if (resultLength > kMinMiddleMarkedLength) {
    std::fill(chars.begin() + (resultLength / 2 - 1), chars.begin() + (resultLength / 2 + 2), kDot);
  }
  std::string result = clamper.Join(chars);
  const bool nextTooShort = length < step + 1 + kMinMiddleResultLength;
  const bool stops = nextTooShort || resultLength < kMinMiddleResultLength || clamper.Fits(result);
  return {std::move(result), stops};
}

std::string ClampMiddle(std::string_view text, Clamper& clamper) {
  const std::vector<std::string_view> whole = SplitUtf8Chars(text);
  const size_t length = whole.size();
  if (length <= kMaxUnclampedMiddleLength || clamper.Fits(text)) return std::string(text);
  size_t step = 0;
  if (length > kMaxSteppedChars) {
    // From this step on the text less the next cut is too short.
    const size_t last = length - kMinMiddleResultLength;
    step = FirstStop(last, [&](size_t k) { return CutInMiddle(whole, k, clamper).second; });
  }
  for (;; ++step) {
    auto [result, stops] = CutInMiddle(whole, step, clamper);
    if (stops) return std::move(result);
  }
}

}  // namespace

size_t Utf8CharLength(std::string_view text, size_t offset) noexcept {
  if (offset >= text.size()) return 0;
  const auto byte = [&](size_t i) -> unsigned char {
    return offset + i < text.size() ? static_cast<unsigned char>(text[offset + i]) : 0;
  };
  const unsigned char lead = byte(0);
  size_t length = 1;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 1;
  }
  if (byte(1) < low || byte(1) > high) return 1;
  for (size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 1;
  }
  return length;
}

std::vector<std::string_view> SplitUtf8Chars(std::string_view text) {
  std::vector<std::string_view> chars;
  chars.reserve(text.size());
  for (size_t offset = 0; offset < text.size();) {
    const size_t length = Utf8CharLength(text, offset);
    chars.push_back(text.substr(offset, length));
    offset += length;
  }
  return chars;
}

std::string ClampText(std::string_view text, CLAMP_MODE mode, Float width, FunctionRef<Float(std::string_view)> measure) {
  Clamper clamper(width, measure);
  switch (mode) {
    case CLAMP_MODE::START: return ClampStart(text, clamper);
    case CLAMP_MODE::MIDDLE: return ClampMiddle(text, clamper);
    case CLAMP_MODE::END: return ClampEnd(text, clamper);
    case CLAMP_MODE::NONE: break;
  }
  return std::string(text);
}

}  // namespace zarvo
