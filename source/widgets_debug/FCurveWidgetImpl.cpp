#include "source/widgets_debug/FCurveWidgetImpl.h"

#include <algorithm>
#include <cmath>

#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "source/WidgetComponent.h"
#include "host/ui/StyleSheet.h"
#include "source/widgets_debug/FCurveMath.h"
#include "source/widgets_debug/FCurveStyle.h"

namespace zarvo {

namespace {
bool IsFiniteKey(const FCurveKey& key) { return std::isfinite(key.time) && std::isfinite(key.value); }
}  // namespace

FCurveWidgetImpl::FCurveWidgetImpl() : keysChanged_(MakeRef<FCurveObservable>()) {}

Result<void> FCurveWidgetImpl::InitComponent() {
  return InitObservables(this, {{keysChanged_.Get(), "ObservableKeysChanged"}});
}

void FCurveWidgetImpl::FreeComponent() { FreeObservables({keysChanged_.Get()}); }

Result<void> FCurveWidgetImpl::SetKeys(std::vector<FCurveKey> keys) {
  if (!std::all_of(keys.begin(), keys.end(), IsFiniteKey)) return IllegalArgumentError("Key is not finite");
  std::stable_sort(keys.begin(), keys.end(), [](const FCurveKey& a, const FCurveKey& b) { return a.time < b.time; });
  if (keys == keys_) return Ok();
  keys_ = std::move(keys);
  selected_ = -1;
  dragging_ = false;
  RequestRedraw();
  return Ok();
}

Float FCurveWidgetImpl::Evaluate(Float time) const { return EvaluateFCurve(keys_, FCurveSlopes(keys_), time); }

void FCurveWidgetImpl::SetSelectedKey(Int index) {
  if (index < 0 || index >= static_cast<Int>(keys_.size())) index = -1;
  if (index == selected_) return;
  selected_ = index;
  RequestRedraw();
}

Vector2d FCurveWidgetImpl::KeyToContent(const FCurveKey& key) const {
  return {kFCurveOrigin + key.time * kFCurvePixelsPerUnit, kFCurveOrigin - key.value * kFCurvePixelsPerUnit};
}

FCurveKey FCurveWidgetImpl::ContentToKey(Vector2d content) const {
  return {(content.x - kFCurveOrigin) / kFCurvePixelsPerUnit, (kFCurveOrigin - content.y) / kFCurvePixelsPerUnit};
}

Result<void> FCurveWidgetImpl::CreateLayout() {
  ZV_TRY(AreaWidgetImpl::CreateLayout());
  SetName("FCurveWidget");
  // Main grid lines on whole units from the origin.
  const Vector2d origin{kFCurveOrigin, kFCurveOrigin};
  SetGrid(origin, origin, CanvasUnitValue::Pix(kAreaDefaultGridLength), CanvasUnitValue::Pix(kAreaDefaultGridLength),
          kAreaDefaultGridSubdivision, 1.0);
  SetShowGrid(true);
  SetPan({kFCurveInitialOrigin.x - kFCurveOrigin, kFCurveInitialOrigin.y - kFCurveOrigin});
  return Ok();
}

Result<void> FCurveWidgetImpl::DrawContent() {
  ZV_TRY(AreaWidgetImpl::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas || keys_.empty()) return Ok();
  const Rect visible = GetVisibleContent();
  if (visible.IsEmpty()) return Ok();
  const Vector2d zoom = GetLocalScale();
  const StyleSheetService& styles = StyleSheetService::Get();
  const StyleSheet* sheet = GetWidgetStylesheet();
  const std::vector<Float> slopes = FCurveSlopes(keys_);
  // The held end values reach across the whole view.
  const Float left = std::min(visible.left, KeyToContent(keys_.front()).x);
  const Float right = std::max(visible.right, KeyToContent(keys_.back()).x);
  Path curve;
  curve.MoveTo({left, KeyToContent(keys_.front()).y});
  curve.LineTo(KeyToContent(keys_.front()));
  for (size_t i = 0; i + 1 < keys_.size(); ++i) {
    const FCurveControls controls = FCurveSegmentControls(keys_, slopes, i);
    curve.CubicTo(KeyToContent(controls.first), KeyToContent(controls.second), KeyToContent(keys_[i + 1]));
  }
  curve.LineTo({right, KeyToContent(keys_.back()).y});
  canvas->DrawPath(curve, styles.Read(kFCurveLineColor, sheet), kFCurveLineWidth / zoom.y);

  const Vector2d half{kFCurveKeySize * 0.5 / zoom.x, kFCurveKeySize * 0.5 / zoom.y};
  const ColorA keyColor = styles.Read(kFCurveKeyColor, sheet);
  const ColorA selectedColor = styles.Read(kFCurveSelectedKeyColor, sheet);
  const ColorA outline = styles.Read(kFCurveKeyOutlineColor, sheet);
  for (size_t i = 0; i < keys_.size(); ++i) {
    const Vector2d at = KeyToContent(keys_[i]);
    const ColorA fill = static_cast<Int>(i) == selected_ ? selectedColor : keyColor;
    canvas->DrawRectangle({at.x - half.x, at.y - half.y, at.x + half.x, at.y + half.y},
                          PaintStyle::FilledAndStroked(fill, outline, kFCurveKeyOutlineWidth / zoom.x));
  }
  return Ok();
}

Int FCurveWidgetImpl::FindKeyAt(Vector2d global) const {
  for (Int i = static_cast<Int>(keys_.size()) - 1; i >= 0; --i) {
    const Vector2d at = LocalToGlobalPosition(KeyToContent(keys_[static_cast<size_t>(i)]));
    if (std::abs(at.x - global.x) <= kFCurveKeyHitRadius && std::abs(at.y - global.y) <= kFCurveKeyHitRadius) {
      return i;
    }
  }
  return -1;
}

Result<void> FCurveWidgetImpl::NotifyKeysChanged() { return keysChanged_->Notify(FCurveWidgetRef(this)); }

Result<bool> FCurveWidgetImpl::HandlePress(const DataDictionary& event) {
  EventReader reader(&event);
  ZV_TRY_ASSIGN(const Vector2d position, reader.GetPosition());
  const Int hit = FindKeyAt(position);
  if (hit >= 0) {
    SetSelectedKey(hit);
    dragging_ = true;
    return true;
  }
  ZV_TRY_ASSIGN(const Int clicks, reader.GetClicks());
  if (clicks < 2) {
    SetSelectedKey(-1);
    return true;
  }
  const FCurveKey key = ContentToKey(GlobalToLocalPosition(position));
  const size_t index = KeyInsertIndex(keys_, key.time);
  keys_.insert(keys_.begin() + static_cast<long>(index), key);
  selected_ = static_cast<Int>(index);
  RequestRedraw();
  ZV_TRY(NotifyKeysChanged());
  return true;
}

Result<bool> FCurveWidgetImpl::DragSelectedTo(Vector2d global) {
  if (selected_ < 0) return true;
  const size_t index = static_cast<size_t>(selected_);
  FCurveKey key = ContentToKey(GlobalToLocalPosition(global));
  key.time = ClampKeyTime(keys_, index, key.time);
  if (!IsFiniteKey(key) || key == keys_[index]) return true;
  keys_[index] = key;
  RequestRedraw();
  ZV_TRY(NotifyKeysChanged());
  return true;
}

Result<bool> FCurveWidgetImpl::DeleteSelected() {
  if (selected_ < 0) return false;
  keys_.erase(keys_.begin() + static_cast<long>(selected_));
  selected_ = -1;
  dragging_ = false;
  RequestRedraw();
  ZV_TRY(NotifyKeysChanged());
  return true;
}

Result<bool> FCurveWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(const Int buttons, reader.GetButtonState());
      ZV_TRY_ASSIGN(const Int modifiers, reader.GetModifierState());
      if (buttons == BUTTON::LEFT && (modifiers & ~MODIFIER::CAPSLOCK) == MODIFIER::NONE) {
        ownsPress_ = true;
        return HandlePress(*event);
      }
      break;
    }
    case EVENT::BUTTON_DRAG: {
      if (!dragging_) break;
      ZV_TRY_ASSIGN(const Vector2d position, reader.GetPosition());
      return DragSelectedTo(position);
    }
    case EVENT::BUTTON_UP: {
      if (!ownsPress_) break;
      ownsPress_ = false;
      dragging_ = false;
      return true;
    }
    case EVENT::KEYBOARD_KEY_DOWN: {
      ZV_TRY_ASSIGN(const Int32 key, reader.GetKey());
      if (key == KEY::DELETE || key == KEY::BACKSPACE) {
        ZV_TRY_ASSIGN(const bool deleted, DeleteSelected());
        if (deleted) return true;
      }
      break;
    }
    default: break;
  }
  return AreaWidgetImpl::HandleEvent(event);
}

}  // namespace zarvo
