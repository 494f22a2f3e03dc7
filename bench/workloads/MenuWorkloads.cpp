// The menu family's workloads: dropping down a cycle widget's list, opening a popup menu.
#include <memory>
#include <string>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/CycleTextWidgetAdapterInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/widgets_menu/CycleDropdownWindowImpl.h"
#include "source/widgets_menu/CycleWidgetImpl.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"

namespace zarvo::bench {

namespace {

constexpr Vector2d kCyclePosition{40.0, 40.0};
constexpr Float kCycleWidth = 200.0;

// Opens the drop-down list of a cycle widget of n text items (building, laying out and drawing
// the list in its popup window) and picks the second item, which closes it again.
Result<Prepared> PrepareDropdown(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY_ASSIGN(CycleTextWidgetAdapterRef adapter,
                CreateObject<CycleTextWidgetAdapterInterface>(Id(kCycleTextWidgetAdapterClassId)));
  for (int64_t i = 0; i < n; ++i) ZV_TRY(adapter->AppendItem("Item " + std::to_string(i)));
  ZV_TRY_ASSIGN(CycleWidgetRef cycle, CreateObject<CycleWidgetInterface>(Id(kCycleWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(cycle));
  cycle->SetLocalPosition(kCyclePosition);
  ZV_TRY(cycle->SetAdapter(adapter));
  ZV_TRY(window->Update());
  ZV_TRY(cycle->SetLocalSize(kCycleWidth, cycle->GetLocalPixSize().y));
  auto picks = std::make_shared<int64_t>(0);
  cycle->ObservableItemChanged()->AddObserver([picks](const CycleWidgetRef&, Int) -> Result<void> {
    ++*picks;
    return Ok();
  });
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, cycle]() -> Result<void> {
    ZV_TRY(cycle->SetDropdownWindowOpen(true));
    auto& impl = dynamic_cast<CycleWidgetImpl&>(*cycle);
    auto& dropdown = dynamic_cast<CycleDropdownWindowImpl&>(*impl.GetDropdownWindow());
    Ref<AppWindow> popup = dropdown.GetPopupWindow();
    ZV_TRY(popup->Update());
    ZV_TRY_ASSIGN(CellWidgetRef row, dropdown.GetListTable()->GetCell(0, 1));
    const Rect frame = row->GetGlobalFrame();
    const Vector2d center{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    // The press selects; the list is closed before a release could reach it.
    ZV_TRY(popup->GetAppWidget()->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DOWN, center, BUTTON::LEFT)));
    return Ok();
  };
  prepared.check = [picks, cycle] { return *picks > 0 && cycle->GetItem() == 1; };
  return prepared;
}

constexpr Vector2d kMenuPosition{100.0, 80.0};

// Opens a popup menu of n commands (building, laying out and drawing it in its window) and
// closes it again with Escape.
Result<Prepared> PrepareMenuOpen(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY_ASSIGN(RootMenuItemRef root, CreateObject<RootMenuItemInterface>(Id(kRootMenuItemClassId)));
  for (int64_t i = 0; i < n; ++i) {
    if (i > 0 && i % 10 == 0) ZV_TRY(root->AddSeparator());
    const std::string name = "Command " + std::to_string(i);
    Ref<Command> command = Command::Create(Id("bench.menu." + std::to_string(i)), name);
    window->AddCommand(command);
    ZV_TRY(root->AddCommand(command));
  }
  ZV_TRY_ASSIGN(MenuWidgetRef menu, CreateObject<MenuWidgetInterface>(Id(kMenuWidgetClassId)));
  ZV_TRY(menu->CreateLayout());
  auto closed = std::make_shared<int64_t>(0);
  Prepared prepared;
  prepared.items = n;
  prepared.run = [window, menu, root, closed]() -> Result<void> {
    ZV_TRY(menu->OpenSubMenuWindow(kMenuPosition, root, window));
    auto& sub = dynamic_cast<MenuWindowImpl&>(*dynamic_cast<MenuWidgetImpl&>(*menu).GetSubMenuWindow());
    Ref<AppWindow> popup = sub.GetPopupWindow();
    ZV_TRY(popup->Update());
    ZV_TRY(popup->GetAppWidget()->DispatchEvent(MakeKeyEvent(EVENT::KEYBOARD_KEY_DOWN, KEY::ESCAPE)));
    if (!popup->IsOpen() && !menu->GetMenuWindowOpen()) ++*closed;
    return Ok();
  };
  prepared.check = [closed] { return *closed > 0; };
  return prepared;
}

const WorkloadRegistration kMenuWorkloads({{"dropdown", {20, 200, 1000}, &PrepareDropdown},
                                           {"menu_open", {30}, &PrepareMenuOpen}},
                                          {{"dropdown", Target::Kind::kNsPerItem, 200, 20000.0, 0, ""},
                                           // Opening a 1,000-entry list, first layout and paint.
                                           {"dropdown", Target::Kind::kTotalMs, 1000, 5.0, 0, ""},
                                           {"menu_open", Target::Kind::kNsPerItem, 30, 50000.0, 0, ""},
                                           {"menu_open", Target::Kind::kTotalMs, 30, 1.0, 0, ""}});

}  // namespace

}  // namespace zarvo::bench
