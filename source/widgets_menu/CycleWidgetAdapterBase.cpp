#include "source/widgets_menu/CycleWidgetAdapterBase.h"

#include <string>

namespace zarvo {

void CycleWidgetAdapterBase::ObserveItemPress(ButtonWidgetInterface& button, Int index) {
  button.ObservableButtonDown()->AddObserver(
      [adapter = Ref<CycleWidgetAdapterBase>(this), index](const ButtonWidgetRef&) -> Result<void> {
        ZV_TRY_ASSIGN(CycleWidgetRef cycle, adapter->GetCycleWidget());
        return cycle->SetItem(cycle->GetItemIdFromIndex(index), true);
      });
}

Result<void> CycleWidgetAdapterBase::CheckIndex(Int index) const {
  if (index < 0 || index >= GetCount()) {
    return IllegalArgumentError("Item index " + std::to_string(index) + " is out of range");
  }
  return Ok();
}

}  // namespace zarvo
