#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/backend/headless/HeadlessWindowSystem.h"
#include "host/core/ClassRegistry.h"
#include "host/core/HostClock.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventKeys.h"
#include "host/ui/ModalSession.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "tests/support/HeadlessSystemTest.h"
#include "tests/support/TestWidgets.h"

namespace zarvo {
namespace {

const Rect kParentFrame{0, 0, 200, 100};
const Rect kDialogFrame{300, 300, 500, 400};
const Rect kButtonFrame{10, 10, 90, 40};
const Vector2d kInsideButton{50, 25};

class ModalSessionTest : public test::HeadlessSystemTest {
 protected:

  HeadlessWindowSystem& System() { return static_cast<HeadlessWindowSystem&>(WindowSystem::Get()); }

  static Ref<AppWindow> OpenWindow(const Id& windowClass, const Rect& frame) {
    return test::OpenTestWindow(windowClass, frame);
  }

  // A button in `window` that logs its button-up as `name`.
  ButtonWidgetRef AddButton(AppWindow& window, const std::string& name) {
    ButtonWidgetRef button = test::AddTestButton(window, kButtonFrame);
    if (!button) return button;
    button->ObservableButtonUp()->AddObserver([this, name](const ButtonWidgetRef&) -> Result<void> {
      log_.push_back(name);
      return Ok();
    });
    return button;
  }

  void PostClick(AppWindow& window, Vector2d position) {
    OsWindow& os = *window.GetHostCanvas()->GetOsWindow();
    System().PostEvent(os, MakeMouseEvent(EVENT::BUTTON_DOWN, position, BUTTON::LEFT, MODIFIER::NONE, 1));
    System().PostEvent(os, MakeMouseEvent(EVENT::BUTTON_UP, position, BUTTON::LEFT, MODIFIER::NONE, 1));
  }

  static OsWindow& Os(AppWindow& window) { return *window.GetHostCanvas()->GetOsWindow(); }

