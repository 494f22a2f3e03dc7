#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "host/backend/sdl/SdlEventTranslation.h"
#include "host/ui/EventKeys.h"

namespace zarvo {
namespace {

constexpr Uint32 kTimestampMs = 1500;

SDL_Event MouseMotion(Sint32 x, Sint32 y, Uint32 state = 0) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.timestamp = kTimestampMs;
  event.motion.x = x;
  event.motion.y = y;
  event.motion.state = state;
  return event;
}

SDL_Event MouseButton(Uint32 type, Uint8 button, Sint32 x, Sint32 y, Uint8 clicks) {
  SDL_Event event{};
  event.type = type;
  event.button.timestamp = kTimestampMs;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  event.button.clicks = clicks;
  return event;
}

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 modifiers = KMOD_NONE, Uint8 repeat = 0) {
  SDL_Event event{};
  event.type = type;
  event.key.keysym.sym = key;
  event.key.keysym.mod = modifiers;
  event.key.repeat = repeat;
  return event;
}

SDL_Event Wheel(Sint32 x, Sint32 y, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) {
  SDL_Event event{};
  event.type = SDL_MOUSEWHEEL;
  event.wheel.x = x;
  event.wheel.y = y;
  event.wheel.direction = direction;
  event.wheel.mouseX = 30;
  event.wheel.mouseY = 40;
  return event;
}

SDL_Event Text(const char* bytes, size_t length) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  std::memcpy(event.text.text, bytes, std::min(length, sizeof(event.text.text)));
  return event;
}

EVENT TypeOf(const DataDictionary& record) { return *EventReader(&record).GetType(); }

