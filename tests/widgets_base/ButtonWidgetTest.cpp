#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/StyleSheet.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

constexpr Float kByte = 1.0 / 255.0;
const ColorA kNormal{88 * kByte, 88 * kByte, 88 * kByte, 1.0};
const ColorA kHover{55 * kByte, 55 * kByte, 55 * kByte, 1.0};
const ColorA kClick{1.0, 80 * kByte, 80 * kByte, 1.0};
const ColorA kBorder{31 * kByte, 31 * kByte, 31 * kByte, 1.0};
const Rect kButtonFrame{10, 10, 90, 30};

class ButtonWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    StyleSheetService::Get().SetWidgetStylesheet(nullptr);
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 100, 40});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    Result<ButtonWidgetRef> button = CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId));
    ASSERT_TRUE(button.IsOk()) << button.GetError().ToString();
    button_ = *button;
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(button_).IsOk());
    button_->SetLocalPosition({kButtonFrame.left, kButtonFrame.top});
    ASSERT_TRUE(button_->SetLocalSize(kButtonFrame.Width(), kButtonFrame.Height()).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    for (const char* name : {"down", "up", "enter"}) {
      Ref<ButtonObservable> observable = std::string(name) == "down" ? button_->ObservableButtonDown()
                                         : std::string(name) == "up" ? button_->ObservableButtonUp()
                                                                     : button_->ObservableEnterKeyDown();
      observable->AddObserver([this, name](const ButtonWidgetRef& sender) -> Result<void> {
        EXPECT_EQ(sender, button_);
        fired_.push_back(name);
        return Ok();
      });
    }
  }
  void TearDown() override { StyleSheetService::Get().SetWidgetStylesheet(nullptr); }

  Ref<AppWindow> window_;
  ButtonWidgetRef button_;
  std::vector<std::string> fired_;
  const Vector2d inside_{50, 20};
  const Vector2d outside_{95, 35};
};

TEST_F(ButtonWidgetTest, CreateLayoutNamesTheButtonAndAppliesTheStyleColours) {
  EXPECT_EQ(button_->GetName(), "ButtonWidget");
  EXPECT_TRUE(button_->GetAcceptFocus());
  EXPECT_TRUE(button_->GetAcceptTabFocus());
  EXPECT_TRUE(button_->GetFocusVisibility());
  EXPECT_TRUE(button_->GetBorderVisibility());
  EXPECT_TRUE(button_->GetBackgroundVisibility());
  EXPECT_EQ(button_->GetBackgroundColor(), kNormal);
  EXPECT_EQ(button_->GetBorderColor(), kBorder);
  EXPECT_EQ(button_->GetBackgroundColor().r, 0.34509803921568627);
}

TEST_F(ButtonWidgetTest, LeftPressAndReleaseOverTheButtonFireDownThenUp) {
  EventDriver driver(*window_);
  Result<bool> pressed = driver.Press(inside_);
  ASSERT_TRUE(pressed.IsOk());
  EXPECT_TRUE(*pressed);
  EXPECT_EQ(button_->GetBackgroundColor(), kClick);
  Result<bool> released = driver.Release(inside_);
  ASSERT_TRUE(released.IsOk());
  EXPECT_TRUE(*released);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down", "up"}));
  EXPECT_EQ(button_->GetBackgroundColor(), kNormal);
}

TEST_F(ButtonWidgetTest, ReleaseOutsideRestoresTheColourFiresNothingButIsConsumed) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(inside_).IsOk());
  Result<bool> released = driver.Release(outside_);
  ASSERT_TRUE(released.IsOk());
  EXPECT_TRUE(*released);
  EXPECT_EQ(fired_, (std::vector<std::string>{"down"}));
  EXPECT_EQ(button_->GetBackgroundColor(), kNormal);
}

