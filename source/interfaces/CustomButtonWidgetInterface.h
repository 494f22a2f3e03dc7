#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Types.h"
#include "source/interfaces/CustomWidgetInterface.h"

namespace zarvo {

inline constexpr char kCustomButtonWidgetClassId[] = "net.zarvo.mvp.widgetclasses.custombutton";
inline constexpr char kCustomButtonWidgetInterfaceId[] = "net.zarvo.mvp.interface.custombuttonwidget";

// Directions a held custom button may be dragged in, as flags.
namespace DRAG_DIRECTION {
constexpr Int NONE = 0;
constexpr Int LEFT = 1;
constexpr Int RIGHT = 2;
constexpr Int UP = 4;
constexpr Int DOWN = 8;
}  // namespace DRAG_DIRECTION

class CustomButtonWidgetInterface;
using CustomButtonWidgetRef = Ref<CustomButtonWidgetInterface>;
using CustomButtonObservable = Observable<const CustomButtonWidgetRef&>;

// A press-and-hold button drawn by callbacks (an arrow of a scrollbar). While the left button
// is held it repeats the press: after a first delay ObservableButtonDown fires again at an
// interval that shrinks the farther the pointer is dragged from the press position in an
// allowed direction. Observers read GetCurrentDraggingDirection to learn which way.
class CustomButtonWidgetInterface : public virtual CustomWidgetInterface {
 public:
  virtual Bool IsButtonDown() const = 0;
  // DRAG_DIRECTION flags; NONE makes the button ignore drags.
  virtual void SetAllowedDragDirections(Int directions) = 0;
  virtual Int GetAllowedDragDirections() const = 0;
  // One DRAG_DIRECTION value, NONE while not dragged in an allowed direction.
  virtual Int GetCurrentDraggingDirection() const = 0;
  // Fired by a left press and by every repeat while it is held.
  virtual Ref<CustomButtonObservable> ObservableButtonDown() = 0;
  // Fired by the left release, wherever it happens.
  virtual Ref<CustomButtonObservable> ObservableButtonUp() = 0;
};

}  // namespace zarvo
