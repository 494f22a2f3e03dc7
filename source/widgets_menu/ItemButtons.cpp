#include "source/widgets_menu/ItemButtons.h"

#include "host/core/ClassRegistry.h"
#include "host/gfx/TextureCache.h"

namespace zarvo {

Result<TextButtonWidgetRef> MakeTextItemButton(const String& text) {
  ZV_TRY_ASSIGN(TextButtonWidgetRef button, CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
  label->SetText(text);
  return button;
}

Result<ImageTextButtonWidgetRef> MakeTextAndIconItemButton(const String& text, const Url& icon,
                                                           CanvasUnitValue iconSize) {
  ZV_TRY_ASSIGN(ImageTextButtonWidgetRef button,
                CreateObject<ImageTextButtonWidgetInterface>(Id(kImageTextButtonWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
  label->SetText(text);
  ZV_TRY_ASSIGN(ImageWidgetRef image, button->GetImageWidget());
  for (WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    image->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    image->SetFixedSize(iconSize, direction);
  }
  // An icon that does not load leaves the item without an image; the item still works.
  if (Result<Ref<Image>> loaded = LoadTexture(icon); loaded.IsOk()) image->SetImage(*loaded);
  return button;
}

void MakeInert(WidgetInterface& widget) {
  widget.SetAcceptFocus(false);
  widget.SetEnabled(false);
  for (WidgetInterface* child = widget.GetFirstChildWidget(); child; child = child->GetNextWidget()) MakeInert(*child);
}

}  // namespace zarvo
