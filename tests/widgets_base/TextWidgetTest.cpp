#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/gfx/Image.h"
#include "host/ui/AppWindow.h"
#include "host/ui/FontHandle.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_base/TextClamp.h"
#include "source/widgets_base/TextWidgetImpl.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr Float kWindowWidth = 200.0;
constexpr Float kWindowHeight = 60.0;
// The canvases' REM base: a 1 REM font is 13 pixels.
constexpr Float kRemPixels = kDefaultRemBase;
// Text is white on the dark window; a pixel this bright in red is ink.
constexpr uint8_t kInkThreshold = 100;
constexpr Float kNaN = std::numeric_limits<Float>::quiet_NaN();
constexpr char kLongText[] = "The quick brown fox jumps over the lazy dog";

TextWidgetRef MakeTextWidget() {
  Result<TextWidgetRef> created = CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId));
  EXPECT_TRUE(created.IsOk()) << created.GetError().ToString();
  return created.IsOk() ? *created : TextWidgetRef();
}

FontHandleRef PixelFont(Float pixels) {
  Result<FontHandleRef> font = FontHandle::Create({String(), CanvasUnitValue::Pix(pixels)});
  EXPECT_TRUE(font.IsOk()) << font.GetError().ToString();
  return font.IsOk() ? *font : nullptr;
}

Float WidthOf(std::string_view text, Float pixels) { return PixelFont(pixels)->GetStringBoundingBox(text).Width(); }

const std::vector<TextLine>& LinesOf(const TextWidgetRef& widget) {
  return dynamic_cast<const TextWidgetImpl&>(*widget).GetLaidOutLines();
}

// A window holding one text widget, and what it draws.
class TextWindow {
 public:
  explicit TextWindow(Vector2d size = {kWindowWidth, kWindowHeight}) {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, size.x, size.y});
    EXPECT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    text_ = MakeTextWidget();
    EXPECT_TRUE(window_->GetAppWidget()->InsertChildLast(text_).IsOk());
  }

  AppWindow& Window() const { return *window_; }
  const TextWidgetRef& Text() const { return text_; }
  [[nodiscard]] Result<void> Update() const { return window_->Update(); }
  bool IsUpdatePending() const { return window_->GetHostAppWidget()->IsUpdatePending(); }
  cairo_surface_t* Surface() const { return window_->GetHostCanvas()->GetPainter()->GetTarget(); }

  // Bounds of the ink as pixel indexes (left, top, right, bottom inclusive), if any.
  std::optional<Rect> Ink() const {
    Result<Ref<Image>> image = Image::FromCairoSurface(Surface());
    EXPECT_TRUE(image.IsOk());
    std::optional<Rect> bounds;
    for (Int y = 0; y < (*image)->GetHeight(); ++y) {
      for (Int x = 0; x < (*image)->GetWidth(); ++x) {
        if ((*image)->GetPixel(x, y).r < kInkThreshold) continue;
        const Rect pixel{Float(x), Float(y), Float(x), Float(y)};
        bounds = bounds ? Rect{std::min(bounds->left, pixel.left), std::min(bounds->top, pixel.top),
                               std::max(bounds->right, pixel.right), std::max(bounds->bottom, pixel.bottom)}
                        : pixel;
      }
    }
    return bounds;
  }

 private:
  Ref<AppWindow> window_;
  TextWidgetRef text_;
};

void FixWidth(WidgetInterface& widget, Float width) {
  widget.SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  widget.SetFixedSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
}

void FixHeight(WidgetInterface& widget, Float height) {
  widget.SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  widget.SetFixedSize(CanvasUnitValue::Pix(height), WIDGET_DIRECTION::VERTICAL);
}

