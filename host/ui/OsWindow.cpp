#include "host/ui/OsWindow.h"

#include "host/backend/headless/HeadlessWindowSystem.h"

namespace zarvo {

namespace WindowClass {
const Id& Window() {
  static const Id id("net.zarvo.ui.oswindowclass.window");
  return id;
}
const Id& WindowDialog() {
  static const Id id("net.zarvo.ui.oswindowclass.windowdialog");
  return id;
}
const Id& WindowMenu() {
  static const Id id("net.zarvo.ui.oswindowclass.windowmenu");
  return id;
}
}  // namespace WindowClass

namespace {
std::unique_ptr<WindowSystem>& Installed() {
  static std::unique_ptr<WindowSystem> system;
  return system;
}
}  // namespace

WindowSystem& WindowSystem::Get() {
  std::unique_ptr<WindowSystem>& system = Installed();
  if (!system) system = std::make_unique<HeadlessWindowSystem>();
  return *system;
}

void WindowSystem::Install(std::unique_ptr<WindowSystem> system) { Installed() = std::move(system); }

}  // namespace zarvo