TEST_F(ButtonWidgetTest, DraggingOutRestoresThePrePressColourAndBackInShowsTheClickColour) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Move(inside_).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), kHover);
  ASSERT_TRUE(driver.Press(inside_).IsOk());
  ASSERT_TRUE(driver.Drag(outside_).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), kHover) << "the colour showing when the press began";
  ASSERT_TRUE(driver.Drag(inside_).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), kClick);
  ASSERT_TRUE(driver.Release(inside_).IsOk());
  EXPECT_EQ(fired_, (std::vector<std::string>{"down", "up"}));
}

TEST_F(ButtonWidgetTest, OtherMouseButtonsAreNotConsumedAndChangeNothing) {
  for (Int buttons : {BUTTON::RIGHT, BUTTON::LEFT | BUTTON::RIGHT, BUTTON::MIDDLE}) {
    Result<bool> consumed = button_->HandleEvent(
        std::make_unique<DataDictionary>(MakeMouseEvent(EVENT::BUTTON_DOWN, inside_, buttons)).get());
    ASSERT_TRUE(consumed.IsOk());
    EXPECT_FALSE(*consumed) << "button state " << buttons;
  }
  EXPECT_TRUE(fired_.empty());
  EXPECT_EQ(button_->GetBackgroundColor(), kNormal);
}

TEST_F(ButtonWidgetTest, EnterFiresEnterKeyDownThenButtonDownOnlyWithoutModifiers) {
  const DataDictionary shifted = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::ENTER, MODIFIER::SHIFT);
  Result<bool> consumed = button_->HandleEvent(&shifted);
  ASSERT_TRUE(consumed.IsOk());
  EXPECT_FALSE(*consumed);
  EXPECT_TRUE(fired_.empty());

  const DataDictionary down = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::ENTER);
  const DataDictionary repeat = MakeKeyEvent(EVENT::KEYBOARD_KEY_REPEAT, KEY::ENTER);
  const DataDictionary up = MakeKeyEvent(EVENT::KEYBOARD_KEY_UP, KEY::ENTER);
  EXPECT_TRUE(*button_->HandleEvent(&down));
  EXPECT_EQ(button_->GetBackgroundColor(), kClick);
  EXPECT_FALSE(*button_->HandleEvent(&repeat)) << "holding Enter presses once";
  EXPECT_TRUE(*button_->HandleEvent(&up));
  EXPECT_EQ(fired_, (std::vector<std::string>{"enter", "down", "up"}));
  EXPECT_EQ(button_->GetBackgroundColor(), kNormal);
}

TEST_F(ButtonWidgetTest, FocusedButtonTakesEnterThroughTheWindow) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.KeyDown(KEY::TAB).IsOk());
  ASSERT_EQ(window_->GetAppWidget()->GetFocusWidget(), button_.Get());
  ASSERT_TRUE(driver.KeyPress(KEY::ENTER).IsOk());
  EXPECT_EQ(fired_, (std::vector<std::string>{"enter", "down", "up"}));
}

TEST_F(ButtonWidgetTest, UnreadableEventsAreNotConsumedAndObserverErrorsComeBack) {
  DataDictionary untyped;
  untyped.Set(EventKeys::ButtonState(), BUTTON::LEFT);
  EXPECT_FALSE(*button_->HandleEvent(&untyped));
  EXPECT_FALSE(*button_->HandleEvent(nullptr));

  button_->ObservableButtonDown()->AddObserver(
      [](const ButtonWidgetRef&) -> Result<void> { return IllegalStateError("presenter refused"); });
  const DataDictionary press = MakeMouseEvent(EVENT::BUTTON_DOWN, inside_, BUTTON::LEFT);
  Result<bool> result = button_->HandleEvent(&press);
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetMessage(), "presenter refused");
  EXPECT_EQ(button_->GetBackgroundColor(), kClick) << "state changed before the failure stays";
}

TEST_F(ButtonWidgetTest, HoverCountsTheFrameEdgesAsInside) {
  EXPECT_TRUE(button_->HandleCursorInfo({kButtonFrame.right, kButtonFrame.bottom}).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), kHover);
  EXPECT_TRUE(button_->HandleCursorInfo({kButtonFrame.right + 0.5, kButtonFrame.bottom}).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), kNormal);
}

