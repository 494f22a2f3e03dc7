#include "source/widgets_layout/AreaWidgetImpl.h"

#include <cmath>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/StyleSheet.h"
#include "source/interfaces/BasePanZoomActionInterface.h"
#include "source/widgets_layout/AreaStyle.h"

namespace zarvo {

namespace {
constexpr WIDGET_DIRECTION kH = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kV = WIDGET_DIRECTION::VERTICAL;

bool IsPositiveFinite(Float value) { return value > 0.0 && std::isfinite(value); }

Error BadZoomError(std::source_location where = std::source_location::current()) {
  return IllegalArgumentError("Zoom must be a positive finite number", where);
}
}  // namespace

AreaWidgetImpl::AreaWidgetImpl() : trigger_(MakeRef<ActionTrigger>()) {}

void AreaWidgetImpl::GetGridStep(Int n, Float& step, Float& fraction, Float a, Float b) const {
  const GridStep computed = ComputeGridStep(n, a, b);
  step = computed.step;
  fraction = computed.fraction;
}

bool AreaWidgetImpl::SetGrid(Vector2d from, Vector2d to, CanvasUnitValue width, CanvasUnitValue height,
                             Int subdivision, Float minFactor) {
  if (subdivision < 1) subdivision = 1;
  if (!(minFactor >= 1.0)) minFactor = 1.0;
  if (from == gridFrom_ && to == gridTo_ && width == gridWidth_ && height == gridHeight_ &&
      subdivision == gridSubdivision_ && minFactor == gridMinFactor_) {
    return true;
  }
  gridFrom_ = from;
  gridTo_ = to;
  gridWidth_ = width;
  gridHeight_ = height;
  gridSubdivision_ = subdivision;
  gridMinFactor_ = minFactor;
  if (showGrid_) RequestRedraw();
  return true;
}

void AreaWidgetImpl::SetShowGrid(bool show) {
  if (show == showGrid_) return;
  showGrid_ = show;
  RequestRedraw();
}

void AreaWidgetImpl::SetPan(Vector2d pan) {
  if (!std::isfinite(pan.x) || !std::isfinite(pan.y) || pan == GetLocalPosition()) return;
  SetLocalPosition(pan);
  RequestRedraw();
}

void AreaWidgetImpl::SetLocalScale(Vector2d scale) {
  if (!IsUsableZoom(scale)) return;
  const StyleSheetService& styles = StyleSheetService::Get();
  const StyleSheet* sheet = GetWidgetStylesheet();
  const Vector2d clamped = ClampZoom(scale, styles.Read(kAreaMinZoom, sheet), styles.Read(kAreaMaxZoom, sheet));
  if (clamped == GetLocalScale()) return;
  WidgetBase::SetLocalScale(clamped);
  RequestRedraw();
}

void AreaWidgetImpl::ApplyZoom(Vector2d anchor, Vector2d zoom) {
  const Vector2d before = GetLocalScale();
  SetLocalScale(zoom);
  const Vector2d after = GetLocalScale();
  if (after == before) return;
  // The view keeps the content under the anchor with the zoom as clamped, not as asked.
  SetPan(ZoomViewAbout({GetLocalPosition(), before}, anchor, after).pan);
}

Result<void> AreaWidgetImpl::ZoomAbout(Vector2d anchor, Float factor) {
  if (!IsPositiveFinite(factor)) return BadZoomError();
  if (!std::isfinite(anchor.x) || !std::isfinite(anchor.y)) return IllegalArgumentError("Zoom anchor is not finite");
  const Vector2d zoom = GetLocalScale();
  ApplyZoom(GlobalToParent(anchor), {zoom.x * factor, zoom.y * factor});
  return Ok();
}

Result<void> AreaWidgetImpl::SetZoom(Float zoom) {
  if (!IsPositiveFinite(zoom)) return BadZoomError();
  const Rect visible = GetVisibleGlobal();
  const Vector2d center = visible.IsEmpty() ? LocalToGlobalPosition({0.0, 0.0})
                                            : Vector2d{(visible.left + visible.right) * 0.5,
                                                       (visible.top + visible.bottom) * 0.5};
  ApplyZoom(GlobalToParent(center), {zoom, zoom});
  return Ok();
}

Vector2d AreaWidgetImpl::GlobalToParent(Vector2d global) const {
  const WidgetInterface* parent = GetParentWidget();
  return parent ? parent->GlobalToLocalPosition(global) : global;
}

Rect AreaWidgetImpl::GetVisibleGlobal() const {
  Rect visible = GetGlobalFrame();
  for (const WidgetInterface* p = GetParentWidget(); p; p = p->GetParentWidget()) {
    visible = visible.Intersect(p->GetGlobalFrame());
    if (visible.IsEmpty()) break;
  }
  return visible;
}

Rect AreaWidgetImpl::GetVisibleContent() const {
  const Rect visible = GetVisibleGlobal();
  if (visible.IsEmpty()) return {};
  return GetGlobalInverseMatrix().TransformRect(visible);
}

Result<void> AreaWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("AreaWidget");
  SetAcceptFocus(true);
  SetBackgroundVisibility(true);
  SetBackgroundColor(StyleSheetService::Get().Read(kAreaBackgroundColor, GetWidgetStylesheet()));
  // An unbounded plane: the cell holding it neither measures nor moves it, so the pan stays.
  SetSizeMode(WIDGET_SIZE::INFINITE, kH);
  SetSizeMode(WIDGET_SIZE::INFINITE, kV);
  ZV_TRY(SetLocalSize(kAreaExtent, kAreaExtent));
  ZV_TRY(trigger_->RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::MIDDLE, 0, MODIFIER::NONE}, Id(kPanActionClassId)));
  ZV_TRY(trigger_->RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::LEFT, 0, MODIFIER::ALT}, Id(kPanActionClassId)));
  ZV_TRY(trigger_->RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::RIGHT, 0, MODIFIER::ALT}, Id(kZoomActionClassId)));
  ZV_TRY(trigger_->RegisterHotkeyPattern({EVENT::BUTTON_DOWN, BUTTON::MIDDLE, 0, MODIFIER::CONTROL},
                                         Id(kZoomActionClassId)));
  return Ok();
}

