#include "source/widgets_layout/TreeRows.h"

#include <limits>

namespace zarvo {

namespace {
constexpr char kInvalidItem[] = "Invalid treeitem";
constexpr char kBelowItself[] = "An item cannot be moved below itself";
// Record numbers are 32-bit; a tree this large could not be shown anyway.
constexpr size_t kMaxRecords = size_t{1} << 30;
}  // namespace

Int TreeRows::RowOf(int32_t id) {
  if (renumberFrom_ < Count()) Renumber();
  return records_[id].row;
}

void TreeRows::Renumber() {
  for (Int i = renumberFrom_; i < Count(); ++i) records_[order_[static_cast<size_t>(i)]].row = static_cast<int32_t>(i);
  renumberFrom_ = Count();
}

Int TreeRows::SubtreeEnd(int32_t id) {
  Int position = RowOf(id) + 1;
  const int32_t level = records_[id].level;
  while (position < Count() && records_[order_[static_cast<size_t>(position)]].level > level) ++position;
  return position;
}

Result<int32_t> TreeRows::NewRecord() {
  int32_t id;
  if (!free_.empty()) {
    id = free_.back();
    free_.pop_back();
  } else {
    if (records_.size() >= kMaxRecords) return OutOfMemoryError();
    id = static_cast<int32_t>(records_.size());
    records_.emplace_back();
  }
  TreeRow& record = records_[id];
  record = TreeRow();
  record.flags = TreeRow::kLive | TreeRow::kOpen;
  return id;
}

int32_t TreeRows::LastTopItem() const {
  if (order_.empty()) return kNone;
  int32_t id = order_.back();
  while (records_[id].parent != kNone) id = records_[id].parent;
  return id;
}

void TreeRows::Place(const std::vector<int32_t>& block, Int position, int32_t parent, int32_t prev) {
  const bool appending = position == Count() && renumberFrom_ >= Count();
  order_.insert(order_.begin() + position, block.begin(), block.end());
  const int32_t root = block.front();
  TreeRow& record = records_[root];
  record.parent = parent;
  record.prev = prev;
  int32_t& first = parent == kNone ? firstTop_ : records_[parent].firstChild;
  if (prev != kNone) {
    record.next = records_[prev].next;
    records_[prev].next = root;
  } else {
    record.next = first;
    first = root;
  }
  if (record.next != kNone) records_[record.next].prev = root;
  const int32_t level = parent == kNone ? 0 : records_[parent].level + 1;
  const int32_t delta = level - record.level;
  for (int32_t id : block) records_[id].level += delta;
  if (appending) {
    for (size_t i = 0; i < block.size(); ++i) records_[block[i]].row = static_cast<int32_t>(position + static_cast<Int>(i));
    renumberFrom_ = Count();
  } else {
    MarkOrderChanged(position);
  }
}

void TreeRows::Unlink(int32_t id) {
  TreeRow& record = records_[id];
  if (record.prev != kNone) {
    records_[record.prev].next = record.next;
  } else if (record.parent != kNone) {
    records_[record.parent].firstChild = record.next;
  } else {
    firstTop_ = record.next;
  }
  if (record.next != kNone) records_[record.next].prev = record.prev;
  record.parent = record.prev = record.next = kNone;
}

Result<int32_t> TreeRows::InsertFirstChild(int32_t parent) {
  if (parent != kNone && !IsLive(parent)) return IllegalStateError(kInvalidItem);
  const Int position = parent == kNone ? 0 : RowOf(parent) + 1;
  ZV_TRY_ASSIGN(int32_t id, NewRecord());
  Place({id}, position, parent, kNone);
  return id;
}

Result<int32_t> TreeRows::InsertAfter(int32_t sibling) {
  if (sibling == kNone) sibling = LastTopItem();
  if (sibling == kNone) return InsertFirstChild(kNone);
  if (!IsLive(sibling)) return IllegalStateError(kInvalidItem);
  const Int position = SubtreeEnd(sibling);
  ZV_TRY_ASSIGN(int32_t id, NewRecord());
  Place({id}, position, records_[sibling].parent, sibling);
  return id;
}

Result<int32_t> TreeRows::InsertBefore(int32_t sibling) {
  if (sibling == kNone) return InsertFirstChild(kNone);
  if (!IsLive(sibling)) return IllegalStateError(kInvalidItem);
  const Int position = RowOf(sibling);
  ZV_TRY_ASSIGN(int32_t id, NewRecord());
  Place({id}, position, records_[sibling].parent, records_[sibling].prev);
  return id;
}

Result<void> TreeRows::Move(int32_t id, int32_t reference, TREE_INSERT_MODE mode) {
  if (!IsLive(id) || (reference != kNone && !IsLive(reference))) return IllegalStateError(kInvalidItem);
  if (reference == id) {
    if (mode == TREE_INSERT_MODE::FIRST_CHILD) return IllegalArgumentError(kBelowItself);
    return Ok();
  }
  for (int32_t up = reference; up != kNone; up = records_[up].parent) {
    if (up == id) return IllegalArgumentError(kBelowItself);
  }
  const Int start = RowOf(id);
  const Int end = SubtreeEnd(id);
  std::vector<int32_t> block(order_.begin() + start, order_.begin() + end);
  Unlink(id);
  order_.erase(order_.begin() + start, order_.begin() + end);
  MarkOrderChanged(start);
  switch (mode) {
    case TREE_INSERT_MODE::FIRST_CHILD:
      Place(block, reference == kNone ? 0 : RowOf(reference) + 1, reference, kNone);
      break;
    case TREE_INSERT_MODE::AFTER: {
      const int32_t after = reference == kNone ? LastTopItem() : reference;
      if (after == kNone) {
        Place(block, 0, kNone, kNone);
      } else {
        Place(block, SubtreeEnd(after), records_[after].parent, after);
      }
      break;
    }
    case TREE_INSERT_MODE::BEFORE:
      if (reference == kNone) {
        Place(block, 0, kNone, kNone);
      } else {
        Place(block, RowOf(reference), records_[reference].parent, records_[reference].prev);
      }
      break;
  }
  return Ok();
}

std::vector<int32_t> TreeRows::Erase(int32_t id) {
  if (!IsLive(id)) return {};
  const Int start = RowOf(id);
  const Int end = SubtreeEnd(id);
  std::vector<int32_t> block(order_.begin() + start, order_.begin() + end);
  Unlink(id);
  order_.erase(order_.begin() + start, order_.begin() + end);
  MarkOrderChanged(start);
  for (int32_t gone : block) {
    records_[gone].flags = 0;
    records_[gone].shown = -1;
    free_.push_back(gone);
  }
  return block;
}

void TreeRows::Clear() {
  records_.clear();
  free_.clear();
  order_.clear();
  shown_.clear();
  firstTop_ = kNone;
  renumberFrom_ = 0;
}

void TreeRows::UpdateShown(bool filterMode) {
  std::vector<uint8_t> keep;
  if (filterMode) {
    keep.assign(records_.size(), 0);
    for (size_t i = order_.size(); i-- > 0;) {
      const int32_t id = order_[i];
      const TreeRow& record = records_[id];
      if (record.Has(TreeRow::kFiltered)) keep[id] = 1;
      if (keep[id] && record.parent != kNone) keep[record.parent] = 1;
    }
  }
  shown_.clear();
  int32_t hiddenBelow = std::numeric_limits<int32_t>::max();
  for (size_t i = 0; i < order_.size(); ++i) {
    TreeRow& record = records_[order_[i]];
    record.row = static_cast<int32_t>(i);
    record.shown = -1;
    if (record.level > hiddenBelow) continue;
    hiddenBelow = std::numeric_limits<int32_t>::max();
    if (filterMode && !keep[order_[i]]) {
      hiddenBelow = record.level;
      continue;
    }
    record.shown = static_cast<int32_t>(shown_.size());
    shown_.push_back(order_[i]);
    if (!record.Has(TreeRow::kOpen)) hiddenBelow = record.level;
  }
  renumberFrom_ = Count();
}

bool TreeRows::ContinuesAtLevel(int32_t id, int32_t level) const {
  while (id != kNone && records_[id].level > level) id = records_[id].parent;
  return id != kNone && records_[id].next != kNone;
}

}  // namespace zarvo
