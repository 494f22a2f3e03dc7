#include <string>
#include <vector>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/CommandInterface.h"
#include "host/ui/EventDriver.h"
#include "host/ui/EventKeys.h"
#include "host/ui/WidgetBase.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/MessageDialogImpl.h"
#include "source/interfaces/CommandGroupWidgetInterface.h"
#include "source/interfaces/CommandMenuItemWidgetInterface.h"
#include "source/interfaces/CycleTextWidgetAdapterInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/MessageDialogInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Float kCycleTop = 110.0;
constexpr Float kPopupTop = 200.0;
constexpr Float kPopupWidth = 420.0;
constexpr Float kPopupHeight = 120.0;
constexpr Float kDialogTop = 360.0;
constexpr Float kDialogButtonStride = 170.0;
constexpr Float kCycleWidth = 240.0;
constexpr Int kCycleEntryCount = 1000;
// A separator after every hundred entries.
constexpr Int kCycleSeparatorEvery = 100;
constexpr ColorA kPopupAreaColor{0.22, 0.22, 0.24, 1.0};
constexpr ColorA kTextColor{0.92, 0.92, 0.92, 1.0};

// The row showing `text` in a vertical menu, searched through all its command groups.
CommandMenuItemWidgetRef FindRow(const MenuWidgetRef& menu, const String& text) {
  if (!menu) return {};
  for (Int y = 0; y < menu->GetCountY(); ++y) {
    Result<CellWidgetRef> cell = menu->GetCell(0, y);
    if (!cell.IsOk() || !*cell) continue;
    CommandGroupWidgetRef group = Cast<CommandGroupWidgetInterface>(WidgetRef((*cell)->GetFirstChildWidget()));
    if (!group) continue;
    for (Int row = 0; row < group->GetCountY(); ++row) {
      Result<CellWidgetRef> rowCell = group->GetCell(0, row);
      if (!rowCell.IsOk() || !*rowCell) continue;
      CommandMenuItemWidgetRef entry =
          Cast<CommandMenuItemWidgetInterface>(WidgetRef((*rowCell)->GetFirstChildWidget()));
      if (entry && entry->GetCommandMenuItem() && entry->GetCommandMenuItem()->GetText() == text) return entry;
    }
  }
  return {};
}

MenuWindowImpl* SubWindowOf(const MenuWidgetRef& menu) {
  if (!menu) return nullptr;
  return dynamic_cast<MenuWindowImpl*>(dynamic_cast<MenuWidgetImpl&>(*menu).GetSubMenuWindow().Get());
}

// Points at the row `text` of the menu open below `menu`, as the user would on the way to a
// fly-out; a screenshot of that menu's window shows where the pointer is.
Result<MenuWindowImpl*> HoverRow(Gallery& gallery, const MenuWidgetRef& menu, const String& text,
                                 const std::string& shot) {
  MenuWindowImpl* window = SubWindowOf(menu);
  if (!window) return IllegalStateError("No menu is open below '" + text + "'");
  CommandMenuItemWidgetRef row = FindRow(window->GetMenuWidget(), text);
  if (!row) return NotFoundError("No menu row '" + text + "'");
  AppWindow& popup = *window->GetPopupWindow();
  ZV_TRY(EventDriver(popup).Move(EventDriver::CenterOf(*row)));
  ZV_TRY(popup.Update());
  if (!shot.empty()) ZV_TRY(popup.GetHostCanvas()->SaveScreenshot(gallery.ShotPath(shot)));
  return window;
}

Result<void> ClickRow(MenuWindowImpl& window, const String& text) {
  CommandMenuItemWidgetRef row = FindRow(window.GetMenuWidget(), text);
  if (!row) return NotFoundError("No menu row '" + text + "'");
  return EventDriver(*window.GetPopupWindow()).Click(*row).IsOk() ? Result<void>(Ok())
                                                                  : IllegalStateError("The click on '" + text +
                                                                                      "' failed");
}

// A command of the gallery window whose run is logged.
CommandRef LoggedCommand(Gallery& gallery, const std::string& name) {
  GalleryLog* log = &gallery.GetLog();
  std::string id = "net.zarvo.gallery.command.menus.";
  for (char c : name) id += (c == ' ') ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  Ref<Command> command = Command::Create(Id(id), name, [log, name](const DataDictionary&) -> Result<void> {
    log->Add("command '" + name + "' executed");
    return Ok();
  });
  gallery.GetWindow().AddCommand(command);
  return command;
}

