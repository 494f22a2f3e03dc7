#include "host/ui/DragSession.h"

#include <new>
#include <utility>

#include "host/gfx/Image.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"

namespace zarvo {

namespace {
WidgetInterface* FindDropTarget(AppWidgetInterface& window, Vector2d position) {
  WidgetInterface* widget = window.FindHitWidget(position);
  while (widget && !widget->GetAcceptDragAndDrop()) widget = widget->GetParentWidget();
  return widget;
}
}  // namespace

DragSession::DragSession(AppWidgetInterface& window, Vector2d position, DataDictionary data)
    : window_(&window), data_(std::move(data)), position_(position) {}

Result<std::unique_ptr<DragSession>> DragSession::Start(AppWidgetInterface& window, Vector2d position,
                                                        DataDictionary data) {
  std::unique_ptr<DragSession> session(new (std::nothrow) DragSession(window, position, std::move(data)));
  if (!session) return OutOfMemoryError();
  return session;
}

void DragSession::SetDragImage(Ref<Image> image, Vector2d hotSpot) {
  image_ = std::move(image);
  hotSpot_ = hotSpot;
}

Result<void> DragSession::CheckRunning() const {
  if (!running_) return IllegalStateError("Drag session has ended");
  return Ok();
}

Result<bool> DragSession::Send(WidgetInterface& target, EVENT type) const {
  DataDictionary event = data_;
  event.Set(EventKeys::EventType(), static_cast<Int32>(type));
  event.Set(EventKeys::Position(), position_);
  return target.HandleDragAndDrop(event);
}

Result<DRAGANDDROP_RESPONSE> DragSession::Move(Vector2d position) {
  ZV_TRY(CheckRunning());
  ZV_TRY_ASSIGN(Ref<AppWidgetInterface> window, window_.Resolve("The drag's window is gone"));
  position_ = position;
  Ref<WidgetInterface> target(FindDropTarget(*window, position));
  Ref<WidgetInterface> previous = target_.Lock();
  if (target != previous) {
    target_ = WeakRef<WidgetInterface>(target.Get());
    accepted_ = false;
    if (previous) ZV_TRY(Send(*previous, EVENT::DND_LEAVE));
    if (target) ZV_TRY(Send(*target, EVENT::DND_ENTER));
  }
  if (!target) return DRAGANDDROP_RESPONSE::NONE;
  ZV_TRY_ASSIGN(accepted_, Send(*target, EVENT::DND_DRAG));
  return accepted_ ? offered_ : DRAGANDDROP_RESPONSE::NONE;
}

Result<DRAGANDDROP_RESPONSE> DragSession::Drop(Vector2d position) {
  ZV_TRY_ASSIGN(DRAGANDDROP_RESPONSE response, Move(position));
  running_ = false;
  Ref<WidgetInterface> target = target_.Lock();
  target_.Reset();
  if (response == DRAGANDDROP_RESPONSE::NONE || !target) return DRAGANDDROP_RESPONSE::NONE;
  ZV_TRY_ASSIGN(bool taken, Send(*target, EVENT::DND_DROP));
  return taken ? response : DRAGANDDROP_RESPONSE::NONE;
}

Result<void> DragSession::Cancel() {
  ZV_TRY(CheckRunning());
  running_ = false;
  Ref<WidgetInterface> target = target_.Lock();
  target_.Reset();
  if (target) ZV_TRY(Send(*target, EVENT::DND_LEAVE));
  return Ok();
}

void DragSession::DrawDragImage(CanvasInterface& canvas) const {
  if (!running_ || !image_) return;
  const Vector2d origin{position_.x - hotSpot_.x, position_.y - hotSpot_.y};
  const Rect destination{origin.x, origin.y, origin.x + static_cast<Float>(image_->GetWidth()),
                         origin.y + static_cast<Float>(image_->GetHeight())};
  canvas.DrawImage(*image_, destination, kDragImageOpacity);
}

}  // namespace zarvo
