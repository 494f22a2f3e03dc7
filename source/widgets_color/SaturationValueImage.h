#pragma once
#include "host/core/Types.h"

namespace zarvo {

class Image;

// Paints the saturation/value square of one hue over the whole image, opaque: saturation grows
// to the right and value upwards, each pixel the colour at its centre. A colour of fixed hue
// is the value times a blend from white to the pure hue by the saturation, so a row is one
// blend scaled, and nothing per pixel goes through the HSV conversion.
void FillSaturationValue(Float hue, Image& image);

}  // namespace zarvo
