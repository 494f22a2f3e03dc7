#include "source/widgets_layout/ScrollSliderWidgetImpl.h"

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/ScrollbarWidgetInterface.h"
#include "source/widgets_layout/ScrollStyle.h"

namespace zarvo {

namespace {
constexpr WIDGET_DIRECTION kDirections[2] = {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL};
constexpr Float kDraggingThicknessFactor = 2.0;
}  // namespace

void ScrollSliderWidgetImpl::SetDirection(WIDGET_DIRECTION direction) {
  if (direction == direction_) return;
  direction_ = direction;
  RequestRedraw();
}

Result<void> ScrollSliderWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("ScrollSliderWidget");
  SetFocusVisibility(false);
  SetAcceptFocus(true);
  for (WIDGET_DIRECTION d : kDirections) {
    SetInheritParentSize(true, d);
    SetSizeMode(WIDGET_SIZE::NONE, d);
  }
  return Ok();
}

Result<ScrollSliderWidgetImpl::Scrolled> ScrollSliderWidgetImpl::FindScrolled() const {
  WidgetInterface* cell = GetParentWidget();
  if (!dynamic_cast<CellWidgetInterface*>(cell)) return IllegalStateError("Scroll slider has no parent cell.");
  auto* scrollbar = dynamic_cast<ScrollbarWidgetInterface*>(cell->GetParentWidget());
  if (!scrollbar) return IllegalStateError("Scroll slider's parent cell has no scrollbar parent.");
  WidgetInterface* barCell = scrollbar->GetParentWidget();
  if (!dynamic_cast<CellWidgetInterface*>(barCell)) return IllegalStateError("Scrollbar has no parent cell.");
  auto* area = dynamic_cast<ScrollAreaWidgetInterface*>(barCell->GetParentWidget());
  if (!area) return IllegalStateError("Scrollbar's parent cell has no scrollarea parent.");
  Scrolled scrolled;
  scrolled.area = ScrollAreaWidgetRef(area);
  ZV_TRY_ASSIGN(scrolled.contentCell, area->GetContentCell());
  ZV_TRY_ASSIGN(scrolled.content, area->GetWidgetToBeScrolled());
  return scrolled;
}

ScrollThumb ScrollSliderWidgetImpl::ThumbOf(const Scrolled& scrolled) const {
  const Vector2d own = GetLocalPixSize();
  const Vector2d view = scrolled.contentCell ? scrolled.contentCell->GetLocalPixSize() : Vector2d{};
  const Vector2d content = scrolled.content ? scrolled.content->GetParentLocalSize() : Vector2d{};
  const Vector2d offset = scrolled.content ? scrolled.content->GetLocalPosition() : Vector2d{};
  const Float thickness = IsVertical() ? own.x : own.y;
  return ComputeScrollThumb(Along(own), thickness, Along(view), Along(content), Along(offset));
}

Result<ScrollThumb> ScrollSliderWidgetImpl::ComputeThumb() const {
  ZV_TRY_ASSIGN(const Scrolled scrolled, FindScrolled());
  return ThumbOf(scrolled);
}

Result<void> ScrollSliderWidgetImpl::DrawThumb(const ColorA& color) {
  ZV_TRY_ASSIGN(const ScrollThumb thumb, ComputeThumb());
  if (!thumb.present) return Ok();
  const Vector2d own = GetLocalPixSize();
  const Float thickness = IsVertical() ? own.x : own.y;
  Float half = thickness * kScrollThumbHalfThicknessRatio;
  if (dragging_) half *= kDraggingThicknessFactor;
  return DrawShape(MakeCapsulePath(thumb.start, thumb.end, thickness * 0.5, half, IsVertical()), color);
}

Result<void> ScrollSliderWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  return DrawThumb(ReadStyle(*this, dragging_ ? kScrollSliderHighlightColor : kScrollSliderForegroundColor));
}

Result<void> ScrollSliderWidgetImpl::DrawHighlight() {
  // The thumb lights up under the pointer instead of the host's veil over the whole track.
  AppWidgetInterface* appWidget = GetAppWidget();
  if (!appWidget || appWidget->GetHoverWidget() != static_cast<const WidgetInterface*>(this)) return Ok();
  return DrawThumb(ReadStyle(*this, kScrollSliderHighlightColor));
}

Result<void> ScrollSliderWidgetImpl::DragStep(const Scrolled& scrolled, Vector2d globalPointer) {
  if (!scrolled.content || !scrolled.contentCell) return Ok();
  const Rect frame = GetGlobalFrame();
  const Vector2d view = scrolled.contentCell->GetLocalPixSize();
  const Vector2d content = scrolled.content->GetParentLocalSize();
  Vector2d position = scrolled.content->GetLocalPosition();
  if (IsVertical()) {
    position.y = ComputeDragOffset(globalPointer.y, grabOffset_.y, frame.top, frame.bottom, content.y, view.y);
  } else {
    position.x = ComputeDragOffset(globalPointer.x, grabOffset_.x, frame.left, frame.right, content.x, view.x);
  }
  scrolled.content->SetLocalPosition(position);
  scrolled.contentCell->RequestRedraw();
  RequestRedraw();
  // The scroll area's late layout pass holds the content inside the view.
  scrolled.area->RequestLayout();
  return Ok();
}

Result<bool> ScrollSliderWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      ZV_TRY_ASSIGN(const Scrolled scrolled, FindScrolled());
      const ScrollThumb thumb = ThumbOf(scrolled);
      if (!thumb.present) return false;
      ZV_TRY_ASSIGN(Vector2d pointer, reader.GetPosition());
      const Vector2d local = GlobalToLocalPosition(pointer);
      if (thumb.Contains(Along(local))) {
        const Vector2d own = GetLocalPixSize();
        const Vector2d center = IsVertical() ? Vector2d{own.x * 0.5, thumb.Center()}
                                             : Vector2d{thumb.Center(), own.y * 0.5};
        grabOffset_ = center - local;
      } else {
        grabOffset_ = {};
        ZV_TRY(DragStep(scrolled, pointer));
      }
      dragging_ = true;
      RequestRedraw();
      return true;
    }
    case EVENT::BUTTON_DRAG: {
      if (!dragging_) return false;
      ZV_TRY_ASSIGN(const Scrolled scrolled, FindScrolled());
      ZV_TRY_ASSIGN(Vector2d pointer, reader.GetPosition());
      ZV_TRY(DragStep(scrolled, pointer));
      return true;
    }
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT) return false;
      dragging_ = false;
      RequestRedraw();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zarvo
