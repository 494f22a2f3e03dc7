#include "host/core/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarvo {

namespace {

std::string Printf(const char* pattern, int digits, Float value) {
  char small[64];
  const int length = std::snprintf(small, sizeof small, pattern, digits, value);
  if (length < static_cast<int>(sizeof small)) return std::string(small, static_cast<size_t>(length));
  // Positional notation of a large magnitude runs to hundreds of digits.
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), pattern, digits, value);
  text.resize(static_cast<size_t>(length));
  return text;
}

// Drops trailing zeros of the fraction (before an exponent, if any), then a bare point.
void TrimFraction(std::string& text) {
  const size_t point = text.find('.');
  if (point == std::string::npos) return;
  const size_t exponent = text.find('e', point);
  const size_t end = exponent == std::string::npos ? text.size() : exponent;
  size_t last = end;
  while (last > point + 1 && text[last - 1] == '0') --last;
  if (last == point + 1) last = point;
  text.erase(last, end - last);
}

// "-0", "-0.00" and "-0e+00" are zero, and zero has no sign.
void DropNegativeZeroSign(std::string& text) {
  if (text.empty() || text[0] != '-') return;
  const size_t exponent = text.find('e');
  const size_t end = exponent == std::string::npos ? text.size() : exponent;
  if (std::all_of(text.begin() + 1, text.begin() + static_cast<std::ptrdiff_t>(end),
                  [](char c) { return c == '0' || c == '.'; })) {
    text.erase(0, 1);
  }
}

void PadIntegerPart(std::string& text, Int integerDigits, char fill) {
  if (integerDigits <= 0) return;
  const bool negative = !text.empty() && text[0] == '-';
  const size_t start = negative ? 1 : 0;
  const size_t end = text.find_first_not_of("0123456789", start);
  const size_t digits = (end == std::string::npos ? text.size() : end) - start;
  const size_t wanted = static_cast<size_t>(std::min(integerDigits, kMaxIntegerDigits));
  if (digits >= wanted) return;
  const std::string padding(wanted - digits, fill);
  text.insert(fill == '0' ? start : 0, padding);
}

}  // namespace

std::string FormatNumber(Float value, const NumberFormat& format) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  const Int fraction = std::clamp(format.fractionDigits, -kMaxFractionDigits, kMaxFractionDigits);
  const int digits = static_cast<int>(fraction < 0 ? -fraction : fraction);
  std::string text = Printf(format.exponent ? "%.*e" : "%.*f", digits, value);
  if (fraction < 0) TrimFraction(text);
  DropNegativeZeroSign(text);
  PadIntegerPart(text, format.integerDigits, format.fill);
  return text;
}

std::string FormatNumberWithUnit(Float value, const NumberFormat& format, NumberUnit unit) {
  std::string text = FormatNumber(value, format);
  text += ' ';
  text += NumberUnitSuffix(unit);
  return text;
}

}  // namespace zarvo
