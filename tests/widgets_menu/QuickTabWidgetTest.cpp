#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/ImageTextButtonWidgetInterface.h"
#include "source/interfaces/QuickTabSelectionPatternInterface.h"
#include "source/interfaces/QuickTabTextAndIconWidgetAdapterInterface.h"
#include "source/interfaces/QuickTabTextWidgetAdapterInterface.h"
#include "source/interfaces/QuickTabWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Float kByte = 1.0 / 255.0;
const ColorA kSelectedFill{133 * kByte, 163 * kByte, 0.8, 1.0};
const ColorA kNormalFill{89 * kByte, 89 * kByte, 89 * kByte, 1.0};

QuickTabTextWidgetAdapterRef MakeTextAdapter(const std::vector<String>& texts) {
  QuickTabTextWidgetAdapterRef adapter =
      test::NewObject<QuickTabTextWidgetAdapterInterface>(kQuickTabTextWidgetAdapterClassId);
  for (const String& text : texts) EXPECT_TRUE(adapter->AppendItem(text).IsOk());
  return adapter;
}

QuickTabItemRef Item(Int id) {
  QuickTabItemRef item = test::NewObject<QuickTabItemInterface>(kQuickTabItemClassId);
  item->SetId(id);
  return item;
}

TEST(QuickTabAloneTest, ClassesAreCreatedByIdInTheirRegistries) {
  QuickTabWidgetRef quick = test::NewObject<QuickTabWidgetInterface>(kQuickTabWidgetClassId);
  ASSERT_TRUE(quick);
  EXPECT_TRUE(Cast<FlexBoxWidgetInterface>(quick));
  EXPECT_EQ(quick->GetSelectMode(), QUICKTAB_SELECT_MODE::SINGLE);
  EXPECT_EQ(quick->GetIndexFromItemId(0), -1);
  EXPECT_STREQ(quick->ObservableSelectionChanged()->GetObservableId(), "ObservableSelectionChanged");
  ASSERT_TRUE(quick->CreateLayout().IsOk());
  EXPECT_EQ(quick->GetName(), "QuickTabWidget");
  EXPECT_TRUE(test::NewObject<QuickTabTextAndIconWidgetAdapterInterface>(kQuickTabTextAndIconWidgetAdapterClassId));
  EXPECT_TRUE(test::NewObject<QuickTabSelectionPatternInterface>(kQuickTabSelectionBaseClassId));
  EXPECT_TRUE(test::NewObject<QuickTabSelectionPatternInterface>(kQuickTabSelectionClassId));
  EXPECT_EQ(Item(7)->GetId(), 7);

  const ClassRegistry& registry = ClassRegistry::Get();
  const auto registryOf = [&](const char* classId) {
    Result<Id> bound = registry.GetClassRegistry(Id(classId));
    return bound.IsOk() ? bound->GetString() : std::string("?");
  };
  EXPECT_EQ(registryOf(kQuickTabWidgetClassId), kWidgetClassesRegistry);
  EXPECT_EQ(registryOf(kQuickTabTextWidgetAdapterClassId), kWidgetAdaptersRegistry);
  EXPECT_EQ(registryOf(kQuickTabTextAndIconWidgetAdapterClassId), kWidgetAdaptersRegistry);
  EXPECT_EQ(registryOf(kQuickTabItemClassId), "") << "bound to no registry";
}

TEST(QuickTabAloneTest, AnIdOutsideTheListFailsAndTellsNobody) {
  QuickTabWidgetRef quick = test::NewObject<QuickTabWidgetInterface>(kQuickTabWidgetClassId);
  int told = 0;
  quick->ObservableSelectionChanged()->AddObserver([&](const QuickTabWidgetRef&) -> Result<void> {
    ++told;
    return Ok();
  });
  Result<void> noAdapter = quick->SetItem(0, true, true);
  ASSERT_FALSE(noAdapter.IsOk());
  EXPECT_EQ(noAdapter.GetError().GetMessage(), "index exceeds number of items");
  ASSERT_TRUE(quick->SetAdapter(MakeTextAdapter({"A", "B"}), {10, 20, 30}).IsOk());
  for (Int id : {Int{5}, Int{30}}) {
    Result<void> set = quick->SetItem(id, true, true);
    ASSERT_FALSE(set.IsOk()) << id;
    EXPECT_EQ(set.GetError().GetMessage(), "index exceeds number of items");
  }
  EXPECT_EQ(told, 0);
  ASSERT_TRUE(quick->SetItem(20, true, true).IsOk());
  EXPECT_TRUE(quick->GetItem(20));
  EXPECT_EQ(told, 1);
}