TEST(SdlEventTranslationTest, VideoDriverFollowsTheEnvironmentAndFailsWithoutDisplay) {
  EXPECT_EQ(*ChooseSdlVideoDriver(":0", "wayland-0"), "x11");
  EXPECT_EQ(*ChooseSdlVideoDriver(nullptr, "wayland-0"), "wayland");
  EXPECT_EQ(*ChooseSdlVideoDriver("", "wayland-0"), "wayland");
  Result<String> none = ChooseSdlVideoDriver(nullptr, "");
  ASSERT_FALSE(none.IsOk());
  EXPECT_EQ(none.GetError().GetKind(), ErrorKind::kIllegalState);
  EXPECT_EQ(none.GetError().GetMessage(), "No display: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

TEST(SdlEventTranslationTest, KeysWithoutCharacterTakeTheHostCodes) {
  EXPECT_EQ(TranslateSdlKey(SDLK_RETURN), 0xF10D);
  EXPECT_EQ(TranslateSdlKey(SDLK_KP_ENTER), 0xF10D);
  EXPECT_EQ(TranslateSdlKey(SDLK_UP), 0xF180);
  EXPECT_EQ(TranslateSdlKey(SDLK_DOWN), 0xF181);
  EXPECT_EQ(TranslateSdlKey(SDLK_LEFT), 0xF182);
  EXPECT_EQ(TranslateSdlKey(SDLK_RIGHT), 0xF183);
  EXPECT_EQ(TranslateSdlKey(SDLK_PAGEUP), 0xF184);
  EXPECT_EQ(TranslateSdlKey(SDLK_PAGEDOWN), 0xF185);
  EXPECT_EQ(TranslateSdlKey(SDLK_HOME), 0xF186);
  EXPECT_EQ(TranslateSdlKey(SDLK_END), 0xF187);
  EXPECT_EQ(TranslateSdlKey(SDLK_TAB), KEY::TAB);
  EXPECT_EQ(TranslateSdlKey(SDLK_ESCAPE), KEY::ESCAPE);
  EXPECT_EQ(TranslateSdlKey(SDLK_BACKSPACE), KEY::BACKSPACE);
  EXPECT_EQ(TranslateSdlKey(SDLK_DELETE), KEY::DELETE);
  EXPECT_EQ(TranslateSdlKey(SDLK_RSHIFT), KEY::SHIFT);
  EXPECT_EQ(TranslateSdlKey(SDLK_F1), KEY::F1);
  EXPECT_EQ(TranslateSdlKey(SDLK_F12), KEY::F1 + 11);
}

TEST(SdlEventTranslationTest, PrintableKeysAreTheirCodePointAndUnknownKeysNothing) {
  EXPECT_EQ(TranslateSdlKey(SDLK_a), 'a');
  EXPECT_EQ(TranslateSdlKey(SDLK_SPACE), ' ');
  EXPECT_EQ(TranslateSdlKey(SDLK_KP_7), '7');
  EXPECT_EQ(TranslateSdlKey(SDLK_UNKNOWN), 0);
  EXPECT_EQ(TranslateSdlKey(SDLK_LGUI), 0);
  SdlInputState state;
  EXPECT_TRUE(TranslateSdlEvent(Key(SDL_KEYDOWN, SDLK_LGUI), state).empty());
}

TEST(SdlEventTranslationTest, HostKeysMapBackForKeyState) {
  for (SDL_Keycode key : {SDLK_RETURN, SDLK_UP, SDLK_END, SDLK_F5, SDLK_a, SDLK_1}) {
    EXPECT_EQ(HostKeyToSdlKey(TranslateSdlKey(key)), key);
  }
  EXPECT_EQ(HostKeyToSdlKey('A'), SDLK_a);
  EXPECT_EQ(HostKeyToSdlKey(KEY::SHIFT), SDLK_UNKNOWN);
  EXPECT_EQ(HostKeyToSdlKey(0xF010), SDLK_UNKNOWN);
}

TEST(SdlEventTranslationTest, ModifiersAndButtonsBecomeHostFlags) {
  EXPECT_EQ(TranslateSdlModifiers(KMOD_NONE), MODIFIER::NONE);
  EXPECT_EQ(TranslateSdlModifiers(KMOD_NUM), MODIFIER::NONE);
  EXPECT_EQ(TranslateSdlModifiers(KMOD_LSHIFT | KMOD_RCTRL), MODIFIER::SHIFT | MODIFIER::CONTROL);
  EXPECT_EQ(TranslateSdlModifiers(KMOD_RALT | KMOD_CAPS), MODIFIER::ALT | MODIFIER::CAPSLOCK);
  EXPECT_EQ(TranslateSdlButton(SDL_BUTTON_LEFT), BUTTON::LEFT);
  EXPECT_EQ(TranslateSdlButton(SDL_BUTTON_RIGHT), BUTTON::RIGHT);
  EXPECT_EQ(TranslateSdlButton(SDL_BUTTON_MIDDLE), BUTTON::MIDDLE);
  EXPECT_EQ(TranslateSdlButton(SDL_BUTTON_X1), 8);
  EXPECT_EQ(TranslateSdlButton(SDL_BUTTON_X2), 16);
  EXPECT_EQ(TranslateSdlButton(0), BUTTON::NONE);
  EXPECT_EQ(TranslateSdlButtonMask(SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), BUTTON::LEFT | BUTTON::RIGHT);
  EXPECT_EQ(TranslateSdlButtonMask(SDL_BUTTON_MMASK), BUTTON::MIDDLE);
}

TEST(SdlEventTranslationTest, MotionIsAMoveOrADragWhileAButtonIsHeld) {
  SdlInputState state;
  state.pixelScale = 2.0;
  state.keyModifiers = KMOD_LSHIFT;
  std::vector<DataDictionary> moved = TranslateSdlEvent(MouseMotion(10, 20), state);
  ASSERT_EQ(moved.size(), 1u);
  EventReader move(&moved[0]);
  EXPECT_EQ(*move.GetType(), EVENT::MOUSE_MOVE);
  EXPECT_EQ(*move.GetPosition(), (Vector2d{20, 40}));
  EXPECT_EQ(*move.GetButtonState(), BUTTON::NONE);
  EXPECT_EQ(*move.GetModifierState(), MODIFIER::SHIFT);
  EXPECT_EQ(*moved[0].Get<Float>(EventKeys::Timestamp(), 0.0), 1.5);
  EXPECT_EQ(state.pointer, (Vector2d{20, 40}));

  std::vector<DataDictionary> dragged = TranslateSdlEvent(MouseMotion(11, 21, SDL_BUTTON_LMASK), state);
  ASSERT_EQ(dragged.size(), 1u);
  EXPECT_EQ(TypeOf(dragged[0]), EVENT::BUTTON_DRAG);
  EXPECT_EQ(*EventReader(&dragged[0]).GetButtonState(), BUTTON::LEFT);
}

TEST(SdlEventTranslationTest, ButtonsCarryTheirFlagClicksAndDoubleClick) {
  SdlInputState state;
  std::vector<DataDictionary> down =
      TranslateSdlEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6, 1), state);
  ASSERT_EQ(down.size(), 1u);
  EventReader first(&down[0]);
  EXPECT_EQ(*first.GetType(), EVENT::BUTTON_DOWN);
  EXPECT_EQ(*first.GetButtonState(), BUTTON::RIGHT);
  EXPECT_EQ(*first.GetPosition(), (Vector2d{5, 6}));
  EXPECT_EQ(*first.GetClicks(), 1);
  EXPECT_FALSE(*down[0].Get<Bool>(EventKeys::DoubleClick(), true));

  std::vector<DataDictionary> second =
      TranslateSdlEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6, 2), state);
  EXPECT_EQ(*EventReader(&second[0]).GetClicks(), 2);
  EXPECT_TRUE(*second[0].Get<Bool>(EventKeys::DoubleClick(), false));

  std::vector<DataDictionary> up = TranslateSdlEvent(MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 7, 8, 2), state);
  EXPECT_EQ(TypeOf(up[0]), EVENT::BUTTON_UP);
  EXPECT_EQ(*EventReader(&up[0]).GetButtonState(), BUTTON::LEFT);
  EXPECT_EQ(state.pointer, (Vector2d{7, 8}));
}

