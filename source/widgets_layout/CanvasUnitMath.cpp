#include "source/widgets_layout/CanvasUnitMath.h"

namespace zarvo {

namespace {
bool IsKnownUnit(CANVAS_UNIT unit) {
  return unit == CANVAS_UNIT::PIX || unit == CANVAS_UNIT::REM || unit == CANVAS_UNIT::FON;
}

// A division by a REM base of 0 would turn every length into an infinity or NaN; a widget
// without a canvas measures as nothing instead.
Float DivideByRemBase(Float value, Float remBase) { return remBase != 0.0 ? value / remBase : 0.0; }
}  // namespace

Float ConvertCanvasUnit(Float value, CANVAS_UNIT from, CANVAS_UNIT to, Float remBase) {
  if (!IsKnownUnit(from) || !IsKnownUnit(to)) return 0.0;
  if (from == to) return value;
  switch (from) {
    case CANVAS_UNIT::PIX:
      return to == CANVAS_UNIT::REM ? DivideByRemBase(value, remBase) : DivideByRemBase(value, remBase) * kFonPerRem;
    case CANVAS_UNIT::REM:
      return to == CANVAS_UNIT::PIX ? value * remBase : value * kFonPerRem;
    case CANVAS_UNIT::FON:
      return to == CANVAS_UNIT::PIX ? value * remBase / kFonPerRem : value / kFonPerRem;
  }
  return 0.0;
}

CanvasUnitValue ConvertCanvasUnitValue(CanvasUnitValue value, CANVAS_UNIT target, Float remBase) {
  return {ConvertCanvasUnit(value.value, value.unit, target, remBase), target};
}

CanvasUnitValue AddCanvasUnitValues(CanvasUnitValue left, CanvasUnitValue right, Float remBase) {
  return {left.value + ConvertCanvasUnit(right.value, right.unit, left.unit, remBase), left.unit};
}

CanvasUnitValue SubtractCanvasUnitValues(CanvasUnitValue left, CanvasUnitValue right, Float remBase) {
  return {left.value - ConvertCanvasUnit(right.value, right.unit, left.unit, remBase), left.unit};
}

}  // namespace zarvo
