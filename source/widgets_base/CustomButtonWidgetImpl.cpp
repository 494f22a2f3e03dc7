#include "source/widgets_base/CustomButtonWidgetImpl.h"

#include <algorithm>
#include <cmath>

#include "host/core/Log.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"

namespace zarvo {

namespace {
constexpr Int kHorizontal = DRAG_DIRECTION::LEFT | DRAG_DIRECTION::RIGHT;
constexpr Int kVertical = DRAG_DIRECTION::UP | DRAG_DIRECTION::DOWN;
constexpr Int kAllDirections = kHorizontal | kVertical;
// The timer polls at the fastest interval, so every interval in between is met on its tick.
constexpr HostDuration kRepeatTimerPeriod = HostDurationFromSeconds(kCustomButtonFastestRepeatInterval);
constexpr HostDuration kFirstRepeatDelay = HostDurationFromSeconds(kCustomButtonFirstRepeatDelay);
}  // namespace

CustomButtonDrag ComputeCustomButtonDrag(Vector2d delta, Int allowedDirections) {
  CustomButtonDrag drag;
  const bool horizontalAllowed = (allowedDirections & kHorizontal) != 0;
  const bool verticalAllowed = (allowedDirections & kVertical) != 0;
  if (!horizontalAllowed && !verticalAllowed) return drag;
  const bool vertical = !horizontalAllowed || (verticalAllowed && std::abs(delta.y) >= std::abs(delta.x));
  const Float along = vertical ? delta.y : delta.x;
  if (along < 0.0) {
    drag.direction = vertical ? DRAG_DIRECTION::UP : DRAG_DIRECTION::LEFT;
  } else if (along > 0.0) {
    drag.direction = vertical ? DRAG_DIRECTION::DOWN : DRAG_DIRECTION::RIGHT;
  }
  if ((drag.direction & allowedDirections) == 0) {
    drag.direction = DRAG_DIRECTION::NONE;
    return drag;
  }
  const Float distance = std::min(std::abs(along), kCustomButtonFastestRateDistance);
  drag.repeatInterval = kCustomButtonSlowestRepeatInterval -
                        (distance / kCustomButtonFastestRateDistance) *
                            (kCustomButtonSlowestRepeatInterval - kCustomButtonFastestRepeatInterval);
  return drag;
}

CustomButtonWidgetImpl::CustomButtonWidgetImpl() = default;

CustomButtonWidgetImpl::~CustomButtonWidgetImpl() { StopRepeat(); }

Result<void> CustomButtonWidgetImpl::InitComponent() {
  ZV_TRY(CustomWidgetImpl::InitComponent());
  // The observables are named when they are first handed out.
  return Ok();
}

void CustomButtonWidgetImpl::FreeComponent() {
  StopRepeat();
  FreeObservables({buttonDownObservable_.Peek(), buttonUpObservable_.Peek()});
  CustomWidgetImpl::FreeComponent();
}

Result<void> CustomButtonWidgetImpl::CreateLayout() {
  ZV_TRY(CustomWidgetImpl::CreateLayout());
  SetName("CustomButtonWidget");
  return Ok();
}

void CustomButtonWidgetImpl::SetAllowedDragDirections(Int directions) {
  allowedDirections_ = directions & kAllDirections;
}

Result<bool> CustomButtonWidgetImpl::Fire(const LazyObservable<CustomButtonObservable>& observable) {
  return FireObservable(observable, CustomButtonWidgetRef(this));
}

Result<bool> CustomButtonWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      buttonDown_ = true;
      draggingDirection_ = DRAG_DIRECTION::NONE;
      savedBackgroundColor_ = GetBackgroundColor();
      RequestRedraw();
      ZV_TRY(Fire(buttonDownObservable_));
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      pressPosition_ = position;
      pressTime_ = GetHostTime();
      StartRepeat();
      return true;
    }
    case EVENT::BUTTON_DRAG: {
      if (!buttonDown_ || allowedDirections_ == DRAG_DIRECTION::NONE) return false;
      ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
      const CustomButtonDrag drag = ComputeCustomButtonDrag(position - pressPosition_, allowedDirections_);
      draggingDirection_ = drag.direction;
      repeatInterval_ = drag.repeatInterval;
      return true;
    }
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      buttonDown_ = false;
      draggingDirection_ = DRAG_DIRECTION::NONE;
      StopRepeat();
      RequestRedraw();
      return Fire(buttonUpObservable_);
    }
    default:
      return false;
  }
}

void CustomButtonWidgetImpl::StartRepeat() {
  StopRepeat();
  repeatInterval_ = kCustomButtonSlowestRepeatInterval;
  repeated_ = false;
  lastRepeatTime_ = pressTime_;
  repeatJob_ = GetMainThreadQueue().AddTimer(
      kRepeatTimerPeriod, kMinTimerTolerance, [link = WeakRef<CustomButtonWidgetImpl>(this)] {
        Ref<CustomButtonWidgetImpl> button = link.Lock();
        return button && button->RepeatTick();
      });
}

void CustomButtonWidgetImpl::StopRepeat() {
  if (repeatJob_.IsSet()) GetMainThreadQueue().Cancel(repeatJob_);
  repeatJob_ = JobHandle();
}

bool CustomButtonWidgetImpl::RepeatTick() {
  if (!buttonDown_) return false;
  const HostTime now = GetHostTime();
  if (now - pressTime_ < kFirstRepeatDelay) return true;
  if (repeated_ && now - lastRepeatTime_ < HostDurationFromSeconds(repeatInterval_)) return true;
  repeated_ = true;
  lastRepeatTime_ = now;
  // Nobody waits for a timer's result; an observer's refusal is logged and the press goes on.
  Result<bool> fired = Fire(buttonDownObservable_);
  if (!fired.IsOk()) LogWarning("CustomButtonWidget repeat: " + fired.GetError().ToString());
  return buttonDown_;
}

}  // namespace zarvo
