#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/CommandInterface.h"
#include "host/ui/WidgetBase.h"

namespace zarvo {
namespace {

const Id kSave("net.zarvo.test.command.save");
const Id kArgument("net.zarvo.test.command.argument");

// Counts the state changes a command reports.
struct StateLog {
  explicit StateLog(const CommandRef& command) {
    command->ObservableStateChanged()->AddObserver([this](const CommandRef& changed) -> Result<void> {
      states.push_back(changed->GetState());
      return Ok();
    });
  }
  std::vector<CommandState> states;
};

TEST(CommandTest, StartsEnabledUncheckedWithItsNameAndIcon) {
  Ref<Command> command = Command::Create(kSave, "Save", {}, Url{"icons/save.svg"});
  EXPECT_EQ(command->GetId(), kSave);
  EXPECT_EQ(command->GetName(), "Save");
  EXPECT_EQ(command->GetIconUrl(), Url{"icons/save.svg"});
  EXPECT_TRUE(command->GetEnabled());
  EXPECT_FALSE(command->GetChecked());
  EXPECT_TRUE(command->Execute(DataDictionary()).IsOk()) << "a command without a handler does nothing";
  EXPECT_STREQ(command->ObservableStateChanged()->GetObservableId(), "ObservableStateChanged");
}

TEST(CommandTest, SettersNotifyOnlyRealChanges) {
  Ref<Command> command = Command::Create(kSave, "Save");
  StateLog log(command);
  command->SetEnabled(true);
  command->SetChecked(false);
  command->SetName("Save");
  EXPECT_TRUE(log.states.empty());
  command->SetEnabled(false);
  command->SetChecked(true);
  command->SetName("Save as");
  command->SetIconUrl(Url{"icons/save_as.svg"});
  ASSERT_EQ(log.states.size(), 4u);
  EXPECT_FALSE(log.states[0].enabled);
  EXPECT_FALSE(log.states[0].checked);
  EXPECT_TRUE(log.states[1].checked);
  EXPECT_EQ(command->GetName(), "Save as");
}

TEST(CommandTest, ADisabledCommandRefusesToRun) {
  int runs = 0;
  Ref<Command> command = Command::Create(kSave, "Save", [&](const DataDictionary&) -> Result<void> {
    ++runs;
    return Ok();
  });
  command->SetEnabled(false);
  Result<void> result = command->Execute(DataDictionary());
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetMessage(), "Command 'net.zarvo.test.command.save' is disabled");
  EXPECT_EQ(runs, 0);
}

TEST(CommandTest, RefreshAsksTheStateQueryAndReportsAChange) {
  Ref<Command> command = Command::Create(kSave, "Save");
  StateLog log(command);
  command->Refresh();
  EXPECT_TRUE(log.states.empty()) << "nothing to ask without a query";
  CommandState answer{false, true};
  command->SetStateQuery([&] { return answer; });
  command->Refresh();
  command->Refresh();
  ASSERT_EQ(log.states.size(), 1u);
  EXPECT_FALSE(command->GetEnabled());
  EXPECT_TRUE(command->GetChecked());
}

class CommandWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 60, 40});
    ASSERT_TRUE(window.IsOk()) << window.GetError().ToString();
    window_ = *window;
    widget_ = MakeRef<WidgetBase>();
    child_ = MakeRef<WidgetBase>();
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(widget_).IsOk());
    ASSERT_TRUE(widget_->InsertChildLast(child_).IsOk());
    save_ = Command::Create(kSave, "Save", [this](const DataDictionary& arguments) -> Result<void> {
      received_.push_back(arguments.Get<Int>(kArgument, -1).ValueOr(-2));
      return Ok();
    });
  }

  Ref<AppWindow> window_;
  Ref<WidgetBase> widget_;
  Ref<WidgetBase> child_;
  Ref<Command> save_;
  std::vector<Int> received_;
};

