#include <gtest/gtest.h>

#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/interfaces/ColorButtonWidgetInterface.h"
#include "source/widgets_color/ColorButtonWidgetImpl.h"
#include "source/widgets_color/ColorStyle.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr ColorA kStart{0.2, 0.4, 0.6, 1.0};

class ColorButtonWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::OpenTestWindow(WindowClass::Window(), Rect{100, 100, 300, 180});
    button_ = test::NewObject<ColorButtonWidgetInterface>(kColorButtonWidgetClassId);
    ASSERT_TRUE(window_ && button_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(button_).IsOk());
    button_->SetLocalPosition({10, 10});
    ASSERT_TRUE(window_->Update().IsOk());
    button_->SetBackgroundColor(kStart);
    button_->ObservableColorChanged()->AddObserver([this](const WidgetRef& sender, ColorA color) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(button_.Get()));
      told_.push_back(color);
      return Ok();
    });
  }
  ColorButtonWidgetImpl& Impl() { return dynamic_cast<ColorButtonWidgetImpl&>(*button_); }
  // Clicks the button and returns its chooser's window.
  AppWindow& OpenChooser() {
    EventDriver driver(*window_);
    EXPECT_TRUE(driver.Click(*button_).IsOk());
    EXPECT_TRUE(Impl().GetChooser());
    return *dynamic_cast<Desktop2dWindowImpl&>(*Impl().GetChooser()->GetWindow()).GetHostWindow();
  }

  Ref<AppWindow> window_;
  ColorButtonWidgetRef button_;
  std::vector<ColorA> told_;
};

TEST_F(ColorButtonWidgetTest, ShowsItsColourUntouchedByHoverAndPress) {
  EXPECT_EQ(button_->GetName(), "ColorButtonWidget");
  EXPECT_EQ(button_->GetLocalPixSize(), (Vector2d{kColorButtonWidth, kColorButtonHeight}));
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*button_)).IsOk());
  ASSERT_TRUE(driver.Press(EventDriver::CenterOf(*button_)).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), kStart);
}

TEST_F(ColorButtonWidgetTest, AClickOpensTheChooserBelowTheButtonWithItsColour) {
  AppWindow& chooser = OpenChooser();
  EXPECT_TRUE(chooser.IsOpen());
  EXPECT_EQ(chooser.GetHostCanvas()->GetOsWindow()->GetTitle(), "Color Chooser");
  EXPECT_EQ(chooser.GetHostCanvas()->GetOsWindow()->GetWindowClass(), WindowClass::Window());
  EXPECT_EQ(*Impl().GetChooser()->GetPicker()->GetPickedColor(), kStart);
  const Rect frame = chooser.GetCanvas()->GetWindowFrame();
  EXPECT_EQ(frame.left, 110.0);
  EXPECT_EQ(frame.top, 100.0 + 10.0 + kColorButtonHeight + kColorChooserOffset);
  EXPECT_EQ(chooser.GetAppWidget()->GetBackgroundColor(), kColorChooserBackground);
  // A second click keeps the one chooser.
  ColorChooser* first = Impl().GetChooser();
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*button_).IsOk());
  EXPECT_EQ(Impl().GetChooser(), first);
}

TEST_F(ColorButtonWidgetTest, OkTakesThePickedColourAndTells) {
  AppWindow& chooser = OpenChooser();
  ColorChooser* open = Impl().GetChooser();
  ASSERT_TRUE(open->GetPicker()->SetPickedColor({1.0, 0.5, 0.0, 1.0}, true).IsOk());
  EXPECT_TRUE(told_.empty()) << "nothing is chosen before OK";
  EventDriver driver(chooser);
  ASSERT_TRUE(driver.Click(*open->GetOkButton()).IsOk());
  EXPECT_FALSE(chooser.IsOpen());
  EXPECT_FALSE(Impl().GetChooser());
  EXPECT_EQ(button_->GetBackgroundColor(), (ColorA{1.0, 0.5, 0.0, 1.0}));
  EXPECT_EQ(told_, (std::vector<ColorA>{{1.0, 0.5, 0.0, 1.0}}));
}

TEST_F(ColorButtonWidgetTest, CancelAndClosingTheWindowKeepTheColour) {
  for (bool cancel : {true, false}) {
    AppWindow& chooser = OpenChooser();
    ColorChooser* open = Impl().GetChooser();
    ASSERT_TRUE(open->GetPicker()->SetPickedColor({0.0, 1.0, 0.0, 1.0}, true).IsOk());
    if (cancel) {
      EventDriver driver(chooser);
      ASSERT_TRUE(driver.Click(*open->GetCancelButton()).IsOk());
    } else {
      ASSERT_TRUE(chooser.RequestClose().IsOk());
    }
    EXPECT_FALSE(chooser.IsOpen());
    EXPECT_EQ(button_->GetBackgroundColor(), kStart);
    EXPECT_TRUE(told_.empty());
  }
}

TEST_F(ColorButtonWidgetTest, ChooserGolden) {
  AppWindow& chooser = OpenChooser();
  ASSERT_TRUE(chooser.Update().IsOk());
  test::ExpectMatchesGolden(chooser.GetHostCanvas()->GetOsWindow()->GetSurface(), "color_chooser");
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "color_button");
}

}  // namespace
}  // namespace zarvo
