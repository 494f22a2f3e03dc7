#pragma once
#include "source/interfaces/FCurveWidgetInterface.h"
#include "source/widgets_layout/AreaWidgetImpl.h"

namespace zarvo {

// Content pixels to one unit of time and of value: one main grid line per unit at zoom 1.
inline constexpr Float kFCurvePixelsPerUnit = kAreaDefaultGridLength * kAreaDefaultGridSubdivision;
// The content point of time 0 and value 0: the middle of the plane, so that negative times and
// values lie on it too (the area's plane begins at content 0).
inline constexpr Float kFCurveOrigin = kAreaExtent * 0.5;
// Where that point appears at creation, in the parent's coordinates.
inline constexpr Vector2d kFCurveInitialOrigin{40.0, 200.0};
// Key squares are this many screen pixels across at any zoom; a press this near one grabs it.
inline constexpr Float kFCurveKeySize = 7.0;
inline constexpr Float kFCurveKeyHitRadius = 5.0;
// The curve's and the key outlines' widths in screen pixels.
inline constexpr Float kFCurveLineWidth = 1.5;
inline constexpr Float kFCurveKeyOutlineWidth = 1.0;

// The f-curve editor (see FCurveWidgetInterface). Its own presses are the left button without
// modifiers; every other binding is the area's.
class FCurveWidgetImpl final : public AreaWidgetImpl, public virtual FCurveWidgetInterface {
 public:
  FCurveWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> SetKeys(std::vector<FCurveKey> keys) override;
  const std::vector<FCurveKey>& GetKeys() const override { return keys_; }
  Float Evaluate(Float time) const override;
  Int GetSelectedKey() const override { return selected_; }
  void SetSelectedKey(Int index) override;
  Vector2d KeyToContent(const FCurveKey& key) const override;
  FCurveKey ContentToKey(Vector2d content) const override;
  Ref<FCurveObservable> ObservableKeysChanged() override { return keysChanged_; }

  Result<void> CreateLayout() override;
  Result<void> DrawContent() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  bool IsDragging() const noexcept { return dragging_; }

 private:
  // The key whose square lies under a global point, or -1; the topmost (last drawn) wins.
  Int FindKeyAt(Vector2d global) const;
  [[nodiscard]] Result<bool> HandlePress(const DataDictionary& event);
  [[nodiscard]] Result<bool> DragSelectedTo(Vector2d global);
  [[nodiscard]] Result<bool> DeleteSelected();
  [[nodiscard]] Result<void> NotifyKeysChanged();

  std::vector<FCurveKey> keys_;
  Int selected_ = -1;
  bool dragging_ = false;
  // The press was the editor's, so its release is too.
  bool ownsPress_ = false;
  Ref<FCurveObservable> keysChanged_;
};

}  // namespace zarvo