TEST(TextWidgetTest, StartsWithItsDefaultsAndNamesItself) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  EXPECT_EQ(text->GetClassId(), Id(kTextWidgetClassId));
  EXPECT_EQ(text->GetText(), "Text");
  EXPECT_EQ(text->GetFont(), (FontDescription{String(), CanvasUnitValue::Rem(1.0), FONTSTYLE::NONE, FONTBASELINE::DEFAULT}));
  EXPECT_EQ(text->GetClampMode(), CLAMP_MODE::NONE);
  EXPECT_EQ(text->GetWrapMode(), WRAP_MODE::NONE);
  EXPECT_EQ(text->GetAlignment(WIDGET_DIRECTION::HORIZONTAL), ALIGNMENT::LEFT);
  EXPECT_EQ(text->GetAlignment(WIDGET_DIRECTION::VERTICAL), ALIGNMENT::LEFT);
  EXPECT_EQ(text->GetMaximumLineCount(), 0);
  EXPECT_FALSE(text->GetSkipEmptyLines());
  EXPECT_EQ(text->GetMinimalGlobalFontSize(), CanvasUnitValue::Pix(0.0));
  EXPECT_TRUE(text->IsSerialDirty()) << "the minimal font size starts changed";
  text->ResetSerialDirty();
  EXPECT_FALSE(text->IsSerialDirty());

  ASSERT_TRUE(w.Update().IsOk());
  EXPECT_EQ(text->GetName(), "TextWidget");
}

TEST(TextWidgetTest, ASingleLineTakesTheSizeOfItsText) {
  TextWindow w;
  ASSERT_TRUE(w.Update().IsOk());
  const Rect box = PixelFont(kRemPixels)->GetStringBoundingBox("Text");
  EXPECT_EQ(w.Text()->GetLocalPixSize(), (Vector2d{box.Width(), box.Height()}));

  w.Text()->SetFontSize(CanvasUnitValue::Fon(22.0));  // 2 REM
  w.Text()->SetText(kLongText);
  ASSERT_TRUE(w.Update().IsOk());
  const Rect big = PixelFont(2 * kRemPixels)->GetStringBoundingBox(kLongText);
  EXPECT_EQ(w.Text()->GetLocalPixSize(), (Vector2d{big.Width(), big.Height()}));

  w.Text()->SetText("");
  ASSERT_TRUE(w.Update().IsOk());
  EXPECT_EQ(w.Text()->GetLocalPixSize().x, 0.0) << "an empty text has no width";
  EXPECT_EQ(w.Text()->GetLocalPixSize().y, big.Height()) << "but is a line high";
  EXPECT_FALSE(w.Ink().has_value());
}

TEST(TextWidgetTest, EqualValuesChangeNothingAndEveryChangeIsRecorded) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  text->SetWrapMode(WRAP_MODE::LINE);  // so that the line options count as well
  ASSERT_TRUE(w.Update().IsOk());
  text->ResetSerialDirty();

  const FontDescription font = text->GetFont();
  text->SetText(text->GetText());
  text->SetFont(font);
  text->SetFontName(font.name);
  text->SetFontSize(font.size);
  text->SetFontStyle(font.style);
  text->SetFontBaseline(font.baseline);
  text->SetClampMode(text->GetClampMode());
  text->SetWrapMode(text->GetWrapMode());
  text->SetAlignment(ALIGNMENT::LEFT, WIDGET_DIRECTION::HORIZONTAL);
  text->SetAlignment(ALIGNMENT::LEFT, WIDGET_DIRECTION::VERTICAL);
  text->SetMaximumLineCount(0);
  text->SetMaximumLineCount(-4);  // every count below 1 is unlimited
  text->SetSkipEmptyLines(false);
  text->SetMinimalGlobalFontSize(text->GetMinimalGlobalFontSize());
  EXPECT_FALSE(text->IsSerialDirty());
  EXPECT_FALSE(w.IsUpdatePending()) << "nothing to lay out or draw";
  EXPECT_EQ(text->GetMaximumLineCount(), 0);

  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"text", [&] { text->SetText("Other"); }},
      {"font", [&] { text->SetFont({"DejaVu Serif", CanvasUnitValue::Pix(9.0), FONTSTYLE::BOLD, FONTBASELINE::CAP}); }},
      {"font name", [&] { text->SetFontName("DejaVu Sans Mono"); }},
      {"font size", [&] { text->SetFontSize(CanvasUnitValue::Pix(20.0)); }},
      {"font style", [&] { text->SetFontStyle(FONTSTYLE::ITALIC); }},
      {"font baseline", [&] { text->SetFontBaseline(FONTBASELINE::MEANLINE); }},
      {"clamp mode", [&] { text->SetClampMode(CLAMP_MODE::MIDDLE); }},
      {"wrap mode", [&] { text->SetWrapMode(WRAP_MODE::WORD); }},
      {"horizontal alignment", [&] { text->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::HORIZONTAL); }},
      {"vertical alignment", [&] { text->SetAlignment(ALIGNMENT::RIGHT, WIDGET_DIRECTION::VERTICAL); }},
      {"maximum line count", [&] { text->SetMaximumLineCount(3); }},
      {"skip empty lines", [&] { text->SetSkipEmptyLines(true); }},
      {"minimal global font size", [&] { text->SetMinimalGlobalFontSize(CanvasUnitValue::Rem(0.5)); }},
  };
  for (const auto& [name, change] : changes) {
    ASSERT_TRUE(w.Update().IsOk()) << name;
    change();
    EXPECT_TRUE(text->IsSerialDirty()) << name;
    EXPECT_TRUE(w.IsUpdatePending()) << name;
    text->ResetSerialDirty();
    EXPECT_FALSE(text->IsSerialDirty()) << name;
  }
  EXPECT_EQ(text->GetFont(), (FontDescription{"DejaVu Sans Mono", CanvasUnitValue::Pix(20.0), FONTSTYLE::ITALIC,
                                               FONTBASELINE::MEANLINE}));
  EXPECT_EQ(text->GetAlignment(WIDGET_DIRECTION::HORIZONTAL), ALIGNMENT::CENTER);
  EXPECT_EQ(text->GetAlignment(WIDGET_DIRECTION::VERTICAL), ALIGNMENT::RIGHT);
}

