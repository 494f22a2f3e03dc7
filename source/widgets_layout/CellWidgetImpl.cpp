#include "source/widgets_layout/CellWidgetImpl.h"

#include <cmath>

#include "source/widgets_layout/CanvasUnitMath.h"

namespace zarvo {

namespace {
constexpr const char* kNegativePaddingMessages[4] = {"left value is negative", "right value is negative",
                                                     "top value is negative", "bottom value is negative"};

constexpr WIDGET_DIRECTION kHorizontal = WIDGET_DIRECTION::HORIZONTAL;
constexpr WIDGET_DIRECTION kVertical = WIDGET_DIRECTION::VERTICAL;

// Where content of extent `free` less than the cell sits for an alignment, measured from the
// leading padding. Mirrored alignments swap MIN and MAX.
Float AlignedOffset(ALIGNMENT_MODE alignment, Float free, bool mirrored) {
  switch (alignment) {
    case ALIGNMENT_MODE::MIN: return mirrored ? free : 0.0;
    case ALIGNMENT_MODE::CENTER: return free * 0.5;
    case ALIGNMENT_MODE::MAX: return mirrored ? 0.0 : free;
  }
  return 0.0;
}
}  // namespace

CellWidgetImpl::CellWidgetImpl() { SetPlacesChildren(true); }

Result<void> CellWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const CellWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  for (int d = 0; d < 2; ++d) {
    alignment_[d] = other->alignment_[d];
    stretchMode_[d] = other->stretchMode_[d];
    preferredSize_[d] = other->preferredSize_[d];
  }
  padding_ = other->padding_;
  RequestLayout();
  return Ok();
}

void CellWidgetImpl::SetAlignment(ALIGNMENT_MODE alignment, WIDGET_DIRECTION direction) {
  uint8_t& stored = alignment_[DirectionIndex(direction)];
  if (stored == static_cast<uint8_t>(alignment)) return;
  stored = static_cast<uint8_t>(alignment);
  RequestLayout();
}

void CellWidgetImpl::SetStretchMode(CELL_STRETCH_MODE mode, WIDGET_DIRECTION direction) {
  uint8_t& stored = stretchMode_[DirectionIndex(direction)];
  if (stored == static_cast<uint8_t>(mode)) return;
  stored = static_cast<uint8_t>(mode);
  // Only the containing table reads it, when it measures.
  if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
}

void CellWidgetImpl::SetPreferredSize(Float size, WIDGET_DIRECTION direction) {
  const Float clamped = size > 0.0 ? size : 0.0;
  Float& stored = preferredSize_[DirectionIndex(direction)];
  if (stored == clamped) return;
  stored = clamped;
  if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
}

Result<void> CellWidgetImpl::StorePaddings(std::initializer_list<std::pair<Side, CanvasUnitValue>> values) {
  for (const auto& [side, value] : values) {
    if (value.value < 0.0) return IllegalArgumentError(kNegativePaddingMessages[side]);
  }
  bool changed = false;
  for (auto [side, value] : values) {
    // NaN is not below 0 and so passes the check; it would spread through every sum.
    if (std::isnan(value.value)) value.value = 0.0;
    // -0.0 is a valid padding; compare bits of sign too so that it is stored as given.
    const CanvasUnitValue stored = padding_[side];
    if (stored.unit == value.unit && stored.value == value.value &&
        std::signbit(stored.value) == std::signbit(value.value)) {
      continue;
    }
    padding_.Set(side, value);
    changed = true;
  }
  if (changed) RequestLayout();
  return Ok();
}

Result<void> CellWidgetImpl::SetPadding(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                                        CanvasUnitValue bottom) {
  return StorePaddings({{kLeft, left}, {kRight, right}, {kTop, top}, {kBottom, bottom}});
}

Result<void> CellWidgetImpl::SetHorizontalPadding(CanvasUnitValue left, CanvasUnitValue right) {
  return StorePaddings({{kLeft, left}, {kRight, right}});
}

