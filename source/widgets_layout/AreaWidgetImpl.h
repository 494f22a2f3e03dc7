#pragma once
#include "host/ui/ActionTrigger.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/AreaWidgetInterface.h"
#include "source/widgets_layout/AreaMath.h"

namespace zarvo {

// The area's extent in content pixels: large enough to stand for an unbounded plane, small
// enough that its frame stays a sane rectangle at the largest zoom.
constexpr Float kAreaExtent = 1048576.0;
// The grid at creation: lines 20 px apart, every fifth one a main line.
constexpr Float kAreaDefaultGridLength = 20.0;
constexpr Int kAreaDefaultGridSubdivision = 5;
// Grid lines are this many screen pixels wide at any zoom.
constexpr Float kAreaGridLineWidth = 1.0;
// Opacity of the finer grid lines at their clearest, against the main lines.
constexpr Float kAreaFineGridOpacity = 0.55;
// One wheel notch, and one stroke of the zoom keys, multiply the zoom by this.
constexpr Float kAreaZoomStep = 1.25;
// An arrow key pans the content by this many pixels.
constexpr Float kAreaKeyPanStep = 40.0;

// A pannable, zoomable plane (see AreaWidgetInterface). Pressing the middle button, or the left
// with Alt, pans; the right button with Alt zooms by dragging up and down; the wheel zooms about
// the pointer; with the focus, the arrow keys pan, "+" and "-" zoom and "0" goes back to zoom 1.
class AreaWidgetImpl : public WidgetBase, public virtual AreaWidgetInterface {
 public:
  AreaWidgetImpl();

  ActionTriggerRef GetActionTrigger() const override { return trigger_; }
  void GetGridStep(Int n, Float& step, Float& fraction, Float a, Float b) const override;
  bool SetGrid(Vector2d from, Vector2d to, CanvasUnitValue width, CanvasUnitValue height, Int subdivision,
               Float minFactor) override;
  void SetShowGrid(bool show) override;
  bool GetShowGrid() const override { return showGrid_; }
  Vector2d GetPan() const override { return GetLocalPosition(); }
  void SetPan(Vector2d pan) override;
  Result<void> ZoomAbout(Vector2d anchor, Float factor) override;
  Result<void> SetZoom(Float zoom) override;

  void SetLocalScale(Vector2d scale) override;
  Result<void> CreateLayout() override;
  Result<void> DrawBackground() override;
  // A plane has no hover tint: it would cover all of it.
  Result<void> DrawHighlight() override { return Ok(); }
  Result<bool> MouseHit(Vector2d position) const override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  AreaView GetView() const { return {GetLocalPosition(), GetLocalScale()}; }
  // The content rectangle in view: the part of the area inside its parent (the window's root
  // when it has none), in content coordinates.
  Rect GetVisibleContent() const;
  // The grid as stored.
  Vector2d GetGridFrom() const { return gridFrom_; }
  Vector2d GetGridTo() const { return gridTo_; }
  CanvasUnitValue GetGridWidth() const { return gridWidth_; }
  CanvasUnitValue GetGridHeight() const { return gridHeight_; }
  Int GetGridSubdivision() const { return gridSubdivision_; }
  Float GetGridMinFactor() const { return gridMinFactor_; }

 private:
  // The view at `zoom` (clamped) keeping the content under `anchor` (parent coordinates).
  void ApplyZoom(Vector2d anchor, Vector2d zoom);
  Vector2d GlobalToParent(Vector2d global) const;
  Rect GetVisibleGlobal() const;
  [[nodiscard]] Result<bool> StartTriggeredAction(const DataDictionary& event);
  [[nodiscard]] Result<bool> HandleKey(Int32 key);
  [[nodiscard]] Result<void> DrawGridLines(const Rect& visible, const ColorA& color);

  ActionTriggerRef trigger_;
  Vector2d gridFrom_;
  Vector2d gridTo_;
  CanvasUnitValue gridWidth_ = CanvasUnitValue::Pix(kAreaDefaultGridLength);
  CanvasUnitValue gridHeight_ = CanvasUnitValue::Pix(kAreaDefaultGridLength);
  Int gridSubdivision_ = kAreaDefaultGridSubdivision;
  Float gridMinFactor_ = 1.0;
  bool showGrid_ = false;
};

}  // namespace zarvo
