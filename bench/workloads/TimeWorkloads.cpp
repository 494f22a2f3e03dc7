// The time family's workloads: scrubbing a long timeline.
#include <memory>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/TimeSliderWidgetInterface.h"

namespace zarvo::bench {

namespace {

constexpr Float kScrubFrames = 10000.0;
constexpr Float kScrubFps = 24.0;
constexpr Float kSliderMargin = 40.0;
constexpr Float kSliderTop = 100.0;

// n pointer moves dragging the cursor of a 10,000-frame timeline as wide as the window, each
// followed by the layout and the repaint of what it damaged.
Result<Prepared> PrepareScrub(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY_ASSIGN(Ref<TimeSliderWidgetInterface> slider,
                CreateObject<TimeSliderWidgetInterface>(Id(kTimeSliderWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(slider));
  ZV_TRY(slider->CreateLayout());
  const Float width = kRenderWindow.x - 2 * kSliderMargin;
  slider->SetLocalPosition({kSliderMargin, kSliderTop});
  ZV_TRY(slider->SetLocalSize(width, 40.0));
  ZV_TRY(slider->SetMaxTime(kScrubFrames / kScrubFps));
  ZV_TRY(window->Update());
  auto changes = std::make_shared<int64_t>(0);
  slider->ObservableTimeValueChanged()->AddObserver([changes](const TimeSliderWidgetRef&, Float) -> Result<void> {
    ++*changes;
    return Ok();
  });
  const Float y = kSliderTop + 10.0;
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, slider, n, width, y]() -> Result<void> {
    AppWidgetInterface* app = window->GetAppWidget();
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DOWN, {kSliderMargin, y}, BUTTON::LEFT)));
    for (int64_t i = 1; i <= n; ++i) {
      // Back and forth across the ruler, a pixel or so per move.
      const Float share = static_cast<Float>(i % 1000) / 1000.0;
      const Float x = kSliderMargin + ((i / 1000) % 2 == 0 ? share : 1.0 - share) * width;
      ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DRAG, {x, y}, BUTTON::LEFT)));
      ZV_TRY(window->Update());
    }
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_UP, {kSliderMargin, y}, BUTTON::LEFT)));
    return window->Update();
  };
  prepared.check = [changes, n] { return *changes >= n; };
  return prepared;
}

const WorkloadRegistration kTimeWorkloads({{"scrub", {1000}, &PrepareScrub}},
                                          {{"scrub", Target::Kind::kNsPerItem, 1000, 50000.0, 0, ""}});

}  // namespace

}  // namespace zarvo::bench
