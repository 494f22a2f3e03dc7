// Real windows on an X server: a real pointer and keyboard (XTest) drive widgets in SDL windows,
// and screenshots of the screen show what the windows presented.
#include <cairo.h>
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "host/backend/sdl/SdlOsWindow.h"
#include "host/backend/sdl/SdlWindowSystem.h"
#include "host/core/ClassRegistry.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/AppWindow.h"
#include "host/ui/Application.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "tests/backend/RealWindowTest.h"
#include "tests/support/TestWidgets.h"

// X11 last: its macros (Bool, None, True, ...) must not reach the host's headers.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace zarvo {
namespace {

using test::Rgb;

const Rect kWindowFrame{100, 100, 340, 220};
const Rect kButtonFrame{20, 20, 120, 60};
const Vector2d kButtonCenter{70, 40};
// The button's colours as its style sheet gives them, and how far the host's hover highlight
// may move them.
constexpr Rgb kNormal{88, 88, 88};
constexpr Rgb kHover{55, 55, 55};
constexpr Rgb kClick{255, 80, 80};
constexpr int kHighlightTolerance = 20;

bool Near(const Rgb& a, const Rgb& b) {
  return std::abs(a.r - b.r) <= kHighlightTolerance && std::abs(a.g - b.g) <= kHighlightTolerance &&
         std::abs(a.b - b.b) <= kHighlightTolerance;
}

class SdlWindowTest : public test::RealWindowTest {
 protected:
  ButtonWidgetRef AddButton(AppWindow& window, const std::string& name) {
    ButtonWidgetRef button = test::AddTestButton(window, kButtonFrame);
    if (!button) return button;
    for (auto [observable, what] :
         {std::pair{button->ObservableButtonDown(), "down"}, std::pair{button->ObservableButtonUp(), "up"},
          std::pair{button->ObservableEnterKeyDown(), "enter"}}) {
      observable->AddObserver([this, name, what = std::string(what)](const ButtonWidgetRef&) -> Result<void> {
        fired_.push_back(name + " " + what);
        return Ok();
      });
    }
    return button;
  }

  std::vector<std::string> fired_;
};
TEST_F(SdlWindowTest, RunsOnTheX11DriverWithAMonitorAndItsWorkArea) {
  std::cout << "SDL video driver: " << VideoDriver() << "\n";
  EXPECT_EQ(VideoDriver(), "x11");
  EXPECT_EQ(System().GetName(), "sdl");
  const std::vector<Monitor> monitors = System().GetMonitors();
  ASSERT_FALSE(monitors.empty());
  EXPECT_FALSE(monitors[0].GetWorkRect().IsEmpty());
  EXPECT_TRUE(monitors[0].frame.Intersect(monitors[0].GetWorkRect()) == monitors[0].GetWorkRect());
}

TEST_F(SdlWindowTest, ARealPointerAndKeyboardDriveAButtonAndTheScreenShowsItsColours) {
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), kWindowFrame, "SdlWindowTest");
  AddButton(*window, "button");
  RecordEvents(*window);
  EXPECT_EQ(window->GetCanvas()->GetWindowFrame(), kWindowFrame);

  const Rgb normal = ShownPixel(*window, kButtonCenter);
  EXPECT_TRUE(Near(normal, kNormal)) << normal;

  MovePointer(OnScreen(*window, kButtonCenter));
  ASSERT_TRUE(
      PumpUntil([&] { return SawEvent([](const EventReader& e) { return *e.GetType() == EVENT::MOUSE_MOVE; }); }));
  const Rgb hover = ShownPixel(*window, kButtonCenter);
  EXPECT_TRUE(Near(hover, kHover)) << hover;
  SaveScreenshot(*window, "sdl_window_hover");

  Button(1, true);
  ASSERT_TRUE(PumpUntil([&] { return fired_.size() == 1; }));
  EXPECT_EQ(fired_, std::vector<std::string>{"button down"});
  const Rgb pressed = ShownPixel(*window, kButtonCenter);
  EXPECT_EQ(pressed, kClick) << "the click colour fills the button's middle";
  SaveScreenshot(*window, "sdl_window_pressed");

  Button(1, false);
  ASSERT_TRUE(PumpUntil([&] { return fired_.size() == 2; }));
  EXPECT_EQ(fired_, (std::vector<std::string>{"button down", "button up"}));
  const Rgb released = ShownPixel(*window, kButtonCenter);
  EXPECT_TRUE(Near(released, kHover)) << "the colour showing when the press began";
  std::cout << "screen at the button's middle: normal " << normal << ", hover " << hover << ", pressed " << pressed
            << ", released " << released << "\n";
  EXPECT_TRUE(SawEvent([](const EventReader& e) {
    return *e.GetType() == EVENT::BUTTON_DOWN && *e.GetButtonState() == BUTTON::LEFT &&
           *e.GetPosition() == kButtonCenter && *e.GetClicks() == 1;
  }));

  // The click focused the button: Enter on the real keyboard presses it.
  Key(XK_Return, true);
  Key(XK_Return, false);
  ASSERT_TRUE(PumpUntil([&] { return fired_.size() >= 4; }));
  EXPECT_EQ(fired_[2], "button enter");
  EXPECT_EQ(fired_[3], "button down");
  EXPECT_TRUE(SawEvent([](const EventReader& e) {
    return *e.GetType() == EVENT::KEYBOARD_KEY_DOWN && *e.GetKey() == KEY::ENTER &&
           *e.GetModifierState() == MODIFIER::NONE;
  }));
}

