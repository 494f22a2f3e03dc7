// Menus and the cycle drop-down in real windows: the real pointer (XTest) opens a bar menu and
// a fly-out in windows of their own, picks an entry, and every menu window goes away again.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/backend/sdl/SdlWindowSystem.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/CommandInterface.h"
#include "host/ui/EventDriver.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/interfaces/CycleTextWidgetAdapterInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/TextButtonWidgetInterface.h"
#include "source/widgets_menu/CycleDropdownWindowImpl.h"
#include "source/widgets_menu/CycleWidgetImpl.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"
#include "tests/backend/RealWindowTest.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

const Rect kWindowFrame{120, 120, 520, 400};

using test::ChildOfCell;

// The pixel at a widget's middle: the pointer reports whole pixels.
Vector2d CentreOf(const WidgetInterface& widget) {
  const Vector2d centre = EventDriver::CenterOf(widget);
  return {std::floor(centre.x), std::floor(centre.y)};
}

class MenuRealWindowTest : public test::RealWindowTest {
 protected:
  void SetUp() override {
    RealWindowTest::SetUp();
    if (IsSkipped()) return;
    window_ = test::NewObject<Desktop2dWindowInterface>(kDesktop2dWindowClassId);
    ASSERT_TRUE(window_);
    ASSERT_TRUE(window_->CreateWindow(kWindowFrame, "MenuRealWindowTest").IsOk());
    ASSERT_TRUE(Host().Open().IsOk());
    RecordEvents(Host());
  }
  void TearDown() override {
    // The window goes before the window system it lives in.
    if (window_) (void)Host().Close();
    window_ = Desktop2dWindowRef();
    RealWindowTest::TearDown();
  }
  AppWindow& Host() const { return *dynamic_cast<Desktop2dWindowImpl&>(*window_).GetHostWindow(); }
  // A command the window answers, as a presenter's would: running it is logged.
  CommandRef AddCommand(const std::string& name) {
    Ref<Command> command = Command::Create(Id("test.real." + name), name, [this, name](const DataDictionary&) {
      told_.push_back(name);
      return Result<void>(Ok());
    });
    Host().AddCommand(command);
    return command;
  }
  static size_t MenuWindowCount() {
    size_t count = 0;
    for (const OsWindow* os : WindowSystem::Get().GetWindows()) {
      if (os->GetWindowClass() == WindowClass::WindowMenu() && !os->IsClosed()) ++count;
    }
    return count;
  }
  static MenuWindowImpl* SubWindowOf(const MenuWidgetRef& menu) {
    if (!menu) return nullptr;
    return dynamic_cast<MenuWindowImpl*>(dynamic_cast<MenuWidgetImpl&>(*menu).GetSubMenuWindow().Get());
  }
  static CommandMenuItemWidgetRef Row(const MenuWidgetRef& menu, Int row) {
    CommandGroupWidgetRef block = ChildOfCell<CommandGroupWidgetInterface>(*menu, 0, 0);
    return block ? ChildOfCell<CommandMenuItemWidgetInterface>(*block, 0, row) : CommandMenuItemWidgetRef();
  }
  void Click() {
    Button(1, true);
    Button(1, false);
  }

  Desktop2dWindowRef window_;
  std::vector<std::string> told_;
};

