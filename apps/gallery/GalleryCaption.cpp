#include "apps/gallery/GalleryCaption.h"

#include "host/core/ClassRegistry.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::gallery {

Result<void> AddCaption(const WidgetRef& root, const String& text, Vector2d at) {
  ZV_TRY_ASSIGN(TextWidgetRef caption, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  caption->SetText(text);
  caption->SetColor(kCaptionColor);
  caption->SetLocalPosition(at);
  return root->InsertChildLast(caption);
}

}  // namespace zarvo::gallery
