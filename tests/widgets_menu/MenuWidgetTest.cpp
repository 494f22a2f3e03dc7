#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Canvas.h"
#include "host/ui/EventDriver.h"
#include "host/ui/UiTypes.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/MenuWindowInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/interfaces/SeparatorMenuItemWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"
#include "tests/support/Golden.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using test::ChildOfCell;

class MenuWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::OpenTestWindow(WindowClass::Window(), Rect{200, 100, 520, 340});
    ASSERT_TRUE(window_);
    root_ = test::NewObject<RootMenuItemInterface>(kRootMenuItemClassId);
    ASSERT_TRUE(root_);
  }

  // A command the window answers; running it is recorded with whether its menu was still open.
  CommandRef AddCommand(const std::string& name) {
    Ref<Command> command = Command::Create(Id("test.menu." + name), name, [this, name](const DataDictionary&) {
      told_.push_back(name + (top_ && top_->GetMenuWindowOpen() ? " open" : " closed"));
      return Result<void>(Ok());
    });
    window_->AddCommand(command);
    return command;
  }
  CommandMenuItemRef Entry(const std::string& name, const MenuItemRef& under = {}) {
    Result<CommandMenuItemRef> item = root_->AddCommand(AddCommand(name), under);
    EXPECT_TRUE(item.IsOk()) << item.GetError().ToString();
    return item.IsOk() ? *item : CommandMenuItemRef();
  }
  void Separator() { ASSERT_TRUE(root_->AddSeparator().IsOk()); }

  // Opens the root's entries as a popup menu at a screen position, as the window's popup does.
  void OpenPopup(Vector2d position = {260, 150}) {
    top_ = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
    ASSERT_TRUE(top_->CreateLayout().IsOk());
    Result<void> opened = top_->OpenSubMenuWindow(position, root_, window_);
    ASSERT_TRUE(opened.IsOk()) << opened.GetError().ToString();
  }
  static MenuWindowImpl& WindowOf(const MenuWidgetRef& menu) {
    return dynamic_cast<MenuWindowImpl&>(*dynamic_cast<MenuWidgetImpl&>(*menu).GetSubMenuWindow());
  }
  Ref<AppWindow> Popup() const { return WindowOf(top_).GetPopupWindow(); }
  MenuWidgetRef PopupMenu() const { return WindowOf(top_).GetMenuWidget(); }
  // Row `row` of command group `group` of a vertical menu.
  static CommandMenuItemWidgetRef Row(const MenuWidgetRef& menu, Int group, Int row) {
    CommandGroupWidgetRef block = ChildOfCell<CommandGroupWidgetInterface>(*menu, 0, 2 * group);
    return block ? ChildOfCell<CommandMenuItemWidgetInterface>(*block, 0, row) : CommandMenuItemWidgetRef();
  }
  void Update(AppWindow& window) {
    Result<void> updated = window.Update();
    ASSERT_TRUE(updated.IsOk()) << updated.GetError().ToString();
  }

  Ref<AppWindow> window_;
  RootMenuItemRef root_;
  MenuWidgetRef top_;
  std::vector<std::string> told_;
};

TEST_F(MenuWidgetTest, AVerticalMenuSplitsItsEntriesIntoGroupsAtSeparatorRuns) {
  Entry("A");
  Separator();
  Separator();
  Entry("B");
  Entry("C");
  MenuWidgetRef menu = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
  ASSERT_TRUE(menu->CreateLayout().IsOk());
  menu->SetMenuMode(MENU_MODE::FLYOUT);
  ASSERT_TRUE(menu->SetMenu(root_, window_, MenuWindowRef()).IsOk());
  ASSERT_EQ(menu->GetCountY(), 3);
  EXPECT_TRUE(ChildOfCell<SeparatorMenuItemWidgetInterface>(*menu, 0, 1));
  CommandGroupWidgetRef first = ChildOfCell<CommandGroupWidgetInterface>(*menu, 0, 0);
  CommandGroupWidgetRef second = ChildOfCell<CommandGroupWidgetInterface>(*menu, 0, 2);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->GetCountY(), 1);
  EXPECT_EQ(second->GetCountY(), 2);
  ASSERT_TRUE(Row(menu, 1, 1));
  ASSERT_TRUE(Row(menu, 1, 1)->GetCommandMenuItem());
  EXPECT_EQ(Row(menu, 1, 1)->GetCommandMenuItem()->GetText(), "C");

  // The mode takes effect at the next build only.
  menu->SetMenuMode(MENU_MODE::DROPDOWN);
  EXPECT_EQ(menu->GetCountY(), 3);
  ASSERT_TRUE(menu->SetMenu(root_, window_, MenuWindowRef()).IsOk());
  EXPECT_EQ(menu->GetCountX(), 5);
  EXPECT_EQ(menu->GetCountY(), 1);
  // A separator of the bar is a dashed text.
  EXPECT_EQ(ChildOfCell<TextWidgetInterface>(*menu, 1, 0)->GetText(), "-----");
}

