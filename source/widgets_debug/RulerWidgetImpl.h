#pragma once
#include "host/ui/EventKeys.h"
#include "host/ui/FontHandle.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/RulerWidgetInterface.h"

namespace zarvo {

// The ruler. Ticks and labels are drawn only where the damage reaches, and a moved marker
// damages its old and new places alone.
class RulerWidgetImpl : public WidgetBase, public virtual RulerWidgetInterface {
 public:
  RulerWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetRange(Float min, Float max) override;
  Float GetMin() const override { return min_; }
  Float GetMax() const override { return max_; }
  Result<void> SetZoom(Float zoom) override;
  Float GetZoom() const override { return zoom_; }
  void SetViewStart(Float value) override;
  Float GetViewStart() const override { return start_; }
  void SetMarker(Float value) override;
  Float GetMarker() const override { return marker_; }
  Float GetValueAtPixel(Float localPixel) const override;
  Float GetPixelOfValue(Float value) const override;
  Ref<RulerObservable> ObservableMarkerChanged() override { return markerChanged_; }
  Ref<RulerObservable> ObservableViewChanged() override { return viewChanged_; }

  void SetOrientation(WIDGET_ORIENTATION orientation) override;

  Result<void> CreateLayout() override;
  Result<void> LayoutBegin() override;
  Result<void> LayoutPass1() override;
  Result<void> DrawContent() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsDragging() const noexcept { return dragging_; }
  // The distance between labelled ticks as drawn now.
  Float GetMajorStep() const;

 private:
  bool IsAlongWidth() const;
  bool IsReversed() const;
  Float GetLength() const;
  Float GetThickness() const;
  Float GetPixelsPerUnit() const;
  // Local pixel along the ruler of a point given in global coordinates.
  Float AxisPixelOf(Vector2d globalPosition) const;
  void DamageMarkerAt(Float value);
  [[nodiscard]] Result<bool> ApplyUserMarker(Float value);
  [[nodiscard]] Result<bool> ApplyUserView(Float zoom, Float start);
  [[nodiscard]] Result<void> DrawTicks(Float fromPixel, Float toPixel);
  void DrawMarker();

  Float min_;
  Float max_;
  Float zoom_;
  Float start_;
  Float marker_;
  Ref<RulerObservable> markerChanged_;
  Ref<RulerObservable> viewChanged_;
  FontHandleRef labelFont_;
  Float lineHeight_;
  Float labelWidth_;
  bool dragging_ = false;
};

}  // namespace zarvo