TEST(TextWidgetTest, LineOptionsCountOnlyForWrappedText) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  ASSERT_TRUE(w.Update().IsOk());
  text->ResetSerialDirty();
  text->SetMaximumLineCount(2);
  text->SetSkipEmptyLines(true);
  EXPECT_EQ(text->GetMaximumLineCount(), 2);
  EXPECT_TRUE(text->GetSkipEmptyLines());
  EXPECT_FALSE(text->IsSerialDirty()) << "a single line has no lines to count or skip";
  EXPECT_FALSE(w.IsUpdatePending());

  text->SetWrapMode(WRAP_MODE::LINE);
  ASSERT_TRUE(w.Update().IsOk());
  text->ResetSerialDirty();
  text->SetMaximumLineCount(1);
  EXPECT_TRUE(text->IsSerialDirty());
  text->ResetSerialDirty();
  text->SetSkipEmptyLines(false);
  EXPECT_TRUE(text->IsSerialDirty());
  // The flag is kept while it does not count.
  text->SetWrapMode(WRAP_MODE::NONE);
  text->ResetSerialDirty();
  text->SetMaximumLineCount(5);
  EXPECT_FALSE(text->IsSerialDirty());
}

TEST(TextWidgetTest, LineModeLaysOutALinePerLineFeed) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  text->SetWrapMode(WRAP_MODE::LINE);
  text->SetText("two\n\nwords");
  ASSERT_TRUE(w.Update().IsOk());
  const Float step = PixelFont(kRemPixels)->GetLineHeight();
  const std::vector<TextLine> three = {{0.0, "two"}, {step, ""}, {2 * step, "words"}};
  EXPECT_EQ(LinesOf(text), three);
  EXPECT_EQ(text->GetLocalPixSize(), (Vector2d{WidthOf("words", kRemPixels), 3 * step}));

  text->SetSkipEmptyLines(true);
  ASSERT_TRUE(w.Update().IsOk());
  const std::vector<TextLine> two = {{0.0, "two"}, {step, "words"}};
  EXPECT_EQ(LinesOf(text), two);
  EXPECT_EQ(text->GetLocalPixSize().y, 2 * step);

  text->SetWrapMode(WRAP_MODE::NONE);
  ASSERT_TRUE(w.Update().IsOk());
  EXPECT_TRUE(LinesOf(text).empty()) << "one line is drawn from the text";
}

