#include <cstdio>
#include <string>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/EventDriver.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/interfaces/ColorButtonWidgetInterface.h"
#include "source/interfaces/ColorPickerWidgetInterface.h"
#include "source/interfaces/ColorWidgetInterface.h"
#include "source/interfaces/ColorFieldWidgetInterface.h"
#include "source/interfaces/ColorHEXWidgetInterface.h"
#include "source/interfaces/ColorHSVPlaneWidgetInterface.h"
#include "source/interfaces/ColorHSVWidgetInterface.h"
#include "source/interfaces/ColorRGBWidgetInterface.h"
#include "source/interfaces/ColorTableWidgetInterface.h"
#include "source/interfaces/QuickTabTextWidgetAdapterInterface.h"
#include "source/interfaces/QuickTabWidgetInterface.h"
#include "source/widgets_color/ColorButtonWidgetImpl.h"
#include "source/widgets_color/ColorMath.h"
#include "source/widgets_color/ColorWidgetImpl.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Float kSecondColumn = 300.0;
constexpr Float kThirdColumn = 560.0;
constexpr Float kFourthColumn = 860.0;
constexpr Float kPickerTop = 400.0;
// Where the page's 'k' key clicks in the chooser's spectrum before it answers OK.
constexpr Vector2d kChooserSpectrumPoint{120.0, 40.0};

std::string Describe(const ColorA& c) {
  char text[80];
  std::snprintf(text, sizeof text, "%.3f %.3f %.3f %.3f", c.r, c.g, c.b, c.a);
  return text;
}

std::string Describe(const Vector& v) {
  char text[80];
  std::snprintf(text, sizeof text, "%.3f %.3f %.3f", v.x, v.y, v.z);
  return text;
}

template <class I>
Result<Ref<I>> Place(const WidgetRef& root, const char* classId, Vector2d at, const String& caption) {
  ZV_TRY(AddCaption(root, caption, at));
  ZV_TRY_ASSIGN(Ref<I> widget, CreateObject<I>(Id(classId)));
  ZV_TRY(root->InsertChildLast(widget));
  ZV_TRY(widget->CreateLayout());
  widget->SetLocalPosition({at.x, at.y + kCaptionHeight});
  return widget;
}

Result<void> AddQuickTabs(Gallery& gallery, const WidgetRef& root, Vector2d at, QUICKTAB_SELECT_MODE mode,
                          const String& caption) {
  ZV_TRY_ASSIGN(QuickTabWidgetRef tabs, Place<QuickTabWidgetInterface>(root, kQuickTabWidgetClassId, at, caption));
  ZV_TRY_ASSIGN(QuickTabTextWidgetAdapterRef adapter,
                CreateObject<QuickTabTextWidgetAdapterInterface>(Id(kQuickTabTextWidgetAdapterClassId)));
  for (const char* text : {"Move", "Rotate", "Scale", "Pivot", "Snap"}) ZV_TRY(adapter->AppendItem(text));
  ZV_TRY(tabs->SetAdapter(adapter));
  tabs->SetSelectMode(mode);
  GalleryLog* log = &gallery.GetLog();
  tabs->ObservableSelectionChanged()->AddObserver([log, caption](const QuickTabWidgetRef& sender) -> Result<void> {
    std::string selected;
    for (Int i = 0; i < 5; ++i) selected += sender->GetItem(sender->GetItemIdFromIndex(i)) ? "1" : "0";
    log->Add("ObservableSelectionChanged " + caption + " " + selected);
    return Ok();
  });
  return Ok();
}

}  // namespace

// Named by the page list.
extern const char* const kColourPageScript;
const char* const kColourPageScript =
    "# Drag in the spectrum, type a hex code, pick a swatch, paint a selection across tabs.\n"
    "0.0 press 60 90\n"
    "0.1 drag 120 120\n"
    "0.2 drag 150 60\n"
    "0.3 release 150 60\n"
    "0.4 shot spectrum_dragged\n"
    "0.5 press 340 348\n"
    "0.6 release 340 348\n"
    "0.7 type 3366cc\n"
    "0.8 key enter\n"
    "0.9 keyup enter\n"
    "1.0 press 575 60\n"
    "1.1 release 575 60\n"
    "1.2 press 600 300\n"
    "1.3 drag 700 300\n"
    "1.4 drag 780 300\n"
    "1.5 release 780 300\n"
    "1.6 shot after\n"
    "# Open the chooser with the colour button; 'k' picks in its spectrum and answers OK.\n"
    "1.7 press 880 56\n"
    "1.8 release 880 56\n"
    "1.9 shot chooser_open\n"
    "2.0 key k\n"
    "2.1 keyup k\n"
    "2.2 shot chooser_ok\n";

