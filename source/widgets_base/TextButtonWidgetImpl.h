#pragma once
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/widgets_base/ButtonWidgetImpl.h"

namespace zarvo {

// A button holding a padding with a text inside; the base of the command button.
class TextButtonWidgetImpl : public ButtonWidgetImpl, public virtual TextButtonWidgetInterface {
 public:
  Result<void> CreateLayout() override;
  Result<TextWidgetRef> GetTextWidget() const override { return text_.Resolve(); }

 private:
  // The padding owns the text; the link only finds it.
  WeakRef<TextWidgetInterface> text_;
};

}  // namespace zarvo
