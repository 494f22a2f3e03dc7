#include <malloc.h>

#include <string>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWindow.h"
#include "host/ui/EventDriver.h"
#include "source/interfaces/ButtonWidgetInterface.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo::bench {

namespace {

constexpr Float kGridCellWidth = 40.0;
constexpr Float kGridCellHeight = 20.0;
constexpr Float kFlowWidth = 1000.0;
constexpr Float kFlowPadding = 2.0;
constexpr Int kRenderColumns = 20;
constexpr Int kRenderRows = 25;
constexpr ColorA kChangedColor{0.2, 0.5, 0.8, 1.0};

// A table of n×n cells, each holding a text widget "a<i>" at a fixed 40×20 pixels.
Result<Ref<TableWidgetInterface>> MakeTextGrid(int64_t n) {
  ZV_TRY_ASSIGN(Ref<TableWidgetInterface> table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(n, n));
  for (int64_t i = 0; i < n * n; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(i));
    ZV_TRY_ASSIGN(TextWidgetRef text, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
    text->SetText("a" + std::to_string(i));
    for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
      text->SetSizeMode(WIDGET_SIZE::FIXED, d);
    }
    text->SetFixedSize(CanvasUnitValue::Pix(kGridCellWidth), WIDGET_DIRECTION::HORIZONTAL);
    text->SetFixedSize(CanvasUnitValue::Pix(kGridCellHeight), WIDGET_DIRECTION::VERTICAL);
    ZV_TRY(cell->InsertChildLast(text));
  }
  return table;
}

Result<Prepared> PrepareGrid(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow({1600, 1000}));
  ZV_TRY_ASSIGN(Ref<TableWidgetInterface> table, MakeTextGrid(n));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(table));
  ZV_TRY(window->GetAppWidget()->ComputeLayout());
  ZV_TRY_ASSIGN(CellWidgetRef last, table->GetCell(n * n - 1));
  Prepared prepared;
  prepared.items = n * n;
  prepared.run = [window, table]() -> Result<void> {
    AppWidgetInterface* app = window->GetAppWidget();
    app->InvalidateLayout(table.Get());
    return app->ComputeLayout();
  };
  prepared.check = [last, n] {
    const Vector2d p = last->GetLocalPosition();
    return p.x == kGridCellWidth * static_cast<Float>(n - 1) && p.y == kGridCellHeight * static_cast<Float>(n - 1);
  };
  return prepared;
}

// The flow generator: an LCG with seed 12345; widths 20..80, heights 16..40.
struct FlowSizes {
  uint32_t s = 12345;
  uint32_t Next() {
    s = s * 1664525u + 1013904223u;
    return s >> 8;
  }
};

Result<Prepared> PrepareFlow(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow({kFlowWidth, 800}));
  ZV_TRY_ASSIGN(Ref<FlexBoxWidgetInterface> flex, CreateObject<FlexBoxWidgetInterface>(Id(kFlexBoxWidgetClassId)));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(flex));
  ZV_TRY(flex->CreateLayout());
  ZV_TRY(flex->Resize(n));
  FlowSizes sizes;
  for (int64_t i = 0; i < n; ++i) {
    ZV_TRY_ASSIGN(CellWidgetRef cell, flex->GetCell(i));
    ZV_TRY(cell->SetPadding(CanvasUnitValue::Pix(kFlowPadding), CanvasUnitValue::Pix(kFlowPadding),
                            CanvasUnitValue::Pix(kFlowPadding), CanvasUnitValue::Pix(kFlowPadding)));
    ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> frame, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
    const Float width = 20 + sizes.Next() % 61;
    const Float height = 16 + sizes.Next() % 25;
    for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) frame->SetSizeMode(WIDGET_SIZE::FIXED, d);
    frame->SetFixedSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
    frame->SetFixedSize(CanvasUnitValue::Pix(height), WIDGET_DIRECTION::VERTICAL);
    ZV_TRY(cell->InsertChildLast(frame));
  }
  ZV_TRY(window->GetAppWidget()->ComputeLayout());
  ZV_TRY_ASSIGN(CellWidgetRef last, flex->GetCell(n - 1));
  const Vector2d settled = last->GetLocalPosition();
  Prepared prepared;
  prepared.items = n;
  // The flexbox's own layout is invalidated, as a change of its width or fill order does: it
  // places every item again, while the items, whose own inputs did not change, keep their sizes.
  prepared.run = [window, flex]() -> Result<void> {
    flex->RequestLayout();
    return window->GetAppWidget()->ComputeLayout();
  };
  prepared.check = [last, settled] { return last->GetLocalPosition() == settled && settled.y > 0.0; };
  return prepared;
}

