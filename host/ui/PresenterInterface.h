#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/PresenterCommand.h"

namespace zarvo {

class WidgetInterface;

// The presenter side of a view: widgets hand it commands (rename, ...) with their arguments.
class PresenterInterface : public virtual ObjectInterface {
 public:
  // Runs a presenter command; returns false when the presenter does not know the command.
  [[nodiscard]] virtual Result<bool> ExecutePresenterCommand(const Id& command, WidgetInterface* sender,
                                                             const DataDictionary& arguments) = 0;

  // Runs a command object. Presenters that know only commands by identifier receive it through
  // ExecutePresenterCommand, with its class as the command and its arguments.
  [[nodiscard]] virtual Result<bool> HandleCommand(const PresenterCommandRef& command) {
    if (!command) return NullReferenceError("No presenter command");
    return ExecutePresenterCommand(command->GetCommandClass(), command->GetSender(), command->GetArguments());
  }
};

using PresenterRef = Ref<PresenterInterface>;

}  // namespace zarvo
