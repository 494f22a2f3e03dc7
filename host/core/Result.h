#pragma once
#include <cassert>
#include <optional>
#include <type_traits>
#include <utility>

#include "host/core/Error.h"

namespace zarvo {

// A value or an Error. Never throws; reading the value of a failed result is a programmer
// mistake and asserted.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(const T& value) : value_(value) {}                // NOLINT: implicit by design
  Result(T&& value) : value_(std::move(value)) {}          // NOLINT
  template <class U, class = std::enable_if_t<std::is_constructible_v<T, U&&> &&
                                              !std::is_same_v<std::decay_t<U>, Error> &&
                                              !std::is_same_v<std::decay_t<U>, Result>>>
  Result(U&& value) : value_(std::forward<U>(value)) {}    // NOLINT
  Result(Error error) : error_(std::move(error)) { assert(error_.IsSet()); }  // NOLINT

  bool IsOk() const noexcept { return !error_.IsSet(); }
  explicit operator bool() const noexcept { return IsOk(); }
  const Error& GetError() const noexcept { return error_; }

  T& GetValue() & { assert(IsOk()); return *value_; }
  const T& GetValue() const& { assert(IsOk()); return *value_; }
  T&& GetValue() && { assert(IsOk()); return std::move(*value_); }
  T& operator*() & { return GetValue(); }
  const T& operator*() const& { return GetValue(); }
  T&& operator*() && { return std::move(*this).GetValue(); }
  T* operator->() { return &GetValue(); }
  const T* operator->() const { return &GetValue(); }
  T ValueOr(T fallback) const& { return IsOk() ? *value_ : std::move(fallback); }

 private:
  std::optional<T> value_;
  Error error_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)) {}  // NOLINT: implicit by design

  bool IsOk() const noexcept { return !error_.IsSet(); }
  explicit operator bool() const noexcept { return IsOk(); }
  const Error& GetError() const noexcept { return error_; }

 private:
  Error error_;
};

inline Result<void> Ok() { return {}; }

}  // namespace zarvo

#define ZV_CONCAT_INNER(a, b) a##b
#define ZV_CONCAT(a, b) ZV_CONCAT_INNER(a, b)

// Propagates the error of a Result expression to the caller.
#define ZV_TRY(expr)                                            \
  do {                                                          \
    auto&& zv_try_result_ = (expr);                             \
    if (!zv_try_result_.IsOk()) return zv_try_result_.GetError(); \
  } while (0)

// Declares `decl` from the value of a Result expression, or propagates its error.
#define ZV_TRY_ASSIGN(decl, expr) ZV_TRY_ASSIGN_IMPL(ZV_CONCAT(zv_try_value_, __LINE__), decl, expr)
#define ZV_TRY_ASSIGN_IMPL(tmp, decl, expr)            \
  auto tmp = (expr);                                   \
  if (!tmp.IsOk()) return tmp.GetError();              \
  decl = std::move(tmp).GetValue()
