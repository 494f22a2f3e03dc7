#pragma once
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo::gallery {

// Every page titles its examples the same way, in one colour.
inline constexpr ColorA kCaptionColor{0.65, 0.70, 0.78, 1.0};

// A caption text at `at` in `root`.
[[nodiscard]] Result<void> AddCaption(const WidgetRef& root, const String& text, Vector2d at);

}  // namespace zarvo::gallery
