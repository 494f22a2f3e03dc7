#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/core/Log.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "host/ui/PointerGrab.h"
#include "source/interfaces/ColorPickerWidgetInterface.h"
#include "source/interfaces/ColorWidgetInterface.h"
#include "source/widgets_color/ColorPickerWidgetImpl.h"
#include "source/widgets_color/ColorWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

// Another window of the application, painted one colour: what the eye dropper picks from.
constexpr Rect kOtherFrame{600, 100, 700, 200};
constexpr ColorA kOtherColor{1.0, 0.0, 0.0, 1.0};

class ColorPickerWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::OpenTestWindow(WindowClass::Window(), Rect{100, 100, 500, 700});
    picker_ = test::NewObject<ColorPickerWidgetInterface>(kColorPickerWidgetClassId);
    ASSERT_TRUE(window_ && picker_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(picker_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    picker_->ObservableColorChanged()->AddObserver([this](const WidgetRef&, ColorA color) -> Result<void> {
      told_.push_back(color);
      return Ok();
    });
    other_ = test::OpenTestWindow(WindowClass::Window(), kOtherFrame);
    ASSERT_TRUE(other_);
    other_->GetAppWidget()->SetBackgroundVisibility(true);
    other_->GetAppWidget()->SetBackgroundColor(kOtherColor);
    other_->GetAppWidget()->RequestRedraw();
    ASSERT_TRUE(other_->Update().IsOk());
  }
  void TearDown() override { PointerGrab::Cancel(); }
  ColorPickerWidgetImpl& Impl() { return dynamic_cast<ColorPickerWidgetImpl&>(*picker_); }
  // A window position of the picker's window that lies over `screen`.
  Vector2d Over(Vector2d screen) { return window_->GetCanvas()->ScreenToGlobalPosition(screen); }

  Ref<AppWindow> window_;
  Ref<AppWindow> other_;
  ColorPickerWidgetRef picker_;
  std::vector<ColorA> told_;
};

TEST_F(ColorPickerWidgetTest, EveryPartShowsThePickedColour) {
  EXPECT_EQ(picker_->GetName(), "ColorPickerWidget");
  ASSERT_TRUE(picker_->SetPickedColor({1.0, 0.5, 0.0, 1.0}, false).IsOk());
  EXPECT_TRUE(told_.empty());
  EXPECT_EQ(*(*Impl().GetNotations().GetHEX())->GetHEX(), 0xFF7F00u);
  EXPECT_EQ(*(*Impl().GetNotations().GetRGB())->GetRGB(), (ColorA{1.0, 0.5, 0.0, 1.0}));
  EXPECT_EQ(Impl().GetField()->GetBackgroundColor(), (ColorA{1.0, 0.5, 0.0, 1.0}));
  // A change in the spectrum is told by the picker.
  ASSERT_TRUE((*Impl().GetNotations().GetSpectrum())->SetHSV({0.0, 0.0, 1.0}, true).IsOk());
  ASSERT_EQ(told_.size(), 1u);
  EXPECT_EQ(told_[0], (ColorA{1.0, 1.0, 1.0, 1.0}));
  EXPECT_EQ(*(*Impl().GetNotations().GetHEX())->GetHEX(), 0xFFFFFFu);
}

TEST_F(ColorPickerWidgetTest, BadColoursAreClampedOrRefused) {
  ASSERT_TRUE(picker_->SetPickedColor({0.1, 0.2, 0.3, 0.4}, false).IsOk());
  for (const ColorA bad : {ColorA{std::nan(""), 0, 0, 1}, ColorA{0, 0, 0, std::nan("")}}) {
    Result<void> refused = picker_->SetPickedColor(bad, true);
    ASSERT_FALSE(refused.IsOk());
    EXPECT_EQ(refused.GetError().GetMessage(), "Color component is not a number");
  }
  EXPECT_EQ(*picker_->GetPickedColor(), (ColorA{0.1, 0.2, 0.3, 0.4}));
  ASSERT_TRUE(picker_->SetPickedColor({-3.0, 1.5, 0.5, 2.0}, true).IsOk());
  EXPECT_EQ(told_, (std::vector<ColorA>{{0.0, 1.0, 0.5, 1.0}}));
}

TEST_F(ColorPickerWidgetTest, TheEyeDropperPreviewsAndPicksFromAnotherWindowOfTheApplication) {
  ScopedLogCapture log;
  ASSERT_TRUE(picker_->SetPickedColor({0.0, 0.0, 1.0, 0.5}, false).IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*Impl().GetEyeDropperButton()).IsOk());
  EXPECT_TRUE(Impl().GetEyeDropper().IsPicking());
  ASSERT_FALSE(log.GetEntries().empty());
  EXPECT_EQ(log.GetEntries().back().message, "eye dropper click");
  // The pointer goes over the other window: its pixels are previewed, nothing is told yet.
  const Vector2d over = Over({650, 150});
  ASSERT_TRUE(driver.Move(over).IsOk());
  EXPECT_EQ(Impl().GetField()->GetBackgroundColor(), kOtherColor);
  EXPECT_TRUE(told_.empty());
  ASSERT_TRUE(driver.Click(over).IsOk());
  EXPECT_FALSE(Impl().GetEyeDropper().IsPicking());
  EXPECT_FALSE(PointerGrab::IsActive()) << "the release ended the grab";
  EXPECT_EQ(told_, (std::vector<ColorA>{{1.0, 0.0, 0.0, 0.5}})) << "the picker's alpha is kept";
  EXPECT_EQ(*(*Impl().GetNotations().GetHEX())->GetHEX(), 0xFF0000u);
}

