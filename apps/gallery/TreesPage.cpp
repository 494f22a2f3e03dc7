#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/AreaWidgetInterface.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/FoldWidgetInterface.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/HeaderCellWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"
#include "source/widgets_layout/TreeGraphWidgetImpl.h"
#include "source/widgets_layout/TreeTextAdapter.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Rect kTreeArea{kMargin, kMargin + kCaptionHeight, kMargin + 660.0, 776.0};
constexpr Float kSideLeft = kTreeArea.right + 2 * kMargin;
constexpr Float kSideWidth = 1280.0 - kMargin - kSideLeft;
constexpr Float kFoldTop = kMargin;
constexpr Float kAreaTop = 330.0;
constexpr Rect kAreaFrame{kSideLeft, kAreaTop + kCaptionHeight, kSideLeft + kSideWidth, kTreeArea.bottom};

// 100 folders of 100 rows each (the folder's own row included): a subfolder of nine items,
// then the folder's other items.
constexpr Int kFolderCount = 100;
constexpr Int kSubfolderItems = 9;
constexpr Int kFolderItems = 89;
// Open from the start, so that lines at three levels show; the script opens the second one.
constexpr Int kOpenFolder = 3;
constexpr Int kRowsPerFolder = 2 + kSubfolderItems + kFolderItems;

constexpr ColorA kFrameColor{0.55, 0.58, 0.62, 1.0};
constexpr ColorA kRowColor{0.17, 0.17, 0.19, 1.0};
constexpr ColorA kAlternateRowColor{0.22, 0.22, 0.25, 1.0};
constexpr ColorA kTextColor{0.92, 0.92, 0.92, 1.0};
constexpr ColorA kFoldBackground{0.20, 0.20, 0.22, 1.0};
constexpr ColorA kAreaShapes[] = {{0.85, 0.42, 0.35, 1.0}, {0.40, 0.66, 0.45, 1.0}, {0.36, 0.55, 0.85, 1.0},
                                  {0.86, 0.74, 0.35, 1.0}, {0.62, 0.45, 0.80, 1.0}};
constexpr Float kAreaShapeSize = 60.0;
constexpr Float kAreaGridLength = 20.0;
constexpr Int kAreaGridSubdivision = 5;

const char* const kKinds[] = {"Document", "Image", "Sound", "Movie", "Archive"};

constexpr CanvasUnitValue kColumnPadding = CanvasUnitValue::Pix(6.0);

// Texts with room on both sides, so that neighbouring columns do not run into each other.
class PaddedTextAdapter final : public TreeTextAdapter {
 public:
  Result<WidgetRef> GetItemWidget(Int index, const WidgetRef& parentCell) override {
    if (CellWidgetRef cell = Cast<CellWidgetInterface>(parentCell)) {
      ZV_TRY(cell->SetPadding(kColumnPadding, kColumnPadding, CanvasUnitValue::Pix(0.0), CanvasUnitValue::Pix(0.0)));
    }
    return TreeTextAdapter::GetItemWidget(index, parentCell);
  }
};

struct TreeTexts {
  Ref<TreeTextAdapter> names = MakeRef<TreeTextAdapter>();
  Ref<TreeTextAdapter> sizes = MakeRef<PaddedTextAdapter>();
  Ref<TreeTextAdapter> kinds = MakeRef<PaddedTextAdapter>();
  // The names again, for the log: the adapter hands out widgets, not texts.
  std::vector<std::string> plainNames;
  void Append(String name, String size, String kind) {
    plainNames.push_back(name);
    names->AppendText(std::move(name));
    sizes->AppendText(std::move(size));
    kinds->AppendText(std::move(kind));
  }
};

String SizeText(Int n) { return std::to_string(4 + (n * 37) % 2000) + " KB"; }

