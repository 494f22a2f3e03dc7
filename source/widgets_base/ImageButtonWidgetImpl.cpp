#include "source/widgets_base/ImageButtonWidgetImpl.h"

#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/widgets_base/ButtonContent.h"

namespace zarvo {

Result<void> ImageButtonWidgetImpl::CreateLayout() {
  ZV_TRY(ButtonWidgetImpl::CreateLayout());
  SetName("ImageButtonWidget");
  SetAcceptFocus(true);
  ZV_TRY_ASSIGN(PaddingWidgetRef padding, CreateChildWidget<PaddingWidgetInterface>(*this, kPaddingWidgetClassId));
  ZV_TRY_ASSIGN(ImageWidgetRef image, CreateChildWidget<ImageWidgetInterface>(*padding, kImageWidgetClassId));
  image_ = image;
  return Ok();
}

}  // namespace zarvo
