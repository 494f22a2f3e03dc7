#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CycleDropdownWindowInterface.h"
#include "source/interfaces/CycleSeparatorWidgetInterface.h"
#include "source/interfaces/CycleTextAndIconWidgetAdapterInterface.h"
#include "source/interfaces/CycleTextWidgetAdapterInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/ImageTextButtonWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/widgets_menu/CycleDropdownWindowImpl.h"
#include "source/widgets_menu/CycleWidgetImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

constexpr Int kSep = kCycleSeparatorId;

CycleTextWidgetAdapterRef MakeTextAdapter(const std::vector<String>& texts) {
  CycleTextWidgetAdapterRef adapter = test::NewObject<CycleTextWidgetAdapterInterface>(kCycleTextWidgetAdapterClassId);
  for (const String& text : texts) EXPECT_TRUE(adapter->AppendItem(text).IsOk());
  return adapter;
}

// The text an item widget shows, whichever adapter made it.
String TextOf(const WidgetRef& item) {
  if (auto text = Cast<TextButtonWidgetInterface>(item)) return (*text->GetTextWidget())->GetText();
  if (auto both = Cast<ImageTextButtonWidgetInterface>(item)) return (*both->GetTextWidget())->GetText();
  return "?";
}

class CycleWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::OpenTestWindow(WindowClass::Window(), Rect{200, 100, 520, 340});
    ASSERT_TRUE(window_);
    cycle_ = test::NewObject<CycleWidgetInterface>(kCycleWidgetClassId);
    ASSERT_TRUE(cycle_);
    ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(cycle_).IsOk());
    cycle_->SetLocalPosition({20, 30});
    cycle_->ObservableItemChanged()->AddObserver([this](const CycleWidgetRef& sender, Int id) -> Result<void> {
      EXPECT_EQ(sender.Get(), cycle_.Get());
      told_.push_back("item " + std::to_string(id) + (Impl().IsDropdownWindowOpen() ? " open" : " closed"));
      return Ok();
    });
    cycle_->ObservableButtonDown()->AddObserver([this](const ButtonWidgetRef&) -> Result<void> {
      told_.push_back("down");
      return Ok();
    });
  }

  void Use(const CycleWidgetAdapterRef& adapter, const std::vector<Int>& ids = {}) {
    Result<void> set = ids.empty() ? cycle_->SetAdapter(adapter) : cycle_->SetAdapter(adapter, ids);
    ASSERT_TRUE(set.IsOk()) << set.GetError().ToString();
    Update();
  }
  void Update() {
    Result<void> updated = window_->Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }
  CycleWidgetImpl& Impl() const { return dynamic_cast<CycleWidgetImpl&>(*cycle_); }
  CycleDropdownWindowImpl* Dropdown() const {
    return dynamic_cast<CycleDropdownWindowImpl*>(Impl().GetDropdownWindow().Get());
  }
  // The widget the button shows for the selected item.
  WidgetRef ShownItem() const {
    WidgetInterface* table = cycle_->GetFirstChildWidget();
    WidgetInterface* cell = table ? table->GetFirstChildWidget() : nullptr;
    return WidgetRef(cell ? cell->GetFirstChildWidget() : nullptr);
  }
  // The widget in row `row` of the open list.
  WidgetRef ListRow(Int row) const {
    Result<CellWidgetRef> cell = Dropdown()->GetListTable()->GetCell(0, row);
    return cell.IsOk() ? WidgetRef((*cell)->GetFirstChildWidget()) : WidgetRef();
  }

  Ref<AppWindow> window_;
  CycleWidgetRef cycle_;
  std::vector<std::string> told_;
};

