#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"

namespace zarvo {

class WidgetInterface;

// The presenter side of a view: widgets hand it commands (rename, ...) with their arguments.
class PresenterInterface : public virtual ObjectInterface {
 public:
  // Runs a presenter command; returns false when the presenter does not know the command.
  [[nodiscard]] virtual Result<bool> ExecutePresenterCommand(const Id& command, WidgetInterface* sender,
                                                             const DataDictionary& arguments) = 0;
};

using PresenterRef = Ref<PresenterInterface>;

}  // namespace zarvo
