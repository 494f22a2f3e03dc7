#include <string>

#include "apps/gallery/GalleryCaption.h"
#include "apps/gallery/Gallery.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Vector2d kTableBox{420.0, 56.0};
constexpr Vector2d kFlexBox{210.0, 130.0};
constexpr Float kFlexGap = 16.0;
constexpr ColorA kBoxColor{0.20, 0.20, 0.22, 1.0};
constexpr ColorA kPalette[] = {{0.85, 0.42, 0.35, 1.0}, {0.40, 0.66, 0.45, 1.0}, {0.36, 0.55, 0.85, 1.0},
                               {0.86, 0.74, 0.35, 1.0}, {0.62, 0.45, 0.80, 1.0}, {0.35, 0.75, 0.78, 1.0}};

Result<WidgetRef> MakeFrame(Vector2d size, const ColorA& color) {
  ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> frame, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    frame->SetSizeMode(WIDGET_SIZE::FIXED, d);
  }
  frame->SetFixedSize(CanvasUnitValue::Pix(size.x), WIDGET_DIRECTION::HORIZONTAL);
  frame->SetFixedSize(CanvasUnitValue::Pix(size.y), WIDGET_DIRECTION::VERTICAL);
  frame->SetBackgroundVisibility(true);
  frame->SetBackgroundColor(color);
  return WidgetRef(frame);
}

// A box of a fixed size that a container is placed in, so that squeezing and enlarging show.
Result<WidgetRef> AddBox(const WidgetRef& root, Vector2d at, Vector2d size) {
  ZV_TRY_ASSIGN(WidgetRef box, MakeFrame(size, kBoxColor));
  box->SetLocalPosition(at);
  ZV_TRY(root->InsertChildLast(box));
  return box;
}

// Three columns: a fixed one, then two stretchable ones of weights 1 and 3.
Result<void> AddWeightedTable(const WidgetRef& box, TABLE_MODE mode) {
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(3, 1));
  table->SetTableMode(mode, WIDGET_DIRECTION::HORIZONTAL);
  const Float weights[] = {0.0, 1.0, 3.0};
  for (Int x = 0; x < 3; ++x) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(x, 0));
    if (x == 0) {
      cell->SetStretchMode(CELL_STRETCH_MODE::MINIMUM, WIDGET_DIRECTION::HORIZONTAL);
    } else {
      cell->SetStretchMode(CELL_STRETCH_MODE::PREFERRED, WIDGET_DIRECTION::HORIZONTAL);
      cell->SetPreferredSize(weights[x], WIDGET_DIRECTION::HORIZONTAL);
    }
    ZV_TRY(cell->SetPadding(CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(2),
                            CanvasUnitValue::Pix(2)));
    // The leaf fills its cell's width, so the column widths show.
    ZV_TRY_ASSIGN(WidgetRef leaf, MakeFrame({60.0, 40.0}, kPalette[x]));
    leaf->SetSizeMode(WIDGET_SIZE::NONE, WIDGET_DIRECTION::HORIZONTAL);
    ZV_TRY(leaf->SetLocalSize(60.0, 40.0));
    leaf->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
    ZV_TRY(cell->InsertChildLast(leaf));
  }
  return box->InsertChildLast(table);
}

Result<FlexBoxWidgetRef> AddFlexbox(const WidgetRef& box, FLEXBOX_LAYOUT layout) {
  ZV_TRY_ASSIGN(FlexBoxWidgetRef flex, CreateObject<FlexBoxWidgetInterface>(Id(kFlexBoxWidgetClassId)));
  ZV_TRY(box->InsertChildLast(flex));
  ZV_TRY(flex->CreateLayout());
  ZV_TRY(flex->SetLayout(layout));
  constexpr int kItems = 7;
  ZV_TRY(flex->Resize(kItems));
  for (int i = 0; i < kItems; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, flex->GetCell(i));
    ZV_TRY(cell->SetPadding(CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(2), CanvasUnitValue::Pix(2),
                            CanvasUnitValue::Pix(2)));
    ZV_TRY_ASSIGN(WidgetRef leaf, MakeFrame({28.0 + 14.0 * (i % 3), 22.0 + 8.0 * (i % 2)}, kPalette[i % 6]));
    ZV_TRY(cell->InsertChildLast(leaf));
  }
  return flex;
}

