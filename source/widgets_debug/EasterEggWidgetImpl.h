#pragma once
#include "host/core/MainThreadQueue.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/EasterEggWidgetInterface.h"

namespace zarvo {

// The easter egg. Its frame timer exists only while a show runs and holds the widget by a weak
// link, so a resting egg costs the loop nothing and a dropped one stops its timer.
class EasterEggWidgetImpl : public WidgetBase, public virtual EasterEggWidgetInterface {
 public:
  EasterEggWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  void Start() override;
  void Stop() override;
  Bool IsRunning() const override { return timer_.IsSet(); }
  Float GetShowTime() const override;
  Int GetFrameCount() const override { return frames_; }
  Ref<EasterEggObservable> ObservableRunningChanged() override { return runningChanged_; }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

 private:
  // One timer tick: false once the show is over.
  bool AdvanceFrame();

  JobHandle timer_;
  HostTime startedAt_{0};
  Int frames_ = 0;
  Ref<EasterEggObservable> runningChanged_;
};

}  // namespace zarvo
