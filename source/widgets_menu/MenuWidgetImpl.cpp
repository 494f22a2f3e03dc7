#include "source/widgets_menu/MenuWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/core/ConfigVariable.h"
#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/ModalDialogs.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/CommandButtonWidgetInterface.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/interfaces/MenuWindowInterface.h"
#include "source/interfaces/SeparatorMenuItemInterface.h"
#include "source/interfaces/SeparatorMenuItemWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_menu/MenuStyle.h"
#include "source/widgets_menu/MenuWindowImpl.h"

namespace zarvo {

namespace {
constexpr char kBarSeparatorText[] = "-----";

ConfigBool g_mvpMenu("g_mvp_menu",
                     "Open sub-menus in the menus' own windows; false hands them to the host's popup-menu dialog.",
                     true);

// Where a sub-menu of the widget opens on the screen: beside it, or below it for a bar entry.
Vector2d ScreenCornerOf(const WidgetInterface& widget, bool below) {
  const Rect frame = widget.GetGlobalFrame();
  const Vector2d corner = below ? Vector2d{frame.left, frame.bottom} : Vector2d{frame.right, frame.top};
  const CanvasInterface* canvas = widget.GetCanvas();
  return canvas ? canvas->GlobalToScreenPosition(corner) : corner;
}
// The menu widget a menu window shows.
MenuWidgetRef MenuOf(const MenuWindowInterface& window) {
  const auto* impl = dynamic_cast<const MenuWindowImpl*>(&window);
  return impl ? impl->GetMenuWidget() : MenuWidgetRef();
}
}  // namespace

Result<void> MenuWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("MenuWidget");
  SetAcceptFocus(true);
  SetFocusVisibility(false);
  return Ok();
}

Result<void> MenuWidgetImpl::SetMenu(const MenuItemRef& root, const AppWindowRef& commandWindow,
                                     const MenuWindowRef& hostWindow) {
  ZV_TRY(Resize(0, 0));
  // An empty table keeps its cells as children; a rebuild starts from none.
  RemoveAllChildren();
  if (!commandWindow) return NullReferenceError("missing commandWindow");
  root_ = root;
  commandWindow_ = commandWindow;
  parentMenuWindow_ = WeakRef<MenuWindowInterface>(hostWindow.Get());
  switch (mode_) {
    case MENU_MODE::DROPDOWN:
      ZV_TRY(BuildBar());
      break;
    case MENU_MODE::FLYOUT:
      ZV_TRY(BuildFlyout());
      break;
    default:
      return IllegalArgumentError("menu mode not supported");
  }
  RequestRedraw();
  return Ok();
}

void MenuWidgetImpl::RefreshCommands(MenuItemInterface* item) {
  for (MenuItemRef child = FirstMenuChild(item); child; child = NextMenuSibling(child.Get())) {
    if (auto entry = Cast<CommandMenuItemInterface>(child)) {
      if (CommandRef command = entry->GetCommand()) {
        // A command the window does not know keeps the state it has.
        if (Result<CommandState> state = commandWindow_->QueryCommand(command->GetId()); state.IsOk()) {
          command->SetEnabled(state->enabled);
          command->SetChecked(state->checked);
        }
      }
    }
    RefreshCommands(child.Get());
  }
}

Result<void> MenuWidgetImpl::BuildBar() {
  Int count = 0;
  for (MenuItemRef child = FirstMenuChild(root_.Get()); child; child = NextMenuSibling(child.Get())) ++count;
  if (count == 0) return Ok();
  ZV_TRY(Resize(count, 1));
  const CanvasUnitValue entryPadding = ReadStyle(*this, kMenuBarEntryPadding);
  Int x = 0;
  for (MenuItemRef child = FirstMenuChild(root_.Get()); child; child = NextMenuSibling(child.Get()), ++x) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(x, 0));
    cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
    ZV_TRY(cell->SetHorizontalPadding(entryPadding));
    if (Cast<SeparatorMenuItemInterface>(child)) {
      ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
      ZV_TRY(text->CreateLayout());
      text->SetText(kBarSeparatorText);
      ZV_TRY(cell->InsertChildLast(text));
      continue;
    }
    auto entry = Cast<CommandMenuItemInterface>(child);
    if (!entry) continue;
    if (const CommandRef command = entry->GetCommand()) {
      ZV_TRY_ASSIGN(CommandButtonWidgetRef button,
                    CreateObject<CommandButtonWidgetInterface>(Id(kCommandButtonWidgetClassId)));
      ZV_TRY(button->CreateLayout());
      button->SetBackgroundVisibility(false);
      button->SetBorderVisibility(false);
      button->SetAcceptFocus(false);
      ZV_TRY(button->SetCommand(command));
      ZV_TRY(cell->InsertChildLast(button));
      continue;
    }
    ZV_TRY_ASSIGN(TextButtonWidgetRef button, CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
    ZV_TRY(button->CreateLayout());
    ZV_TRY_ASSIGN(TextWidgetRef label, button->GetTextWidget());
    label->SetText(entry->GetText());
    button->SetAcceptFocus(false);
    ZV_TRY(cell->InsertChildLast(button));
    // A folder of the bar drops its entries down below it when pressed.
    button->ObservableButtonUp()->AddObserver(
        this, [this, folder = MenuItemRef(child)](const ButtonWidgetRef& pressed) -> Result<void> {
          if (subMenuOpen_ && subMenuItem_ == folder) return CloseSubMenuWindow(true);
          return OpenSubMenuWindow(ScreenCornerOf(*pressed, true), folder, commandWindow_);
        });
  }
  return Ok();
}

