#pragma once
#include "host/core/Object.h"
#include "host/core/Ref.h"
#include "host/core/Types.h"

namespace zarvo {

inline constexpr char kQuickTabItemClassId[] = "net.zarvo.mvp.quicktabitem";
inline constexpr char kQuickTabItemInterfaceId[] = "net.zarvo.mvp.interface.quicktabitem";

class QuickTabItemInterface;
using QuickTabItemRef = Ref<QuickTabItemInterface>;

// A handle on one tab of a quick tab, as the selection pattern sees it: the tab's item id.
class QuickTabItemInterface : public virtual ObjectInterface {
 public:
  virtual void SetId(Int id) = 0;
  virtual Int GetId() const = 0;
};

}  // namespace zarvo