TEST(TextWidgetTest, TheMaximumLineCountEndsTheLastLineWithDots) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  text->SetWrapMode(WRAP_MODE::LINE);
  text->SetText("A first line\nand a second line\nthird");
  text->SetMaximumLineCount(2);
  ASSERT_TRUE(w.Update().IsOk());
  const std::vector<TextLine>& lines = LinesOf(text);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, "A first line");
  const std::string& last = lines[1].text;
  ASSERT_GE(last.size(), 3u);
  EXPECT_EQ(last.substr(last.size() - 3), "...");
  const std::string kept = last.substr(0, last.size() - 3);
  EXPECT_EQ(std::string("and a second line").rfind(kept, 0), 0u);
  EXPECT_LT(kept.size(), std::string("and a second line").size()) << "it was the widest line: it had to give way";
  EXPECT_LE(WidthOf(last, kRemPixels), WidthOf("and a second line", kRemPixels) + kTextFitTolerance);
  EXPECT_EQ(text->GetLocalPixSize().y, 2 * PixelFont(kRemPixels)->GetLineHeight());
}

TEST(TextWidgetTest, WordModeWrapsToTheWidgetsWidth) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  constexpr Float kWidth = 90.0;
  FixWidth(*text, kWidth);
  text->SetWrapMode(WRAP_MODE::WORD);
  text->SetText(kLongText);
  ASSERT_TRUE(w.Update().IsOk());
  const std::vector<TextLine>& lines = LinesOf(text);
  ASSERT_GT(lines.size(), 2u);
  std::string joined;
  for (const TextLine& line : lines) {
    EXPECT_LE(WidthOf(line.text, kRemPixels), kWidth + kTextFitTolerance) << line.text;
    joined += line.text;
  }
  EXPECT_EQ(joined, kLongText);
  EXPECT_EQ(lines[0].text, "The quick ");
  EXPECT_EQ(text->GetLocalPixSize(), (Vector2d{kWidth, lines.size() * PixelFont(kRemPixels)->GetLineHeight()}));
  // Drawn from the top-left, one line below the other.
  const std::optional<Rect> ink = w.Ink();
  ASSERT_TRUE(ink.has_value());
  EXPECT_LT(ink->left, 3.0);
  EXPECT_LE(ink->right, kWidth);
  EXPECT_GT(ink->bottom, (lines.size() - 1) * PixelFont(kRemPixels)->GetLineHeight());
}

// Text that takes its parent's width breaks its lines again when that width changes.
TEST(TextWidgetTest, WrappedTextThatInheritsItsParentsWidthWrapsAgainWhenTheWindowIsResized) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  text->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  text->SetWrapMode(WRAP_MODE::WORD);
  text->SetText(kLongText);
  ASSERT_TRUE(w.Update().IsOk());
  const auto expectLinesFit = [&](Float width) {
    EXPECT_EQ(text->GetLocalPixSize().x, width);
    const std::vector<TextLine>& lines = LinesOf(text);
    ASSERT_FALSE(lines.empty());
    for (const TextLine& line : lines) EXPECT_LE(WidthOf(line.text, kRemPixels), width + kTextFitTolerance) << line.text;
    EXPECT_EQ(text->GetLocalPixSize().y, lines.size() * PixelFont(kRemPixels)->GetLineHeight());
  };
  expectLinesFit(kWindowWidth);
  const size_t wideLines = LinesOf(text).size();
  EXPECT_LE(wideLines, 3u) << "broken for the window's width, not the width before it was handed down";

  constexpr Float kNarrow = 90.0;
  ASSERT_TRUE(w.Window().GetHostCanvas()->GetOsWindow()->SetFrame(Rect{0, 0, kNarrow, kWindowHeight}).IsOk());
  ASSERT_TRUE(w.Update().IsOk());
  expectLinesFit(kNarrow);
  EXPECT_GT(LinesOf(text).size(), wideLines);

  ASSERT_TRUE(w.Window().GetHostCanvas()->GetOsWindow()->SetFrame(Rect{0, 0, kWindowWidth, kWindowHeight}).IsOk());
  ASSERT_TRUE(w.Update().IsOk());
  expectLinesFit(kWindowWidth);
  EXPECT_EQ(LinesOf(text).size(), wideLines);
}

