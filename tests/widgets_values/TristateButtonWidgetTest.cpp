#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/ModuleUnits.h"
#include "source/interfaces/TristateButtonWidgetInterface.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

// Three of the module's check box icons, one per state.
Url StateIcon(Int32 state) {
  const char* names[] = {"checkmark", "preview", "solo"};
  Result<std::filesystem::path> folder = FindWidgetsModuleFolder();
  EXPECT_TRUE(folder.IsOk());
  return Url{(*folder / "icons" / "checkbox" / (std::string(names[state]) + ".svg")).string()};
}

class TristateButtonWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 40, 40});
    ASSERT_TRUE(window_);
    button_ = test::NewObject<TristateButtonWidgetInterface>(kTristateButtonWidgetClassId);
    ASSERT_TRUE(button_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(button_).IsOk());
    button_->SetLocalPosition({10, 10});
    for (Int32 state = 0; state < kTristateCount; ++state) ASSERT_TRUE(button_->SetIcon(StateIcon(state), state).IsOk());
    Update();
    button_->ObservableStateChanged()->AddObserver([this](const TristateButtonWidgetRef& sender, Int32 state) -> Result<void> {
      EXPECT_EQ(sender.Get(), button_.Get());
      told_.push_back(state);
      return Ok();
    });
  }

  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  Result<bool> Send(EVENT type, Int modifiers = MODIFIER::NONE, Int buttons = BUTTON::LEFT) {
    const DataDictionary event = MakeMouseEvent(type, EventDriver::CenterOf(*button_), buttons, modifiers);
    return button_->HandleEvent(&event);
  }

  Ref<AppWindow> window_;
  TristateButtonWidgetRef button_;
  std::vector<Int32> told_;
};

TEST_F(TristateButtonWidgetTest, CreationStartsInTheFirstState) {
  EXPECT_EQ(button_->GetName(), "TristateButtonWidget");
  EXPECT_EQ(button_->GetState(), static_cast<Int32>(BUTTON_TRISTATE::FIRST));
  EXPECT_EQ(button_->GetButtonReaction(), BUTTON_REACTION::BUTTON_DOWN);
  EXPECT_EQ(button_->GetLocalPixSize(), (Vector2d{16, 16}));
  EXPECT_STREQ(button_->ObservableStateChanged()->GetObservableId(), "ObservableStateChanged");
}

TEST_F(TristateButtonWidgetTest, ClicksCycleThroughEveryStateAndWrap) {
  EventDriver driver(*window_);
  for (int click = 0; click < 4; ++click) ASSERT_TRUE(*driver.Click(*button_));
  EXPECT_EQ(told_, (std::vector<Int32>{1, 2, 0, 1}));
  EXPECT_EQ(button_->GetState(), 1);
}

TEST_F(TristateButtonWidgetTest, ShiftStepsBackFromTheFirstStateToTheLast) {
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN, MODIFIER::SHIFT));
  EXPECT_EQ(button_->GetState(), 2);
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN, MODIFIER::SHIFT));
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN, MODIFIER::SHIFT));
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN, MODIFIER::SHIFT | MODIFIER::CONTROL)) << "only Shift alone goes back";
  EXPECT_EQ(told_, (std::vector<Int32>{2, 1, 0, 1}));
}

TEST_F(TristateButtonWidgetTest, TheReactionChoosesPressOrRelease) {
  button_->SetButtonReaction(BUTTON_REACTION::BUTTON_UP);
  ASSERT_TRUE(*Send(EVENT::BUTTON_DOWN)) << "consumed without a change";
  EXPECT_TRUE(told_.empty());
  ASSERT_TRUE(*Send(EVENT::BUTTON_UP));
  EXPECT_EQ(told_, (std::vector<Int32>{1}));
  EXPECT_FALSE(*Send(EVENT::BUTTON_UP, MODIFIER::NONE, BUTTON::RIGHT));
  const DataDictionary enter = MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::ENTER);
  EXPECT_FALSE(*button_->HandleEvent(&enter)) << "keys are not the tristate's";
  EXPECT_EQ(told_.size(), 1u);
}

TEST_F(TristateButtonWidgetTest, SetStateAndSetIconCheckTheRange) {
  ASSERT_TRUE(button_->SetState(2).IsOk());
  EXPECT_EQ(button_->GetState(), 2);
  EXPECT_TRUE(told_.empty()) << "SetState tells nobody";
  for (Int32 bad : {-1, 3}) {
    EXPECT_EQ(button_->SetState(bad).GetError().GetKind(), ErrorKind::kOutOfRange);
    EXPECT_EQ(button_->SetIcon(StateIcon(0), bad).GetError().GetKind(), ErrorKind::kOutOfRange);
    EXPECT_EQ(button_->GetIcon(bad).GetError().GetKind(), ErrorKind::kOutOfRange);
  }
  EXPECT_EQ(button_->GetState(), 2);

  Result<SVGDocumentRef> icon = button_->GetIcon(1);
  ASSERT_TRUE(icon.IsOk());
  ASSERT_TRUE(*icon);
  EXPECT_EQ((*icon)->GetUrl(), StateIcon(1));
  ASSERT_FALSE(button_->SetIcon(Url{"/no/such/icon.svg"}, 1).IsOk());
  EXPECT_EQ(*button_->GetIcon(1), *icon) << "a failed load keeps the slot";
  ASSERT_TRUE(button_->SetIcon(Url{}, 1).IsOk());
  EXPECT_FALSE(*button_->GetIcon(1));
}

// The three states side by side, the middle one under the pointer.
TEST(TristateButtonWidgetGoldenTest, EachStateShowsItsIcon) {
  Ref<AppWindow> window = test::MakeTestWindow(Rect{0, 0, 64, 24});
  ASSERT_TRUE(window);
  std::vector<TristateButtonWidgetRef> buttons;
  for (Int32 state = 0; state < kTristateCount; ++state) {
    TristateButtonWidgetRef button = test::NewObject<TristateButtonWidgetInterface>(kTristateButtonWidgetClassId);
    ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(button).IsOk());
    ASSERT_TRUE(button->CreateLayout().IsOk());
    for (Int32 slot = 0; slot < kTristateCount; ++slot) ASSERT_TRUE(button->SetIcon(StateIcon(slot), slot).IsOk());
    ASSERT_TRUE(button->SetState(state).IsOk());
    button->SetLocalPosition({4.0 + 20.0 * state, 4.0});
    buttons.push_back(button);
  }
  ASSERT_TRUE(window->Update().IsOk());
  EventDriver driver(*window);
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*buttons[1])).IsOk());
  ASSERT_TRUE(window->Update().IsOk());
  test::ExpectMatchesGolden(window->GetHostCanvas()->GetOsWindow()->GetSurface(), "tristate_states");
}

}  // namespace
}  // namespace zarvo
