// The value family's slider workloads: dragging a slider over a window of buttons.
#include <memory>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/SliderWidgetInterface.h"

namespace zarvo::bench {

namespace {

constexpr Int kButtonColumns = 20;
constexpr Int kButtonRows = 25;
constexpr Rect kSliderFrame{100.0, 300.0, 500.0, 326.0};
// A tenth of a percent: every pixel of the 400-pixel track is a value of its own.
constexpr Float kDragStep = 0.1;
constexpr Int kMovesPerSweep = 400;

// n pointer moves dragging a Float slider that lies over the 500-button window, a pixel per
// move back and forth along its track, each followed by the layout and the repaint of what it
// damaged.
Result<Prepared> PrepareDrag(int64_t n) {
  ZV_TRY_ASSIGN(ButtonWindow setup, MakeButtonWindow(kButtonColumns, kButtonRows));
  Ref<AppWindow> window = setup.window;
  ZV_TRY_ASSIGN(FloatSliderWidgetRef slider, CreateObject<FloatSliderWidgetInterface>(Id(kFloatSliderWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(slider));
  ZV_TRY(slider->CreateLayout());
  ZV_TRY(window->Update());
  // Placed by hand: under the window's root it would stretch to the window's width.
  slider->SetInheritParentSize(false, WIDGET_DIRECTION::HORIZONTAL);
  slider->SetLocalPosition({kSliderFrame.left, kSliderFrame.top});
  ZV_TRY(slider->SetLocalSize(kSliderFrame.Width(), kSliderFrame.Height()));
  ZV_TRY(slider->SetStep(kDragStep));
  ZV_TRY(window->Update());

  struct Count {
    int64_t changes = 0;
    Float last = -1.0;
  };
  auto count = std::make_shared<Count>();
  slider->ObservableValueChanged()->AddObserver([count](const WidgetRef&, Float value, Bool) -> Result<void> {
    if (value != count->last) ++count->changes;
    count->last = value;
    return Ok();
  });
  const Float y = (kSliderFrame.top + kSliderFrame.bottom) / 2;
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, n, y, count]() -> Result<void> {
    count->changes = 0;
    AppWidgetInterface* app = window->GetAppWidget();
    const Float start = kSliderFrame.left + 0.5;
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DOWN, {start, y}, BUTTON::LEFT)));
    ZV_TRY(window->Update());
    for (int64_t i = 1; i <= n; ++i) {
      const Int step = i % kMovesPerSweep;
      const Float offset = (i / kMovesPerSweep) % 2 == 0 ? step : kMovesPerSweep - step;
      ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DRAG, {start + offset, y}, BUTTON::LEFT)));
      ZV_TRY(window->Update());
    }
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_UP, {start, y}, BUTTON::LEFT)));
    return window->Update();
  };
  // Nearly every move lands on a value of its own (the turns at the ends repeat one).
  prepared.check = [count, n] { return count->changes >= n * 9 / 10; };
  return prepared;
}

const WorkloadRegistration kSliderWorkloads({{"drag", {1000}, &PrepareDrag}},
                                            {{"drag", Target::Kind::kNsPerItem, 1000, 50000.0, 0, ""}});

}  // namespace

}  // namespace zarvo::bench