Result<Prepared> PrepareRender(int64_t) {
  ZV_TRY_ASSIGN(ButtonWindow setup, MakeButtonWindow(kRenderColumns, kRenderRows));
  Prepared prepared;
  prepared.items = kRenderColumns * kRenderRows;
  auto window = setup.window;
  prepared.run = [window]() -> Result<void> {
    window->GetCanvas()->RequestRedraw();
    ZV_TRY_ASSIGN(Rect drawn, window->GetAppWidget()->DrawLayout());
    (void)drawn;
    return Ok();
  };
  prepared.check = [window] { return window->GetHostCanvas()->GetLastDrawnArea().Width() == kRenderWindow.x; };
  return prepared;
}

Result<Prepared> PrepareRenderOne(Int columns, Int rows, Holder holder) {
  ZV_TRY_ASSIGN(ButtonWindow setup, MakeButtonWindow(columns, rows, Ref<AppWindow>(), holder));
  Prepared prepared;
  prepared.items = 1;
  auto window = setup.window;
  // A button in view: the middle of the window's grid, or the scroll area's first rows.
  ButtonWidgetRef button = setup.buttons[holder == Holder::kWindow ? setup.buttons.size() / 2 : columns * 3 + 5];
  auto flip = std::make_shared<bool>(false);
  prepared.run = [window, button, flip]() -> Result<void> {
    *flip = !*flip;
    button->SetBackgroundColor(*flip ? kChangedColor : ColorA{0.3, 0.3, 0.3, 1.0});
    return window->Update();
  };
  prepared.check = [window, button] {
    const Rect drawn = window->GetHostCanvas()->GetLastDrawnArea();
    return drawn.Intersects(button->GetGlobalFrame()) && drawn.Width() < kRenderWindow.x;
  };
  prepared.extra = [window] {
    const Rect drawn = window->GetHostCanvas()->GetLastDrawnArea();
    return "drawn_px=" + std::to_string(static_cast<int64_t>(drawn.Width() * drawn.Height()));
  };
  return prepared;
}

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

Result<Prepared> PrepareMemory(int64_t n) {
  // The window and its backing image exist before the buttons: they cost the same for one
  // button as for ten thousand, so they are not part of the cost per button.
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY(window->Update());
  const size_t before = HeapInUse();
  const Int columns = 100;
  ZV_TRY_ASSIGN(ButtonWindow setup, MakeButtonWindow(columns, (n + columns - 1) / columns, window));
  const size_t after = HeapInUse();
  auto held = std::make_shared<ButtonWindow>(std::move(setup));
  const double perItem = static_cast<double>(after - before) / static_cast<double>(n);
  Prepared prepared;
  prepared.items = n;
  prepared.run = [held]() -> Result<void> { return held->window->Update(); };
  prepared.check = [held, n] { return static_cast<int64_t>(held->buttons.size()) >= n; };
  prepared.extra = [perItem] { return "bytes_per_item=" + std::to_string(static_cast<int64_t>(perItem)); };
  prepared.bytesPerItem = perItem;
  return prepared;
}

Result<Prepared> PrepareBuild(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow({1600, 1000}));
  Prepared prepared;
  prepared.items = n * n;
  auto table = std::make_shared<Ref<TableWidgetInterface>>();
  prepared.run = [window, table, n]() -> Result<void> {
    if (*table) (*table)->Remove();
    ZV_TRY_ASSIGN(*table, MakeTextGrid(n));
    ZV_TRY(window->GetAppWidget()->InsertChildLast(*table));
    return window->GetAppWidget()->ComputeLayout();
  };
  prepared.check = [table, n] {
    Result<CellWidgetRef> last = (*table)->GetCell(n * n - 1);
    return last.IsOk() && (*last)->GetLocalPosition().x == kGridCellWidth * static_cast<Float>(n - 1);
  };
  return prepared;
}

