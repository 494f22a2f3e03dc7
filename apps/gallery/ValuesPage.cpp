#include <filesystem>
#include <string>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "source/ModuleUnits.h"
#include "source/interfaces/BooleanWidgetInterface.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/RadioGroupWidgetInterface.h"
#include "source/interfaces/TristateButtonWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Float kSectionGap = 14.0;
constexpr Float kToggleSize = 20.0;
constexpr Float kToggleStride = 30.0;
constexpr Float kBooleanStride = 140.0;
constexpr ColorA kLabelColor{0.92, 0.92, 0.92, 1.0};

// Sections are stacked top to bottom: each takes the place below the one before and moves it on
// by what it used. A new section is one more function of this shape, called from the builder.
struct ValuesPage {
  Gallery& gallery;
  WidgetRef root;
  Float top = kMargin;

  // The caption of a section at the current place; returns where its widgets start.
  [[nodiscard]] Result<Float> BeginSection(const String& caption) {
    ZV_TRY(AddCaption(root, caption, {kMargin, top}));
    return top + kCaptionHeight;
  }
  void EndSection(Float bottom) { top = bottom + kSectionGap; }
  [[nodiscard]] Result<void> Place(const WidgetRef& widget, Vector2d at) {
    ZV_TRY(root->InsertChildLast(widget));
    ZV_TRY(widget->CreateLayout());
    widget->SetLocalPosition(at);
    return Ok();
  }
  GalleryLog& Log() { return gallery.GetLog(); }
};

const char* const kSymbolNames[] = {"checkmark", "triangle", "preview", "folder", "solo", "radio", "comment"};

void LogCheckbox(ValuesPage& page, const CheckboxWidgetRef& box, const std::string& label) {
  GalleryLog* log = &page.Log();
  box->ObservableStateChanged()->AddObserver([log, label](const CheckboxWidgetRef& sender, Bool on) -> Result<void> {
    log->Add("ObservableStateChanged " + sender->GetName() + " " + label + (on ? " on" : " off"));
    return Ok();
  });
}

// One row per reaction, every symbol in each; the release row starts switched on.
Result<void> AddCheckboxSection(ValuesPage& page) {
  const BUTTON_REACTION reactions[] = {BUTTON_REACTION::BUTTON_DOWN, BUTTON_REACTION::BUTTON_UP};
  for (BUTTON_REACTION reaction : reactions) {
    const bool onPress = reaction == BUTTON_REACTION::BUTTON_DOWN;
    ZV_TRY_ASSIGN(Float y, page.BeginSection(onPress ? "Check boxes, every symbol: toggled on press"
                                                     : "Check boxes: toggled on release, Enter toggles the focused one"));
    Float x = kMargin;
    for (Int i = 0; i < static_cast<Int>(std::size(kSymbolNames)); ++i) {
      ZV_TRY_ASSIGN(CheckboxWidgetRef box, CreateObject<CheckboxWidgetInterface>(Id(kCheckboxWidgetClassId)));
      ZV_TRY(page.Place(box, {x, y}));
      ZV_TRY(box->SetLocalSize(kToggleSize, kToggleSize));
      ZV_TRY(box->SetSymbol(static_cast<CHECKBOX_SYMBOL>(i + 1)));
      box->SetButtonReaction(reaction);
      box->SetState(!onPress);
      LogCheckbox(page, box, std::string(kSymbolNames[i]) + (onPress ? " (press)" : " (release)"));
      x += kToggleStride;
    }
    page.EndSection(y + kToggleSize);
  }
  return Ok();
}

Result<Url> StateIconUrl(const char* name) {
  ZV_TRY_ASSIGN(std::filesystem::path folder, FindWidgetsModuleFolder());
  return Url{(folder / "icons" / "checkbox" / (std::string(name) + ".svg")).string()};
}

// Two tristate buttons showing hidden, visible and solo; the first steps on press, the second on
// release.
Result<void> AddTristateSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Tristate buttons: click steps on, Shift-click steps back"));
  const char* icons[kTristateCount] = {"checkmark", "preview", "solo"};
  const BUTTON_REACTION reactions[] = {BUTTON_REACTION::BUTTON_DOWN, BUTTON_REACTION::BUTTON_UP};
  Float x = kMargin;
  for (BUTTON_REACTION reaction : reactions) {
    ZV_TRY_ASSIGN(TristateButtonWidgetRef button,
                  CreateObject<TristateButtonWidgetInterface>(Id(kTristateButtonWidgetClassId)));
    ZV_TRY(page.Place(button, {x, y}));
    ZV_TRY(button->SetLocalSize(kToggleSize, kToggleSize));
    for (Int32 state = 0; state < kTristateCount; ++state) {
      ZV_TRY_ASSIGN(Url url, StateIconUrl(icons[state]));
      ZV_TRY(button->SetIcon(url, state));
    }
    button->SetButtonReaction(reaction);
    const std::string label = reaction == BUTTON_REACTION::BUTTON_DOWN ? "press" : "release";
    GalleryLog* log = &page.Log();
    button->ObservableStateChanged()->AddObserver(
        [log, label](const TristateButtonWidgetRef& sender, Int32 state) -> Result<void> {
          log->Add("ObservableStateChanged " + sender->GetName() + " " + label + " " + std::to_string(state));
          return Ok();
        });
    x += kToggleStride;
  }
  page.EndSection(y + kToggleSize);
  return Ok();
}

