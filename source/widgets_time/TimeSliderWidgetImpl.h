#pragma once
#include "host/ui/EventKeys.h"
#include "host/ui/FontHandle.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/TimeSliderWidgetInterface.h"

namespace zarvo {

// The key that, held, makes the left and right keys step by whole seconds.
constexpr Int32 kTimeSliderSecondsKey = 0xF010;

// The timeline. Only what it shows of the range in the damaged area is drawn, and a moved
// cursor damages its old and new columns alone, so scrubbing a long animation costs the same
// as scrubbing a short one.
class TimeSliderWidgetImpl : public WidgetBase, public virtual TimeSliderWidgetInterface {
 public:
  TimeSliderWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetTimeValue(Float time) override;
  Result<void> SetMinTime(Float time) override;
  Result<void> SetMaxTime(Float time) override;
  Result<void> SetFps(Float fps) override;
  Float GetTimeValue() const override { return time_; }
  Float GetMinTime() const override { return min_; }
  Float GetMaxTime() const override { return max_; }
  Float GetFps() const override { return fps_; }
  void SetStream(const TimeSliderStreamRef& stream) override;
  Ref<TimeSliderObservable> ObservableTimeValueChanged() override { return timeValueChanged_; }

  Result<void> CreateLayout() override;
  Result<void> LayoutBegin() override;
  Result<void> LayoutPass1() override;
  Result<void> DrawContent() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsDragging() const noexcept { return dragging_; }
  Float GetLineHeight() const noexcept { return lineHeight_; }

 private:
  // A change the user made: held in range, snapped, shown and told; true (consumed) or the
  // observers' error.
  [[nodiscard]] Result<bool> ApplyUserTime(Float time);
  [[nodiscard]] Result<bool> SetFromPointer(const EventReader& reader);
  // Damages the cursor's column at a time.
  void DamageCursorAt(Float time);
  Float GetDeviceWidth() const;
  // `deviceWidth`: the ruler's width on the device, which spaces labels (GetDeviceWidth).
  [[nodiscard]] Result<void> DrawRuler(Float fromX, Float toX, Float deviceWidth);
  [[nodiscard]] Result<void> DrawStream(Float fromX, Float toX, Float deviceWidth);

  Float min_;
  Float max_;
  Float time_;
  Float fps_;
  TimeSliderStreamRef stream_;
  Ref<TimeSliderObservable> timeValueChanged_;
  FontHandleRef labelFont_;
  Float lineHeight_;
  Float labelWidth_ = 0.0;
  bool dragging_ = false;
};

}  // namespace zarvo
