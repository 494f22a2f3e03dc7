#include "source/widgets_tabs/QuickTabTextAndIconWidgetAdapterImpl.h"

#include <new>

#include "source/widgets_menu/ItemButtons.h"

namespace zarvo {

namespace {
constexpr CanvasUnitValue kIconSize = CanvasUnitValue::Fon(15.0);
}  // namespace

Result<WidgetRef> QuickTabTextAndIconWidgetAdapterImpl::GetItemWidget(Int index, const WidgetRef&) {
  ZV_TRY(CheckIndex(index));
  const auto& [text, icon] = items_[static_cast<size_t>(index)];
  ZV_TRY_ASSIGN(ImageTextButtonWidgetRef button, MakeTextAndIconItemButton(text, icon, kIconSize));
  ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
  return AdoptTab(index, button, label);
}

Result<void> QuickTabTextAndIconWidgetAdapterImpl::AppendItem(const String& text, const Url& icon) {
  try {
    items_.emplace_back(text, icon);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return Ok();
}

Result<void> QuickTabTextAndIconWidgetAdapterImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const QuickTabTextAndIconWidgetAdapterImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  items_ = other->items_;
  return Ok();
}

}  // namespace zarvo
