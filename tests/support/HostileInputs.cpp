#include "tests/support/HostileInputs.h"

#include <cairo.h>

#include <array>
#include <filesystem>
#include <fstream>

namespace zarvo::test {

namespace {

constexpr size_t kPngSignatureBytes = 8;
// Signature, chunk length, "IHDR": the width follows.
constexpr size_t kIhdrWidthOffset = kPngSignatureBytes + 8;
constexpr size_t kIhdrDataBytes = 13;
constexpr uint32_t kCrcPolynomial = 0xEDB88320u;

uint32_t Crc32(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (kCrcPolynomial & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian(std::string& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string WriteOutputFile(const std::string& name, std::string_view bytes) {
  const std::filesystem::path folder = std::filesystem::path(ZARVO_TEST_OUTPUT_DIR) / "hostile";
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

std::string MakePngBytes(int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.2, 0.4, 0.8);
  cairo_paint(cr);
  cairo_destroy(cr);
  std::string bytes;
  cairo_surface_write_to_png_stream(surface, AppendToString, &bytes);
  cairo_surface_destroy(surface);
  return bytes;
}

std::string WithPngHeaderSize(std::string png, uint32_t width, uint32_t height) {
  if (png.size() < kIhdrWidthOffset + kIhdrDataBytes + 4) return png;
  PutBigEndian(png, kIhdrWidthOffset, width);
  PutBigEndian(png, kIhdrWidthOffset + 4, height);
  // The checksum covers the chunk type and its data.
  const std::string_view chunk = std::string_view(png).substr(kIhdrWidthOffset - 4, 4 + kIhdrDataBytes);
  PutBigEndian(png, kIhdrWidthOffset + kIhdrDataBytes, Crc32(chunk));
  return png;
}

std::string MakeSizedSvg(uint64_t width, uint64_t height) {
  const std::string w = std::to_string(width), h = std::to_string(height);
  return "<svg xmlns='http://www.w3.org/2000/svg' width='" + w + "' height='" + h + "'><rect width='" + w +
         "' height='" + h + "' fill='#3080ff'/></svg>";
}

std::string MakeEntityExpansionSvg() {
  std::string text = "<?xml version='1.0'?>\n<!DOCTYPE svg [\n<!ENTITY lol0 'lollollollollollollollollollol'>\n";
  for (int level = 1; level <= 9; ++level) {
    text += "<!ENTITY lol" + std::to_string(level) + " '";
    for (int i = 0; i < 10; ++i) text += "&lol" + std::to_string(level - 1) + ";";
    text += "'>\n";
  }
  return text + "]>\n<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><text>&lol9;</text></svg>";
}

std::string MakeExternalEntitySvg(const std::string& path) {
  return "<?xml version='1.0'?>\n<!DOCTYPE svg [<!ENTITY secret SYSTEM 'file://" + path +
         "'>]>\n<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><text>&secret;</text></svg>";
}

std::string MakeLongText(size_t bytes) {
  static constexpr std::string_view kWords = "lorem ipsum dolor sit amet consectetur adipiscing elit ";
  std::string text;
  text.reserve(bytes);
  while (text.size() < bytes) text.append(kWords.substr(0, std::min(kWords.size(), bytes - text.size())));
  return text;
}

std::string MakeInvalidUtf8Text() {
  static constexpr std::array<std::string_view, 9> kPieces = {
      "ok ",
      "\x80\xBF ",              // continuation bytes without a lead
      "\xC3 ",                  // a two-byte sequence cut short
      "\xE2\x82 ",              // a three-byte sequence cut short
      "\xC0\xAF\xE0\x80\xAF ",  // overlong forms of '/'
      "\xED\xA0\x80 ",          // a UTF-16 surrogate
      "\xF4\x90\x80\x80 ",      // above U+10FFFF
      "\xFE\xFF ",              // bytes that never occur
      "\xF0\x9F\x98",           // a four-byte sequence cut short by the end
  };
  std::string text;
  for (std::string_view piece : kPieces) text += piece;
  return text;
}

}  // namespace zarvo::test
