#include <string>

#include "apps/gallery/Gallery.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetBase.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kButtonWidth = 120.0;
constexpr Float kButtonHeight = 28.0;
constexpr Float kButtonGap = 16.0;

// The page's root: fills the window and holds the page's widgets.
Result<WidgetRef> MakePageRoot() {
  WidgetRef root = MakeRef<WidgetBase>();
  root->SetName("GalleryPage");
  root->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  root->SetInheritParentSize(true, WIDGET_DIRECTION::VERTICAL);
  return root;
}

Result<WidgetRef> BuildButtonsPage(Gallery& gallery) {
  ZV_TRY_ASSIGN(WidgetRef root, MakePageRoot());
  const char* labels[] = {"Apply", "Reset", "Render", "Quit"};
  for (int i = 0; i < 4; ++i) {
    ZV_TRY_ASSIGN(ButtonWidgetRef button, CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId)));
    ZV_TRY(root->InsertChildLast(button));
    button->SetLocalPosition({kMargin + i * (kButtonWidth + kButtonGap), kMargin});
    ZV_TRY(button->SetLocalSize(kButtonWidth, kButtonHeight));
    gallery.ObserveButton(button, labels[i]);
  }
  return root;
}

}  // namespace

const std::vector<GalleryPage>& GetGalleryPages() {
  static const std::vector<GalleryPage> pages = {
      {"buttons", "Buttons", &BuildButtonsPage,
       "# Click the first button, then press Enter on the focused button.\n"
       "0.0 move 80 38\n"
       "0.1 shot hover\n"
       "0.2 press 80 38\n"
       "0.3 shot pressed\n"
       "0.4 release 80 38\n"
       "0.5 key tab\n"
       "0.6 key enter\n"
       "0.7 keyup enter\n"
       "0.8 shot after\n"},
  };
  return pages;
}

}  // namespace zarvo::gallery
