#pragma once
#include <string>

#include "host/core/Types.h"

namespace zarvo {

// The file a URL names: the text without a "file://" or "file:" prefix. Resource URLs are file
// paths in this host, so every other text is taken as a path as it stands.
std::string FilePathFromUrl(const Url& url);

// The URL's file suffix after the last dot of its last path element, in lower case ("svg" for
// ".../check.SVG"); empty when the name has no dot.
std::string UrlFileSuffix(const Url& url);

}  // namespace zarvo