Result<WidgetRef> BuildColourPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  GalleryLog* log = &gallery.GetLog();
  ZV_TRY_ASSIGN(ColorHSVSpectrumWidgetRef spectrum,
                Place<ColorHSVSpectrumWidgetInterface>(root, kColorHSVSpectrumWidgetClassId, {kMargin, kMargin},
                                                       "HSV spectrum: drag to pick"));
  ZV_TRY_ASSIGN(ColorRGBWidgetRef rgb, Place<ColorRGBWidgetInterface>(root, kColorRGBWidgetClassId,
                                                                       {kSecondColumn, kMargin}, "RGB"));
  ZV_TRY_ASSIGN(ColorHSVWidgetRef hsv,
                Place<ColorHSVWidgetInterface>(root, kColorHSVWidgetClassId, {kSecondColumn, 185.0}, "HSV"));
  ZV_TRY_ASSIGN(ColorHEXWidgetRef hex,
                Place<ColorHEXWidgetInterface>(root, kColorHEXWidgetClassId, {kSecondColumn, 315.0}, "HEX: type a code"));
  ZV_TRY_ASSIGN(ColorTableWidgetRef table, Place<ColorTableWidgetInterface>(root, kColorTableWidgetClassId,
                                                                             {kThirdColumn, kMargin}, "Swatches"));
  ZV_TRY(table->InitColorTable({{1, 0, 0, 1}, {1, 0.5, 0, 1}, {1, 1, 0, 1}, {0, 1, 0, 1}, {0, 1, 1, 1},
                                {0, 0, 1, 1}, {0.5, 0, 1, 1}, {1, 0, 1, 1}, {1, 1, 1, 1}, {0.5, 0.5, 0.5, 1}},
                               5));
  ZV_TRY_ASSIGN(ColorFieldWidgetRef field, Place<ColorFieldWidgetInterface>(root, kColorFieldWidgetClassId,
                                                                             {kThirdColumn, 120.0}, "Field"));
  ZV_TRY(field->SetLocalSize(100.0, 40.0));

  ZV_TRY_ASSIGN(ColorButtonWidgetRef button,
                Place<ColorButtonWidgetInterface>(root, kColorButtonWidgetClassId, {kFourthColumn, kMargin},
                                                  "Colour button: click for the chooser"));
  ZV_TRY_ASSIGN(ColorWidgetRef compound, Place<ColorWidgetInterface>(root, kColorWidgetClassId,
                                                                      {kFourthColumn, 90.0}, "Colour widget"));
  ZV_TRY_ASSIGN(ColorPickerWidgetRef picker,
                Place<ColorPickerWidgetInterface>(root, kColorPickerWidgetClassId, {kMargin, kPickerTop},
                                                  "Colour picker: the Eye Dropper picks from any window"));
  auto& compoundImpl = dynamic_cast<ColorWidgetImpl&>(*compound);

  // One colour shown by every notation: a change in one is written to the others, never back.
  const auto show = [=, &compoundImpl](const ColorA& color, const WidgetInterface* from) -> Result<void> {
    field->SetBackgroundColor(color);
    if (from != button.Get()) button->SetBackgroundColor(color);
    if (from != compound.Get()) ZV_TRY(compoundImpl.SetRGBA(color));
    if (from != picker.Get()) ZV_TRY(picker->SetPickedColor(color, false));
    const Vector asHsv = RgbToHsv(color.r, color.g, color.b);
    if (from != rgb.Get()) ZV_TRY(rgb->SetRGB(color, false));
    if (from != hsv.Get()) ZV_TRY(hsv->SetHSV(asHsv, false));
    if (from != hex.Get()) ZV_TRY(hex->SetHEX(RgbToHexCode(color), false));
    if (from != spectrum.Get()) ZV_TRY(spectrum->SetHSV(asHsv, false));
    return Ok();
  };
  rgb->ObservableColorChanged()->AddObserver([=](const WidgetRef&, ColorA color) -> Result<void> {
    log->Add("ObservableColorChanged ColorRGBWidget " + Describe(color));
    return show(color, rgb.Get());
  });
  hsv->ObservableColorChanged()->AddObserver([=](const WidgetRef&, Vector value) -> Result<void> {
    log->Add("ObservableColorChanged ColorHSVWidget " + Describe(value));
    return show(HsvToRgb(value), hsv.Get());
  });
  hex->ObservableColorChanged()->AddObserver([=](const WidgetRef&, uint32_t code) -> Result<void> {
    log->Add("ObservableColorChanged ColorHEXWidget #" + HexToString(code));
    return show(HexCodeToRgb(code), hex.Get());
  });
  spectrum->ObservableColorChanged()->AddObserver([=](const WidgetRef&, Vector value, Bool dragging) -> Result<void> {
    log->Add("ObservableColorChanged ColorHSVSpectrumWidget " + Describe(value) + (dragging ? " dragging" : ""));
    return show(HsvToRgb(value), spectrum.Get());
  });
  table->ObservableIndexChanged()->AddObserver([=](const ColorTableWidgetRef& sender, Int index) -> Result<void> {
    log->Add("ObservableIndexChanged ColorTableWidget " + std::to_string(index));
    ZV_TRY_ASSIGN(ColorA color, sender->GetTableColor(index));
    return show(color, sender.Get());
  });
  button->ObservableColorChanged()->AddObserver([=](const WidgetRef&, ColorA color) -> Result<void> {
    log->Add("ObservableColorChanged ColorButtonWidget " + Describe(color));
    return show(color, button.Get());
  });
  picker->ObservableColorChanged()->AddObserver([=](const WidgetRef&, ColorA color) -> Result<void> {
    log->Add("ObservableColorChanged ColorPickerWidget " + Describe(color));
    return show(color, picker.Get());
  });
  // The compound widget has synchronised its parts when its notations tell.
  const auto fromCompound = [=, &compoundImpl](const char* part) -> Result<void> {
    log->Add(std::string("ObservableColorChanged ColorWidget ") + part + " " + Describe(compoundImpl.GetRGBA()));
    return show(compoundImpl.GetRGBA(), compound.Get());
  };
  const ColorNotations& parts = compoundImpl.GetNotations();
  ZV_TRY_ASSIGN(ColorRGBWidgetRef partRgb, parts.GetRGB());
  partRgb->ObservableColorChanged()->AddObserver([=](const WidgetRef&, ColorA) { return fromCompound("RGB"); });
  ZV_TRY_ASSIGN(ColorHSVWidgetRef partHsv, parts.GetHSV());
  partHsv->ObservableColorChanged()->AddObserver([=](const WidgetRef&, Vector) { return fromCompound("HSV"); });
  ZV_TRY_ASSIGN(ColorHEXWidgetRef partHex, parts.GetHEX());
  partHex->ObservableColorChanged()->AddObserver([=](const WidgetRef&, uint32_t) { return fromCompound("HEX"); });
  ZV_TRY_ASSIGN(ColorButtonWidgetRef partButton, compound->GetColorButtonWidget());
  partButton->ObservableColorChanged()->AddObserver(
      [=](const WidgetRef&, ColorA) { return fromCompound("ColorButtonWidget"); });

  // 'k': a click in the open chooser's spectrum, then OK, as a user would answer it.
  gallery.SetKeyHandler('k', [button, log]() -> Result<void> {
    ColorChooser* chooser = dynamic_cast<ColorButtonWidgetImpl&>(*button).GetChooser();
    if (!chooser) return IllegalStateError("No colour chooser is open");
    AppWindow& window = *dynamic_cast<Desktop2dWindowImpl&>(*chooser->GetWindow()).GetHostWindow();
    EventDriver driver(window);
    ZV_TRY(driver.Click(kChooserSpectrumPoint));
    log->Add("Color Chooser: OK");
    ZV_TRY(driver.Click(*chooser->GetOkButton()));
    return Ok();
  });
  ZV_TRY(show({0.2, 0.4, 0.8, 1.0}, nullptr));

  ZV_TRY(AddQuickTabs(gallery, root, {kThirdColumn, 200.0}, QUICKTAB_SELECT_MODE::SINGLE, "Quick tab, single"));
  ZV_TRY(AddQuickTabs(gallery, root, {kThirdColumn, 260.0}, QUICKTAB_SELECT_MODE::MULTI,
                      "Quick tab, multiple: drag to paint"));
  return root;
}

}  // namespace zarvo::gallery