Result<void> AddCommands(Gallery& gallery, const RootMenuItemRef& root, const MenuItemRef& under,
                         std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (std::string(name) == "-") {
      ZV_TRY(root->AddSeparator(under));
    } else {
      ZV_TRY(root->AddCommand(LoggedCommand(gallery, name), under));
    }
  }
  return Ok();
}

// The bar: File holds Recent, whose Older opens a second fly-out.
Result<RootMenuItemRef> MakeBarMenu(Gallery& gallery) {
  ZV_TRY_ASSIGN(RootMenuItemRef root, CreateObject<RootMenuItemInterface>(Id(kRootMenuItemClassId)));
  ZV_TRY_ASSIGN(CommandMenuItemRef file, root->AddFolder("File"));
  ZV_TRY(AddCommands(gallery, root, file, {"New", "Open"}));
  ZV_TRY_ASSIGN(CommandMenuItemRef recent, root->AddFolder("Recent", file));
  ZV_TRY(AddCommands(gallery, root, recent, {"Report", "Notes"}));
  ZV_TRY_ASSIGN(CommandMenuItemRef older, root->AddFolder("Older", recent));
  ZV_TRY(AddCommands(gallery, root, older, {"Archive 2025", "Archive 2024"}));
  ZV_TRY(AddCommands(gallery, root, file, {"-", "Quit"}));
  ZV_TRY_ASSIGN(CommandMenuItemRef edit, root->AddFolder("Edit"));
  ZV_TRY(AddCommands(gallery, root, edit, {"Undo", "Redo", "-", "Cut", "Copy", "Paste"}));
  ZV_TRY_ASSIGN(CommandMenuItemRef view, root->AddFolder("View"));
  ZV_TRY_ASSIGN(CommandMenuItemRef zoom, root->AddFolder("Zoom", view));
  ZV_TRY(AddCommands(gallery, root, zoom, {"Zoom in", "Zoom out"}));
  ZV_TRY(AddCommands(gallery, root, view, {"Full screen"}));
  return root;
}

// Where a right-click opens the popup menu, as the desktop window opens its own: the first
// folder's entries in a menu window at the pointer.
class PopupArea final : public WidgetBase {
 public:
  PopupArea(Gallery& gallery, RootMenuItemRef root) : gallery_(gallery), root_(std::move(root)) {}
  Result<bool> HandleEvent(const DataDictionary* event) override {
    EventReader reader(event);
    Result<EVENT> type = reader.GetType();
    if (!type.IsOk() || *type != EVENT::BUTTON_DOWN) return false;
    if (!(reader.GetButtonState().ValueOr(BUTTON::NONE) & BUTTON::RIGHT)) return false;
    ZV_TRY_ASSIGN(Vector2d position, reader.GetPosition());
    ZV_TRY(Close());
    ZV_TRY_ASSIGN(menu_, CreateObject<MenuWidgetInterface>(Id(kMenuWidgetClassId)));
    ZV_TRY(menu_->CreateLayout());
    AppWindow& window = gallery_.GetWindow();
    const Vector2d screen = window.GetCanvas()->GlobalToScreenPosition(position);
    gallery_.GetLog().Add("popup menu opened");
    ZV_TRY(menu_->OpenSubMenuWindow(screen, FirstMenuChild(root_.Get()), AppWindowRef(&window)));
    return true;
  }
  const MenuWidgetRef& GetMenu() const noexcept { return menu_; }
  Result<void> Close() {
    if (!menu_) return Ok();
    ZV_TRY(menu_->CloseSubMenuWindow(true));
    menu_ = MenuWidgetRef();
    return Ok();
  }

 private:
  Gallery& gallery_;
  RootMenuItemRef root_;
  MenuWidgetRef menu_;
};