TEST_F(ColorPickerWidgetTest, ThePickedColourIsThePixelUnderThePointerInTheOwnWindow) {
  constexpr Float kByte = 1.0 / 255.0;
  ASSERT_TRUE(picker_->SetPickedColor({153 * kByte, 77 * kByte, 229 * kByte, 1.0}, false).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*Impl().GetEyeDropperButton()).IsOk());
  // The field shows the colour: picking its centre gives that colour back, to the byte.
  const Vector2d field = EventDriver::CenterOf(*Impl().GetField());
  ASSERT_TRUE(driver.Click(field).IsOk());
  ASSERT_EQ(told_.size(), 1u);
  EXPECT_EQ(std::lround(told_[0].r * 255), 153);
  EXPECT_EQ(std::lround(told_[0].g * 255), 77);
  EXPECT_EQ(std::lround(told_[0].b * 255), 229);
}

TEST_F(ColorPickerWidgetTest, EscapeARightClickOrNoWindowCancelsAndKeepsTheColour) {
  ASSERT_TRUE(picker_->SetPickedColor({0.0, 0.0, 1.0, 1.0}, false).IsOk());
  EventDriver driver(*window_);
  const Vector2d over = Over({650, 150});
  ASSERT_TRUE(driver.Click(*Impl().GetEyeDropperButton()).IsOk());
  ASSERT_TRUE(driver.Move(over).IsOk());
  ASSERT_TRUE(driver.KeyPress(KEY::ESCAPE).IsOk());
  EXPECT_FALSE(Impl().GetEyeDropper().IsPicking());
  EXPECT_EQ(Impl().GetField()->GetBackgroundColor(), (ColorA{0.0, 0.0, 1.0, 1.0})) << "the preview is undone";

  ASSERT_TRUE(driver.Click(*Impl().GetEyeDropperButton()).IsOk());
  ASSERT_TRUE(driver.Click(over, BUTTON::RIGHT).IsOk());
  EXPECT_FALSE(Impl().GetEyeDropper().IsPicking());

  ASSERT_TRUE(driver.Click(*Impl().GetEyeDropperButton()).IsOk());
  ASSERT_TRUE(driver.Click(Over({1500, 900})).IsOk());  // no window of the application there
  EXPECT_FALSE(PointerGrab::IsActive());
  EXPECT_TRUE(told_.empty());
  EXPECT_EQ(*picker_->GetPickedColor(), (ColorA{0.0, 0.0, 1.0, 1.0}));
}

TEST_F(ColorPickerWidgetTest, TheCompoundWidgetsScreenButtonPicksToo) {
  ScopedLogCapture log;
  ColorWidgetRef compound = test::NewObject<ColorWidgetInterface>(kColorWidgetClassId);
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(compound).IsOk());
  compound->SetLocalPosition({0, 320});
  ASSERT_TRUE(window_->Update().IsOk());
  EventDriver driver(*window_);
  ButtonWidgetRef screen = *compound->GetScreenColorButtonWidget();
  ASSERT_TRUE(driver.Click(*screen).IsOk());
  EXPECT_EQ(log.GetEntries().back().message, "do screen color picker action");
  ASSERT_TRUE(driver.Move(Over({650, 150})).IsOk());
  EXPECT_EQ(screen->GetBackgroundColor(), kOtherColor) << "the screen-colour button previews";
  EXPECT_EQ((*compound->GetColorButtonWidget())->GetBackgroundColor(), (ColorA{0, 0, 0, 0}));
  ASSERT_TRUE(driver.Click(Over({650, 150})).IsOk());
  const auto& impl = dynamic_cast<const ColorWidgetImpl&>(*compound);
  EXPECT_EQ(impl.GetRGBA(), (ColorA{1, 0, 0, 0}));
  EXPECT_EQ(*(*impl.GetNotations().GetHEX())->GetHEX(), 0xFF0000u);
  EXPECT_EQ((*compound->GetColorButtonWidget())->GetBackgroundColor(), (ColorA{1, 0, 0, 0}));
}

TEST_F(ColorPickerWidgetTest, Golden) {
  ASSERT_TRUE(picker_->SetPickedColor({0.3, 0.6, 0.9, 1.0}, false).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "color_picker");
}

}  // namespace
}  // namespace zarvo
