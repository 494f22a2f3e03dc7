#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/RadioGroupWidgetInterface.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

class RadioGroupWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeTestWindow(Rect{0, 0, 120, 90});
    ASSERT_TRUE(window_);
    group_ = test::NewObject<RadioGroupWidgetInterface>(kRadioGroupWidgetClassId);
    ASSERT_TRUE(group_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(group_).IsOk());
    ASSERT_TRUE(group_->CreateLayout().IsOk());
    ASSERT_TRUE(group_->ResizeButtons(3).IsOk());
    const char* labels[] = {"Low", "Medium", "High"};
    for (uint64_t i = 0; i < 3; ++i) {
      TextWidgetRef text = *(*group_->GetButton(i))->GetTextWidget();
      text->SetText(labels[i]);
      text->SetColor({1, 1, 1, 1});
      // Every notification in one log, in order.
      (*Box(i))->ObservableStateChanged()->AddObserver([this, i](const CheckboxWidgetRef&, Bool on) -> Result<void> {
        log_.push_back("box " + std::to_string(i) + (on ? " on" : " off"));
        return Ok();
      });
    }
    group_->ObservableValueChanged()->AddObserver([this](const WidgetRef& sender, uint64_t index) -> Result<void> {
      EXPECT_EQ(sender.Get(), static_cast<WidgetInterface*>(group_.Get()));
      log_.push_back("group " + std::to_string(index));
      return Ok();
    });
    ASSERT_TRUE(window_->Update().IsOk());
  }

  Result<CheckboxWidgetRef> Box(uint64_t index) const {
    ZV_TRY_ASSIGN(BooleanWidgetRef button, group_->GetButton(index));
    return button->GetCheckboxWidget();
  }
  std::vector<bool> States() const {
    std::vector<bool> states;
    for (uint64_t i = 0; i < 3; ++i) states.push_back((*Box(i))->GetState());
    return states;
  }

  Ref<AppWindow> window_;
  RadioGroupWidgetRef group_;
  std::vector<std::string> log_;
};

TEST_F(RadioGroupWidgetTest, ButtonsAreRadioBoxesAndTheFirstIsSelected) {
  EXPECT_EQ(group_->GetName(), "RadioGroupWidget");
  EXPECT_EQ(group_->GetCountX(), 1);
  EXPECT_EQ(group_->GetCountY(), 3);
  EXPECT_EQ(group_->GetValue(), 0u);
  EXPECT_EQ(States(), (std::vector<bool>{true, false, false}));
  for (uint64_t i = 0; i < 3; ++i) EXPECT_EQ((*Box(i))->GetSymbol(), CHECKBOX_SYMBOL::RADIO);
  EXPECT_STREQ(group_->ObservableValueChanged()->GetObservableId(), "ObservableValueChanged");
}

TEST_F(RadioGroupWidgetTest, AClickSelectsExactlyOneAndTellsInOrder) {
  EventDriver driver(*window_);
  ASSERT_TRUE(*driver.Click(**Box(2)));
  EXPECT_EQ(group_->GetValue(), 2u);
  EXPECT_EQ(States(), (std::vector<bool>{false, false, true}));
  // The group observes each box from its creation, so it hears of the click before anyone
  // else; its own observers are told before the buttons follow the selection, and only then
  // does the clicked box's notification reach the observers added later.
  EXPECT_EQ(log_, (std::vector<std::string>{"group 2", "box 0 off", "box 1 off", "box 2 on", "box 2 on"}));
  log_.clear();
  ASSERT_TRUE(*driver.Click(**Box(2)));
  EXPECT_TRUE(log_.empty()) << "the selected radio box stays on";
  ASSERT_TRUE(*driver.Click(**Box(1)));
  EXPECT_EQ(States(), (std::vector<bool>{false, true, false}));
}

TEST_F(RadioGroupWidgetTest, SetValueSelectsAndTheCurrentIndexChangesNothing) {
  ASSERT_TRUE(group_->SetValue(1).IsOk());
  EXPECT_EQ(States(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(log_.front(), "group 1");
  log_.clear();
  ASSERT_TRUE(group_->SetValue(1).IsOk());
  EXPECT_TRUE(log_.empty());
}

TEST_F(RadioGroupWidgetTest, IndexesPastTheButtonsAreRefusedInTheirOwnWords) {
  EXPECT_EQ(group_->ResizeButtons(0).GetError().GetMessage(), "No valid button number");
  EXPECT_EQ(group_->GetCountY(), 3) << "a refused resize keeps the buttons";
  EXPECT_EQ(group_->SetValue(3).GetError().GetMessage(), "value exceeds number of radiobuttons");
  EXPECT_EQ(group_->GetButton(3).GetError().GetMessage(), "Value exceeds number of radiobuttons");
  EXPECT_EQ(group_->GetValue(), 0u);
  EXPECT_TRUE(log_.empty());
}

TEST_F(RadioGroupWidgetTest, ResizingReplacesTheButtonsAndKeepsAReachableSelection) {
  ASSERT_TRUE(group_->SetValue(2).IsOk());
  ASSERT_TRUE(group_->ResizeButtons(5).IsOk());
  EXPECT_EQ(group_->GetCountY(), 5);
  EXPECT_EQ(group_->GetValue(), 2u);
  EXPECT_TRUE((*Box(2))->GetState());
  EXPECT_EQ((*(*group_->GetButton(4))->GetTextWidget())->GetText(), "Toggle me");
  ASSERT_TRUE(group_->ResizeButtons(2).IsOk());
  EXPECT_EQ(group_->GetValue(), 0u);
  EXPECT_TRUE((*Box(0))->GetState());
  size_t children = 0;
  for (HierarchyObject* child = group_->GetFirstChild(); child; child = child->GetNext()) ++children;
  EXPECT_EQ(children, 2u) << "the old cells are gone";
}

TEST_F(RadioGroupWidgetTest, ACellHoldingSomethingElseIsAWrongHierarchy) {
  CellWidgetRef cell = *group_->GetCell(0, 1);
  cell->RemoveAllChildren();
  ASSERT_TRUE(cell->InsertChildLast(test::NewObject<WidgetInterface>(kTextWidgetClassId)).IsOk());
  EXPECT_EQ(group_->GetButton(1).GetError().GetMessage(), "Wrong widget hierarchy");
}

TEST_F(RadioGroupWidgetTest, GoldenSecondSelected) {
  ASSERT_TRUE(group_->SetValue(1).IsOk());
  ASSERT_TRUE(window_->Update().IsOk());
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "radiogroup_second");
}

}  // namespace
}  // namespace zarvo
