#include "source/widgets_values/TristateButtonWidgetImpl.h"

#include <string>

#include "host/gfx/SVGDocument.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/widgets_base/ImageFit.h"
#include "source/widgets_values/ToggleRules.h"

namespace zarvo {

namespace {
constexpr Int32 kIconSlots = kTristateCount;

Error StateOutOfRange(Int32 state) {
  return OutOfRangeError("Tristate index " + std::to_string(state) + " is out of range 0.." +
                         std::to_string(kIconSlots - 1));
}
bool IsSlot(Int32 state) { return state >= 0 && state < kIconSlots; }
}  // namespace

void TristateButtonWidgetImpl::FreeComponent() {
  FreeObservables({stateChanged_.Peek()});
  ImageWidgetImpl::FreeComponent();
}

Result<void> TristateButtonWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const TristateButtonWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  ZV_TRY(ImageWidgetImpl::CopyFrom(source));
  stateChanged_ = other->stateChanged_;
  state_ = other->state_;
  reaction_ = other->reaction_;
  icons_ = other->icons_;
  return Ok();
}

Result<void> TristateButtonWidgetImpl::SetState(Int32 state) {
  if (!IsSlot(state)) return StateOutOfRange(state);
  if (state == state_) return Ok();
  state_ = state;
  RequestRedraw();
  return Ok();
}

Result<void> TristateButtonWidgetImpl::SetIcon(const Url& url, Int32 state) {
  if (!IsSlot(state)) return StateOutOfRange(state);
  SVGDocumentRef& slot = icons_[static_cast<size_t>(state)];
  if (url.IsEmpty()) {
    if (!slot) return Ok();
    slot.Reset();
  } else {
    if (slot && slot->GetUrl() == url) return Ok();
    // Buttons showing one file share its document, so it is parsed and rendered once.
    ZV_TRY_ASSIGN(Ref<SVGDocument> document, SVGDocumentCache::Get().GetShared(url));
    slot = std::move(document);
  }
  if (state == state_) RequestRedraw();
  return Ok();
}

Result<SVGDocumentRef> TristateButtonWidgetImpl::GetIcon(Int32 state) const {
  if (!IsSlot(state)) return StateOutOfRange(state);
  return icons_[static_cast<size_t>(state)];
}

Result<void> TristateButtonWidgetImpl::CreateLayout() {
  ZV_TRY(ImageWidgetImpl::CreateLayout());
  SetName("TristateButtonWidget");
  // Focus is what the hover look follows; without keys to handle it is no tab stop.
  SetAcceptFocus(true);
  if (GetLocalPixSize() == Vector2d{}) ZV_TRY(SetLocalSize(kToggleDefaultSize, kToggleDefaultSize));
  return Ok();
}

Result<void> TristateButtonWidgetImpl::DrawContent() {
  const SVGDocumentRef& icon = icons_[static_cast<size_t>(state_)];
  const Rect frame = GetLocalFrame();
  if (!icon || !icon->IsLoaded() || frame.IsEmpty()) return ImageWidgetImpl::DrawContent();
  ZV_TRY_ASSIGN(Vector2d size, icon->GetIntrinsicSize());
  const AppWidgetInterface* appWidget = GetAppWidget();
  const bool hovered = appWidget && appWidget->GetHoverWidget() == static_cast<const WidgetInterface*>(this);
  const VECTOR_ICON_STATE state = hovered ? VECTOR_ICON_STATE::ENABLED_ACTIVATED_HIGHLIGHT
                                          : VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT;
  return DrawSVG(icon->GetDrawUrl(), FitKeepingAspect(frame, size), static_cast<Int>(state));
}

Result<bool> TristateButtonWidgetImpl::Step(Int modifiers) {
  const Int32 step = modifiers == MODIFIER::SHIFT ? -1 : 1;
  state_ = StepToggleState(state_, step, kIconSlots);
  // Nobody to tell until the observable was handed out.
  if (TristateObservable* observable = stateChanged_.Peek()) {
    Ref<TristateObservable> keep(observable);
    ZV_TRY(keep->Notify(TristateButtonWidgetRef(this), state_));
  }
  RequestRedraw();
  return true;
}

Result<bool> TristateButtonWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  if (*type != EVENT::BUTTON_DOWN && *type != EVENT::BUTTON_UP) return false;
  ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
  switch (MouseToggleAction(*type, buttons, reaction_)) {
    case ToggleAction::kToggle: {
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      return Step(modifiers);
    }
    case ToggleAction::kConsume: return true;
    case ToggleAction::kIgnore: return false;
  }
  return false;
}

}  // namespace zarvo
