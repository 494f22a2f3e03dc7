// Real windows on an X server: a real pointer and keyboard (XTest) drive widgets in SDL windows,
// and screenshots of the screen show what the windows presented. Xvfb is started for the test
// program when no display is set.
#include <cairo.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
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
#include "tests/support/TestWidgets.h"

// X11 last: its macros (Bool, None, True, ...) must not reach the host's headers.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace zarvo {
namespace {

constexpr const char* kXvfbScreen = "1024x768x24";
constexpr std::chrono::seconds kServerStartTimeout{15};
// How long a condition may take to show up on a real display before the test gives up.
constexpr std::chrono::seconds kEventTimeout{10};
// How long a pointer move may take to be reported before it is sent again.
constexpr std::chrono::milliseconds kPointerRetry{250};
const Rect kWindowFrame{100, 100, 340, 220};
const Rect kButtonFrame{20, 20, 120, 60};
const Vector2d kButtonCenter{70, 40};
// The button's colours as its style sheet gives them, and how far the host's hover highlight
// may move them.
struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb kNormal{88, 88, 88};
constexpr Rgb kHover{55, 55, 55};
constexpr Rgb kClick{255, 80, 80};
constexpr int kHighlightTolerance = 20;

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

bool Near(const Rgb& a, const Rgb& b) {
  return std::abs(a.r - b.r) <= kHighlightTolerance && std::abs(a.g - b.g) <= kHighlightTolerance &&
         std::abs(a.b - b.b) <= kHighlightTolerance;
}

std::string FindInPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = dirs.find(':', start);
    const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
    const std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {};
}

// An X server for the test program: the one in DISPLAY, or an Xvfb of our own, stopped by its
// process id at the end.
class XServer {
 public:
  // Points DISPLAY at a server, or sets `skip` to the reason the window tests cannot run.
  void Start(std::string& skip) {
    if (const char* display = std::getenv("DISPLAY"); display && *display) return;
    const std::string xvfb = FindInPath("Xvfb");
    if (xvfb.empty()) {
      skip = "Xvfb is not installed (Debian package xvfb) and no DISPLAY is set: no X server to open windows on";
      return;
    }
    // Xvfb picks a free display number itself and writes it to this pipe once it accepts
    // clients, so that parallel test programs never race for one.
    int fds[2];
    if (pipe(fds) != 0) {
      skip = "Cannot create a pipe for Xvfb";
      return;
    }
    const std::string fd = std::to_string(fds[1]);
    std::vector<std::string> args{xvfb, "-displayfd", fd, "-screen", "0", kXvfbScreen, "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t testProgram = getpid();
    pid_ = fork();
    if (pid_ == 0) {
      // The server goes with the test program, even when a test crashes before TearDown.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (getppid() != testProgram) _exit(1);
      close(fds[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(fds[1]);
    if (pid_ < 0) {
      close(fds[0]);
      pid_ = 0;
      skip = "Cannot start Xvfb";
      return;
    }
    std::string number;
    pollfd poller{fds[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + kServerStartTimeout;
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      if (poll(&poller, 1, 100) <= 0) continue;
      char buffer[16];
      const ssize_t got = read(fds[0], buffer, sizeof(buffer));
      if (got <= 0) break;
      number.append(buffer, static_cast<size_t>(got));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
      Stop();
      skip = "Xvfb did not report its display";
      return;
    }
    number.erase(number.find('\n'));
    // The socket is there once the number is written; wait for it anyway, it is what clients use.
    const std::string socket = "/tmp/.X11-unix/X" + number;
    struct stat info {};
    while (stat(socket.c_str(), &info) != 0 && std::chrono::steady_clock::now() < deadline) usleep(10000);
    setenv("DISPLAY", (":" + number).c_str(), 1);
    startedDisplay_ = true;
  }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status = 0;
      waitpid(pid_, &status, 0);
      pid_ = 0;
    }
    if (startedDisplay_) unsetenv("DISPLAY");
    startedDisplay_ = false;
  }

 private:
  pid_t pid_ = 0;
  bool startedDisplay_ = false;
};

class SdlWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    skip_.clear();
    server_.Start(skip_);
    if (!skip_.empty()) return;
    Result<std::unique_ptr<SdlWindowSystem>> system = SdlWindowSystem::Create();
    if (!system.IsOk()) {
      skip_ = "No SDL window system: " + system.GetError().GetMessage();
      return;
    }
    driver_ = (*system)->GetVideoDriver();
    WindowSystem::Install(std::move(*system));
    display_ = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!display_ || !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
      skip_ = "The X server has no XTest extension";
    }
  }
  static void TearDownTestSuite() {
    if (display_) XCloseDisplay(display_);
    display_ = nullptr;
    WindowSystem::Install(nullptr);
    server_.Stop();
  }
  // A message to a window that does not exist, on our own connection; the server answers with
  // an error, which the process's X error handler receives.
  static void SendToAWindowThatIsGone() {
    constexpr Window kNoSuchWindow = 0x3ffffff;
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = kNoSuchWindow;
    message.xclient.format = 32;
    XSendEvent(display_, kNoSuchWindow, False, NoEventMask, &message);
    XSync(display_, False);
  }
  void SetUp() override {
    if (!skip_.empty()) GTEST_SKIP() << skip_;
    GetMainThreadQueue().Clear();
  }
  void TearDown() override {
    GetMainThreadQueue().Clear();
    // Leave the pointer and the keyboard as found for the next test.
    if (display_) {
      for (unsigned button = 1; button <= 5; ++button) XTestFakeButtonEvent(display_, button, False, CurrentTime);
      XFlush(display_);
    }
  }

