#include "host/backend/sdl/SdlEventTranslation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host/ui/EventKeys.h"

namespace zarvo {

namespace {

constexpr Float kMillisecondsPerSecond = 1000.0;
// The first key code SDL gives to keys without a character.
constexpr SDL_Keycode kFirstScancodeKey = SDLK_SCANCODE_MASK;
constexpr Int32 kFirstPrintable = 0x20;
constexpr Int32 kDeleteCharacter = 0x7F;
constexpr int kFunctionKeyCount = 12;
// The host's codes for keys without a character sit in this private-use range.
constexpr Int32 kFirstHostKeyCode = 0xF000;
constexpr Int32 kLastHostKeyCode = 0xF8FF;
constexpr unsigned char kReplacementCharacter[] = {0xEF, 0xBF, 0xBD};  // U+FFFD

struct KeyPair {
  SDL_Keycode sdl;
  Int32 host;
};

// Keys without a character. The first entry for a host code is the one IsKeyPressed asks for.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_RETURN, KEY::ENTER},
    {SDLK_KP_ENTER, KEY::ENTER},
    {SDLK_RETURN2, KEY::ENTER},
    {SDLK_BACKSPACE, KEY::BACKSPACE},
    {SDLK_TAB, KEY::TAB},
    {SDLK_ESCAPE, KEY::ESCAPE},
    {SDLK_DELETE, KEY::DELETE},
    {SDLK_INSERT, KEY::INSERT},
    {SDLK_LEFT, KEY::LEFT},
    {SDLK_RIGHT, KEY::RIGHT},
    {SDLK_UP, KEY::UP},
    {SDLK_DOWN, KEY::DOWN},
    {SDLK_PAGEUP, KEY::PAGE_UP},
    {SDLK_PAGEDOWN, KEY::PAGE_DOWN},
    {SDLK_HOME, KEY::HOME},
    {SDLK_END, KEY::END},
    {SDLK_LSHIFT, KEY::SHIFT},
    {SDLK_RSHIFT, KEY::SHIFT},
    {SDLK_LCTRL, KEY::CONTROL},
    {SDLK_RCTRL, KEY::CONTROL},
    {SDLK_LALT, KEY::ALT},
    {SDLK_RALT, KEY::ALT},
    {SDLK_CAPSLOCK, KEY::CAPSLOCK},
};

// Keypad keys that type a character.
constexpr KeyPair kKeypadCharacters[] = {
    {SDLK_KP_0, '0'},        {SDLK_KP_1, '1'},     {SDLK_KP_2, '2'},      {SDLK_KP_3, '3'},
    {SDLK_KP_4, '4'},        {SDLK_KP_5, '5'},     {SDLK_KP_6, '6'},      {SDLK_KP_7, '7'},
    {SDLK_KP_8, '8'},        {SDLK_KP_9, '9'},     {SDLK_KP_PERIOD, '.'}, {SDLK_KP_DIVIDE, '/'},
    {SDLK_KP_MULTIPLY, '*'}, {SDLK_KP_MINUS, '-'}, {SDLK_KP_PLUS, '+'},   {SDLK_KP_EQUALS, '='},
};

Int32 FunctionKey(SDL_Keycode key) {
  // SDL numbers F1..F12 consecutively.
  if (key >= SDLK_F1 && key <= SDLK_F12) return KEY::F1 + static_cast<Int32>(key - SDLK_F1);
  return 0;
}

void Stamp(DataDictionary& record, const SDL_Event& event) {
  record.Set(EventKeys::Timestamp(), static_cast<Float>(event.common.timestamp) / kMillisecondsPerSecond);
}

Vector2d Scaled(Sint32 x, Sint32 y, Float scale) {
  return {static_cast<Float>(x) * scale, static_cast<Float>(y) * scale};
}

// One SCROLL for the notches turned along one axis; `unit` is the scroll vector of one notch.
void AddScroll(std::vector<DataDictionary>& out, const SDL_Event& event, const SdlInputState& state, int notches,
               Vector2d unit) {
  if (notches == 0) return;
  const Float count = std::clamp(notches, -kMaxWheelNotchesPerEvent, kMaxWheelNotchesPerEvent);
  DataDictionary record =
      MakeScrollEvent(state.pointer, {unit.x * count, unit.y * count}, TranslateSdlModifiers(state.keyModifiers));
  Stamp(record, event);
  out.push_back(std::move(record));
}

// The sequence at the start of `text`: its length and whether it is well-formed. An ill-formed
// one is the longest start of a valid sequence (at least one byte), so that each is replaced by
// one U+FFFD and the byte that broke it starts the next.
struct Utf8Sequence {
  size_t length;
  bool valid;
};

Utf8Sequence NextSequence(std::string_view text) {
  const unsigned char lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {1, true};
  size_t expected = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range; later bytes are 80..BF
  if (lead >= 0xC2 && lead <= 0xDF) {
    expected = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    expected = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    expected = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {1, false};
  }
  for (size_t i = 1; i < expected; ++i) {
    const unsigned char byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    const bool fits = i < text.size() && byte >= (i == 1 ? low : 0x80) && byte <= (i == 1 ? high : 0xBF);
    if (!fits) return {i, false};
  }
  return {expected, true};
}

}  // namespace

Result<String> ChooseSdlVideoDriver(const char* display, const char* waylandDisplay) {
  if (display && *display) return String("x11");
  if (waylandDisplay && *waylandDisplay) return String("wayland");
  return IllegalStateError("No display: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

Int32 TranslateSdlKey(SDL_Keycode key) {
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.sdl == key) return pair.host;
  }
  for (const KeyPair& pair : kKeypadCharacters) {
    if (pair.sdl == key) return pair.host;
  }
  if (const Int32 function = FunctionKey(key)) return function;
  if (key >= kFirstPrintable && key < kFirstScancodeKey && key != kDeleteCharacter) return static_cast<Int32>(key);
  return 0;
}