Result<void> FillTree(const TreeGraphWidgetRef& graph, TreeTexts& texts) {
  const Int rows = kFolderCount * (2 + kSubfolderItems + kFolderItems);
  texts.names->Reserve(rows);
  texts.sizes->Reserve(rows);
  texts.kinds->Reserve(rows);
  texts.plainNames.reserve(static_cast<size_t>(rows));
  TreeItemWidgetRef folder;
  Int n = 0;
  for (Int f = 1; f <= kFolderCount; ++f) {
    ZV_TRY_ASSIGN(folder, graph->CreateTreeItemAfter(folder));
    texts.Append("Folder " + std::to_string(f), "", "Folder");
    ZV_TRY_ASSIGN(TreeItemWidgetRef sub, graph->CreateTreeItemAsFirstChildOf(folder));
    texts.Append("Subfolder " + std::to_string(f) + ".1", "", "Folder");
    TreeItemWidgetRef previous;
    for (Int i = 1; i <= kSubfolderItems; ++i, ++n) {
      ZV_TRY_ASSIGN(previous, previous ? graph->CreateTreeItemAfter(previous) : graph->CreateTreeItemAsFirstChildOf(sub));
      texts.Append("Item " + std::to_string(f) + ".1." + std::to_string(i), SizeText(n), kKinds[n % 5]);
    }
    previous = sub;
    for (Int i = 2; i < 2 + kFolderItems; ++i, ++n) {
      ZV_TRY_ASSIGN(previous, graph->CreateTreeItemAfter(previous));
      texts.Append("Item " + std::to_string(f) + "." + std::to_string(i), SizeText(n), kKinds[n % 5]);
    }
    // Closed, as a tree of this size would come up: only one folder shows its content.
    ZV_TRY(sub->SetOpen2(f == kOpenFolder));
    ZV_TRY(folder->SetOpen2(f == kOpenFolder));
  }
  return graph->CheckTriangleAndVisibility();
}

// The header cell holding a column's title.
HeaderCellWidgetRef HeaderCellOf(const TreeGraphWidgetRef& graph, const Id& column) {
  Result<TextWidgetRef> title = graph->GetHeaderTextWidget(column);
  if (!title.IsOk()) return {};
  for (WidgetInterface* w = (*title)->GetParentWidget(); w; w = w->GetParentWidget()) {
    if (HeaderCellWidgetRef cell = Cast<HeaderCellWidgetInterface>(WidgetRef(w))) return cell;
  }
  return {};
}

struct Column {
  Id id;
  std::string title;
};

// What the header and the area do is not told by an observable of theirs: after every drawing
// the page compares what shows with what showed before and logs the difference.
class Watcher {
 public:
  // Weak links: the page may go while the window's canvas still holds the watcher.
  Watcher(GalleryLog& log, const TreeGraphWidgetRef& graph, std::vector<Column> columns, const AreaWidgetRef& area)
      : log_(log), graph_(graph.Get()), columns_(std::move(columns)), area_(area.Get()) {}

  void Check() {
    CheckFolders();
    CheckColumns();
    CheckArea();
    primed_ = true;
  }

 private:
  // Folder f's row is (f - 1) * 100 and its subfolder's the next: rows count folded ones too.
  void CheckFolders() {
    TreeGraphWidgetRef graph = graph_.Lock();
    if (!graph) return;
    if (open_.empty()) open_.resize(static_cast<size_t>(kFolderCount * 2), false);
    for (Int f = 0; f < kFolderCount; ++f) {
      for (Int level = 0; level < 2; ++level) {
        const Int row = f * kRowsPerFolder + level;
        Result<TreeItemWidgetRef> item = graph->GetTreeItem(row);
        if (!item.IsOk() || !*item) continue;
        const bool open = (*item)->GetOpen();
        const size_t slot = static_cast<size_t>(f * 2 + level);
        if (primed_ && open != open_[slot]) {
          const std::string name = level == 0 ? "Folder " + std::to_string(f + 1)
                                              : "Subfolder " + std::to_string(f + 1) + ".1";
          log_.Add("TreeGraph row " + std::to_string(row) + " '" + name + "' " + (open ? "opened" : "closed"));
        }
        open_[slot] = open;
      }
    }
  }

