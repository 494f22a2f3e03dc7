#pragma once
#include <array>

#include "source/WidgetComponent.h"
#include "source/interfaces/TristateButtonWidgetInterface.h"
#include "source/widgets_base/ImageWidgetImpl.h"

namespace zarvo {

// The tristate button: an image widget that draws the icon of its current state, as authored,
// lightened while the pointer is over it.
class TristateButtonWidgetImpl : public ImageWidgetImpl, public virtual TristateButtonWidgetInterface {
 public:
  TristateButtonWidgetImpl() = default;

  void FreeComponent() override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

  Result<void> SetState(Int32 state) override;
  Int32 GetState() const override { return state_; }
  Result<void> SetIcon(const Url& url, Int32 state) override;
  Result<SVGDocumentRef> GetIcon(Int32 state) const override;
  void SetButtonReaction(BUTTON_REACTION reaction) override { reaction_ = reaction; }
  BUTTON_REACTION GetButtonReaction() const override { return reaction_; }
  Ref<TristateObservable> ObservableStateChanged() override { return stateChanged_.Get(this, "ObservableStateChanged"); }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  // The pointer's look is the icon's own highlight, drawn with the content.
  Result<void> DrawHighlight() override { return Ok(); }
  Result<bool> HandleEvent(const DataDictionary* event) override;

 private:
  // Steps forwards, or backwards with Shift alone, tells the observers and redraws.
  [[nodiscard]] Result<bool> Step(Int modifiers);

  LazyObservable<TristateObservable> stateChanged_;
  Int32 state_ = 0;
  BUTTON_REACTION reaction_ = BUTTON_REACTION::BUTTON_DOWN;
  std::array<SVGDocumentRef, kTristateCount> icons_;
};

}  // namespace zarvo
