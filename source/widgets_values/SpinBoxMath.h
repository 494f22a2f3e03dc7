#pragma once
#include <string>

#include "host/core/Expression.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/UiTypes.h"
#include "source/interfaces/NumberTypes.h"

namespace zarvo {

// The spin box's arithmetic, apart from any widget.

// The value held by the limit mode's bounds: min first, then max.
template <class T>
T ClampSpinBoxValue(T value, T min, T max, NUMBER_LIMIT_MODE mode);

// The text a spin box shows: the number, one space and the unit's suffix. An Int shows no
// fraction; a Float shows one digit when it is whole and up to six otherwise.
template <class T>
std::string FormatSpinBoxText(T value, NUMBER_WIDGET_UNIT_TYPE unit);

// Typed text as the parser is to see it: lengths keep their unit; angle units have "°" and
// "rad" taken out and are evaluated in degrees or radians; everything else has "%" taken out.
struct SpinBoxExpression {
  std::string text;
  NumberUnit unit = NumberUnit::kNone;
  AngleMode mode = AngleMode::kRadians;
};
SpinBoxExpression PrepareSpinBoxExpression(std::string text, NUMBER_WIDGET_UNIT_TYPE unit);

// The value typed text stands for; an Int rounds half up by truncating (result + 0.5), so 2.5
// gives 3 and -2.5 gives -2. Fails as the evaluation does, and with "Integer overflow".
template <class T>
[[nodiscard]] Result<T> EvaluateSpinBoxText(const std::string& text, NUMBER_WIDGET_UNIT_TYPE unit);

// value + step x delta; an Int truncates the sum toward zero and saturates at the ends of its
// range rather than wrapping.
template <class T>
T ApplySpinBoxStep(T value, T step, Float delta);

// How many steps a held arrow's repeat makes at `elapsedSeconds` after the press: none in the
// first half second, then 1, after 1.5 s 10, after 3.5 s 100.
Float SpinnerRepeatSteps(Float elapsedSeconds);

// The triangle a spinner shows for its orientation.
const char* SpinnerGlyph(WIDGET_ORIENTATION orientation);

// -1 for the arrows that count down (pointing right-to-left or top-to-bottom), else +1.
Float SpinnerDirectionSign(WIDGET_ORIENTATION orientation);

// The pointer movement a drag step counts, from the change of the drag accumulator: rightward
// positive for horizontal arrows, upward positive for vertical ones, mirrored in a right-to-left
// layout.
Float SpinnerDragMovement(Vector2d accumulatorChange, WIDGET_ORIENTATION orientation, WIDGET_R2L_MODE r2l);

}  // namespace zarvo
