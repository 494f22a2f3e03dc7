#pragma once
#include "host/core/Types.h"
#include "host/ui/CommandInterface.h"
#include "source/interfaces/MenuItemInterface.h"

namespace zarvo {

inline constexpr char kCommandMenuItemClassId[] = "net.zarvo.mvp.menuitemclasses.command";
inline constexpr char kCommandMenuItemInterfaceId[] = "net.zarvo.mvp.interface.commandmenuitem";

class CommandMenuItemInterface;
using CommandMenuItemRef = Ref<CommandMenuItemInterface>;

// An entry bound to a command; with children it is a folder that opens a sub-menu.
class CommandMenuItemInterface : public virtual MenuItemInterface {
 public:
  virtual void SetCommand(const CommandRef& command) = 0;
  virtual CommandRef GetCommand() const = 0;
  virtual void SetText(const String& text) = 0;
  virtual const String& GetText() const = 0;
  virtual void SetIconUrl(const Url& url) = 0;
  virtual const Url& GetIconUrl() const = 0;
};

}  // namespace zarvo