Result<void> CellWidgetImpl::SetHorizontalPadding(CanvasUnitValue value) {
  return StorePaddings({{kLeft, value}, {kRight, value}});
}

Result<void> CellWidgetImpl::SetVerticalPadding(CanvasUnitValue top, CanvasUnitValue bottom) {
  return StorePaddings({{kTop, top}, {kBottom, bottom}});
}

Result<void> CellWidgetImpl::SetVerticalPadding(CanvasUnitValue value) {
  return StorePaddings({{kTop, value}, {kBottom, value}});
}

Result<void> CellWidgetImpl::SetLeftPadding(CanvasUnitValue value) { return StorePaddings({{kLeft, value}}); }
Result<void> CellWidgetImpl::SetRightPadding(CanvasUnitValue value) { return StorePaddings({{kRight, value}}); }
Result<void> CellWidgetImpl::SetTopPadding(CanvasUnitValue value) { return StorePaddings({{kTop, value}}); }
Result<void> CellWidgetImpl::SetBottomPadding(CanvasUnitValue value) { return StorePaddings({{kBottom, value}}); }

Result<void> CellWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("CellWidget");
  SetAcceptTabFocus(false);
  return Ok();
}

void CellWidgetImpl::HandleChildrenChanged() {
  WidgetBase::HandleChildrenChanged();
  // A cell that gains or loses its content starts or stops counting for its container, even
  // when its own size stays the same.
  if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
}

Vector2d CellWidgetImpl::GetMeasuredParentLocalSize() const {
  const Vector2d scale = GetLocalScale();
  return {measuredSize_.x * scale.x, measuredSize_.y * scale.y};
}

void CellWidgetImpl::HandleParentChanged() {
  tableSample_ = nullptr;
  WidgetBase::HandleParentChanged();
}

Result<void> CellWidgetImpl::LayoutPass1() {
  ZV_TRY(MeasureContent());
  if (tableSample_) WriteTableSample();
  return Ok();
}

void CellWidgetImpl::WriteTableSample() {
  CellSample& sample = *tableSample_;
  sample.stamp = GetLayoutStamp();
  sample.counts = hasMeasuredSize_ && FirstChildBase() && GetLocalVisibility();
  const auto limited = [](WIDGET_SIZE mode) {
    return mode == WIDGET_SIZE::MIN || mode == WIDGET_SIZE::MAX || mode == WIDGET_SIZE::MIN_MAX;
  };
  const auto preferred = static_cast<uint8_t>(CELL_STRETCH_MODE::PREFERRED);
  const Vector2d size = sample.counts ? GetMeasuredParentLocalSize() : Vector2d{};
  sample.width = static_cast<float>(size.x);
  sample.height = static_cast<float>(size.y);
  sample.plain = !limited(GetSizeMode(kHorizontal)) && !limited(GetSizeMode(kVertical)) &&
                 stretchMode_[0] != preferred && stretchMode_[1] != preferred &&
                 static_cast<Float>(sample.width) == size.x && static_cast<Float>(sample.height) == size.y;
  sample.stretch[0] = stretchMode_[0];
  sample.stretch[1] = stretchMode_[1];
}

Result<void> CellWidgetImpl::MeasureContent() {
  WidgetBase* content = FirstChildBase();
  if (!content) return Ok();
  const Float remBase = GetRemBase();
  Vector2d size = GetLocalPixSize();
  const Vector2d contentSize = content->GetParentLocalSize();
  const bool infiniteX = content->GetSizeMode(kHorizontal) == WIDGET_SIZE::INFINITE;
  const bool infiniteY = content->GetSizeMode(kVertical) == WIDGET_SIZE::INFINITE;
  if (!infiniteX) {
    size.x = CanvasUnitToPixels(padding_[kLeft], remBase) + CanvasUnitToPixels(padding_[kRight], remBase) +
             contentSize.x;
  }
  if (!infiniteY) {
    size.y = CanvasUnitToPixels(padding_[kTop], remBase) + CanvasUnitToPixels(padding_[kBottom], remBase) +
             contentSize.y;
  }
  ZV_TRY(SetLocalSize(size.x, size.y));
  // Content the cell does not measure (a scroll area's) changes size without the cell changing
  // its own; the container, which may depend on it, is told directly.
  if ((infiniteX || infiniteY) && !(contentSize == unmeasuredContentSize_)) {
    unmeasuredContentSize_ = contentSize;
    if (WidgetInterface* parent = GetParentWidget()) parent->RequestLayout();
  }
  measuredSize_ = GetLocalPixSize();
  hasMeasuredSize_ = true;
  return Ok();
}

