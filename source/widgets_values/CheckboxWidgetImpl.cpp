#include "source/widgets_values/CheckboxWidgetImpl.h"

#include <filesystem>
#include <string>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/ModuleUnits.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/widgets_values/ToggleRules.h"

namespace zarvo {

namespace {
constexpr char kCheckboxIconFolder[] = "icons/checkbox";
constexpr char kIconSuffix[] = ".svg";

Result<Url> SymbolIconUrl(const char* fileName) {
  ZV_TRY_ASSIGN(std::filesystem::path folder, FindWidgetsModuleFolder());
  return Url{(folder / kCheckboxIconFolder / (std::string(fileName) + kIconSuffix)).string()};
}
}  // namespace

Result<void> CheckboxWidgetImpl::InitComponent() {
  // The observable is named when it is first handed out.
  return ImageWidgetImpl::InitComponent();
}

void CheckboxWidgetImpl::FreeComponent() {
  FreeObservables({stateChanged_.Peek()});
  ImageWidgetImpl::FreeComponent();
}

Result<void> CheckboxWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const CheckboxWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  ZV_TRY(ImageWidgetImpl::CopyFrom(source));
  stateChanged_ = other->stateChanged_;
  state_ = other->state_;
  symbol_ = other->symbol_;
  reaction_ = other->reaction_;
  return Ok();
}

void CheckboxWidgetImpl::SetState(Bool state) {
  if (state == state_) return;
  state_ = state;
  if (const VectorIconRef& icon = GetVectorIcon()) icon->SetState(CheckboxIconState(state_));
  RequestRedraw();
}

Result<void> CheckboxWidgetImpl::SetSymbol(CHECKBOX_SYMBOL symbol) {
  const char* fileName = CheckboxSymbolFileName(symbol);
  if (!fileName && symbol != CHECKBOX_SYMBOL::NONE) return IllegalArgumentError("Unknown check box symbol");
  if (symbol == symbol_ && (GetVectorIcon() || !fileName)) return Ok();
  VectorIconRef icon;
  if (fileName) {
    ZV_TRY_ASSIGN(Url url, SymbolIconUrl(fileName));
    ZV_TRY_ASSIGN(icon, CreateObject<VectorIconInterface>(Id(kVectorIconClassId)));
    ZV_TRY(icon->Init(url));
    icon->SetState(CheckboxIconState(state_));
  }
  symbol_ = symbol;
  SetVectorIcon(icon);
  RequestRedraw();
  return Ok();
}

Result<void> CheckboxWidgetImpl::CreateLayout() {
  ZV_TRY(ImageWidgetImpl::CreateLayout());
  SetName("CheckBoxWidget");
  SetAcceptFocus(true);
  SetAcceptTabFocus(true);
  if (GetLocalPixSize() == Vector2d{}) ZV_TRY(SetLocalSize(kToggleDefaultSize, kToggleDefaultSize));
  // The symbol chosen before (or the default one) gets its icon now.
  if (!GetVectorIcon() && symbol_ != CHECKBOX_SYMBOL::NONE) {
    const CHECKBOX_SYMBOL symbol = symbol_;
    symbol_ = CHECKBOX_SYMBOL::NONE;
    ZV_TRY(SetSymbol(symbol));
  }
  return Ok();
}

bool CheckboxWidgetImpl::IsHovered() const {
  const AppWidgetInterface* appWidget = GetAppWidget();
  return appWidget && appWidget->GetHoverWidget() == static_cast<const WidgetInterface*>(this);
}

Result<void> CheckboxWidgetImpl::DrawContent() {
  const VectorIconRef& icon = GetVectorIcon();
  if (!icon || !icon->IsLoaded() || GetLocalFrame().IsEmpty()) return ImageWidgetImpl::DrawContent();
  ZV_TRY_ASSIGN(Rect content, GetContentRect());
  const VECTOR_ICON_STATE state = IsHovered() ? HighlightedIconState(icon->GetState()) : icon->GetState();
  return DrawSVG(icon->GetDocument()->GetDrawUrl(), content, static_cast<Int>(state));
}

void CheckboxWidgetImpl::SetLOD(Int lod) {
  // Drawn too small to aim at, a check box is no stop for the focus either.
  SetAcceptFocus(lod != kLodLow);
  SetAcceptTabFocus(lod != kLodLow);
  ImageWidgetImpl::SetLOD(lod);
}

Result<bool> CheckboxWidgetImpl::Toggle() {
  if (state_ && symbol_ == CHECKBOX_SYMBOL::RADIO) return true;
  state_ = !state_;
  if (const VectorIconRef& icon = GetVectorIcon()) icon->SetState(CheckboxIconState(state_));
  // Nobody to tell until the observable was handed out.
  if (CheckboxObservable* observable = stateChanged_.Peek()) {
    Ref<CheckboxObservable> keep(observable);
    ZV_TRY(keep->Notify(CheckboxWidgetRef(this), state_));
  }
  RequestRedraw();
  return true;
}

Result<bool> CheckboxWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN:
    case EVENT::BUTTON_UP: {
      ZV_TRY_ASSIGN(Int buttons, reader.GetButtonState());
      switch (MouseToggleAction(*type, buttons, reaction_)) {
        case ToggleAction::kToggle: return Toggle();
        case ToggleAction::kConsume: return true;
        case ToggleAction::kIgnore: return false;
      }
      return false;
    }
    case EVENT::KEYBOARD_KEY_DOWN: {
      ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
      ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
      if (modifiers != MODIFIER::NONE || key != KEY::ENTER) return false;
      return Toggle();
    }
    default:
      return false;
  }
}

}  // namespace zarvo
