#pragma once
#include <memory>

#include "host/ui/ActionInterface.h"
#include "host/ui/DragSession.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"

namespace zarvo {

// Drags a header cell's column to another place: a drag-and-drop session carrying the column
// index, with the cursor saying what the target under the pointer would do. The target that
// takes the drop moves the column.
class HeaderCellDragAndDropAction : public virtual ActionInterface {
 public:
  // Set by the header cell that starts the action, before it is started.
  void SetHeaderCell(const HeaderCellWidgetRef& cell) { headerCell_ = cell; }
  void SetColumn(Int column) { column_ = column; }
  Int GetColumn() const { return column_; }
  // Whether the target under the pointer at the last move would take the column.
  bool GetAccepted() const { return accepted_; }
  const DragSession* GetSession() const { return session_.get(); }

  Result<bool> Begin(WidgetInterface* widget, const DataDictionary& event) override;
  bool GetAllowed(const DataDictionary&) const override { return true; }
  Result<void> While(const DataDictionary& event) override;
  Result<void> End(const DataDictionary& event) override;
  Result<void> Cancel() override;
  Result<void> DrawAction(CanvasInterface& canvas) override;

 private:
  void ShowCursor(const Id& cursor) const;

  HeaderCellWidgetRef headerCell_;
  Int column_ = 0;
  Vector2d startPosition_;
  bool accepted_ = false;
  std::unique_ptr<DragSession> session_;
};

}  // namespace zarvo
