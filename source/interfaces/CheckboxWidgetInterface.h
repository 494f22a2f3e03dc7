#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/ImageWidgetInterface.h"

namespace zarvo {

inline constexpr char kCheckboxWidgetClassId[] = "net.zarvo.mvp.widgetclasses.checkbox";
inline constexpr char kCheckboxWidgetInterfaceId[] = "net.zarvo.mvp.interface.checkboxwidget";

// The mark a check box shows; each but NONE is an icon file of the module.
enum class CHECKBOX_SYMBOL : int32_t {
  NONE = 0,
  CHECKMARK = 1,
  TRIANGLE = 2,
  PREVIEW = 3,
  FOLDER = 4,
  SOLO = 5,
  RADIO = 6,
  COMMENT = 7,
};

// Whether a toggle reacts to the press or to the release of the left mouse button.
enum class BUTTON_REACTION : int32_t { BUTTON_DOWN = 0, BUTTON_UP = 1 };

class CheckboxWidgetInterface;
using CheckboxWidgetRef = Ref<CheckboxWidgetInterface>;
// Observers receive the check box and its new state.
using CheckboxObservable = Observable<const CheckboxWidgetRef&, Bool>;

// A two-state toggle drawn as the icon of its symbol: as authored when on, dimmed when off,
// lightened while the pointer is over it. The left button (on press or release, as configured)
// and the Enter key toggle it; a RADIO check box that is on stays on when clicked.
class CheckboxWidgetInterface : public virtual ImageWidgetInterface {
 public:
  // Stores the state and shows it; observers are not told.
  virtual void SetState(Bool state) = 0;
  virtual Bool GetState() const = 0;
  // Loads the symbol's icon from the module's "icons/checkbox" folder (NONE shows no icon). A
  // file that cannot be loaded is returned and leaves the symbol as it was.
  [[nodiscard]] virtual Result<void> SetSymbol(CHECKBOX_SYMBOL symbol) = 0;
  virtual CHECKBOX_SYMBOL GetSymbol() const = 0;
  virtual void SetButtonReaction(BUTTON_REACTION reaction) = 0;
  virtual BUTTON_REACTION GetButtonReaction() const = 0;
  // Fired by every toggle the user makes.
  virtual Ref<CheckboxObservable> ObservableStateChanged() = 0;
};

}  // namespace zarvo
