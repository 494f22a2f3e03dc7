// The colour family's workloads: repainting the saturation/value square for new hues.
#include <memory>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "source/interfaces/ColorHSVPlaneWidgetInterface.h"
#include "source/widgets_color/ColorHSVPlaneWidgetImpl.h"

namespace zarvo::bench {

namespace {

constexpr Float kSpectrumSize = 256.0;
constexpr Vector2d kSpectrumPosition{20.0, 20.0};

// n full redraws of a 256 × 256 spectrum, each for a new hue, so that every one paints the
// square again, then draws it with the marker and the hue slider.
Result<Prepared> PrepareSpectrum(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY_ASSIGN(ColorHSVSpectrumWidgetRef spectrum,
                CreateObject<ColorHSVSpectrumWidgetInterface>(Id(kColorHSVSpectrumWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(spectrum));
  ZV_TRY(spectrum->CreateLayout());
  const auto& impl = dynamic_cast<const ColorHSVPlaneWidgetImpl&>(*spectrum);
  FrameWidgetRef area = impl.GetSpectrumArea();
  for (const WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    area->SetFixedSize(CanvasUnitValue::Pix(kSpectrumSize), direction);
  }
  spectrum->SetLocalPosition(kSpectrumPosition);
  ZV_TRY(window->Update());
  const uint64_t paintsBefore = impl.GetSpectrumPaintCount();
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, spectrum, n]() -> Result<void> {
    for (int64_t i = 1; i <= n; ++i) {
      const Float hue = static_cast<Float>(i % 360) / 360.0;
      ZV_TRY(spectrum->SetHSV({hue, 0.6, 0.7}, false));
      ZV_TRY(window->Update());
    }
    return Ok();
  };
  prepared.check = [spectrum, paintsBefore, n] {
    return dynamic_cast<const ColorHSVPlaneWidgetImpl&>(*spectrum).GetSpectrumPaintCount() >=
           paintsBefore + static_cast<uint64_t>(n) - 1;
  };
  return prepared;
}

const WorkloadRegistration kColorWorkloads({{"spectrum", {200}, &PrepareSpectrum}},
                                           {{"spectrum", Target::Kind::kNsPerItem, 200, 2000000.0, 0, ""}});

}  // namespace

}  // namespace zarvo::bench
