#pragma once

namespace zarvo {

// Replaces the X library's default error handler, which ends the process, for the display
// connections SDL's x11 driver opens. A request that names a window closed meanwhile (SDL
// wakes its event wait with a message to a window that may just have gone) is a race of no
// consequence and is dropped; any other error is logged.
void InstallX11ErrorHandler();

}  // namespace zarvo