TEST_F(CommandWindowTest, WidgetsPassCommandsUpToTheWindowThatRunsThem) {
  window_->AddCommand(save_);
  EXPECT_EQ(window_->GetCommand(kSave), CommandRef(save_));
  DataDictionary arguments;
  arguments.Set(kArgument, Int{7});
  ASSERT_TRUE(child_->ExecuteCommand(kSave, arguments).IsOk());
  EXPECT_EQ(received_, std::vector<Int>{7});

  Result<CommandState> state = child_->QueryCommand(kSave);
  ASSERT_TRUE(state.IsOk());
  EXPECT_TRUE(state->enabled);
  save_->SetEnabled(false);
  EXPECT_FALSE(child_->QueryCommand(kSave)->enabled);
  Result<void> refused = child_->ExecuteCommand(kSave, arguments);
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "Command 'net.zarvo.test.command.save' is disabled");
  EXPECT_EQ(received_.size(), 1u);
}

TEST_F(CommandWindowTest, QueryRefreshesTheRegisteredCommand) {
  window_->AddCommand(save_);
  bool allowed = false;
  save_->SetStateQuery([&] { return CommandState{allowed, false}; });
  EXPECT_FALSE(child_->QueryCommand(kSave)->enabled);
  EXPECT_FALSE(save_->GetEnabled());
  allowed = true;
  EXPECT_TRUE(child_->QueryCommand(kSave)->enabled);
  EXPECT_TRUE(save_->GetEnabled());
}

TEST_F(CommandWindowTest, UnknownCommandsAreNotFoundAndReportDisabled) {
  Result<void> result = child_->ExecuteCommand(kSave, DataDictionary());
  ASSERT_FALSE(result.IsOk());
  EXPECT_EQ(result.GetError().GetMessage(), "No handler for command 'net.zarvo.test.command.save'");
  EXPECT_FALSE(child_->QueryCommand(kSave)->enabled);

  window_->AddCommand(save_);
  EXPECT_TRUE(window_->RemoveCommand(kSave));
  EXPECT_FALSE(window_->RemoveCommand(kSave));
  EXPECT_FALSE(window_->ExecuteCommand(kSave, DataDictionary()).IsOk());
  window_->AddCommand(CommandRef());
  EXPECT_EQ(window_->GetCommand(kSave), CommandRef());
}

TEST_F(CommandWindowTest, AWidgetOutsideAWindowHasNobodyToAsk) {
  Ref<WidgetBase> loose = MakeRef<WidgetBase>();
  EXPECT_FALSE(loose->ExecuteCommand(kSave, DataDictionary()).IsOk());
  Result<CommandState> state = loose->QueryCommand(kSave);
  ASSERT_TRUE(state.IsOk());
  EXPECT_FALSE(state->enabled);
}

TEST_F(CommandWindowTest, HandlersSetOnTheWindowStillWorkAndReplaceCommandsOfTheirId) {
  window_->AddCommand(save_);
  int plainRuns = 0;
  window_->SetCommandHandler(kSave, [&](const DataDictionary&) -> Result<void> {
    ++plainRuns;
    return Ok();
  });
  ASSERT_TRUE(child_->ExecuteCommand(kSave, DataDictionary()).IsOk());
  EXPECT_EQ(plainRuns, 1);
  EXPECT_TRUE(received_.empty());
  EXPECT_EQ(window_->GetCommand(kSave)->GetName(), kSave.GetString());

  window_->SetCommandHandler(kSave, [&](const DataDictionary&) -> Result<void> { return Ok(); }, false);
  EXPECT_FALSE(child_->QueryCommand(kSave)->enabled);
  EXPECT_FALSE(child_->ExecuteCommand(kSave, DataDictionary()).IsOk());
}

TEST_F(CommandWindowTest, ACommandMayUnregisterItselfWhileItRuns) {
  save_->SetHandler([this](const DataDictionary&) -> Result<void> {
    EXPECT_TRUE(window_->RemoveCommand(kSave));
    save_.Reset();
    return Ok();
  });
  window_->AddCommand(save_);
  EXPECT_TRUE(window_->ExecuteCommand(kSave, DataDictionary()).IsOk());
  EXPECT_EQ(window_->GetCommand(kSave), CommandRef());
}

}  // namespace
}  // namespace zarvo
