// The vector family's workloads: stepping the components of a matrix with the wheel.
#include <memory>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/SquareMatWidgetInterface.h"

namespace zarvo::bench {

namespace {

constexpr Vector2d kMatrixPosition{100.0, 300.0};
constexpr Vector2d kWheelNotch{0.0, 40.0};

// n wheel notches over a 4×4 matrix widget in a window of 500 buttons, going round its sixteen
// components, each followed by the layout and the repaint of what it damaged: the cost of one
// told edit of a compound value, from the event to the pixels.
Result<Prepared> PrepareMatrixWheel(int64_t n) {
  ZV_TRY_ASSIGN(ButtonWindow setup, MakeButtonWindow(20, 25));
  Ref<AppWindow> window = setup.window;
  ZV_TRY_ASSIGN(SquareMatrix4dWidgetRef matrix,
                CreateObject<SquareMatWidgetInterface<SquareMatrix4d>>(Id(kSquareMatrix4dWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(matrix));
  ZV_TRY(matrix->CreateLayout());
  matrix->SetLocalPosition(kMatrixPosition);
  ZV_TRY(window->Update());
  std::vector<Vector2d> centres;
  for (Int row = 0; row < 4; ++row) {
    for (Int column = 0; column < 4; ++column) {
      ZV_TRY_ASSIGN(const FloatSpinBoxWidgetRef box, matrix->GetComponentSpinBox(row, column));
      const Rect frame = box->GetGlobalFrame();
      centres.push_back({(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2});
    }
  }
  auto told = std::make_shared<int64_t>(0);
  matrix->ObservableValueChanged()->AddObserver(
      [told](const WidgetRef&, SquareMatrix4d, Int, Int, Bool) -> Result<void> {
        ++*told;
        return Ok();
      });
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, n, centres, told]() -> Result<void> {
    *told = 0;
    AppWidgetInterface* app = window->GetAppWidget();
    for (int64_t i = 0; i < n; ++i) {
      const Vector2d at = centres[static_cast<size_t>(i) % centres.size()];
      // Up on the way out, down on the way back, so that the values stay small.
      const Vector2d notch = (i / static_cast<int64_t>(centres.size())) % 2 == 0 ? kWheelNotch : kWheelNotch * -1.0;
      ZV_TRY(app->DispatchEvent(MakeScrollEvent(at, notch)));
      ZV_TRY(window->Update());
    }
    return Ok();
  };
  prepared.check = [told, n] { return *told == n; };
  return prepared;
}

const WorkloadRegistration kVectorWorkloads({{"matrix_wheel", {1000}, &PrepareMatrixWheel}}, {});

}  // namespace

}  // namespace zarvo::bench
