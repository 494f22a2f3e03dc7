#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"

namespace zarvo {

class WidgetInterface;

// The host's own presenter command classes.
inline constexpr char kRenamePresenterCommandClassId[] = "net.zarvo.mvp.presentercommandclasses.rename";
// The argument a command's string travels under to ExecutePresenterCommand.
inline constexpr char kPresenterCommandStringKey[] = "net.zarvo.mvp.presentercommand.string";

// A request a widget hands to its presenter: which command (its class), who sent it and its
// arguments. Made by CreatePresenterCommand, initialised once, then filled and handed over.
class PresenterCommandInterface : public virtual ObjectInterface {
 public:
  // Binds the command to the widget that sends it; the command does not keep it alive.
  [[nodiscard]] virtual Result<void> Init(WidgetInterface* sender) = 0;
  virtual const Id& GetCommandClass() const = 0;
  // Null once the sender is gone (or before Init).
  virtual WidgetInterface* GetSender() const = 0;
  virtual void SetString(const String& text) = 0;
  virtual String GetString() const = 0;
  virtual const DataDictionary& GetArguments() const = 0;
};

using PresenterCommandRef = Ref<PresenterCommandInterface>;

// A command of class `classId`: a catalogued class when one is registered under it, else one of
// the host's own command classes. An unknown class is a not-found error.
[[nodiscard]] Result<PresenterCommandRef> CreatePresenterCommand(const Id& classId);

}  // namespace zarvo
