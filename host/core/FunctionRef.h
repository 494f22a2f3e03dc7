#pragma once
#include <type_traits>
#include <utility>

namespace zarvo {

// A non-owning reference to a callable, for visitors on hot paths (no allocation, unlike
// std::function). The callable must outlive the call it is passed to.
template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
 public:
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef> &&
                                              !std::is_function_v<std::remove_reference_t<F>>>>
  FunctionRef(F&& f) noexcept  // NOLINT: implicit by design
      : object_(const_cast<void*>(static_cast<const void*>(&f))),
        call_([](void* object, Args... args) -> R {
          return (*static_cast<std::remove_reference_t<F>*>(object))(std::forward<Args>(args)...);
        }) {}
  // Plain functions are held by their address.
  FunctionRef(R (*function)(Args...)) noexcept  // NOLINT: implicit by design
      : object_(reinterpret_cast<void*>(function)),
        call_([](void* object, Args... args) -> R {
          return reinterpret_cast<R (*)(Args...)>(object)(std::forward<Args>(args)...);
        }) {}
  R operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

 private:
  void* object_;
  R (*call_)(void*, Args...);
};

}  // namespace zarvo