Result<void> CellWidgetImpl::LayoutPass2() {
  WidgetBase* content = FirstChildBase();
  if (!content) return Ok();
  const Float remBase = GetRemBase();
  const CanvasUnitSize own = GetLocalSize();
  const CanvasUnitSize contentSize = content->GetParentLocalSizeCUV();
  // The room left beside the content, in the cell's unit as the sums are defined; a cell in
  // pixels (as every container sizes its cells) computes the same in pixels directly.
  const auto freeRoom = [remBase](CanvasUnitValue extent, CanvasUnitValue taken, CanvasUnitValue lead,
                                  CanvasUnitValue trail) {
    if (extent.unit == CANVAS_UNIT::PIX) {
      return extent.value - CanvasUnitToPixels(taken, remBase) - CanvasUnitToPixels(lead, remBase) -
             CanvasUnitToPixels(trail, remBase);
    }
    return CanvasUnitToPixels(SubtractCanvasUnitValues(SubtractCanvasUnitValues(SubtractCanvasUnitValues(
                                                           extent, taken, remBase), lead, remBase), trail, remBase),
                              remBase);
  };
  Vector2d position = content->GetLocalPosition();
  const CanvasUnitValue left = padding_[kLeft];
  const CanvasUnitValue right = padding_[kRight];
  const CanvasUnitValue top = padding_[kTop];
  const CanvasUnitValue bottom = padding_[kBottom];

  const bool infiniteX = content->GetSizeMode(kHorizontal) == WIDGET_SIZE::INFINITE;
  const bool infiniteY = content->GetSizeMode(kVertical) == WIDGET_SIZE::INFINITE;
  const bool inheritX = content->GetInheritParentSize(kHorizontal);
  const bool inheritY = content->GetInheritParentSize(kVertical);

  if (!infiniteX) {
    const Float leftPix = CanvasUnitToPixels(left, remBase);
    if (inheritX) {
      position.x = leftPix;
    } else {
      const bool mirrored = GetAcceptR2LMode() && GetR2LMode() == WIDGET_R2L_MODE::RIGHT_TO_LEFT;
      position.x = leftPix + AlignedOffset(GetAlignment(kHorizontal),
                                           freeRoom(own.width, contentSize.width, left, right), mirrored);
    }
  }
  if (!infiniteY) {
    const Float topPix = CanvasUnitToPixels(top, remBase);
    if (inheritY) {
      position.y = topPix;
    } else {
      position.y = topPix + AlignedOffset(GetAlignment(kVertical),
                                          freeRoom(own.height, contentSize.height, top, bottom), false);
    }
  }
  content->SetLocalPosition(position);
  // Content that keeps its own size has it already, within its limits.
  if (!(inheritX && !infiniteX) && !(inheritY && !infiniteY)) return Ok();

  CanvasUnitSize size = content->GetLocalSize();
  // The content takes the room between the paddings; paddings wider than the cell leave none.
  auto inner = [remBase](CanvasUnitValue extent, CanvasUnitValue lead, CanvasUnitValue trail) {
    const CanvasUnitValue room = SubtractCanvasUnitValues(extent, AddCanvasUnitValues(lead, trail, remBase), remBase);
    return room.value < 0.0 ? CanvasUnitValue::Fon(0.0) : room;
  };
  if (inheritX && !infiniteX) size.width = inner(own.width, left, right);
  if (inheritY && !infiniteY) size.height = inner(own.height, top, bottom);
  return content->SetLocalSize(size.width, size.height);
}

}  // namespace zarvo
