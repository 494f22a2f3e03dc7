#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/ColorHEXWidgetInterface.h"
#include "source/interfaces/ColorHSVPlaneWidgetInterface.h"
#include "source/interfaces/ColorHSVWidgetInterface.h"
#include "source/interfaces/ColorRGBWidgetInterface.h"

namespace zarvo {

// The notation widgets a compound colour widget shows one colour in, by weak link: the
// compound's table owns them. A change from one of them is written to all the others, never
// back into it, so the slider or the text the user is moving stays as the user left it.
class ColorNotations {
 public:
  void SetRGB(const ColorRGBWidgetRef& widget) { rgb_ = widget; }
  void SetHSV(const ColorHSVWidgetRef& widget) { hsv_ = widget; }
  void SetHEX(const ColorHEXWidgetRef& widget) { hex_ = widget; }
  void SetSpectrum(const ColorHSVSpectrumWidgetRef& widget) { spectrum_ = widget; }

  // Writes `color` without notification into every notation but `source` (null: into all).
  // "Missing widget link" when one that was set is gone.
  [[nodiscard]] Result<void> Show(const ColorA& color, const WidgetInterface* source) const;

  Result<ColorRGBWidgetRef> GetRGB() const { return rgb_.Resolve(); }
  Result<ColorHSVWidgetRef> GetHSV() const { return hsv_.Resolve(); }
  Result<ColorHEXWidgetRef> GetHEX() const { return hex_.Resolve(); }
  Result<ColorHSVSpectrumWidgetRef> GetSpectrum() const { return spectrum_.Resolve(); }

 private:
  WeakRef<ColorRGBWidgetInterface> rgb_;
  WeakRef<ColorHSVWidgetInterface> hsv_;
  WeakRef<ColorHEXWidgetInterface> hex_;
  WeakRef<ColorHSVSpectrumWidgetInterface> spectrum_;
};

}  // namespace zarvo