  void CheckColumns() {
    TreeGraphWidgetRef graph = graph_.Lock();
    if (!graph) return;
    std::vector<std::pair<Float, std::string>> order;
    for (const Column& column : columns_) {
      HeaderCellWidgetRef cell = HeaderCellOf(graph, column.id);
      if (!cell) continue;
      const Rect frame = cell->GetGlobalFrame();
      order.emplace_back(frame.left, column.title);
      // A column its user resized keeps the width of its header cell, fixed.
      if (cell->GetSizeMode(WIDGET_DIRECTION::HORIZONTAL) != WIDGET_SIZE::FIXED) continue;
      const Int width = static_cast<Int>(frame.Width() + 0.5);
      auto [seen, added] = widths_.try_emplace(column.title, width);
      if (!added && seen->second == width) continue;
      seen->second = width;
      log_.Add("TreeGraph column '" + column.title + "' resized to " + std::to_string(width) + " px");
    }
    std::sort(order.begin(), order.end());
    std::string titles;
    for (const auto& [left, title] : order) titles += (titles.empty() ? "" : ", ") + title;
    if (titles == order_) return;
    if (primed_) log_.Add("TreeGraph columns now: " + titles);
    order_ = titles;
  }

  void CheckArea() {
    AreaWidgetRef area = area_.Lock();
    if (!area) return;
    const Vector2d zoom = area->GetLocalScale();
    const Vector2d pan = area->GetPan();
    if (primed_ && zoom == zoom_ && pan == pan_) return;
    const bool zoomed = !(zoom == zoom_);
    zoom_ = zoom;
    pan_ = pan;
    if (!primed_) return;
    char line[96];
    if (zoomed) {
      std::snprintf(line, sizeof line, "AreaWidget zoom %.3f", zoom.x);
    } else {
      std::snprintf(line, sizeof line, "AreaWidget pan %.0f, %.0f", pan.x, pan.y);
    }
    log_.Add(line);
  }

  GalleryLog& log_;
  WeakRef<TreeGraphWidgetInterface> graph_;
  std::vector<Column> columns_;
  WeakRef<AreaWidgetInterface> area_;
  std::vector<bool> open_;
  std::map<std::string, Int> widths_;
  std::string order_;
  Vector2d zoom_;
  Vector2d pan_;
  bool primed_ = false;
};

Result<TreeGraphWidgetRef> AddTree(Gallery& gallery, const WidgetRef& root, std::vector<Column>& columns) {
  ZV_TRY(AddCaption(root,
                    "Tree graph: 10,000 rows in 100 folders; drag a header border to resize, a title to move "
                    "its column",
                    {kTreeArea.left, kMargin}));
  ZV_TRY_ASSIGN(ScrollAreaWidgetRef scroll, CreateObject<ScrollAreaWidgetInterface>(Id(kScrollAreaWidgetClassId)));
  ZV_TRY(scroll->CreateLayout());
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) scroll->SetSizeMode(WIDGET_SIZE::FIXED, d);
  scroll->SetFixedSize(CanvasUnitValue::Pix(kTreeArea.Width()), WIDGET_DIRECTION::HORIZONTAL);
  scroll->SetFixedSize(CanvasUnitValue::Pix(kTreeArea.Height()), WIDGET_DIRECTION::VERTICAL);
  scroll->SetLocalPosition({kTreeArea.left, kTreeArea.top});
  scroll->SetBorderVisibility(true);
  scroll->SetBorderColor(kFrameColor);
  ZV_TRY(root->InsertChildLast(scroll));

  ZV_TRY_ASSIGN(TreeGraphWidgetRef graph, CreateObject<TreeGraphWidgetInterface>(Id(kTreeGraphWidgetClassId)));
  ZV_TRY(graph->CreateLayout());
  const Id size("net.zarvo.gallery.trees.column.size");
  const Id kind("net.zarvo.gallery.trees.column.kind");
  ZV_TRY(graph->SetColumns({}, {size, kind}));
  auto texts = std::make_shared<TreeTexts>();
  ZV_TRY(FillTree(graph, *texts));
  auto& impl = dynamic_cast<TreeGraphWidgetImpl&>(*graph);
  ZV_TRY(impl.SetColumnAdapter(graph->GetTreeColumnId(), texts->names));
  ZV_TRY(impl.SetColumnAdapter(size, texts->sizes));
  ZV_TRY(impl.SetColumnAdapter(kind, texts->kinds));
  graph->SetBackgroundColor(kRowColor);
  graph->SetAlternateBackgroundColor(kAlternateRowColor);
  graph->SetAlternateBackgroundMode(true);
  graph->SetLineTipMode(TreeGraphWidgetInterface::LINE_TIP_MODE::DOT);
  ZV_TRY(graph->AddHeaderRow());
  columns = {{graph->GetTreeColumnId(), "Name"}, {size, "Size"}, {kind, "Kind"}};
  for (const Column& column : columns) {
    ZV_TRY_ASSIGN(TextWidgetRef title, graph->GetHeaderTextWidget(column.id));
    title->SetText(column.title);
  }
  graph->SetAllowHeaderResizing(true);
  graph->SetAllowHeaderRearranging(true);
  ZV_TRY(scroll->SetWidgetToBeScrolled(graph));

  GalleryLog* log = &gallery.GetLog();
  impl.ObservableSelectionChanged()->AddObserver([log, texts](const TreeGraphWidgetRef&, Int row) -> Result<void> {
    const bool named = row >= 0 && static_cast<size_t>(row) < texts->plainNames.size();
    const std::string name = named ? " '" + texts->plainNames[static_cast<size_t>(row)] + "'" : std::string();
    log->Add("ObservableSelectionChanged TreeGraph row " + std::to_string(row) + name);
    return Ok();
  });
  return graph;
}

