#include "source/widgets_menu/CycleTextAndIconWidgetAdapterImpl.h"

#include <new>

#include "source/widgets_menu/ItemButtons.h"

namespace zarvo {

namespace {
constexpr CanvasUnitValue kIconSize = CanvasUnitValue::Fon(15.0);
}  // namespace

Result<WidgetRef> CycleTextAndIconWidgetAdapterImpl::GetItemWidget(Int index, const WidgetRef&) {
  ZV_TRY(CheckIndex(index));
  const auto& [label, icon] = items_[static_cast<size_t>(index)];
  ZV_TRY_ASSIGN(ImageTextButtonWidgetRef button, MakeTextAndIconItemButton(label, icon, kIconSize));
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
