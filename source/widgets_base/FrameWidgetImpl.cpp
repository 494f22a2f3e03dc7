#include "source/widgets_base/FrameWidgetImpl.h"

namespace zarvo {

Result<void> FrameWidgetImpl::CopyFrom(const ObjectInterface& source) {
  // Nothing of its own to copy, but only from its own kind.
  if (!dynamic_cast<const FrameWidgetImpl*>(&source)) {
    return IllegalArgumentError("CopyFrom needs another frame widget");
  }
  return Ok();
}

}  // namespace zarvo
