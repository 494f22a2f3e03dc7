#include "source/widgets_values/SpinnerWidgetImpl.h"

#include <cmath>

#include "host/core/Log.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/widgets_values/SpinBoxMath.h"

namespace zarvo {

namespace {
constexpr HostDuration kRepeatPeriod = HostDurationFromSeconds(kSpinnerRepeatPeriod);
}  // namespace

SpinnerWidgetImpl::SpinnerWidgetImpl() : changed_(MakeRef<SpinnerObservable>()) {}

SpinnerWidgetImpl::~SpinnerWidgetImpl() { StopRepeat(); }

Result<void> SpinnerWidgetImpl::InitComponent() {
  ZV_TRY(TextButtonWidgetImpl::InitComponent());
  return InitObservables(this, {{changed_.Get(), "ObservableValueChanged"}});
}

void SpinnerWidgetImpl::FreeComponent() {
  StopRepeat();
  FreeObservables({changed_.Get()});
  TextButtonWidgetImpl::FreeComponent();
}

Result<void> SpinnerWidgetImpl::CreateLayout() {
  ZV_TRY(TextButtonWidgetImpl::CreateLayout());
  SetName("SpinnerWidget");
  SetOrientation(WIDGET_ORIENTATION::BOTTOM_TOP);
  SetFocusVisibility(false);
  SetAcceptFocus(true);
  return Ok();
}

Result<void> SpinnerWidgetImpl::HandleSwitchLayout() {
  ZV_TRY(TextButtonWidgetImpl::HandleSwitchLayout());
  ZV_TRY_ASSIGN(const TextWidgetRef text, GetTextWidget());
  text->SetText(SpinnerGlyph(GetEffectiveOrientation()));
  RequestRedraw();
  return Ok();
}

Result<void> SpinnerWidgetImpl::Notify(Float delta, bool reset, bool active) {
  Ref<SpinnerObservable> keep = changed_;
  return keep->Notify(delta, reset, active);
}

Float SpinnerWidgetImpl::Factor(bool preferAlt) const noexcept {
  if (preferAlt && altHeld_) return kSpinnerAltFactor;
  if (shiftHeld_) return kSpinnerShiftFactor;
  if (altHeld_) return kSpinnerAltFactor;
  return 1.0;
}

Float SpinnerWidgetImpl::DirectionSign() const noexcept { return SpinnerDirectionSign(GetOrientation()); }

void SpinnerWidgetImpl::ShowCursor() {
  if (CanvasInterface* canvas = GetCanvas()) canvas->SetCursorVisibility(true);
}

Result<bool> SpinnerWidgetImpl::HandlePress(const EventReader& reader) {
  if (active_) return false;
  ZV_TRY_ASSIGN(pressPosition_, reader.GetPosition());
  ZV_TRY_ASSIGN(const Int buttons, reader.GetButtonState());
  if (buttons == BUTTON::RIGHT) {
    ZV_TRY(Notify(0.0, true, active_));
    return true;
  }
  if (buttons != BUTTON::LEFT) return false;
  ZV_TRY_ASSIGN(const Int modifiers, reader.GetModifierState());
  // Each press takes the modifiers it was made with, so one shift-click does not make every
  // later click large.
  shiftHeld_ = (modifiers & MODIFIER::SHIFT) != 0;
  altHeld_ = (modifiers & MODIFIER::ALT) != 0;
  ZV_TRY(Notify(DirectionSign() * Factor(false), false, active_));
  pressTime_ = GetHostTime();
  StartRepeat();
  return true;
}

Result<bool> SpinnerWidgetImpl::HandleDrag(const EventReader& reader) {
  ZV_TRY_ASSIGN(const Int buttons, reader.GetButtonState());
  if (buttons != BUTTON::LEFT) return false;
  if (!active_) {
    active_ = true;
    dragAccumulator_ = pressPosition_;
    lastCursor_ = pressPosition_;
    return true;
  }
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return true;
  ZV_TRY_ASSIGN(const Vector2d pointer, reader.GetPosition());
  StopRepeat();
  canvas->SetCursorVisibility(false);
  canvas->SetCursorPosition(lastCursor_);
  const Vector2d returned = canvas->GetMouseCoordinates();
  lastCursor_ = returned;
  const Vector2d before = dragAccumulator_;
  dragAccumulator_ = dragAccumulator_ - (pointer - returned);
  const Float movement = SpinnerDragMovement(dragAccumulator_ - before, GetOrientation(), GetR2LMode());
  if (std::fabs(movement) >= kSpinnerDragThreshold) {
    // One step per event however far the pointer went: the pointer is pinned, so every event
    // is one flick.
    ZV_TRY(Notify((movement > 0 ? 1.0 : -1.0) * Factor(false), false, active_));
  }
  return true;
}

Result<bool> SpinnerWidgetImpl::HandleEvent(const DataDictionary* event) {
  ZV_TRY(TextButtonWidgetImpl::HandleEvent(event));
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN:
      return HandlePress(reader);
    case EVENT::BUTTON_DRAG:
      return HandleDrag(reader);
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(const Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT && buttons != BUTTON::RIGHT) return false;
      if (buttons == BUTTON::LEFT) {
        active_ = false;
        ShowCursor();
        StopRepeat();
        ZV_TRY(Notify(0.0, false, false));
      }
      return true;
    }
    case EVENT::AREA_LEFT:
      active_ = false;
      ShowCursor();
      StopRepeat();
      return true;
    case EVENT::KEYBOARD_KEY_DOWN:
    case EVENT::KEYBOARD_KEY_REPEAT: {
      ZV_TRY_ASSIGN(const Int modifiers, reader.GetModifierState());
      ZV_TRY_ASSIGN(const Int32 key, reader.GetKey());
      active_ = true;
      if (modifiers == MODIFIER::SHIFT) shiftHeld_ = true;
      if (modifiers == MODIFIER::ALT) altHeld_ = true;
      if (key == KEY::UP) ZV_TRY(Notify(Factor(false), false, true));
      if (key == KEY::DOWN) ZV_TRY(Notify(-Factor(false), false, true));
      return true;
    }
    case EVENT::KEYBOARD_KEY_UP:
      active_ = false;
      shiftHeld_ = false;
      altHeld_ = false;
      ZV_TRY(Notify(0.0, false, false));
      return true;
    default:
      return false;
  }
}

void SpinnerWidgetImpl::StartRepeat() {
  StopRepeat();
  repeatJob_ = GetMainThreadQueue().AddTimer(kRepeatPeriod, kMinTimerTolerance,
                                             [link = WeakRef<SpinnerWidgetImpl>(this)] {
                                               Ref<SpinnerWidgetImpl> spinner = link.Lock();
                                               return spinner && spinner->RepeatTick();
                                             });
}

void SpinnerWidgetImpl::StopRepeat() {
  if (repeatJob_.IsSet()) GetMainThreadQueue().Cancel(repeatJob_);
  repeatJob_ = JobHandle();
}

bool SpinnerWidgetImpl::RepeatTick() {
  const Float steps = SpinnerRepeatSteps(HostDurationToSeconds(GetHostTime() - pressTime_));
  if (steps == 0.0) return true;
  // Nobody waits for a timer's result; an observer's refusal is logged and the hold goes on.
  Result<void> told = Notify(DirectionSign() * Factor(true) * steps, false, active_);
  if (!told.IsOk()) LogWarning("SpinnerWidget repeat: " + told.GetError().ToString());
  return true;
}

}  // namespace zarvo
