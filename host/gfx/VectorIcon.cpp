#include "host/gfx/VectorIcon.h"

#include <new>
#include <string>

namespace zarvo {

ObjectInterface* VectorIcon::ConstructComponent() {
  try {
    return new VectorIcon();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

Result<void> VectorIcon::Init(const Url& url) {
  ZV_TRY_ASSIGN(Ref<SVGDocument> document, SVGDocumentCache::Get().GetShared(url));
  document_ = std::move(document);
  url_ = url;
  return Ok();
}

Result<void> VectorIcon::InitFromName(std::string_view name, const IconNameResolver& resolve) {
  if (!resolve) return NullReferenceError("No icon resolver to look up icon '" + std::string(name) + "'");
  ZV_TRY_ASSIGN(Url url, resolve(name));
  if (url.IsEmpty()) return NotFoundError("No icon named '" + std::string(name) + "'");
  return Init(url);
}

Result<SVGDocumentRef> VectorIcon::GetEditableDocument() {
  if (!document_) return IllegalStateError("Vector icon is not loaded");
  if (!document_->IsShared()) return document_;
  ZV_TRY_ASSIGN(SVGDocumentRef copy, document_->Clone());
  document_ = std::move(copy);
  return document_;
}

}  // namespace zarvo
