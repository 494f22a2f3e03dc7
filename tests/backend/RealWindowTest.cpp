#include "tests/backend/RealWindowTest.h"

#include <cairo.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>

#include "host/backend/sdl/SdlOsWindow.h"
#include "host/backend/sdl/SdlWindowSystem.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/Application.h"
#include "tests/support/TestWidgets.h"

// X11 last: its macros (Bool, None, True, ...) must not reach the host's headers.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace zarvo::test {
namespace {

constexpr const char* kXvfbScreen = "1024x768x24";
constexpr std::chrono::seconds kServerStartTimeout{15};
// How long a pointer move may take to be reported before it is sent again.
constexpr std::chrono::milliseconds kPointerRetry{250};

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

XServer server_;
std::string skip_;
std::string driver_;
Display* display_ = nullptr;

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

void RealWindowTest::SetUpTestSuite() {
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

void RealWindowTest::TearDownTestSuite() {
  if (display_) XCloseDisplay(display_);
  display_ = nullptr;
  WindowSystem::Install(nullptr);
  server_.Stop();
}

void RealWindowTest::SetUp() {
  if (!skip_.empty()) GTEST_SKIP() << skip_;
  GetMainThreadQueue().Clear();
}

void RealWindowTest::TearDown() {
  GetMainThreadQueue().Clear();
  // Leave the pointer and the keyboard as found for the next test.
  if (display_) {
    for (unsigned button = 1; button <= 5; ++button) XTestFakeButtonEvent(display_, button, False, CurrentTime);
    XFlush(display_);
  }
}

SdlWindowSystem& RealWindowTest::System() { return static_cast<SdlWindowSystem&>(WindowSystem::Get()); }
const std::string& RealWindowTest::VideoDriver() { return driver_; }
_XDisplay* RealWindowTest::XDisplay() { return display_; }

void RealWindowTest::SendToAWindowThatIsGone() {
  constexpr Window kNoSuchWindow = 0x3ffffff;
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = kNoSuchWindow;
  message.xclient.format = 32;
  XSendEvent(display_, kNoSuchWindow, False, NoEventMask, &message);
  XSync(display_, False);
}

bool RealWindowTest::PumpUntil(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + kRealWindowEventTimeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Result<bool> turn = RunLoopTurn();
    if (!turn.IsOk()) return false;
  }
  return true;
}

Ref<AppWindow> RealWindowTest::OpenWindow(const Id& windowClass, const Rect& frame, const char* title) {
  return OpenTestWindow(windowClass, frame, title);
}

void RealWindowTest::RecordEvents(AppWindow& window) {
  window.GetCanvas()->ObservableEvent()->AddObserver([this](CanvasInterface*, const DataDictionary& event) -> Result<void> {
    events_.push_back(event);
    return Ok();
  });
}

bool RealWindowTest::SawEvent(const std::function<bool(const EventReader&)>& match) const {
  for (const DataDictionary& event : events_) {
    if (match(EventReader(&event))) return true;
  }
  return false;
}

Vector2d RealWindowTest::OnScreen(AppWindow& window, Vector2d position) {
  return window.GetCanvas()->GlobalToScreenPosition(position);
}

bool RealWindowTest::PointAt(AppWindow& window, Vector2d local) {
  const auto deadline = std::chrono::steady_clock::now() + kRealWindowEventTimeout;
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

void RealWindowTest::MovePointer(Vector2d screen) {
  XTestFakeMotionEvent(display_, -1, static_cast<int>(screen.x), static_cast<int>(screen.y), CurrentTime);
  XFlush(display_);
}

void RealWindowTest::Button(unsigned button, bool down) {
  XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
  XFlush(display_);
}

void RealWindowTest::Key(unsigned long keysym, bool down) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), down ? True : False, CurrentTime);
  XFlush(display_);
}

Rgb RealWindowTest::ScreenPixel(Vector2d screen) {
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), static_cast<int>(screen.x),
                            static_cast<int>(screen.y), 1, 1, AllPlanes, ZPixmap);
  if (!image) return {-1, -1, -1};
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

Rgb RealWindowTest::CanvasPixel(AppWindow& window, Vector2d position) {
  cairo_surface_t* surface = window.GetHostCanvas()->GetOsWindow()->GetSurface();
  cairo_surface_flush(surface);
  const unsigned char* row =
      cairo_image_surface_get_data(surface) + static_cast<int>(position.y) * cairo_image_surface_get_stride(surface);
  const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[static_cast<int>(position.x)];
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

Rgb RealWindowTest::ShownPixel(AppWindow& window, Vector2d position) {
  Rgb shown{-1, -1, -1};
  PumpUntil([&] {
    shown = ScreenPixel(OnScreen(window, position));
    return !window.NeedsUpdate() && shown == CanvasPixel(window, position);
  });
  return shown;
}

void RealWindowTest::SaveScreenshot(AppWindow& window, const std::string& name) {
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

void RealWindowTest::SendWindowManagerClose(AppWindow& window) {
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

}  // namespace zarvo::test
