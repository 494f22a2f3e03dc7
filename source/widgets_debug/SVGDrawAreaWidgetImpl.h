#pragma once
#include "host/ui/FontHandle.h"
#include "source/interfaces/SVGDrawAreaWidgetInterface.h"
#include "source/widgets_layout/AreaWidgetImpl.h"

namespace zarvo {

// The SVG draw area (see SVGDrawAreaWidgetInterface). The document is drawn under the area's
// own matrix, so the renderer rasterises it at the zoomed size and it stays sharp.
class SVGDrawAreaWidgetImpl : public AreaWidgetImpl, public virtual SVGDrawAreaWidgetInterface {
 public:
  Result<void> SetUrl(const Url& url) override;
  Result<void> SetDocument(const SVGDocumentRef& document) override;
  SVGDocumentRef GetDocument() const override { return document_; }
  const String& GetErrorText() const override { return errorText_; }

  Result<void> CreateLayout() override;
  Result<void> LayoutBegin() override;
  Result<void> DrawContent() override;

 private:
  void Show(SVGDocumentRef document, String errorText);

  SVGDocumentRef document_;
  String errorText_;
  FontHandleRef font_;
};

}  // namespace zarvo
