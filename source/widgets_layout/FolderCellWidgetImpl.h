#pragma once
#include "source/interfaces/FolderCellWidgetInterface.h"
#include "source/widgets_layout/CellWidgetImpl.h"

namespace zarvo {

// A cell that is one big fold triangle: its events and its highlight go to the triangle it
// holds, so a press anywhere in the cell toggles the triangle.
class FolderCellWidgetImpl : public CellWidgetImpl, public virtual FolderCellWidgetInterface {
 public:
  Result<CheckboxWidgetRef> GetFolderWidget() const override { return triangle_.Resolve("Widget link not set."); }

  Result<void> CreateLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;
  Result<void> DrawHighlight() override;

 private:
  // The triangle for passing work on: a link never set is a null reference.
  Result<CheckboxWidgetRef> ResolveTriangle() const;

  WeakRef<CheckboxWidgetInterface> triangle_;
};

}  // namespace zarvo