Result<RootMenuItemRef> MakePopupMenu(Gallery& gallery) {
  ZV_TRY_ASSIGN(RootMenuItemRef root, CreateObject<RootMenuItemInterface>(Id(kRootMenuItemClassId)));
  ZV_TRY_ASSIGN(CommandMenuItemRef popup, root->AddFolder("Popup"));
  ZV_TRY(AddCommands(gallery, root, popup, {"Duplicate", "Rename", "-"}));
  ZV_TRY_ASSIGN(CommandMenuItemRef arrange, root->AddFolder("Arrange", popup));
  ZV_TRY(AddCommands(gallery, root, arrange, {"Bring to front", "Send to back"}));
  ZV_TRY(AddCommands(gallery, root, popup, {"-", "Delete"}));
  return root;
}

Result<void> AddCycle(Gallery& gallery, const WidgetRef& root) {
  ZV_TRY(AddCaption(root, "Cycle: 1,000 entries, a separator after every hundred (wheel, arrows, click)",
                    {kMargin, kCycleTop}));
  ZV_TRY_ASSIGN(CycleTextWidgetAdapterRef adapter,
                CreateObject<CycleTextWidgetAdapterInterface>(Id(kCycleTextWidgetAdapterClassId)));
  std::vector<Int> ids;
  for (Int i = 0; i < kCycleEntryCount; ++i) {
    if (i > 0 && i % kCycleSeparatorEvery == 0) {
      ZV_TRY(adapter->AppendItem("-"));
      ids.push_back(kCycleSeparatorId);
    }
    ZV_TRY(adapter->AppendItem("Entry " + std::to_string(i + 1)));
    ids.push_back(i + 1);
  }
  ZV_TRY_ASSIGN(CycleWidgetRef cycle, CreateObject<CycleWidgetInterface>(Id(kCycleWidgetClassId)));
  ZV_TRY(root->InsertChildLast(cycle));
  ZV_TRY(cycle->CreateLayout());
  cycle->SetLocalPosition({kMargin, kCycleTop + kCaptionHeight});
  // The box would take the page's whole width: a fixed one, as a form would give it.
  cycle->SetInheritParentSize(false, WIDGET_DIRECTION::HORIZONTAL);
  cycle->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  cycle->SetFixedSize(CanvasUnitValue::Pix(kCycleWidth), WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY(cycle->SetAdapter(adapter, ids));
  // Just before the first separator, so that a step down shows it skipped.
  ZV_TRY(cycle->SetItem(kCycleSeparatorEvery - 1, false));
  GalleryLog* log = &gallery.GetLog();
  cycle->ObservableItemChanged()->AddObserver([log](const CycleWidgetRef&, Int id) -> Result<void> {
    log->Add("ObservableItemChanged CycleWidget " + std::to_string(id));
    return Ok();
  });
  return Ok();
}

struct DialogVariant {
  const char* label;
  BUTTON_TYPE type;
  const char* message;
};

const char* ResultName(RESULT result) {
  switch (result) {
    case RESULT::R_OKAY: return "R_OKAY";
    case RESULT::R_CANCEL: return "R_CANCEL";
    case RESULT::R_ABORT: return "R_ABORT";
    case RESULT::R_RETRY: return "R_RETRY";
    case RESULT::R_IGNORE: return "R_IGNORE";
    case RESULT::R_YES: return "R_YES";
    case RESULT::R_NO: return "R_NO";
    case RESULT::R_CUSTOM: return "R_CUSTOM";
    default: return "R_UNDEFINED";
  }
}

DataDictionary DialogSettings(const DialogVariant& variant) {
  DataDictionary settings;
  settings.Set(Id(MessageDialogSettings::kButtonType), static_cast<Int>(variant.type));
  settings.Set(Id(MessageDialogSettings::kMessage), String(variant.message));
  settings.Set(Id(MessageDialogSettings::kCustomDialogTitle), String(variant.label));
  if (variant.type == BUTTON_TYPE::CUSTOM) {
    DataArray labels;
    for (const char* label : {"Keep both", "Replace", "Skip"}) labels.push_back(DataValue{String(label)});
    settings.Set(Id(MessageDialogSettings::kCustomButtons), std::move(labels));
    settings.Set(Id(MessageDialogSettings::kIconType), static_cast<Int>(ICON_TYPE::QUESTION));
  }
  return settings;
}

// The answer the script asked for: the index of the button to press in the next dialog, or -1.
struct DialogAnswer {
  Int button = -1;
};

Result<void> AddDialogButtons(Gallery& gallery, const WidgetRef& root, const std::shared_ptr<DialogAnswer>& answer) {
  ZV_TRY(AddCaption(root, "Message dialogs: one button per button set", {kMargin, kDialogTop}));
  static const DialogVariant kVariants[] = {
      {"OK", BUTTON_TYPE::OK, "The export has finished."},
      {"OK / Cancel", BUTTON_TYPE::OKCANCEL, "Export 12 files?"},
      {"Abort / Retry / Ignore", BUTTON_TYPE::ABORTRETRYIGNORE, "The disk is not ready."},
      {"Yes / No / Cancel", BUTTON_TYPE::YESNOCANCEL, "Save the changes before closing?"},
      {"Yes / No", BUTTON_TYPE::YESNO, "Delete the selected layer?"},
      {"Retry / Cancel", BUTTON_TYPE::RETRYCANCEL, "The server did not answer."},
      {"Custom", BUTTON_TYPE::CUSTOM, "A file of that name exists already."},
  };
  GalleryLog* log = &gallery.GetLog();
  Gallery* owner = &gallery;
  Float x = kMargin;
  Float y = kDialogTop + kCaptionHeight;
  Int column = 0;
  for (const DialogVariant& variant : kVariants) {
    ZV_TRY_ASSIGN(ButtonWidgetRef button, CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId)));
    ZV_TRY(root->InsertChildLast(button));
    ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
    text->SetText(variant.label);
    text->SetColor(kTextColor);
    ZV_TRY(button->InsertChildLast(text));
    button->SetLocalPosition({x, y});
    const std::string label = variant.label;
    button->ObservableButtonUp()->AddObserver([=](const ButtonWidgetRef&) -> Result<void> {
      if (answer->button >= 0) {
        // The dialog's session runs the queue: the answer comes once the dialog is up.
        const Int index = answer->button;
        answer->button = -1;
        GetMainThreadQueue().Enqueue([owner, log, index] {
          Ref<MessageDialogImpl> dialog = MessageDialogImpl::GetCurrent();
          if (!dialog) return;
          Desktop2dWindowImpl& window = *dialog->GetWindow();
          if (window.Update().IsOk()) {
            (void)window.GetHostWindow()->GetHostCanvas()->SaveScreenshot(owner->ShotPath("dialog"));
          }
          TextButtonWidgetRef pressed = dialog->GetButtonWidget(index);
          if (!pressed) return;
          const std::vector<MessageDialogButton>& buttons = dialog->GetButtons();
          const std::string name = static_cast<size_t>(index) < buttons.size() ? buttons[static_cast<size_t>(index)].label
                                                                                : pressed->GetName();
          log->Add("MessageDialog: pressing '" + name + "' (button " + std::to_string(index) + ")");
          (void)EventDriver(*window.GetHostWindow()).Click(*pressed);
        });
      }
      log->Add("MessageDialog '" + label + "' opened");
      DataDictionary results;
      Result<RESULT> shown = ShowMessageDialog(DialogSettings(variant), &results);
      if (!shown.IsOk()) {
        log->Add("MessageDialog '" + label + "' failed: " + shown.GetError().GetMessage());
        return Ok();
      }
      const Int index = *results.Get<Int>(Id(MessageDialogResults::kButtonResult), -1);
      log->Add("MessageDialog '" + label + "' result " + ResultName(*shown) + " button " + std::to_string(index));
      return Ok();
    });
    x += kDialogButtonStride;
    if (++column == 4) {
      column = 0;
      x = kMargin;
      y += 40.0;
    }
  }
  return Ok();
}

}  // namespace