Result<void> AddAlignedCells(const WidgetRef& box) {
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(3, 1));
  table->SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  table->SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::VERTICAL);
  const ALIGNMENT_MODE alignments[] = {ALIGNMENT_MODE::MIN, ALIGNMENT_MODE::CENTER, ALIGNMENT_MODE::MAX};
  for (Int x = 0; x < 3; ++x) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(x, 0));
    cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
    cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::VERTICAL);
    cell->SetAlignment(alignments[x], WIDGET_DIRECTION::HORIZONTAL);
    cell->SetAlignment(alignments[x], WIDGET_DIRECTION::VERTICAL);
    ZV_TRY(cell->SetPadding(CanvasUnitValue::Pix(6), CanvasUnitValue::Pix(6), CanvasUnitValue::Pix(6),
                            CanvasUnitValue::Pix(6)));
    cell->SetBorderVisibility(true);
    cell->SetBorderColor(kCaptionColor);
    ZV_TRY_ASSIGN(WidgetRef leaf, MakeFrame({36.0, 24.0}, kPalette[x + 3]));
    ZV_TRY(cell->InsertChildLast(leaf));
  }
  return box->InsertChildLast(table);
}

}  // namespace

Result<WidgetRef> BuildLayoutPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  Float y = kMargin;
  ZV_TRY(AddCaption(root, "Table: a fixed column and columns of weights 1 and 3, enlarged", {kMargin, y}));
  ZV_TRY_ASSIGN(WidgetRef enlargedBox, AddBox(root, {kMargin, y + kCaptionHeight}, kTableBox));
  ZV_TRY(AddWeightedTable(enlargedBox, TABLE_MODE::ENLARGE));
  ZV_TRY(AddCaption(root, "The same table squeezed", {kMargin + kTableBox.x + kMargin, y}));
  ZV_TRY_ASSIGN(WidgetRef squeezedBox,
                AddBox(root, {kMargin + kTableBox.x + kMargin, y + kCaptionHeight}, {150.0, kTableBox.y}));
  ZV_TRY(AddWeightedTable(squeezedBox, TABLE_MODE::SQUEEZE));
  y += kCaptionHeight + kTableBox.y + kMargin;

  ZV_TRY(AddCaption(root, "Cells aligned MIN, CENTER and MAX with 6 px paddings", {kMargin, y}));
  ZV_TRY_ASSIGN(WidgetRef alignBox, AddBox(root, {kMargin, y + kCaptionHeight}, {kTableBox.x, 80.0}));
  ZV_TRY(AddAlignedCells(alignBox));
  y += kCaptionHeight + 80.0 + kMargin;

  ZV_TRY(AddCaption(root, "Flexbox in its eight fill orders (press R to mirror right to left)", {kMargin, y}));
  y += kCaptionHeight;
  auto flexboxes = std::make_shared<std::vector<FlexBoxWidgetRef>>();
  for (int layout = 0; layout < 8; ++layout) {
    const Vector2d at{kMargin + (layout % 4) * (kFlexBox.x + kFlexGap), y + (layout / 4) * (kFlexBox.y + kFlexGap)};
    ZV_TRY_ASSIGN(WidgetRef box, AddBox(root, at, kFlexBox));
    ZV_TRY_ASSIGN(FlexBoxWidgetRef flex, AddFlexbox(box, static_cast<FLEXBOX_LAYOUT>(layout)));
    flexboxes->push_back(flex);
  }
  gallery.SetKeyHandler('r', [flexboxes, &gallery]() -> Result<void> {
    for (const FlexBoxWidgetRef& flex : *flexboxes) {
      const bool r2l = flex->GetR2LMode() == WIDGET_R2L_MODE::RIGHT_TO_LEFT;
      flex->SetR2LMode(r2l ? WIDGET_R2L_MODE::LEFT_TO_RIGHT : WIDGET_R2L_MODE::RIGHT_TO_LEFT);
    }
    gallery.GetLog().Add(std::string("right-to-left ") +
                         ((*flexboxes)[0]->GetR2LMode() == WIDGET_R2L_MODE::RIGHT_TO_LEFT ? "on" : "off"));
    return Ok();
  });
  return root;
}

}  // namespace zarvo::gallery