  std::vector<std::string> log_;
};

TEST_F(ModalSessionTest, ClosingTheWindowFromAJobEndsTheSessionCleanly) {
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  GetMainThreadQueue().Enqueue([&] {
    log_.push_back("closing");
    EXPECT_TRUE(dialog->Close().IsOk());
  });
  Result<void> session = Os(*dialog).PerformModalDialogSession();
  EXPECT_TRUE(session.IsOk()) << session.GetError().ToString();
  EXPECT_EQ(log_, std::vector<std::string>{"closing"});
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(System().IsModalRunning());
}

TEST_F(ModalSessionTest, NothingLeftToDoEndsWithAnErrorInsteadOfHanging) {
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  Result<void> session = Os(*dialog).PerformModalDialogSession();
  ASSERT_FALSE(session.IsOk());
  EXPECT_EQ(session.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(session.GetError().GetMessage(), kModalSessionIdleMessage);
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_FALSE(System().IsModalRunning());
}

TEST_F(ModalSessionTest, TheSessionShowsItsWindowAndEndsAtOnceForAClosedOne) {
  Result<Ref<AppWindow>> hidden = AppWindow::Create(WindowClass::WindowDialog(), kDialogFrame);
  ASSERT_TRUE(hidden.IsOk());
  GetMainThreadQueue().Enqueue([&] {
    EXPECT_TRUE(Os(**hidden).IsShown());
    EXPECT_TRUE((*hidden)->Close().IsOk());
  });
  EXPECT_TRUE(Os(**hidden).PerformModalDialogSession().IsOk());
  EXPECT_TRUE(Os(**hidden).PerformModalDialogSession().IsOk());  // closed already: nothing to wait for
}

TEST_F(ModalSessionTest, TimersOnTheVirtualClockRunWithoutWaiting) {
  ScopedVirtualHostClock clock;
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  std::vector<HostTime> ticks;
  GetMainThreadQueue().AddTimer(HostDurationFromSeconds(0.5), HostDuration::zero(), [&] {
    ticks.push_back(GetHostTime());
    if (ticks.size() < 4) return true;
    EXPECT_TRUE(dialog->Close().IsOk());
    return false;
  });
  EXPECT_TRUE(Os(*dialog).PerformModalDialogSession().IsOk());
  EXPECT_EQ(ticks, (std::vector<HostTime>{HostDurationFromSeconds(0.5), HostDurationFromSeconds(1.0),
                                          HostDurationFromSeconds(1.5), HostDurationFromSeconds(2.0)}));
}

TEST_F(ModalSessionTest, ATimerThatNeverClosesTheWindowEndsTheSessionOnAVirtualClock) {
  ScopedVirtualHostClock clock;
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  int blinks = 0;
  GetMainThreadQueue().AddTimer(HostDurationFromSeconds(0.5), HostDuration::zero(), [&] {
    ++blinks;
    return true;
  });
  Result<void> session = Os(*dialog).PerformModalDialogSession();
  ASSERT_FALSE(session.IsOk());
  EXPECT_EQ(session.GetError().GetMessage(), kModalSessionTimersOnlyMessage);
  EXPECT_GE(blinks, static_cast<int>(kVirtualModalSessionLimitSeconds / 0.5));
}

TEST_F(ModalSessionTest, InputToWindowsOpenedBeforeTheDialogIsHeldBack) {
  Ref<AppWindow> parent = OpenWindow(WindowClass::Window(), kParentFrame);
  AddButton(*parent, "parent");
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  ButtonWidgetRef ok = AddButton(*dialog, "dialog");
  ok->ObservableButtonUp()->AddObserver([&](const ButtonWidgetRef&) -> Result<void> { return dialog->Close(); });
  Os(*dialog).SetParent(&Os(*parent));

  PostClick(*parent, kInsideButton);
  PostClick(*dialog, kInsideButton);
  EXPECT_TRUE(Os(*dialog).PerformModalDialogSession().IsOk());
  EXPECT_EQ(log_, std::vector<std::string>{"dialog"});

  // With the session over the parent takes input again.
  PostClick(*parent, kInsideButton);
  ASSERT_TRUE(System().PumpEvents(0.0).IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"dialog", "parent"}));
}

TEST_F(ModalSessionTest, DestroyingTheWindowDuringTheSessionEndsIt) {
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  OsWindow& os = Os(*dialog);
  const uint64_t serial = os.GetSerial();
  GetMainThreadQueue().Enqueue([&] { dialog = nullptr; });
  EXPECT_TRUE(os.PerformModalDialogSession().IsOk());
  EXPECT_EQ(System().FindWindow(serial), nullptr);
}

TEST_F(ModalSessionTest, NestedSessionsEndInnermostFirst) {
  Ref<AppWindow> outer = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  Ref<AppWindow> inner;
  GetMainThreadQueue().Enqueue([&] {
    inner = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
    GetMainThreadQueue().Enqueue([&] {
      log_.push_back("inner closes");
      EXPECT_TRUE(inner->Close().IsOk());
    });
    EXPECT_TRUE(Os(*inner).PerformModalDialogSession().IsOk());
    log_.push_back("inner ended");
    EXPECT_EQ(System().GetModalWindowSerial(), Os(*outer).GetSerial());
    EXPECT_TRUE(outer->Close().IsOk());
  });
  EXPECT_TRUE(Os(*outer).PerformModalDialogSession().IsOk());
  EXPECT_EQ(log_, (std::vector<std::string>{"inner closes", "inner ended"}));
  EXPECT_FALSE(System().IsModalRunning());
}

TEST_F(ModalSessionTest, QuittingAsksTheWindowToCloseAndFailsWhenItRefuses) {
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  GetMainThreadQueue().Enqueue([] { WindowSystem::Get().RequestQuit(); });
  EXPECT_TRUE(Os(*dialog).PerformModalDialogSession().IsOk());
  EXPECT_FALSE(dialog->IsOpen());

  Ref<AppWindow> stubborn = OpenWindow(WindowClass::WindowDialog(), kDialogFrame);
  stubborn->ObservableRequestClose()->AddObserver(
      [](AppWindowInterface*) -> Result<void> { return IllegalStateError("Unsaved changes"); });
  Result<void> session = Os(*stubborn).PerformModalDialogSession();
  ASSERT_FALSE(session.IsOk());
  EXPECT_EQ(session.GetError().GetMessage(), kModalSessionQuitMessage);
  EXPECT_TRUE(stubborn->IsOpen());
  System().ClearQuitRequest();
}

}  // namespace
}  // namespace zarvo
