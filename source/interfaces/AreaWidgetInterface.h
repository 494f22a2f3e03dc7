#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/ActionTrigger.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kAreaWidgetClassId[] = "net.zarvo.mvp.widgetclasses.area";
inline constexpr char kAreaWidgetInterfaceId[] = "net.zarvo.mvp.areawidget";
inline constexpr char kPanActionClassId[] = "net.zarvo.mvp.actionclasses.pan";
inline constexpr char kZoomActionClassId[] = "net.zarvo.mvp.actionclasses.zoom";

class AreaWidgetInterface;
using AreaWidgetRef = Ref<AreaWidgetInterface>;

// A plane of content that the user pans and zooms, over an optional grid whose spacing follows
// the zoom. The pan is the area's local position in its parent and the zoom its local scale
// (clamped to the style sheet's limits); the area sizes itself INFINITE so that a cell leaves
// both alone. Its children are the content, in content coordinates.
class AreaWidgetInterface : public virtual WidgetInterface {
 public:
  // The patterns that start the pan and zoom actions; a derived widget adds its own.
  virtual ActionTriggerRef GetActionTrigger() const = 0;
  // The grid step for subdivision n at scale a from base b (see ComputeGridStep).
  virtual void GetGridStep(Int n, Float& step, Float& fraction, Float a, Float b) const = 0;
  // The grid covers the rectangle between the two content points (the whole plane when they are
  // equal), its lines aligned to the first, `width` and `height` apart at zoom 1. A subdivision
  // below 1 is stored as 1, a minimum factor below 1.0 as 1.0.
  virtual bool SetGrid(Vector2d from, Vector2d to, CanvasUnitValue width, CanvasUnitValue height,
                       Int subdivision, Float minFactor) = 0;
  virtual void SetShowGrid(bool show) = 0;
  virtual bool GetShowGrid() const = 0;

  // The view, as the pan and zoom actions and the keyboard change it.
  virtual Vector2d GetPan() const = 0;
  virtual void SetPan(Vector2d pan) = 0;
  // Multiplies the zoom by `factor` keeping the content under `anchor` (global coordinates)
  // in place. A factor that is not a positive finite number fails and changes nothing.
  [[nodiscard]] virtual Result<void> ZoomAbout(Vector2d anchor, Float factor) = 0;
  // Sets both zoom components, clamped, about the area's visible centre; fails like ZoomAbout.
  [[nodiscard]] virtual Result<void> SetZoom(Float zoom) = 0;
};

}  // namespace zarvo
