#pragma once
#include <vector>

#include "source/WidgetComponent.h"
#include "source/interfaces/ColorTableWidgetInterface.h"
#include "source/widgets_layout/FlexBoxWidgetImpl.h"

namespace zarvo {

inline constexpr char kColorTableWidgetName[] = "ColorTableWidget";

// The swatch table: a flexbox whose cells show the colours, as wide as its columns need, so
// that the rows break after the given number of swatches whatever room the parent leaves.
class ColorTableWidgetImpl : public FlexBoxWidgetImpl, public virtual ColorTableWidgetInterface {
 public:
  ColorTableWidgetImpl() = default;

  Result<void> CopyFrom(const ObjectInterface& source) override;

  Result<void> InitColorTable(const std::vector<ColorA>& colors, Int columns) override;
  void SetTableColor(Int index) override;
  Int GetTableColor() const override { return ClampIndex(current_); }
  Result<ColorA> GetTableColor(Int index) const override;
  Int GetColumnCount() const override { return columns_; }
  Ref<ColorTableObservable> ObservableIndexChanged() override {
    return indexChanged_.Get(this, "ObservableIndexChanged");
  }

  Result<void> CreateLayout() override;
  Result<void> HandleSwitchLayout() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

 private:
  Int ClampIndex(Int index) const noexcept;
  // Sizes the table for its columns and colours the swatches, the current one framed.
  [[nodiscard]] Result<void> ApplySwatches();

  std::vector<ColorA> colors_;
  Int columns_ = 1;
  Int current_ = 0;
  LazyObservable<ColorTableObservable> indexChanged_;
};

}  // namespace zarvo
