#include "host/core/StringResources.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <cstdint>

namespace zarvo {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool IsLanguageTag(std::string_view tag) {
  if (tag.empty()) return false;
  return std::all_of(tag.begin(), tag.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
  });
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    uint32_t codePoint = 0;
    if (byte < 0x80) {
      ++i;
      continue;
    } else if ((byte & 0xE0) == 0xC0) {
      length = 2;
      codePoint = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
      length = 3;
      codePoint = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
      length = 4;
      codePoint = byte & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string Where(const std::filesystem::path& file, size_t line) {
  return file.string() + ":" + std::to_string(line) + ": ";
}

Result<std::string> Unescape(std::string_view text, const std::filesystem::path& file, size_t line) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      result += text[i];
      continue;
    }
    if (i + 1 == text.size()) return IllegalArgumentError(Where(file, line) + "backslash at the end of the text");
    switch (text[++i]) {
      case 'n': result += '\n'; break;
      case 't': result += '\t'; break;
      case '\\': result += '\\'; break;
      default:
        return IllegalArgumentError(Where(file, line) + "unknown escape '\\" + std::string(1, text[i]) + "'");
    }
  }
  return result;
}

// The key a file is known by, so that "a/../a/x.txt" and "a/x.txt" unload each other.
std::filesystem::path FileKey(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path key = std::filesystem::weakly_canonical(file, error);
  if (error) key = std::filesystem::absolute(file, error).lexically_normal();
  return error ? file.lexically_normal() : key;
}

}  // namespace

StringResources& StringResources::Get() {
  static StringResources resources;
  return resources;
}

Result<void> StringResources::SetLanguage(std::string_view language) {
  if (!IsLanguageTag(language)) {
    return IllegalArgumentError("Invalid language tag: '" + std::string(language) + "'");
  }
  if (language == language_) return Ok();
  language_ = language;
  return Ok();
}

Result<void> StringResources::LoadFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return NotFoundError("String resource file not found: '" + file.string() + "'");
  }
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return IllegalStateError("Cannot read string resource file: '" + file.string() + "'");
  std::string content((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  if (stream.bad()) return IllegalStateError("Cannot read string resource file: '" + file.string() + "'");

  std::string_view rest = content;
  if (rest.starts_with(kUtf8ByteOrderMark)) rest.remove_prefix(kUtf8ByteOrderMark.size());

  LoadedFile loaded{FileKey(file), {}};
  std::string language(kDefaultLanguage);
  for (size_t lineNumber = 1; !rest.empty(); ++lineNumber) {
    const size_t end = rest.find('\n');
    const std::string_view raw = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);

    if (!IsValidUtf8(raw)) return IllegalArgumentError(Where(file, lineNumber) + "invalid UTF-8");
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::string_view tag = line.size() >= 2 && line.back() == ']' ? Trim(line.substr(1, line.size() - 2)) : "";
      if (!IsLanguageTag(tag)) {
        return IllegalArgumentError(Where(file, lineNumber) + "malformed language header '" + std::string(line) + "'");
      }
      language = tag;
      continue;
    }
    const size_t equals = line.find('=');
    const std::string_view id = equals == std::string_view::npos ? "" : Trim(line.substr(0, equals));
    if (id.empty() || id.find_first_of(kBlanks) != std::string_view::npos) {
      return IllegalArgumentError(Where(file, lineNumber) + "expected 'id = text', found '" + std::string(line) + "'");
    }
    ZV_TRY_ASSIGN(std::string text, Unescape(Trim(line.substr(equals + 1)), file, lineNumber));
    auto [it, inserted] = loaded.languages[language].try_emplace(Id(id), std::move(text));
    if (!inserted) {
      return IllegalArgumentError(Where(file, lineNumber) + "duplicate id '" + std::string(id) +
                                  "' for language '" + language + "'");
    }
  }

  UnloadFile(file);
  files_.push_back(std::move(loaded));
  return Ok();
}

bool StringResources::UnloadFile(const std::filesystem::path& file) {
  const std::filesystem::path key = FileKey(file);
  auto it = std::find_if(files_.begin(), files_.end(), [&](const LoadedFile& f) { return f.path == key; });
  if (it == files_.end()) return false;
  files_.erase(it);
  return true;
}

bool StringResources::IsLoaded(const std::filesystem::path& file) const {
  const std::filesystem::path key = FileKey(file);
  return std::any_of(files_.begin(), files_.end(), [&](const LoadedFile& f) { return f.path == key; });
}

void StringResources::Clear() {
  files_.clear();
  language_ = kDefaultLanguage;
}

const std::string* StringResources::FindIn(const std::string& language, const Id& id) const {
  for (auto file = files_.rbegin(); file != files_.rend(); ++file) {
    auto texts = file->languages.find(language);
    if (texts == file->languages.end()) continue;
    auto text = texts->second.find(id);
    if (text != texts->second.end()) return &text->second;
  }
  return nullptr;
}

const std::string* StringResources::Find(const Id& id) const {
  if (const std::string* text = FindIn(language_, id)) return text;
  const size_t separator = language_.find_first_of("-_");
  if (separator != std::string::npos) {
    if (const std::string* text = FindIn(language_.substr(0, separator), id)) return text;
  }
  if (language_ != kDefaultLanguage) return FindIn(std::string(kDefaultLanguage), id);
  return nullptr;
}

Result<std::string> StringResources::GetString(const Id& id) const {
  if (const std::string* text = Find(id)) return *text;
  return NotFoundError("String resource not found: '" + id.GetString() + "'");
}

bool StringResources::HasString(const Id& id) const { return Find(id) != nullptr; }

}  // namespace zarvo