TEST(CycleWidgetAloneTest, ClassesAreCreatedByIdInTheirRegistries) {
  CycleWidgetRef cycle = test::NewObject<CycleWidgetInterface>(kCycleWidgetClassId);
  ASSERT_TRUE(cycle);
  EXPECT_TRUE(Cast<ButtonWidgetInterface>(cycle));
  EXPECT_EQ(cycle->GetItem(), 0);
  EXPECT_FALSE(cycle->GetAdapter());
  EXPECT_EQ(cycle->GetIndexFromItemId(0), -1) << "an empty list holds no id";
  EXPECT_STREQ(cycle->ObservableItemChanged()->GetObservableId(), "ObservableItemChanged");
  EXPECT_TRUE(test::NewObject<CycleSeparatorWidgetInterface>(kCycleSeparatorWidgetClassId));
  EXPECT_TRUE(test::NewObject<CycleDropdownWindowInterface>(kCycleDropdownWindowClassId));
  EXPECT_TRUE(test::NewObject<CycleTextAndIconWidgetAdapterInterface>(kCycleTextAndIconWidgetAdapterClassId));

  const ClassRegistry& registry = ClassRegistry::Get();
  const auto registryOf = [&](const char* classId) {
    Result<Id> bound = registry.GetClassRegistry(Id(classId));
    return bound.IsOk() ? bound->GetString() : std::string("?");
  };
  EXPECT_EQ(registryOf(kCycleWidgetClassId), kWidgetClassesRegistry);
  EXPECT_EQ(registryOf(kCycleSeparatorWidgetClassId), kWidgetClassesRegistry);
  EXPECT_EQ(registryOf(kCycleDropdownWindowClassId), kMvpRegistry);
  EXPECT_EQ(registryOf(kCycleTextWidgetAdapterClassId), kWidgetAdaptersRegistry);
  EXPECT_EQ(registryOf(kCycleTextAndIconWidgetAdapterClassId), kWidgetAdaptersRegistry);
}

TEST(CycleWidgetAloneTest, CreateLayoutBuildsTheButton) {
  CycleWidgetRef cycle = test::NewObject<CycleWidgetInterface>(kCycleWidgetClassId);
  ASSERT_TRUE(cycle->CreateLayout().IsOk());
  EXPECT_EQ(cycle->GetName(), "CycleWidget");
  EXPECT_TRUE(cycle->GetAcceptTabFocus());
  EXPECT_EQ(cycle->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL), WIDGET_SIZE::MIN);
  EXPECT_EQ(cycle->GetMinSize(WIDGET_DIRECTION::HORIZONTAL), CanvasUnitValue::Fon(20.0));
  auto table = Cast<TableWidgetInterface>(WidgetRef(cycle->GetFirstChildWidget()));
  ASSERT_TRUE(table);
  EXPECT_EQ(table->GetCountX(), 2);
  EXPECT_EQ(table->GetCountY(), 1);
  Result<CellWidgetRef> arrowCell = table->GetCell(1, 0);
  ASSERT_TRUE(arrowCell.IsOk());
  EXPECT_EQ((*arrowCell)->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL), CanvasUnitValue::Fon(18.0));
  auto arrow = Cast<TextWidgetInterface>(WidgetRef((*arrowCell)->GetFirstChildWidget()));
  ASSERT_TRUE(arrow);
  EXPECT_EQ(arrow->GetText(), "\u25BC");
}

TEST(CycleWidgetAloneTest, TheSeparatorIsAThinLineAcrossItsCell) {
  CycleSeparatorWidgetRef separator = test::NewObject<CycleSeparatorWidgetInterface>(kCycleSeparatorWidgetClassId);
  ASSERT_TRUE(separator->CreateLayout().IsOk());
  EXPECT_EQ(separator->GetName(), "CycleSeparatorWidget");
  EXPECT_FALSE(separator->GetAcceptFocus());
  EXPECT_EQ(separator->GetSizeMode(WIDGET_DIRECTION::VERTICAL), WIDGET_SIZE::FIXED);
  EXPECT_EQ(separator->GetFixedSize(WIDGET_DIRECTION::VERTICAL), CanvasUnitValue::Fon(1.0));
  EXPECT_TRUE(separator->GetInheritParentSize(WIDGET_DIRECTION::HORIZONTAL));
  EXPECT_EQ(separator->GetBackgroundColor(), (ColorA{77 / 255.0, 77 / 255.0, 77 / 255.0, 1.0}));
}

TEST_F(CycleWidgetTest, TheAdapterGivesIdsByIndexAndTheButtonShowsTheSelection) {
  Use(MakeTextAdapter({"Red", "Green", "Blue"}));
  EXPECT_EQ(Impl().GetItemIds(), (std::vector<Int>{0, 1, 2}));
  EXPECT_EQ(TextOf(ShownItem()), "Red");
  ASSERT_TRUE(cycle_->SetItem(2, false).IsOk());
  Update();
  EXPECT_EQ(TextOf(ShownItem()), "Blue");
  EXPECT_FALSE(ShownItem()->GetAcceptFocus());
  EXPECT_FALSE(ShownItem()->GetFocusVisibility());
  EXPECT_TRUE(told_.empty()) << "no notification without notify";
  // As wide as the widest item plus the arrow, never narrower than the minimum.
  EXPECT_GE(cycle_->GetLocalPixSize().x, cycle_->ToPixels(CanvasUnitValue::Fon(38.0)) - 0.5);
}

