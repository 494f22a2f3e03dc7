#pragma once
#include "source/interfaces/ImageTextButtonWidgetInterface.h"
#include "source/widgets_base/ButtonWidgetImpl.h"

namespace zarvo {

// A button holding a padding with a one-row table inside: the image in the first cell, the
// text in the second, both centred.
class ImageTextButtonWidgetImpl : public ButtonWidgetImpl, public virtual ImageTextButtonWidgetInterface {
 public:
  Result<void> CreateLayout() override;
  Result<TextWidgetRef> GetTextWidget() const override { return text_.Resolve(); }
  Result<ImageWidgetRef> GetImageWidget() const override { return image_.Resolve(); }

 private:
  WeakRef<ImageWidgetInterface> image_;
  WeakRef<TextWidgetInterface> text_;
};

}  // namespace zarvo