// Named by the page list.
extern const char* const kMenusPageScript;
const char* const kMenusPageScript =
    "# Open File in the bar; 'm' walks File > Recent > Older and picks Archive 2025.\n"
    "0.0 move 40 34\n"
    "0.1 press 40 34\n"
    "0.2 release 40 34\n"
    "0.3 shot file_open\n"
    "0.4 key m\n"
    "0.5 keyup m\n"
    "0.6 shot after_menu\n"
    "# Step the cycle box: two wheel notches step on past the separator, one steps back.\n"
    "0.7 scroll 80 140 up\n"
    "0.8 scroll 80 140 up\n"
    "0.9 shot cycle_stepped\n"
    "1.0 scroll 80 140 down\n"
    "1.2 shot cycle_back\n"
    "# A right-click opens the popup menu; 'p' picks Arrange > Bring to front in it.\n"
    "1.4 press 200 270 right\n"
    "1.5 release 200 270 right\n"
    "1.6 shot popup_open\n"
    "1.7 key p\n"
    "1.8 keyup p\n"
    "# 'a' arms an answer (the second button); the Yes / No / Cancel button opens its dialog.\n"
    "1.9 key a\n"
    "2.0 keyup a\n"
    "2.1 move 560 394\n"
    "2.2 press 560 394\n"
    "2.3 release 560 394\n"
    "2.4 shot after_dialog\n";