TEST_F(ButtonWidgetTest, AStyleSheetChangeTakesEffectAtTheNextPress) {
  const ColorA green{0, 1, 0, 1};
  DataDictionary style;
  style.Set(Id("net.zarvo.mvp.stylesheet.button.click_color"), green);
  StyleSheetService::Get().SetWidgetStylesheet(style);
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(inside_).IsOk());
  EXPECT_EQ(button_->GetBackgroundColor(), green);
}

TEST_F(ButtonWidgetTest, SizeFollowsTheFirstChildUnlessItsModeIsInfinite) {
  // Without a child the button keeps the size it was given.
  EXPECT_EQ(button_->GetLocalPixSize(), (Vector2d{80, 20}));
  Result<Ref<ButtonWidgetInterface>> child = CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId));
  ASSERT_TRUE(child.IsOk());
  ASSERT_TRUE((*child)->SetLocalSize(30.0, 12.0).IsOk());
  (*child)->SetSizeMode(WIDGET_SIZE::INFINITE, WIDGET_DIRECTION::HORIZONTAL);
  ASSERT_TRUE(button_->InsertChildLast(*child).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_EQ(button_->GetLocalPixSize(), (Vector2d{80, 12}));
  (*child)->SetSizeMode(WIDGET_SIZE::NONE, WIDGET_DIRECTION::HORIZONTAL);
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_EQ(button_->GetLocalPixSize(), (Vector2d{30, 12}));
}

TEST_F(ButtonWidgetTest, CopyFromSharesTheObservablesAndCopiesTheState) {
  Result<ButtonWidgetRef> copy = CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId));
  ASSERT_TRUE(copy.IsOk());
  ASSERT_TRUE((*copy)->CopyFrom(*button_).IsOk());
  EXPECT_EQ((*copy)->ObservableButtonUp(), button_->ObservableButtonUp());
}

// Observables are made when first handed out; a copy taken before that must still share them.
TEST_F(ButtonWidgetTest, CopyOfAFreshButtonSharesObservablesNeverHandedOut) {
  Result<ButtonWidgetRef> source = CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId));
  Result<ButtonWidgetRef> copy = CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId));
  ASSERT_TRUE(source.IsOk() && copy.IsOk());
  ASSERT_TRUE((*copy)->CopyFrom(**source).IsOk());
  EXPECT_EQ((*copy)->ObservableButtonDown(), (*source)->ObservableButtonDown());
  EXPECT_EQ((*copy)->ObservableButtonUp(), (*source)->ObservableButtonUp());
  EXPECT_EQ((*copy)->ObservableEnterKeyDown(), (*source)->ObservableEnterKeyDown());
  EXPECT_STREQ((*copy)->ObservableButtonUp()->GetObservableId(), "ObservableButtonUp");
}

TEST_F(ButtonWidgetTest, ObservablesCarryTheirOperationNames) {
  EXPECT_STREQ(button_->ObservableButtonDown()->GetObservableId(), "ObservableButtonDown");
  EXPECT_STREQ(button_->ObservableButtonUp()->GetObservableId(), "ObservableButtonUp");
  EXPECT_STREQ(button_->ObservableEnterKeyDown()->GetObservableId(), "ObservableEnterKeyDown");
}

TEST_F(ButtonWidgetTest, GoldenNormalHoverAndPressed) {
  EventDriver driver(*window_);
  Canvas* canvas = window_->GetHostCanvas();
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "button_normal");
  ASSERT_TRUE(driver.Move(inside_).IsOk());
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "button_hover");
  ASSERT_TRUE(driver.Press(inside_).IsOk());
  test::ExpectMatchesGolden(canvas->GetOsWindow()->GetSurface(), "button_pressed");
}

}  // namespace
}  // namespace zarvo
