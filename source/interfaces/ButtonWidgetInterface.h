#pragma once
#include "host/core/Observable.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.button";
inline constexpr char kButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.button";

class ButtonWidgetInterface;
using ButtonWidgetRef = Ref<ButtonWidgetInterface>;
using ButtonObservable = Observable<const ButtonWidgetRef&>;

// A push button: takes the size of its first child and reports presses and releases by the
// left mouse button and the Enter key. Observers receive the button.
class ButtonWidgetInterface : public virtual WidgetInterface {
 public:
  // Fired by a left press and by an Enter key press.
  virtual Ref<ButtonObservable> ObservableButtonDown() = 0;
  // Fired by a left release over the button and by an Enter key release.
  virtual Ref<ButtonObservable> ObservableButtonUp() = 0;
  // Fired by an Enter key press, before the button-down observable.
  virtual Ref<ButtonObservable> ObservableEnterKeyDown() = 0;
};

}  // namespace zarvo
