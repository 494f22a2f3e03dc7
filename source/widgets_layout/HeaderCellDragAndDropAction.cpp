#include "source/widgets_layout/HeaderCellDragAndDropAction.h"

#include <algorithm>
#include <cmath>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/StyleSheet.h"
#include "source/WidgetComponent.h"

namespace zarvo {

namespace {
constexpr Float kByte = 1.0 / 255.0;
// The column's ghost that follows the pointer; the session draws it translucent.
const StyleKey<ColorA> kDragImageColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.headercell.dragimagecolor", ColorA{90 * kByte, 140 * kByte, 215 * kByte, 1.0});

uint8_t ToByte(Float channel) { return static_cast<uint8_t>(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0)); }

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
  // The ghost covers the cell where it was grabbed and keeps that grip under the pointer.
  const Rect frame = headerCell_->GetGlobalFrame();
  const Int width = std::max<Int>(1, static_cast<Int>(std::lround(frame.Width())));
  const Int height = std::max<Int>(1, static_cast<Int>(std::lround(frame.Height())));
  ZV_TRY_ASSIGN(Ref<Image> image, Image::Create(width, height));
  const ColorA color = ReadStyle(*headerCell_, kDragImageColor);
  image->Fill(PixelRGBA8{ToByte(color.r), ToByte(color.g), ToByte(color.b), ToByte(color.a)});
  session_->SetDragImage(std::move(image), {startPosition_.x - frame.left, startPosition_.y - frame.top});
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
