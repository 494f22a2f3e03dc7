#include "host/core/HierarchyObject.h"

#include <mutex>
#include <unordered_set>

namespace zarvo {

namespace {
struct NamePool {
  std::mutex mutex;
  std::unordered_set<std::string> names;  // nodes never move, so pointers into it stay valid
};
NamePool& GetNamePool() {
  static NamePool* pool = new NamePool();  // outlives every object, even static ones
  return *pool;
}
const std::string& NoName() {
  static const std::string* const noName = new std::string();  // read even while statics go
  return *noName;
}
}  // namespace

void HierarchyObject::SetName(std::string_view name) {
  if (name.empty()) {
    name_ = nullptr;
    return;
  }
  NamePool& pool = GetNamePool();
  std::lock_guard lock(pool.mutex);
  name_ = &*pool.names.emplace(name).first;
}

const std::string& HierarchyObject::GetName() const noexcept { return name_ ? *name_ : NoName(); }

HierarchyObject::~HierarchyObject() { RemoveAllChildren(); }

bool HierarchyObject::IsAncestorOf(const HierarchyObject* other) const noexcept {
  for (const HierarchyObject* p = other ? other->parent_ : nullptr; p; p = p->parent_) {
    if (p == this) return true;
  }
  return false;
}

Result<void> HierarchyObject::CheckInsertable(const HierarchyObject* newParent) const {
  if (!newParent) return IllegalArgumentError("Cannot insert next to an object without parent");
  if (newParent == this || IsAncestorOf(newParent)) {
    return IllegalArgumentError("Cannot insert an object below itself");
  }
  return Ok();
}

void HierarchyObject::Link(HierarchyObject* parent, HierarchyObject* prev, Ref<HierarchyObject> self) {
  parent_ = parent;
  prev_ = prev;
  if (prev) {
    next_ = std::move(prev->next_);
    prev->next_ = std::move(self);
  } else {
    next_ = std::move(parent->firstChild_);
    parent->firstChild_ = std::move(self);
  }
  if (next_) {
    next_->prev_ = this;
  } else {
    parent->lastChild_ = this;
  }
  HandleLinked();
  HandleParentChanged();
  parent->HandleChildrenChanged();
}

Result<void> HierarchyObject::InsertChildFirst(const Ref<HierarchyObject>& child) {
  if (!child) return NullReferenceError("Cannot insert an empty child");
  ZV_TRY(child->CheckInsertable(this));
  Ref<HierarchyObject> keep = child;
  keep->Remove();
  keep->Link(this, nullptr, keep);
  return Ok();
}

Result<void> HierarchyObject::InsertChildLast(const Ref<HierarchyObject>& child) {
  if (!child) return NullReferenceError("Cannot insert an empty child");
  ZV_TRY(child->CheckInsertable(this));
  Ref<HierarchyObject> keep = child;
  keep->Remove();
  keep->Link(this, lastChild_, keep);
  return Ok();
}

Result<void> HierarchyObject::InsertBefore(HierarchyObject* sibling) {
  if (!sibling) return NullReferenceError("Cannot insert before an empty sibling");
  if (sibling == this) return Ok();
  ZV_TRY(CheckInsertable(sibling->parent_));
  Ref<HierarchyObject> keep(this);
  Remove();
  Link(sibling->parent_, sibling->prev_, keep);
  return Ok();
}

Result<void> HierarchyObject::InsertAfter(HierarchyObject* sibling) {
  if (!sibling) return NullReferenceError("Cannot insert after an empty sibling");
  if (sibling == this) return Ok();
  ZV_TRY(CheckInsertable(sibling->parent_));
  Ref<HierarchyObject> keep(this);
  Remove();
  Link(sibling->parent_, sibling, keep);
  return Ok();
}

void HierarchyObject::Remove() {
  HierarchyObject* parent = parent_;
  if (!parent) return;
  HandleUnlinking();
  Ref<HierarchyObject> self;  // holds the object until its links are cleared
  if (prev_) {
    self = std::move(prev_->next_);
    prev_->next_ = std::move(next_);
  } else {
    self = std::move(parent->firstChild_);
    parent->firstChild_ = std::move(next_);
  }
  HierarchyObject* after = prev_ ? prev_->next_.Get() : parent->firstChild_.Get();
  if (after) {
    after->prev_ = prev_;
  } else {
    parent->lastChild_ = prev_;
  }
  parent_ = nullptr;
  prev_ = nullptr;
  HandleParentChanged();
  parent->HandleChildrenChanged();
}

void HierarchyObject::RemoveAllChildren() {
  if (!firstChild_) return;
  while (lastChild_) {
    HierarchyObject* child = lastChild_;
    child->HandleUnlinking();
    HierarchyObject* before = child->prev_;
    Ref<HierarchyObject> self = before ? std::move(before->next_) : std::move(firstChild_);
    lastChild_ = before;
    child->parent_ = nullptr;
    child->prev_ = nullptr;
    child->HandleParentChanged();
  }
  HandleChildrenChanged();
}

}  // namespace zarvo
