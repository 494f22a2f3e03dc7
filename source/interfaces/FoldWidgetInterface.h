#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

inline constexpr char kFoldWidgetClassId[] = "net.zarvo.mvp.widgetclasses.foldcell";
inline constexpr char kFoldWidgetInterfaceId[] = "net.zarvo.mvp.interface.foldwidget";

// A collapsible section: a fold triangle and a header cell side by side in the first row, the
// content cell below them. Closing the triangle hides the content row, opening it shows it.
class FoldWidgetInterface : public virtual TableWidgetInterface {
 public:
  // Each "Missing widget link" before the layout made it.
  [[nodiscard]] virtual Result<CheckboxWidgetRef> GetFolderWidget() const = 0;
  [[nodiscard]] virtual Result<CellWidgetRef> GetHeaderCell() const = 0;
  [[nodiscard]] virtual Result<CellWidgetRef> GetContentCell() const = 0;
};

using FoldWidgetRef = Ref<FoldWidgetInterface>;

}  // namespace zarvo
