#pragma once
#include <cstdint>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/gfx/SVGDocumentInterface.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"

namespace zarvo {

inline constexpr char kTristateButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.tristatebutton";
inline constexpr char kTristateButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.tristatebuttonwidget";

// The states of a tristate button, which is also the number of its icon slots.
enum class BUTTON_TRISTATE : int32_t { FIRST = 0, SECOND = 1, THIRD = 2 };
inline constexpr Int32 kTristateCount = 3;

class TristateButtonWidgetInterface;
using TristateButtonWidgetRef = Ref<TristateButtonWidgetInterface>;
// Observers receive the button and its new state.
using TristateObservable = Observable<const TristateButtonWidgetRef&, Int32>;

// A button that steps through its states, showing each state's icon. A left click (on press or
// release, as configured) moves to the next state, a Shift-click to the previous one, both
// wrapping around.
class TristateButtonWidgetInterface : public virtual ImageWidgetInterface {
 public:
  // Stores the state and shows it; observers are not told. A state outside 0..kTristateCount-1
  // is an out-of-range error.
  [[nodiscard]] virtual Result<void> SetState(Int32 state) = 0;
  virtual Int32 GetState() const = 0;
  // Loads the SVG file of a state's icon; an empty URL empties the slot. A state index outside
  // the slots is an out-of-range error, a file that cannot be loaded the document's error; both
  // leave the slot as it was.
  [[nodiscard]] virtual Result<void> SetIcon(const Url& url, Int32 state) = 0;
  // The document of a state's icon (empty when the slot is); out of range as SetIcon.
  [[nodiscard]] virtual Result<SVGDocumentRef> GetIcon(Int32 state) const = 0;
  virtual void SetButtonReaction(BUTTON_REACTION reaction) = 0;
  virtual BUTTON_REACTION GetButtonReaction() const = 0;
  // Fired by every step the user makes.
  virtual Ref<TristateObservable> ObservableStateChanged() = 0;
};

}  // namespace zarvo
