// Hostile or broken input to the menu family: an adapter that claims more items than it has, a
// menu entry whose command the window no longer knows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/widgets_menu/CycleTextWidgetAdapterImpl.h"
#include "source/widgets_menu/CycleWidgetImpl.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

// Reports two items more than it holds, so that the last indices it hands out are out of range.
class OvercountingAdapter : public CycleTextWidgetAdapterImpl {
 public:
  Int GetCount() const override { return CycleTextWidgetAdapterImpl::GetCount() + 2; }
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& cell) override {
    if (index >= CycleTextWidgetAdapterImpl::GetCount()) return OutOfRangeError("Index out of range");
    return CycleTextWidgetAdapterImpl::GetItemWidget(index, cell);
  }
};

// Menu windows that are open; with `shownOnly` only those on screen.
size_t MenuWindowCount(bool shownOnly) {
  size_t count = 0;
  for (const OsWindow* os : WindowSystem::Get().GetWindows()) {
    if (os->GetWindowClass() != WindowClass::WindowMenu() || os->IsClosed()) continue;
    if (!shownOnly || os->IsShown()) ++count;
  }
  return count;
}

TEST(MenuBadInputTest, AnAdapterReportingAnIndexOutOfRangeFailsTheDropDownAndOpensNothing) {
  Ref<AppWindow> window = test::OpenTestWindow(WindowClass::Window(), Rect{200, 100, 520, 340});
  Ref<OvercountingAdapter> adapter = MakeRef<OvercountingAdapter>();
  ASSERT_TRUE(adapter->AppendItem("one").IsOk());
  ASSERT_TRUE(adapter->AppendItem("two").IsOk());
  EXPECT_FALSE(adapter->GetItemWidget(3, WidgetRef()).IsOk()) << "the adapter refuses an index it does not hold";
  CycleWidgetRef cycle = test::NewObject<CycleWidgetInterface>(kCycleWidgetClassId);
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(cycle).IsOk());
  ASSERT_TRUE(cycle->SetAdapter(CycleWidgetAdapterRef(adapter)).IsOk());
  const size_t before = MenuWindowCount(false);
  const size_t shownBefore = MenuWindowCount(true);
  // Measuring the items for the button's width meets the bad index first.
  EXPECT_FALSE(window->Update().IsOk());
  Result<void> opened = cycle->SetDropdownWindowOpen(true);
  EXPECT_FALSE(opened.IsOk()) << "the build stops at the first bad item";
  EXPECT_EQ(MenuWindowCount(true), shownBefore) << "no list window is left showing";
  EXPECT_TRUE(cycle->SetDropdownWindowOpen(false).IsOk());
  EXPECT_EQ(MenuWindowCount(false), before) << "closing releases the half-built list";
  EXPECT_EQ(cycle->GetItem(), 0);
}

TEST(MenuBadInputTest, AnEntryWhoseCommandIsGoneReportsItAndRunsNothing) {
  Ref<AppWindow> window = test::OpenTestWindow(WindowClass::Window(), Rect{200, 100, 520, 340});
  std::vector<std::string> told;
  Ref<Command> save = Command::Create(Id("test.bad.save"), "Save", [&](const DataDictionary&) {
    told.push_back("save");
    return Result<void>(Ok());
  });
  window->AddCommand(save);
  RootMenuItemRef root = test::NewObject<RootMenuItemInterface>(kRootMenuItemClassId);
  ASSERT_TRUE(root->AddCommand(CommandRef(save)).IsOk());
  MenuWidgetRef top = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
  ASSERT_TRUE(top->CreateLayout().IsOk());
  ASSERT_TRUE(top->OpenSubMenuWindow({260, 150}, root, window).IsOk());
  MenuWindowRef subRef = dynamic_cast<MenuWidgetImpl&>(*top).GetSubMenuWindow();
  auto& sub = dynamic_cast<MenuWindowImpl&>(*subRef);
  const Ref<AppWindow> popup = sub.GetPopupWindow();
  Result<CellWidgetRef> groupCell = sub.GetMenuWidget()->GetCell(0, 0);
  ASSERT_TRUE(groupCell.IsOk());
  auto group = Cast<CommandGroupWidgetInterface>(WidgetRef((*groupCell)->GetFirstChildWidget()));
  ASSERT_TRUE(group);
  Result<CellWidgetRef> rowCell = group->GetCell(0, 0);
  ASSERT_TRUE(rowCell.IsOk());

  // The application drops the command while its menu is open.
  ASSERT_TRUE(window->RemoveCommand(Id("test.bad.save")));
  Result<bool> clicked = EventDriver(*sub.GetPopupWindow()).Click(*(*rowCell)->GetFirstChildWidget());
  ASSERT_FALSE(clicked.IsOk()) << "the window's answer comes back to the caller";
  EXPECT_EQ(clicked.GetError().GetMessage(), "No handler for command 'test.bad.save'");
  EXPECT_TRUE(told.empty());
  EXPECT_TRUE(top->CloseSubMenuWindow(true).IsOk());
  EXPECT_FALSE(popup->IsOpen());
}

}  // namespace
}  // namespace zarvo
