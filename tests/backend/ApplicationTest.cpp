#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/core/HostClock.h"
#include "host/core/Log.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Application.h"
#include "tests/support/HeadlessSystemTest.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

const Rect kFrame{0, 0, 120, 80};

// Sets or clears an environment variable for a test's lifetime.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A widget whose drawing always fails, as a broken widget would.
class FailingWidget final : public WidgetBase {
 public:
  Result<void> DrawContent() override { return IllegalStateError("Broken drawing"); }
};

class ApplicationTest : public test::HeadlessSystemTest {
 protected:

  static Ref<AppWindow> OpenWindow() { return test::OpenTestWindow(WindowClass::Window(), kFrame); }
};

TEST_F(ApplicationTest, RunEndsWhenTheLastWindowCloses) {
  ScopedVirtualHostClock clock;
  Ref<AppWindow> first = OpenWindow();
  Ref<AppWindow> second = OpenWindow();
  EXPECT_EQ(AppWindow::GetOpenWindows().size(), 2u);
  GetMainThreadQueue().Enqueue([&] { EXPECT_TRUE(first->Close().IsOk()); });
  HostTime closedAt{};
  GetMainThreadQueue().AddTimer(HostDurationFromSeconds(3.0), HostDuration::zero(), [&] {
    closedAt = GetHostTime();
    EXPECT_TRUE(second->Close().IsOk());
    return false;
  });
  EXPECT_TRUE(Application::Run().IsOk());
  EXPECT_TRUE(AppWindow::GetOpenWindows().empty());
  EXPECT_EQ(closedAt, HostDurationFromSeconds(3.0));
}

TEST_F(ApplicationTest, RunEndsOnQuitAndHeadlessWhenNothingIsLeft) {
  EXPECT_TRUE(Application::Run().IsOk());  // no window at all

  Ref<AppWindow> window = OpenWindow();
  EXPECT_TRUE(Application::Run().IsOk());  // headless, nothing queued: nothing could ever close it
  EXPECT_TRUE(window->IsOpen());

  GetMainThreadQueue().Enqueue([] { Application::RequestQuit(); });
  GetMainThreadQueue().Enqueue([] { WindowSystem::Get().RequestQuit(); });
  EXPECT_TRUE(Application::Run().IsOk());
  EXPECT_TRUE(WindowSystem::Get().IsQuitRequested());
  EXPECT_TRUE(window->IsOpen());
}

TEST_F(ApplicationTest, ALoopTurnUpdatesOnlyWindowsThatChanged) {
  Ref<AppWindow> window = OpenWindow();
  EXPECT_FALSE(window->NeedsUpdate());
  Result<bool> idle = RunLoopTurn();
  ASSERT_TRUE(idle.IsOk());
  EXPECT_FALSE(*idle);

  window->GetCanvas()->RequestRedrawArea(Rect{0, 0, 10, 10});
  EXPECT_TRUE(window->NeedsUpdate());
  Result<bool> turn = RunLoopTurn();
  ASSERT_TRUE(turn.IsOk());
  EXPECT_TRUE(*turn);
  EXPECT_FALSE(window->NeedsUpdate());
  EXPECT_EQ(window->GetHostCanvas()->GetLastDrawnArea(), (Rect{0, 0, 10, 10}));
}

TEST_F(ApplicationTest, AFailingWindowUpdateIsLoggedAndTheLoopGoesOn) {
  Ref<AppWindow> window = OpenWindow();
  Ref<AppWindow> healthy = OpenWindow();
  Ref<FailingWidget> broken = MakeRef<FailingWidget>();
  ASSERT_TRUE(window->GetAppWidget()->InsertChildLast(broken).IsOk());
  ASSERT_TRUE(broken->SetLocalSize(10, 10).IsOk());
  healthy->GetCanvas()->RequestRedraw();
  ScopedLogCapture log;
  Result<bool> turn = RunLoopTurn();
  ASSERT_TRUE(turn.IsOk());
  EXPECT_TRUE(log.Contains(LogLevel::kError, "Broken drawing"));
  EXPECT_FALSE(healthy->NeedsUpdate());
}

TEST_F(ApplicationTest, WithoutDisplayTheHeadlessWindowSystemIsInstalledAndSaysWhy) {
  ScopedEnv display("DISPLAY", nullptr);
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedLogCapture log;
  EXPECT_FALSE(Application::InstallWindowSystem(false));
  EXPECT_EQ(WindowSystem::Get().GetName(), "headless");
  EXPECT_TRUE(log.Contains(LogLevel::kWarning, "No display: neither DISPLAY nor WAYLAND_DISPLAY is set"));

  EXPECT_FALSE(Application::InstallWindowSystem(true));
  EXPECT_TRUE(log.Contains(LogLevel::kInfo, "Window system: headless"));
}

TEST_F(ApplicationTest, AnUnreachableDisplayFallsBackToHeadless) {
  ScopedEnv display("DISPLAY", ":9999");
  ScopedLogCapture log;
  EXPECT_FALSE(Application::InstallWindowSystem(false));
  EXPECT_EQ(WindowSystem::Get().GetName(), "headless");
  EXPECT_TRUE(log.Contains(LogLevel::kWarning, "Cannot open the display with the SDL video driver 'x11'"));
}

}  // namespace
}  // namespace zarvo
