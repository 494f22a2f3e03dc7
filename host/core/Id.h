#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

// The identifier hash: h = h*31 + byte over the unsigned bytes (wrapping), then the byte
// length in the top bits so that identifiers of different lengths differ on the first compare.
constexpr uint64_t kIdHashLowMask = 0x7FFFFFFFFFFull;
constexpr int kIdHashLengthShift = 44;

constexpr uint64_t HashIdBytes(std::string_view text) noexcept {
  if (text.empty()) return 0;
  uint64_t h = 0;
  for (char c : text) h = h * 31u + static_cast<unsigned char>(c);
  return (static_cast<uint64_t>(text.size()) << kIdHashLengthShift) + (h & kIdHashLowMask);
}

// An identifier: text plus its precomputed hash. Equal when hash and bytes are equal.
class Id {
 public:
  Id() = default;
  Id(const char* text) : text_(text), hash_(HashIdBytes(text_)) {}  // NOLINT: ids read as literals
  explicit Id(std::string_view text) : text_(text), hash_(HashIdBytes(text_)) {}
  explicit Id(std::string&& text) : text_(std::move(text)), hash_(HashIdBytes(text_)) {}

  const std::string& GetString() const noexcept { return text_; }
  uint64_t GetHash() const noexcept { return hash_; }
  bool IsEmpty() const noexcept { return text_.empty(); }

  friend bool operator==(const Id& a, const Id& b) noexcept {
    return a.hash_ == b.hash_ && a.text_ == b.text_;
  }

 private:
  std::string text_;
  uint64_t hash_ = 0;
};

struct IdHasher {
  size_t operator()(const Id& id) const noexcept {
    // The length sits in the top bits; fold it in so short ids spread over buckets.
    const uint64_t h = id.GetHash();
    return static_cast<size_t>(h ^ (h >> kIdHashLengthShift) * 0x9E3779B97F4A7C15ull);
  }
};

}  // namespace zarvo
