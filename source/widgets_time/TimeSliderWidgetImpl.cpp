#include "source/widgets_time/TimeSliderWidgetImpl.h"

#include <algorithm>
#include <cmath>

#include "host/ui/CanvasInterface.h"
#include "source/WidgetComponent.h"
#include "source/widgets_time/TimelineMath.h"

namespace zarvo {

namespace {
constexpr Float kDefaultFps = 24.0;
constexpr Float kDefaultMaxTime = 100.0 / kDefaultFps;
constexpr Float kDefaultTime = 50.0 / kDefaultFps;
constexpr Float kDefaultLineHeight = 12.0;
constexpr Float kCreatedSize = 100.0;
// The ruler is three label lines high; the stream's strip lies under it.
constexpr Float kRulerLines = 3.0;
constexpr Float kStreamStripHeight = 80.0;
constexpr char kLineHeightSample[] = "0123456789:";
constexpr char kLabelWidthSample[] = "88:88:88";

constexpr Float kLabelTickWidth = 3.0;
constexpr Float kLabelTickLines = 1.75;
constexpr Float kLabelCenterLines = 2.5;
constexpr Float kFrameTickWidth = 0.4;
constexpr Float kFrameTickLines = 1.5;
constexpr Float kBaselineWidth = 8.0;
constexpr Float kCursorWidth = 4.0;
// Seconds and frames get ticks of their own once they are this far apart.
constexpr Float kSecondTickMinPixels = 25.0;
constexpr Float kFrameTickMinPixels = 5.0;

constexpr ColorA kRulerColor{0.16, 0.16, 0.16, 1.0};
constexpr ColorA kLabelTickColor{0.62, 0.62, 0.62, 1.0};
constexpr ColorA kFrameTickColor{0.45, 0.45, 0.45, 1.0};
constexpr ColorA kLabelColor{0.8, 0.8, 0.8, 1.0};
constexpr ColorA kBaselineColor{0.32, 0.32, 0.32, 1.0};
constexpr ColorA kCursorColor{1.0, 1.0, 1.0, 1.0};

// Frames n with n mod step == 0, from the first at or after `from`.
Int FirstMultipleAtOrAfter(Int from, Int step) {
  const Int remainder = ((from % step) + step) % step;
  return remainder == 0 ? from : from + (step - remainder);
}
}  // namespace

TimeSliderWidgetImpl::TimeSliderWidgetImpl()
    : min_(0.0),
      max_(kDefaultMaxTime),
      time_(kDefaultTime),
      fps_(kDefaultFps),
      timeValueChanged_(MakeRef<TimeSliderObservable>()),
      lineHeight_(kDefaultLineHeight) {}

Result<void> TimeSliderWidgetImpl::InitComponent() {
  return InitObservables(this, {{timeValueChanged_.Get(), "ObservableTimeValueChanged"}});
}

void TimeSliderWidgetImpl::FreeComponent() { FreeObservables({timeValueChanged_.Get()}); }

Result<void> TimeSliderWidgetImpl::SetTimeValue(Float time) {
  if (!(time >= min_ && time <= max_)) return IllegalArgumentError("value is outside [min, max] range");
  const Float snapped = SnapInsideRange(time, min_, max_, fps_);
  if (snapped == time_) return Ok();
  DamageCursorAt(time_);
  time_ = snapped;
  DamageCursorAt(time_);
  return Ok();
}

Result<void> TimeSliderWidgetImpl::SetMinTime(Float time) {
  if (!(time < max_)) return IllegalArgumentError("min is not smaller then max.");
  if (time == min_) return Ok();
  min_ = time;
  RequestRedraw();
  return Ok();
}

Result<void> TimeSliderWidgetImpl::SetMaxTime(Float time) {
  if (!(time > min_)) return IllegalArgumentError("max is not greater then min.");
  if (time == max_) return Ok();
  max_ = time;
  RequestRedraw();
  return Ok();
}

Result<void> TimeSliderWidgetImpl::SetFps(Float fps) {
  if (!(fps > 0.0) || std::isinf(fps)) return IllegalArgumentError("invalid frame rate.");
  if (fps == fps_) return Ok();
  fps_ = fps;
  RequestRedraw();
  return Ok();
}

void TimeSliderWidgetImpl::SetStream(const TimeSliderStreamRef& stream) {
  if (stream.Get() == stream_.Get()) return;
  stream_ = stream;
  RequestLayout();
  RequestRedraw();
}

Result<void> TimeSliderWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("TimeSliderWidget");
  ZV_TRY(SetLocalSize(kCreatedSize, kCreatedSize));
  SetFocusVisibility(false);
  SetAcceptFocus(true);
  return Ok();
}

