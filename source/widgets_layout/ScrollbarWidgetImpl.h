#pragma once
#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "source/interfaces/CustomButtonWidgetInterface.h"
#include "source/interfaces/ScrollbarWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// Key repeat of a held arrow key, in seconds: the timer's period, and how long the key must be
// held before the first repeat.
constexpr Float kScrollKeyRepeatInterval = 0.05;
constexpr Float kScrollKeyRepeatDelay = 0.5;
constexpr Float kScrollKeyRepeatTolerance = 0.005;
// The arrow triangle leaves this share of the button's side free on each side.
constexpr Float kScrollArrowInset = 0.25;

// The arrow button of a scrollbar towards the content's start (up or left) or its end (down or
// right); "Missing widget link" when the bar holds none there.
[[nodiscard]] Result<CustomButtonWidgetRef> FindScrollArrow(const ScrollbarWidgetInterface& scrollbar, bool forward);

// A scroll area's bar: arrow buttons and a slider in a table. Turns the keys and the wheel it
// receives into notifications; a held arrow key repeats on a main-thread timer that holds the
// bar only weakly.
class ScrollbarWidgetImpl : public TableWidgetImpl, public virtual ScrollbarWidgetInterface {
 public:
  ScrollbarWidgetImpl();
  ~ScrollbarWidgetImpl() override;

  Result<void> InitComponent() override;
  void FreeComponent() override;

  void SetDirection(WIDGET_DIRECTION direction) override;
  WIDGET_DIRECTION GetDirection() const override { return direction_; }
  Ref<ScrollbarScrollObservable> ObservableScroll() override { return scroll_; }
  Ref<ScrollbarObservable> ObservableScrollKeyBackward() override { return keyBackward_; }
  Ref<ScrollbarObservable> ObservableScrollKeyForward() override { return keyForward_; }
  Ref<ScrollbarObservable> ObservableScrollPageUp() override { return pageUp_; }
  Ref<ScrollbarObservable> ObservableScrollPageDown() override { return pageDown_; }
  Ref<ScrollbarObservable> ObservableScrollHome() override { return home_; }
  Ref<ScrollbarObservable> ObservableScrollEnd() override { return end_; }

  Result<void> CreateLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsVertical() const noexcept { return direction_ == WIDGET_DIRECTION::VERTICAL; }
  bool IsKeyRepeating() const noexcept { return keyRepeatJob_.IsSet(); }

 private:
  [[nodiscard]] Result<void> AddArrowButton(Int x, Int y, const char* name, Int pointing);
  [[nodiscard]] Result<void> Fire(const Ref<ScrollbarObservable>& observable);
  void StartKeyRepeat(Ref<ScrollbarObservable> observable);
  void StopKeyRepeat();
  void KeyRepeatTick();

  WIDGET_DIRECTION direction_ = WIDGET_DIRECTION::VERTICAL;
  Ref<ScrollbarScrollObservable> scroll_;
  Ref<ScrollbarObservable> keyBackward_;
  Ref<ScrollbarObservable> keyForward_;
  Ref<ScrollbarObservable> pageUp_;
  Ref<ScrollbarObservable> pageDown_;
  Ref<ScrollbarObservable> home_;
  Ref<ScrollbarObservable> end_;
  JobHandle keyRepeatJob_;
  Ref<ScrollbarObservable> repeatedObservable_;
  HostTime keyPressTime_{0};  // whole nanoseconds, so that "more than 0.5 s" is exact
};

}  // namespace zarvo