TEST_F(SdlWindowTest, TextWheelAndLeavingArriveAsHostEvents) {
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), kWindowFrame, "SdlWindowTest");
  RecordEvents(*window);
  ASSERT_TRUE(PointAt(*window, {50, 50}));
  Key(XK_a, true);
  Key(XK_a, false);
  ASSERT_TRUE(PumpUntil([&] {
    return SawEvent([](const EventReader& e) { return *e.GetType() == EVENT::KEYBOARD_TEXT && *e.GetText() == "a"; });
  }));
  EXPECT_TRUE(
      SawEvent([](const EventReader& e) { return *e.GetType() == EVENT::KEYBOARD_KEY_DOWN && *e.GetKey() == 'a'; }));

  Button(4, true);  // X11's wheel: button 4 turns it up
  Button(4, false);
  ASSERT_TRUE(PumpUntil([&] {
    return SawEvent([](const EventReader& e) {
      return *e.GetType() == EVENT::SCROLL && e.GetScrollVector()->y > 0.0 &&
             *e.GetPosition() == Vector2d{50, 50};
    });
  }));

  Button(1, true);
  MovePointer(OnScreen(*window, {60, 55}));
  ASSERT_TRUE(PumpUntil([&] {
    return SawEvent([](const EventReader& e) {
      return *e.GetType() == EVENT::BUTTON_DRAG && *e.GetButtonState() == BUTTON::LEFT &&
             *e.GetPosition() == Vector2d{60, 55};
    });
  }));
  Button(1, false);

  MovePointer({kWindowFrame.right + 200, kWindowFrame.bottom + 200});
  ASSERT_TRUE(
      PumpUntil([&] { return SawEvent([](const EventReader& e) { return *e.GetType() == EVENT::AREA_LEFT; }); }));
}

// A request for a window that is gone (SDL wakes its event wait with a message to a window that
// may have just closed) must not end the program, as the X library's own handler would.
TEST_F(SdlWindowTest, ARequestForAWindowThatIsGoneIsDropped) {
  SendToAWindowThatIsGone();
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), kWindowFrame, "SdlWindowTest");
  EXPECT_TRUE(window->Update().IsOk());
}

// SDL puts back the handler it found before it closes its connections, and an error still queued
// on one of them is reported only then: that handler must be ours, not the one that ends the
// program. Our own connection stands in for SDL's.
TEST_F(SdlWindowTest, AnErrorReportedAfterTheWindowSystemIsGoneIsDropped) {
  WindowSystem::Install(nullptr);
  SendToAWindowThatIsGone();
  Result<std::unique_ptr<SdlWindowSystem>> system = SdlWindowSystem::Create();
  ASSERT_TRUE(system.IsOk());
  WindowSystem::Install(std::move(*system));
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), kWindowFrame, "SdlWindowTest");
  EXPECT_TRUE(window->Update().IsOk());
}

TEST_F(SdlWindowTest, AMenuWindowTakesKeysAndClosesOnAClickOutsideWhichItSwallows) {
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), kWindowFrame, "SdlWindowTest");
  AddButton(*window, "button");
  Ref<AppWindow> menu = OpenWindow(WindowClass::WindowMenu(), Rect{400, 120, 520, 200}, "menu");
  menu->GetHostCanvas()->GetOsWindow()->SetParent(window->GetHostCanvas()->GetOsWindow());
  RecordEvents(*menu);
  EXPECT_EQ(menu->GetCanvas()->GetWindowFrame(), (Rect{400, 120, 520, 200})) << "placed in screen coordinates";
  ASSERT_TRUE(PumpUntil([&] { return ScreenPixel({460, 160}) == CanvasPixel(*menu, {60, 40}); }));

  MovePointer(OnScreen(*window, kButtonCenter));
  Key(XK_Down, true);
  Key(XK_Down, false);
  ASSERT_TRUE(PumpUntil([&] {
    return SawEvent(
        [](const EventReader& e) { return *e.GetType() == EVENT::KEYBOARD_KEY_DOWN && *e.GetKey() == KEY::DOWN; });
  })) << "keys reach the open menu, not the window under it";

  Button(1, true);
  Button(1, false);
  ASSERT_TRUE(PumpUntil([&] { return !menu->IsOpen(); }));
  EXPECT_TRUE(fired_.empty()) << "the press that closed the menu does not press the button";

  Button(1, true);
  Button(1, false);
  ASSERT_TRUE(PumpUntil([&] { return fired_.size() == 2; }));
  EXPECT_EQ(fired_, (std::vector<std::string>{"button down", "button up"}));
}

