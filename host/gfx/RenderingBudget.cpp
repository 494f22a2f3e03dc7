#include "host/gfx/RenderingBudget.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace zarvo {

RenderingBudget& RenderingBudget::Get() {
  static RenderingBudget budget;
  return budget;
}

void RenderingBudget::Register(Owner* owner) {
  assert(owner);
  owners_.insert(owner);
}

void RenderingBudget::Unregister(Owner* owner) { owners_.erase(owner); }

void RenderingBudget::Reserve(size_t bytes) {
  while (used_ + bytes > limit_) {
    Owner* oldest = nullptr;
    uint64_t oldestUse = 0;
    for (Owner* owner : owners_) {
      const uint64_t use = owner->GetOldestUse();
      if (use != 0 && (!oldest || use < oldestUse)) {
        oldest = owner;
        oldestUse = use;
      }
    }
    if (!oldest) break;
    const size_t dropped = oldest->DropOldest();
    used_ -= std::min(dropped, used_);
  }
  used_ += bytes;
}

void RenderingBudget::Release(size_t bytes) noexcept { used_ -= std::min(bytes, used_); }

size_t RenderingBudget::SetLimitBytes(size_t limit) noexcept { return std::exchange(limit_, limit); }

}  // namespace zarvo
