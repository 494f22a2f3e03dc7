#include "bench/workloads/WorkloadSupport.h"

#include <string>

#include "host/core/ClassRegistry.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::bench {

Result<Ref<AppWindow>> MakeWindow(Vector2d size) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, AppWindow::Create(WindowClass::Window(), Rect{0, 0, size.x, size.y}));
  ZV_TRY(window->Open());
  return window;
}

Result<ButtonWindow> MakeButtonWindow(Int columns, Int rows, Ref<AppWindow> window, Holder holder) {
  ButtonWindow result;
  if (window) {
    result.window = std::move(window);
  } else {
    ZV_TRY_ASSIGN(result.window, MakeWindow(kRenderWindow));
  }
  ZV_TRY_ASSIGN(result.table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(result.table->CreateLayout());
  ZV_TRY(result.table->Resize(columns, rows));
  for (Int i = 0; i < columns * rows; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, result.table->GetCell(i));
    ZV_TRY_ASSIGN(ButtonWidgetRef button, CreateObject<ButtonWidgetInterface>(Id(kButtonWidgetClassId)));
    ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
    text->SetText("B" + std::to_string(i));
    ZV_TRY(button->InsertChildLast(text));
    ZV_TRY(cell->InsertChildLast(button));
    result.buttons.push_back(button);
  }
  if (holder == Holder::kWindow) {
    ZV_TRY(result.window->GetAppWidget()->InsertChildLast(result.table));
  } else {
    ZV_TRY_ASSIGN(ScrollAreaWidgetRef area, CreateObject<ScrollAreaWidgetInterface>(Id(kScrollAreaWidgetClassId)));
    ZV_TRY(area->CreateLayout());
    for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
      area->SetInheritParentSize(true, d);
    }
    ZV_TRY(result.window->GetAppWidget()->InsertChildLast(area));
    ZV_TRY(area->SetWidgetToBeScrolled(result.table));
  }
  ZV_TRY(result.window->Update());
  return result;
}

}  // namespace zarvo::bench