TEST_F(SdlWindowTest, AModalSessionHoldsBackItsParentAndEndsWhenTheDialogIsClosed) {
  Ref<AppWindow> parent = OpenWindow(WindowClass::Window(), kWindowFrame, "parent");
  AddButton(*parent, "parent");
  const Rect dialogFrame{450, 300, 650, 400};
  Ref<AppWindow> dialog = OpenWindow(WindowClass::WindowDialog(), dialogFrame, "dialog");
  AddButton(*dialog, "dialog");
  OsWindow& dialogOs = *dialog->GetHostCanvas()->GetOsWindow();
  dialogOs.SetParent(parent->GetHostCanvas()->GetOsWindow());

  // Inside the session: a click on the parent's button (held back), one on the dialog's (taken),
  // then the window manager's close of the dialog, which ends the session.
  GetMainThreadQueue().Enqueue([&] {
    MovePointer(OnScreen(*parent, kButtonCenter));
    Button(1, true);
    Button(1, false);
    MovePointer(OnScreen(*dialog, kButtonCenter));
    Button(1, true);
    Button(1, false);
    GetMainThreadQueue().AddTimer(std::chrono::milliseconds(20), std::chrono::milliseconds(1), [&] {
      if (fired_.size() < 2) return true;
      SendWindowManagerClose(*dialog);
      return false;
    });
  });
  Result<void> session = dialogOs.PerformModalDialogSession();
  EXPECT_TRUE(session.IsOk()) << session.GetError().ToString();
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(fired_, (std::vector<std::string>{"dialog down", "dialog up"}));
  EXPECT_FALSE(System().IsModalRunning());
}

TEST_F(SdlWindowTest, AWindowLargerThanTheMonitorIsClampedToItsWorkArea) {
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), Rect{-100, -100, 5000, 4000}, "huge");
  Result<Monitor> monitor = window->GetHostCanvas()->GetOsWindow()->GetMonitor();
  ASSERT_TRUE(monitor.IsOk());
  EXPECT_EQ(window->GetCanvas()->GetWindowFrame(), monitor->GetWorkRect());
  cairo_surface_t* surface = window->GetHostCanvas()->GetOsWindow()->GetSurface();
  EXPECT_EQ(cairo_image_surface_get_width(surface), monitor->GetWorkRect().Width());

  // Resizing makes a new surface and lays the window out at the new size.
  ASSERT_TRUE(window->GetCanvas()->SetWindowSize({300, 200}).IsOk());
  surface = window->GetHostCanvas()->GetOsWindow()->GetSurface();
  EXPECT_EQ(cairo_image_surface_get_width(surface), 300);
  EXPECT_EQ(cairo_image_surface_get_height(surface), 200);
  ASSERT_TRUE(PumpUntil([&] { return !window->NeedsUpdate(); }));
  EXPECT_EQ(window->GetAppWidget()->GetLocalPixSize(), (Vector2d{300, 200}));

  ASSERT_TRUE(window->GetHostCanvas()->GetOsWindow()->SetContentRectMinSize({400, 250}).IsOk());
  EXPECT_EQ(window->GetCanvas()->GetWindowFrame().Width(), 400);
  EXPECT_EQ(window->GetCanvas()->GetWindowFrame().Height(), 250);
}

TEST_F(SdlWindowTest, TitleClipboardKeyStateAndPointerGoThroughSdl) {
  Ref<AppWindow> window = OpenWindow(WindowClass::Window(), kWindowFrame, "SdlWindowTest");
  ASSERT_TRUE(window->GetCanvas()->SetWindowTitle("Caf\xC3\xA9").IsOk());
  EXPECT_STREQ(SDL_GetWindowTitle(static_cast<SdlOsWindow*>(window->GetHostCanvas()->GetOsWindow())->GetSdlWindow()),
               "Caf\xC3\xA9");

  ASSERT_TRUE(System().SetClipboardText("gr\xC3\xBC\xC3\x9F dich").IsOk());
  Result<String> text = System().GetClipboardText();
  ASSERT_TRUE(text.IsOk());
  EXPECT_EQ(*text, "gr\xC3\xBC\xC3\x9F dich");

  MovePointer(OnScreen(*window, {30, 40}));
  ASSERT_TRUE(PumpUntil([&] { return System().GetMouseScreenPosition() == OnScreen(*window, {30, 40}); }));
  Key(XK_Shift_L, true);
  ASSERT_TRUE(PumpUntil([&] { return window->GetCanvas()->IsKeyPressed(KEY::SHIFT); }));
  Key(XK_Shift_L, false);
  ASSERT_TRUE(PumpUntil([&] { return !window->GetCanvas()->IsKeyPressed(KEY::SHIFT); }));

  // Warping moves the real pointer.
  window->GetCanvas()->SetCursorPosition({80, 60});
  ::Window root = 0, child = 0;
  int rootX = 0, rootY = 0, x = 0, y = 0;
  unsigned int mask = 0;
  XQueryPointer(XDisplay(), DefaultRootWindow(XDisplay()), &root, &child, &rootX, &rootY, &x, &y, &mask);
  EXPECT_EQ((Vector2d{static_cast<Float>(rootX), static_cast<Float>(rootY)}), OnScreen(*window, {80, 60}));
}

}  // namespace
}  // namespace zarvo