TEST_F(MenuWidgetTest, AFolderOfTheBarDropsItsEntriesDownBelowItAndASecondClickClosesThem) {
  CommandMenuItemRef edit = *root_->AddFolder("Edit");
  Entry("Undo", edit);
  MenuWidgetRef bar = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
  ASSERT_TRUE(bar->CreateLayout().IsOk());
  ASSERT_TRUE(window_->GetAppWidget()->InsertChildLast(bar).IsOk());
  ASSERT_TRUE(bar->SetMenu(root_, window_, MenuWindowRef()).IsOk());
  Update(*window_);
  WidgetRef button = ChildOfCell<WidgetInterface>(*bar, 0, 0);
  EventDriver driver(*window_);
  ASSERT_TRUE(driver.Click(*button).IsOk());
  ASSERT_TRUE(bar->GetMenuWindowOpen());
  const Rect frame = WindowOf(bar).GetCanvas()->GetWindowFrame();
  EXPECT_EQ(frame.left, 200 + button->GetGlobalFrame().left);
  EXPECT_EQ(frame.top, 100 + button->GetGlobalFrame().bottom);
  EXPECT_EQ(Row(WindowOf(bar).GetMenuWidget(), 0, 0)->GetCommandMenuItem()->GetText(), "Undo");
  ASSERT_TRUE(driver.Click(*button).IsOk());
  EXPECT_FALSE(bar->GetMenuWindowOpen());
}

TEST_F(MenuWidgetTest, BuildsFailWithTheSystemsMessages) {
  Entry("A");
  MenuWidgetRef menu = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
  ASSERT_TRUE(menu->CreateLayout().IsOk());
  Result<void> noWindow = menu->SetMenu(root_, AppWindowRef(), MenuWindowRef());
  ASSERT_FALSE(noWindow.IsOk());
  EXPECT_EQ(noWindow.GetError().GetMessage(), "missing commandWindow");
  menu->SetMenuMode(static_cast<MENU_MODE>(7));
  Result<void> badMode = menu->SetMenu(root_, window_, MenuWindowRef());
  ASSERT_FALSE(badMode.IsOk());
  EXPECT_EQ(badMode.GetError().GetMessage(), "menu mode not supported");
  CommandGroupWidgetRef group = test::NewObject<CommandGroupWidgetInterface>(kCommandGroupWidgetClassId);
  Result<void> empty = group->SetCommands({}, {}, {});
  ASSERT_FALSE(empty.IsOk());
  EXPECT_EQ(empty.GetError().GetMessage(), "Command list is empty");
  EXPECT_EQ(group->GetCountY(), 0);
}

TEST_F(MenuWidgetTest, HoverHighlightsARowAndAClickRunsItsCommandThenClosesTheMenu) {
  Entry("Cut");
  Entry("Copy");
  OpenPopup();
  Ref<AppWindow> popup = Popup();
  ASSERT_TRUE(popup->IsOpen());
  EXPECT_EQ(popup->GetHostCanvas()->GetOsWindow()->GetParent(), window_->GetHostCanvas()->GetOsWindow());
  EXPECT_EQ(popup->GetCanvas()->GetWindowFrame().left, 260);
  EXPECT_EQ(popup->GetCanvas()->GetWindowFrame().top, 150);
  Update(*popup);
  CommandMenuItemWidgetRef copy = Row(PopupMenu(), 0, 1);
  EventDriver driver(*popup);
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*copy)).IsOk());
  EXPECT_TRUE(copy->GetBackgroundVisibility());
  EXPECT_FALSE(Row(PopupMenu(), 0, 0)->GetBackgroundVisibility());
  EXPECT_EQ(dynamic_cast<MenuWidgetImpl&>(*PopupMenu()).GetHoverRow().Get(), copy.Get());
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*Row(PopupMenu(), 0, 0))).IsOk());
  EXPECT_FALSE(copy->GetBackgroundVisibility()) << "leaving a row clears it";

  ASSERT_TRUE(driver.Click(*copy).IsOk());
  // The command runs while the menu is open; the menu closes after it.
  EXPECT_EQ(told_, std::vector<std::string>{"Copy open"});
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(top_->GetMenuWindowOpen());
}

TEST_F(MenuWidgetTest, ADisabledRowRunsNothing) {
  Entry("Paste");
  OpenPopup();
  window_->GetCommand(Id("test.menu.Paste"))->SetEnabled(false);
  ASSERT_TRUE(top_->OpenSubMenuWindow({260, 150}, root_, window_).IsOk());
  CommandMenuItemWidgetRef paste = Row(PopupMenu(), 0, 0);
  EventDriver driver(*Popup());
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*paste)).IsOk());
  EXPECT_FALSE(paste->GetBackgroundVisibility());
  ASSERT_TRUE(driver.Click(*paste).IsOk());
  EXPECT_TRUE(told_.empty());
  EXPECT_TRUE(Popup()->IsOpen());
}

