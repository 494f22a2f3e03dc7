#include <string>

#include "apps/gallery/Gallery.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kButtonWidth = 120.0;
constexpr Float kButtonGap = 16.0;
constexpr Float kRowHeight = 30.0;
constexpr Float kSampleLeft = 260.0;
constexpr Float kSampleWidth = 300.0;
constexpr ColorA kTextColor{0.92, 0.92, 0.92, 1.0};
constexpr ColorA kCaptionColor{0.65, 0.70, 0.78, 1.0};
constexpr ColorA kSampleBackground{0.22, 0.22, 0.24, 1.0};

Result<TextWidgetRef> MakeText(const String& text) {
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  widget->SetText(text);
  widget->SetColor(kTextColor);
  return widget;
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
  return root;
}

}  // namespace

Result<WidgetRef> BuildLayoutPage(Gallery& gallery);

const std::vector<GalleryPage>& GetGalleryPages() {
  static const std::vector<GalleryPage> pages = {
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
       "0.8 shot after\n"},
      {"text", "Text", &BuildTextPage, ""},
      {"layout", "Layout", &BuildLayoutPage,
       "# Mirror every flexbox right to left and back.\n"
       "0.0 key r\n"
       "0.1 shot right_to_left\n"
       "0.2 key r\n"},
  };
  return pages;
}

}  // namespace zarvo::gallery
