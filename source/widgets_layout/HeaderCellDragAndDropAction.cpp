#include "source/widgets_layout/HeaderCellDragAndDropAction.h"

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"

namespace zarvo {

namespace {
const Id& CursorFor(DRAGANDDROP_RESPONSE response) {
  switch (response) {
    case DRAGANDDROP_RESPONSE::COPY: return SystemCursor::DragCopy();
    case DRAGANDDROP_RESPONSE::LINK: return SystemCursor::DragLink();
    case DRAGANDDROP_RESPONSE::MOVE: return SystemCursor::DragMove();
    case DRAGANDDROP_RESPONSE::NONE:
    case DRAGANDDROP_RESPONSE::MENU: break;
  }
  return SystemCursor::Normal();
}
}  // namespace

void HeaderCellDragAndDropAction::ShowCursor(const Id& cursor) const {
  if (!headerCell_) return;
  if (CanvasInterface* canvas = headerCell_->GetCanvas()) canvas->SetCursor(cursor);
}

Result<bool> HeaderCellDragAndDropAction::Begin(WidgetInterface*, const DataDictionary& event) {
  if (!headerCell_) return NullReferenceError("No header cell to drag");
  AppWidgetInterface* window = headerCell_->GetAppWidget();
  if (!window) return IllegalStateError("The header cell is in no window");
  ZV_TRY_ASSIGN(startPosition_, EventReader(&event).GetPosition());
  DataDictionary data;
  data.Set(Id(kHeaderCellDragAndDropKey), column_);
  ZV_TRY_ASSIGN(session_, DragSession::Start(*window, startPosition_, std::move(data)));
  return true;
}

Result<void> HeaderCellDragAndDropAction::While(const DataDictionary& event) {
  if (!session_) return IllegalStateError("Drag session has ended");
  ZV_TRY_ASSIGN(Vector2d position, EventReader(&event).GetPosition());
  ZV_TRY_ASSIGN(DRAGANDDROP_RESPONSE response, session_->Move(position));
  accepted_ = response != DRAGANDDROP_RESPONSE::NONE;
  ShowCursor(accepted_ ? CursorFor(response) : SystemCursor::Forbidden());
  return Ok();
}

Result<void> HeaderCellDragAndDropAction::End(const DataDictionary&) {
  if (!session_) return IllegalStateError("Drag session has ended");
  ShowCursor(SystemCursor::Normal());
  // The drop lands where the last drag left the pointer.
  ZV_TRY_ASSIGN(DRAGANDDROP_RESPONSE response, session_->Drop(session_->GetPosition()));
  (void)response;
  return Ok();
}

Result<void> HeaderCellDragAndDropAction::Cancel() {
  ShowCursor(SystemCursor::Normal());
  if (!session_ || !session_->IsRunning()) return Ok();
  return session_->Cancel();
}

Result<void> HeaderCellDragAndDropAction::DrawAction(CanvasInterface& canvas) {
  if (session_) session_->DrawDragImage(canvas);
  return Ok();
}

}  // namespace zarvo
