#include "source/widgets_debug/DoodleWidgetImpl.h"

#include <cmath>

#include "host/ui/CanvasInterface.h"
#include "source/WidgetComponent.h"
#include "source/widgets_debug/DoodleMath.h"

namespace zarvo {

DoodleWidgetImpl::DoodleWidgetImpl() : strokeEnded_(MakeRef<DoodleObservable>()) {}

Result<void> DoodleWidgetImpl::InitComponent() {
  return InitObservables(this, {{strokeEnded_.Get(), "ObservableStrokeEnded"}});
}

void DoodleWidgetImpl::FreeComponent() { FreeObservables({strokeEnded_.Get()}); }

void DoodleWidgetImpl::SetBrushColor(const ColorA& color) {
  if (color == brushColor_) return;
  brushColor_ = color;  // only strokes to come take it, so nothing to redraw
}

Result<void> DoodleWidgetImpl::SetBrushWidth(Float width) {
  if (!(width > 0.0 && std::isfinite(width))) return IllegalArgumentError("Brush width must be a positive finite number");
  if (width == brushWidth_) return Ok();
  brushWidth_ = width;  // only strokes to come take it
  return Ok();
}

void DoodleWidgetImpl::Clear() {
  if (strokes_.empty()) return;
  strokes_.clear();
  painting_ = false;
  RequestRedraw();
}

void DoodleWidgetImpl::BeginStroke(Vector2d content) {
  // A stroke left open (its action went away without ending it) is kept as it stands.
  strokes_.push_back({{content}, brushColor_, brushWidth_});
  painting_ = true;
  RequestRedraw();
}

void DoodleWidgetImpl::ExtendStroke(Vector2d content) {
  if (!painting_ || !std::isfinite(content.x) || !std::isfinite(content.y)) return;
  std::vector<Vector2d>& points = strokes_.back().points;
  if (points.back() == content) return;
  points.push_back(content);
  RequestRedraw();
}

Result<void> DoodleWidgetImpl::EndStroke() {
  if (!painting_) return Ok();
  painting_ = false;
  return strokeEnded_->Notify(DoodleWidgetRef(this), GetStrokeCount() - 1);
}

void DoodleWidgetImpl::CancelStroke() {
  if (!painting_) return;
  painting_ = false;
  strokes_.pop_back();
  RequestRedraw();
}

Result<void> DoodleWidgetImpl::CreateLayout() {
  ZV_TRY(AreaWidgetImpl::CreateLayout());
  SetName("DoodleWidget");
  return GetActionTrigger()->RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::LEFT, 0, MODIFIER::NONE},
                                                   Id(kPaintActionClassId));
}

Result<void> DoodleWidgetImpl::DrawContent() {
  ZV_TRY(AreaWidgetImpl::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  for (const DoodleStroke& stroke : strokes_) {
    if (stroke.points.size() == 1) {
      // A press without a move leaves a dot the size of the brush.
      canvas->DrawCircle(stroke.points.front(), stroke.width * 0.5, PaintStyle::Filled(stroke.color));
      continue;
    }
    canvas->DrawPath(SmoothStrokePath(stroke.points), stroke.color, stroke.width);
  }
  return Ok();
}

}  // namespace zarvo
