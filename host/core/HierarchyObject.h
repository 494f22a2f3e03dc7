#pragma once
#include <string>
#include <string_view>

#include "host/core/Ref.h"

namespace zarvo {

// A named object in a tree. A parent owns its children (strong down the first-child and
// next-sibling links); parent, last-child and previous-sibling links are raw, so that no cycle
// keeps a subtree alive.
class HierarchyObject : public virtual ObjectInterface {
 public:
  HierarchyObject() = default;
  ~HierarchyObject() override;

  // Names repeat across thousands of objects ("CellWidget"), so each distinct name is stored
  // once and objects point at it.
  void SetName(std::string_view name);
  const std::string& GetName() const noexcept;

  HierarchyObject* GetParent() const noexcept { return parent_; }
  HierarchyObject* GetFirstChild() const noexcept { return firstChild_.Get(); }
  HierarchyObject* GetLastChild() const noexcept { return lastChild_; }
  HierarchyObject* GetNext() const noexcept { return next_.Get(); }
  HierarchyObject* GetPrev() const noexcept { return prev_; }
  bool IsAncestorOf(const HierarchyObject* other) const noexcept;

  // Each insert first removes the object from where it was. Inserting an object under itself
  // or one of its descendants is refused.
  [[nodiscard]] Result<void> InsertChildFirst(const Ref<HierarchyObject>& child);
  [[nodiscard]] Result<void> InsertChildLast(const Ref<HierarchyObject>& child);
  [[nodiscard]] Result<void> InsertBefore(HierarchyObject* sibling);
  [[nodiscard]] Result<void> InsertAfter(HierarchyObject* sibling);
  // Detaches the object from its parent; the caller's references keep it alive.
  void Remove();
  // Releases every child, last first, without recursing along the sibling chain.
  void RemoveAllChildren();

 protected:
  // Called on a parent after a child was inserted or removed, and on a child after its parent
  // changed; widgets mark their layout dirty here.
  virtual void HandleChildrenChanged() {}
  virtual void HandleParentChanged() {}
  // Called on a child just after it was linked in (its links are set) and just before it is
  // unlinked (its links are still intact), for subclasses that keep links of their own.
  virtual void HandleLinked() {}
  virtual void HandleUnlinking() {}

 private:
  [[nodiscard]] Result<void> CheckInsertable(const HierarchyObject* newParent) const;
  void Link(HierarchyObject* parent, HierarchyObject* prev, Ref<HierarchyObject> self);

  const std::string* name_ = nullptr;
  HierarchyObject* parent_ = nullptr;
  Ref<HierarchyObject> firstChild_;
  HierarchyObject* lastChild_ = nullptr;
  Ref<HierarchyObject> next_;
  HierarchyObject* prev_ = nullptr;
};

}  // namespace zarvo