Result<void> AreaWidgetImpl::DrawBackground() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Rect visible = GetVisibleContent();
  if (visible.IsEmpty()) return Ok();
  const ColorA background = GetBackgroundColor();
  if (GetBackgroundVisibility() && background.a > 0.0) canvas->DrawRectangle(visible, PaintStyle::Filled(background));
  if (!showGrid_) return Ok();
  return DrawGridLines(visible, StyleSheetService::Get().Read(kAreaGridColor, GetWidgetStylesheet()));
}

Result<void> AreaWidgetImpl::DrawGridLines(const Rect& visible, const ColorA& color) {
  CanvasInterface* canvas = GetCanvas();
  Rect bounds = visible;
  if (!(gridFrom_ == gridTo_)) {
    const Rect grid{std::min(gridFrom_.x, gridTo_.x), std::min(gridFrom_.y, gridTo_.y),
                    std::max(gridFrom_.x, gridTo_.x), std::max(gridFrom_.y, gridTo_.y)};
    bounds = visible.Intersect(grid);
    if (bounds.IsEmpty()) return Ok();
  }
  const Float remBase = GetRemBase();
  const Vector2d zoom = GetLocalScale();
  ColorA fine = color;
  // One direction at a time: vertical lines step along x, horizontal ones along y.
  for (const bool vertical : {true, false}) {
    const Float length = (vertical ? gridWidth_ : gridHeight_).ToPixels(remBase);
    const Float scale = vertical ? zoom.x : zoom.y;
    if (!(length > 0.0)) continue;
    const GridLook look = ComputeGridLook(length, gridSubdivision_, gridMinFactor_, scale);
    const Float origin = vertical ? gridFrom_.x : gridFrom_.y;
    const Float from = vertical ? bounds.left : bounds.top;
    const Float to = vertical ? bounds.right : bounds.bottom;
    const Float width = kAreaGridLineWidth / scale;
    const auto drawLines = [&](Float spacing, const ColorA& lineColor, Int skipEvery) {
      const GridLineRange range = GridLinesIn(origin, spacing, from, to);
      for (Int i = range.first; i < range.first + range.count; ++i) {
        if (skipEvery > 1 && i % skipEvery == 0) continue;  // a main line lies there
        const Float at = origin + static_cast<Float>(i) * spacing;
        if (vertical) {
          canvas->DrawLine({at, bounds.top}, {at, bounds.bottom}, lineColor, width);
        } else {
          canvas->DrawLine({bounds.left, at}, {bounds.right, at}, lineColor, width);
        }
      }
    };
    if (look.fineSpacing < look.spacing && look.fineOpacity > 0.0) {
      fine.a = color.a * kAreaFineGridOpacity * look.fineOpacity;
      drawLines(look.fineSpacing, fine, gridSubdivision_);
    }
    drawLines(look.spacing, color, 0);
  }
  return Ok();
}

