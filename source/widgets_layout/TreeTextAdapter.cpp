#include "source/widgets_layout/TreeTextAdapter.h"

#include "host/core/ClassRegistry.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

Result<WidgetRef> TreeTextAdapter::GetItemWidget(Int index, const WidgetRef&) {
  static const Id textClass(kTextWidgetClassId);
  ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(textClass));
  ZV_TRY(text->CreateLayout());
  if (index >= 0 && index < GetCount()) text->SetText(texts_[static_cast<size_t>(index)]);
  return WidgetRef(text);
}

void TreeTextAdapter::SetText(Int index, String text) {
  if (index < 0) return;
  if (static_cast<size_t>(index) >= texts_.size()) texts_.resize(static_cast<size_t>(index) + 1);
  texts_[static_cast<size_t>(index)] = std::move(text);
}

}  // namespace zarvo
