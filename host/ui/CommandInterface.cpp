#include "host/ui/CommandInterface.h"

#include "host/core/Log.h"

namespace zarvo {

Ref<Command> Command::Create(const Id& id, const String& name, Handler handler, const Url& iconUrl) {
  return Ref<Command>(new Command(id, name, std::move(handler), iconUrl));
}

Command::Command(const Id& id, const String& name, Handler handler, const Url& iconUrl)
    : id_(id), name_(name), iconUrl_(iconUrl), handler_(std::move(handler)), stateChanged_(MakeRef<CommandObservable>()) {
  // Init only names the observable; it cannot fail for a fresh one.
  (void)stateChanged_->Init(this, "ObservableStateChanged");
}

void Command::SetName(const String& name) {
  if (name == name_) return;
  name_ = name;
  NotifyStateChanged();
}

void Command::SetIconUrl(const Url& url) {
  if (url == iconUrl_) return;
  iconUrl_ = url;
  NotifyStateChanged();
}

void Command::SetEnabled(bool enabled) { ApplyState(CommandState{enabled, state_.checked}); }

void Command::SetChecked(bool checked) { ApplyState(CommandState{state_.enabled, checked}); }

void Command::Refresh() {
  if (!query_) return;
  StateQuery query = query_;  // the query may replace itself
  ApplyState(query());
}

void Command::ApplyState(CommandState state) {
  if (state.enabled == state_.enabled && state.checked == state_.checked) return;
  state_ = state;
  NotifyStateChanged();
}

void Command::NotifyStateChanged() {
  // A setter has nobody to hand an observer's error to; it must not go unnoticed either.
  Result<void> told = stateChanged_->Notify(CommandRef(this));
  if (!told.IsOk()) LogWarning("Command '" + id_.GetString() + "': " + told.GetError().ToString());
}

Result<void> Command::Execute(const DataDictionary& arguments) {
  if (!state_.enabled) return IllegalStateError("Command '" + id_.GetString() + "' is disabled");
  if (!handler_) return Ok();
  Ref<Command> keep(this);
  Handler handler = handler_;  // the handler may replace itself while it runs
  return handler(arguments);
}

}  // namespace zarvo
