#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/gfx/Image.h"

namespace zarvo {

// The image framework's texture loader: PNG files read once per path and then shared. Every
// caller of one path gets the same Image, so a caller that wants to change pixels copies the
// texture first. A failed load is not remembered: a file that appears or is repaired later
// loads on the next request. Main thread only.
class TextureCache {
 public:
  static TextureCache& Get();

  [[nodiscard]] Result<Ref<Image>> Load(const Url& url);
  // Forgets every texture (images still held elsewhere stay valid).
  void Clear();
  size_t GetCount() const noexcept { return textures_.size(); }
  // How many files were actually read, for tests that check the cache is used.
  uint64_t GetLoadCount() const noexcept { return loads_; }

 private:
  TextureCache() = default;

  std::unordered_map<std::string, Ref<Image>> textures_;
  uint64_t loads_ = 0;
};

// The texture of a PNG file URL ("file:" prefix optional), from the texture cache.
[[nodiscard]] Result<Ref<Image>> LoadTexture(const Url& url);

}  // namespace zarvo
