#pragma once
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/CheckboxWidgetInterface.h"

namespace zarvo {

inline constexpr char kFolderCellWidgetClassId[] = "net.zarvo.mvp.widgetclasses.foldercell";
inline constexpr char kFolderCellWidgetInterfaceId[] = "net.zarvo.mvp.interface.foldercellwidget";

// A cell holding a fold triangle (a check box whose state means open). The whole cell acts as
// the triangle: a press anywhere in it toggles the triangle.
class FolderCellWidgetInterface : public virtual CellWidgetInterface {
 public:
  // The triangle; "Widget link not set." before the layout made it.
  [[nodiscard]] virtual Result<CheckboxWidgetRef> GetFolderWidget() const = 0;
};

using FolderCellWidgetRef = Ref<FolderCellWidgetInterface>;

}  // namespace zarvo
