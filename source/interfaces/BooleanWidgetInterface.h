#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

inline constexpr char kBooleanWidgetClassId[] = "net.zarvo.mvp.widgetclasses.boolean";
inline constexpr char kBooleanWidgetInterfaceId[] = "net.zarvo.mvp.interface.booleanwidget";

class BooleanWidgetInterface;
using BooleanWidgetRef = Ref<BooleanWidgetInterface>;

// A check box with a text beside it, in a table of one row. The value is the check box's
// state; changes are reported by the check box's ObservableStateChanged.
class BooleanWidgetInterface : public virtual TableWidgetInterface {
 public:
  // The children made by CreateLayout; "Widget Link not set." before it.
  [[nodiscard]] virtual Result<TextWidgetRef> GetTextWidget() const = 0;
  [[nodiscard]] virtual Result<CheckboxWidgetRef> GetCheckboxWidget() const = 0;
  // Sets the check box's state, then tells its observers (whether or not the state changed);
  // "Widget link not set." before CreateLayout.
  [[nodiscard]] virtual Result<void> SetValue(Bool value) = 0;
  [[nodiscard]] virtual Result<Bool> GetValue() const = 0;
};

}  // namespace zarvo
