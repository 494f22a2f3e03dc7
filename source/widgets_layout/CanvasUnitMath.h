#pragma once
#include "host/core/Types.h"

namespace zarvo {

// Length arithmetic of the layout containers. Conversions take the canvas's REM base (pixels
// per REM) and the fixed ratio of 11 FON to one REM. A unit outside PIX, REM and FON converts
// to 0. Converting from pixels with a REM base of 0 gives 0 rather than an infinity.

// `value` in unit `from`, expressed in unit `to`.
Float ConvertCanvasUnit(Float value, CANVAS_UNIT from, CANVAS_UNIT to, Float remBase);

// The value in pixels.
// Pixels and zero lengths (the default paddings) need no conversion, and layout passes convert
// mostly those.
inline Float CanvasUnitToPixels(CanvasUnitValue value, Float remBase) {
  if (value.unit == CANVAS_UNIT::PIX || value.value == 0.0) return value.value;
  return ConvertCanvasUnit(value.value, value.unit, CANVAS_UNIT::PIX, remBase);
}

// The value in `target`'s unit.
CanvasUnitValue ConvertCanvasUnitValue(CanvasUnitValue value, CANVAS_UNIT target, Float remBase);

// left + right and left - right: the right operand is converted into the left operand's unit,
// and the result keeps that unit.
CanvasUnitValue AddCanvasUnitValues(CanvasUnitValue left, CanvasUnitValue right, Float remBase);
CanvasUnitValue SubtractCanvasUnitValues(CanvasUnitValue left, CanvasUnitValue right, Float remBase);

}  // namespace zarvo
