#pragma once
#include "apps/gallery/Gallery.h"

namespace zarvo::gallery {

// Scroll areas: a table of 10,000 buttons with bars shown when needed, and a picture with its
// vertical bar on the left and both bars always shown.
[[nodiscard]] Result<WidgetRef> BuildScrollPage(Gallery& gallery);

// The script that shows the scroll page working.
extern const char* const kScrollPageScript;

}  // namespace zarvo::gallery