TEST(SdlEventTranslationTest, WheelSendsOneScrollVectorPerAxisAndHonoursFlippedDevices) {
  constexpr Float kNotch = kScrollPixelsPerWheelNotch;
  SdlInputState state;
  std::vector<DataDictionary> up = TranslateSdlEvent(Wheel(0, 2), state);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(TypeOf(up[0]), EVENT::SCROLL);
  EXPECT_EQ(*EventReader(&up[0]).GetScrollVector(), (Vector2d{0, 2 * kNotch})) << "the content follows the wheel up";
  EXPECT_EQ(*EventReader(&up[0]).GetPosition(), (Vector2d{30, 40}));

  std::vector<DataDictionary> flipped = TranslateSdlEvent(Wheel(0, 1, SDL_MOUSEWHEEL_FLIPPED), state);
  ASSERT_EQ(flipped.size(), 1u);
  EXPECT_EQ(*EventReader(&flipped[0]).GetScrollVector(), (Vector2d{0, -kNotch}));

  std::vector<DataDictionary> sideways = TranslateSdlEvent(Wheel(-1, 0), state);
  ASSERT_EQ(sideways.size(), 1u);
  EXPECT_EQ(*EventReader(&sideways[0]).GetScrollVector(), (Vector2d{kNotch, 0})) << "turned left, content goes right";

  std::vector<DataDictionary> both = TranslateSdlEvent(Wheel(1, -1), state);
  ASSERT_EQ(both.size(), 2u) << "one event per axis, so that each scrolls along its own";
  EXPECT_EQ(*EventReader(&both[0]).GetScrollVector(), (Vector2d{0, -kNotch}));
  EXPECT_EQ(*EventReader(&both[1]).GetScrollVector(), (Vector2d{-kNotch, 0}));

  std::vector<DataDictionary> huge = TranslateSdlEvent(Wheel(0, 1000), state);
  ASSERT_EQ(huge.size(), 1u);
  EXPECT_EQ(EventReader(&huge[0]).GetScrollVector()->y, kMaxWheelNotchesPerEvent * kNotch);
  EXPECT_TRUE(TranslateSdlEvent(Wheel(0, 0), state).empty());
}

