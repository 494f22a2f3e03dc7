#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "host/ui/EventKeys.h"
#include "host/ui/ModalDialogs.h"
#include "host/ui/OsWindow.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

using test::ChildOfCell;

// Sub-menus through the host's popup-menu dialog ("g_mvp_menu" false): a modal popup whose
// choice the menu runs through its command window.
class PopupMenuDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ConfigDatabase::Get().SetValue("g_mvp_menu", "false").IsOk());
    window_ = test::OpenTestWindow(WindowClass::Window(), Rect{200, 100, 520, 340});
    ASSERT_TRUE(window_);
    baseline_ = AppWindow::GetOpenWindows().size();
    root_ = test::NewObject<RootMenuItemInterface>(kRootMenuItemClassId);
    menu_ = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
    ASSERT_TRUE(root_ && menu_ && menu_->CreateLayout().IsOk());
  }
  void TearDown() override {
    if (window_) {
      EXPECT_TRUE(window_->Close().IsOk());
    }
    ASSERT_TRUE(ConfigDatabase::Get().SetValue("g_mvp_menu", "true").IsOk());
    GetMainThreadQueue().Clear();
  }

  CommandMenuItemRef Entry(const std::string& name, const MenuItemRef& under = {}) {
    Ref<Command> command = Command::Create(Id("test.popup." + name), name, [this, name](const DataDictionary&) {
      told_.push_back(name);
      return Result<void>(Ok());
    });
    window_->AddCommand(command);
    Result<CommandMenuItemRef> item = root_->AddCommand(command, under);
    EXPECT_TRUE(item.IsOk()) << item.GetError().ToString();
    return item.IsOk() ? *item : CommandMenuItemRef();
  }

  // The newest open window: the dialog's popup, or a fly-out of it.
  static Ref<AppWindow> Newest() { return AppWindow::GetOpenWindows().back(); }
  static MenuWidgetRef MenuIn(AppWindow& popup) {
    return Cast<MenuWidgetInterface>(WidgetRef(popup.GetAppWidget()->GetFirstChildWidget()));
  }
  static CommandMenuItemWidgetRef Row(const MenuWidgetRef& menu, Int row) {
    CommandGroupWidgetRef block = ChildOfCell<CommandGroupWidgetInterface>(*menu, 0, 0);
    return block ? ChildOfCell<CommandMenuItemWidgetInterface>(*block, 0, row) : CommandMenuItemWidgetRef();
  }

  // Opens the root as a sub-menu while `during` plays inside the dialog's session.
  Result<void> OpenWith(std::function<void()> during) {
    GetMainThreadQueue().Enqueue([during = std::move(during)] { during(); });
    return menu_->OpenSubMenuWindow({260, 150}, root_, window_);
  }

  Ref<AppWindow> window_;
  RootMenuItemRef root_;
  MenuWidgetRef menu_;
  std::vector<std::string> told_;
  size_t baseline_ = 0;
};

TEST_F(PopupMenuDialogTest, AChosenEntryRunsItsCommandOnceAndNoMenuWindowStays) {
  Entry("Cut");
  Entry("Copy");
  size_t openDuring = 0;
  Result<void> opened = OpenWith([&] {
    Ref<AppWindow> popup = Newest();
    openDuring = AppWindow::GetOpenWindows().size();
    ASSERT_TRUE(popup->Update().IsOk());
    EXPECT_EQ(popup->GetCanvas()->GetWindowFrame().left, 260);
    EXPECT_TRUE(told_.empty()) << "the dialog itself runs nothing";
    ASSERT_TRUE(EventDriver(*popup).Click(*Row(MenuIn(*popup), 1)).IsOk());
  });
  ASSERT_TRUE(opened.IsOk()) << opened.GetError().ToString();
  EXPECT_EQ(openDuring, baseline_ + 1);
  EXPECT_EQ(told_, std::vector<std::string>{"Copy"});
  EXPECT_EQ(AppWindow::GetOpenWindows().size(), baseline_);
  EXPECT_FALSE(menu_->GetMenuWindowOpen()) << "the dialog is not a sub-menu window of the menu";
}

TEST_F(PopupMenuDialogTest, EscapeOrAnOutsideClickDismissesAndRunsNothing) {
  Entry("Paste");
  Result<void> escaped = OpenWith([] {
    Ref<AppWindow> popup = Newest();
    ASSERT_TRUE(popup->Update().IsOk());
    ASSERT_TRUE(EventDriver(*popup).KeyDown(KEY::ESCAPE).IsOk());
  });
  ASSERT_TRUE(escaped.IsOk()) << escaped.GetError().ToString();
  Result<void> outside = OpenWith([] { Newest()->GetHostCanvas()->GetOsWindow()->RequestClose(); });
  ASSERT_TRUE(outside.IsOk()) << outside.GetError().ToString();
  EXPECT_TRUE(told_.empty());
  EXPECT_EQ(AppWindow::GetOpenWindows().size(), baseline_);
}

TEST_F(PopupMenuDialogTest, AFolderInsideTheDialogOpensAFlyOutWhosePickEndsTheDialog) {
  Entry("New");
  CommandMenuItemRef recent = *root_->AddFolder("Recent");
  Entry("one", recent);
  window_->GetCommand(Id("test.popup.one"))->SetEnabled(true);
  Result<void> opened = OpenWith([] {
    Ref<AppWindow> popup = Newest();
    ASSERT_TRUE(popup->Update().IsOk());
    MenuWidgetRef menu = MenuIn(*popup);
    ASSERT_TRUE(EventDriver(*popup).Move(EventDriver::CenterOf(*Row(menu, 1))).IsOk());
    ASSERT_TRUE(menu->GetMenuWindowOpen()) << "inside the dialog, fly-outs are windows";
    Ref<AppWindow> flyOut = Newest();
    ASSERT_NE(flyOut.Get(), popup.Get());
    ASSERT_TRUE(flyOut->Update().IsOk());
    ASSERT_TRUE(EventDriver(*flyOut).Click(*Row(MenuIn(*flyOut), 0)).IsOk());
  });
  ASSERT_TRUE(opened.IsOk()) << opened.GetError().ToString();
  EXPECT_EQ(told_, std::vector<std::string>{"one"});
  EXPECT_EQ(AppWindow::GetOpenWindows().size(), baseline_);
}

TEST_F(PopupMenuDialogTest, BadSettingsGiveClearErrors) {
  DataDictionary results;
  DataDictionary unknown;
  unknown.Set(Id(kModalDialogTypeKey), static_cast<Int>(MODAL_DIALOG_TYPE::COMMANDER));
  Result<Bool> none = window_->OpenModalDialog(unknown, results);
  ASSERT_FALSE(none.IsOk());
  EXPECT_EQ(none.GetError().GetMessage(), "No modal dialog of type 4 is available");

  DataDictionary notAMenu;
  notAMenu.Set(Id(kModalDialogTypeKey), static_cast<Int>(MODAL_DIALOG_TYPE::POPUP_MENU));
  notAMenu.Set(Id(kPopupMenuPositionKey), Vector2d{10, 10});
  notAMenu.Set(Id(kPopupMenuItemKey), ObjectRef(window_));
  Result<Bool> refused = window_->OpenModalDialog(notAMenu, results);
  ASSERT_FALSE(refused.IsOk());
  EXPECT_EQ(refused.GetError().GetMessage(), "The popup menu needs a menu item");
  EXPECT_EQ(results.GetCount(), 0u);
  EXPECT_EQ(AppWindow::GetOpenWindows().size(), baseline_);
}

}  // namespace
}  // namespace zarvo
