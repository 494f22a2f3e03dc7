#pragma once
#include "source/widgets_layout/BasePanZoomAction.h"

namespace zarvo {

// Paints one stroke on a doodle canvas while the button is held: every pointer position,
// taken into content coordinates, extends it; the release ends it and cancelling drops it.
class PaintAction final : public BasePanZoomAction {
 public:
  Result<bool> Begin(WidgetInterface* widget, const DataDictionary& event) override;
  Result<void> While(const DataDictionary& event) override;
  Result<void> End(const DataDictionary& event) override;
  Result<void> Cancel() override;
};

}  // namespace zarvo
