#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/Ref.h"
#include "host/core/Result.h"

namespace zarvo {

using ObserverHandle = uint64_t;
constexpr ObserverHandle kNoObserver = 0;

// Which observers a disconnect-all removes: those registered on behalf of an observer object
// (each object is told), or the plain ones registered without an owner.
enum class DisconnectMode : int { kObjectObservers = 0, kPlainObservers = 1 };

// The part of an observable that does not depend on the notification's arguments.
class ObservableBase : public virtual ObjectInterface {
 public:
  // Names the observable after the interface operation that hands it out.
  [[nodiscard]] Result<void> Init(ObjectInterface* owner, const char* name);
  ObjectInterface* GetOwner() const noexcept { return owner_; }
  // The name given to Init ("ObservableButtonDown").
  const char* GetObservableId() const noexcept { return name_; }
  size_t GetObserverCount() const noexcept;
  bool RemoveObserver(ObserverHandle handle);
  // Removes every observer of the given kind; `observer`, when set, limits it to one object.
  void DisconnectAll(const ObjectInterface* observer, DisconnectMode mode);
  // Notifies the latest observer first.
  void SetInverseNotification(bool inverse) noexcept { inverse_ = inverse; }

 protected:
  struct Entry {
    ObserverHandle handle;
    WeakRef<ObjectInterface> observer;  // set for object observers; a dead one is skipped
    bool objectBound;
  };
  ObserverHandle NextHandle() noexcept { return ++lastHandle_; }
  // Visits live entries in notification order; `call(index)` returns the observer's result.
  template <class Call>
  Result<void> ForEach(Call&& call);
  virtual void EraseAt(size_t index) = 0;

  std::vector<Entry> entries_;

 private:
  void Compact();

  ObjectInterface* owner_ = nullptr;
  const char* name_ = "";
  ObserverHandle lastHandle_ = 0;
  int notifyDepth_ = 0;
  bool inverse_ = false;
  bool needsCompact_ = false;
};

// A named event source. Every observer is told in turn; Notify returns the first error an
// observer returned. Observers added during a notification are told from the next one on.
template <class... Args>
class Observable final : public ObservableBase {
 public:
  using Callback = std::function<Result<void>(Args...)>;

  ObserverHandle AddObserver(Callback callback) { return Add(std::move(callback), nullptr); }
  // The observer lives as long as `observer`; it is skipped once that object is gone.
  ObserverHandle AddObserver(const ObjectInterface* observer, Callback callback) {
    return Add(std::move(callback), observer);
  }

  Result<void> Notify(Args... args) {
    return ForEach([&](size_t index) -> Result<void> {
      Callback callback = callbacks_[index];  // the observer may remove itself while running
      return callback(args...);
    });
  }

 private:
  ObserverHandle Add(Callback callback, const ObjectInterface* observer) {
    ObserverHandle handle = NextHandle();
    entries_.push_back(Entry{handle, WeakRef<ObjectInterface>(const_cast<ObjectInterface*>(observer)),
                             observer != nullptr});
    callbacks_.push_back(std::move(callback));
    return handle;
  }
  void EraseAt(size_t index) override { callbacks_.erase(callbacks_.begin() + static_cast<long>(index)); }

  std::vector<Callback> callbacks_;
};

template <class Call>
Result<void> ObservableBase::ForEach(Call&& call) {
  Error first;
  // Observers may drop the last reference to the observable while it notifies.
  Ref<ObjectInterface> keepAlive = GetRefCount() ? Ref<ObjectInterface>(this) : Ref<ObjectInterface>();
  ++notifyDepth_;
  const size_t count = entries_.size();
  for (size_t i = 0; i < count; ++i) {
    const size_t index = inverse_ ? count - 1 - i : i;
    const Entry& entry = entries_[index];
    if (entry.handle == kNoObserver) continue;
    if (entry.objectBound && !entry.observer.IsAlive()) continue;
    Result<void> result = call(index);
    if (!result.IsOk() && !first.IsSet()) first = result.GetError();
  }
  if (--notifyDepth_ == 0 && needsCompact_) Compact();
  if (first.IsSet()) return first;
  return Ok();
}

}  // namespace zarvo
