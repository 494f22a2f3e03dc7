#pragma once
#include "host/core/DataDictionary.h"
#include "host/core/Result.h"
#include "host/ui/AppWindowInterface.h"

namespace zarvo {

// The popup-menu dialog of the modal dialog service, which the module provides while loaded
// because the host has no menus of its own: the menu item's children as a vertical menu in a
// popup of the owner window, with fly-outs for its folders. It is modal: it ends when a row is
// chosen, on Escape, or when a click outside closes the popup. A choice is answered with the
// chosen command menu item; nothing runs here, the caller executes the item's command.
[[nodiscard]] Result<Bool> RunPopupMenuDialog(AppWindowInterface& owner, const DataDictionary& settings,
                                              DataDictionary& results);

void InstallPopupMenuDialog();
void RemovePopupMenuDialog();

}  // namespace zarvo
