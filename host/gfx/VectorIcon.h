#pragma once
#include "host/gfx/SVGDocument.h"
#include "host/gfx/VectorIconInterface.h"

namespace zarvo {

// The host's vector icon (class "net.zarvo.image.class.vectoricon"). It draws the shared
// document of its file until someone asks to change it, and from then on a private copy.
class VectorIcon final : public virtual VectorIconInterface {
 public:
  VectorIcon() = default;

  // For the class registry: the members of a new, unloaded icon; nullptr without memory.
  static ObjectInterface* ConstructComponent();

  Result<void> Init(const Url& url) override;
  Result<void> InitFromName(std::string_view name, const IconNameResolver& resolve) override;
  bool IsLoaded() const override { return static_cast<bool>(document_); }
  const Url& GetUrl() const override { return url_; }
  SVGDocumentRef GetDocument() const override { return document_; }
  Result<SVGDocumentRef> GetEditableDocument() override;
  void SetState(VECTOR_ICON_STATE state) override { state_ = state; }
  VECTOR_ICON_STATE GetState() const override { return state_; }

 private:
  SVGDocumentRef document_;
  Url url_;
  VECTOR_ICON_STATE state_ = VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT;
};

}  // namespace zarvo