// ---- the selection set and the gestures -------------------------------------------------------

struct ModeCase {
  SELECTION_MODE mode;
  std::vector<bool> after;  // ids 0, 1, 2 after applying `mode` to id 1

  bool startWithOne;        // the set is {0, 1} rather than {0}
};

class QuickTabSelectionModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(QuickTabSelectionModeTest, SelectItemAppliesTheMode) {
  QuickTabSelectionPatternRef pattern = test::NewObject<QuickTabSelectionPatternInterface>(kQuickTabSelectionBaseClassId);
  ASSERT_TRUE(pattern->SelectItem(Item(0), SELECTION_MODE::ADD).IsOk());
  if (GetParam().startWithOne) {
    ASSERT_TRUE(pattern->SelectItem(Item(1), SELECTION_MODE::ADD).IsOk());
  }
  ASSERT_TRUE(pattern->SelectItem(Item(1), GetParam().mode).IsOk());
  for (Int id = 0; id < 3; ++id) {
    EXPECT_EQ(pattern->IsSelected(id), GetParam().after[static_cast<size_t>(id)]) << id;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, QuickTabSelectionModeTest,
                         testing::Values(ModeCase{SELECTION_MODE::NEW, {false, true, false}, false},
                                         ModeCase{SELECTION_MODE::ADD, {true, true, false}, false},
                                         ModeCase{SELECTION_MODE::SUBTRACT, {true, false, false}, true},
                                         ModeCase{SELECTION_MODE::TOGGLE, {true, true, false}, false},
                                         ModeCase{SELECTION_MODE::TOGGLE, {true, false, false}, true}));

TEST(QuickTabSelectionTest, ToggleTwiceLeavesTheSetAndRangesFollowTheTabOrder) {
  QuickTabWidgetRef quick = test::NewObject<QuickTabWidgetInterface>(kQuickTabWidgetClassId);
  ASSERT_TRUE(quick->SetAdapter(MakeTextAdapter({"A", "B", "C", "D", "E"}), {40, 30, 20, 10, 0}).IsOk());
  QuickTabSelectionPatternRef pattern = test::NewObject<QuickTabSelectionPatternInterface>(kQuickTabSelectionBaseClassId);
  pattern->SetQuickTabWidget(quick);
  ASSERT_TRUE(pattern->SelectItem(Item(0), SELECTION_MODE::TOGGLE).IsOk());
  ASSERT_TRUE(pattern->SelectItem(Item(0), SELECTION_MODE::TOGGLE).IsOk());
  EXPECT_TRUE(pattern->GetCurrentSelection()->empty());

  ASSERT_TRUE(pattern->SelectItem(Item(0), SELECTION_MODE::ADD).IsOk());
  ASSERT_TRUE(pattern->SelectItemsFromTo(Item(10), Item(30), SELECTION_MODE::NEW).IsOk());
  EXPECT_EQ(pattern->GetCurrentSelection()->size(), 3u);
  for (Int id : {Int{10}, Int{20}, Int{30}}) {
    EXPECT_TRUE(pattern->IsSelected(id)) << id;
  }
  ASSERT_TRUE(pattern->SelectItemsFromTo(Item(20), Item(20), SELECTION_MODE::SUBTRACT).IsOk());
  EXPECT_FALSE(pattern->IsSelected(20));
  ASSERT_TRUE(pattern->SelectItemSet({Item(40), Item(0)}, SELECTION_MODE::ADD).IsOk());
  EXPECT_EQ(pattern->GetCurrentSelection()->size(), 4u);
}

TEST(QuickTabSelectionTest, APressThatAddsActsAtOnceOthersWaitForTheRelease) {
  QuickTabSelectionPatternRef pattern = test::NewObject<QuickTabSelectionPatternInterface>(kQuickTabSelectionClassId);
  const QuickTabItemRef one = Item(1);
  ASSERT_TRUE(pattern->MouseDown(one, QuickTabItemRef(), SELECTION_MODE::ADD).IsOk());
  EXPECT_TRUE(pattern->IsSelected(1)) << "an unselected item is added under the pointer";

  ASSERT_TRUE(pattern->MouseDown(one, QuickTabItemRef(), SELECTION_MODE::SUBTRACT).IsOk());
  EXPECT_TRUE(pattern->IsSelected(1)) << "removing waits for the release";
  ASSERT_TRUE(pattern->MouseUp(true).IsOk());
  EXPECT_TRUE(pattern->IsSelected(1)) << "a cancelled gesture changes nothing";
  ASSERT_TRUE(pattern->MouseDown(one, QuickTabItemRef(), SELECTION_MODE::SUBTRACT).IsOk());
  ASSERT_TRUE(pattern->MouseUp(false).IsOk());
  EXPECT_FALSE(pattern->IsSelected(1));

  ASSERT_TRUE(pattern->MouseDown(one, QuickTabItemRef(), SELECTION_MODE::TOGGLE).IsOk());
  pattern->MouseInit();
  ASSERT_TRUE(pattern->MouseUp(false).IsOk());
  EXPECT_FALSE(pattern->IsSelected(1)) << "MouseInit forgets the deferred toggle";
}

// ---- the widget in a window ---------------------------------------------------------------------

class QuickTabWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::OpenTestWindow(WindowClass::Window(), Rect{200, 100, 500, 200});
    ASSERT_TRUE(window_);
    quick_ = test::NewObject<QuickTabWidgetInterface>(kQuickTabWidgetClassId);
    ASSERT_TRUE(quick_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(quick_).IsOk());
    quick_->ObservableSelectionChanged()->AddObserver([this](const QuickTabWidgetRef& sender) -> Result<void> {
      EXPECT_EQ(sender.Get(), quick_.Get());
      std::string state;
      for (Int id = 0; id < 4; ++id) state += quick_->GetItem(id) ? '1' : '0';
      told_.push_back(state);
      return Ok();
    });
    ASSERT_TRUE(quick_->SetAdapter(MakeTextAdapter({"Move", "Rotate", "Scale", "Pivot"})).IsOk());
    Update();
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  WidgetRef Tab(Int index) const {
    Result<CellWidgetRef> cell = quick_->GetCell(index);
    return cell.IsOk() && *cell ? WidgetRef((*cell)->GetFirstChildWidget()) : WidgetRef();
  }
  Vector2d At(Int index) const { return EventDriver::CenterOf(*Tab(index)); }
  std::string Selection() const {
    std::string state;
    for (Int id = 0; id < 4; ++id) state += quick_->GetItem(id) ? '1' : '0';
    return state;
  }
  void Press(Int index, Int modifiers = MODIFIER::NONE) {
    EventDriver driver(*window_);
    ASSERT_TRUE(driver.Move(At(index)).IsOk());
    Result<bool> pressed = driver.Press(At(index), BUTTON::LEFT, modifiers);
    ASSERT_TRUE(pressed.IsOk()) << pressed.GetError().ToString();
    EXPECT_TRUE(*pressed) << "the quick tab takes a press on a tab";
    ASSERT_TRUE(driver.Release(At(index), BUTTON::LEFT, modifiers).IsOk());
  }

