#pragma once
#include "host/core/ClassRegistry.h"
#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

// How the compound buttons build their content: creates a widget of `classId`, runs its
// CreateLayout and inserts it as the last child of `parent`. The first error ends it; what was
// inserted before stays.
template <class I>
[[nodiscard]] Result<Ref<I>> CreateChildWidget(WidgetInterface& parent, const char* classId) {
  ZV_TRY_ASSIGN(Ref<I> child, CreateObject<I>(Id(classId)));
  ZV_TRY(child->CreateLayout());
  ZV_TRY(parent.InsertChildLast(child));
  return child;
}

}  // namespace zarvo
