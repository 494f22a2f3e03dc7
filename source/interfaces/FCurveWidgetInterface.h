#pragma once
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/AreaWidgetInterface.h"
#include "source/interfaces/FCurveKey.h"

namespace zarvo {

inline constexpr char kFCurveWidgetClassId[] = "net.zarvo.mvp.widgetclasses.fcurve";
inline constexpr char kFCurveWidgetInterfaceId[] = "net.zarvo.mvp.fcurvewidget";

class FCurveWidgetInterface;
using FCurveWidgetRef = Ref<FCurveWidgetInterface>;
// Observers receive the editor after the user changed its keys.
using FCurveObservable = Observable<const FCurveWidgetRef&>;

// An editor of one function curve over time, on a pannable, zoomable area with its grid. The
// keys, in time order, are joined by a smooth curve (see FCurveMath) and shown as small squares.
// Clicking a key selects it and dragging moves it, its time held between its neighbours';
// double-clicking on empty space adds a key there; Delete removes the selected key. Time runs
// to the right and values upwards, kFCurvePixelsPerUnit content pixels to one unit of either.
class FCurveWidgetInterface : public virtual AreaWidgetInterface {
 public:
  // "Key is not finite" when a time or value is not; the keys are stored in time order (keys
  // of equal time in the order given) and the selection is dropped. Setters do not notify.
  [[nodiscard]] virtual Result<void> SetKeys(std::vector<FCurveKey> keys) = 0;
  virtual const std::vector<FCurveKey>& GetKeys() const = 0;
  // The curve's value at a time; 0 without keys.
  virtual Float Evaluate(Float time) const = 0;
  // The selected key's index, or -1. An index out of range selects none.
  virtual Int GetSelectedKey() const = 0;
  virtual void SetSelectedKey(Int index) = 0;
  // Where a key lies on the plane, and the key at a content point.
  virtual Vector2d KeyToContent(const FCurveKey& key) const = 0;
  virtual FCurveKey ContentToKey(Vector2d content) const = 0;

  virtual Ref<FCurveObservable> ObservableKeysChanged() = 0;
};

}  // namespace zarvo
