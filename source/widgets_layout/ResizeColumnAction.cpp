#include "source/widgets_layout/ResizeColumnAction.h"

#include <new>

#include "host/ui/EventKeys.h"
#include "source/widgets_layout/HeaderCellGeometry.h"
#include "source/widgets_layout/HeaderCellWidgetImpl.h"

namespace zarvo {

void ResizeColumnAction::SetStartingCell(HeaderCellWidgetImpl* cell) { startingCell_ = Ref<HeaderCellWidgetImpl>(cell); }

Result<bool> ResizeColumnAction::Begin(WidgetInterface*, const DataDictionary& event) {
  if (!table_ || !resizedCell_) return NullReferenceError("No column to resize");
  ZV_TRY_ASSIGN(startPosition_, EventReader(&event).GetPosition());
  startSize_ = resizedCell_->GetLocalPixSize();
  if (startingCell_) startingCell_->SetDragOffset({0.0, 0.0});
  saved_.clear();
  try {
    saved_.reserve(static_cast<size_t>(table_->GetCountY()));
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  for (Int y = 0; y < table_->GetCountY(); ++y) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table_->GetCell(column_, y));
    saved_.push_back({cell->GetLocalPixSize(), cell->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL),
                      cell->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL)});
  }
  return true;
}

Result<void> ResizeColumnAction::While(const DataDictionary& event) {
  ZV_TRY_ASSIGN(Vector2d position, EventReader(&event).GetPosition());
  if (startingCell_) startingCell_->SetDragOffset(position - startPosition_);
  return ApplyDragOffset();
}

Result<void> ResizeColumnAction::End(const DataDictionary&) { return ApplyDragOffset(); }

Result<void> ResizeColumnAction::ApplyDragOffset() {
  const Vector2d offset = startingCell_ ? startingCell_->GetDragOffset() : Vector2d{};
  const Float width = ResizedColumnWidth(startSize_.x, resizedCell_->LocalToGlobalSize(offset).x);
  for (Int y = 0; y < table_->GetCountY(); ++y) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table_->GetCell(column_, y));
    cell->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
    cell->SetFixedSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
  }
  table_->RequestRedraw();
  return Ok();
}

Result<void> ResizeColumnAction::Cancel() {
  if (static_cast<Int>(saved_.size()) != table_->GetCountY()) {
    return IllegalStateError("Stored cell data array has wrong size");
  }
  for (Int y = 0; y < table_->GetCountY(); ++y) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table_->GetCell(column_, y));
    const SavedCell& saved = saved_[static_cast<size_t>(y)];
    cell->SetSizeMode(saved.sizeMode, WIDGET_DIRECTION::HORIZONTAL);
    cell->SetFixedSize(saved.fixedWidth, WIDGET_DIRECTION::HORIZONTAL);
    ZV_TRY(cell->SetLocalSize(saved.pixelSize.x, saved.pixelSize.y));
  }
  table_->RequestRedraw();
  return Ok();
}

}  // namespace zarvo
