#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CommandButtonWidgetInterface.h"
#include "tests/support/Golden.h"

namespace zarvo {
namespace {

const Id kSave("net.zarvo.test.commandbutton.save");

CommandButtonWidgetRef MakeCommandButton() {
  Result<CommandButtonWidgetRef> button = CreateObject<CommandButtonWidgetInterface>(Id(kCommandButtonWidgetClassId));
  EXPECT_TRUE(button.IsOk()) << button.GetError().ToString();
  return button.IsOk() ? *button : CommandButtonWidgetRef();
}

class CommandButtonWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 150, 36});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    button_ = MakeCommandButton();
    ASSERT_TRUE(button_);
    button_->SetLocalPosition({10, 8});
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(button_).IsOk());
    ASSERT_TRUE(window_->Update().IsOk());
    save_ = Command::Create(kSave, "Save", [this](const DataDictionary&) -> Result<void> {
      events_.push_back("run");
      return Ok();
    });
    button_->ObservableButtonUp()->AddObserver([this](const ButtonWidgetRef&) -> Result<void> {
      events_.push_back("up");
      return Ok();
    });
  }

  String ShownText() {
    Result<TextWidgetRef> text = button_->GetTextWidget();
    EXPECT_TRUE(text.IsOk());
    return text.IsOk() ? (*text)->GetText() : String();
  }

  Ref<AppWindow> window_;
  CommandButtonWidgetRef button_;
  Ref<Command> save_;
  std::vector<std::string> events_;
};

TEST_F(CommandButtonWidgetTest, WithoutACommandTheButtonSaysSo) {
  EXPECT_EQ(button_->GetName(), "CommandButtonWidget");
  EXPECT_EQ(ShownText(), "- unknown command -");
  EXPECT_EQ(button_->GetCommand(), CommandRef());
  EXPECT_TRUE(Cast<TextButtonWidgetInterface>(button_));
}

TEST_F(CommandButtonWidgetTest, ANamedCommandNamesTheButtonAndAnUnnamedOneKeepsTheText) {
  ASSERT_TRUE(button_->SetCommand(save_).IsOk());
  EXPECT_EQ(button_->GetCommand(), CommandRef(save_));
  EXPECT_EQ(ShownText(), "Save");
  ASSERT_TRUE(button_->SetCommand(Command::Create(Id("net.zarvo.test.commandbutton.unnamed"), "")).IsOk());
  EXPECT_EQ(ShownText(), "Save");
  save_->SetName("Save all");
  EXPECT_EQ(ShownText(), "Save") << "the old command is no longer watched";
}

TEST_F(CommandButtonWidgetTest, ReleasingRunsTheCommandThroughTheWindow) {
  window_->AddCommand(save_);
  ASSERT_TRUE(button_->SetCommand(save_).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  EventDriver driver(*window_);
  Result<bool> clicked = driver.Click(*button_);
  ASSERT_TRUE(clicked.IsOk()) << clicked.GetError().ToString();
  // The button subscribed in CreateLayout, before any presenter.
  EXPECT_EQ(events_, (std::vector<std::string>{"run", "up"}));
}

TEST_F(CommandButtonWidgetTest, ACommandTheWindowDoesNotKnowFailsTheRelease) {
  ASSERT_TRUE(button_->SetCommand(save_).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(EventDriver::CenterOf(*button_)).IsOk());
  Result<bool> released = driver.Release(EventDriver::CenterOf(*button_));
  ASSERT_FALSE(released.IsOk());
  EXPECT_EQ(released.GetError().GetMessage(), "No handler for command 'net.zarvo.test.commandbutton.save'");
  EXPECT_EQ(events_, (std::vector<std::string>{"up"})) << "the other observers are still told";
}

TEST_F(CommandButtonWidgetTest, TheButtonFollowsTheCommandsEnabledState) {
  window_->AddCommand(save_);
  save_->SetEnabled(false);
  ASSERT_TRUE(button_->SetCommand(save_).IsOk());
  EXPECT_FALSE(button_->GetEnabled());
  ASSERT_TRUE(window_->Update().IsOk());
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*button_).IsOk());
  EXPECT_TRUE(events_.empty()) << "a disabled button takes no clicks";

  save_->SetEnabled(true);
  EXPECT_TRUE(button_->GetEnabled());
  save_->SetName("Save now");
  EXPECT_EQ(ShownText(), "Save now");
}

TEST_F(CommandButtonWidgetTest, APresenterUpdateQueriesTheCommandThroughTheWindow) {
  window_->AddCommand(save_);
  ASSERT_TRUE(button_->SetCommand(save_).IsOk());
  bool allowed = false;
  int queries = 0;
  save_->SetStateQuery([&] {
    ++queries;
    return CommandState{allowed, false};
  });
  ASSERT_TRUE(button_->HandlePresenterUpdate(DataDictionary()).IsOk());
  EXPECT_EQ(queries, 1);
  EXPECT_FALSE(button_->GetEnabled());
  allowed = true;
  ASSERT_TRUE(button_->HandlePresenterUpdate(DataDictionary()).IsOk());
  EXPECT_TRUE(button_->GetEnabled());
}

TEST(CommandButtonWidgetLinkTest, ACommandSetBeforeTheLayoutIsKeptAndShownOnceItExists) {
  CommandButtonWidgetRef button = MakeCommandButton();
  Ref<Command> save = Command::Create(kSave, "Save");
  Result<void> early = button->SetCommand(save);
  ASSERT_FALSE(early.IsOk());
  EXPECT_EQ(early.GetError().GetMessage(), "Missing widget link");
  EXPECT_EQ(button->GetCommand(), CommandRef(save));
  ASSERT_TRUE(button->CreateLayout().IsOk());
  EXPECT_EQ((*button->GetTextWidget())->GetText(), "Save");
}

TEST_F(CommandButtonWidgetTest, Golden) {
  ASSERT_TRUE(button_->SetCommand(save_).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "commandbutton_named");
}

}  // namespace
}  // namespace zarvo
