#include "source/widgets_debug/EasterEggWidgetImpl.h"

#include <algorithm>

#include "host/core/Log.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_debug/EasterEggMotion.h"

namespace zarvo {

namespace {
constexpr Float kCreatedSize = 80.0;
// Thirty frames a second, in whole nanoseconds.
constexpr HostDuration kFramePeriod = std::chrono::nanoseconds(1'000'000'000 / 30);
constexpr Float kEggHeightShare = 0.5;
constexpr Float kEggAspect = 0.75;
constexpr Float kGroundMargin = 6.0;
constexpr Float kShadowHeightShare = 0.12;
constexpr Float kShadowShrinkWithHop = 0.5;
constexpr Float kEggSaturation = 0.55;
constexpr Float kEggValue = 0.95;
constexpr Float kOutlineWidth = 1.5;
// The spots, as (x share of the half width, y share of the height above the lowest point,
// radius share of the width).
constexpr Float kSpots[][3] = {{-0.35, 0.35, 0.09}, {0.3, 0.55, 0.07}, {0.05, 0.78, 0.06}};
// A quarter circle drawn as a cubic Bézier puts its handles this far out.
constexpr Float kQuarterHandle = 0.5523;

const StyleKey<ColorA> kEasterEggBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.easteregg.background_color", ColorA{0.16, 0.2, 0.26, 1.0});
const StyleKey<ColorA> kEasterEggRestColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.easteregg.rest_color", ColorA{0.96, 0.92, 0.8, 1.0});
const StyleKey<ColorA> kEasterEggSpotColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.easteregg.spot_color", ColorA{0.45, 0.3, 0.55, 1.0});
const StyleKey<ColorA> kEasterEggShadowColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.easteregg.shadow_color", ColorA{0.0, 0.0, 0.0, 0.35});

Path Ellipse(Vector2d centre, Float rx, Float ry) {
  const Float hx = kQuarterHandle * rx;
  const Float hy = kQuarterHandle * ry;
  const Float x = centre.x;
  const Float y = centre.y;
  Path path;
  path.MoveTo({x + rx, y})
      .CubicTo({x + rx, y + hy}, {x + hx, y + ry}, {x, y + ry})
      .CubicTo({x - hx, y + ry}, {x - rx, y + hy}, {x - rx, y})
      .CubicTo({x - rx, y - hy}, {x - hx, y - ry}, {x, y - ry})
      .CubicTo({x + hx, y - ry}, {x + rx, y - hy}, {x + rx, y})
      .Close();
  return path;
}
}  // namespace

EasterEggWidgetImpl::EasterEggWidgetImpl() : runningChanged_(MakeRef<EasterEggObservable>()) {}

Result<void> EasterEggWidgetImpl::InitComponent() {
  return InitObservables(this, {{runningChanged_.Get(), "ObservableRunningChanged"}});
}

void EasterEggWidgetImpl::FreeComponent() {
  Stop();
  FreeObservables({runningChanged_.Get()});
}

void EasterEggWidgetImpl::Start() {
  Stop();
  startedAt_ = GetHostTime();
  frames_ = 0;
  const WeakRef<EasterEggWidgetImpl> self(this);
  timer_ = GetMainThreadQueue().AddTimer(kFramePeriod, kMinTimerTolerance, [self]() {
    const Ref<EasterEggWidgetImpl> egg = self.Lock();
    return egg && egg->AdvanceFrame();
  });
  RequestRedraw();
}

void EasterEggWidgetImpl::Stop() {
  if (!timer_.IsSet()) return;
  GetMainThreadQueue().Cancel(timer_);
  timer_ = JobHandle();
  RequestRedraw();
}

Float EasterEggWidgetImpl::GetShowTime() const {
  if (!IsRunning()) return 0.0;
  return std::min(HostDurationToSeconds(GetHostTime() - startedAt_), kEasterEggShowSeconds);
}

bool EasterEggWidgetImpl::AdvanceFrame() {
  ++frames_;
  RequestRedraw();
  if (HostDurationToSeconds(GetHostTime() - startedAt_) < kEasterEggShowSeconds) return true;
  // The timer ends with this tick; forget it rather than cancel it from inside.
  timer_ = JobHandle();
  if (Result<void> told = runningChanged_->Notify(EasterEggWidgetRef(this), false); !told.IsOk()) {
    LogError("Easter egg observer failed: " + told.GetError().ToString());
  }
  return false;
}

Result<void> EasterEggWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("EasterEggWidget");
  ZV_TRY(SetLocalSize(kCreatedSize, kCreatedSize));
  return Ok();
}

Result<void> EasterEggWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Vector2d size = GetLocalPixSize();
  ZV_TRY(DrawRectangle(Rect{0.0, 0.0, size.x, size.y}, ReadStyle(*this, kEasterEggBackgroundColor)));
  const Float height = kEggHeightShare * std::min(size.y, size.x / kEggAspect);
  const Float width = kEggAspect * height;
  const Float ground = size.y - kGroundMargin;
  if (!(height > 0.0) || !(ground > height)) return Ok();

  const Float seconds = GetShowTime();
  const Float hop = IsRunning() ? EasterEggHop(seconds) : 0.0;
  const Float lean = IsRunning() ? EasterEggLean(seconds) : 0.0;
  const Float room = ground - height - kGroundMargin;
  const Vector2d bottom{0.5 * size.x, ground - hop * std::max(0.0, room)};

  const Float shadow = 0.5 * width * (1.0 - kShadowShrinkWithHop * hop);
  canvas->DrawShape(Ellipse({bottom.x, ground}, shadow, kShadowHeightShare * shadow),
                    PaintStyle::Filled(ReadStyle(*this, kEasterEggShadowColor)));
  const ColorA shell = IsRunning() ? HsvToRgb(Vector{EasterEggHue(seconds), kEggSaturation, kEggValue})
                                   : ReadStyle(*this, kEasterEggRestColor);
  const Path egg = EggOutline(bottom, width, height, lean);
  canvas->DrawShape(egg, PaintStyle::Filled(shell));
  const ColorA spotColor = ReadStyle(*this, kEasterEggSpotColor);
  for (const auto& spot : kSpots) {
    const Vector2d at = TurnAbout({bottom.x + spot[0] * 0.5 * width, bottom.y - spot[1] * height}, bottom, lean);
    canvas->DrawCircle(at, spot[2] * width, PaintStyle::Filled(spotColor));
  }
  canvas->DrawPath(egg, spotColor, kOutlineWidth);
  return Ok();
}

Result<bool> EasterEggWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || (*type != EVENT::BUTTON_DOWN && *type != EVENT::BUTTON_UP)) return false;
  ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
  if (buttons != BUTTON::LEFT) return false;
  // The press acts; its release is taken with it.
  if (*type == EVENT::BUTTON_UP) return true;
  if (IsRunning()) {
    Stop();
  } else {
    Start();
  }
  ZV_TRY(runningChanged_->Notify(EasterEggWidgetRef(this), IsRunning()));
  return true;
}

}  // namespace zarvo