Result<void> MenuWidgetImpl::BuildFlyout() {
  RefreshCommands(root_.Get());
  std::vector<std::vector<CommandMenuItemRef>> groups(1);
  for (MenuItemRef child = FirstMenuChild(root_.Get()); child; child = NextMenuSibling(child.Get())) {
    if (Cast<SeparatorMenuItemInterface>(child)) {
      // A run of separators, or one at either end, splits nothing.
      if (!groups.back().empty()) groups.emplace_back();
    } else if (auto entry = Cast<CommandMenuItemInterface>(child)) {
      groups.back().push_back(entry);
    }
  }
  if (groups.back().empty()) groups.pop_back();
  if (groups.empty()) return Ok();

  const WeakRef<MenuWidgetInterface> self(this);
  const MenuItemCursorHandler begin = [self](const MenuItemWidgetRef& row) -> Result<void> {
    Ref<MenuWidgetInterface> menu = self.Lock();
    return menu ? dynamic_cast<MenuWidgetImpl&>(*menu).HandleRowEntered(row) : Ok();
  };
  const MenuItemCursorHandler end = [self](const MenuItemWidgetRef& row) -> Result<void> {
    Ref<MenuWidgetInterface> menu = self.Lock();
    if (!menu) return Ok();
    auto& impl = dynamic_cast<MenuWidgetImpl&>(*menu);
    if (impl.hoverRow_.GetUnsafe() == row.Get()) impl.hoverRow_ = WeakRef<MenuItemWidgetInterface>();
    return Ok();
  };

  const Int rows = static_cast<Int>(2 * groups.size() - 1);
  ZV_TRY(Resize(1, rows));
  for (Int y = 0; y < rows; ++y) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, GetCell(0, y));
    cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
    if (y % 2 == 0) {
      ZV_TRY_ASSIGN(CommandGroupWidgetRef group,
                    CreateObject<CommandGroupWidgetInterface>(Id(kCommandGroupWidgetClassId)));
      ZV_TRY(group->CreateLayout());
      ZV_TRY(group->SetCommands(groups[static_cast<size_t>(y / 2)], begin, end));
      ZV_TRY(cell->InsertChildLast(group));
    } else {
      ZV_TRY_ASSIGN(SeparatorMenuItemWidgetRef separator,
                    CreateObject<SeparatorMenuItemWidgetInterface>(Id(kSeparatorMenuItemWidgetClassId)));
      ZV_TRY(separator->CreateLayout());
      separator->ObservableHandleCursorInfoBegin()->AddObserver(begin);
      separator->ObservableHandleCursorInfoEnd()->AddObserver(end);
      ZV_TRY(cell->InsertChildLast(separator));
    }
  }
  return Ok();
}

Result<void> MenuWidgetImpl::HandleRowEntered(const MenuItemWidgetRef& row) {
  hoverRow_ = WeakRef<MenuItemWidgetInterface>(row.Get());
  auto commandRow = Cast<CommandMenuItemWidgetInterface>(row);
  const CommandMenuItemRef item = commandRow ? commandRow->GetCommandMenuItem() : CommandMenuItemRef();
  const bool folder = item && !item->GetCommand() && FirstMenuChild(item.Get());
  if (folder && subMenuWindow_ && subMenuItem_.Get() == item.Get()) return Ok();
  if (subMenuWindow_) {
    ZV_TRY(CloseSubMenuWindow(false));
    hoverRow_ = WeakRef<MenuItemWidgetInterface>(row.Get());
  }
  if (!folder) return Ok();
  return OpenSubMenuWindow(ScreenCornerOf(*row, false), item, commandWindow_);
}

Result<void> MenuWidgetImpl::OpenSubMenuWindow(Vector2d position, const MenuItemRef& item,
                                               const AppWindowRef& commandWindow) {
  if (!commandWindow) return NullReferenceError("missing commandWindow");
  // A menu inside a menu window is already part of a popup: its fly-outs stay its own windows.
  if (!g_mvpMenu.Get() && !parentMenuWindow_.Lock()) return OpenHostPopupMenu(position, item, commandWindow);
  commandWindow_ = commandWindow;
  if (subMenuWindow_) ZV_TRY(CloseSubMenuWindow(false));
  ZV_TRY_ASSIGN(subMenuWindow_, CreateObject<MenuWindowInterface>(Id(kMenuWindowClassId)));
  subMenuItem_ = item;
  subMenuOpen_ = true;
  return subMenuWindow_->Open(position, item, commandWindow, MenuWidgetRef(this));
}

