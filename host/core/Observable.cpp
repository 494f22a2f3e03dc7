#include "host/core/Observable.h"

namespace zarvo {

Result<void> ObservableBase::Init(ObjectInterface* owner, const char* name) {
  if (!name) return NullReferenceError("Observable needs a name");
  owner_ = owner;
  name_ = name;
  return Ok();
}

size_t ObservableBase::GetObserverCount() const noexcept {
  size_t count = 0;
  for (const Entry& entry : entries_) {
    if (entry.handle != kNoObserver && (!entry.objectBound || entry.observer.IsAlive())) ++count;
  }
  return count;
}

bool ObservableBase::RemoveObserver(ObserverHandle handle) {
  for (Entry& entry : entries_) {
    if (entry.handle == handle && handle != kNoObserver) {
      entry.handle = kNoObserver;
      needsCompact_ = true;
      if (notifyDepth_ == 0) Compact();
      return true;
    }
  }
  return false;
}

void ObservableBase::DisconnectAll(const ObjectInterface* observer, DisconnectMode mode) {
  const bool objects = mode == DisconnectMode::kObjectObservers;
  for (Entry& entry : entries_) {
    if (entry.handle == kNoObserver || entry.objectBound != objects) continue;
    if (observer && entry.observer.GetUnsafe() != observer) continue;
    entry.handle = kNoObserver;
    needsCompact_ = true;
  }
  if (notifyDepth_ == 0 && needsCompact_) Compact();
}

void ObservableBase::Compact() {
  for (size_t i = entries_.size(); i-- > 0;) {
    const Entry& entry = entries_[i];
    if (entry.handle == kNoObserver || (entry.objectBound && !entry.observer.IsAlive())) {
      entries_.erase(entries_.begin() + static_cast<long>(i));
      EraseAt(i);
    }
  }
  needsCompact_ = false;
}

}  // namespace zarvo
