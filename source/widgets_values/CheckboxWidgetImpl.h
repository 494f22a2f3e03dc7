#pragma once
#include "source/WidgetComponent.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/widgets_base/ImageWidgetImpl.h"

namespace zarvo {

// The check box: an image widget whose vector icon is its symbol's, drawn in the icon state
// that shows the check box's state.
class CheckboxWidgetImpl : public ImageWidgetImpl, public virtual CheckboxWidgetInterface {
 public:
  CheckboxWidgetImpl() = default;

  Result<void> InitComponent() override;
  void FreeComponent() override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

  void SetState(Bool state) override;
  Bool GetState() const override { return state_; }
  Result<void> SetSymbol(CHECKBOX_SYMBOL symbol) override;
  CHECKBOX_SYMBOL GetSymbol() const override { return symbol_; }
  void SetButtonReaction(BUTTON_REACTION reaction) override { reaction_ = reaction; }
  BUTTON_REACTION GetButtonReaction() const override { return reaction_; }
  Ref<CheckboxObservable> ObservableStateChanged() override { return stateChanged_.Get(this, "ObservableStateChanged"); }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  // The pointer's look is the icon's own highlight, drawn with the content.
  Result<void> DrawHighlight() override { return Ok(); }
  void SetLOD(Int lod) override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

 private:
  // One user toggle: flips the state (a RADIO box that is on stays on), tells the observers
  // and redraws. Consumed either way.
  [[nodiscard]] Result<bool> Toggle();
  bool IsHovered() const;

  // Made by the hundred (a radio group, the rows of a list), and mostly never observed.
  LazyObservable<CheckboxObservable> stateChanged_;
  Bool state_ = false;
  // The usual box until someone chooses another; its icon is loaded by CreateLayout.
  CHECKBOX_SYMBOL symbol_ = CHECKBOX_SYMBOL::CHECKMARK;
  BUTTON_REACTION reaction_ = BUTTON_REACTION::BUTTON_DOWN;
};

}  // namespace zarvo
