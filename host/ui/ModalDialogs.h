#pragma once
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "host/core/DataDictionary.h"
#include "host/core/Result.h"

namespace zarvo {

class AppWindowInterface;

// The dialogs a window can run modally through OpenModalDialog; the settings name one of them
// under kModalDialogTypeKey.
enum class MODAL_DIALOG_TYPE : int32_t { NONE = 0, COLOR_CHOOSER = 1, CREATE_ASSET = 2, POPUP_MENU = 3, COMMANDER = 4 };

inline constexpr char kModalDialogTypeKey[] = "net.zarvo.mvp.modaldialog.dialog";
inline constexpr char kPopupMenuPositionKey[] = "net.zarvo.mvp.modaldialog.popupmenu.position";
inline constexpr char kPopupMenuItemKey[] = "net.zarvo.mvp.modaldialog.popupmenu.menuitem";
inline constexpr char kPopupMenuSelectedItemKey[] = "net.zarvo.mvp.modaldialog.popupmenu.result_selecteditem";

// Who runs each kind of modal dialog. The host has no dialogs of its own toolkit: a module that
// provides one installs it for its type while loaded. A dialog runs to its end and answers true
// when the user made a choice, whose values it writes into `results`.
class ModalDialogs {
 public:
  using Dialog =
      std::function<Result<Bool>(AppWindowInterface& owner, const DataDictionary& settings, DataDictionary& results)>;

  static ModalDialogs& Get();

  // Replaces the dialog of that type; an empty function removes it.
  void SetDialog(MODAL_DIALOG_TYPE type, Dialog dialog);
  bool HasDialog(MODAL_DIALOG_TYPE type) const;
  // Runs the dialog the settings name, modal to `owner`.
  [[nodiscard]] Result<Bool> Run(AppWindowInterface& owner, const DataDictionary& settings, DataDictionary& results);

 private:
  ModalDialogs() = default;
  std::unordered_map<int32_t, Dialog> dialogs_;
};

}  // namespace zarvo
