#pragma once
#include "source/widgets_values/SliderWidgetImpl.h"

namespace zarvo {

// The slider of 64-bit floats: a drag lands on the step's share of the range.
class FloatSliderWidgetImpl final : public SliderWidgetImpl<Float> {};

}  // namespace zarvo