  Ref<AppWindow> window_;
  QuickTabWidgetRef quick_;
  std::vector<std::string> told_;
};

TEST_F(QuickTabWidgetTest, TheAdapterMakesOneInertButtonPerItem) {
  EXPECT_EQ(quick_->GetCount(), 4);
  for (Int i = 0; i < 4; ++i) {
    auto button = Cast<TextButtonWidgetInterface>(Tab(i));
    ASSERT_TRUE(button) << i;
    EXPECT_FALSE(button->GetEnabled()) << "presses go through to the quick tab";
    EXPECT_EQ(button->GetBackgroundColor(), kNormalFill);
  }
  EXPECT_LT(Tab(0)->GetGlobalFrame().right, Tab(1)->GetGlobalFrame().left + 1.0) << "tabs follow in a row";
}

TEST_F(QuickTabWidgetTest, SingleModeClicksSelectOneAndAClickOnTheSelectedDeselects) {
  Press(1);
  EXPECT_EQ(Selection(), "0100");
  Press(2);
  EXPECT_EQ(Selection(), "0010") << "a second tab replaces the first";
  Press(2);
  EXPECT_EQ(Selection(), "0000");
  Press(3, MODIFIER::SHIFT);
  EXPECT_EQ(Selection(), "0001") << "modifiers do not add in single mode";
  EXPECT_EQ(told_, (std::vector<std::string>{"0100", "0010", "0000", "0001"}));

  auto selected = Cast<TextButtonWidgetInterface>(Tab(3));
  EXPECT_EQ(selected->GetBackgroundColor(), kSelectedFill);
  EXPECT_EQ((*selected->GetTextWidget())->GetColor(), (ColorA{0.0, 0.0, 0.0, 1.0}));
  EXPECT_EQ(Tab(2)->GetBackgroundColor(), kNormalFill);
}

