#include "host/backend/sdl/X11ErrorHandler.h"

#include <string>

#include "host/core/Log.h"

// Last: the X headers define macros (Bool, None, Status) that the host's own names must not meet.
#include <X11/Xlib.h>

namespace zarvo {

namespace {

int HandleX11Error(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
  char text[256] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  LogWarning("X request " + std::to_string(error->request_code) + " failed: " + text);
  return 0;
}

}  // namespace

void InstallX11ErrorHandler() { XSetErrorHandler(&HandleX11Error); }

}  // namespace zarvo
