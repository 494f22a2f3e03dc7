#include <string>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kGridTop = 64.0;
constexpr Int kGridColumns = 4;
constexpr Vector2d kTileSize{290.0, 64.0};
constexpr Vector2d kTileGap{24.0, 24.0};
constexpr ColorA kTileTextColor{0.92, 0.92, 0.92, 1.0};

// Where the tile of the `index`th entry goes: rows of kGridColumns, left to right.
Vector2d GridPosition(Int index) {
  const Int column = index % kGridColumns;
  const Int row = index / kGridColumns;
  return {kMargin + static_cast<Float>(column) * (kTileSize.x + kTileGap.x),
          kGridTop + static_cast<Float>(row) * (kTileSize.y + kTileGap.y)};
}

// A button of the tile's size: the button takes the size of its first child, a text of a fixed
// size with the title in its middle.
Result<ButtonWidgetRef> MakeTile(const String& title) {
  ZV_TRY_ASSIGN(ButtonWidgetRef button, CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId)));
  ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  text->SetText(title);
  text->SetColor(kTileTextColor);
  for (WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    text->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    text->SetAlignment(ALIGNMENT::CENTER, direction);
  }
  text->SetFixedSize(CanvasUnitValue::Pix(kTileSize.x), WIDGET_DIRECTION::HORIZONTAL);
  text->SetFixedSize(CanvasUnitValue::Pix(kTileSize.y), WIDGET_DIRECTION::VERTICAL);
  ZV_TRY(button->InsertChildLast(text));
  return button;
}

}  // namespace

// Named by the page list.
extern const char* const kIndexPageScript;
const char* const kIndexPageScript =
    "# Hover the first tile, then click the second: each click asks for its page.\n"
    "0.0 move 164 96\n"
    "0.1 shot hover\n"
    "0.2 press 468 96\n"
    "0.3 shot pressed\n"
    "0.4 release 468 96\n"
    "# The first tile of the second row.\n"
    "0.6 move 164 184\n"
    "0.7 press 164 184\n"
    "0.8 release 164 184\n"
    "0.9 shot after\n";

Result<WidgetRef> BuildIndexPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  ZV_TRY(AddCaption(root,
                    "Every page of the gallery: click one to go there. In a window PageDown and PageUp step "
                    "through the pages, Home comes back here and keys 1-9 pick a page.",
                    {kMargin, kMargin}));
  Int index = 0;
  for (const GalleryPage& page : GetGalleryPages()) {
    // The index does not link to itself.
    using Builder = Result<WidgetRef> (*)(Gallery&);
    if (const Builder* builder = page.build.target<Builder>(); builder && *builder == &BuildIndexPage) continue;
    ZV_TRY_ASSIGN(ButtonWidgetRef tile, MakeTile(page.title));
    ZV_TRY(root->InsertChildLast(tile));
    tile->SetLocalPosition(GridPosition(index++));
    tile->ObservableButtonUp()->AddObserver([&gallery, name = page.name](const ButtonWidgetRef&) -> Result<void> {
      gallery.RequestPage(name);
      return Ok();
    });
  }
  return root;
}

}  // namespace zarvo::gallery