TEST_F(CycleWidgetTest, AnIdOutsideTheListShowsAnEmptyButton) {
  Use(MakeTextAdapter({"Red", "Green"}), {5, 7});
  EXPECT_FALSE(ShownItem()) << "the current item 0 is not one of the ids";
  EXPECT_EQ(cycle_->GetIndexFromItemId(7), 1);
  EXPECT_EQ(cycle_->GetItemIdFromIndex(0), 5);
}

TEST_F(CycleWidgetTest, ClicksToggleTheListAndAPickInItSelectsAndCloses) {
  Use(MakeTextAdapter({"Red", "Green", "Blue"}));
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*cycle_).IsOk());
  ASSERT_TRUE(Impl().IsDropdownWindowOpen());
  ASSERT_NE(Dropdown(), nullptr);
  Ref<AppWindow> popup = Dropdown()->GetPopupWindow();
  EXPECT_TRUE(popup->IsOpen());
  EXPECT_EQ(popup->GetHostCanvas()->GetOsWindow()->GetWindowClass(), WindowClass::WindowMenu());
  EXPECT_EQ(popup->GetHostCanvas()->GetOsWindow()->GetParent(), window_->GetHostCanvas()->GetOsWindow());
  // Below the button, left-aligned, as wide as it.
  const Rect frame = popup->GetCanvas()->GetWindowFrame();
  const Rect button = cycle_->GetGlobalFrame();
  EXPECT_EQ(frame.left, 200 + button.left);
  EXPECT_EQ(frame.top, 100 + button.bottom);
  EXPECT_NEAR(frame.Width(), button.Width(), 1.0);
  EXPECT_EQ(TextOf(ListRow(0)), "Red");
  EXPECT_EQ(TextOf(ListRow(2)), "Blue");

  ASSERT_TRUE(driver.Click(*cycle_).IsOk());
  EXPECT_FALSE(Impl().IsDropdownWindowOpen());
  EXPECT_FALSE(popup->IsOpen()) << "the second click closes it";

  ASSERT_TRUE(driver.Click(*cycle_).IsOk());
  popup = Dropdown()->GetPopupWindow();
  EventDriver inList(*popup);
  ASSERT_TRUE(inList.Click(*ListRow(1)).IsOk());
  EXPECT_EQ(cycle_->GetItem(), 1);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(Impl().IsDropdownWindowOpen());
  Update();
  EXPECT_EQ(TextOf(ShownItem()), "Green");
  // Observers hear of the item while the list is still open; it closes after them.
  EXPECT_EQ(told_, (std::vector<std::string>{"down", "down", "down", "item 1 open"}));
}

TEST_F(CycleWidgetTest, SetItemWithoutNotifyStillClosesTheList) {
  Use(MakeTextAdapter({"Red", "Green"}));
  ASSERT_TRUE(cycle_->SetDropdownWindowOpen(true).IsOk());
  Ref<AppWindow> popup = Dropdown()->GetPopupWindow();
  ASSERT_TRUE(cycle_->SetItem(1, false).IsOk());
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(Impl().GetDropdownWindow());
  EXPECT_TRUE(told_.empty());
  EXPECT_TRUE(cycle_->SetDropdownWindowOpen(false).IsOk()) << "closing with nothing open does nothing";
}

TEST_F(CycleWidgetTest, AListClosedByTheHostIsReleasedByTheNextClick) {
  Use(MakeTextAdapter({"Red", "Green"}));
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*cycle_).IsOk());
  Ref<AppWindow> stale = Dropdown()->GetPopupWindow();
  stale->GetHostCanvas()->GetOsWindow()->RequestClose();  // an outside click
  EXPECT_FALSE(stale->IsOpen());
  EXPECT_TRUE(Impl().IsDropdownWindowOpen());
  ASSERT_TRUE(driver.Click(*cycle_).IsOk());
  EXPECT_FALSE(Impl().IsDropdownWindowOpen());
  EXPECT_FALSE(Impl().GetDropdownWindow());
  ASSERT_TRUE(driver.Click(*cycle_).IsOk());
  EXPECT_TRUE(Dropdown()->GetPopupWindow()->IsOpen());
}

