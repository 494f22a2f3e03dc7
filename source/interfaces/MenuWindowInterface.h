#pragma once
#include "host/ui/AppWindowInterface.h"
#include "source/interfaces/MenuItemInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"

namespace zarvo {

inline constexpr char kMenuWindowClassId[] = "net.zarvo.mvp.windowclasses.menuwindow";
inline constexpr char kMenuWindowInterfaceId[] = "net.zarvo.mvp.interface.menuwindow";

// The window of a fly-out sub-menu, a popup of the command window.
class MenuWindowInterface : public virtual AppWindowInterface {
 public:
  [[nodiscard]] virtual Result<void> Open(Vector2d position, const MenuItemRef& item, const AppWindowRef& commandWindow,
                                          const MenuWidgetRef& parentMenu) = 0;
  virtual MenuWidgetRef GetParentMenuWidget() const = 0;
};

}  // namespace zarvo
