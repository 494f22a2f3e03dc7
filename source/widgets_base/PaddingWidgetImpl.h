#pragma once
#include "host/ui/WidgetBase.h"
#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/widgets_base/PaddingLayout.h"

namespace zarvo {

// The padding widget. The margin arithmetic lives in PaddingLayout.h.
//
// CHILD mode: pass 1 measures the padding as its child enlarged by the margins (without a child,
// as the margins alone); pass 2 puts the child at (left, top). A child whose size mode is
// INFINITE in a direction is not measured in it: there the padding keeps the size it was given
// and pass 2 sizes the child to the room inside the margins.
// PARENT mode: the padding inherits its parent's size in both directions and pass 2 sizes and
// places the child in the room inside the margins; going back to CHILD stops inheriting.
class PaddingWidgetImpl : public WidgetBase, public virtual PaddingWidgetInterface {
 public:
  PaddingWidgetImpl() = default;

  Result<void> CopyFrom(const ObjectInterface& source) override;

  void SetMode(PADDING_MODE mode) override;
  Result<void> SetLeft(CanvasUnitValue left) override { return SetMargin(left_, left, "left"); }
  Result<void> SetRight(CanvasUnitValue right) override { return SetMargin(right_, right, "right"); }
  Result<void> SetTop(CanvasUnitValue top) override { return SetMargin(top_, top, "top"); }
  Result<void> SetBottom(CanvasUnitValue bottom) override { return SetMargin(bottom_, bottom, "bottom"); }
  Result<void> SetPadding(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                          CanvasUnitValue bottom) override;
  PADDING_MODE GetMode() const override { return mode_; }
  CanvasUnitValue GetLeft() const override { return left_; }
  CanvasUnitValue GetRight() const override { return right_; }
  CanvasUnitValue GetTop() const override { return top_; }
  CanvasUnitValue GetBottom() const override { return bottom_; }

  Result<void> CreateLayout() override;
  Result<void> LayoutPass1() override;
  Result<void> LayoutPass2() override;

 private:
  [[nodiscard]] Result<void> SetMargin(CanvasUnitValue& margin, CanvasUnitValue value, const char* side);
  PaddingMargins GetPixelMargins() const;

  PADDING_MODE mode_ = PADDING_MODE::CHILD;
  CanvasUnitValue left_;
  CanvasUnitValue right_;
  CanvasUnitValue top_;
  CanvasUnitValue bottom_;
};

}  // namespace zarvo