Result<Prepared> PrepareHit(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow({kGridCellWidth * n + 10, kGridCellHeight * n + 10}));
  ZV_TRY_ASSIGN(Ref<TableWidgetInterface> table, MakeTextGrid(n));
  ZV_TRY(window->GetAppWidget()->InsertChildLast(table));
  ZV_TRY(window->Update());
  ZV_TRY_ASSIGN(CellWidgetRef target, table->GetCell(n * n - 2));
  const Vector2d at = EventDriver::CenterOf(*target);
  auto counter = std::make_shared<int64_t>(0);
  Prepared prepared;
  prepared.items = 1;
  prepared.run = [window, at, counter]() -> Result<void> {
    AppWidgetInterface* app = window->GetAppWidget();
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::MOUSE_MOVE, at)));
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_DOWN, at, BUTTON::LEFT)));
    ZV_TRY(app->DispatchEvent(MakeMouseEvent(EVENT::BUTTON_UP, at, BUTTON::LEFT)));
    if (app->FindHitWidget(at)) ++*counter;
    return Ok();
  };
  prepared.check = [counter] { return *counter > 0; };
  return prepared;
}

// The families' registrations, filled before main runs.
std::vector<WorkloadDefinition>& RegisteredWorkloads() {
  static std::vector<WorkloadDefinition> workloads;
  return workloads;
}

std::vector<Target>& RegisteredTargets() {
  static std::vector<Target> targets;
  return targets;
}

}  // namespace

WorkloadRegistration::WorkloadRegistration(std::vector<WorkloadDefinition> workloads, std::vector<Target> targets) {
  for (WorkloadDefinition& workload : workloads) RegisteredWorkloads().push_back(std::move(workload));
  for (Target& target : targets) RegisteredTargets().push_back(std::move(target));
}

const std::vector<WorkloadDefinition>& GetWorkloads() {
  static const std::vector<WorkloadDefinition> workloads = [] {
    std::vector<WorkloadDefinition> all = {
      {"grid", {32, 100, 200}, &PrepareGrid},
      {"flow", {1000, 10000, 100000}, &PrepareFlow},
      {"render", {500}, &PrepareRender},
      {"render_one", {500}, [](int64_t) { return PrepareRenderOne(kRenderColumns, kRenderRows, Holder::kWindow); }},
      {"render_one_10k", {10000},
       [](int64_t n) { return PrepareRenderOne(100, (n + 99) / 100, Holder::kScrollArea); }},
      {"memory", {10000}, &PrepareMemory},
      {"build", {100}, &PrepareBuild},
      {"hit", {100}, &PrepareHit},
    };
    all.insert(all.end(), RegisteredWorkloads().begin(), RegisteredWorkloads().end());
    return all;
  }();
  return workloads;
}

const std::vector<Target>& GetTargets() {
  using K = Target::Kind;
  static const std::vector<Target> targets = [] {
    std::vector<Target> all = {
      {"grid", K::kNsPerItem, 100, 66.0, 0, ""},
      {"grid", K::kRatio, 200, 1.2, 32, ""},
      {"flow", K::kNsPerItem, 10000, 27.0, 0, ""},
      {"flow", K::kRatio, 100000, 1.2, 1000, ""},
      {"render", K::kTotalMs, 500, 2.8, 0, ""},
      {"render_one", K::kTotalMs, 500, 0.1, 0, ""},
      {"render_one_10k", K::kRatio, 10000, 1.2, 500, "render_one"},
      {"memory", K::kBytesPerItem, 10000, 1750.0, 0, ""},
      {"build", K::kNsPerItem, 100, 4800.0, 0, ""},
      {"hit", K::kNsPerItem, 100, 5000.0, 0, ""},
    };
    all.insert(all.end(), RegisteredTargets().begin(), RegisteredTargets().end());
    return all;
  }();
  return targets;
}

}  // namespace zarvo::bench
