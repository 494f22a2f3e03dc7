#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/BooleanWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kRadioGroupWidgetClassId[] = "net.zarvo.mvp.widgetclasses.radiogroup";
inline constexpr char kRadioGroupWidgetInterfaceId[] = "net.zarvo.mvp.interface.radiogroup";

class RadioGroupWidgetInterface;
using RadioGroupWidgetRef = Ref<RadioGroupWidgetInterface>;
// Observers receive the group and the index now selected.
using RadioGroupObservable = Observable<const WidgetRef&, uint64_t>;

// A column of boolean widgets showing the radio symbol, of which the one at the selected index
// is on. Clicking a button selects it.
class RadioGroupWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Replaces the buttons by `count` new ones ("No valid button number" for 0), the selected
  // one on; a selection beyond the new buttons goes back to the first.
  [[nodiscard]] virtual Result<void> ResizeButtons(uint64_t count) = 0;
  // The boolean widget of a row: "Value exceeds number of radiobuttons" past the last row,
  // "Wrong widget hierarchy" when the row holds something else.
  [[nodiscard]] virtual Result<BooleanWidgetRef> GetButton(uint64_t index) const = 0;
  // Selects a row: "value exceeds number of radiobuttons" past the last one; the selected
  // index changes nothing. Observers are told before the buttons follow.
  [[nodiscard]] virtual Result<void> SetValue(uint64_t index) = 0;
  virtual uint64_t GetValue() const = 0;
  virtual Ref<RadioGroupObservable> ObservableValueChanged() = 0;
};

}  // namespace zarvo
