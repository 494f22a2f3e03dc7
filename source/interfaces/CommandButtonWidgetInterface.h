#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/CommandInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

inline constexpr char kCommandButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.commandbutton";
inline constexpr char kCommandButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.commandbuttonwidget";

// The text a command button shows until it has a command with a name.
inline constexpr char kUnknownCommandText[] = "- unknown command -";

class CommandButtonWidgetInterface;
using CommandButtonWidgetRef = Ref<CommandButtonWidgetInterface>;

// A text button that runs a command when released over: the command goes up through the
// widget tree to the window (ExecuteCommand). The button shows the command's name and is
// enabled while the command is.
class CommandButtonWidgetInterface : public virtual TextButtonWidgetInterface {
 public:
  // Stores the command (an empty one too); a command with a name puts the name on the button.
  // Fails with "Missing widget link" when the name cannot be shown because the text widget is
  // missing; the command is stored even then.
  [[nodiscard]] virtual Result<void> SetCommand(const CommandRef& command) = 0;
  virtual CommandRef GetCommand() const = 0;
};

}  // namespace zarvo
