#pragma once
#include "source/widgets_values/SliderWidgetImpl.h"

namespace zarvo {

// The slider of 64-bit integers: a drag lands on whole percents of the range.
class IntSliderWidgetImpl final : public SliderWidgetImpl<Int> {};

}  // namespace zarvo
