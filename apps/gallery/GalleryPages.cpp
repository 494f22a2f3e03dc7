#include <filesystem>
#include <string>

#include "apps/gallery/GalleryCaption.h"
#include "apps/gallery/Gallery.h"
#include "apps/gallery/ScrollPage.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetBase.h"
#include "host/core/AppFolders.h"
#include "host/ui/CommandInterface.h"
#include "source/interfaces/CommandButtonWidgetInterface.h"
#include "source/interfaces/CustomButtonWidgetInterface.h"
#include "source/interfaces/ImageButtonWidgetInterface.h"
#include "source/interfaces/ImageTextButtonWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kButtonWidth = 120.0;
constexpr Float kButtonGap = 16.0;
constexpr Float kRowHeight = 30.0;
constexpr Float kCompositeRowTop = 60.0;
constexpr Float kCompositeStride = 150.0;
constexpr Float kCustomButtonSize = 32.0;
constexpr Float kIconSize = 20.0;
constexpr ColorA kCustomButtonColor{0.30, 0.42, 0.55, 1.0};
constexpr Float kSampleLeft = 260.0;
constexpr Float kSampleWidth = 300.0;
constexpr ColorA kTextColor{0.92, 0.92, 0.92, 1.0};
constexpr ColorA kSampleBackground{0.22, 0.22, 0.24, 1.0};

Result<TextWidgetRef> MakeText(const String& text) {
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  widget->SetText(text);
  widget->SetColor(kTextColor);
  return widget;
}

Result<Url> GalleryIconUrl() {
  ZV_TRY_ASSIGN(std::filesystem::path folder, AppFolders::Get().GetModuleFolder("mvp_desktop2d_widgets.module"));
  return Url{(folder / "icons" / "gallery_star.svg").string()};
}

const char* DragDirectionName(Int direction) {
  switch (direction) {
    case DRAG_DIRECTION::LEFT: return "left";
    case DRAG_DIRECTION::RIGHT: return "right";
    case DRAG_DIRECTION::UP: return "up";
    case DRAG_DIRECTION::DOWN: return "down";
    default: return "none";
  }
}

// The second row: every composite button, a command button bound to a command that logs, and a
// custom button that reports the direction it is dragged in.
Result<void> AddCompositeButtons(Gallery& gallery, const WidgetRef& root) {
  const Float y = kMargin + kCompositeRowTop;
  Float x = kMargin;
  auto place = [&](const WidgetRef& widget) -> Result<void> {
    ZV_TRY(root->InsertChildLast(widget));
    ZV_TRY(widget->CreateLayout());
    widget->SetLocalPosition({x, y});
    x += kCompositeStride;
    return Ok();
  };
  ZV_TRY_ASSIGN(Url icon, GalleryIconUrl());

  ZV_TRY_ASSIGN(Ref<TextButtonWidgetInterface> textButton,
                CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
  ZV_TRY(place(textButton));
  ZV_TRY_ASSIGN(TextWidgetRef textLabel, textButton->GetTextWidget());
  textLabel->SetText("Text button");
  gallery.ObserveButton(textButton, "Text button");

  ZV_TRY_ASSIGN(Ref<ImageButtonWidgetInterface> imageButton,
                CreateObject<ImageButtonWidgetInterface>(Id(kImageButtonWidgetClassId)));
  ZV_TRY(place(imageButton));
  ZV_TRY_ASSIGN(ImageWidgetRef image, imageButton->GetImageWidget());
  ZV_TRY(image->SetUrl(icon));
  ZV_TRY(image->SetLocalSize(kIconSize, kIconSize));
  gallery.ObserveButton(imageButton, "Image button");

  ZV_TRY_ASSIGN(Ref<ImageTextButtonWidgetInterface> imageTextButton,
                CreateObject<ImageTextButtonWidgetInterface>(Id(kImageTextButtonWidgetClassId)));
  ZV_TRY(place(imageTextButton));
  ZV_TRY_ASSIGN(ImageWidgetRef image2, imageTextButton->GetImageWidget());
  ZV_TRY(image2->SetUrl(icon));
  ZV_TRY(image2->SetLocalSize(kIconSize, kIconSize));
  ZV_TRY_ASSIGN(TextWidgetRef imageText, imageTextButton->GetTextWidget());
  imageText->SetText("Favourite");
  gallery.ObserveButton(imageTextButton, "Image-text button");

  GalleryLog* log = &gallery.GetLog();
  Ref<Command> save = Command::Create(Id("net.zarvo.gallery.command.save"), "Save",
                                      [log](const DataDictionary&) -> Result<void> {
                                        log->Add("command 'Save' executed");
                                        return Ok();
                                      });
  gallery.GetWindow().AddCommand(save);
  ZV_TRY_ASSIGN(Ref<CommandButtonWidgetInterface> commandButton,
                CreateObject<CommandButtonWidgetInterface>(Id(kCommandButtonWidgetClassId)));
  ZV_TRY(place(commandButton));
  ZV_TRY(commandButton->SetCommand(save));

  ZV_TRY_ASSIGN(Ref<CustomButtonWidgetInterface> custom,
                CreateObject<CustomButtonWidgetInterface>(Id(kCustomButtonWidgetClassId)));
  ZV_TRY(place(custom));
  ZV_TRY(custom->SetLocalSize(kCustomButtonSize, kCustomButtonSize));
  custom->SetBackgroundVisibility(true);
  custom->SetBackgroundColor(kCustomButtonColor);
  custom->SetAllowedDragDirections(DRAG_DIRECTION::LEFT | DRAG_DIRECTION::RIGHT | DRAG_DIRECTION::UP |
                                   DRAG_DIRECTION::DOWN);
  custom->ObservableButtonDown()->AddObserver([log](const CustomButtonWidgetRef& sender) -> Result<void> {
    log->Add(std::string("ObservableButtonDown CustomButtonWidget dragging ") +
             DragDirectionName(sender->GetCurrentDraggingDirection()));
    return Ok();
  });
  return Ok();
}

Result<WidgetRef> BuildButtonsPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  const char* labels[] = {"Apply", "Reset", "Render", "Quit"};
  Float x = kMargin;
  for (const char* label : labels) {
    ZV_TRY_ASSIGN(ButtonWidgetRef button, CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId)));
    ZV_TRY(root->InsertChildLast(button));
    // The button takes the size of its first child: the text.
    ZV_TRY_ASSIGN(TextWidgetRef text, MakeText(label));
    ZV_TRY(button->InsertChildLast(text));
    button->SetLocalPosition({x, kMargin});
    x += kButtonWidth + kButtonGap;
    gallery.ObserveButton(button, label);
  }
  ZV_TRY(AddCompositeButtons(gallery, root));
  return root;
}

