#pragma once
#include "source/interfaces/CommandMenuItemInterface.h"
#include "source/widgets_menu/MenuItemImpl.h"

namespace zarvo {

class CommandMenuItemImpl : public MenuItemImpl, public virtual CommandMenuItemInterface {
 public:
  void SetCommand(const CommandRef& command) override { command_ = command; }
  CommandRef GetCommand() const override { return command_; }
  void SetText(const String& text) override { text_ = text; }
  const String& GetText() const override { return text_; }
  void SetIconUrl(const Url& url) override { iconUrl_ = url; }
  const Url& GetIconUrl() const override { return iconUrl_; }

 private:
  CommandRef command_;
  String text_;
  Url iconUrl_;
};

}  // namespace zarvo