TEST_F(MenuRealWindowTest, TheRealPointerOpensABarMenuAndAFlyOutAndPicksAnEntry) {
  RootMenuItemRef root = test::NewObject<RootMenuItemInterface>(kRootMenuItemClassId);
  Result<CommandMenuItemRef> file = root->AddFolder("File");
  ASSERT_TRUE(file.IsOk());
  ASSERT_TRUE(root->AddCommand(AddCommand("new"), *file).IsOk());
  Result<CommandMenuItemRef> recent = root->AddFolder("Recent", *file);
  ASSERT_TRUE(recent.IsOk());
  ASSERT_TRUE(root->AddCommand(AddCommand("report"), *recent).IsOk());
  ASSERT_TRUE(root->AddCommand(AddCommand("notes"), *recent).IsOk());

  MenuWidgetRef bar = test::NewObject<MenuWidgetInterface>(kMenuWidgetClassId);
  ASSERT_TRUE(bar->CreateLayout().IsOk());
  ASSERT_TRUE(Host().GetAppWidget()->InsertChildLast(bar).IsOk());
  ASSERT_TRUE(bar->SetMenu(root, window_, MenuWindowRef()).IsOk());
  ASSERT_TRUE(Host().Update().IsOk());
  TextButtonWidgetRef fileEntry = ChildOfCell<TextButtonWidgetInterface>(*bar, 0, 0);
  ASSERT_TRUE(fileEntry);

  // The bar's entry, pressed with the real pointer, drops its menu down in a window of its own.
  ASSERT_TRUE(PointAt(Host(), CentreOf(*fileEntry)));
  Click();
  ASSERT_TRUE(PumpUntil([&] { return SubWindowOf(bar) != nullptr && MenuWindowCount() == 1; }));
  MenuWindowImpl* fileWindow = SubWindowOf(bar);
  AppWindow& filePopup = *fileWindow->GetPopupWindow();
  RecordEvents(filePopup);
  EXPECT_EQ(filePopup.GetHostCanvas()->GetOsWindow()->GetWindowClass(), WindowClass::WindowMenu());

  // Onto the folder row: its fly-out opens beside it.
  CommandMenuItemWidgetRef recentRow = Row(fileWindow->GetMenuWidget(), 1);
  ASSERT_TRUE(recentRow);
  ASSERT_TRUE(PointAt(filePopup, CentreOf(*recentRow)));
  ASSERT_TRUE(PumpUntil([&] { return SubWindowOf(fileWindow->GetMenuWidget()) != nullptr; }));
  MenuWindowImpl* recentWindow = SubWindowOf(fileWindow->GetMenuWidget());
  AppWindow& recentPopup = *recentWindow->GetPopupWindow();
  RecordEvents(recentPopup);
  EXPECT_EQ(MenuWindowCount(), 2u);
  SaveScreenshot(Host(), "menu_real_flyout_open");

  // Into the fly-out, onto its second entry, and a click.
  CommandMenuItemWidgetRef notesRow = Row(recentWindow->GetMenuWidget(), 1);
  ASSERT_TRUE(notesRow);
  ASSERT_TRUE(PointAt(recentPopup, CentreOf(*notesRow)));
  EXPECT_EQ(MenuWindowCount(), 2u) << "moving into the fly-out keeps it open";
  Click();
  ASSERT_TRUE(PumpUntil([&] { return !told_.empty(); }));
  EXPECT_EQ(told_, std::vector<std::string>{"notes"});
  ASSERT_TRUE(PumpUntil([&] { return MenuWindowCount() == 0; })) << "every menu window is gone";
  EXPECT_FALSE(bar->GetMenuWindowOpen());
}

TEST_F(MenuRealWindowTest, TheCycleDropDownOpensInARealWindowAndAPickClosesIt) {
  CycleTextWidgetAdapterRef adapter =
      test::NewObject<CycleTextWidgetAdapterInterface>(kCycleTextWidgetAdapterClassId);
  for (const char* text : {"Linear", "Smooth", "Step"}) ASSERT_TRUE(adapter->AppendItem(text).IsOk());
  CycleWidgetRef cycle = test::NewObject<CycleWidgetInterface>(kCycleWidgetClassId);
  ASSERT_TRUE(Host().GetAppWidget()->InsertChildLast(cycle).IsOk());
  cycle->SetLocalPosition({40, 60});
  ASSERT_TRUE(cycle->SetAdapter(adapter).IsOk());
  std::vector<Int> picked;
  cycle->ObservableItemChanged()->AddObserver([&](const CycleWidgetRef&, Int id) -> Result<void> {
    picked.push_back(id);
    return Ok();
  });
  ASSERT_TRUE(Host().Update().IsOk());

  ASSERT_TRUE(PointAt(Host(), CentreOf(*cycle)));
  Click();
  auto& impl = dynamic_cast<CycleWidgetImpl&>(*cycle);
  ASSERT_TRUE(PumpUntil([&] { return impl.GetDropdownWindow() && MenuWindowCount() == 1; }));
  auto* dropdown = dynamic_cast<CycleDropdownWindowImpl*>(impl.GetDropdownWindow().Get());
  ASSERT_TRUE(dropdown);
  AppWindow& list = *dropdown->GetPopupWindow();
  RecordEvents(list);
  Result<CellWidgetRef> row = dropdown->GetListTable()->GetCell(0, 2);
  ASSERT_TRUE(row.IsOk() && *row);
  ASSERT_TRUE(PointAt(list, CentreOf(*(*row)->GetFirstChildWidget())));
  SaveScreenshot(Host(), "cycle_real_dropdown_open");
  Click();
  ASSERT_TRUE(PumpUntil([&] { return !picked.empty(); }));
  EXPECT_EQ(picked, std::vector<Int>{2});
  EXPECT_EQ(cycle->GetItem(), 2);
  ASSERT_TRUE(PumpUntil([&] { return MenuWindowCount() == 0; })) << "the drop-down window is gone";
}

}  // namespace
}  // namespace zarvo