Result<void> TimeSliderWidgetImpl::LayoutBegin() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  ZV_TRY_ASSIGN(labelFont_, CreateDefaultFontHandle(*canvas, FONTBASELINE::CENTER));
  lineHeight_ = labelFont_->GetStringBoundingBox(kLineHeightSample).Height();
  labelWidth_ = labelFont_->GetStringBoundingBox(kLabelWidthSample).Width();
  return Ok();
}

Result<void> TimeSliderWidgetImpl::LayoutPass1() {
  Float height = kRulerLines * lineHeight_;
  if (stream_) {
    const Vector2d frame = stream_->GetFrameSize();
    if (frame.y > 0.0) height += kStreamStripHeight * (frame.x / frame.y);
  }
  return SetLocalSize(GetLocalPixSize().x, height);
}

void TimeSliderWidgetImpl::DamageCursorAt(Float time) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return;
  const Vector2d size = GetLocalPixSize();
  const Float x = CursorPixel(time, min_, max_, size.x);
  const Vector2d topLeft = LocalToGlobalPosition({x - kCursorWidth, 0.0});
  const Vector2d bottomRight = LocalToGlobalPosition({x + kCursorWidth, size.y});
  canvas->RequestRedrawArea(Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

Float TimeSliderWidgetImpl::GetDeviceWidth() const {
  // Labels are not scaled with the widget: their spacing, and how dense ticks may get, are
  // decided on the device. A widget scaled far down would otherwise label every frame.
  const Matrix2d global = GetGlobalMatrix();
  return GetLocalPixSize().x * std::hypot(global.a, global.b);
}

Result<void> TimeSliderWidgetImpl::DrawRuler(Float fromX, Float toX, Float deviceWidth) {
  CanvasInterface* canvas = GetCanvas();
  const Float width = GetLocalPixSize().x;
  const Float h = lineHeight_;
  const Float range = max_ - min_;
  const Int firstFrame = FrameOfTime(min_, fps_);
  const Int lastFrame = FrameOfTime(max_, fps_);
  const FrameSpan span = FramesInPixels(fromX, toX, min_, max_, width, fps_, firstFrame, lastFrame);
  auto frameX = [&](Int frame) { return PixelOfTime(static_cast<Float>(frame) / fps_, min_, max_, width); };

  if (deviceWidth / (range * fps_) > kFrameTickMinPixels) {
    for (Int n = span.first; n <= span.last; ++n) {
      const Float x = frameX(n);
      canvas->DrawLine({x, 0.0}, {x, kFrameTickLines * h}, kFrameTickColor, kFrameTickWidth);
    }
  }
  if (deviceWidth / range > kSecondTickMinPixels) {
    const Float perPixel = range / width;
    const Int lastSecond = static_cast<Int>(std::floor(std::min(max_, min_ + toX * perPixel)));
    for (Int s = static_cast<Int>(std::ceil(std::max(min_, min_ + fromX * perPixel))); s <= lastSecond; ++s) {
      const Float x = PixelOfTime(static_cast<Float>(s), min_, max_, width);
      canvas->DrawLine({x, 0.0}, {x, kLabelTickLines * h}, kLabelTickColor, kLabelTickWidth);
    }
  }
  const Int step = LabelStepFrames(fps_, lastFrame - firstFrame, deviceWidth, labelWidth_);
  // A label is centred on its tick but kept inside the ruler; one that the ends push onto its
  // neighbour is left out. Both follow from the frame alone, so a partial repaint draws what a
  // full one does.
  auto labelLeft = [&](const String& label, Int frame) {
    const Float labelWidth = labelFont_->GetStringBoundingBox(label).Width();
    return std::clamp(frameX(frame) - labelWidth * 0.5, 0.0, std::max(0.0, width - labelWidth));
  };
  for (Int n = FirstMultipleAtOrAfter(span.first, step); n <= span.last; n += step) {
    const Float x = frameX(n);
    canvas->DrawLine({x, 0.0}, {x, kLabelTickLines * h}, kLabelTickColor, kLabelTickWidth);
    if (!labelFont_) continue;
    const String label = FrameLabel(n, fps_);
    const Float left = labelLeft(label, n);
    if (n - step >= firstFrame) {
      const String previous = FrameLabel(n - step, fps_);
      const Float previousRight = labelLeft(previous, n - step) + labelFont_->GetStringBoundingBox(previous).Width();
      if (previousRight > left) continue;
    }
    ZV_TRY(canvas->DrawText(label, *labelFont_, {left, kLabelCenterLines * h}, kLabelColor));
  }
  return Ok();
}

Result<void> TimeSliderWidgetImpl::DrawStream(Float fromX, Float toX, Float deviceWidth) {
  CanvasInterface* canvas = GetCanvas();
  const Float width = GetLocalPixSize().x;
  const Float top = kRulerLines * lineHeight_;
  const Int firstFrame = FrameOfTime(min_, fps_);
  const Int lastFrame = FrameOfTime(max_, fps_);
  // One swatch per label step, each in the colour of the stream at its first frame.
  const Int step = LabelStepFrames(fps_, lastFrame - firstFrame, deviceWidth, labelWidth_);
  const FrameSpan span = FramesInPixels(fromX, toX, min_, max_, width, fps_, firstFrame, lastFrame);
  for (Int n = FirstMultipleAtOrAfter(span.first, step) - step; n <= span.last; n += step) {
    const Float time = static_cast<Float>(n) / fps_;
    const Float left = std::max(0.0, PixelOfTime(time, min_, max_, width));
    const Float right = std::min(width, PixelOfTime(static_cast<Float>(n + step) / fps_, min_, max_, width));
    if (!(right > left)) continue;
    canvas->DrawRectangle(Rect{left, top, right, top + kStreamStripHeight},
                          PaintStyle::Filled(stream_->GetFrameColor(std::max(time, min_))));
  }
  return Ok();
}

Result<void> TimeSliderWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Vector2d size = GetLocalPixSize();
  const Float rulerHeight = kRulerLines * lineHeight_;
  ZV_TRY(DrawRectangle(Rect{0.0, 0.0, size.x, rulerHeight}, kRulerColor));
  if (!(size.x > 0.0)) return Ok();
  // What the damage lets through, widened by a label so that labels cut by its edge are drawn.
  const Rect clip = canvas->GetClipBounds();
  const Float fromX = std::max(0.0, GlobalToLocalPosition({clip.left, clip.top}).x - labelWidth_);
  const Float toX = std::min(size.x, GlobalToLocalPosition({clip.right, clip.bottom}).x + labelWidth_);
  // An unbounded range has no pixel per frame, and a widget collapsed on the device shows
  // nothing: no ticks, labels or swatches.
  const Float deviceWidth = GetDeviceWidth();
  if (std::isfinite(max_ - min_) && deviceWidth > 0.0) {
    ZV_TRY(DrawRuler(fromX, toX, deviceWidth));
    if (stream_) ZV_TRY(DrawStream(fromX, toX, deviceWidth));
  }
  canvas->DrawLine({fromX, 0.0}, {toX, 0.0}, kBaselineColor, kBaselineWidth);
  const Float cursor = CursorPixel(time_, min_, max_, size.x);
  if (std::isfinite(cursor)) canvas->DrawLine({cursor, 0.0}, {cursor, rulerHeight}, kCursorColor, kCursorWidth);
  return Ok();
}

