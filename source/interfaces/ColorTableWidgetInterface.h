#pragma once
#include <vector>

#include "host/core/Observable.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"

namespace zarvo {

inline constexpr char kColorTableWidgetClassId[] = "net.zarvo.mvp.widgetclasses.colortable";
inline constexpr char kColorTableWidgetInterfaceId[] = "net.zarvo.mvp.interface.colortablewidget";

class ColorTableWidgetInterface;
using ColorTableWidgetRef = Ref<ColorTableWidgetInterface>;
// Observers receive the table and the index of the swatch the user picked.
using ColorTableObservable = Observable<const ColorTableWidgetRef&, Int>;

// Swatches of fixed colours in rows of a given number of columns, one of them current. A click
// on a swatch makes it current and tells the observers.
class ColorTableWidgetInterface : public virtual FlexBoxWidgetInterface {
 public:
  // One swatch per colour, `columns` to a row (at least one). The current index is kept,
  // clamped to the new swatches.
  [[nodiscard]] virtual Result<void> InitColorTable(const std::vector<ColorA>& colors, Int columns) = 0;
  // Makes a swatch current, the index clamped to the swatches; no notification.
  virtual void SetTableColor(Int index) = 0;
  // The current index, clamped the same way (0 without swatches).
  virtual Int GetTableColor() const = 0;
  // The colour of a swatch, or "Index out of range" for an index without one.
  [[nodiscard]] virtual Result<ColorA> GetTableColor(Int index) const = 0;
  virtual Int GetColumnCount() const = 0;
  virtual Ref<ColorTableObservable> ObservableIndexChanged() = 0;
};

}  // namespace zarvo