struct TextSample {
  const char* caption;
  CLAMP_MODE clamp;
  WRAP_MODE wrap;
  ALIGNMENT alignment;
  WIDGET_R2L_MODE direction;
  Int maxLines;
};

Result<WidgetRef> BuildTextPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  const String sentence = "The quick brown fox jumps over the lazy dog near the riverbank";
  const String lines = "First line\nSecond line\n\nFourth line after an empty one\nFifth line";
  const TextSample samples[] = {
      {"Clamp START", CLAMP_MODE::START, WRAP_MODE::NONE, ALIGNMENT::LEFT, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 0},
      {"Clamp MIDDLE", CLAMP_MODE::MIDDLE, WRAP_MODE::NONE, ALIGNMENT::LEFT, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 0},
      {"Clamp END", CLAMP_MODE::END, WRAP_MODE::NONE, ALIGNMENT::LEFT, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 0},
      {"Right aligned", CLAMP_MODE::NONE, WRAP_MODE::NONE, ALIGNMENT::RIGHT, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 0},
      {"Left aligned, right to left", CLAMP_MODE::NONE, WRAP_MODE::NONE, ALIGNMENT::LEFT,
       WIDGET_R2L_MODE::RIGHT_TO_LEFT, 0},
      {"Wrap LINE", CLAMP_MODE::NONE, WRAP_MODE::LINE, ALIGNMENT::LEFT, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 0},
      {"Wrap LINE, three lines at most", CLAMP_MODE::NONE, WRAP_MODE::LINE, ALIGNMENT::LEFT,
       WIDGET_R2L_MODE::LEFT_TO_RIGHT, 3},
      {"Wrap WORD", CLAMP_MODE::NONE, WRAP_MODE::WORD, ALIGNMENT::LEFT, WIDGET_R2L_MODE::LEFT_TO_RIGHT, 0},
  };
  Float y = kMargin;
  for (const TextSample& sample : samples) {
    ZV_TRY_ASSIGN(TextWidgetRef caption, MakeText(sample.caption));
    caption->SetColor(kCaptionColor);
    caption->SetLocalPosition({kMargin, y});
    ZV_TRY(root->InsertChildLast(caption));
    const bool aligning = sample.clamp == CLAMP_MODE::NONE && sample.wrap == WRAP_MODE::NONE;
    ZV_TRY_ASSIGN(TextWidgetRef text,
                  MakeText(sample.wrap == WRAP_MODE::LINE ? lines : aligning ? String("Short text") : sentence));
    text->SetClampMode(sample.clamp);
    text->SetWrapMode(sample.wrap);
    text->SetAlignment(sample.alignment, WIDGET_DIRECTION::HORIZONTAL);
    text->SetR2LMode(sample.direction);
    text->SetMaximumLineCount(sample.maxLines);
    text->SetBackgroundVisibility(true);
    text->SetBackgroundColor(kSampleBackground);
    text->SetLocalPosition({kSampleLeft, y});
    ZV_TRY(root->InsertChildLast(text));
    if (sample.wrap == WRAP_MODE::NONE) {
      // A fixed width, narrower than the sentence, shows clamping and alignment.
      text->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
      text->SetFixedSize(CanvasUnitValue::Pix(kSampleWidth), WIDGET_DIRECTION::HORIZONTAL);
    } else if (sample.wrap == WRAP_MODE::WORD) {
      ZV_TRY(text->SetLocalSize(kSampleWidth, 0.0));
    }
    y += sample.wrap == WRAP_MODE::NONE ? kRowHeight : kRowHeight * 4;
  }
  // Editable fields: click one and type; Enter finishes, Escape restores the text.
  const char* fields[] = {"Edit me", "Another field"};
  for (const char* initial : fields) {
    ZV_TRY(AddCaption(root, "Text edit", {kMargin, y}));
    ZV_TRY_ASSIGN(Ref<TextEditWidgetInterface> edit, CreateObject<TextEditWidgetInterface>(Id(kTextEditWidgetClassId)));
    ZV_TRY(root->InsertChildLast(edit));
    edit->SetText(initial);
    edit->SetColor(kTextColor);
    edit->SetBackgroundVisibility(true);
    edit->SetBackgroundColor(kSampleBackground);
    edit->SetLocalPosition({kSampleLeft, y});
    GalleryLog* log = &gallery.GetLog();
    edit->ObservableTextFinished()->AddObserver([log](const TextEditWidgetRef& sender) -> Result<void> {
      log->Add("ObservableTextFinished " + sender->GetName() + " '" + sender->GetText() + "'");
      return Ok();
    });
    y += kRowHeight;
  }
  return root;
}

}  // namespace

