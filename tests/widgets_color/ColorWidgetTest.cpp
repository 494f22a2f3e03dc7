#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "host/ui/TextEditWindow.h"
#include "source/interfaces/ColorWidgetInterface.h"
#include "source/widgets_color/ColorHSVWidgetImpl.h"
#include "source/widgets_color/ColorHEXWidgetImpl.h"
#include "source/widgets_color/ColorRGBWidgetImpl.h"
#include "source/widgets_color/ColorWidgetImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

class ColorWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 320, 260});
    widget_ = test::NewObject<ColorWidgetInterface>(kColorWidgetClassId);
    ASSERT_TRUE(window_ && widget_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(widget_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
  }
  void TearDown() override {
    if (window_) (void)window_->GetCanvas()->CloseTextEditWindow();
  }
  ColorWidgetImpl& Impl() { return dynamic_cast<ColorWidgetImpl&>(*widget_); }
  ColorRGBWidgetRef Rgb() { return *Impl().GetNotations().GetRGB(); }
  ColorHSVWidgetRef Hsv() { return *Impl().GetNotations().GetHSV(); }
  ColorHEXWidgetRef Hex() { return *Impl().GetNotations().GetHEX(); }

  Ref<AppWindow> window_;
  ColorWidgetRef widget_;
};

TEST_F(ColorWidgetTest, StartsBlackAndClearWithBothButtons) {
  EXPECT_EQ(widget_->GetName(), "ColorWidget");
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{0, 0, 0, 0}));
  Result<ColorButtonWidgetRef> button = widget_->GetColorButtonWidget();
  ASSERT_TRUE(button.IsOk());
  EXPECT_EQ((*button)->GetName(), "ColorButtonWidget");
  EXPECT_TRUE(widget_->GetScreenColorButtonWidget().IsOk());
  EXPECT_EQ(*Hex()->GetHEX(), 0u);
}

TEST_F(ColorWidgetTest, AChangeInOneNotationReachesTheOthersSilentlyAndTheButtons) {
  std::vector<std::string> told;
  Rgb()->ObservableColorChanged()->AddObserver([&](const WidgetRef&, ColorA) -> Result<void> {
    told.push_back("rgb");
    return Ok();
  });
  Hsv()->ObservableColorChanged()->AddObserver([&](const WidgetRef&, Vector) -> Result<void> {
    told.push_back("hsv");
    return Ok();
  });
  Hex()->ObservableColorChanged()->AddObserver([&](const WidgetRef&, uint32_t) -> Result<void> {
    told.push_back("hex");
    return Ok();
  });
  const auto& rows = dynamic_cast<const ColorRGBWidgetImpl&>(*Rgb()).GetRows();
  ASSERT_TRUE((*rows.GetSlider(0))->SetValue(255, true).IsOk());
  ASSERT_TRUE((*rows.GetSlider(3))->SetValue(100, true).IsOk());
  EXPECT_EQ(told, (std::vector<std::string>{"rgb", "rgb"})) << "only the notation the user moved tells";
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{1, 0, 0, 1}));
  EXPECT_EQ(*Hex()->GetHEX(), 0xFF0000u);
  EXPECT_EQ(*Hsv()->GetHSV(), (Vector{0, 1, 1}));
  EXPECT_EQ((*widget_->GetColorButtonWidget())->GetBackgroundColor(), (ColorA{1, 0, 0, 1}));
  EXPECT_EQ((*widget_->GetScreenColorButtonWidget())->GetBackgroundColor(), (ColorA{1, 0, 0, 1}));
}

