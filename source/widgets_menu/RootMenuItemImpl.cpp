#include "source/widgets_menu/RootMenuItemImpl.h"

#include "host/core/ClassRegistry.h"

namespace zarvo {

Result<void> RootMenuItemImpl::Append(MenuItemInterface* item, const MenuItemRef& under) {
  HierarchyObject* parent = under ? MenuNodeOf(under.Get()) : this;
  HierarchyObject* node = MenuNodeOf(item);
  if (!parent || !node) return IllegalArgumentError("A menu item is not a tree node");
  return parent->InsertChildLast(Ref<HierarchyObject>(node));
}

Result<CommandMenuItemRef> RootMenuItemImpl::AddFolder(const String& text, const MenuItemRef& under) {
  ZV_TRY_ASSIGN(CommandMenuItemRef folder, CreateObject<CommandMenuItemInterface>(Id(kCommandMenuItemClassId)));
  folder->SetText(text);
  ZV_TRY(Append(folder.Get(), under));
  return folder;
}

Result<CommandMenuItemRef> RootMenuItemImpl::AddCommand(const CommandRef& command, const MenuItemRef& under) {
  if (!command) return NullReferenceError("Missing command");
  ZV_TRY_ASSIGN(CommandMenuItemRef item, CreateObject<CommandMenuItemInterface>(Id(kCommandMenuItemClassId)));
  item->SetCommand(command);
  item->SetText(command->GetName());
  item->SetIconUrl(command->GetIconUrl());
  ZV_TRY(Append(item.Get(), under));
  return item;
}

Result<CommandMenuItemRef> RootMenuItemImpl::AddCommand(const Id& command, const AppWindow& window,
                                                        const MenuItemRef& under) {
  CommandRef found = window.GetCommand(command);
  if (!found) return NotFoundError("No handler for command '" + command.GetString() + "'");
  return AddCommand(found, under);
}

Result<SeparatorMenuItemRef> RootMenuItemImpl::AddSeparator(const MenuItemRef& under) {
  ZV_TRY_ASSIGN(SeparatorMenuItemRef separator,
                CreateObject<SeparatorMenuItemInterface>(Id(kSeparatorMenuItemClassId)));
  ZV_TRY(Append(separator.Get(), under));
  return separator;
}

}  // namespace zarvo
