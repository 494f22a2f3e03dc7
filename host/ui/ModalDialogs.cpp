#include "host/ui/ModalDialogs.h"

#include <string>

namespace zarvo {

ModalDialogs& ModalDialogs::Get() {
  static ModalDialogs instance;
  return instance;
}

void ModalDialogs::SetDialog(MODAL_DIALOG_TYPE type, Dialog dialog) {
  const auto key = static_cast<int32_t>(type);
  if (!dialog) {
    dialogs_.erase(key);
    return;
  }
  dialogs_[key] = std::move(dialog);
}

bool ModalDialogs::HasDialog(MODAL_DIALOG_TYPE type) const {
  return dialogs_.count(static_cast<int32_t>(type)) != 0;
}

Result<Bool> ModalDialogs::Run(AppWindowInterface& owner, const DataDictionary& settings, DataDictionary& results) {
  ZV_TRY_ASSIGN(Int type, settings.GetRequired<Int>(Id(kModalDialogTypeKey)));
  auto it = dialogs_.find(static_cast<int32_t>(type));
  if (it == dialogs_.end()) {
    return IllegalArgumentError("No modal dialog of type " + std::to_string(type) + " is available");
  }
  // A copy: the dialog may replace the registrations while it runs.
  const Dialog dialog = it->second;
  return dialog(owner, settings, results);
}

}  // namespace zarvo
