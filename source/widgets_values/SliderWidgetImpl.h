#pragma once
#include <vector>

#include "host/gfx/Image.h"
#include "host/gfx/SVGDocumentInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/SliderWidgetInterface.h"

namespace zarvo {

// The Int and Float sliders, which differ only in how a pointer's share of the track becomes a
// value. The normal drawing moves, sizes, shows and hides elements of a track document and
// places a knob document; the colour-slider drawing paints a gradient image with a marker.
//
// Rendering a changed document costs far more than copying a rendering, so a drag inside the
// range renders nothing: the track document keeps every attribute the value sets, but inside
// the range it is shown as two fixed copies of itself, filled and empty, cut at the value. Only
// values outside the range, which move the whole track, draw the document itself. A change of
// value damages the stretch of track between the old and the new knob alone.
template <class T>
class SliderWidgetImpl : public WidgetBase, public virtual SliderWidgetInterface<T> {
 public:
  SliderWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetValue(T value, Bool notify) override;
  Result<void> SetDefaultValue(T value) override;
  Result<void> SetValueToDefault() override;
  Result<void> SetMin(T min) override;
  Result<void> SetMax(T max) override;
  Result<void> SetStep(T step) override;
  Result<void> SetLimitMode(NUMBER_LIMIT_MODE mode) override;
  Result<void> SetUnit(NUMBER_WIDGET_UNIT_TYPE unit) override;
  T GetValue() const override { return value_; }
  T GetDefaultValue() const override { return defaultValue_; }
  T GetMin() const override { return min_; }
  T GetMax() const override { return max_; }
  T GetStep() const override { return step_; }
  NUMBER_LIMIT_MODE GetLimitMode() const override { return limitMode_; }
  NUMBER_WIDGET_UNIT_TYPE GetUnit() const override { return unit_; }
  Result<void> SetStyle(SLIDER_STYLE style) override;
  SLIDER_STYLE GetStyle() const override { return style_; }
  Result<void> SetColorSlider(Bool on) override;
  Result<void> SetSliderBackgroundColor(std::vector<ColorA> colors) override;
  Ref<SliderObservable<T>> ObservableValueChanged() override { return valueChanged_; }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<void> LayoutPass1() override;
  Result<void> DrawContent() override;
  Result<void> DrawHighlight() override;
  WIDGET_ORIENTATION GetEffectiveOrientation() const override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsDragging() const noexcept { return dragging_; }
  bool IsBackgroundDirty() const noexcept { return backgroundDirty_; }
  const ImageRef& GetBackgroundImage() const noexcept { return backgroundImage_; }
  const SVGDocumentRef& GetTrackDocument() const noexcept { return track_; }
  const SVGDocumentRef& GetKnobDocument() const noexcept { return knob_; }

 private:
  [[nodiscard]] Result<bool> SetFromPointer(const EventReader& reader);
  // value ± step for a signed amount of wheel, gesture or key; none for 0.
  [[nodiscard]] Result<bool> StepBy(Float amount);
  [[nodiscard]] Result<void> RebuildBackground();
  [[nodiscard]] Result<void> ApplyOrientationTransforms(WIDGET_ORIENTATION orientation);
  [[nodiscard]] Result<void> DrawNormal();
  // Draws a fixed copy of the track where it lies between two shares of the track.
  [[nodiscard]] Result<void> DrawTrackPart(const SVGDocumentRef& document, Float fromShare, Float toShare);
  // Damages what a value change moves on the screen.
  void DamageValueChange(Float shareBefore, Float shareAfter);
  [[nodiscard]] Result<void> DrawColorSlider();

  T min_;
  T max_;
  T step_;
  T value_;
  T defaultValue_;
  NUMBER_LIMIT_MODE limitMode_ = NUMBER_LIMIT_MODE::LIMIT_MIN_MAX;
  NUMBER_WIDGET_UNIT_TYPE unit_ = NUMBER_WIDGET_UNIT_TYPE::NONE;
  SLIDER_STYLE style_ = SLIDER_STYLE::LINEAR;
  bool colorSlider_ = false;
  bool dragging_ = false;
  bool backgroundDirty_ = false;
  ImageRef backgroundImage_;
  std::vector<ColorA> backgroundColors_;
  Int backgroundWidth_ = 0;
  Int backgroundHeight_ = 0;
  SVGDocumentRef track_;
  SVGDocumentRef knob_;
  SVGDocumentRef trackFilled_;  // the track with the value at max, never changed by the value
  SVGDocumentRef trackEmpty_;   // the same at min
  Ref<SliderObservable<T>> valueChanged_;
};

extern template class SliderWidgetImpl<Int>;
extern template class SliderWidgetImpl<Float>;

}  // namespace zarvo
