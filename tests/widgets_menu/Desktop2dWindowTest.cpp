#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

class Desktop2dWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = test::NewObject<Desktop2dWindowInterface>(kDesktop2dWindowClassId);
    ASSERT_TRUE(window_);
    ASSERT_TRUE(window_->CreateWindow(Rect{100, 100, 500, 400}, "Desktop").IsOk());
    ASSERT_TRUE(Impl().GetHostWindow()->Open().IsOk());
  }
  Desktop2dWindowImpl& Impl() const { return dynamic_cast<Desktop2dWindowImpl&>(*window_); }
  // The popup window of the open popup menu, or empty.
  Ref<AppWindow> PopupWindow() const {
    const MenuWidgetRef& menu = Impl().GetPopupMenuWidget();
    if (!menu) return Ref<AppWindow>();
    const MenuWindowRef& sub = dynamic_cast<MenuWidgetImpl&>(*menu).GetSubMenuWindow();
    return sub ? dynamic_cast<MenuWindowImpl&>(*sub).GetPopupWindow() : Ref<AppWindow>();
  }
  void FillMenu() {
    Ref<Command> save = Command::Create(Id("test.desktop.save"), "Save", [this](const DataDictionary&) {
      told_.push_back("save");
      return Result<void>(Ok());
    });
    Impl().GetHostWindow()->AddCommand(save);
    RootMenuItemRef root = window_->GetPopupMenuRoot();
    Result<CommandMenuItemRef> file = root->AddFolder("File");
    ASSERT_TRUE(file.IsOk());
    ASSERT_TRUE(root->AddCommand(Id("test.desktop.save"), *Impl().GetHostWindow(), *file).IsOk());
  }

  Desktop2dWindowRef window_;
  std::vector<std::string> told_;
};

TEST_F(Desktop2dWindowTest, TheClassIsMadeByIdInTheRegistryWithAnEmptyPopupRoot) {
  Result<Id> registry = ClassRegistry::Get().GetClassRegistry(Id(kDesktop2dWindowClassId));
  ASSERT_TRUE(registry.IsOk());
  EXPECT_EQ(*registry, Id("net.zarvo.mvp.registry"));
  ASSERT_TRUE(window_->GetPopupMenuRoot());
  EXPECT_TRUE(window_->OpenPopupMenu({150, 150}).IsOk()) << "an empty root opens nothing";
  EXPECT_FALSE(Impl().GetPopupMenuWidget());
  EXPECT_TRUE(window_->ClosePopupMenu().IsOk()) << "closing without a menu changes nothing";
}

TEST_F(Desktop2dWindowTest, APopupEntryRunsItsCommandThroughTheWindow) {
  FillMenu();
  ASSERT_TRUE(window_->OpenPopupMenu({150, 150}).IsOk());
  Ref<AppWindow> popup = PopupWindow();
  ASSERT_TRUE(popup && popup->IsOpen());
  auto& menu = dynamic_cast<MenuWindowImpl&>(
      *dynamic_cast<MenuWidgetImpl&>(*Impl().GetPopupMenuWidget()).GetSubMenuWindow());
  Result<CellWidgetRef> groupCell = menu.GetMenuWidget()->GetCell(0, 0);
  ASSERT_TRUE(groupCell.IsOk());
  auto group = Cast<CommandGroupWidgetInterface>(WidgetRef((*groupCell)->GetFirstChildWidget()));
  ASSERT_TRUE(group);
  Result<CellWidgetRef> rowCell = group->GetCell(0, 0);
  ASSERT_TRUE(rowCell.IsOk());
  ASSERT_TRUE(EventDriver(*popup).Click(*(*rowCell)->GetFirstChildWidget()).IsOk());
  EXPECT_EQ(told_, std::vector<std::string>{"save"});
  EXPECT_FALSE(popup->IsOpen());
}

TEST_F(Desktop2dWindowTest, RequestedClosesHappenOnceAtTheNextRedraw) {
  FillMenu();
  ASSERT_TRUE(window_->OpenPopupMenu({150, 150}).IsOk());
  Ref<AppWindow> popup = PopupWindow();
  window_->RequestCloseMenu();
  window_->RequestCloseMenu();
  EXPECT_TRUE(popup->IsOpen()) << "nothing closes before the redraw";
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_FALSE(Impl().GetPopupMenuWidget());
  // Opening again closes the old menu first.
  ASSERT_TRUE(window_->OpenPopupMenu({150, 150}).IsOk());
  Ref<AppWindow> first = PopupWindow();
  ASSERT_TRUE(window_->OpenPopupMenu({160, 160}).IsOk());
  EXPECT_FALSE(first->IsOpen());
  EXPECT_TRUE(PopupWindow()->IsOpen());
  ASSERT_TRUE(window_->Update().IsOk());
  EXPECT_TRUE(PopupWindow()->IsOpen()) << "a redraw without a request leaves the menu open";
}

}  // namespace
}  // namespace zarvo
