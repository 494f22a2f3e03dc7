#pragma once
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/AreaWidgetInterface.h"

namespace zarvo {

inline constexpr char kDoodleWidgetClassId[] = "net.zarvo.mvp.widgetclasses.doodle";
inline constexpr char kDoodleWidgetInterfaceId[] = "net.zarvo.mvp.doodlewidget";
inline constexpr char kPaintActionClassId[] = "net.zarvo.mvp.actionclasses.paint";

class DoodleWidgetInterface;
using DoodleWidgetRef = Ref<DoodleWidgetInterface>;
// Observers receive the canvas and the index of the stroke that ended.
using DoodleObservable = Observable<const DoodleWidgetRef&, Int>;

// One freehand stroke: the pointer's path in content coordinates, with the brush it was drawn
// with.
struct DoodleStroke {
  std::vector<Vector2d> points;
  ColorA color;
  Float width = 0.0;
};

// A freehand canvas on a pannable, zoomable area: dragging with the left button paints a
// stroke with the current brush; the area's own bindings still pan and zoom. Strokes live in
// content coordinates, so they pan and zoom with the plane.
class DoodleWidgetInterface : public virtual AreaWidgetInterface {
 public:
  virtual void SetBrushColor(const ColorA& color) = 0;
  virtual ColorA GetBrushColor() const = 0;
  // "Brush width must be a positive finite number" otherwise; in content pixels.
  [[nodiscard]] virtual Result<void> SetBrushWidth(Float width) = 0;
  virtual Float GetBrushWidth() const = 0;

  virtual Int GetStrokeCount() const = 0;
  // The finished strokes in the order they were painted, then the one being painted, if any.
  virtual const std::vector<DoodleStroke>& GetStrokes() const = 0;
  // Forgets every stroke, the one being painted too.
  virtual void Clear() = 0;

  // The paint action's steps, in content coordinates. EndStroke notifies.
  virtual void BeginStroke(Vector2d content) = 0;
  virtual void ExtendStroke(Vector2d content) = 0;
  [[nodiscard]] virtual Result<void> EndStroke() = 0;
  virtual void CancelStroke() = 0;
  virtual bool IsPainting() const = 0;

  virtual Ref<DoodleObservable> ObservableStrokeEnded() = 0;
};

}  // namespace zarvo
