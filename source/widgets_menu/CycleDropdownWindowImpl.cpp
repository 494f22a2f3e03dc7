#include "source/widgets_menu/CycleDropdownWindowImpl.h"

#include <cmath>

#include "host/core/ClassRegistry.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/ModalDialogs.h"
#include "host/ui/PopupWindow.h"
#include "source/WidgetComponent.h"
#include "source/interfaces/CycleSeparatorWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/widgets_menu/CycleMath.h"

namespace zarvo {

namespace {
const StyleKey<ColorA> kWindowBorderColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.cyclewidget.window_border_color", ColorA{0.6, 0.6, 0.6, 1.0});

// The cycle widget's frame on the screen; without a canvas the list opens at the origin.
Rect ScreenFrameOf(const WidgetInterface& cycle) {
  const CanvasInterface* canvas = cycle.GetCanvas();
  if (!canvas) return Rect{};
  Rect frame = cycle.GetGlobalFrame();
  if (frame.left > frame.right || frame.top > frame.bottom) frame = Rect{};
  const Vector2d topLeft = canvas->GlobalToScreenPosition({frame.left, frame.top});
  const Vector2d bottomRight = canvas->GlobalToScreenPosition({frame.right, frame.bottom});
  return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}
}  // namespace

Result<void> CycleDropdownWindowImpl::FillRows(const CycleWidgetRef& cycle, bool measuring) {
  const CycleWidgetAdapterRef adapter = cycle->GetAdapter();
  const Int count = adapter ? adapter->GetCount() : 0;
  ZV_TRY(table_->Resize(1, count));
  for (Int i = 0; i < count; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table_->GetCell(0, i));
    if (!measuring) cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
    if (cycle->GetItemIdFromIndex(i) == kCycleSeparatorId) {
      ZV_TRY_ASSIGN(CycleSeparatorWidgetRef separator,
                    CreateObject<CycleSeparatorWidgetInterface>(Id(kCycleSeparatorWidgetClassId)));
      ZV_TRY(separator->CreateLayout());
      ZV_TRY(cell->InsertChildLast(separator));
      continue;
    }
    ZV_TRY_ASSIGN(WidgetRef item, adapter->GetItemWidget(i, cell));
    ZV_TRY(cell->InsertChildLast(item));
    if (!measuring) item->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  }
  return Ok();
}

Result<void> CycleDropdownWindowImpl::Build(const CycleWidgetRef& cycle, bool measuring) {
  if (!cycle) return NullReferenceError("Missing widget link");
  cycle_ = cycle;
  CanvasInterface* owner = cycle->GetCanvas();
  if (!measuring && !owner) return IllegalStateError("The cycle widget is not in a window");
  ZV_TRY_ASSIGN(window_, CreatePopupWindow(owner));
  AppWidget& appWidget = *window_->GetHostAppWidget();
  ZV_TRY_ASSIGN(table_, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table_->CreateLayout());
  ZV_TRY(appWidget.InsertChildLast(table_));
  if (!measuring) table_->SetTableMode(TABLE_MODE::ENLARGE, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY(FillRows(cycle, measuring));
  ZV_TRY(appWidget.ComputeLayout());

  ZV_TRY_ASSIGN(const Rect work, GetWindowWorkRect(owner ? *owner : *window_->GetCanvas()));
  // Windows are whole pixels; rounding up keeps the list's bottom border inside its window.
  const Vector2d natural = table_->GetLocalPixSize();
  Vector2d size{std::ceil(natural.x), std::ceil(natural.y)};
  const Vector2d position = PlaceDropdown(ScreenFrameOf(*cycle), size, work);
  // Taller than the screen: the list keeps to the work area and scrolls.
  if (work.Height() < size.y) size.y = work.Height();

  ZV_TRY_ASSIGN(ScrollAreaWidgetRef scroll, CreateObject<ScrollAreaWidgetInterface>(Id(kScrollAreaWidgetClassId)));
  ZV_TRY(scroll->CreateLayout());
  ZV_TRY(appWidget.InsertChildLast(scroll));
  ZV_TRY(scroll->SetWidgetToBeScrolled(table_));
  scroll->SetAutoScrollbarsVisibilityMode(true);
  scroll->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  scroll->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  scroll->SetFixedSize(CanvasUnitValue::FromPixels(size.y, CANVAS_UNIT::FON, window_->GetCanvas()->GetRemBase()),
                       WIDGET_DIRECTION::VERTICAL);
  scroll->SetBorderVisibility(true);
  scroll->SetBorderColor(ReadStyle(*cycle, kWindowBorderColor));

  // The list is exactly as wide as the button.
  if (!measuring) size.x = cycle->GetLocalPixSize().x;
  CanvasInterface& canvas = *window_->GetCanvas();
  ZV_TRY(canvas.SetWindowPosition(position));
  ZV_TRY(canvas.SetWindowSize(size));
  ZV_TRY(appWidget.SetLocalSize(size.x, size.y));
  appWidget.SetR2LMode(cycle->GetR2LMode());
  return Ok();
}

Result<void> CycleDropdownWindowImpl::Open(const CycleWidgetRef& cycle) {
  ZV_TRY(Build(cycle, false));
  return window_->Open();
}

Result<void> CycleDropdownWindowImpl::Close() {
  if (!window_) return Ok();
  Ref<AppWindow> window = window_;
  return window->Close();
}

Result<Vector2d> CycleDropdownWindowImpl::MeasureWindowSize(const CycleWidgetRef& cycle) {
  ZV_TRY(Build(cycle, true));
  return window_->GetAppWidget()->GetLocalPixSize();
}

Result<CommandState> CycleDropdownWindowImpl::QueryCommand(const Id& command) {
  if (!window_) return CommandState{};
  return window_->QueryCommand(command);
}

Result<void> CycleDropdownWindowImpl::ExecuteCommand(const Id& command, const DataDictionary& arguments) {
  if (!window_) return NotFoundError("No handler for command '" + command.GetString() + "'");
  return window_->ExecuteCommand(command, arguments);
}

Result<Bool> CycleDropdownWindowImpl::OpenModalDialog(const DataDictionary& settings, DataDictionary& results) {
  Ref<AppWindowInterface> keep(this);
  return ModalDialogs::Get().Run(*this, settings, results);
}

}  // namespace zarvo
