#pragma once
#include <cstddef>
#include <type_traits>
#include <utility>

#include "host/core/Object.h"

namespace zarvo {

// A counted reference to an object through one of its interfaces.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}  // NOLINT
  explicit Ref(T* object) : ptr_(object) { Inc(); }
  Ref(const Ref& other) : ptr_(other.ptr_) { Inc(); }
  Ref(Ref&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& other) : ptr_(other.Get()) { Inc(); }  // NOLINT: upcast
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(Ref<U>&& other) noexcept : ptr_(other.Detach()) {}  // NOLINT: upcast
  ~Ref() { Dec(); }

  Ref& operator=(const Ref& other) {
    Ref(other).Swap(*this);
    return *this;
  }
  Ref& operator=(Ref&& other) noexcept {
    Ref(std::move(other)).Swap(*this);
    return *this;
  }
  Ref& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  // Adopts an object whose count is zero (freshly made) or already held for this reference.
  static Ref Adopt(T* object) {
    Ref ref;
    ref.ptr_ = object;
    return ref;
  }

  T* Get() const noexcept { return ptr_; }
  T* operator->() const noexcept { return ptr_; }
  T& operator*() const noexcept { return *ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }
  void Reset() { Ref().Swap(*this); }
  T* Detach() noexcept { return std::exchange(ptr_, nullptr); }
  void Swap(Ref& other) noexcept { std::swap(ptr_, other.ptr_); }

  friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.Identity() == b.Identity(); }
  friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.ptr_ == nullptr; }

  // The object's address as its root object, equal for every interface of one object.
  const ObjectInterface* Identity() const noexcept { return ptr_ ? static_cast<const ObjectInterface*>(ptr_) : nullptr; }

 private:
  void Inc() const noexcept {
    if (ptr_) static_cast<const ObjectInterface*>(ptr_)->AddRef();
  }
  void Dec() noexcept {
    if (ptr_) static_cast<const ObjectInterface*>(std::exchange(ptr_, nullptr))->Release();
  }

  T* ptr_ = nullptr;
};

// Makes a reference to a new object of class C (counted from zero).
template <class C, class... Args>
Ref<C> MakeRef(Args&&... args) {
  return Ref<C>(new C(std::forward<Args>(args)...));
}

// The same object through another of its interfaces, or empty when it does not implement it.
template <class U, class T>
Ref<U> Cast(const Ref<T>& ref) {
  if (!ref) return Ref<U>();
  if constexpr (std::is_convertible_v<T*, U*>) {
    return Ref<U>(ref.Get());
  } else {
    return Ref<U>(dynamic_cast<U*>(ref.Get()));
  }
}

// A link that does not keep its target alive. Lock() returns an empty reference once the
// target is gone; Resolve() turns that into the system's "Missing widget link" error.
template <class T>
class WeakRef {
 public:
  WeakRef() = default;
  WeakRef(std::nullptr_t) {}  // NOLINT
  WeakRef(const Ref<T>& ref) { Assign(ref.Get()); }  // NOLINT
  explicit WeakRef(T* object) { Assign(object); }
  WeakRef(const WeakRef& other) : ptr_(other.ptr_), control_(other.control_) {
    if (control_) control_->Acquire();
  }
  WeakRef(WeakRef&& other) noexcept
      : ptr_(std::exchange(other.ptr_, nullptr)), control_(std::exchange(other.control_, nullptr)) {}
  ~WeakRef() { Clear(); }
  WeakRef& operator=(WeakRef other) noexcept {
    std::swap(ptr_, other.ptr_);
    std::swap(control_, other.control_);
    return *this;
  }

  Ref<T> Lock() const {
    if (!control_) return Ref<T>();
    ObjectInterface* object = control_->object.load(std::memory_order_acquire);
    if (!object || !object->TryAddRef()) return Ref<T>();
    return Ref<T>::Adopt(ptr_);
  }
  Result<Ref<T>> Resolve(const char* missingMessage = "Missing widget link") const {
    Ref<T> ref = Lock();
    if (!ref) return IllegalStateError(missingMessage);
    return ref;
  }
  bool IsAlive() const noexcept {
    return control_ && control_->object.load(std::memory_order_acquire) != nullptr;
  }
  bool IsSet() const noexcept { return control_ != nullptr; }
  // The raw pointer without taking a reference; only for identity comparisons.
  T* GetUnsafe() const noexcept { return IsAlive() ? ptr_ : nullptr; }
  void Reset() { Clear(); }

 private:
  void Assign(T* object) {
    if (!object) return;
    ptr_ = object;
    control_ = static_cast<const ObjectInterface*>(object)->GetWeakControl();
    control_->Acquire();
  }
  void Clear() noexcept {
    if (control_) control_->ReleaseControl();
    control_ = nullptr;
    ptr_ = nullptr;
  }

  T* ptr_ = nullptr;
  WeakControl* control_ = nullptr;
};

}  // namespace zarvo