TEST_F(CycleWidgetTest, KeysAndTheWheelStepOverSeparators) {
  Use(MakeTextAdapter({"Five", "-", "Seven", "Eight"}), {5, kSep, 7, 8});
  ASSERT_TRUE(cycle_->SetItem(5, false).IsOk());
  ASSERT_TRUE(window_->GetAppWidget()->SetFocusWidget(cycle_.Get()).IsOk());
  EventDriver driver(*window_);
  EXPECT_EQ(*driver.KeyDown(KEY::DOWN), true);
  EXPECT_EQ(cycle_->GetItem(), 7) << "the separator is skipped";
  EXPECT_EQ(*driver.Send(MakeKeyEvent(EVENT::KEYBOARD_KEY_REPEAT, KEY::PAGE_DOWN)), true);
  EXPECT_EQ(cycle_->GetItem(), 8);
  EXPECT_EQ(*driver.KeyDown(KEY::DOWN), true);
  EXPECT_EQ(cycle_->GetItem(), 8) << "the last stays the last";
  EXPECT_EQ(*driver.KeyDown(KEY::PAGE_UP), true);
  EXPECT_EQ(*driver.KeyDown(KEY::UP), true);
  EXPECT_EQ(cycle_->GetItem(), 5);
  // The wheel: a negative y steps up, anything else down.
  const Vector2d center = EventDriver::CenterOf(*cycle_);
  EXPECT_EQ(*driver.Scroll(center, {0, 40}), true);
  EXPECT_EQ(cycle_->GetItem(), 7);
  EXPECT_EQ(*driver.Scroll(center, {0, -40}), true);
  EXPECT_EQ(cycle_->GetItem(), 5);
  EXPECT_EQ(told_, (std::vector<std::string>{"item 7 closed", "item 8 closed", "item 8 closed", "item 7 closed",
                                             "item 5 closed", "item 7 closed", "item 5 closed"}));
  // Enter toggles the list; an Enter with a modifier does not.
  told_.clear();
  EXPECT_EQ(*driver.KeyDown(KEY::ENTER, MODIFIER::SHIFT), false);
  EXPECT_FALSE(Impl().IsDropdownWindowOpen());
  ASSERT_TRUE(driver.KeyDown(KEY::ENTER).IsOk());
  EXPECT_TRUE(Impl().IsDropdownWindowOpen());
  EXPECT_EQ(told_, (std::vector<std::string>{"down"})) << "the button's own Enter press comes first";
}

TEST_F(CycleWidgetTest, MagnifyStepsOppositeToItsSign) {
  Use(MakeTextAdapter({"A", "B", "C"}));
  ASSERT_TRUE(cycle_->SetItem(1, false).IsOk());
  EventDriver driver(*window_);
  DataDictionary magnify = MakeMouseEvent(EVENT::MAGNIFY, EventDriver::CenterOf(*cycle_));
  magnify.Set(Id("net.zarvo.ui.message.magnification"), Float{-0.5});
  EXPECT_EQ(*driver.Send(magnify), true);
  EXPECT_EQ(cycle_->GetItem(), 2);
  magnify.Set(Id("net.zarvo.ui.message.magnification"), Float{0.5});
  EXPECT_EQ(*driver.Send(magnify), true);
  EXPECT_EQ(cycle_->GetItem(), 1);
}

TEST_F(CycleWidgetTest, OtherPressesAndEmptyListsAreNotTaken) {
  EventDriver driver(*window_);
  EXPECT_EQ(*driver.Scroll(EventDriver::CenterOf(*cycle_), {0, 40}), false) << "nothing to step to";
  Use(MakeTextAdapter({"A"}));
  EXPECT_EQ(*driver.Press(EventDriver::CenterOf(*cycle_), BUTTON::RIGHT), false);
  EXPECT_FALSE(Impl().IsDropdownWindowOpen());
  EXPECT_EQ(*cycle_->HandleEvent(nullptr), false);
}

TEST_F(CycleWidgetTest, ThePressOfAnItemWhoseCycleIsGoneFails) {
  CycleTextWidgetAdapterRef adapter = MakeTextAdapter({"A", "B"});
  Result<WidgetRef> item = adapter->GetItemWidget(1, WidgetRef());
  ASSERT_TRUE(item.IsOk());
  auto button = Cast<ButtonWidgetInterface>(*item);
  Result<void> pressed = button->ObservableButtonDown()->Notify(button);
  ASSERT_FALSE(pressed.IsOk());
  EXPECT_EQ(pressed.GetError().GetMessage(), "Missing widget link");
  Result<WidgetRef> outside = adapter->GetItemWidget(2, WidgetRef());
  EXPECT_FALSE(outside.IsOk());
}

