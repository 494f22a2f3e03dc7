#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo::test {

// Hostile inputs made on the fly, so that no large or broken file lives in the repository.

// Writes `bytes` to a file of that name in the test output folder and returns its path.
std::string WriteOutputFile(const std::string& name, std::string_view bytes);

// The bytes of a valid opaque PNG image of that size.
std::string MakePngBytes(int width, int height);
// The PNG with its header claiming another size; the header checksum is made to match, so
// only the pixel data gives the lie away.
std::string WithPngHeaderSize(std::string png, uint32_t width, uint32_t height);

// An SVG document declaring `width` x `height` pixels, with one rectangle over all of it.
std::string MakeSizedSvg(uint64_t width, uint64_t height);
// The classic nested entity expansion: a few hundred bytes that would expand to gigabytes.
std::string MakeEntityExpansionSvg();
// A document whose text pulls in a file through an external entity.
std::string MakeExternalEntitySvg(const std::string& path);

// `bytes` bytes of text: words, spaces and no line feed.
std::string MakeLongText(size_t bytes);
// Text holding every kind of malformed UTF-8: stray continuation bytes, truncated sequences,
// overlong forms, surrogates, code points above U+10FFFF and bytes that never occur.
std::string MakeInvalidUtf8Text();

}  // namespace zarvo::test
