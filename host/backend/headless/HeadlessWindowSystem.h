#pragma once
#include <unordered_set>

#include "host/ui/OsWindow.h"

namespace zarvo {

// The headless monitor: 1920×1080 with a 40-pixel panel at the bottom.
constexpr Float kHeadlessMonitorWidth = 1920.0;
constexpr Float kHeadlessMonitorHeight = 1080.0;
constexpr Float kHeadlessPanelHeight = 40.0;

// Offscreen windows for tests, CI and rendering to PNG. Input is injected as event records;
// key state and pointer position follow what was injected.
class HeadlessWindowSystem final : public WindowSystem {
 public:
  const String& GetName() const override;
  Result<std::unique_ptr<OsWindow>> CreateOsWindow(const Id& windowClass, const Rect& screenFrame,
                                                   OsWindow* parent) override;
  std::vector<Monitor> GetMonitors() const override;
  Result<void> PumpEvents(Float) override { return Ok(); }
  bool IsKeyPressed(Int32 key) const override { return pressedKeys_.count(key) != 0; }
  Vector2d GetMouseScreenPosition() const override { return mouse_; }
  Result<String> GetClipboardText() const override { return clipboard_; }
  Result<void> SetClipboardText(const String& text) override {
    clipboard_ = text;
    return Ok();
  }

  // Keeps the key and pointer state in step with injected events.
  void NoteEvent(const DataDictionary& event, Vector2d windowOrigin);

 private:
  std::unordered_set<Int32> pressedKeys_;
  Vector2d mouse_;
  String clipboard_;
};

}  // namespace zarvo
