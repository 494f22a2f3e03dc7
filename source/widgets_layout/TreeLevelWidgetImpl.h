#pragma once
#include "source/interfaces/TreeLevelWidgetInterface.h"
#include "source/widgets_base/FrameWidgetImpl.h"

namespace zarvo {

// The indentation of a tree item: one step per level, plus one when the graph draws lines at
// the top level. It draws nothing itself; the graph draws the lines across all rows at once.
class TreeLevelWidgetImpl : public FrameWidgetImpl, public virtual TreeLevelWidgetInterface {
 public:
  Result<void> SetLevel(Int level) override;
  Int GetLevel() const override { return level_; }
  // Steps added in front of the level's own (the top level's lines).
  void SetExtraSteps(Int steps);

  Result<void> CreateLayout() override;
  Result<void> LayoutPass1() override;

 private:
  void Rename();

  Int level_ = 0;
  Int extraSteps_ = 0;
};

}  // namespace zarvo
