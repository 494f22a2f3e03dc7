#pragma once
#include "source/interfaces/ColorHEXWidgetInterface.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorHEXWidgetName[] = "ColorHEXWidget";

// A one-cell table with a text edit showing "#RRGGBB". Six digits typed become the value at
// once (the text left as typed); a finished edit that reads as a code (six or three hex
// digits, "#" optional, either case) becomes the value and is shown as the widget shows codes;
// anything else is replaced by the code the widget holds.
class ColorHEXWidgetImpl : public TableWidgetImpl, public virtual ColorHEXWidgetInterface {
 public:
  ColorHEXWidgetImpl();

  Result<void> SetHEX(uint32_t value, Bool notify) override;
  Result<uint32_t> GetHEX() const override { return hex_; }
  Ref<ColorHEXObservable> ObservableColorChanged() override { return changed_; }

  Result<void> CreateLayout() override;

  TextEditWidgetRef GetTextEdit() const { return edit_.Lock(); }

 private:
  void ShowValue() const;
  [[nodiscard]] Result<void> HandleTyped();
  [[nodiscard]] Result<void> HandleFinished();

  uint32_t hex_ = 0;
  WeakRef<TextEditWidgetInterface> edit_;
  Ref<ColorHEXObservable> changed_;
};

}  // namespace zarvo
