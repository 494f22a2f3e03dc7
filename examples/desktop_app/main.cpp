// A small application on the installed widget package: a window with a menu bar, a table of
// number widgets and an about box. With a display it runs until the window closes; with
// --headless PNG it draws the window into PNG, opens the about box, draws it beside (PNG with
// "_about" before the extension), closes it and exits, which is how the project's tests run it.
#include <filesystem>
#include <iostream>
#include <string>

#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Application.h"
#include "host/ui/Canvas.h"
#include "host/ui/CommandInterface.h"
#include "source/ModuleUnits.h"
#include "source/interfaces/CompoundSpinboxSliderWidgetInterface.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/interfaces/MessageDialogInterface.h"
#include "source/interfaces/MenuWidgetInterface.h"
#include "source/interfaces/MenuWindowInterface.h"
#include "source/interfaces/RootMenuItemInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

using namespace zarvo;

namespace {

constexpr Float kWindowWidth = 480;
constexpr Float kWindowHeight = 260;
constexpr const char* kAxes[] = {"X", "Y", "Z"};
constexpr char kAboutCommand[] = "example.about";
constexpr char kAboutText[] = "Transform: three axes edited with number widgets.";

template <class I>
Result<Ref<I>> Make(const char* classId) {
  return CreateObject<I>(Id(classId));
}

// Rows of a label and a number widget, one per axis; every change is printed.
Result<TableWidgetRef> MakeTransformTable() {
  ZV_TRY_ASSIGN(TableWidgetRef table, Make<TableWidgetInterface>(kTableWidgetClassId));
  ZV_TRY(table->Resize(2, 3));
  for (Int row = 0; row < 3; ++row) {
    ZV_TRY_ASSIGN(TextWidgetRef label, Make<TextWidgetInterface>(kTextWidgetClassId));
    label->SetText(kAxes[row]);
    ZV_TRY_ASSIGN(CellWidgetRef labelCell, table->GetCell(0, row));
    ZV_TRY(labelCell->InsertChildLast(label));

    ZV_TRY_ASSIGN(FloatNumberWidgetRef number, Make<FloatNumberWidgetInterface>(kFloatNumberWidgetClassId));
    ZV_TRY(number->CreateLayout());
    ZV_TRY(number->SetMin(-100.0));
    ZV_TRY(number->SetMax(100.0));
    ZV_TRY(number->SetValue(10.0 * static_cast<Float>(row), false));
    number->ObservableValueChanged()->AddObserver(
        [axis = std::string(kAxes[row])](const WidgetRef&, Float value, Bool dragging) -> Result<void> {
          std::cout << axis << " = " << value << (dragging ? " (dragging)" : "") << "\n";
          return Ok();
        });
    ZV_TRY_ASSIGN(CellWidgetRef numberCell, table->GetCell(1, row));
    ZV_TRY(numberCell->InsertChildLast(number));
  }
  return table;
}

// The about box: a message dialog with one OK button, modal until it is answered or closed.
Result<void> ShowAbout() {
  DataDictionary settings;
  settings.Set(Id(MessageDialogSettings::kMessage), String(kAboutText));
  settings.Set(Id(MessageDialogSettings::kButtonType), static_cast<Int>(BUTTON_TYPE::OK));
  settings.Set(Id(MessageDialogSettings::kIconType), static_cast<Int>(ICON_TYPE::ASTERISK));
  ZV_TRY_ASSIGN(RESULT answer, ShowMessageDialog(settings));
  std::cout << "about: " << (answer == RESULT::R_OKAY ? "OK" : "closed") << "\n";
  return Ok();
}

// "File > Quit" closes the window; "Edit > Reset" prints, as a presenter would react;
// "Help > About" shows the about box.
Result<MenuWidgetRef> MakeMenuBar(const Ref<AppWindow>& window) {
  ZV_TRY_ASSIGN(RootMenuItemRef root, Make<RootMenuItemInterface>(kRootMenuItemClassId));
  ZV_TRY_ASSIGN(CommandMenuItemRef file, root->AddFolder("File"));
  ZV_TRY_ASSIGN(CommandMenuItemRef edit, root->AddFolder("Edit"));
  ZV_TRY_ASSIGN(CommandMenuItemRef help, root->AddFolder("Help"));
  Ref<Command> quit = Command::Create(Id("example.quit"), "Quit", [](const DataDictionary&) -> Result<void> {
    Application::RequestQuit();
    return Ok();
  });
  Ref<Command> reset = Command::Create(Id("example.reset"), "Reset", [](const DataDictionary&) -> Result<void> {
    std::cout << "reset\n";
    return Ok();
  });
  Ref<Command> about = Command::Create(Id(kAboutCommand), "About", [](const DataDictionary&) { return ShowAbout(); });
  window->AddCommand(quit);
  window->AddCommand(reset);
  window->AddCommand(about);
  ZV_TRY(root->AddCommand(quit, file));
  ZV_TRY(root->AddCommand(reset, edit));
  ZV_TRY(root->AddCommand(about, help));

  ZV_TRY_ASSIGN(MenuWidgetRef bar, Make<MenuWidgetInterface>(kMenuWidgetClassId));
  ZV_TRY(bar->CreateLayout());
  bar->SetMenuMode(MENU_MODE::DROPDOWN);
  ZV_TRY(bar->SetMenu(root, window, MenuWindowRef()));
  return bar;
}

Result<void> Run(bool headless, const std::string& pngPath) {
  RecordHostRegistrations();
  ZV_TRY(LoadWidgetsModule());
  Application::InstallWindowSystem(headless);
  {
    ZV_TRY_ASSIGN(Ref<AppWindow> window,
                  AppWindow::Create(WindowClass::Window(), Rect{100, 100, 100 + kWindowWidth, 100 + kWindowHeight},
                                    "Transform"));
    ZV_TRY_ASSIGN(FlexBoxWidgetRef column, Make<FlexBoxWidgetInterface>(kFlexBoxWidgetClassId));
    ZV_TRY(column->SetLayout(FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT));
    ZV_TRY(column->Resize(2));
    ZV_TRY(window->GetAppWidget()->InsertChildLast(column));
    ZV_TRY_ASSIGN(MenuWidgetRef bar, MakeMenuBar(window));
    ZV_TRY_ASSIGN(CellWidgetRef barCell, column->GetCell(0));
    ZV_TRY(barCell->InsertChildLast(bar));
    ZV_TRY_ASSIGN(TableWidgetRef table, MakeTransformTable());
    ZV_TRY_ASSIGN(CellWidgetRef tableCell, column->GetCell(1));
    ZV_TRY(tableCell->InsertChildLast(table));
    ZV_TRY(window->Open());
    if (headless) {
      ZV_TRY(window->Update());
      ZV_TRY(window->GetHostCanvas()->SaveScreenshot(pngPath));
      std::cout << "wrote " << pngPath << "\n";
      // The about box runs modally: its picture is taken, and it is closed, from inside.
      std::filesystem::path aboutPng(pngPath);
      aboutPng.replace_filename(aboutPng.stem().string() + "_about" + aboutPng.extension().string());
      GetMainThreadQueue().Enqueue([aboutPng] {
        Ref<AppWindow> dialog = AppWindow::GetOpenWindows().back();
        if (dialog->Update().IsOk() && dialog->GetHostCanvas()->SaveScreenshot(aboutPng.string()).IsOk()) {
          std::cout << "wrote " << aboutPng.string() << "\n";
        }
        (void)dialog->RequestClose();
      });
      ZV_TRY(window->ExecuteCommand(Id(kAboutCommand), DataDictionary()));
    } else {
      ZV_TRY(Application::Run());
    }
    ZV_TRY(window->Close());
  }
  return UnloadWidgetsModule();
}

}  // namespace

int main(int argc, char** argv) {
  const bool headless = argc == 3 && std::string(argv[1]) == "--headless";
  if (argc != 1 && !headless) {
    std::cerr << "usage: desktop_app [--headless PNG]\n";
    return 2;
  }
  Result<void> ran = Run(headless, headless ? argv[2] : "");
  if (!ran.IsOk()) {
    std::cerr << "desktop_app: " << ran.GetError().ToString() << "\n";
    return 1;
  }
  return 0;
}
