#pragma once
#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kRulerWidgetClassId[] = "net.zarvo.mvp.widgetclasses.ruler";
inline constexpr char kRulerWidgetInterfaceId[] = "net.zarvo.mvp.interface.rulerwidget";

class RulerWidgetInterface;
using RulerWidgetRef = Ref<RulerWidgetInterface>;
// Observers receive the ruler and the new value (the marker, or the view's first value).
using RulerObservable = Observable<const RulerWidgetRef&, Float>;

// A measuring scale over a range of values, with ticks and labels at steps of 1, 2 or 5 times
// a power of ten that keep the labels apart, and a marker at one value. The widget's
// orientation lays it out: LEFT_RIGHT and RIGHT_LEFT along the width with the ticks hanging
// from the top edge, TOP_BOTTOM and BOTTOM_TOP along the height from the left edge; the second
// of each pair runs the values the other way. The zoom shows part of the range: 1 the whole
// range along the ruler, 2 half of it from the view start, and so on. The user sets the marker
// by pressing or dragging, zooms about the pointer with the wheel and pans with Shift and the
// wheel.
class RulerWidgetInterface : public virtual WidgetInterface {
 public:
  // "min is not smaller than max." unless both are finite and min < max. The view start and
  // the marker are held inside the new range.
  [[nodiscard]] virtual Result<void> SetRange(Float min, Float max) = 0;
  virtual Float GetMin() const = 0;
  virtual Float GetMax() const = 0;
  // "invalid zoom." unless finite and positive; held to [1, kRulerMaxZoom] otherwise.
  [[nodiscard]] virtual Result<void> SetZoom(Float zoom) = 0;
  virtual Float GetZoom() const = 0;
  // The value at the ruler's start, held so that the view stays inside the range.
  virtual void SetViewStart(Float value) = 0;
  virtual Float GetViewStart() const = 0;
  // Held inside the range. Setters do not notify.
  virtual void SetMarker(Float value) = 0;
  virtual Float GetMarker() const = 0;
  // The value under a local pixel along the ruler and back, as drawn now.
  virtual Float GetValueAtPixel(Float localPixel) const = 0;
  virtual Float GetPixelOfValue(Float value) const = 0;
  // Told after every marker move the user makes.
  virtual Ref<RulerObservable> ObservableMarkerChanged() = 0;
  // Told after every zoom or pan the user makes, with the new view start.
  virtual Ref<RulerObservable> ObservableViewChanged() = 0;
};

inline constexpr Float kRulerMaxZoom = 1.0e6;

}  // namespace zarvo
