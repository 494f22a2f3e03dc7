#include "host/gfx/TextureCache.h"

#include <new>

#include "host/gfx/ResourceUrl.h"

namespace zarvo {

TextureCache& TextureCache::Get() {
  static TextureCache cache;
  return cache;
}

Result<Ref<Image>> TextureCache::Load(const Url& url) {
  ZV_TRY_ASSIGN(std::string path, ResourceFilePath(url, "Texture"));
  if (auto found = textures_.find(path); found != textures_.end()) return found->second;
  ++loads_;
  ZV_TRY_ASSIGN(Ref<Image> image, Image::LoadPng(path));
  try {
    textures_.emplace(std::move(path), image);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return image;
}

void TextureCache::Clear() { textures_.clear(); }

Result<Ref<Image>> LoadTexture(const Url& url) { return TextureCache::Get().Load(url); }

}  // namespace zarvo
