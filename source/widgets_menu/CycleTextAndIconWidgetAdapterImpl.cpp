#include "source/widgets_menu/CycleTextAndIconWidgetAdapterImpl.h"

#include <new>

#include "host/core/ClassRegistry.h"
#include "host/gfx/TextureCache.h"
#include "source/interfaces/ImageTextButtonWidgetInterface.h"

namespace zarvo {

namespace {
constexpr CanvasUnitValue kIconSize = CanvasUnitValue::Fon(15.0);
}  // namespace

Result<WidgetRef> CycleTextAndIconWidgetAdapterImpl::GetItemWidget(Int index, const WidgetRef&) {
  ZV_TRY(CheckIndex(index));
  const auto& [label, icon] = items_[static_cast<size_t>(index)];
  ZV_TRY_ASSIGN(ImageTextButtonWidgetRef button,
                CreateObject<ImageTextButtonWidgetInterface>(Id(kImageTextButtonWidgetClassId)));
  ZV_TRY(button->CreateLayout());
  ZV_TRY_ASSIGN(TextWidgetRef text, button->GetTextWidget());
  text->SetText(label);
  ZV_TRY_ASSIGN(ImageWidgetRef image, button->GetImageWidget());
  for (WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    image->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    image->SetFixedSize(kIconSize, direction);
  }
  // An icon that does not load leaves the item without an image; the item still works.
  if (Result<Ref<Image>> loaded = LoadTexture(icon); loaded.IsOk()) image->SetImage(*loaded);
  ObserveItemPress(*button, index);
  return WidgetRef(button);
}

Result<void> CycleTextAndIconWidgetAdapterImpl::AppendItem(const String& text, const Url& icon) {
  try {
    items_.emplace_back(text, icon);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return Ok();
}

Result<void> CycleTextAndIconWidgetAdapterImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const CycleTextAndIconWidgetAdapterImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  items_ = other->items_;
  CopyCycleLink(*other);
  return Ok();
}

}  // namespace zarvo
