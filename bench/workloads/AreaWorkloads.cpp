// The area family's workloads: panning a gridded plane by a pointer drag.
#include <memory>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/AreaWidgetInterface.h"

namespace zarvo::bench {

namespace {

constexpr Rect kAreaWindowFrame{0.0, 0.0, 1280.0, 800.0};
constexpr Int kMovesPerSweep = 300;

// n pointer moves panning a 1280 × 800 area with its grid shown, a pixel per move back and
// forth diagonally, each followed by the layout and the repaint of the whole plane.
Result<Prepared> PreparePan(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, AppWindow::Create(WindowClass::Window(), kAreaWindowFrame));
  ZV_TRY_ASSIGN(AreaWidgetRef area, CreateObject<AreaWidgetInterface>(Id(kAreaWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(area));
  area->SetShowGrid(true);
  ZV_TRY(window->Update());
  auto moved = std::make_shared<int64_t>(0);
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, area, n, moved]() -> Result<void> {
    AppWidgetInterface* app = window->GetAppWidget();
    const Vector2d start{400.5, 300.5};
    area->SetPan({0.0, 0.0});
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DOWN, start, BUTTON::MIDDLE)));
    ZV_TRY(window->Update());
    *moved = 0;
    for (int64_t i = 1; i <= n; ++i) {
      const Int step = i % kMovesPerSweep;
      const Float offset = (i / kMovesPerSweep) % 2 == 0 ? step : kMovesPerSweep - step;
      const Vector2d before = area->GetPan();
      ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DRAG, {start.x + offset, start.y + offset}, BUTTON::MIDDLE)));
      ZV_TRY(window->Update());
      if (!(area->GetPan() == before)) ++*moved;
    }
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_UP, start, BUTTON::MIDDLE)));
    return window->Update();
  };
  prepared.check = [moved, n] { return *moved >= n * 9 / 10; };
  return prepared;
}

const WorkloadRegistration kAreaWorkloads({{"pan", {1000}, &PreparePan}}, {});

}  // namespace

}  // namespace zarvo::bench
