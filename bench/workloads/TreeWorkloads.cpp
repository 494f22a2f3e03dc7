// The tree graph's workloads: scrolling a tall tree page by page, opening a level of many
// children, and the heap a row costs.
#include <malloc.h>

#include <memory>
#include <string>

#include "bench/workloads/Workload.h"
#include "bench/workloads/WorkloadSupport.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/AppWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"
#include "source/widgets_layout/TreeGraphWidgetImpl.h"
#include "source/widgets_layout/TreeTextAdapter.h"

namespace zarvo::bench {

namespace {

// Every tenth item is a folder holding the next nine, all open: lines at two levels.
constexpr int64_t kFolderEvery = 10;
// Labels repeat after this many rows, so that trees of every size shape the same texts: the
// text cache then does the same work at every size and the steps measure the tree itself.
constexpr int64_t kDistinctLabels = 1000;

struct TreeWindow {
  Ref<AppWindow> window;
  ScrollAreaWidgetRef area;
  TreeGraphWidgetRef graph;
  TreeItemWidgetRef folder;  // tree_open's item
};

Result<TreeGraphWidgetRef> MakeTree(int64_t rows, const Ref<TreeTextAdapter>& texts) {
  ZV_TRY_ASSIGN(TreeGraphWidgetRef graph, CreateObject<TreeGraphWidgetInterface>(Id(kTreeGraphWidgetClassId)));
  ZV_TRY(graph->CreateLayout());
  texts->Reserve(rows);
  TreeItemWidgetRef folder;
  TreeItemWidgetRef previous;
  for (int64_t i = 0; i < rows; ++i) {
    if (i % kFolderEvery == 0) {
      ZV_TRY_ASSIGN(folder, graph->CreateTreeItemAfter(folder));
      previous.Reset();
    } else if (!previous) {
      ZV_TRY_ASSIGN(previous, graph->CreateTreeItemAsFirstChildOf(folder));
    } else {
      ZV_TRY_ASSIGN(previous, graph->CreateTreeItemAfter(previous));
    }
    texts->AppendText("Item " + std::to_string(i % kDistinctLabels));
  }
  auto& impl = dynamic_cast<TreeGraphWidgetImpl&>(*graph);
  ZV_TRY(impl.SetColumnAdapter(graph->GetTreeColumnId(), texts));
  return graph;
}

Result<TreeWindow> ShowInScrollArea(TreeGraphWidgetRef graph, Ref<AppWindow> window) {
  TreeWindow result;
  result.window = std::move(window);
  result.graph = std::move(graph);
  ZV_TRY_ASSIGN(result.area, CreateObject<ScrollAreaWidgetInterface>(Id(kScrollAreaWidgetClassId)));
  ZV_TRY(result.area->CreateLayout());
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    result.area->SetInheritParentSize(true, d);
  }
  ZV_TRY(result.window->GetAppWidget()->InsertChildLast(result.area));
  ZV_TRY(result.area->SetWidgetToBeScrolled(result.graph));
  ZV_TRY(result.window->Update());
  return result;
}

// One step: a page further down (back to the top at the end), laid out and drawn.
Result<Prepared> PrepareTreeScroll(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  auto texts = MakeRef<TreeTextAdapter>();
  ZV_TRY_ASSIGN(TreeGraphWidgetRef graph, MakeTree(n, texts));
  ZV_TRY_ASSIGN(TreeWindow setup, ShowInScrollArea(graph, window));
  auto held = std::make_shared<TreeWindow>(std::move(setup));
  auto moved = std::make_shared<int64_t>(0);
  Prepared prepared;
  prepared.items = 1;
  prepared.run = [held, moved]() -> Result<void> {
    const Float before = held->graph->GetLocalPosition().y;
    ZV_TRY(held->area->ScrollToPage(SCROLL_DIRECTION::FORWARD, WIDGET_DIRECTION::VERTICAL));
    ZV_TRY(held->window->Update());
    if (held->graph->GetLocalPosition().y == before) {
      ZV_TRY(held->area->ScrollToLimit(SCROLL_DIRECTION::BACKWARD, WIDGET_DIRECTION::VERTICAL));
      ZV_TRY(held->window->Update());
    }
    ++*moved;
    return Ok();
  };
  prepared.check = [held, moved] {
    auto& impl = dynamic_cast<TreeGraphWidgetImpl&>(*held->graph);
    return *moved > 0 && impl.GetMaterializedRowCount() > 0 && impl.GetMaterializedRowCount() < 200;
  };
  prepared.extra = [held] {
    auto& impl = dynamic_cast<TreeGraphWidgetImpl&>(*held->graph);
    return "rows_with_widgets=" + std::to_string(impl.GetMaterializedRowCount());
  };
  return prepared;
}

// Opens a closed item of n children at the top of a window-sized view, lays it out and draws
// it. The check closes it again, outside the timing.
Result<Prepared> PrepareTreeOpen(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY_ASSIGN(TreeGraphWidgetRef graph, CreateObject<TreeGraphWidgetInterface>(Id(kTreeGraphWidgetClassId)));
  ZV_TRY(graph->CreateLayout());
  auto texts = MakeRef<TreeTextAdapter>();
  ZV_TRY_ASSIGN(TreeItemWidgetRef folder, graph->CreateTreeItemAfter(TreeItemWidgetRef()));
  texts->AppendText("Folder");
  TreeItemWidgetRef previous;
  for (int64_t i = 0; i < n; ++i) {
    ZV_TRY_ASSIGN(previous, previous ? graph->CreateTreeItemAfter(previous) : graph->CreateTreeItemAsFirstChildOf(folder));
    texts->AppendText("Child " + std::to_string(i));
  }
  ZV_TRY_ASSIGN(TreeItemWidgetRef after, graph->CreateTreeItemAfter(folder));
  texts->AppendText("After");
  previous.Reset();
  after.Reset();
  ZV_TRY(dynamic_cast<TreeGraphWidgetImpl&>(*graph).SetColumnAdapter(graph->GetTreeColumnId(), texts));
  ZV_TRY(folder->SetOpen(false));
  ZV_TRY_ASSIGN(TreeWindow setup, ShowInScrollArea(graph, window));
  setup.folder = folder;
  auto held = std::make_shared<TreeWindow>(std::move(setup));
  const Float rowHeight = graph->ToPixels(CanvasUnitValue::Rem(1.5));
  Prepared prepared;
  prepared.items = n;
  prepared.run = [held]() -> Result<void> {
    ZV_TRY(held->folder->SetOpen(true));
    return held->window->Update();
  };
  prepared.check = [held, n, rowHeight] {
    const bool opened = held->graph->GetLocalPixSize().y == static_cast<Float>(n + 2) * rowHeight;
    const bool closed = held->folder->SetOpen(false).IsOk() && held->window->Update().IsOk();
    return opened && closed;
  };
  return prepared;
}

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// The heap a row costs: a tree of n rows with one text column, shown in a scroll area.
Result<Prepared> PrepareMemoryTree(int64_t n) {
  ZV_TRY_ASSIGN(Ref<AppWindow> window, MakeWindow(kRenderWindow));
  ZV_TRY(window->Update());
  const size_t before = HeapInUse();
  auto texts = MakeRef<TreeTextAdapter>();
  ZV_TRY_ASSIGN(TreeGraphWidgetRef graph, MakeTree(n, texts));
  ZV_TRY_ASSIGN(TreeWindow setup, ShowInScrollArea(graph, window));
  const size_t after = HeapInUse();
  auto held = std::make_shared<TreeWindow>(std::move(setup));
  const double perItem = static_cast<double>(after - before) / static_cast<double>(n);
  Prepared prepared;
  prepared.items = n;
  prepared.run = [held]() -> Result<void> { return held->window->Update(); };
  prepared.check = [held, n] { return held->graph->GetCountY() == n; };
  prepared.extra = [perItem] { return "bytes_per_item=" + std::to_string(static_cast<int64_t>(perItem)); };
  prepared.bytesPerItem = perItem;
  return prepared;
}

const WorkloadRegistration kTreeWorkloads(
    {{"tree_scroll", {1000, 100000}, &PrepareTreeScroll},
     {"tree_open", {10000}, &PrepareTreeOpen},
     {"memory_tree", {100000}, &PrepareMemoryTree}},
    {{"tree_scroll", Target::Kind::kTotalMs, 100000, 2.0, 0, ""},
     {"tree_scroll", Target::Kind::kRatio, 100000, 1.2, 1000, ""},
     {"tree_open", Target::Kind::kTotalMs, 10000, 5.0, 0, ""},
     {"memory_tree", Target::Kind::kBytesPerItem, 100000, 1000.0, 0, ""}});

}  // namespace

}  // namespace zarvo::bench