TEST(TextWidgetTest, AMinimalGlobalFontSizeKeepsZoomedOutTextLegible) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  text->SetFontSize(CanvasUnitValue::Pix(12.0));
  text->SetLocalScale({0.5, 0.5});
  ASSERT_TRUE(w.Update().IsOk());
  Result<FontHandleRef> small = dynamic_cast<TextWidgetImpl&>(*text).CreateEffectiveFont();
  ASSERT_TRUE(small.IsOk());
  EXPECT_EQ((*small)->GetPixelSize(), 6.0) << "12 local pixels zoomed to half";
  const Rect smallBox = PixelFont(6.0)->GetStringBoundingBox("Text");
  EXPECT_EQ(text->GetLocalPixSize(), (Vector2d{smallBox.Width() * 2, smallBox.Height() * 2}));
  const std::optional<Rect> smallInk = w.Ink();

  text->SetMinimalGlobalFontSize(CanvasUnitValue::Pix(10.0));
  ASSERT_TRUE(w.Update().IsOk());
  Result<FontHandleRef> legible = dynamic_cast<TextWidgetImpl&>(*text).CreateEffectiveFont();
  ASSERT_TRUE(legible.IsOk());
  EXPECT_EQ((*legible)->GetPixelSize(), 10.0);
  // Measured at 10 global pixels and brought back to local units.
  const Rect legibleBox = PixelFont(10.0)->GetStringBoundingBox("Text");
  EXPECT_EQ(text->GetLocalPixSize(), (Vector2d{legibleBox.Width() * 2, legibleBox.Height() * 2}));
  EXPECT_EQ(text->GetParentLocalSize(), (Vector2d{legibleBox.Width(), legibleBox.Height()}));
  // Drawn at 10 pixels too.
  const std::optional<Rect> legibleInk = w.Ink();
  ASSERT_TRUE(smallInk.has_value() && legibleInk.has_value());
  EXPECT_GT(legibleInk->Width(), smallInk->Width() * 1.4);
  EXPECT_LE(legibleInk->right, legibleBox.Width() + 1.0);

  text->SetLocalScale({2.0, 2.0});
  ASSERT_TRUE(w.Update().IsOk());
  EXPECT_EQ((*dynamic_cast<TextWidgetImpl&>(*text).CreateEffectiveFont())->GetPixelSize(), 24.0)
      << "the minimum does not shrink larger text";
}

TEST(TextWidgetTest, AlignmentPlacesASingleLineInsideItsFrame) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  FixWidth(*text, kWindowWidth);
  FixHeight(*text, kWindowHeight);
  text->SetText("Hi");
  const Float width = WidthOf("Hi", kRemPixels);
  const Float height = PixelFont(kRemPixels)->GetLineHeight();
  struct Case {
    ALIGNMENT horizontal, vertical;
    Float left, top;  // where the text's box starts
  };
  for (const Case& c : {Case{ALIGNMENT::LEFT, ALIGNMENT::LEFT, 0.0, 0.0},
                        Case{ALIGNMENT::CENTER, ALIGNMENT::CENTER, (kWindowWidth - width) / 2, (kWindowHeight - height) / 2},
                        Case{ALIGNMENT::RIGHT, ALIGNMENT::RIGHT, kWindowWidth - width, kWindowHeight - height}}) {
    text->SetAlignment(c.horizontal, WIDGET_DIRECTION::HORIZONTAL);
    text->SetAlignment(c.vertical, WIDGET_DIRECTION::VERTICAL);
    ASSERT_TRUE(w.Update().IsOk());
    const std::optional<Rect> ink = w.Ink();
    ASSERT_TRUE(ink.has_value());
    EXPECT_GE(ink->left, c.left);
    EXPECT_LE(ink->right, c.left + width);
    EXPECT_GE(ink->top, c.top);
    EXPECT_LE(ink->bottom, c.top + height);
    EXPECT_LT(ink->left, c.left + 3.0) << "the H stands at the start of the box";
  }
}

