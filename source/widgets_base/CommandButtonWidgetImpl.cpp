#include "source/widgets_base/CommandButtonWidgetImpl.h"

namespace zarvo {

void CommandButtonWidgetImpl::FreeComponent() {
  StopWatchingCommand();
  TextButtonWidgetImpl::FreeComponent();
}

Result<void> CommandButtonWidgetImpl::CreateLayout() {
  ZV_TRY(TextButtonWidgetImpl::CreateLayout());
  SetName("CommandButtonWidget");
  ZV_TRY_ASSIGN(TextWidgetRef text, GetTextWidget());
  // A command set before the layout existed could not show its name yet.
  const bool named = command_ && !command_->GetName().empty();
  text->SetText(named ? command_->GetName() : String(kUnknownCommandText));
  if (buttonUpObserver_ == kNoObserver) {
    // The button owns its observable, so the observer must not keep the button alive.
    buttonUpObserver_ = ObservableButtonUp()->AddObserver(
        this, [link = WeakRef<CommandButtonWidgetImpl>(this)](const ButtonWidgetRef&) -> Result<void> {
          ZV_TRY_ASSIGN(Ref<CommandButtonWidgetImpl> button, link.Resolve());
          return button->RunCommand();
        });
  }
  return Ok();
}

Result<void> CommandButtonWidgetImpl::HandlePresenterUpdate(const DataDictionary& update) {
  ZV_TRY(TextButtonWidgetImpl::HandlePresenterUpdate(update));
  return UpdateCommandState();
}

Result<void> CommandButtonWidgetImpl::SetCommand(const CommandRef& command) {
  if (command == command_) return Ok();
  StopWatchingCommand();
  command_ = command;
  if (command_) {
    commandObserver_ = command_->ObservableStateChanged()->AddObserver(
        this, [this](const CommandRef& changed) -> Result<void> {
          if (changed != command_) return Ok();
          if (!changed->GetName().empty()) {
            if (Ref<TextWidgetInterface> text = GetTextWidget().ValueOr(nullptr)) text->SetText(changed->GetName());
          }
          SetEnabled(changed->GetEnabled());
          return Ok();
        });
  }
  if (command_ && !command_->GetName().empty()) {
    ZV_TRY_ASSIGN(TextWidgetRef text, GetTextWidget());
    text->SetText(command_->GetName());
  }
  return UpdateCommandState();
}

Result<void> CommandButtonWidgetImpl::UpdateCommandState() {
  if (!command_) return Ok();
  CommandRef command = command_;  // the query may reach presenter code that replaces it
  ZV_TRY(QueryCommand(command->GetId()));
  SetEnabled(command->GetEnabled());
  return Ok();
}

Result<void> CommandButtonWidgetImpl::RunCommand() {
  if (!command_) return Ok();
  CommandRef command = command_;
  return ExecuteCommand(command->GetId(), DataDictionary::GetEmpty());
}

void CommandButtonWidgetImpl::StopWatchingCommand() {
  if (command_ && commandObserver_ != kNoObserver) command_->ObservableStateChanged()->RemoveObserver(commandObserver_);
  commandObserver_ = kNoObserver;
}

}  // namespace zarvo