TEST_F(CycleWidgetTest, TheSeparatorAndIconItemsShowInTheList) {
  CycleTextAndIconWidgetAdapterRef adapter =
      test::NewObject<CycleTextAndIconWidgetAdapterInterface>(kCycleTextAndIconWidgetAdapterClassId);
  const Url icon{std::string(ZARVO_TEST_DATA_DIR) + "/png/two_tone_16x8.png"};
  ASSERT_TRUE(adapter->AppendItem("Open", icon).IsOk());
  ASSERT_TRUE(adapter->AppendItem("-", Url{}).IsOk());
  ASSERT_TRUE(adapter->AppendItem("Missing", Url{"/nowhere/missing.png"}).IsOk());
  Use(adapter, {3, kSep, 4});
  ASSERT_TRUE(cycle_->SetDropdownWindowOpen(true).IsOk());
  EXPECT_TRUE(Cast<CycleSeparatorWidgetInterface>(ListRow(1)));
  auto first = Cast<ImageTextButtonWidgetInterface>(ListRow(0));
  ASSERT_TRUE(first);
  EXPECT_EQ(TextOf(first), "Open");
  ImageWidgetRef image = *first->GetImageWidget();
  EXPECT_EQ(image->GetFixedSize(WIDGET_DIRECTION::HORIZONTAL), CanvasUnitValue::Fon(15.0));
  EXPECT_EQ(image->GetSizeMode(WIDGET_DIRECTION::VERTICAL), WIDGET_SIZE::FIXED);
  auto missing = Cast<ImageTextButtonWidgetInterface>(ListRow(2));
  ASSERT_TRUE(missing);
  EXPECT_FALSE((*missing->GetImageWidget())->GetImage()) << "an icon that does not load shows nothing";
  Ref<AppWindow> popup = Dropdown()->GetPopupWindow();
  EventDriver inList(*popup);
  ASSERT_TRUE(inList.Click(*ListRow(2)).IsOk());
  EXPECT_EQ(cycle_->GetItem(), 4);
}

TEST_F(CycleWidgetTest, NearTheScreenBottomTheListOpensAbove) {
  ASSERT_TRUE(window_->GetCanvas()->SetWindowPosition({200, 900}).IsOk());
  Use(MakeTextAdapter({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
  ASSERT_TRUE(cycle_->SetDropdownWindowOpen(true).IsOk());
  const Rect frame = Dropdown()->GetPopupWindow()->GetCanvas()->GetWindowFrame();
  EXPECT_GT(frame.Height(), 1040 - (900 + cycle_->GetGlobalFrame().bottom)) << "no room below";
  EXPECT_NEAR(frame.bottom, 900 + cycle_->GetGlobalFrame().top, 1.0);
}

TEST_F(CycleWidgetTest, AListTallerThanTheScreenIsCutAndScrolls) {
  std::vector<String> many;
  for (int i = 0; i < 80; ++i) many.push_back("Item " + std::to_string(i));
  Use(MakeTextAdapter(many));
  ASSERT_TRUE(cycle_->SetDropdownWindowOpen(true).IsOk());
  const Rect frame = Dropdown()->GetPopupWindow()->GetCanvas()->GetWindowFrame();
  EXPECT_EQ(frame.top, 0) << "it fits neither below nor above";
  EXPECT_EQ(frame.Height(), kHeadlessMonitorHeight - kHeadlessPanelHeight);
  EXPECT_GT(Dropdown()->GetListTable()->GetLocalPixSize().y, frame.Height());
}

TEST_F(CycleWidgetTest, GoldenOpenListWithTheHoveredItem) {
  ASSERT_TRUE(window_->GetCanvas()->SetWindowSize({150, 60}).IsOk());
  Use(MakeTextAdapter({"Linear", "Smooth", "-", "Constant"}), {0, 1, kSep, 2});
  ASSERT_TRUE(cycle_->SetItem(1, false).IsOk());
  Update();
  ASSERT_TRUE(cycle_->SetDropdownWindowOpen(true).IsOk());
  Ref<AppWindow> popup = Dropdown()->GetPopupWindow();
  EventDriver inList(*popup);
  ASSERT_TRUE(inList.Move(EventDriver::CenterOf(*ListRow(3))).IsOk());
  ASSERT_TRUE(popup->Update().IsOk());
  test::ExpectMatchesGolden(popup->GetHostCanvas()->GetOsWindow()->GetSurface(), "cycle_dropdown_hover");
}

}  // namespace
}  // namespace zarvo