  SdlWindowSystem& System() { return static_cast<SdlWindowSystem&>(WindowSystem::Get()); }

  // Runs the host loop until `condition` holds; false if it never did.
  static bool PumpUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kEventTimeout;
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      Result<bool> turn = RunLoopTurn();
      if (!turn.IsOk()) return false;
    }
    return true;
  }

  static Ref<AppWindow> OpenWindow(const Id& windowClass, const Rect& frame, const char* title) {
    return test::OpenTestWindow(windowClass, frame, title);
  }

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

  // Every event record a window receives, in order.
  void RecordEvents(AppWindow& window) {
    window.GetCanvas()->ObservableEvent()->AddObserver(
        [this](CanvasInterface*, const DataDictionary& event) -> Result<void> {
          events_.push_back(event);
          return Ok();
        });
  }
  bool SawEvent(const std::function<bool(const EventReader&)>& match) const {
    for (const DataDictionary& event : events_) {
      if (match(EventReader(&event))) return true;
    }
    return false;
  }

  static Vector2d OnScreen(AppWindow& window, Vector2d position) {
    return window.GetCanvas()->GlobalToScreenPosition(position);
  }
  // Puts the pointer over `local` in `window` and waits until the window reports it there. A
  // window still being mapped misses the motion, so the pointer comes again from one pixel off
  // until a report arrives; it always ends at `local`.
  bool PointAt(AppWindow& window, Vector2d local) {
    const auto deadline = std::chrono::steady_clock::now() + kEventTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
      MovePointer(OnScreen(window, local + Vector2d{1.0, 1.0}));
      MovePointer(OnScreen(window, local));
      const auto retry = std::chrono::steady_clock::now() + kPointerRetry;
      while (std::chrono::steady_clock::now() < retry) {
        const bool there = SawEvent(
            [&](const EventReader& e) { return *e.GetType() == EVENT::MOUSE_MOVE && *e.GetPosition() == local; });
        if (there) return true;
        if (!RunLoopTurn().IsOk()) return false;
      }
    }
    return false;
  }

  static void MovePointer(Vector2d screen) {
    XTestFakeMotionEvent(display_, -1, static_cast<int>(screen.x), static_cast<int>(screen.y), CurrentTime);
    XFlush(display_);
  }
  static void Button(unsigned button, bool down) {
    XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
    XFlush(display_);
  }
  static void Key(KeySym key, bool down) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, key), down ? True : False, CurrentTime);
    XFlush(display_);
  }

  // The screen's pixel at a screen position, read back from the X server.
  static Rgb ScreenPixel(Vector2d screen) {
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), static_cast<int>(screen.x),
                              static_cast<int>(screen.y), 1, 1, AllPlanes, ZPixmap);
    if (!image) return {-1, -1, -1};
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
  }
  // The pixel the canvas drew at a window position (opaque, so premultiplying changed nothing).
  static Rgb CanvasPixel(AppWindow& window, Vector2d position) {
    cairo_surface_t* surface = window.GetHostCanvas()->GetOsWindow()->GetSurface();
    cairo_surface_flush(surface);
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + static_cast<int>(position.y) * cairo_image_surface_get_stride(surface);
    const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[static_cast<int>(position.x)];
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
  }
  // Waits until the screen shows at `position` what the canvas drew there, and returns it.
  static Rgb ShownPixel(AppWindow& window, Vector2d position) {
    Rgb shown{-1, -1, -1};
    PumpUntil([&] {
      shown = ScreenPixel(OnScreen(window, position));
      return !window.NeedsUpdate() && shown == CanvasPixel(window, position);
    });
    return shown;
  }
  // Writes the window's area of the screen to the test output folder, for people to look at.
  static void SaveScreenshot(AppWindow& window, const std::string& name) {
    const Rect frame = window.GetCanvas()->GetWindowFrame();
    const int width = static_cast<int>(frame.Width()), height = static_cast<int>(frame.Height());
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), static_cast<int>(frame.left),
                              static_cast<int>(frame.top), width, height, AllPlanes, ZPixmap);
    if (!image) return;
    cairo_surface_t* png = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    unsigned char* data = cairo_image_surface_get_data(png);
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(data + y * cairo_image_surface_get_stride(png));
      for (int x = 0; x < width; ++x) row[x] = static_cast<uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF);
    }
    cairo_surface_mark_dirty(png);
    std::filesystem::create_directories(ZARVO_TEST_OUTPUT_DIR);
    cairo_surface_write_to_png(png, (std::string(ZARVO_TEST_OUTPUT_DIR) + "/" + name + ".png").c_str());
    cairo_surface_destroy(png);
    XDestroyImage(image);
  }

  // Asks the window manager's way for the window to close (what its close button sends).
  static void SendWindowManagerClose(AppWindow& window) {
    auto* os = static_cast<SdlOsWindow*>(window.GetHostCanvas()->GetOsWindow());
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(os->GetSdlWindow(), &info));
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = info.info.x11.window;
    message.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, info.info.x11.window, False, NoEventMask, &message);
    XFlush(display_);
  }

  static inline XServer server_;
  static inline std::string skip_;
  static inline std::string driver_;
  static inline Display* display_ = nullptr;
  std::vector<std::string> fired_;
  std::vector<DataDictionary> events_;
};

TEST_F(SdlWindowTest, RunsOnTheX11DriverWithAMonitorAndItsWorkArea) {
  std::cout << "SDL video driver: " << driver_ << "\n";
  EXPECT_EQ(driver_, "x11");
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
  XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y, &mask);
  EXPECT_EQ((Vector2d{static_cast<Float>(rootX), static_cast<Float>(rootY)}), OnScreen(*window, {80, 60}));
}

}  // namespace
}  // namespace zarvo