TEST(TextWidgetTest, RightToLeftMirrorsTheHorizontalAlignment) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  FixWidth(*text, kWindowWidth);
  text->SetText("Hi");
  text->SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  ASSERT_TRUE(w.Update().IsOk());
  std::optional<Rect> ink = w.Ink();
  ASSERT_TRUE(ink.has_value());
  EXPECT_GE(ink->left, kWindowWidth - WidthOf("Hi", kRemPixels)) << "LEFT is drawn at the right edge";

  text->SetAlignment(ALIGNMENT::RIGHT, WIDGET_DIRECTION::HORIZONTAL);
  ASSERT_TRUE(w.Update().IsOk());
  ink = w.Ink();
  ASSERT_TRUE(ink.has_value());
  EXPECT_LT(ink->left, 3.0) << "and RIGHT at the left";

  text->SetAcceptR2LMode(false);
  ASSERT_TRUE(w.Update().IsOk());
  ink = w.Ink();
  ASSERT_TRUE(ink.has_value());
  EXPECT_GT(ink->left, kWindowWidth / 2) << "a widget that refuses right-to-left keeps its alignment";
}

TEST(TextWidgetTest, WrappedTextIsNeitherAlignedNorClamped) {
  TextWindow w;
  const TextWidgetRef& text = w.Text();
  FixWidth(*text, kWindowWidth);
  text->SetWrapMode(WRAP_MODE::LINE);
  text->SetText("Hi\nthere");
  text->SetAlignment(ALIGNMENT::RIGHT, WIDGET_DIRECTION::HORIZONTAL);
  text->SetClampMode(CLAMP_MODE::END);
  ASSERT_TRUE(w.Update().IsOk());
  const std::optional<Rect> ink = w.Ink();
  ASSERT_TRUE(ink.has_value());
  EXPECT_LT(ink->left, 3.0);
  EXPECT_LE(ink->right, WidthOf("there", kRemPixels));
  EXPECT_GT(ink->right, WidthOf("there", kRemPixels) - 4.0);
}

// A text widget inside a narrower parent: the parent shows only part of it.
class ClampTest : public testing::Test {
 protected:
  static constexpr Float kBoxLeft = 40.0;
  static constexpr Float kBoxWidth = 100.0;

  void SetUp() override {
    box_ = MakeRef<WidgetBase>();
    ASSERT_TRUE(box_->SetLocalSize(kBoxWidth, 20.0).IsOk());
    box_->SetLocalPosition({kBoxLeft, 0.0});
    text()->Remove();
    ASSERT_TRUE(box_->InsertChildLast(text()).IsOk());
    ASSERT_TRUE(window_.Window().GetAppWidget()->InsertChildLast(box_).IsOk());
    text()->SetText(kLongText);
  }
  const TextWidgetRef& text() const { return window_.Text(); }
  Rect Ink() const { return window_.Ink().value_or(Rect{}); }

  TextWindow window_;
  Ref<WidgetBase> box_;
};

TEST_F(ClampTest, AClampedLineStaysInsideThePartItsParentShows) {
  ASSERT_TRUE(window_.Update().IsOk());
  EXPECT_GT(Ink().right, kBoxLeft + kBoxWidth + 50.0) << "unclamped, the text runs past its parent";
  for (CLAMP_MODE mode : {CLAMP_MODE::START, CLAMP_MODE::MIDDLE, CLAMP_MODE::END}) {
    text()->SetClampMode(mode);
    ASSERT_TRUE(window_.Update().IsOk());
    const Rect ink = Ink();
    EXPECT_GE(ink.left, kBoxLeft) << static_cast<int>(mode);
    EXPECT_LE(ink.right, kBoxLeft + kBoxWidth) << static_cast<int>(mode);
    // Characters go three or two at a time, so up to three may be missing from the room.
    EXPECT_GT(ink.right, kBoxLeft + kBoxWidth - 30.0) << "the clamped text fills the room";
  }
  ASSERT_TRUE(box_->SetLocalSize(kBoxWidth / 2, 20.0).IsOk());
  ASSERT_TRUE(window_.Update().IsOk());
  EXPECT_LE(Ink().right, kBoxLeft + kBoxWidth / 2) << "a narrower parent clamps again";
}

