#pragma once
// Real windows on an X server: a fixture for tests that drive SDL windows with a real pointer and
// keyboard (XTest) and read back what the screen shows. Xvfb is started for the test program
// when no display is set; without an X server the tests are skipped with the reason.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventKeys.h"

struct _XDisplay;

namespace zarvo {

class SdlWindowSystem;

namespace test {

// How long a condition may take to show up on a real display before a test gives up.
constexpr std::chrono::seconds kRealWindowEventTimeout{10};

// A pixel as the screen or a canvas shows it.
struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& c);

class RealWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  static SdlWindowSystem& System();
  // The SDL video driver that runs ("x11" under Xvfb).
  static const std::string& VideoDriver();
  // Our own connection to the X server, for requests the tests make themselves.
  static _XDisplay* XDisplay();

  // Runs the host loop until `condition` holds; false if it never did.
  static bool PumpUntil(const std::function<bool()>& condition);
  static Ref<AppWindow> OpenWindow(const Id& windowClass, const Rect& frame, const char* title);

  // Every event record a window receives, in order, lands in events_.
  void RecordEvents(AppWindow& window);
  bool SawEvent(const std::function<bool(const EventReader&)>& match) const;

  static Vector2d OnScreen(AppWindow& window, Vector2d position);
  // Puts the pointer over `local` in `window` and waits until the window reports it there. A
  // window still being mapped misses the motion, so the pointer comes again from one pixel off
  // until a report arrives; it always ends at `local`. Needs RecordEvents on the window.
  bool PointAt(AppWindow& window, Vector2d local);

  static void MovePointer(Vector2d screen);
  // X11 button numbers: 1 left, 2 middle, 3 right, 4 and 5 the wheel.
  static void Button(unsigned button, bool down);
  // An X keysym (XK_Return, XK_Down, ...).
  static void Key(unsigned long keysym, bool down);

  // The screen's pixel at a screen position, read back from the X server.
  static Rgb ScreenPixel(Vector2d screen);
  // The pixel the canvas drew at a window position (opaque, so premultiplying changed nothing).
  static Rgb CanvasPixel(AppWindow& window, Vector2d position);
  // Waits until the screen shows at `position` what the canvas drew there, and returns it.
  static Rgb ShownPixel(AppWindow& window, Vector2d position);
  // Writes the window's area of the screen to the test output folder, for people to look at.
  static void SaveScreenshot(AppWindow& window, const std::string& name);
  // Asks the window manager's way for the window to close (what its close button sends).
  static void SendWindowManagerClose(AppWindow& window);
  // A message to a window that does not exist, on our own connection; the server answers with
  // an error, which the process's X error handler receives.
  static void SendToAWindowThatIsGone();

  std::vector<DataDictionary> events_;
};

}  // namespace test
}  // namespace zarvo
