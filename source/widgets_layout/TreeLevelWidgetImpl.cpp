#include "source/widgets_layout/TreeLevelWidgetImpl.h"

#include <string>

#include "source/widgets_layout/TreeGeometry.h"

namespace zarvo {

Result<void> TreeLevelWidgetImpl::SetLevel(Int level) {
  if (level < 0) return IllegalArgumentError("A tree level cannot be negative");
  if (level == level_) return Ok();
  level_ = level;
  Rename();
  RequestLayout();
  return Ok();
}

void TreeLevelWidgetImpl::SetExtraSteps(Int steps) {
  if (steps < 0) steps = 0;
  if (steps == extraSteps_) return;
  extraSteps_ = steps;
  RequestLayout();
}

void TreeLevelWidgetImpl::Rename() { SetName("TreeLevelWidget @" + std::to_string(level_)); }

Result<void> TreeLevelWidgetImpl::CreateLayout() {
  ZV_TRY(FrameWidgetImpl::CreateLayout());
  Rename();
  return Ok();
}

Result<void> TreeLevelWidgetImpl::LayoutPass1() {
  const Float step = ToPixels(kTreeLevelIndent);
  return SetLocalSize(static_cast<Float>(level_ + extraSteps_) * step, 1.0);
}

}  // namespace zarvo
