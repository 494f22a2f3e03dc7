#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "source/interfaces/TextButtonWidgetInterface.h"

namespace zarvo {

inline constexpr char kSpinnerWidgetClassId[] = "net.zarvo.mvp.widgetclasses.spinner";
inline constexpr char kSpinnerWidgetInterfaceId[] = "net.zarvo.mvp.interface.spinnerwidget";

class SpinnerWidgetInterface;
using SpinnerWidgetRef = Ref<SpinnerWidgetInterface>;
// Observers receive the change in steps (signed, scaled by the modifier factor), whether the
// value is to go back to its default, and whether a drag or a held key is going on.
using SpinnerObservable = Observable<Float, Bool, Bool>;

// One arrow of a spin box: a text button showing a triangle that points along its orientation.
// A left press steps once and, held, repeats faster the longer it is held; dragging steps once
// per pointer event with the pointer pinned; the up and down keys step while it has focus; a
// right press asks for the default value. SHIFT makes every step ten times larger, ALT a tenth.
class SpinnerWidgetInterface : public virtual TextButtonWidgetInterface {
 public:
  virtual Ref<SpinnerObservable> ObservableValueChanged() = 0;
};

}  // namespace zarvo
