#pragma once
#include <cstdint>
#include <vector>

#include "host/core/Result.h"
#include "host/core/Types.h"
#include "source/interfaces/TreeGraphWidgetInterface.h"

namespace zarvo {

// One item of a tree as its graph keeps it: links by record number, its place in tree order
// and among the shown rows, its level and its state. A few dozen bytes, whether or not the
// item has widgets.
struct TreeRow {
  enum Flag : uint8_t {
    kLive = 1u << 0,
    kOpen = 1u << 1,
    kFiltered = 1u << 2,
    kOpenChanged = 1u << 3,  // the open state changed since the serial data was last reset
    kPinned = 1u << 4,       // the application reached its cells: its widgets stay
  };
  int32_t parent = -1;
  int32_t firstChild = -1;
  int32_t next = -1;
  int32_t prev = -1;
  int32_t row = 0;     // the position in tree order
  int32_t shown = -1;  // the position among the shown rows, -1 when hidden
  int32_t level = 0;
  uint8_t flags = 0;
  bool Has(uint8_t flag) const noexcept { return (flags & flag) != 0; }
  void Set(uint8_t flag, bool on) noexcept { flags = on ? (flags | flag) : (flags & ~flag); }
};

// The tree's structure without widgets: records, tree order (pre-order: an item, then its
// subtree, then its next sibling) and the shown rows. Records keep their number while they
// live; positions in tree order are renumbered lazily from the first edited place.
class TreeRows {
 public:
  static constexpr int32_t kNone = -1;

  Int Count() const noexcept { return static_cast<Int>(order_.size()); }
  bool IsLive(int32_t id) const noexcept {
    return id >= 0 && static_cast<size_t>(id) < records_.size() && records_[id].Has(TreeRow::kLive);
  }
  const TreeRow& Get(int32_t id) const { return records_[id]; }
  TreeRow& Get(int32_t id) { return records_[id]; }
  int32_t IdAt(Int row) const { return order_[static_cast<size_t>(row)]; }
  // The position in tree order.
  Int RowOf(int32_t id);
  // The records in the subtree of `id` (itself first), as a range of tree order.
  Int SubtreeEnd(int32_t id);

  // A new record as the first child of `parent` (kNone: the first item of the tree), after or
  // before a sibling (kNone: the last or the first item at the top level).
  [[nodiscard]] Result<int32_t> InsertFirstChild(int32_t parent);
  [[nodiscard]] Result<int32_t> InsertAfter(int32_t sibling);
  [[nodiscard]] Result<int32_t> InsertBefore(int32_t sibling);
  // Moves `id` with its subtree; refuses a reference inside that subtree.
  [[nodiscard]] Result<void> Move(int32_t id, int32_t reference, TREE_INSERT_MODE mode);
  // Removes `id` with its subtree; returns the records removed.
  std::vector<int32_t> Erase(int32_t id);
  void Clear();

  // Recomputes the shown rows: those whose ancestors are all open and, in filter mode, that
  // pass the filter or hold a descendant that does.
  void UpdateShown(bool filterMode);
  const std::vector<int32_t>& Shown() const noexcept { return shown_; }
  // Whether the ancestor of `id` at `level` (or `id` itself) has a next sibling: where a
  // connection line runs on through the row.
  bool ContinuesAtLevel(int32_t id, int32_t level) const;

 private:
  [[nodiscard]] Result<int32_t> NewRecord();
  // Puts the records of `block` (a subtree, root first, its levels relative to the root) into
  // tree order at `position` under `parent`, linked after `prev` (kNone: as the first child).
  void Place(const std::vector<int32_t>& block, Int position, int32_t parent, int32_t prev);
  void Unlink(int32_t id);
  void MarkOrderChanged(Int from) noexcept {
    if (from < renumberFrom_) renumberFrom_ = from;
  }
  void Renumber();
  // The last top-level item, or kNone.
  int32_t LastTopItem() const;

  std::vector<TreeRow> records_;
  std::vector<int32_t> free_;
  std::vector<int32_t> order_;
  std::vector<int32_t> shown_;
  int32_t firstTop_ = kNone;
  Int renumberFrom_ = 0;  // positions from here on may be stale
};

}  // namespace zarvo
