#pragma once
#include "source/interfaces/CommandButtonWidgetInterface.h"
#include "source/widgets_base/TextButtonWidgetImpl.h"

namespace zarvo {

// A text button that runs its command, through the widget tree, when released over.
class CommandButtonWidgetImpl : public TextButtonWidgetImpl, public virtual CommandButtonWidgetInterface {
 public:
  void FreeComponent() override;

  Result<void> CreateLayout() override;
  Result<void> HandlePresenterUpdate(const DataDictionary& update) override;

  Result<void> SetCommand(const CommandRef& command) override;
  CommandRef GetCommand() const override { return command_; }

  // Brings the enabled state up to date: asks the widget tree (and so the window) about the
  // command, then follows the command's own enabled state. Without a command nothing changes.
  [[nodiscard]] Result<void> UpdateCommandState();

 private:
  Result<void> RunCommand();
  void StopWatchingCommand();

  CommandRef command_;
  ObserverHandle commandObserver_ = kNoObserver;
  ObserverHandle buttonUpObserver_ = kNoObserver;
};

}  // namespace zarvo