Result<bool> AreaWidgetImpl::MouseHit(Vector2d position) const {
  if (!GetGlobalVisibility()) return false;
  return GetVisibleGlobal().Contains(position);
}

Result<bool> AreaWidgetImpl::StartTriggeredAction(const DataDictionary& event) {
  const Id* actionClass = trigger_->FindAction(event);
  if (!actionClass) return false;
  AppWidgetInterface* app = GetAppWidget();
  if (!app) return false;
  ZV_TRY_ASSIGN(ActionRef action, app->CreateAction(*actionClass));
  // The area's own actions work on the widget they are given; others take it from Begin.
  if (auto* linked = dynamic_cast<BasePanZoomActionInterface*>(action.Get())) linked->SetActionWidget(this);
  if (!action->GetAllowed(event)) return false;
  return app->StartAction(action, this, event);
}

Result<bool> AreaWidgetImpl::HandleKey(Int32 key) {
  switch (key) {
    case '+':
    case '=':
      ZV_TRY(SetZoom(GetLocalScale().x * kAreaZoomStep));
      return true;
    case '-':
      ZV_TRY(SetZoom(GetLocalScale().x / kAreaZoomStep));
      return true;
    case '0':
      ZV_TRY(SetZoom(1.0));
      return true;
    case KEY::LEFT: SetPan(GetPan() + Vector2d{kAreaKeyPanStep, 0.0}); return true;
    case KEY::RIGHT: SetPan(GetPan() - Vector2d{kAreaKeyPanStep, 0.0}); return true;
    case KEY::UP: SetPan(GetPan() + Vector2d{0.0, kAreaKeyPanStep}); return true;
    case KEY::DOWN: SetPan(GetPan() - Vector2d{0.0, kAreaKeyPanStep}); return true;
    default: return false;
  }
}

Result<bool> AreaWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN:
    case EVENT::KEYBOARD_KEY_DOWN: {
      ZV_TRY_ASSIGN(const bool started, StartTriggeredAction(*event));
      if (started || *type == EVENT::BUTTON_DOWN) return started;
      ZV_TRY_ASSIGN(const Int modifiers, reader.GetModifierState());
      if ((modifiers & (MODIFIER::CONTROL | MODIFIER::ALT)) != 0) return false;
      ZV_TRY_ASSIGN(const Int32 key, reader.GetKey());
      return HandleKey(key);
    }
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(const Int32 key, reader.GetKey());
      return HandleKey(key);
    }
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(const Vector2d scroll, reader.GetScrollVector());
      ZV_TRY_ASSIGN(const Vector2d position, reader.GetPosition());
      if (scroll.y == 0.0) return false;
      // Turning the wheel up brings the content nearer, one step per notch.
      ZV_TRY(ZoomAbout(position, std::pow(kAreaZoomStep, scroll.y / kScrollPixelsPerWheelNotch)));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zarvo
