#pragma once
#include <deque>
#include <unordered_set>

#include "host/ui/OsWindow.h"

namespace zarvo {

// The headless monitor: 1920×1080 with a 40-pixel panel at the bottom.
constexpr Float kHeadlessMonitorWidth = 1920.0;
constexpr Float kHeadlessMonitorHeight = 1080.0;
constexpr Float kHeadlessPanelHeight = 40.0;

// Offscreen windows for tests, CI and rendering to PNG. Input is injected as event records;
// key state and pointer position follow what was injected. Offscreen surfaces may be larger
// than the monitor (a page rendered to PNG is not limited by a screen).
class HeadlessWindowSystem final : public WindowSystem {
 public:
  const String& GetName() const override;
  Result<std::unique_ptr<OsWindow>> CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                   OsWindow* parent) override;
  std::vector<Monitor> GetMonitors() const override;
  // Delivers the posted events; nothing else can arrive, so it never waits.
  Result<void> PumpEvents(Float waitSeconds) override;
  bool HasPendingEvents() const override { return !posted_.empty(); }
  bool HasExternalInput() const override { return false; }
  bool IsKeyPressed(Int32 key) const override { return pressedKeys_.count(key) != 0; }
  Vector2d GetMouseScreenPosition() const override { return mouse_; }
  Result<String> GetClipboardText() const override { return clipboard_; }
  Result<void> SetClipboardText(const String& text) override {
    clipboard_ = text;
    return Ok();
  }

  // Queues an event for `window` that the next PumpEvents delivers, as the window system would:
  // a window closed or gone by then drops it, and so does one that a modal session holds back.
  void PostEvent(const OsWindow& window, DataDictionary event);
  // Keeps the key and pointer state in step with injected events.
  void NoteEvent(const DataDictionary& event, Vector2d windowOrigin);

 private:
  struct Posted {
    uint64_t windowSerial;
    DataDictionary event;
  };

  std::unordered_set<Int32> pressedKeys_;
  Vector2d mouse_;
  String clipboard_;
  std::deque<Posted> posted_;
};

}  // namespace zarvo
