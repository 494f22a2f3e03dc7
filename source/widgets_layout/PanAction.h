#pragma once
#include "source/widgets_layout/BasePanZoomAction.h"

namespace zarvo {

// Moves the area's content with the pointer: the content point grabbed stays under it.
class PanAction final : public BasePanZoomAction {
 public:
  Result<void> While(const DataDictionary& event) override;
  Result<void> End(const DataDictionary& event) override { return While(event); }
};

}  // namespace zarvo
