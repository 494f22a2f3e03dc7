#include "source/widgets_color/EyeDropper.h"

#include "host/core/Log.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/PointerGrab.h"
#include "host/ui/ScreenPixelReader.h"

namespace zarvo {

EyeDropper::~EyeDropper() {
  PointerGrab::End(grab_);
}

bool EyeDropper::IsPicking() const noexcept { return !done_ && PointerGrab::IsActive(grab_); }

void EyeDropper::Start(Told preview, Told picked, Cancelled cancelled) {
  preview_ = std::move(preview);
  picked_ = std::move(picked);
  cancelled_ = std::move(cancelled);
  done_ = false;
  grab_ = PointerGrab::Begin(
      [this](CanvasInterface& canvas, const DataDictionary& event) -> Result<bool> {
        EventReader reader(&event);
        Result<EVENT> type = reader.GetType();
        if (!type.IsOk()) return false;
        const auto colorUnderPointer = [&]() -> Result<ColorA> {
          ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
          return ReadScreenPixel(canvas.GlobalToScreenPosition(position));
        };
        switch (*type) {
          case EVENT::MOUSE_MOVE:
          case EVENT::BUTTON_DRAG: {
            // Between the windows there is nothing to show: the preview keeps the last colour.
            Result<ColorA> color = colorUnderPointer();
            if (color.IsOk() && preview_) ZV_TRY(preview_(*color));
            return true;
          }
          case EVENT::BUTTON_DOWN: {
            ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
            if (buttons != BUTTON::LEFT) {
              Cancel();
              return true;
            }
            // The release still belongs to the pick: the grab stays until it comes.
            done_ = true;
            Result<ColorA> color = colorUnderPointer();
            if (!color.IsOk()) {
              LogInfo("Eye dropper: " + color.GetError().GetMessage());
              if (cancelled_) ZV_TRY(cancelled_());
              return true;
            }
            if (picked_) ZV_TRY(picked_(*color));
            return true;
          }
          case EVENT::BUTTON_UP:
            if (done_) PointerGrab::End(grab_);
            return true;
          case EVENT::KEYBOARD_KEY_DOWN: {
            ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
            if (key != KEY::ESCAPE) return false;
            Cancel();
            return true;
          }
          case EVENT::SCROLL:
            return true;
          default:
            return false;
        }
      },
      [this] {
        done_ = true;
        if (cancelled_) (void)cancelled_();
      });
}

void EyeDropper::Cancel() {
  if (!IsPicking()) return;
  // Through the grab, so that its cancel handler tells the owner once.
  PointerGrab::Cancel();
}

}  // namespace zarvo
