#include "apps/gallery/ScrollPage.h"

#include <string>

#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Rect kButtonsArea{kMargin, kMargin + kCaptionHeight, kMargin + 640.0, kMargin + kCaptionHeight + 460.0};
constexpr Rect kPictureArea{kButtonsArea.right + 2 * kMargin, kButtonsArea.top, kButtonsArea.right + 2 * kMargin + 300.0,
                            kButtonsArea.top + 240.0};
constexpr Int kButtonColumns = 100;
constexpr Int kButtonRows = 100;
constexpr Int kPictureColumns = 12;
constexpr Int kPictureRows = 10;
constexpr Float kTileSize = 48.0;
constexpr Float kButtonPadding = 2.0;
constexpr ColorA kFrameColor{0.55, 0.58, 0.62, 1.0};
constexpr ColorA kPalette[] = {{0.85, 0.42, 0.35, 1.0}, {0.40, 0.66, 0.45, 1.0}, {0.36, 0.55, 0.85, 1.0},
                               {0.86, 0.74, 0.35, 1.0}, {0.62, 0.45, 0.80, 1.0}, {0.35, 0.75, 0.78, 1.0}};

// A scroll area of a fixed size at a place of the page, its layout made so that content can go in.
Result<ScrollAreaWidgetRef> AddScrollArea(const WidgetRef& root, const Rect& frame) {
  ZV_TRY_ASSIGN(ScrollAreaWidgetRef area, CreateObject<ScrollAreaWidgetInterface>(Id(kScrollAreaWidgetClassId)));
  ZV_TRY(area->CreateLayout());
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) area->SetSizeMode(WIDGET_SIZE::FIXED, d);
  area->SetFixedSize(CanvasUnitValue::Pix(frame.Width()), WIDGET_DIRECTION::HORIZONTAL);
  area->SetFixedSize(CanvasUnitValue::Pix(frame.Height()), WIDGET_DIRECTION::VERTICAL);
  area->SetLocalPosition({frame.left, frame.top});
  area->SetBorderVisibility(true);
  area->SetBorderColor(kFrameColor);
  ZV_TRY(root->InsertChildLast(area));
  return area;
}

// Every button logs its release with its row and column.
Result<WidgetRef> MakeButtonTable(Gallery& gallery) {
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(kButtonColumns, kButtonRows));
  GalleryLog* log = &gallery.GetLog();
  for (Int y = 0; y < kButtonRows; ++y) {
    for (Int x = 0; x < kButtonColumns; ++x) {
      ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(x, y));
      const CanvasUnitValue padding = CanvasUnitValue::Pix(kButtonPadding);
      ZV_TRY(cell->SetPadding(padding, padding, padding, padding));
      ZV_TRY_ASSIGN(Ref<TextButtonWidgetInterface> button,
                    CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
      ZV_TRY(button->CreateLayout());
      ZV_TRY_ASSIGN(TextWidgetRef text, button->GetTextWidget());
      const std::string label = "R" + std::to_string(y + 1) + " C" + std::to_string(x + 1);
      text->SetText(label);
      button->ObservableButtonUp()->AddObserver([log, label](const ButtonWidgetRef&) -> Result<void> {
        log->Add("ObservableButtonUp '" + label + "'");
        return Ok();
      });
      ZV_TRY(cell->InsertChildLast(button));
    }
  }
  return WidgetRef(table);
}

Result<WidgetRef> MakePicture() {
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(kPictureColumns, kPictureRows));
  for (Int i = 0; i < kPictureColumns * kPictureRows; ++i) {
    ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> tile, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
    for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
      tile->SetSizeMode(WIDGET_SIZE::FIXED, d);
      tile->SetFixedSize(CanvasUnitValue::Pix(kTileSize), d);
    }
    tile->SetBackgroundVisibility(true);
    tile->SetBackgroundColor(kPalette[(i % kPictureColumns + i / kPictureColumns) % 6]);
    ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(i));
    ZV_TRY(cell->InsertChildLast(tile));
  }
  return WidgetRef(table);
}

}  // namespace

const char* const kScrollPageScript =
    "# Wheel down over the buttons, drag the vertical thumb, step with the arrows and keys.\n"
    "0.0 scroll 300 300 down\n"
    "0.1 scroll 300 300 down\n"
    "0.2 shot wheel\n"
    "0.3 press 657 80\n"
    "0.4 drag 657 180\n"
    "0.5 release 657 180\n"
    "0.6 shot dragged\n"
    "0.7 key end\n"
    "0.8 keyup end\n"
    "0.9 press 657 485\n"
    "1.0 release 657 485\n"
    "1.1 shot end\n"
    "# Click a button in view.\n"
    "1.2 press 60 60\n"
    "1.3 release 60 60\n";

Result<WidgetRef> BuildScrollPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  ZV_TRY(AddCaption(root, "10,000 buttons: wheel, drag a thumb, press an arrow, or keys on a focused bar",
                    {kButtonsArea.left, kMargin}));
  ZV_TRY_ASSIGN(ScrollAreaWidgetRef buttons, AddScrollArea(root, kButtonsArea));
  ZV_TRY_ASSIGN(WidgetRef table, MakeButtonTable(gallery));
  ZV_TRY(buttons->SetWidgetToBeScrolled(table));

  ZV_TRY(AddCaption(root, "Inverse, both bars always shown", {kPictureArea.left, kMargin}));
  ZV_TRY_ASSIGN(ScrollAreaWidgetRef picture, AddScrollArea(root, kPictureArea));
  ZV_TRY(picture->SetInverse(true));
  picture->SetAutoScrollbarsVisibilityMode(false);
  ZV_TRY_ASSIGN(WidgetRef tiles, MakePicture());
  ZV_TRY(picture->SetWidgetToBeScrolled(tiles));
  return root;
}

}  // namespace zarvo::gallery