TEST_F(ClampTest, FourCharactersAreNeverClamped) {
  ASSERT_TRUE(box_->SetLocalSize(10.0, 20.0).IsOk());
  text()->SetText("Wide");
  text()->SetClampMode(CLAMP_MODE::END);
  ASSERT_TRUE(window_.Update().IsOk());
  EXPECT_LE(Ink().right, kBoxLeft + WidthOf("Wide", kRemPixels));
  EXPECT_GT(Ink().right, kBoxLeft + WidthOf("Wide", kRemPixels) - 4.0) << "all of it is drawn";
}

TEST_F(ClampTest, AClampedLineStartsAtTheVisibleLeftEdge) {
  text()->SetClampMode(CLAMP_MODE::START);
  text()->SetLocalPosition({-30.0, 0.0});  // scrolled left by 30
  ASSERT_TRUE(window_.Update().IsOk());
  const Rect ink = Ink();
  EXPECT_GE(ink.left, kBoxLeft);
  EXPECT_LT(ink.left, kBoxLeft + 3.0);
  EXPECT_LE(ink.right, kBoxLeft + kBoxWidth);

  text()->SetLocalPosition({kBoxWidth + 10.0, 0.0});  // wholly outside the parent
  window_.Window().GetHostCanvas()->RequestRedraw();
  ASSERT_TRUE(window_.Update().IsOk());
  EXPECT_FALSE(window_.Ink().has_value()) << "nothing visible, nothing drawn";
}

TEST(TextWidgetTest, AFontThatCannotBeMadeEndsLayoutWithItsError) {
  TextWindow w;
  w.Text()->SetFontSize(CanvasUnitValue::Pix(kNaN));
  Result<void> updated = w.Update();
  ASSERT_FALSE(updated.IsOk());
  EXPECT_EQ(updated.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(updated.GetError().GetMessage().rfind("Invalid font size", 0), 0u) << updated.GetError().ToString();

  w.Text()->SetFontSize(CanvasUnitValue::Rem(-1.0));
  w.Text()->SetMinimalGlobalFontSize(CanvasUnitValue::Pix(10.0));
  updated = w.Update();
  ASSERT_FALSE(updated.IsOk()) << "the minimum does not hide a negative size";
  EXPECT_EQ(updated.GetError().GetMessage().rfind("Invalid font size", 0), 0u) << updated.GetError().ToString();

  w.Text()->SetFontSize(CanvasUnitValue::Rem(1.0));
  EXPECT_TRUE(w.Update().IsOk()) << "a valid size lays out again";
  EXPECT_TRUE(w.Text()->DrawContent({1, 1, 1, 1}).IsOk());
  w.Text()->SetFontStyle(static_cast<FONTSTYLE>(7));
  EXPECT_FALSE(w.Text()->DrawContent({1, 1, 1, 1}).IsOk()) << "drawing makes the font too";
}

TEST(TextWidgetTest, CopyFromTakesEveryProperty) {
  TextWindow w;
  const TextWidgetRef& source = w.Text();
  source->SetText("Copied");
  source->SetFont({"DejaVu Serif", CanvasUnitValue::Pix(17.0), FONTSTYLE::BOLD, FONTBASELINE::DEFAULT});
  source->SetClampMode(CLAMP_MODE::START);
  source->SetWrapMode(WRAP_MODE::WORD);
  source->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::VERTICAL);
  source->SetMaximumLineCount(4);
  source->SetSkipEmptyLines(true);
  source->SetMinimalGlobalFontSize(CanvasUnitValue::Fon(3.0));
  TextWidgetRef copy = MakeTextWidget();
  ASSERT_TRUE(copy->CopyFrom(*source).IsOk());
  EXPECT_EQ(copy->GetText(), "Copied");
  EXPECT_EQ(copy->GetFont(), source->GetFont());
  EXPECT_EQ(copy->GetClampMode(), CLAMP_MODE::START);
  EXPECT_EQ(copy->GetWrapMode(), WRAP_MODE::WORD);
  EXPECT_EQ(copy->GetAlignment(WIDGET_DIRECTION::VERTICAL), ALIGNMENT::CENTER);
  EXPECT_EQ(copy->GetMaximumLineCount(), 4);
  EXPECT_TRUE(copy->GetSkipEmptyLines());
  EXPECT_EQ(copy->GetMinimalGlobalFontSize(), CanvasUnitValue::Fon(3.0));

  Ref<WidgetBase> other = MakeRef<WidgetBase>();
  EXPECT_FALSE(copy->CopyFrom(*other).IsOk());
}

