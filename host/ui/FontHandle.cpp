#include "host/ui/FontHandle.h"

#include <pango/pango.h>

#include "host/ui/FontCache.h"

namespace zarvo {

Result<FontHandleRef> FontHandle::Create(const FontDescription& description) {
  return FontCache::Get().GetFont(description);
}

FontHandle::~FontHandle() {
  if (pango_) pango_font_description_free(pango_);
}

Float FontHandle::GetBaselineOffset(FONTBASELINE baseline) const noexcept {
  switch (baseline) {
    case FONTBASELINE::DEFAULT:
    case FONTBASELINE::ASCENT: return ascent_;
    case FONTBASELINE::MEANLINE: return xHeight_;
    case FONTBASELINE::DESCENT: return -descent_;
    case FONTBASELINE::CAP: return capHeight_;
    case FONTBASELINE::CENTER: return 0.5 * (ascent_ - descent_);
  }
  return ascent_;
}

Rect FontHandle::GetStringBoundingBox(std::string_view text) const {
  return FontCache::Get().GetLayout(*this, text).bounds;
}

}  // namespace zarvo
