#pragma once
#include "source/interfaces/FoldWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// A 2 × 2 table: the folder cell with its triangle at the top left, the header cell beside
// it taking the width, the content cell below the header. The triangle's state shows or hides
// the content cell, whose row then takes no room.
class FoldWidgetImpl : public TableWidgetImpl, public virtual FoldWidgetInterface {
 public:
  Result<CheckboxWidgetRef> GetFolderWidget() const override { return folder_.Resolve(); }
  Result<CellWidgetRef> GetHeaderCell() const override { return header_.Resolve(); }
  Result<CellWidgetRef> GetContentCell() const override { return content_.Resolve(); }

  Result<void> CreateLayout() override;

 private:
  // The triangle was opened (true) or closed.
  [[nodiscard]] Result<void> HandleFolded(Bool open);

  WeakRef<CheckboxWidgetInterface> folder_;
  WeakRef<CellWidgetInterface> header_;
  WeakRef<CellWidgetInterface> content_;
};

}  // namespace zarvo
