#include "source/widgets_base/PaddingWidgetImpl.h"

#include <cmath>
#include <string>

namespace zarvo {

namespace {
bool IsInfinite(const WidgetInterface& widget, WIDGET_DIRECTION direction) {
  return widget.GetSizeMode(direction) == WIDGET_SIZE::INFINITE;
}

// A child's own length for a length in the padding's coordinates.
Float UnscaledLength(Float length, Float scale) { return scale != 0.0 ? length / scale : 0.0; }
}  // namespace

Result<void> PaddingWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const PaddingWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs another padding widget");
  mode_ = other->mode_;
  left_ = other->left_;
  right_ = other->right_;
  top_ = other->top_;
  bottom_ = other->bottom_;
  return Ok();
}

void PaddingWidgetImpl::SetMode(PADDING_MODE mode) {
  if (mode != PADDING_MODE::CHILD && mode != PADDING_MODE::PARENT) return;
  if (mode == mode_) return;
  mode_ = mode;
  const bool fromParent = mode == PADDING_MODE::PARENT;
  SetInheritParentSize(fromParent, WIDGET_DIRECTION::HORIZONTAL);
  SetInheritParentSize(fromParent, WIDGET_DIRECTION::VERTICAL);
  RequestLayout();
}

Result<void> PaddingWidgetImpl::SetMargin(CanvasUnitValue& margin, CanvasUnitValue value, const char* side) {
  if (value.value < 0.0) return IllegalArgumentError(std::string(side) + " value is negative");
  if (!std::isfinite(value.value)) return IllegalArgumentError(std::string(side) + " value is not finite");
  if (value == margin) return Ok();
  margin = value;
  RequestLayout();
  return Ok();
}

Result<void> PaddingWidgetImpl::SetPadding(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                                           CanvasUnitValue bottom) {
  ZV_TRY(SetLeft(left));
  ZV_TRY(SetRight(right));
  ZV_TRY(SetTop(top));
  return SetBottom(bottom);
}

Result<void> PaddingWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("PaddingWidget");
  return Ok();
}

PaddingMargins PaddingWidgetImpl::GetPixelMargins() const {
  return PaddingMarginsToPixels(left_, right_, top_, bottom_, GetRemBase());
}

Result<void> PaddingWidgetImpl::LayoutPass1() {
  // In PARENT mode the size comes from outside; nothing to measure.
  if (mode_ == PADDING_MODE::PARENT) return Ok();
  const PaddingMargins margins = GetPixelMargins();
  WidgetInterface* child = GetFirstChildWidget();
  const Vector2d padded = PaddedSize(child ? child->GetParentLocalSize() : Vector2d{}, margins);
  Vector2d size = GetLocalPixSize();
  if (!child || !IsInfinite(*child, WIDGET_DIRECTION::HORIZONTAL)) size.x = padded.x;
  if (!child || !IsInfinite(*child, WIDGET_DIRECTION::VERTICAL)) size.y = padded.y;
  return SetLocalSize(size.x, size.y);
}

Result<void> PaddingWidgetImpl::LayoutPass2() {
  WidgetInterface* child = GetFirstChildWidget();
  if (!child) return Ok();
  const PaddingMargins margins = GetPixelMargins();
  const Rect inner = PaddingInnerFrame(GetLocalPixSize(), margins);
  child->SetLocalPosition({inner.left, inner.top});
  const bool fill = mode_ == PADDING_MODE::PARENT;
  const bool fillWidth = fill || IsInfinite(*child, WIDGET_DIRECTION::HORIZONTAL);
  const bool fillHeight = fill || IsInfinite(*child, WIDGET_DIRECTION::VERTICAL);
  if (!fillWidth && !fillHeight) return Ok();
  const Vector2d scale = child->GetLocalScale();
  const CanvasUnitSize current = child->GetLocalSize();
  return child->SetLocalSize(fillWidth ? CanvasUnitValue::Pix(UnscaledLength(inner.Width(), scale.x)) : current.width,
                             fillHeight ? CanvasUnitValue::Pix(UnscaledLength(inner.Height(), scale.y)) : current.height);
}

}  // namespace zarvo
