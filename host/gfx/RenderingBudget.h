#pragma once
#include <cstddef>
#include <cstdint>
#include <unordered_set>

namespace zarvo {

// The cached renderings of all SVG documents together stay within one budget. Each document
// keeps a few renderings, but a program with many documents drawn large (a clone per slider, a
// zoomed view) would otherwise hold gigabytes of pixels. When a new rendering does not fit, the
// least recently used renderings of any owner go first. Main thread only.
class RenderingBudget {
 public:
  class Owner {
   public:
    // The use stamp of the owner's least recently used rendering; 0 when it holds none.
    virtual uint64_t GetOldestUse() const = 0;
    // Drops that rendering and returns its bytes.
    virtual size_t DropOldest() = 0;

   protected:
    ~Owner() = default;
  };

  static constexpr size_t kDefaultLimitBytes = size_t{256} << 20;

  static RenderingBudget& Get();

  void Register(Owner* owner);
  void Unregister(Owner* owner);
  // Stamps shared by all owners, so that "least recently used" compares across documents.
  uint64_t NextUse() noexcept { return ++useCounter_; }
  // Drops the oldest renderings of any owner until `bytes` more fit, then counts them. Call it
  // before keeping the new rendering. One rendering larger than the whole budget is allowed,
  // alone.
  void Reserve(size_t bytes);
  void Release(size_t bytes) noexcept;

  size_t GetUsedBytes() const noexcept { return used_; }
  size_t GetLimitBytes() const noexcept { return limit_; }
  // Returns the previous limit; a lower one takes effect at the next Reserve.
  size_t SetLimitBytes(size_t limit) noexcept;

 private:
  std::unordered_set<Owner*> owners_;
  size_t used_ = 0;
  size_t limit_ = kDefaultLimitBytes;
  uint64_t useCounter_ = 0;
};

}  // namespace zarvo
