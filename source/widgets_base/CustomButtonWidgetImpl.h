#pragma once
#include "host/core/MainThreadQueue.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/CustomButtonWidgetInterface.h"
#include "source/widgets_base/CustomWidgetImpl.h"

namespace zarvo {

// Repeat timing of a held custom button, in seconds.
constexpr Float kCustomButtonSlowestRepeatInterval = 0.05;
constexpr Float kCustomButtonFastestRepeatInterval = 0.002;
// Dragging this many pixels from the press position reaches the fastest interval.
constexpr Float kCustomButtonFastestRateDistance = 64.0;
// A press repeats only once it has been held this long, so that a click presses once.
constexpr Float kCustomButtonFirstRepeatDelay = 0.5;

// Where a drag from the press position points and how fast the press repeats there.
struct CustomButtonDrag {
  Int direction = 0;  // one DRAG_DIRECTION value
  Float repeatInterval = kCustomButtonSlowestRepeatInterval;
};

// The axis with the larger movement among the allowed axes wins (a tie goes to the vertical
// one); its sign gives the direction, which counts only when it is itself allowed. The
// interval falls linearly from the slowest to the fastest over the fastest-rate distance.
CustomButtonDrag ComputeCustomButtonDrag(Vector2d delta, Int allowedDirections);

// A press-and-hold button drawn by callbacks. A held press repeats ObservableButtonDown on a
// main-thread timer; the timer holds only a weak link, so a button destroyed while held stops
// it.
class CustomButtonWidgetImpl : public CustomWidgetImpl, public virtual CustomButtonWidgetInterface {
 public:
  CustomButtonWidgetImpl();
  ~CustomButtonWidgetImpl() override;

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> CreateLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  Bool IsButtonDown() const override { return buttonDown_; }
  void SetAllowedDragDirections(Int directions) override;
  Int GetAllowedDragDirections() const override { return allowedDirections_; }
  Int GetCurrentDraggingDirection() const override { return draggingDirection_; }
  Ref<CustomButtonObservable> ObservableButtonDown() override {
    return buttonDownObservable_.Get(this, "ObservableButtonDown");
  }
  Ref<CustomButtonObservable> ObservableButtonUp() override { return buttonUpObservable_.Get(this, "ObservableButtonUp"); }

  // The interval the held press repeats at now, in seconds.
  Float GetRepeatInterval() const noexcept { return repeatInterval_; }
  const ColorA& GetSavedBackgroundColor() const noexcept { return savedBackgroundColor_; }

 private:
  [[nodiscard]] Result<bool> Fire(const LazyObservable<CustomButtonObservable>& observable);
  void StartRepeat();
  void StopRepeat();
  // One timer tick; false stops the timer.
  bool RepeatTick();

  LazyObservable<CustomButtonObservable> buttonDownObservable_;
  LazyObservable<CustomButtonObservable> buttonUpObservable_;
  bool buttonDown_ = false;
  Int draggingDirection_ = DRAG_DIRECTION::NONE;
  Int allowedDirections_ = DRAG_DIRECTION::NONE;
  ColorA savedBackgroundColor_;
  Vector2d pressPosition_;
  HostTime pressTime_{0};
  HostTime lastRepeatTime_{0};
  bool repeated_ = false;
  JobHandle repeatJob_;
  Float repeatInterval_ = kCustomButtonSlowestRepeatInterval;
};

}  // namespace zarvo
