#include <gtest/gtest.h>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/ui/AppWindow.h"
#include "host/ui/OsWindow.h"

namespace zarvo {
namespace {

const Monitor kLeft{Rect{0, 0, 1920, 1080}, Rect{0, 0, 1920, 1040}, "left"};
const Monitor kRight{Rect{1920, 0, 3200, 1024}, Rect{1920, 30, 3200, 1024}, "right"};

TEST(OsWindowTest, TheMonitorHoldingMostOfAFrameIsChosen) {
  const std::vector<Monitor> monitors{kLeft, kRight};
  EXPECT_EQ(FindMonitorFor(monitors, Rect{100, 100, 300, 300})->name, "left");
  EXPECT_EQ(FindMonitorFor(monitors, Rect{1800, 100, 2200, 300})->name, "right");  // 280 of 400 on the right
  EXPECT_EQ(FindMonitorFor(monitors, Rect{1900, 100, 1950, 300})->name, "right");  // 30 of 50 on the right
  EXPECT_EQ(FindMonitorFor(monitors, Rect{5000, 100, 5100, 200})->name, "right");  // off screen: the nearest
  EXPECT_EQ(FindMonitorFor(monitors, Rect{-500, -500, -400, -400})->name, "left");
  Result<Monitor> none = FindMonitorFor({}, Rect{0, 0, 10, 10});
  ASSERT_FALSE(none.IsOk());
  EXPECT_EQ(none.GetError().GetMessage(), "No monitor");
}

TEST(OsWindowTest, AFrameLargerThanTheWorkAreaIsClampedToIt) {
  const Rect work = kRight.GetWorkRect();
  EXPECT_EQ(FitFrameToWorkRect(Rect{2000, 100, 2300, 400}, work), (Rect{2000, 100, 2300, 400}));
  EXPECT_EQ(FitFrameToWorkRect(Rect{1000, -50, 6000, 4000}, work), work);
  // A frame hanging over the edge moves in, keeping its size.
  EXPECT_EQ(FitFrameToWorkRect(Rect{3100, 900, 3300, 1100}, work), (Rect{3000, 824, 3200, 1024}));
  // The minimum size wins over the work area; the left and top edges stay on screen.
  EXPECT_EQ(FitFrameToWorkRect(Rect{1920, 30, 2000, 100}, work, {2000, 50}), (Rect{1920, 30, 3920, 100}));
}

TEST(OsWindowTest, HeadlessWindowsKeepTheirMinimumSizeAndKnowTheirMonitor) {
  WindowSystem::Install(std::make_unique<HeadlessWindowSystem>());
  Result<std::unique_ptr<OsWindow>> created =
      WindowSystem::Get().CreateOsWindow(WindowClass::WindowDialog(), Rect{10, 20, 110, 70}, nullptr);
  ASSERT_TRUE(created.IsOk());
  OsWindow& window = **created;
  EXPECT_TRUE(window.SetContentRectMinSize({150, 40}).IsOk());
  EXPECT_EQ(window.GetFrame(), (Rect{10, 20, 160, 70}));
  EXPECT_TRUE(window.SetFrame(Rect{0, 0, 10, 10}).IsOk());
  EXPECT_EQ(window.GetFrame(), (Rect{0, 0, 150, 40}));
  EXPECT_FALSE(window.SetContentRectMinSize({NAN, 1}).IsOk());
  Result<Monitor> monitor = window.GetMonitor();
  ASSERT_TRUE(monitor.IsOk());
  EXPECT_EQ(monitor->GetWorkRect(), (Rect{0, 0, kHeadlessMonitorWidth, kHeadlessMonitorHeight - kHeadlessPanelHeight}));
  created->reset();
  WindowSystem::Install(nullptr);
}

TEST(OsWindowTest, AParentLinkEndsWithTheParent) {
  WindowSystem::Install(std::make_unique<HeadlessWindowSystem>());
  WindowSystem& system = WindowSystem::Get();
  Result<std::unique_ptr<OsWindow>> parent = system.CreateOsWindow(WindowClass::Window(), Rect{0, 0, 10, 10}, nullptr);
  ASSERT_TRUE(parent.IsOk());
  Result<std::unique_ptr<OsWindow>> menu =
      system.CreateOsWindow(WindowClass::WindowMenu(), Rect{0, 0, 10, 10}, parent->get());
  ASSERT_TRUE(menu.IsOk());
  EXPECT_EQ((*menu)->GetParent(), parent->get());
  EXPECT_GT((*menu)->GetSerial(), (*parent)->GetSerial());
  EXPECT_EQ(system.GetWindows().size(), 2u);
  parent->reset();
  EXPECT_EQ((*menu)->GetParent(), nullptr);
  EXPECT_EQ(system.GetWindows().size(), 1u);
  // A window outliving its window system no longer reaches it.
  WindowSystem::Install(nullptr);
  EXPECT_EQ((*menu)->GetWindowSystem(), nullptr);
  EXPECT_FALSE((*menu)->GetMonitor().IsOk());
}

TEST(OsWindowTest, AWindowManagerCloseRequestGoesThroughTheAppWindow) {
  Result<Ref<AppWindow>> window = AppWindow::Create(WindowClass::Window(), Rect{0, 0, 50, 50});
  ASSERT_TRUE(window.IsOk());
  ASSERT_TRUE((*window)->Open().IsOk());
  int refusals = 0;
  ObserverHandle refuse = (*window)->ObservableRequestClose()->AddObserver([&](AppWindowInterface*) -> Result<void> {
    ++refusals;
    return IllegalStateError("Not now");
  });
  (*window)->GetHostCanvas()->GetOsWindow()->RequestClose();
  EXPECT_EQ(refusals, 1);
  EXPECT_TRUE((*window)->IsOpen());
  (*window)->ObservableRequestClose()->RemoveObserver(refuse);
  (*window)->GetHostCanvas()->GetOsWindow()->RequestClose();
  EXPECT_FALSE((*window)->IsOpen());
}

}  // namespace
}  // namespace zarvo
