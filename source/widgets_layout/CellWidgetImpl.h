#pragma once
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"

namespace zarvo {

// What a cell's pass 1 tells the table it stands in, written while the cell is in cache, so
// that the table's own pass 1 reads a compact array rather than every cell again. `plain`: no
// size limits, no preferred stretch and a size single precision holds exactly, so the sample
// says all the table needs.
struct CellSample {
  float width = 0.0f;   // the measured size in the table's coordinates
  float height = 0.0f;
  uint32_t stamp = 0;   // the layout round it was written in
  uint8_t stretch[2] = {};
  bool counts = false;  // visible and holding something
  bool plain = false;
};

// The slot of the layout containers: measures itself from its content plus paddings and
// places the content by alignment, mirrored in right-to-left mode.
class CellWidgetImpl : public WidgetBase, public virtual CellWidgetInterface {
 public:
  CellWidgetImpl();

  Result<void> CopyFrom(const ObjectInterface& source) override;

  void SetAlignment(ALIGNMENT_MODE alignment, WIDGET_DIRECTION direction) override;
  ALIGNMENT_MODE GetAlignment(WIDGET_DIRECTION direction) const final {
    return static_cast<ALIGNMENT_MODE>(alignment_[DirectionIndex(direction)]);
  }
  void SetStretchMode(CELL_STRETCH_MODE mode, WIDGET_DIRECTION direction) override;
  CELL_STRETCH_MODE GetStretchMode(WIDGET_DIRECTION direction) const final {
    return static_cast<CELL_STRETCH_MODE>(stretchMode_[DirectionIndex(direction)]);
  }
  void SetPreferredSize(Float size, WIDGET_DIRECTION direction) override;
  Float GetPreferredSize(WIDGET_DIRECTION direction) const final { return preferredSize_[DirectionIndex(direction)]; }

  Result<void> SetPadding(CanvasUnitValue left, CanvasUnitValue right, CanvasUnitValue top,
                          CanvasUnitValue bottom) override;
  Result<void> SetHorizontalPadding(CanvasUnitValue left, CanvasUnitValue right) override;
  Result<void> SetHorizontalPadding(CanvasUnitValue value) override;
  Result<void> SetVerticalPadding(CanvasUnitValue top, CanvasUnitValue bottom) override;
  Result<void> SetVerticalPadding(CanvasUnitValue value) override;
  Result<void> SetLeftPadding(CanvasUnitValue value) override;
  Result<void> SetRightPadding(CanvasUnitValue value) override;
  Result<void> SetTopPadding(CanvasUnitValue value) override;
  Result<void> SetBottomPadding(CanvasUnitValue value) override;
  CanvasUnitValue GetLeftPadding() const override { return padding_[kLeft]; }
  CanvasUnitValue GetRightPadding() const override { return padding_[kRight]; }
  CanvasUnitValue GetTopPadding() const override { return padding_[kTop]; }
  CanvasUnitValue GetBottomPadding() const override { return padding_[kBottom]; }

  Result<void> CreateLayout() override;
  Result<void> LayoutPass1() override;
  Result<void> LayoutPass2() override;

  // The size the last LayoutPass1 gave the cell, in its parent's coordinates. A container
  // that sizes its cells itself (the table) measures from this rather than from the size it
  // gave the cell the run before, which a cell keeps until its own content changes.
  bool HasMeasuredSize() const noexcept { return hasMeasuredSize_; }
  Vector2d GetMeasuredParentLocalSize() const;
  // Where pass 1 writes the cell's sample for its table; the table sets it, and it is cleared
  // when the cell changes parent.
  void SetTableSample(CellSample* sample) noexcept { tableSample_ = sample; }

 protected:
  void HandleChildrenChanged() override;
  void HandleParentChanged() override;

 private:
  enum Side { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };
  // The cell's size from its content and paddings.
  [[nodiscard]] Result<void> MeasureContent();
  // Tells the table what this pass 1 measured.
  void WriteTableSample();
  // Checks `values` against the sides they are for, in order, then stores them all.
  Result<void> StorePaddings(std::initializer_list<std::pair<Side, CanvasUnitValue>> values);

  // What the container reads of every cell first, in the cache line the base's fields end in;
  // a byte each, since every slot of every container is a cell.
  uint8_t alignment_[2] = {static_cast<uint8_t>(ALIGNMENT_MODE::MIN), static_cast<uint8_t>(ALIGNMENT_MODE::MIN)};
  uint8_t stretchMode_[2] = {static_cast<uint8_t>(CELL_STRETCH_MODE::MINIMUM),
                             static_cast<uint8_t>(CELL_STRETCH_MODE::MINIMUM)};
  bool hasMeasuredSize_ = false;
  Vector2d measuredSize_;
  // The next line: what placing the content reads. Four lengths with their units in a byte
  // each, 28 bytes fewer than four CanvasUnitValues.
  struct Paddings {
    Float value[4] = {0.0, 0.0, 0.0, 0.0};
    uint8_t unit[4] = {static_cast<uint8_t>(CANVAS_UNIT::FON), static_cast<uint8_t>(CANVAS_UNIT::FON),
                       static_cast<uint8_t>(CANVAS_UNIT::FON), static_cast<uint8_t>(CANVAS_UNIT::FON)};
    CanvasUnitValue operator[](int side) const { return {value[side], static_cast<CANVAS_UNIT>(unit[side])}; }
    void Set(int side, CanvasUnitValue length) {
      value[side] = length.value;
      unit[side] = static_cast<uint8_t>(length.unit);
    }
  };
  Paddings padding_;
  Float preferredSize_[2] = {1.0, 1.0};
  Vector2d unmeasuredContentSize_;  // the INFINITE content's size the container last heard of
  CellSample* tableSample_ = nullptr;
};

}  // namespace zarvo
