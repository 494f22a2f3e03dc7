#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/core/Id.h"
#include "host/core/Result.h"

namespace zarvo {

class WidgetInterface;
struct WeakControl;

// The root of every counted object. Interfaces derive from it virtually, so that one object
// implementing several interfaces along a chain has one count. Counting is atomic; the object
// is freed (FreeComponent, then the destructor) when the last strong reference goes.
class ObjectInterface {
 public:
  ObjectInterface() = default;
  ObjectInterface(const ObjectInterface&) = delete;
  ObjectInterface& operator=(const ObjectInterface&) = delete;
  virtual ~ObjectInterface();

  void AddRef() const noexcept { strong_.fetch_add(1, std::memory_order_relaxed); }
  void Release() const noexcept {
    if (strong_.fetch_sub(1, std::memory_order_acq_rel) == 1) const_cast<ObjectInterface*>(this)->Destroy();
  }
  uint32_t GetRefCount() const noexcept { return strong_.load(std::memory_order_relaxed); }
  // Takes a strong reference only while the object is alive (used by weak references).
  bool TryAddRef() const noexcept;
  WeakControl* GetWeakControl() const;

  // Component lifecycle. InitComponent runs once after construction, FreeComponent once
  // before destruction. CopyFrom copies the members of another instance of the same class.
  [[nodiscard]] virtual Result<void> InitComponent() { return Ok(); }
  virtual void FreeComponent() {}
  [[nodiscard]] virtual Result<void> CopyFrom(const ObjectInterface& source);

  // The class identifier this object was created under (empty for objects made directly).
  const Id& GetClassId() const noexcept;
  void SetClassId(const Id* classId) noexcept { classId_ = classId; }

  // Fast downcast for the widget tree, which the host walks on every layout and draw.
  virtual WidgetInterface* AsWidget() noexcept { return nullptr; }

 private:
  void Destroy() noexcept;

  mutable std::atomic<uint32_t> strong_{0};
  mutable std::atomic<WeakControl*> weak_{nullptr};
  const Id* classId_ = nullptr;
};

// Shared between an object and its weak references; outlives the object while weak
// references remain.
struct WeakControl {
  std::atomic<uint32_t> count{1};  // one for the object itself
  std::atomic<ObjectInterface*> object{nullptr};
  void Acquire() noexcept { count.fetch_add(1, std::memory_order_relaxed); }
  void ReleaseControl() noexcept {
    if (count.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
  }
};

// The diagnostic of CopyFrom for a class that does not copy its members.
Error CopyFromNotImplementedError(std::source_location where = std::source_location::current());

}  // namespace zarvo