TEST_F(ColorWidgetTest, TheNotationBeingMovedIsNotWrittenBack) {
  // A grey has no hue: written back through RGB to HSV, a hue the user moved would snap to 0.
  ASSERT_TRUE(Impl().SetRGBA({0.5, 0.5, 0.5, 1}).IsOk());
  const auto& rows = dynamic_cast<const ColorHSVWidgetImpl&>(*Hsv()).GetRows();
  IntSliderWidgetRef hue = *rows.GetSlider(0);
  ASSERT_TRUE(hue->SetValue(200, true).IsOk());
  EXPECT_EQ(hue->GetValue(), 200);
  EXPECT_EQ(Hsv()->GetHSV()->x, static_cast<Float>(200.0f / 360.0f));
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{0.5, 0.5, 0.5, 1})) << "a grey stays a grey";
}

TEST_F(ColorWidgetTest, TypingACodeUpdatesTheOthersButLeavesTheTextAndCaretAsTyped) {
  TextEditWidgetRef edit = dynamic_cast<const ColorHEXWidgetImpl&>(*Hex()).GetTextEdit();
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*edit).IsOk());
  TextEditWindowRef editor = window_->GetCanvas()->GetTextEditWindow();
  ASSERT_TRUE(editor);
  editor->Select(0, editor->GetText().size());
  ASSERT_TRUE(driver.Type("#3366c").IsOk());
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{0, 0, 0, 0})) << "five digits are no colour yet";
  ASSERT_TRUE(driver.Type("c").IsOk());
  EXPECT_EQ(*Hex()->GetHEX(), 0x3366CCu);
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{0.2, 0.4, 0.8, 0.0})) << "the alpha is kept";
  EXPECT_EQ(*Rgb()->GetRGB(), (ColorA{0.2, 0.4, 0.8, 0.0}));
  EXPECT_EQ(editor->GetText(), "#3366cc");
  EXPECT_EQ(edit->GetText(), "#3366cc") << "the code was not written back while typing";
  EXPECT_EQ(editor->GetBuffer().GetCaret(), 7u);
  ASSERT_TRUE(driver.KeyPress(KEY::ENTER).IsOk());
  EXPECT_EQ(edit->GetText(), "#3366CC") << "a finished edit shows the code as the widget does";
}

TEST_F(ColorWidgetTest, BadColoursAreClampedOrRefusedAndBadCodesKeepTheColour) {
  ASSERT_TRUE(Impl().SetRGBA({0.2, 0.4, 0.6, 1}).IsOk());
  Result<void> refused = Impl().SetRGBA({std::nan(""), 0, 0, 1});
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "Color component is not a number");
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{0.2, 0.4, 0.6, 1}));
  ASSERT_TRUE(Impl().SetRGBA({2.0, -1.0, 0.5, 7.0}).IsOk());
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{1.0, 0.0, 0.5, 1.0}));
  TextEditWidgetRef edit = dynamic_cast<const ColorHEXWidgetImpl&>(*Hex()).GetTextEdit();
  for (const char* bad : {"#12", "#1234567", "#GG0000", ""}) {
    edit->SetText(bad);
    ASSERT_TRUE(edit->ObservableTextChanged()->Notify(edit).IsOk());
    ASSERT_TRUE(edit->ObservableTextFinished()->Notify(edit).IsOk());
    EXPECT_EQ(Impl().GetRGBA(), (ColorA{1.0, 0.0, 0.5, 1.0})) << bad;
    EXPECT_EQ(edit->GetText(), "#FF007F") << bad;
  }
}

TEST_F(ColorWidgetTest, GoneButtonsAndNotationsAreReported) {
  (*widget_->GetColorButtonWidget())->Remove();
  Result<ColorButtonWidgetRef> button = widget_->GetColorButtonWidget();
  ASSERT_FALSE(button.IsOk());
  EXPECT_EQ(button.GetError().GetMessage(), "Widget Link not set.");
  Result<void> set = Impl().SetRGBA({1, 1, 1, 1});
  ASSERT_FALSE(set.IsOk());
  EXPECT_EQ(set.GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(Impl().GetRGBA(), (ColorA{1, 1, 1, 1})) << "the value is stored first";
}

}  // namespace
}  // namespace zarvo
