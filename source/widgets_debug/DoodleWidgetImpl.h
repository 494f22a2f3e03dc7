#pragma once
#include "source/interfaces/DoodleWidgetInterface.h"
#include "source/widgets_layout/AreaWidgetImpl.h"

namespace zarvo {

// The brush a new canvas paints with: a dark blue, 3 content pixels wide.
inline constexpr ColorA kDoodleDefaultBrushColor{0.12, 0.24, 0.55, 1.0};
inline constexpr Float kDoodleDefaultBrushWidth = 3.0;

// The doodle canvas (see DoodleWidgetInterface). The left button without modifiers starts the
// paint action; every other binding is the area's.
class DoodleWidgetImpl final : public AreaWidgetImpl, public virtual DoodleWidgetInterface {
 public:
  DoodleWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  void SetBrushColor(const ColorA& color) override;
  ColorA GetBrushColor() const override { return brushColor_; }
  Result<void> SetBrushWidth(Float width) override;
  Float GetBrushWidth() const override { return brushWidth_; }
  Int GetStrokeCount() const override { return static_cast<Int>(strokes_.size()); }
  const std::vector<DoodleStroke>& GetStrokes() const override { return strokes_; }
  void Clear() override;
  void BeginStroke(Vector2d content) override;
  void ExtendStroke(Vector2d content) override;
  Result<void> EndStroke() override;
  void CancelStroke() override;
  bool IsPainting() const override { return painting_; }
  Ref<DoodleObservable> ObservableStrokeEnded() override { return strokeEnded_; }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;

 private:
  ColorA brushColor_ = kDoodleDefaultBrushColor;
  Float brushWidth_ = kDoodleDefaultBrushWidth;
  std::vector<DoodleStroke> strokes_;
  bool painting_ = false;
  Ref<DoodleObservable> strokeEnded_;
};

}  // namespace zarvo