// ---- golden images --------------------------------------------------------------------------

constexpr Vector2d kGoldenWindow{160.0, 24.0};
constexpr Vector2d kGoldenTextPosition{4.0, 4.0};

void ExpectGolden(const char* name, Vector2d windowSize, const std::function<void(TextWidgetInterface&)>& setUp) {
  TextWindow w(windowSize);
  w.Text()->SetLocalPosition(kGoldenTextPosition);
  setUp(*w.Text());
  ASSERT_TRUE(w.Update().IsOk()) << name;
  test::ExpectMatchesGolden(w.Surface(), name);
}

TEST(TextWidgetGoldenTest, ClampModes) {
  const std::pair<const char*, CLAMP_MODE> modes[] = {
      {"text_clamp_start", CLAMP_MODE::START}, {"text_clamp_middle", CLAMP_MODE::MIDDLE}, {"text_clamp_end", CLAMP_MODE::END}};
  for (const auto& [name, mode] : modes) {
    ExpectGolden(name, kGoldenWindow, [mode = mode](TextWidgetInterface& text) {
      text.SetText(kLongText);
      text.SetClampMode(mode);
    });
  }
}

TEST(TextWidgetGoldenTest, WrapModes) {
  ExpectGolden("text_wrap_none", kGoldenWindow, [](TextWidgetInterface& text) { text.SetText(kLongText); });
  ExpectGolden("text_wrap_line", {160.0, 44.0}, [](TextWidgetInterface& text) {
    text.SetWrapMode(WRAP_MODE::LINE);
    text.SetText("First line\nSecond line");
  });
  ExpectGolden("text_wrap_word", {160.0, 64.0}, [](TextWidgetInterface& text) {
    FixWidth(text, 150.0);
    text.SetWrapMode(WRAP_MODE::WORD);
    text.SetText(kLongText);
  });
  ExpectGolden("text_max_lines", {160.0, 44.0}, [](TextWidgetInterface& text) {
    text.SetWrapMode(WRAP_MODE::LINE);
    text.SetMaximumLineCount(2);
    text.SetText("Short one\nA second, longer line\nA third line");
  });
}

TEST(TextWidgetGoldenTest, AlignmentAndRightToLeft) {
  ExpectGolden("text_align_right", kGoldenWindow, [](TextWidgetInterface& text) {
    FixWidth(text, 152.0);
    text.SetText("Right aligned");
    text.SetAlignment(ALIGNMENT::RIGHT, WIDGET_DIRECTION::HORIZONTAL);
  });
  ExpectGolden("text_r2l", kGoldenWindow, [](TextWidgetInterface& text) {
    FixWidth(text, 152.0);
    text.SetText("Left, mirrored");
    text.SetR2LMode(WIDGET_R2L_MODE::RIGHT_TO_LEFT);
  });
}

TEST(TextWidgetGoldenTest, ZoomedOutTextAtTheMinimalSize) {
  ExpectGolden("text_zoom_minimal", kGoldenWindow, [](TextWidgetInterface& text) {
    text.SetLocalScale({0.5, 0.5});
    text.SetFontSize(CanvasUnitValue::Pix(12.0));
    text.SetMinimalGlobalFontSize(CanvasUnitValue::Pix(10.0));
    text.SetText("Zoomed out, still 10 px");
  });
}

}  // namespace
}  // namespace zarvo
