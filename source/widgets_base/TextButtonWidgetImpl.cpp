#include "source/widgets_base/TextButtonWidgetImpl.h"

#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/widgets_base/ButtonContent.h"

namespace zarvo {

Result<void> TextButtonWidgetImpl::CreateLayout() {
  ZV_TRY(ButtonWidgetImpl::CreateLayout());
  SetName("TextButtonWidget");
  SetAcceptFocus(true);
  SetAcceptTabFocus(true);
  SetFocusVisibility(true);
  ZV_TRY_ASSIGN(PaddingWidgetRef padding, CreateChildWidget<PaddingWidgetInterface>(*this, kPaddingWidgetClassId));
  ZV_TRY_ASSIGN(TextWidgetRef text, CreateChildWidget<TextWidgetInterface>(*padding, kTextWidgetClassId));
  text_ = text;
  return Ok();
}

}  // namespace zarvo
