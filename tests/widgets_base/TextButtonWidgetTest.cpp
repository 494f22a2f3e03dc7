#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/PaddingWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr Vector2d kButtonPosition{10, 8};

TextButtonWidgetRef MakeTextButton() {
  Result<TextButtonWidgetRef> button = CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId));
  EXPECT_TRUE(button.IsOk()) << button.GetError().ToString();
  return button.IsOk() ? *button : TextButtonWidgetRef();
}

class TextButtonWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 90, 36});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    button_ = MakeTextButton();
    ASSERT_TRUE(button_);
    button_->SetLocalPosition(kButtonPosition);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(button_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
  }

  TextWidgetRef Text() {
    Result<TextWidgetRef> text = button_->GetTextWidget();
    EXPECT_TRUE(text.IsOk()) << text.GetError().ToString();
    return text.IsOk() ? *text : TextWidgetRef();
  }

  Ref<AppWindow> window_;
  TextButtonWidgetRef button_;
};

TEST(TextButtonWidgetLinkTest, TheTextIsMissingBeforeCreateLayout) {
  TextButtonWidgetRef button = MakeTextButton();
  Result<TextWidgetRef> text = button->GetTextWidget();
  ASSERT_FALSE(text.IsOk());
  EXPECT_EQ(text.GetError().GetMessage(), "Missing widget link");
  EXPECT_TRUE(Cast<ButtonWidgetInterface>(button)) << "a text button is a button";
}

TEST_F(TextButtonWidgetTest, CreateLayoutPutsATextInsideAPadding) {
  EXPECT_EQ(button_->GetName(), "TextButtonWidget");
  EXPECT_TRUE(button_->GetAcceptFocus());
  EXPECT_TRUE(button_->GetAcceptTabFocus());
  EXPECT_TRUE(button_->GetFocusVisibility());
  WidgetInterface* padding = button_->GetFirstChildWidget();
  ASSERT_NE(padding, nullptr);
  EXPECT_NE(dynamic_cast<PaddingWidgetInterface*>(padding), nullptr);
  EXPECT_EQ(padding->GetNextWidget(), nullptr);
  TextWidgetRef text = Text();
  ASSERT_TRUE(text);
  EXPECT_EQ(padding->GetFirstChildWidget(), static_cast<WidgetInterface*>(text.Get()));
}

TEST_F(TextButtonWidgetTest, TheButtonTakesItsSizeFromItsText) {
  TextWidgetRef text = Text();
  text->SetText("Apply");
  ASSERT_TRUE(window_->Update().IsOk());
  const Vector2d textSize = text->GetParentLocalSize();
  EXPECT_GT(textSize.x, 0.0);
  EXPECT_EQ(button_->GetLocalPixSize(), textSize);
  text->SetText("Apply all changes");
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_GT(button_->GetLocalPixSize().x, textSize.x);
  EXPECT_EQ(button_->GetLocalPixSize(), text->GetParentLocalSize());
}

TEST_F(TextButtonWidgetTest, PressesAreThoseOfTheButton) {
  Text()->SetText("Apply");
  ASSERT_TRUE(window_->Update().IsOk());
  std::vector<std::string> fired;
  button_->ObservableButtonDown()->AddObserver([&](const ButtonWidgetRef& sender) -> Result<void> {
    EXPECT_EQ(sender, ButtonWidgetRef(button_));
    fired.push_back("down");
    return Ok();
  });
  button_->ObservableButtonUp()->AddObserver([&](const ButtonWidgetRef&) -> Result<void> {
    fired.push_back("up");
    return Ok();
  });
  EventDriver driver(*window_);
  // The text covers the whole button, and the press still reaches the button.
  Result<bool> clicked = driver.Click(*button_);
  ASSERT_TRUE(clicked.IsOk()) << clicked.GetError().ToString();
  EXPECT_TRUE(*clicked);
  EXPECT_EQ(fired, (std::vector<std::string>{"down", "up"}));
}

TEST_F(TextButtonWidgetTest, ARemovedTextIsAMissingLink) {
  TextWidgetRef text = Text();
  text->Remove();
  text.Reset();
  Result<TextWidgetRef> missing = button_->GetTextWidget();
  ASSERT_FALSE(missing.IsOk());
  EXPECT_EQ(missing.GetError().GetMessage(), "Missing widget link");
}

TEST_F(TextButtonWidgetTest, Golden) {
  Text()->SetText("Apply");
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "textbutton_normal");
}

}  // namespace
}  // namespace zarvo
