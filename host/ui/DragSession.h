#pragma once
#include <memory>

#include "host/core/DataDictionary.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/gfx/Image.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

class AppWidgetInterface;
class CanvasInterface;
class WidgetInterface;

// What a drop target would do with the dragged data.
enum class DRAGANDDROP_RESPONSE : int32_t { NONE = 0, LINK = 1, MOVE = 2, COPY = 3, MENU = 4 };

// Opacity of the image that follows the pointer, so the target stays visible under it.
inline constexpr Float kDragImageOpacity = 0.6;

// A drag of data inside one window, from its start to the drop or the cancel. The targets are
// the widgets that accept drag-and-drop: the nearest such widget at or above the one under the
// pointer. A target hears DND_ENTER when the pointer reaches it, DND_DRAG on every move (its
// answer says whether it would take the data there), DND_LEAVE when the pointer leaves it or
// the drag is cancelled, and DND_DROP at the drop. Each event record carries the type, the
// position and the dragged data's entries.
class DragSession {
 public:
  // A session in `window` (its app widget) started at `position`.
  [[nodiscard]] static Result<std::unique_ptr<DragSession>> Start(AppWidgetInterface& window, Vector2d position,
                                                                  DataDictionary data);

  // What an accepting target does with the data; MOVE unless told.
  void SetOfferedResponse(DRAGANDDROP_RESPONSE response) { offered_ = response; }
  // An image drawn under the pointer, `hotSpot` being the image point at the pointer.
  void SetDragImage(Ref<Image> image, Vector2d hotSpot);

  // The pointer is at `position`: the response of the target there, NONE when none accepts.
  [[nodiscard]] Result<DRAGANDDROP_RESPONSE> Move(Vector2d position);
  // Drops at `position` and ends the session: the response of the target that took the data,
  // NONE when none did.
  [[nodiscard]] Result<DRAGANDDROP_RESPONSE> Drop(Vector2d position);
  // Ends the session without a drop.
  [[nodiscard]] Result<void> Cancel();
  // Draws the drag image at the pointer, if there is one.
  void DrawDragImage(CanvasInterface& canvas) const;

  bool IsRunning() const noexcept { return running_; }
  Vector2d GetPosition() const noexcept { return position_; }
  const DataDictionary& GetData() const noexcept { return data_; }
  // The widget under the pointer that accepts drag-and-drop, or nullptr.
  WidgetInterface* GetTarget() const noexcept { return target_.GetUnsafe(); }

 private:
  DragSession(AppWidgetInterface& window, Vector2d position, DataDictionary data);
  [[nodiscard]] Result<bool> Send(WidgetInterface& target, EVENT type) const;
  [[nodiscard]] Result<void> CheckRunning() const;

  WeakRef<AppWidgetInterface> window_;
  DataDictionary data_;
  Vector2d position_;
  WeakRef<WidgetInterface> target_;
  bool accepted_ = false;
  bool running_ = true;
  DRAGANDDROP_RESPONSE offered_ = DRAGANDDROP_RESPONSE::MOVE;
  Ref<Image> image_;
  Vector2d hotSpot_;
};

}  // namespace zarvo
