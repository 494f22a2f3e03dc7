#pragma once
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/widgets_layout/CellWidgetImpl.h"

namespace zarvo {

// A header cell holds a one-row table: the title in a stretching cell, the sort symbol in a
// tight one beside it (left of the title when inverse). A press on its left or right border
// starts a column resize, a press on its body a column drag, each when allowed.
class HeaderCellWidgetImpl : public CellWidgetImpl, public virtual HeaderCellWidgetInterface {
 public:
  Result<void> SetInverse(Bool inverse) override;
  Bool GetInverse() const override { return inverse_; }
  Result<void> SetSortMode(SORT_MODE mode) override;
  SORT_MODE GetSortMode() const override { return sortMode_; }
  Result<void> SetSortSymbolVisibility(Bool) override { return Ok(); }
  Result<Bool> GetSortSymbolVisibility() const override { return false; }
  void SetAllowResizing(Bool allow) override { allowResizing_ = allow; }
  Bool GetAllowResizing() const override { return allowResizing_; }
  void SetAllowRearranging(Bool allow) override { allowRearranging_ = allow; }
  Bool GetAllowRearranging() const override { return allowRearranging_; }
  Result<TextWidgetRef> GetTextWidget() const override { return text_.Resolve("No text cell"); }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<void> HandleCursorInfo(Vector2d position) override;
  Result<bool> HandleEvent(const DataDictionary* event) override;
  // The header shows no drop marker of its own; the table it heads draws where a column lands.
  Result<void> DrawDragAndDropOverlay() override { return Ok(); }

  // The pointer movement of the column resize this cell started.
  void SetDragOffset(Vector2d offset) { dragOffset_ = offset; }
  Vector2d GetDragOffset() const { return dragOffset_; }

 private:
  // The border the pointer is on; NONE whenever resizing is not allowed.
  BORDER_HIT HitBorder(Vector2d position) const;
  Result<TableWidgetInterface*> GetParentTable() const;
  [[nodiscard]] Result<bool> StartResize(TableWidgetInterface& table, Int column, BORDER_HIT hit,
                                         const DataDictionary& event);
  [[nodiscard]] Result<bool> StartColumnDrag(TableWidgetInterface& table, const DataDictionary& event);

  Bool inverse_ = false;
  Bool allowResizing_ = false;
  Bool allowRearranging_ = false;
  SORT_MODE sortMode_ = SORT_MODE::ASCENDING;
  WeakRef<TextWidgetInterface> text_;
  WeakRef<CheckboxWidgetInterface> symbol_;
  Vector2d dragOffset_;
  bool showsResizeCursor_ = false;  // this cell set the resize cursor and has not reset it
};

}  // namespace zarvo