SDL_Keycode HostKeyToSdlKey(Int32 key) {
  if (key == KEY::SHIFT || key == KEY::CONTROL || key == KEY::ALT) return SDLK_UNKNOWN;
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.host == key) return pair.sdl;
  }
  if (key >= KEY::F1 && key < KEY::F1 + kFunctionKeyCount) return SDLK_F1 + (key - KEY::F1);
  if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';  // SDL names letters by their small form
  if (key >= kFirstHostKeyCode && key <= kLastHostKeyCode) return SDLK_UNKNOWN;  // a host code SDL lacks
  if (key >= kFirstPrintable && key < kFirstScancodeKey && key != kDeleteCharacter) return key;
  return SDLK_UNKNOWN;
}

Int TranslateSdlModifiers(Uint16 modifiers) {
  Int flags = MODIFIER::NONE;
  if (modifiers & KMOD_SHIFT) flags |= MODIFIER::SHIFT;
  if (modifiers & KMOD_CTRL) flags |= MODIFIER::CONTROL;
  if (modifiers & KMOD_ALT) flags |= MODIFIER::ALT;
  if (modifiers & KMOD_CAPS) flags |= MODIFIER::CAPSLOCK;
  return flags;
}

Int TranslateSdlButton(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return BUTTON::LEFT;
    case SDL_BUTTON_MIDDLE:
      return BUTTON::MIDDLE;
    case SDL_BUTTON_RIGHT:
      return BUTTON::RIGHT;
    default:
      // X1, X2 and any further buttons take the next bits in order.
      if (button >= SDL_BUTTON_X1 && button < 32) return Int{1} << (button - 1);
      return BUTTON::NONE;
  }
}

Int TranslateSdlButtonMask(Uint32 mask) {
  Int flags = BUTTON::NONE;
  for (Uint8 button = 1; button < 32; ++button) {
    if (mask & SDL_BUTTON(button)) flags |= TranslateSdlButton(button);
  }
  return flags;
}

String SanitizeUtf8(std::string_view text) {
  String clean;
  clean.reserve(text.size());
  while (!text.empty()) {
    const Utf8Sequence sequence = NextSequence(text);
    if (sequence.valid) {
      clean.append(text.data(), sequence.length);
    } else {
      clean.append(reinterpret_cast<const char*>(kReplacementCharacter), sizeof(kReplacementCharacter));
    }
    text.remove_prefix(sequence.length);
  }
  return clean;
}

std::vector<DataDictionary> TranslateSdlEvent(const SDL_Event& event, SdlInputState& state) {
  std::vector<DataDictionary> out;
  const Int modifiers = TranslateSdlModifiers(state.keyModifiers);
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      state.pointer = Scaled(event.motion.x, event.motion.y, state.pixelScale);
      const Int buttons = TranslateSdlButtonMask(event.motion.state);
      out.push_back(
          MakeMouseEvent(buttons ? EVENT::BUTTON_DRAG : EVENT::MOUSE_MOVE, state.pointer, buttons, modifiers));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const Int button = TranslateSdlButton(event.button.button);
      if (button == BUTTON::NONE) break;
      state.pointer = Scaled(event.button.x, event.button.y, state.pixelScale);
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      DataDictionary record = MakeMouseEvent(down ? EVENT::BUTTON_DOWN : EVENT::BUTTON_UP, state.pointer, button,
                                             modifiers, event.button.clicks);
      record.Set(EventKeys::DoubleClick(), Bool{event.button.clicks == 2});
      out.push_back(std::move(record));
      break;
    }
    case SDL_MOUSEWHEEL: {
      state.pointer = Scaled(event.wheel.mouseX, event.wheel.mouseY, state.pixelScale);
      const int flip = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
      // SDL counts a wheel turned up and to the right as positive; the content follows up and
      // to the left.
      AddScroll(out, event, state, event.wheel.y * flip, {0.0, kScrollPixelsPerWheelNotch});
      AddScroll(out, event, state, event.wheel.x * flip, {-kScrollPixelsPerWheelNotch, 0.0});
      return out;  // stamped already
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const Int32 key = TranslateSdlKey(event.key.keysym.sym);
      if (key == 0) break;
      const EVENT type = event.type == SDL_KEYUP ? EVENT::KEYBOARD_KEY_UP
                         : event.key.repeat != 0 ? EVENT::KEYBOARD_KEY_REPEAT
                                                 : EVENT::KEYBOARD_KEY_DOWN;
      out.push_back(MakeKeyEvent(type, key, TranslateSdlModifiers(event.key.keysym.mod)));
      break;
    }
    case SDL_TEXTINPUT: {
      // SDL's buffer is fixed; never read past it, even without a terminator.
      const size_t length = strnlen(event.text.text, sizeof(event.text.text));
      String text = SanitizeUtf8(std::string_view(event.text.text, length));
      if (text.empty()) break;
      out.push_back(MakeTextEvent(text));
      break;
    }
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_ENTER) {
        out.push_back(MakeMouseEvent(EVENT::AREA_ENTERED, state.pointer, BUTTON::NONE, modifiers));
      } else if (event.window.event == SDL_WINDOWEVENT_LEAVE) {
        out.push_back(MakeMouseEvent(EVENT::AREA_LEFT, state.pointer, BUTTON::NONE, modifiers));
      }
      break;
    default:
      break;
  }
  for (DataDictionary& record : out) Stamp(record, event);
  return out;
}

}  // namespace zarvo
