#include "host/gfx/ResourceUrl.h"

#include <cctype>
#include <string_view>

namespace zarvo {

namespace {
constexpr std::string_view kFileSchemeWithHost = "file://";
constexpr std::string_view kFileScheme = "file:";
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
