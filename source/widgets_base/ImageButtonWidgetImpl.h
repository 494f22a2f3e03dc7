#pragma once
#include "source/interfaces/ImageButtonWidgetInterface.h"
#include "source/widgets_base/ButtonWidgetImpl.h"

namespace zarvo {

// A button holding a padding with an image inside.
class ImageButtonWidgetImpl : public ButtonWidgetImpl, public virtual ImageButtonWidgetInterface {
 public:
  Result<void> CreateLayout() override;
  Result<ImageWidgetRef> GetImageWidget() const override { return image_.Resolve(); }

 private:
  WeakRef<ImageWidgetInterface> image_;
};

}  // namespace zarvo
