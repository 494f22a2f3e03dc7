#pragma once
#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/SpinnerWidgetInterface.h"
#include "source/widgets_base/TextButtonWidgetImpl.h"

namespace zarvo {

// Factors of the modifier keys on every step.
constexpr Float kSpinnerShiftFactor = 10.0;
// The alt factor is kept in single precision, as the spinner has always stored it.
constexpr Float kSpinnerAltFactor = static_cast<Float>(0.1f);
// A held arrow's timer: its period and the delay of its first run, in seconds.
constexpr Float kSpinnerRepeatPeriod = 0.05;
// Pointer movement smaller than this, in pixels, does not step.
constexpr Float kSpinnerDragThreshold = 0.1;

// One arrow of a spin box. Held, it repeats on a main-thread timer that holds it only weakly;
// dragged, it hides the pointer and pins it where the drag started, so that every pointer
// event brings the whole movement since the last one.
class SpinnerWidgetImpl : public TextButtonWidgetImpl, public virtual SpinnerWidgetInterface {
 public:
  SpinnerWidgetImpl();
  ~SpinnerWidgetImpl() override;

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Ref<SpinnerObservable> ObservableValueChanged() override { return changed_; }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsActive() const noexcept { return active_; }
  bool IsRepeating() const noexcept { return repeatJob_.IsSet(); }
  bool IsShiftHeld() const noexcept { return shiftHeld_; }
  bool IsAltHeld() const noexcept { return altHeld_; }

 private:
  [[nodiscard]] Result<void> Notify(Float delta, bool reset, bool active);
  // The factor of the held modifier; the press prefers shift, the repeat alt.
  Float Factor(bool preferAlt) const noexcept;
  Float DirectionSign() const noexcept;
  [[nodiscard]] Result<bool> HandlePress(const EventReader& reader);
  [[nodiscard]] Result<bool> HandleDrag(const EventReader& reader);
  void ShowCursor();
  void StartRepeat();
  void StopRepeat();
  bool RepeatTick();

  Ref<SpinnerObservable> changed_;
  Vector2d pressPosition_;
  Vector2d dragAccumulator_;
  Vector2d lastCursor_;
  HostTime pressTime_{0};  // whole nanoseconds, so that "more than 0.5 s" is exact
  JobHandle repeatJob_;
  bool shiftHeld_ = false;
  bool altHeld_ = false;
  bool active_ = false;
};

}  // namespace zarvo