Result<TextWidgetRef> MakeText(const String& text) {
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  ZV_TRY(widget->CreateLayout());
  widget->SetText(text);
  widget->SetColor(kTextColor);
  return widget;
}

// Two collapsible sections one above the other: the lower one moves up when the upper closes.
Result<void> AddFolds(Gallery& gallery, const WidgetRef& root) {
  ZV_TRY(AddCaption(root, "Fold widgets: click a triangle or its cell", {kSideLeft, kFoldTop}));
  ZV_TRY_ASSIGN(TableWidgetRef table, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(table->CreateLayout());
  ZV_TRY(table->Resize(1, 2));
  table->SetLocalPosition({kSideLeft, kFoldTop + kCaptionHeight});
  table->SetBackgroundVisibility(true);
  table->SetBackgroundColor(kFoldBackground);
  ZV_TRY(root->InsertChildLast(table));
  struct Section {
    const char* title;
    const char* content;
    bool open;
  };
  static const Section kSections[] = {
      {"Layers", "Background\nSketch\nInk\nColour", true},
      {"Properties", "Width 1280\nHeight 800\nDepth 8 bits", false},
  };
  GalleryLog* log = &gallery.GetLog();
  for (Int y = 0; y < 2; ++y) {
    const Section& section = kSections[y];
    ZV_TRY_ASSIGN(FoldWidgetRef fold, CreateObject<FoldWidgetInterface>(Id(kFoldWidgetClassId)));
    ZV_TRY(fold->CreateLayout());
    ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(0, y));
    ZV_TRY(cell->InsertChildLast(fold));
    ZV_TRY_ASSIGN(CellWidgetRef header, fold->GetHeaderCell());
    ZV_TRY_ASSIGN(TextWidgetRef title, MakeText(section.title));
    ZV_TRY(header->InsertChildLast(title));
    ZV_TRY_ASSIGN(CellWidgetRef content, fold->GetContentCell());
    ZV_TRY_ASSIGN(TextWidgetRef text, MakeText(section.content));
    text->SetWrapMode(WRAP_MODE::LINE);
    ZV_TRY(content->InsertChildLast(text));
    ZV_TRY_ASSIGN(CheckboxWidgetRef triangle, fold->GetFolderWidget());
    if (!section.open) {
      // Setting the state is not a user's fold: the content is hidden here as the fold would.
      triangle->SetState(false);
      content->SetLocalVisibility(false);
    }
    const std::string name = section.title;
    triangle->ObservableStateChanged()->AddObserver([log, name](const CheckboxWidgetRef&, Bool open) -> Result<void> {
      log->Add("ObservableStateChanged FoldWidget '" + name + "' " + (open ? "opened" : "closed"));
      return Ok();
    });
  }
  return Ok();
}

