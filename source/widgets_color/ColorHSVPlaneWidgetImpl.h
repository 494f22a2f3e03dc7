#pragma once
#include "host/gfx/Image.h"
#include "source/interfaces/ColorHSVPlaneWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/SliderWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorHSVSpectrumWidgetName[] = "ColorHSVSpectrumWidget";

// A table of two rows: the spectrum area, on which the widget draws the square of its hue and
// the marker, and the hue slider. The square is painted again only when the hue or the area's
// size changes; moving the marker draws the cached image.
class ColorHSVPlaneWidgetImpl : public TableWidgetImpl, public virtual ColorHSVSpectrumWidgetInterface {
 public:
  ColorHSVPlaneWidgetImpl();

  Result<void> SetHSV(const Vector& value, Bool notify) override;
  Result<Vector> GetHSV() const override { return hsv_; }
  Ref<ColorHSVSpectrumObservable> ObservableColorChanged() override { return changed_; }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsDragging() const noexcept { return dragging_; }
  bool WasChangedByUser() const noexcept { return changedByUser_; }
  // How often the square was painted (tests and benchmarks).
  uint64_t GetSpectrumPaintCount() const noexcept { return paints_; }
  IntSliderWidgetRef GetHueSlider() const { return hueSlider_.Lock(); }
  // The area the square is drawn on; its size is the square's.
  FrameWidgetRef GetSpectrumArea() const { return area_.Lock(); }

 private:
  [[nodiscard]] Result<void> ShowHue();
  [[nodiscard]] Result<const Image*> PreparedSpectrum(Vector2d size);
  [[nodiscard]] Result<bool> PickAt(Vector2d globalPosition, bool dragging);
  [[nodiscard]] Result<void> HandleHueMoved(Int value, Bool dragging);

  Vector hsv_;
  WeakRef<FrameWidgetInterface> area_;
  WeakRef<SliderWidgetInterface<Int>> hueSlider_;
  Ref<Image> spectrum_;
  Float spectrumHue_ = -1.0;
  uint64_t paints_ = 0;
  bool dragging_ = false;
  bool changedByUser_ = false;
  Ref<ColorHSVSpectrumObservable> changed_;
};

}  // namespace zarvo