Result<WidgetRef> BuildIndexPage(Gallery& gallery);
extern const char* const kIndexPageScript;
Result<WidgetRef> BuildDebugPage(Gallery& gallery);
extern const char* const kDebugPageScript;
Result<WidgetRef> BuildLayoutPage(Gallery& gallery);
Result<WidgetRef> BuildTimePage(Gallery& gallery);
extern const char* const kTimePageScript;
Result<WidgetRef> BuildValuesPage(Gallery& gallery);
extern const char* const kValuesPageScript;
Result<WidgetRef> BuildColourPage(Gallery& gallery);
extern const char* const kColourPageScript;
Result<WidgetRef> BuildMenusPage(Gallery& gallery);
extern const char* const kMenusPageScript;
Result<WidgetRef> BuildTreesPage(Gallery& gallery);
extern const char* const kTreesPageScript;

const std::vector<GalleryPage>& GetGalleryPages() {
  static const std::vector<GalleryPage> pages = {
      {"index", "Index", &BuildIndexPage, kIndexPageScript},
      {"buttons", "Buttons", &BuildButtonsPage,
       "# Click the first button, then press Enter on the focused button.\n"
       "0.0 move 40 30\n"
       "0.1 shot hover\n"
       "0.2 press 40 30\n"
       "0.3 shot pressed\n"
       "0.4 release 40 30\n"
       "0.5 key tab\n"
       "0.6 key enter\n"
       "0.7 keyup enter\n"
       "0.8 shot after\n"
       "# The command button runs its command; the custom button reports its drag direction.\n"
       "1.0 move 490 93\n"
       "1.1 press 490 93\n"
       "1.2 release 490 93\n"
       "1.5 move 640 100\n"
       "1.6 press 640 100\n"
       "1.7 drag 700 100\n"
       "2.5 release 700 100\n"
       "2.6 shot composite\n"},
      {"text", "Text", &BuildTextPage,
       "# Edit the first field: select all it holds by opening it, type, finish with Enter.\n"
       "0.0 move 300 548\n"
       "0.1 press 300 548\n"
       "0.2 release 300 548\n"
       "0.3 type Renamed\n"
       "0.4 shot editing\n"
       "0.5 key enter\n"
       "0.6 keyup enter\n"},
      {"layout", "Layout", &BuildLayoutPage,
       "# Mirror every flexbox right to left and back.\n"
       "0.0 key r\n"
       "0.1 shot right_to_left\n"
       "0.2 key r\n"},
      {"scroll", "Scroll", &BuildScrollPage, kScrollPageScript},
      {"time", "Time", &BuildTimePage, kTimePageScript},
      {"values", "Values", &BuildValuesPage, kValuesPageScript},
      {"debug", "Diagnostics", &BuildDebugPage, kDebugPageScript},
      {"colour", "Colour", &BuildColourPage, kColourPageScript},
      {"menus", "Menus", &BuildMenusPage, kMenusPageScript},
      {"trees", "Trees", &BuildTreesPage, kTreesPageScript},
  };
  return pages;
}

}  // namespace zarvo::gallery
