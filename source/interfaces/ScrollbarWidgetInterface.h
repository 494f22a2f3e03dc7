#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Types.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kScrollbarWidgetClassId[] = "net.zarvo.mvp.widgetclasses.scrollbar";
inline constexpr char kScrollbarWidgetInterfaceId[] = "net.zarvo.mvp.interface.scrollbarwidget";

class ScrollbarWidgetInterface;
using ScrollbarWidgetRef = Ref<ScrollbarWidgetInterface>;
using ScrollbarObservable = Observable<const ScrollbarWidgetRef&>;
// The scrollbar and the wheel's scroll vector.
using ScrollbarScrollObservable = Observable<const ScrollbarWidgetRef&, Vector2d>;

// A scroll area's bar: a 1×3 (vertical) or 3×1 (horizontal) table of two arrow buttons with a
// scroll slider between them. It reports the wheel and the keys it receives; the scroll area
// observes it and scrolls. An arrow key held without modifiers repeats after half a second.
class ScrollbarWidgetInterface : public virtual TableWidgetInterface {
 public:
  // VERTICAL (the default) or horizontal for any other value; set before CreateLayout runs,
  // it is not applied again later.
  virtual void SetDirection(WIDGET_DIRECTION direction) = 0;
  virtual WIDGET_DIRECTION GetDirection() const = 0;
  // The wheel turned over the bar.
  virtual Ref<ScrollbarScrollObservable> ObservableScroll() = 0;
  // The up or left arrow key (backward), the down or right one (forward).
  virtual Ref<ScrollbarObservable> ObservableScrollKeyBackward() = 0;
  virtual Ref<ScrollbarObservable> ObservableScrollKeyForward() = 0;
  virtual Ref<ScrollbarObservable> ObservableScrollPageUp() = 0;
  virtual Ref<ScrollbarObservable> ObservableScrollPageDown() = 0;
  virtual Ref<ScrollbarObservable> ObservableScrollHome() = 0;
  virtual Ref<ScrollbarObservable> ObservableScrollEnd() = 0;
};

}  // namespace zarvo
