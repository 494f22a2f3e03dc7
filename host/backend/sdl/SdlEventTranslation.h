#pragma once
#include <SDL.h>

#include <string_view>
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Result.h"
#include "host/ui/UiTypes.h"

namespace zarvo {

// How SDL input becomes the host's event records. Everything here is a pure function of the
// SDL event and the pointer state passed in, so that it is tested without a display.

// The SDL video driver for the environment: "x11" when DISPLAY is set, else "wayland" when
// WAYLAND_DISPLAY is, else an error saying that there is no display.
[[nodiscard]] Result<String> ChooseSdlVideoDriver(const char* display, const char* waylandDisplay);

// The host key code of an SDL key: the host's codes for keys without a character, the Unicode
// code point for printable keys; 0 when the host has no code for it.
Int32 TranslateSdlKey(SDL_Keycode key);
// The SDL key of a host key code, SDLK_UNKNOWN when none (the modifier codes name two keys each
// and are not mapped here).
SDL_Keycode HostKeyToSdlKey(Int32 key);
// MODIFIER flags of SDL's modifier state; Num Lock and the others the host does not know are
// left out, so that "no modifier" stays exactly NONE.
Int TranslateSdlModifiers(Uint16 modifiers);
// The BUTTON flag of one SDL button (left, middle, right, X1, X2, ...); NONE for an invalid one.
Int TranslateSdlButton(Uint8 button);
// BUTTON flags of SDL's button mask.
Int TranslateSdlButtonMask(Uint32 mask);

// `text` as valid UTF-8: every ill-formed sequence (stray continuation bytes, truncated or
// overlong sequences, surrogates, code points above U+10FFFF) becomes U+FFFD.
String SanitizeUtf8(std::string_view text);

// A wheel turned by several notches at once sends one SCROLL per axis, as far as this many
// notches at most.
constexpr int kMaxWheelNotchesPerEvent = 8;

// What one window knows besides the SDL event. Events without a position (entering, leaving)
// use the pointer's last position; pointer events carry no modifiers of their own, so the
// keyboard's modifier state at handling time goes with them. `pixelScale` turns window
// coordinates into surface pixels, the canvas's coordinates.
struct SdlInputState {
  Vector2d pointer;
  Float pixelScale = 1.0;
  Uint16 keyModifiers = KMOD_NONE;
};

// The host event records for one SDL event addressed to a window, in order; empty for events the
// host does not take (keys without a host code, text that is empty once cleaned, window events
// other than entering and leaving). Pointer events update `state.pointer`.
std::vector<DataDictionary> TranslateSdlEvent(const SDL_Event& event, SdlInputState& state);

}  // namespace zarvo