TEST_F(QuickTabWidgetTest, MultiModeShiftAddsControlRemovesAPlainClickKeepsOnlyItsTab) {
  quick_->SetSelectMode(QUICKTAB_SELECT_MODE::MULTI);
  Press(0);
  Press(2, MODIFIER::SHIFT);
  Press(3, MODIFIER::SHIFT);
  EXPECT_EQ(Selection(), "1011");
  Press(2, MODIFIER::CONTROL);
  EXPECT_EQ(Selection(), "1001");
  Press(1);
  EXPECT_EQ(Selection(), "0100");
  EXPECT_EQ(told_, (std::vector<std::string>{"1000", "1010", "1011", "1001", "0100"}));
}

TEST_F(QuickTabWidgetTest, ADragPaintsThePressedStateOverTheTabsItCrosses) {
  quick_->SetSelectMode(QUICKTAB_SELECT_MODE::MULTI);
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(At(0)).IsOk());
  for (Int i : {Int{1}, Int{1}, Int{2}}) ASSERT_TRUE(driver.Drag(At(i)).IsOk());
  ASSERT_TRUE(driver.Release(At(2)).IsOk());
  EXPECT_EQ(Selection(), "1110");
  EXPECT_EQ(told_, (std::vector<std::string>{"1000", "1100", "1110"})) << "one change per tab crossed";

  told_.clear();
  ASSERT_TRUE(driver.Press(At(2), BUTTON::LEFT, MODIFIER::CONTROL).IsOk());
  ASSERT_TRUE(driver.Drag(At(1), BUTTON::LEFT, MODIFIER::CONTROL).IsOk());
  ASSERT_TRUE(driver.Release(At(1), BUTTON::LEFT, MODIFIER::CONTROL).IsOk());
  EXPECT_EQ(Selection(), "1000");
  EXPECT_EQ(told_, (std::vector<std::string>{"1100", "1000"}));

  // A drag after the release paints nothing.
  told_.clear();
  ASSERT_TRUE(driver.Drag(At(3)).IsOk());
  EXPECT_TRUE(told_.empty());
}

TEST_F(QuickTabWidgetTest, SingleModeDragMovesTheSelectionAlong) {
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Press(At(0)).IsOk());
  ASSERT_TRUE(driver.Drag(At(1)).IsOk());
  ASSERT_TRUE(driver.Drag(At(2)).IsOk());
  ASSERT_TRUE(driver.Release(At(2)).IsOk());
  EXPECT_EQ(Selection(), "0010");
  EXPECT_EQ(told_, (std::vector<std::string>{"1000", "0100", "0010"}));
}

TEST_F(QuickTabWidgetTest, TheSelectionSurvivesANewAdapter) {
  ASSERT_TRUE(quick_->SetItem(1, true, true).IsOk());
  QuickTabTextAndIconWidgetAdapterRef icons =
      test::NewObject<QuickTabTextAndIconWidgetAdapterInterface>(kQuickTabTextAndIconWidgetAdapterClassId);
  for (const char* text : {"Front", "Side", "Top"}) ASSERT_TRUE(icons->AppendItem(text, Url{"missing.svg"}).IsOk());
  ASSERT_TRUE(quick_->SetAdapter(icons).IsOk());
  Update();
  EXPECT_EQ(quick_->GetCount(), 3);
  ASSERT_TRUE(Cast<ImageTextButtonWidgetInterface>(Tab(1)));
  EXPECT_EQ(Tab(1)->GetBackgroundColor(), kSelectedFill);
  EXPECT_EQ(Tab(0)->GetBackgroundColor(), kNormalFill);
}

TEST_F(QuickTabWidgetTest, GoldenTabsWithTwoSelected) {
  ASSERT_TRUE(window_->GetCanvas()->SetWindowSize({240, 30}).IsOk());
  quick_->SetSelectMode(QUICKTAB_SELECT_MODE::MULTI);
  ASSERT_TRUE(quick_->SetItem(0, true, false).IsOk());
  ASSERT_TRUE(quick_->SetItem(2, true, false).IsOk());
  Update();
  test::ExpectMatchesGolden(window_->GetHostCanvas()->GetOsWindow()->GetSurface(), "quicktab_two_selected");
}

}  // namespace
}  // namespace zarvo