Result<bool> TimeSliderWidgetImpl::ApplyUserTime(Float time) {
  // A pointer or wheel over an unbounded range points at no time in particular.
  if (std::isnan(time)) return true;
  const Float snapped = SnapInsideRange(time, min_, max_, fps_);
  if (snapped == time_) return true;
  DamageCursorAt(time_);
  time_ = snapped;
  DamageCursorAt(time_);
  ZV_TRY(timeValueChanged_->Notify(TimeSliderWidgetRef(this), time_));
  return true;
}

Result<bool> TimeSliderWidgetImpl::SetFromPointer(const EventReader& reader) {
  ZV_TRY_ASSIGN(Vector2d pointer, reader.GetPosition());
  const Rect frame = GetGlobalFrame();
  return ApplyUserTime(TimeAtPointer(pointer.x, frame.left, frame.right, min_, max_));
}

Result<bool> TimeSliderWidgetImpl::HandleEvent(const DataDictionary* event) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return false;
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      dragging_ = true;
      return SetFromPointer(reader);
    }
    case EVENT::BUTTON_DRAG:
      if (!dragging_) return true;
      return SetFromPointer(reader);
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      dragging_ = false;
      RequestRedraw();
      return true;
    }
    case EVENT::SCROLL: {
      ZV_TRY_ASSIGN(Vector2d scroll, reader.GetScrollVector());
      return ApplyUserTime(ScrollTime(time_, scroll.x, min_, max_));
    }
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      if (key != KEY::LEFT && key != KEY::RIGHT) return false;
      const bool wholeSeconds = canvas->IsKeyPressed(kTimeSliderSecondsKey);
      return ApplyUserTime(KeyStepTime(time_, fps_, key == KEY::RIGHT, wholeSeconds));
    }
    default:
      return false;
  }
}

}  // namespace zarvo
