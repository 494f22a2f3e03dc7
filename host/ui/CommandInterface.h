#pragma once
#include <functional>

#include "host/core/DataDictionary.h"
#include "host/core/Id.h"
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kCommandInterfaceId[] = "net.zarvo.ui.interface.command";

class CommandInterface;
using CommandRef = Ref<CommandInterface>;
using CommandObservable = Observable<const CommandRef&>;

// A presenter command: something the user can ask for from a button or a menu, known by its
// id. Widgets never run a command themselves; they pass its id up through ExecuteCommand to
// the window, which runs it. The enabled and checked states are the presenter's to set; a
// widget showing the command learns about a change through ObservableStateChanged.
class CommandInterface : public virtual ObjectInterface {
 public:
  virtual const Id& GetId() const = 0;
  // The text a button or menu item shows; may be empty.
  virtual const String& GetName() const = 0;
  virtual const Url& GetIconUrl() const = 0;
  virtual bool GetEnabled() const = 0;
  virtual bool GetChecked() const = 0;
  virtual CommandState GetState() const = 0;
  virtual void SetName(const String& name) = 0;
  virtual void SetIconUrl(const Url& url) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetChecked(bool checked) = 0;
  // Asks the presenter for the current state (when it gave a way to ask) before a widget reads
  // it; observers hear of a change as with the setters.
  virtual void Refresh() = 0;
  // Runs the command; a disabled command fails with an illegal-state error and runs nothing.
  [[nodiscard]] virtual Result<void> Execute(const DataDictionary& arguments) = 0;
  // Fired after the enabled, checked, name or icon changed, with the command.
  virtual Ref<CommandObservable> ObservableStateChanged() = 0;
};

// The host's command: a handler to run and, optionally, a query that tells the current state.
class Command final : public CommandInterface {
 public:
  using Handler = std::function<Result<void>(const DataDictionary& arguments)>;
  using StateQuery = std::function<CommandState()>;

  // A command without a handler does nothing when run (and succeeds).
  [[nodiscard]] static Ref<Command> Create(const Id& id, const String& name, Handler handler = {},
                                           const Url& iconUrl = {});

  const Id& GetId() const override { return id_; }
  const String& GetName() const override { return name_; }
  const Url& GetIconUrl() const override { return iconUrl_; }
  bool GetEnabled() const override { return state_.enabled; }
  bool GetChecked() const override { return state_.checked; }
  CommandState GetState() const override { return state_; }
  void SetName(const String& name) override;
  void SetIconUrl(const Url& url) override;
  void SetEnabled(bool enabled) override;
  void SetChecked(bool checked) override;
  void Refresh() override;
  Result<void> Execute(const DataDictionary& arguments) override;
  Ref<CommandObservable> ObservableStateChanged() override { return stateChanged_; }

  void SetHandler(Handler handler) { handler_ = std::move(handler); }
  void SetStateQuery(StateQuery query) { query_ = std::move(query); }

 private:
  Command(const Id& id, const String& name, Handler handler, const Url& iconUrl);
  void ApplyState(CommandState state);
  void NotifyStateChanged();

  Id id_;
  String name_;
  Url iconUrl_;
  CommandState state_{true, false};
  Handler handler_;
  StateQuery query_;
  Ref<CommandObservable> stateChanged_;
};

}  // namespace zarvo
