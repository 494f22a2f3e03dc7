#include "apps/gallery/EventScript.h"

#include <sstream>
#include <unordered_map>

#include "host/ui/EventKeys.h"

namespace zarvo::gallery {

namespace {

Result<Int32> ParseKey(const std::string& name) {
  static const std::unordered_map<std::string, Int32> kKeys = {
      {"enter", KEY::ENTER}, {"tab", KEY::TAB},     {"escape", KEY::ESCAPE},    {"left", KEY::LEFT},
      {"right", KEY::RIGHT}, {"up", KEY::UP},       {"down", KEY::DOWN},        {"home", KEY::HOME},
      {"end", KEY::END},     {"delete", KEY::DELETE}, {"backspace", KEY::BACKSPACE}, {"space", ' '}};
  auto it = kKeys.find(name);
  if (it != kKeys.end()) return it->second;
  if (name.size() == 1) return static_cast<Int32>(static_cast<unsigned char>(name[0]));
  return IllegalArgumentError("unknown key '" + name + "'");
}

Result<Int> ParseModifiers(std::istringstream& in) {
  Int modifiers = MODIFIER::NONE;
  std::string word;
  while (in >> word) {
    if (word == "shift") modifiers |= MODIFIER::SHIFT;
    else if (word == "ctrl") modifiers |= MODIFIER::CONTROL;
    else if (word == "alt") modifiers |= MODIFIER::ALT;
    else return IllegalArgumentError("unknown modifier '" + word + "'");
  }
  return modifiers;
}

Result<Int> ParseButton(std::istringstream& in) {
  std::string word;
  if (!(in >> word)) return BUTTON::LEFT;
  if (word == "right") return BUTTON::RIGHT;
  if (word == "middle") return BUTTON::MIDDLE;
  if (word == "left") return BUTTON::LEFT;
  return IllegalArgumentError("unknown mouse button '" + word + "'");
}

Result<ScriptStep> ParseLine(const std::string& line) {
  std::istringstream in(line);
  ScriptStep step;
  std::string verb;
  if (!(in >> step.time >> verb)) return IllegalArgumentError("expected '<seconds> <verb>'");
  if (verb == "shot") {
    if (!(in >> step.shot)) return IllegalArgumentError("shot needs a name");
    return step;
  }
  if (verb == "type") {
    std::string text;
    std::getline(in >> std::ws, text);
    step.event = MakeTextEvent(text);
    return step;
  }
  if (verb == "key" || verb == "keyup") {
    std::string name;
    if (!(in >> name)) return IllegalArgumentError(verb + " needs a key name");
    ZV_TRY_ASSIGN(Int32 key, ParseKey(name));
    ZV_TRY_ASSIGN(Int modifiers, ParseModifiers(in));
    step.event = MakeKeyEvent(verb == "key" ? EVENT::KEYBOARD_KEY_DOWN : EVENT::KEYBOARD_KEY_UP, key, modifiers);
    return step;
  }
  Vector2d position;
  if (!(in >> position.x >> position.y)) return IllegalArgumentError(verb + " needs a position X Y");
  if (verb == "move") {
    step.event = MakeMouseEvent(EVENT::MOUSE_MOVE, position);
  } else if (verb == "press" || verb == "release" || verb == "drag") {
    ZV_TRY_ASSIGN(Int button, ParseButton(in));
    const EVENT type = verb == "press" ? EVENT::BUTTON_DOWN : verb == "release" ? EVENT::BUTTON_UP : EVENT::BUTTON_DRAG;
    step.event = MakeMouseEvent(type, position, button, MODIFIER::NONE, type == EVENT::BUTTON_DRAG ? 0 : 1);
  } else if (verb == "scroll") {
    // One wheel notch in a direction.
    static const std::unordered_map<std::string, Vector2d> kNotches = {
        {"up", {0.0, kScrollPixelsPerWheelNotch}},
        {"down", {0.0, -kScrollPixelsPerWheelNotch}},
        {"left", {kScrollPixelsPerWheelNotch, 0.0}},
        {"right", {-kScrollPixelsPerWheelNotch, 0.0}}};
    std::string direction;
    in >> direction;
    auto notch = kNotches.find(direction);
    if (notch == kNotches.end()) return IllegalArgumentError("scroll needs up, down, left or right");
    step.event = MakeScrollEvent(position, notch->second);
  } else {
    return IllegalArgumentError("unknown verb '" + verb + "'");
  }
  return step;
}

}  // namespace

Result<std::vector<ScriptStep>> ParseEventScript(const std::string& text) {
  std::vector<ScriptStep> steps;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    Result<ScriptStep> step = ParseLine(line);
    if (!step.IsOk()) {
      return IllegalArgumentError("script line " + std::to_string(number) + ": " + step.GetError().GetMessage());
    }
    steps.push_back(std::move(*step));
  }
  return steps;
}

}  // namespace zarvo::gallery
