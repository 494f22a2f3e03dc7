#include "host/gfx/ResourceUrl.h"

#include <cctype>
#include <string_view>

namespace zarvo {

namespace {
constexpr std::string_view kFileSchemeWithHost = "file://";
constexpr std::string_view kFileScheme = "file:";

// The scheme of a URL ("http" for "http://..."), empty when the text starts with none. RFC 3986:
// a letter, then letters, digits, "+", "-" or ".", then ":".
std::string_view SchemeOf(std::string_view text) {
  if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return {};
  for (size_t i = 1; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == ':') return text.substr(0, i);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
  }
  return {};
}
}  // namespace

std::string FilePathFromUrl(const Url& url) {
  std::string_view text = url.text;
  if (text.starts_with(kFileSchemeWithHost)) {
    text.remove_prefix(kFileSchemeWithHost.size());
  } else if (text.starts_with(kFileScheme)) {
    text.remove_prefix(kFileScheme.size());
  }
  return std::string(text);
}

Result<std::string> ResourceFilePath(const Url& url, std::string_view what) {
  if (url.text.empty()) return IllegalArgumentError(std::string(what) + " URL is empty");
  if (url.text.find('\0') != std::string::npos) {
    return IllegalArgumentError(std::string(what) + " URL holds a NUL byte");
  }
  const std::string_view scheme = SchemeOf(url.text);
  if (scheme.size() > 1 && scheme != "file") {
    return IllegalArgumentError(std::string(what) + " URL '" + url.text + "' has the scheme '" + std::string(scheme) +
                                "'; only files can be loaded");
  }
  std::string path = FilePathFromUrl(url);
  if (path.empty()) return IllegalArgumentError(std::string(what) + " URL is empty");
  return path;
}

std::string UrlFileSuffix(const Url& url) {
  const std::string_view text = url.text;
  const size_t nameStart = text.find_last_of("/\\");
  const std::string_view name = nameStart == std::string_view::npos ? text : text.substr(nameStart + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::string();
  std::string suffix(name.substr(dot + 1));
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix;
}

}  // namespace zarvo
