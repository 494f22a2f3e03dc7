#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Types.h"
#include "source/interfaces/ButtonWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colorbutton";
inline constexpr char kColorButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.colorbuttonwidget";

class ColorButtonWidgetInterface;
using ColorButtonWidgetRef = Ref<ColorButtonWidgetInterface>;
// Observers receive the button and the colour chosen for it.
using ColorButtonObservable = Observable<const WidgetRef&, ColorA>;

// A button that shows a colour (its background colour). A click opens the "Color Chooser"
// window; its OK gives the button the picked colour and tells the observers, its Cancel keeps
// the colour the button had.
class ColorButtonWidgetInterface : public virtual ButtonWidgetInterface {
 public:
  virtual Ref<ColorButtonObservable> ObservableColorChanged() = 0;
};

}  // namespace zarvo
