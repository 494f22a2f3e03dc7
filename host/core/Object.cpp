#include "host/core/Object.h"

namespace zarvo {

namespace {
const Id kNoClassId;
}

ObjectInterface::~ObjectInterface() {
  if (WeakControl* control = weak_.load(std::memory_order_acquire)) {
    control->object.store(nullptr, std::memory_order_release);
    control->ReleaseControl();
  }
}

bool ObjectInterface::TryAddRef() const noexcept {
  uint32_t count = strong_.load(std::memory_order_relaxed);
  while (count != 0) {
    if (strong_.compare_exchange_weak(count, count + 1, std::memory_order_acq_rel)) return true;
  }
  return false;
}

WeakControl* ObjectInterface::GetWeakControl() const {
  WeakControl* control = weak_.load(std::memory_order_acquire);
  if (control) return control;
  auto* fresh = new WeakControl;
  fresh->object.store(const_cast<ObjectInterface*>(this), std::memory_order_relaxed);
  if (weak_.compare_exchange_strong(control, fresh, std::memory_order_acq_rel)) return fresh;
  delete fresh;
  return control;
}

Result<void> ObjectInterface::CopyFrom(const ObjectInterface&) {
  return CopyFromNotImplementedError();
}

const Id& ObjectInterface::GetClassId() const noexcept {
  return classId_ ? *classId_ : kNoClassId;
}

void ObjectInterface::Destroy() noexcept {
  // Weak references must see the object gone before its members are freed.
  if (WeakControl* control = weak_.load(std::memory_order_acquire)) {
    control->object.store(nullptr, std::memory_order_release);
  }
  FreeComponent();
  delete this;
}

Error CopyFromNotImplementedError(std::source_location where) {
  return IllegalStateError("Component @ has members, but CopyFrom is not implemented!", where);
}

}  // namespace zarvo
