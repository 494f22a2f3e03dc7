#pragma once
#include <vector>

#include "source/interfaces/MonitorInfoWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/widgets_layout/TableWidgetImpl.h"

namespace zarvo {

// The monitor information table. The texts of the monitor rows are kept, so that a refresh
// that finds the same monitors changes no text and lays nothing out again.
class MonitorInfoWidgetImpl : public TableWidgetImpl, public virtual MonitorInfoWidgetInterface {
 public:
  MonitorInfoWidgetImpl();

  Result<void> InitComponent() override;
  void FreeComponent() override;

  Result<void> Refresh() override;
  Int GetMonitorCount() const override { return monitorCount_; }
  Result<String> GetMonitorText(Int monitor, Int column) const override;
  Result<TextButtonWidgetRef> GetRefreshButton() const override;
  Ref<MonitorInfoObservable> ObservableRefreshed() override { return refreshed_; }

  Result<void> CreateLayout() override;

 private:
  // A text widget made, padded and placed into the cell at (column, row).
  [[nodiscard]] Result<TextWidgetRef> PlaceText(Int column, Int row, const String& text);
  [[nodiscard]] Result<void> HandleRefreshPressed();

  Int monitorCount_ = 0;
  // Row-major, kMonitorInfoColumns per monitor.
  std::vector<TextWidgetRef> monitorTexts_;
  TextWidgetRef countText_;
  TextButtonWidgetRef refreshButton_;
  Ref<MonitorInfoObservable> refreshed_;
};

}  // namespace zarvo
