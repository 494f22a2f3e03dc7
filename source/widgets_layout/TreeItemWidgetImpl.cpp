#include "source/widgets_layout/TreeItemWidgetImpl.h"

#include "source/interfaces/FolderCellWidgetInterface.h"
#include "source/widgets_base/ButtonContent.h"
#include "source/widgets_layout/TreeGeometry.h"
#include "source/widgets_layout/TreeGraphWidgetImpl.h"
#include "source/widgets_layout/TreeLevelWidgetImpl.h"

namespace zarvo {

namespace {
constexpr char kInvalidItem[] = "Invalid treeitem";
constexpr Int kCells = 3;
constexpr Int kLevelSlot = 0;
constexpr Int kFolderSlot = 1;
constexpr Int kCustomSlot = 2;
// The fold triangle sits in the middle of one indentation step.
constexpr CanvasUnitValue kTrianglePadding = CanvasUnitValue::Fon(3.0);
const Id& OpenKey() {
  static const Id key("net.zarvo.mvp.treeitem.open");
  return key;
}
}  // namespace

TreeItemWidgetImpl::~TreeItemWidgetImpl() {
  if (graph_) graph_->ForgetItem(record_, this);
}

void TreeItemWidgetImpl::Bind(TreeGraphWidgetImpl* graph, int32_t record) {
  graph_ = graph;
  record_ = record;
  inverse_ = graph ? graph->GetInverseMode() : inverse_;
  if (inverse_ != arrangedInverse_) RequestSwitchLayout();
  if (graph_) {
    (void)UpdateLevel();
  }
}

void TreeItemWidgetImpl::Unbind() {
  if (graph_) own_ = graph_->GetRows().Get(record_);
  graph_ = nullptr;
  record_ = TreeRows::kNone;
}

const TreeRow& TreeItemWidgetImpl::State() const { return graph_ ? graph_->GetRows().Get(record_) : own_; }
TreeRow& TreeItemWidgetImpl::State() { return graph_ ? graph_->GetRows().Get(record_) : own_; }

Result<void> TreeItemWidgetImpl::CreateLayout() {
  ZV_TRY(TableWidgetImpl::CreateLayout());
  SetName("TreeItemWidget");
  ZV_TRY(Resize(kCells, 1));
  ZV_TRY_ASSIGN(CellWidgetRef levelCell, GetCell(kLevelSlot, 0));
  ZV_TRY_ASSIGN(CellWidgetRef plainFolderCell, GetCell(kFolderSlot, 0));
  ZV_TRY_ASSIGN(CellWidgetRef customCell, GetCell(kCustomSlot, 0));
  // The folder slot is a folder cell itself, so a press anywhere in it folds.
  ZV_TRY_ASSIGN(FolderCellWidgetRef folderCell, CreateObject<FolderCellWidgetInterface>(Id(kFolderCellWidgetClassId)));
  ZV_TRY(folderCell->CreateLayout());
  ZV_TRY(folderCell->InsertAfter(plainFolderCell.Get()));
  plainFolderCell->Remove();
  ZV_TRY(UpdateInternalCellMap());
  ZV_TRY(folderCell->SetHorizontalPadding(kTrianglePadding));
  levelCell->SetName("TreeItem level cell");
  folderCell->SetName("TreeItem folder cell");
  customCell->SetName("TreeItem custom cell");
  for (const CellWidgetRef& cell : {levelCell, CellWidgetRef(folderCell), customCell}) {
    cell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  }
  ZV_TRY_ASSIGN(TreeLevelWidgetRef level, CreateChildWidget<TreeLevelWidgetInterface>(*levelCell, kTreeLevelWidgetClassId));
  ZV_TRY_ASSIGN(CheckboxWidgetRef triangle, folderCell->GetFolderWidget());
  triangle->SetState(GetOpen());
  const WeakRef<TreeItemWidgetImpl> self(this);
  triangle->ObservableStateChanged()->AddObserver([self](const CheckboxWidgetRef&, Bool open) -> Result<void> {
    ZV_TRY_ASSIGN(Ref<TreeItemWidgetImpl> item, self.Resolve());
    if (item->settingTriangle_) return Ok();
    return item->SetOpen(open);
  });
  level_ = level;
  triangle_ = triangle;
  levelCell_ = levelCell;
  folderCell_ = CellWidgetRef(folderCell);
  customCell_ = customCell;
  if (graph_) ZV_TRY(UpdateLevel());
  return Ok();
}

Result<void> TreeItemWidgetImpl::HandleSwitchLayout() {
  if (arrangedInverse_ == inverse_) return Ok();
  std::vector<Ref<HierarchyObject>> cells;
  for (HierarchyObject* child = GetFirstChild(); child; child = child->GetNext()) cells.emplace_back(child);
  for (const Ref<HierarchyObject>& cell : cells) cell->Remove();
  for (size_t i = cells.size(); i-- > 0;) ZV_TRY(InsertChildLast(cells[i]));
  arrangedInverse_ = inverse_;
  return UpdateInternalCellMap();
}

Result<void> TreeItemWidgetImpl::StoreOpen(Bool open) {
  TreeRow& state = State();
  if (state.Has(TreeRow::kOpen) != open) {
    state.Set(TreeRow::kOpen, open);
    state.Set(TreeRow::kOpenChanged, true);
  }
  if (Ref<CheckboxWidgetInterface> triangle = triangle_.Lock(); triangle && triangle->GetState() != open) {
    settingTriangle_ = true;
    triangle->SetState(open);
    settingTriangle_ = false;
  }
  return Ok();
}

Result<void> TreeItemWidgetImpl::SetOpen(Bool open) {
  const bool changed = GetOpen() != open;
  ZV_TRY(StoreOpen(open));
  if (changed && graph_) ZV_TRY(graph_->CheckTriangleAndVisibility());
  return Ok();
}

Result<void> TreeItemWidgetImpl::SetOpen2(Bool open) { return StoreOpen(open); }

Result<Int> TreeItemWidgetImpl::GetRow() const {
  if (!graph_) return IllegalStateError(kInvalidItem);
  return graph_->GetRows().RowOf(record_);
}

Result<void> TreeItemWidgetImpl::UpdateLevel() {
  Ref<TreeLevelWidgetInterface> level = level_.Lock();
  if (!level) return Ok();
  ZV_TRY(level->SetLevel(GetLevel()));
  if (auto* impl = dynamic_cast<TreeLevelWidgetImpl*>(level.Get())) {
    impl->SetExtraSteps(graph_ && graph_->GetShowLevel0Lines() ? 1 : 0);
  }
  return Ok();
}

Result<void> TreeItemWidgetImpl::SetFiltered(Bool filtered) {
  State().Set(TreeRow::kFiltered, filtered);
  return Ok();
}

Result<void> TreeItemWidgetImpl::SetInverse(Bool inverse) {
  if (inverse == inverse_) return Ok();
  inverse_ = inverse;
  RequestSwitchLayout();
  return Ok();
}

Result<void> TreeItemWidgetImpl::EnsureLayout() const {
  if (!graph_ || IsLayoutCreated()) return Ok();
  auto* self = const_cast<TreeItemWidgetImpl*>(this);
  ZV_TRY(self->CreateLayout());
  self->MarkLayoutCreated();
  return Ok();
}

Result<TreeLevelWidgetRef> TreeItemWidgetImpl::GetLevelWidget() const {
  ZV_TRY(EnsureLayout());
  return level_.Resolve();
}

Result<CheckboxWidgetRef> TreeItemWidgetImpl::GetFolderWidget() const {
  ZV_TRY(EnsureLayout());
  return triangle_.Resolve();
}

Result<CellWidgetRef> TreeItemWidgetImpl::GetLevelCell() const {
  ZV_TRY(EnsureLayout());
  return levelCell_.Resolve();
}

Result<CellWidgetRef> TreeItemWidgetImpl::GetFolderCell() const {
  ZV_TRY(EnsureLayout());
  return folderCell_.Resolve();
}

Result<CellWidgetRef> TreeItemWidgetImpl::GetCustomCell() const {
  ZV_TRY(EnsureLayout());
  // Content the application puts here must outlive the row's stay in view.
  if (graph_) graph_->PinRecord(record_);
  return customCell_.Resolve();
}

Result<TreeGraphWidgetRef> TreeItemWidgetImpl::GetTreeGraph() const {
  if (!graph_) return IllegalStateError(kInvalidItem);
  return TreeGraphWidgetRef(graph_);
}

Result<TreeItemWidgetRef> TreeItemWidgetImpl::Neighbour(int32_t TreeRow::*link) const {
  if (!graph_) return IllegalStateError(kInvalidItem);
  const int32_t other = graph_->GetRows().Get(record_).*link;
  if (other == TreeRows::kNone) return TreeItemWidgetRef();
  return graph_->ItemOf(other);
}

Result<TreeItemWidgetRef> TreeItemWidgetImpl::GetParentItem() const { return Neighbour(&TreeRow::parent); }
Result<TreeItemWidgetRef> TreeItemWidgetImpl::GetFirstChildItem() const { return Neighbour(&TreeRow::firstChild); }
Result<TreeItemWidgetRef> TreeItemWidgetImpl::GetNextItem() const { return Neighbour(&TreeRow::next); }
Result<TreeItemWidgetRef> TreeItemWidgetImpl::GetPrevItem() const { return Neighbour(&TreeRow::prev); }

void TreeItemWidgetImpl::ShowTriangle(bool hasChildren) {
  if (Ref<CheckboxWidgetInterface> triangle = triangle_.Lock()) {
    triangle->SetLocalVisibility(hasChildren);
    if (triangle->GetState() != GetOpen()) {
      settingTriangle_ = true;
      triangle->SetState(GetOpen());
      settingTriangle_ = false;
    }
  }
}

bool TreeItemWidgetImpl::IsSerialDirty() const {
  return TableWidgetImpl::IsSerialDirty() || State().Has(TreeRow::kOpenChanged);
}

void TreeItemWidgetImpl::ResetSerialDirty() {
  TableWidgetImpl::ResetSerialDirty();
  State().Set(TreeRow::kOpenChanged, false);
}

Result<void> TreeItemWidgetImpl::SetSerialData(const DataDictionary& data) {
  ZV_TRY_ASSIGN(Bool open, data.Get<Bool>(OpenKey(), GetOpen()));
  return SetOpen(open);
}

Result<DataDictionary> TreeItemWidgetImpl::GetSerialData() const {
  DataDictionary data;
  data.Set(OpenKey(), GetOpen());
  return data;
}

}  // namespace zarvo