Result<void> MenuWidgetImpl::OpenHostPopupMenu(Vector2d position, const MenuItemRef& item,
                                               const AppWindowRef& commandWindow) {
  const Ref<MenuWidgetInterface> keep(this);
  commandWindow_ = commandWindow;
  if (subMenuWindow_) ZV_TRY(CloseSubMenuWindow(false));
  RefreshCommands(item.Get());
  DataDictionary settings;
  settings.Set(Id(kModalDialogTypeKey), static_cast<Int>(MODAL_DIALOG_TYPE::POPUP_MENU));
  settings.Set(Id(kPopupMenuPositionKey), position);
  settings.Set(Id(kPopupMenuItemKey), ObjectRef(item));
  DataDictionary results;
  ZV_TRY_ASSIGN(const Bool chosen, commandWindow->OpenModalDialog(settings, results));
  if (!chosen) return Ok();
  ZV_TRY_ASSIGN(const ObjectRef selected, results.GetRequired<ObjectRef>(Id(kPopupMenuSelectedItemKey)));
  const CommandMenuItemRef entry = Cast<CommandMenuItemInterface>(selected);
  const CommandRef command = entry ? entry->GetCommand() : CommandRef();
  if (!command) return Ok();
  return commandWindow->ExecuteCommand(command->GetId(), DataDictionary());
}

Result<void> MenuWidgetImpl::CloseSubMenuWindow(Bool clearOpen) {
  hoverRow_ = WeakRef<MenuItemWidgetInterface>();
  if (MenuWindowRef window = std::move(subMenuWindow_)) {
    subMenuItem_ = MenuItemRef();
    // The innermost menus close first.
    if (MenuWidgetRef inner = MenuOf(*window)) {
      ZV_TRY(inner->CloseSubMenuWindow(true));
    }
    if (CanvasInterface* canvas = window->GetCanvas()) ZV_TRY(canvas->CloseWindow());
  }
  if (clearOpen) subMenuOpen_ = false;
  return Ok();
}

Bool MenuWidgetImpl::MenuHit(Vector2d point) const {
  if (GetGlobalFrame().Contains(point)) return true;
  if (!subMenuWindow_) return false;
  const MenuWidgetRef inner = MenuOf(*subMenuWindow_);
  const CanvasInterface* mine = GetCanvas();
  const CanvasInterface* theirs = subMenuWindow_->GetCanvas();
  if (!inner || !theirs) return false;
  // Each menu window has global coordinates of its own; the screen relates them.
  const Vector2d screen = mine ? mine->GlobalToScreenPosition(point) : point;
  return inner->MenuHit(theirs->ScreenToGlobalPosition(screen));
}

void MenuWidgetImpl::FillWidth() {
  SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  for (Int y = 0; y < GetCountY(); ++y) {
    Result<CellWidgetRef> cell = GetCell(0, y);
    if (!cell.IsOk() || !*cell) continue;
    WidgetInterface* block = (*cell)->GetFirstChildWidget();
    if (!block) continue;
    block->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
    auto group = Cast<CommandGroupWidgetInterface>(WidgetRef(block));
    for (Int row = 0; group && row < group->GetCountY(); ++row) {
      Result<CellWidgetRef> rowCell = group->GetCell(0, row);
      if (!rowCell.IsOk() || !*rowCell) continue;
      if (WidgetInterface* widget = (*rowCell)->GetFirstChildWidget()) {
        widget->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
      }
    }
  }
  RequestLayout();
}

MenuWidgetRef MenuWidgetImpl::GetTopMenu() {
  MenuWidgetRef top(this);
  while (MenuWindowRef window = top->GetParentMenuWindow()) {
    MenuWidgetRef parent = window->GetParentMenuWidget();
    if (!parent) break;
    top = parent;
  }
  return top;
}

Result<void> MenuWidgetImpl::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  if (!commandWindow_) return TableWidgetImpl::ExecuteCommand(command, arguments);
  const Ref<MenuWidgetInterface> keep(this);
  const AppWindowRef window = commandWindow_;
  const MenuWidgetRef top = GetTopMenu();
  const Result<void> executed = window->ExecuteCommand(command, arguments);
  // The menus close whether or not the command succeeded; its error is the caller's.
  ZV_TRY(top->CloseSubMenuWindow(true));
  return executed;
}

Result<bool> MenuWidgetImpl::HandleEvent(const DataDictionary* event) {
  EventReader reader(event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || *type != EVENT::KEYBOARD_KEY_DOWN) return false;
  ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
  if (key != KEY::ESCAPE) return false;
  // Escape closes this menu's own window: its parent lets go of it.
  MenuWindowRef host = GetParentMenuWindow();
  MenuWidgetRef parent = host ? host->GetParentMenuWidget() : MenuWidgetRef();
  if (parent) {
    ZV_TRY(parent->CloseSubMenuWindow(true));
  } else {
    ZV_TRY(CloseSubMenuWindow(true));
  }
  return true;
}

}  // namespace zarvo
