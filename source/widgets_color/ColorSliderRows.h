#pragma once
#include <functional>
#include <vector>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/SliderWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

// One row of a colour notation: its label and the integer range of its slider.
struct ColorSliderRow {
  const char* label;
  Int maximum;
};

// The labelled integer sliders of a colour notation, one row each in a two-column table. The
// table owns them; the rows keep weak links, so a slider a presenter removed is reported as a
// missing link rather than kept alive.
class ColorSliderRows {
 public:
  // Told with the row and the slider's value when the user moves one.
  using Moved = std::function<Result<void>(size_t row, Int value)>;

  // Fills `table` (made empty here) with the rows; `owner` keeps the slider observers alive.
  [[nodiscard]] Result<void> Build(TableWidgetInterface& table, const std::vector<ColorSliderRow>& rows,
                                   const ObjectInterface* owner, Moved moved);
  // Sets a slider without notification; "Missing widget link" when it is gone.
  [[nodiscard]] Result<void> SetValue(size_t row, Int value) const;
  // Paints a slider's track with colour stops.
  [[nodiscard]] Result<void> SetTrack(size_t row, std::vector<ColorA> stops) const;
  [[nodiscard]] Result<IntSliderWidgetRef> GetSlider(size_t row) const;
  size_t GetRowCount() const noexcept { return sliders_.size(); }

 private:
  std::vector<WeakRef<SliderWidgetInterface<Int>>> sliders_;
};

}  // namespace zarvo