TEST_F(MenuWidgetTest, AFolderOpensItsSubMenuOnHoverAndAnotherRowClosesIt) {
  Entry("New");
  CommandMenuItemRef recent = *root_->AddFolder("Recent");
  CommandMenuItemRef older = *root_->AddFolder("Older", recent);
  Entry("one", recent);
  Entry("two", older);
  OpenPopup();
  MenuWidgetRef menu = PopupMenu();
  EventDriver driver(*Popup());
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*Row(menu, 0, 1))).IsOk());
  ASSERT_TRUE(menu->GetMenuWindowOpen());
  MenuWidgetRef sub = WindowOf(menu).GetMenuWidget();
  EXPECT_EQ(WindowOf(menu).GetParentMenuWidget().Get(), menu.Get());
  EXPECT_EQ(Row(sub, 0, 0)->GetCommandMenuItem()->GetText(), "Older");
  // Beside its row.
  const Rect row = Row(menu, 0, 1)->GetGlobalFrame();
  EXPECT_EQ(WindowOf(menu).GetCanvas()->GetWindowFrame().left, 260 + row.right);

  EventDriver inSub(*WindowOf(menu).GetPopupWindow());
  ASSERT_TRUE(inSub.Move(EventDriver::CenterOf(*Row(sub, 0, 0))).IsOk());
  ASSERT_TRUE(sub->GetMenuWindowOpen());
  MenuWidgetRef subSub = WindowOf(sub).GetMenuWidget();
  const Vector2d inSubSub = EventDriver::CenterOf(*Row(subSub, 0, 0));
  const Vector2d screen = WindowOf(sub).GetCanvas()->GlobalToScreenPosition(inSubSub);
  EXPECT_TRUE(top_->MenuHit(screen)) << "the top menu answers for its whole chain";
  EXPECT_FALSE(top_->MenuHit({5, 5}));

  // Picking in the innermost menu closes the whole chain.
  ASSERT_TRUE(EventDriver(*WindowOf(sub).GetPopupWindow()).Click(*Row(subSub, 0, 0)).IsOk());
  EXPECT_EQ(told_, std::vector<std::string>{"two open"});
  EXPECT_FALSE(top_->GetMenuWindowOpen());

  OpenPopup();
  menu = PopupMenu();
  EventDriver again(*Popup());
  ASSERT_TRUE(again.Move(EventDriver::CenterOf(*Row(menu, 0, 1))).IsOk());
  Ref<AppWindow> subWindow = WindowOf(menu).GetPopupWindow();
  ASSERT_TRUE(again.Move(EventDriver::CenterOf(*Row(menu, 0, 0))).IsOk());
  EXPECT_FALSE(menu->GetMenuWindowOpen());
  EXPECT_FALSE(subWindow->IsOpen());
}

TEST_F(MenuWidgetTest, EscapeAndAnOutsideClickClose) {
  CommandMenuItemRef more = *root_->AddFolder("More");
  Entry("deep", more);
  OpenPopup();
  MenuWidgetRef menu = PopupMenu();
  EventDriver driver(*Popup());
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*Row(menu, 0, 0))).IsOk());
  Ref<AppWindow> subWindow = WindowOf(menu).GetPopupWindow();
  // Escape in the sub-menu closes that window only.
  ASSERT_TRUE(EventDriver(*subWindow).KeyDown(KEY::ESCAPE).IsOk());
  EXPECT_FALSE(subWindow->IsOpen());
  EXPECT_FALSE(menu->GetMenuWindowOpen());
  EXPECT_TRUE(Popup()->IsOpen());
  ASSERT_TRUE(driver.KeyDown(KEY::ESCAPE).IsOk());
  EXPECT_FALSE(top_->GetMenuWindowOpen());

  OpenPopup();
  Ref<AppWindow> popup = Popup();
  popup->GetHostCanvas()->GetOsWindow()->RequestClose();  // a click outside
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(top_->GetMenuWindowOpen()) << "the menu lets go of a window closed from outside";
  EXPECT_TRUE(told_.empty());
}

TEST_F(MenuWidgetTest, GoldenOpenMenuWithTheHoveredRow) {
  Entry("Undo");
  Entry("Redo");
  Separator();
  Entry("Cut");
  Entry("Copy");
  window_->GetCommand(Id("test.menu.Redo"))->SetEnabled(false);
  CommandMenuItemRef more = *root_->AddFolder("More");
  Entry("deep", more);
  OpenPopup();
  Ref<AppWindow> popup = Popup();
  EventDriver driver(*popup);
  ASSERT_TRUE(driver.Move(EventDriver::CenterOf(*Row(PopupMenu(), 1, 1))).IsOk());
  Update(*popup);
  test::ExpectMatchesGolden(popup->GetHostCanvas()->GetOsWindow()->GetSurface(), "menu_open_hover");
}

}  // namespace
}  // namespace zarvo
