#include "source/widgets_tabs/QuickTabItemImpl.h"

namespace zarvo {

Result<void> QuickTabItemImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const QuickTabItemImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  id_ = other->id_;
  return Ok();
}

}  // namespace zarvo