// A boolean with its default text and one named by the application, switched on.
Result<void> AddBooleanSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Boolean widgets"));
  const char* labels[] = {nullptr, "Snap to grid"};
  Float x = kMargin;
  Float bottom = y;
  for (const char* label : labels) {
    ZV_TRY_ASSIGN(BooleanWidgetRef boolean, CreateObject<BooleanWidgetInterface>(Id(kBooleanWidgetClassId)));
    ZV_TRY(page.Place(boolean, {x, y}));
    ZV_TRY_ASSIGN(TextWidgetRef text, boolean->GetTextWidget());
    if (label) text->SetText(label);
    text->SetColor(kLabelColor);
    ZV_TRY_ASSIGN(CheckboxWidgetRef box, boolean->GetCheckboxWidget());
    LogCheckbox(page, box, text->GetText());
    if (label) ZV_TRY(boolean->SetValue(true));
    x += kBooleanStride;
    bottom = y + kCaptionHeight;
  }
  page.EndSection(bottom);
  return Ok();
}

// A group of three, the second selected.
Result<void> AddRadioGroupSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Radio group"));
  ZV_TRY_ASSIGN(RadioGroupWidgetRef group, CreateObject<RadioGroupWidgetInterface>(Id(kRadioGroupWidgetClassId)));
  ZV_TRY(page.Place(group, {kMargin, y}));
  const char* labels[] = {"Draft", "Preview", "Final"};
  ZV_TRY(group->ResizeButtons(std::size(labels)));
  for (uint64_t i = 0; i < std::size(labels); ++i) {
    ZV_TRY_ASSIGN(BooleanWidgetRef button, group->GetButton(i));
    ZV_TRY_ASSIGN(TextWidgetRef text, button->GetTextWidget());
    text->SetText(labels[i]);
    text->SetColor(kLabelColor);
  }
  ZV_TRY(group->SetValue(1));
  GalleryLog* log = &page.Log();
  group->ObservableValueChanged()->AddObserver([log](const WidgetRef& sender, uint64_t index) -> Result<void> {
    log->Add("ObservableValueChanged " + sender->GetName() + " " + std::to_string(index));
    return Ok();
  });
  page.EndSection(y + kCaptionHeight * static_cast<Float>(std::size(labels)));
  return Ok();
}

}  // namespace

// Named by the page list. The positions follow the sections' stacking above: the check box
// rows at y 46 and 102, the tristate buttons at 158, the booleans at 214, the radio group at 272
// with a row every 22 pixels.
extern const char* const kValuesPageScript;
const char* const kValuesPageScript =
    "# Step the first tristate button through all its states and back to the first.\n"
    "0.0 move 34 168\n"
    "0.1 press 34 168\n"
    "0.2 release 34 168\n"
    "0.3 shot tristate_second\n"
    "0.4 press 34 168\n"
    "0.5 release 34 168\n"
    "0.6 shot tristate_third\n"
    "0.7 press 34 168\n"
    "0.8 release 34 168\n"
    "0.9 shot tristate_first\n"
    "# Toggle a check box on press and one on release, then pick the last radio button.\n"
    "1.0 press 34 56\n"
    "1.1 release 34 56\n"
    "1.2 press 64 112\n"
    "1.3 release 64 112\n"
    "1.4 key enter\n"
    "1.5 keyup enter\n"
    "1.6 press 35 327\n"
    "1.7 release 35 327\n"
    "1.8 shot after\n";

Result<WidgetRef> BuildValuesPage(Gallery& gallery) {
  ValuesPage page{gallery, gallery.MakePageRoot()};
  ZV_TRY(AddCheckboxSection(page));
  ZV_TRY(AddTristateSection(page));
  ZV_TRY(AddBooleanSection(page));
  ZV_TRY(AddRadioGroupSection(page));
  return page.root;
}

}  // namespace zarvo::gallery
