#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/FrameWidgetInterface.h"

namespace zarvo {

inline constexpr char kTreeLevelWidgetClassId[] = "net.zarvo.mvp.widgetclasses.treelevel";
inline constexpr char kTreeLevelWidgetInterfaceId[] = "net.zarvo.mvp.interface.treelevelwidget";

// The indentation in front of a tree item: as wide as its level's steps.
class TreeLevelWidgetInterface : public virtual FrameWidgetInterface {
 public:
  // A negative level is refused.
  [[nodiscard]] virtual Result<void> SetLevel(Int level) = 0;
  virtual Int GetLevel() const = 0;
};

using TreeLevelWidgetRef = Ref<TreeLevelWidgetInterface>;

}  // namespace zarvo
