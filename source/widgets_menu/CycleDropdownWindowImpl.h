#pragma once
#include "host/ui/AppWindow.h"
#include "source/interfaces/CycleDropdownWindowInterface.h"
#include "source/interfaces/CycleWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"

namespace zarvo {

// The drop-down list of a cycle widget: a popup window holding a scroll area around a
// one-column table with a row per item. The window operations answer for the popup once the
// list is built; before that there is no canvas and nothing to update.
class CycleDropdownWindowImpl : public virtual CycleDropdownWindowInterface {
 public:
  Result<void> Open(const CycleWidgetRef& cycle) override;
  Result<void> Close() override;
  Result<Vector2d> MeasureWindowSize(const CycleWidgetRef& cycle) override;

  CanvasInterface* GetCanvas() const override { return window_ ? window_->GetCanvas() : nullptr; }
  AppWidgetInterface* GetAppWidget() const override { return window_ ? window_->GetAppWidget() : nullptr; }
  Result<CommandState> QueryCommand(const Id& command) override;
  Result<void> ExecuteCommand(const Id& command, const DataDictionary& arguments) override;
  Result<Bool> OpenModalDialog(const DataDictionary& settings, DataDictionary& results) override;
  Result<void> Update() override { return window_ ? window_->Update() : Ok(); }
  Ref<AppWindowObservable> ObservableRequestClose() override {
    return window_ ? window_->ObservableRequestClose() : Ref<AppWindowObservable>();
  }

  // The popup window and the list's table, for tests and the host loop; empty before a build.
  const Ref<AppWindow>& GetPopupWindow() const noexcept { return window_; }
  const TableWidgetRef& GetListTable() const noexcept { return table_; }

 private:
  // Builds the list for `cycle` in a new popup window, placed and sized; `measuring` builds the
  // rows at their natural sizes only.
  [[nodiscard]] Result<void> Build(const CycleWidgetRef& cycle, bool measuring);
  [[nodiscard]] Result<void> FillRows(const CycleWidgetRef& cycle, bool measuring);

  WeakRef<CycleWidgetInterface> cycle_;
  Ref<AppWindow> window_;
  TableWidgetRef table_;
};

}  // namespace zarvo