TEST(SdlEventTranslationTest, KeysRepeatsAndReleases) {
  SdlInputState state;
  std::vector<DataDictionary> down = TranslateSdlEvent(Key(SDL_KEYDOWN, SDLK_RETURN), state);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(TypeOf(down[0]), EVENT::KEYBOARD_KEY_DOWN);
  EXPECT_EQ(*EventReader(&down[0]).GetKey(), 0xF10D);
  EXPECT_EQ(*EventReader(&down[0]).GetModifierState(), MODIFIER::NONE);

  std::vector<DataDictionary> repeat = TranslateSdlEvent(Key(SDL_KEYDOWN, SDLK_DOWN, KMOD_LCTRL, 1), state);
  EXPECT_EQ(TypeOf(repeat[0]), EVENT::KEYBOARD_KEY_REPEAT);
  EXPECT_EQ(*EventReader(&repeat[0]).GetModifierState(), MODIFIER::CONTROL);

  std::vector<DataDictionary> up = TranslateSdlEvent(Key(SDL_KEYUP, SDLK_DOWN), state);
  EXPECT_EQ(TypeOf(up[0]), EVENT::KEYBOARD_KEY_UP);
}

TEST(SdlEventTranslationTest, TextInputIsUtf8AndInvalidBytesAreReplaced) {
  SdlInputState state;
  const char summer[] = "\xC3\xA9t\xC3\xA9";  // "été"
  std::vector<DataDictionary> text = TranslateSdlEvent(Text(summer, sizeof(summer)), state);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(TypeOf(text[0]), EVENT::KEYBOARD_TEXT);
  EXPECT_EQ(*EventReader(&text[0]).GetText(), "\xC3\xA9t\xC3\xA9");

  const char broken[] =
      "a\xFF"
      "b\xC3";
  std::vector<DataDictionary> cleaned = TranslateSdlEvent(Text(broken, sizeof(broken)), state);
  ASSERT_EQ(cleaned.size(), 1u);
  EXPECT_EQ(*EventReader(&cleaned[0]).GetText(),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");

  // A buffer filled to the brim without a terminator is read up to its end, not beyond.
  const std::string full(sizeof(SDL_TextInputEvent::text), 'x');
  std::vector<DataDictionary> brim = TranslateSdlEvent(Text(full.data(), full.size()), state);
  EXPECT_EQ(*EventReader(&brim[0]).GetText(), full);

  EXPECT_TRUE(TranslateSdlEvent(Text("", 1), state).empty());
}

TEST(SdlEventTranslationTest, SanitizeUtf8RejectsOverlongSurrogatesAndOutOfRange) {
  EXPECT_EQ(SanitizeUtf8("plain"), "plain");
  EXPECT_EQ(SanitizeUtf8("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");  // U+1F600 stays
  // As browsers do: one U+FFFD for each byte that cannot start or continue a valid sequence.
  EXPECT_EQ(SanitizeUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                                  // overlong '/'
  EXPECT_EQ(SanitizeUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");                  // a surrogate
  EXPECT_EQ(SanitizeUtf8("\xF4\x90\x80\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // above U+10FFFF
  EXPECT_EQ(SanitizeUtf8("\x80\x80x"), "\xEF\xBF\xBD\xEF\xBF\xBDx");             // stray continuations
  EXPECT_EQ(SanitizeUtf8("\xE2\x82x"), "\xEF\xBF\xBDx");                         // a truncated sequence
  EXPECT_EQ(SanitizeUtf8("\xE2\x82"), "\xEF\xBF\xBD");                           // truncated at the end
  EXPECT_EQ(SanitizeUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));  // NUL is valid
}

TEST(SdlEventTranslationTest, EnteringAndLeavingUseTheLastPointerPosition) {
  SdlInputState state;
  state.pointer = {12, 34};
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = SDL_WINDOWEVENT_ENTER;
  std::vector<DataDictionary> entered = TranslateSdlEvent(event, state);
  ASSERT_EQ(entered.size(), 1u);
  EXPECT_EQ(TypeOf(entered[0]), EVENT::AREA_ENTERED);
  EXPECT_EQ(*EventReader(&entered[0]).GetPosition(), (Vector2d{12, 34}));
  event.window.event = SDL_WINDOWEVENT_LEAVE;
  EXPECT_EQ(TypeOf(TranslateSdlEvent(event, state)[0]), EVENT::AREA_LEFT);
  event.window.event = SDL_WINDOWEVENT_RESIZED;
  EXPECT_TRUE(TranslateSdlEvent(event, state).empty());
}

}  // namespace
}  // namespace zarvo