// A plane in a clipping frame: the frame is the view, the area the content.
Result<AreaWidgetRef> AddArea(const WidgetRef& root) {
  ZV_TRY(AddCaption(root, "Area: wheel zooms, middle button (or Alt + left) pans, Alt + right drag zooms",
                    {kSideLeft, kAreaTop}));
  ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> view, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
  for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) view->SetSizeMode(WIDGET_SIZE::FIXED, d);
  view->SetFixedSize(CanvasUnitValue::Pix(kAreaFrame.Width()), WIDGET_DIRECTION::HORIZONTAL);
  view->SetFixedSize(CanvasUnitValue::Pix(kAreaFrame.Height()), WIDGET_DIRECTION::VERTICAL);
  view->SetLocalPosition({kAreaFrame.left, kAreaFrame.top});
  view->SetClipping(true);
  view->SetBorderVisibility(true);
  view->SetBorderColor(kFrameColor);
  ZV_TRY(root->InsertChildLast(view));

  ZV_TRY_ASSIGN(AreaWidgetRef area, CreateObject<AreaWidgetInterface>(Id(kAreaWidgetClassId)));
  ZV_TRY(area->CreateLayout());
  ZV_TRY(view->InsertChildLast(area));
  (void)area->SetGrid({0, 0}, {0, 0}, CanvasUnitValue::Pix(kAreaGridLength), CanvasUnitValue::Pix(kAreaGridLength),
                      kAreaGridSubdivision, 1.0);
  area->SetShowGrid(true);
  Int i = 0;
  for (const ColorA& color : kAreaShapes) {
    ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> shape, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
    for (WIDGET_DIRECTION d : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
      shape->SetSizeMode(WIDGET_SIZE::FIXED, d);
      shape->SetFixedSize(CanvasUnitValue::Pix(kAreaShapeSize * (1.0 + 0.5 * static_cast<Float>(i % 2))), d);
    }
    shape->SetBackgroundVisibility(true);
    shape->SetBackgroundColor(color);
    shape->SetLocalPosition({40.0 + 100.0 * static_cast<Float>(i), 60.0 + 50.0 * static_cast<Float>(i % 3)});
    ZV_TRY(area->InsertChildLast(shape));
    ++i;
  }
  ZV_TRY_ASSIGN(TextWidgetRef label, MakeText("Content at zoom 1: 20 px grid, a main line every 100 px"));
  label->SetLocalPosition({40.0, 300.0});
  ZV_TRY(area->InsertChildLast(label));
  return area;
}

}  // namespace

// Named by the page list.
extern const char* const kTreesPageScript;
const char* const kTreesPageScript =
    "# Open the closed Folder 2 with its fold triangle and select a row.\n"
    "0.0 move 31 91\n"
    "0.1 press 31 91\n"
    "0.2 release 31 91\n"
    "0.3 shot folder_opened\n"
    "0.4 press 300 143\n"
    "0.5 release 300 143\n"
    "# Widen the Size column by dragging its header's right border: the Name column gives way.\n"
    "0.6 move 590 53\n"
    "0.7 press 590 53\n"
    "0.8 drag 610 53\n"
    "0.9 drag 630 53\n"
    "1.0 release 630 53\n"
    "1.1 shot column_resized\n"
    "# Close the Layers section: Properties moves up.\n"
    "1.2 press 739 54\n"
    "1.3 release 739 54\n"
    "1.4 shot fold_closed\n"
    "# Zoom the area in about a point with two wheel notches, then pan it with the middle button.\n"
    "1.5 scroll 800 480 up\n"
    "1.6 scroll 800 480 up\n"
    "1.7 shot area_zoomed\n"
    "1.8 press 1000 600 middle\n"
    "1.9 drag 950 560 middle\n"
    "2.0 release 950 560 middle\n"
    "2.1 shot area_panned\n";

Result<WidgetRef> BuildTreesPage(Gallery& gallery) {
  WidgetRef root = gallery.MakePageRoot();
  std::vector<Column> columns;
  ZV_TRY_ASSIGN(TreeGraphWidgetRef graph, AddTree(gallery, root, columns));
  ZV_TRY(AddFolds(gallery, root));
  ZV_TRY_ASSIGN(AreaWidgetRef area, AddArea(root));
  auto watcher = std::make_shared<Watcher>(gallery.GetLog(), graph, columns, area);
  gallery.GetWindow().GetCanvas()->ObservableRedraw()->AddObserver(root.Get(), [watcher](CanvasInterface*) -> Result<void> {
    watcher->Check();
    return Ok();
  });
  return root;
}

}  // namespace zarvo::gallery
