#pragma once
#include <cstdint>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/ui/WidgetInterface.h"

namespace zarvo {

inline constexpr char kPaddingWidgetClassId[] = "net.zarvo.mvp.widgetclasses.padding";
inline constexpr char kPaddingWidgetInterfaceId[] = "net.zarvo.mvp.interface.paddingwidget";

// Which side decides the size. CHILD: the padding measures itself as its first child enlarged
// by the margins and places the child inside them. PARENT: the padding takes the size its
// parent gives it (it asks to inherit the parent's size) and the child is sized to fill it
// less the margins.
enum class PADDING_MODE : int32_t { CHILD = 0, PARENT = 1 };

class PaddingWidgetInterface;
using PaddingWidgetRef = Ref<PaddingWidgetInterface>;

// Holds one child (its first) inside four margins. Margins are lengths of at least 0; a
// negative one is refused with "<side> value is negative", one that is not a number or
// infinite with "<side> value is not finite".
class PaddingWidgetInterface : public virtual WidgetInterface {
 public:
  // Values other than CHILD and PARENT are ignored.
  virtual void SetMode(PADDING_MODE mode) = 0;
  [[nodiscard]] virtual Result<void> SetLeft(CanvasUnitValue left) = 0;
  [[nodiscard]] virtual Result<void> SetRight(CanvasUnitValue right) = 0;
  [[nodiscard]] virtual Result<void> SetTop(CanvasUnitValue top) = 0;
  [[nodiscard]] virtual Result<void> SetBottom(CanvasUnitValue bottom) = 0;
  // Sets left, right, top, bottom in that order and stops at the first refused value; the
  // values set before it stay set.
  [[nodiscard]] virtual Result<void> SetPadding(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                                                CanvasUnitValue bottom) = 0;
  virtual PADDING_MODE GetMode() const = 0;
  virtual CanvasUnitValue GetLeft() const = 0;
  virtual CanvasUnitValue GetRight() const = 0;
  virtual CanvasUnitValue GetTop() const = 0;
  virtual CanvasUnitValue GetBottom() const = 0;
};

}  // namespace zarvo
