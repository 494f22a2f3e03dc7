#pragma once
#include <string>
#include <string_view>

#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

// The file a URL names: the text without a "file://" or "file:" prefix. Resource URLs are file
// paths in this host, so every other text is taken as a path as it stands.
std::string FilePathFromUrl(const Url& url);

// The file a resource URL names, for loading. Refuses what no file can be: an empty URL
// ("<what> URL is empty"), a URL with another scheme than "file" (http:, data:, ...) and text
// holding a NUL byte. A one-letter scheme is a drive letter and stays part of the path.
[[nodiscard]] Result<std::string> ResourceFilePath(const Url& url, std::string_view what);

// The URL's file suffix after the last dot of its last path element, in lower case ("svg" for
// ".../check.SVG"); empty when the name has no dot.
std::string UrlFileSuffix(const Url& url);

}  // namespace zarvo