Result<WidgetRef> BuildMenusPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  GalleryLog* log = &gallery.GetLog();

  ZV_TRY_ASSIGN(RootMenuItemRef barRoot, MakeBarMenu(gallery));
  ZV_TRY_ASSIGN(MenuWidgetRef bar, CreateObject<MenuWidgetInterface>(Id(kMenuWidgetClassId)));
  ZV_TRY(root->InsertChildLast(bar));
  ZV_TRY(bar->CreateLayout());
  bar->SetLocalPosition({kMargin, kMargin});
  bar->SetMenuMode(MENU_MODE::DROPDOWN);
  ZV_TRY(bar->SetMenu(barRoot, AppWindowRef(&gallery.GetWindow()), MenuWindowRef()));
  ZV_TRY(AddCaption(root, "Menu bar: File > Recent > Older opens two levels of fly-outs", {kMargin, 60.0}));

  ZV_TRY(AddCycle(gallery, root));

  ZV_TRY_ASSIGN(RootMenuItemRef popupRoot, MakePopupMenu(gallery));
  Ref<PopupArea> area = MakeRef<PopupArea>(gallery, popupRoot);
  ZV_TRY(AddCaption(root, "Right-click in the box for the popup menu", {kMargin, kPopupTop}));
  ZV_TRY(root->InsertChildLast(area));
  ZV_TRY(area->SetLocalSize(kPopupWidth, kPopupHeight));
  area->SetLocalPosition({kMargin, kPopupTop + kCaptionHeight});
  area->SetBackgroundVisibility(true);
  area->SetBackgroundColor(kPopupAreaColor);

  auto answer = std::make_shared<DialogAnswer>();
  ZV_TRY(AddDialogButtons(gallery, root, answer));

  // 'm': along the open File menu to the second fly-out, and a click on its first entry.
  gallery.SetKeyHandler('m', [&gallery, bar]() -> Result<void> {
    ZV_TRY_ASSIGN(MenuWindowImpl * file, HoverRow(gallery, bar, "Recent", "menu_file"));
    ZV_TRY_ASSIGN(MenuWindowImpl * recent, HoverRow(gallery, file->GetMenuWidget(), "Older", "menu_recent"));
    MenuWindowImpl* older = SubWindowOf(recent->GetMenuWidget());
    if (!older) return IllegalStateError("The Older fly-out did not open");
    ZV_TRY(HoverRow(gallery, recent->GetMenuWidget(), "Archive 2025", "menu_older"));
    return ClickRow(*older, "Archive 2025");
  });
  // 'p': in the open popup menu, onto Arrange and a click on its fly-out's first entry.
  gallery.SetKeyHandler('p', [&gallery, area]() -> Result<void> {
    ZV_TRY_ASSIGN(MenuWindowImpl * popup, HoverRow(gallery, area->GetMenu(), "Arrange", "popup_menu"));
    MenuWindowImpl* arrange = SubWindowOf(popup->GetMenuWidget());
    if (!arrange) return IllegalStateError("The Arrange fly-out did not open");
    ZV_TRY(HoverRow(gallery, popup->GetMenuWidget(), "Bring to front", "popup_arrange"));
    return ClickRow(*arrange, "Bring to front");
  });
  // 'a': the next message dialog is answered with its second button.
  gallery.SetKeyHandler('a', [answer, log]() -> Result<void> {
    answer->button = 1;
    log->Add("next message dialog: answer with button 1");
    return Ok();
  });
  return root;
}

}  // namespace zarvo::gallery
