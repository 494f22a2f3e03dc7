#pragma once
#include "host/ui/FontHandle.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/SVGDebugWidgetInterface.h"
#include "source/widgets_debug/SVGOutline.h"

namespace zarvo {

// The SVG debug view (see SVGDebugWidgetInterface): the document fitted into the left part,
// the facts about it listed in the right part, one per line.
class SVGDebugWidgetImpl : public WidgetBase, public virtual SVGDebugWidgetInterface {
 public:
  Result<void> SetUrl(const Url& url) override;
  Result<void> SetText(std::string_view svgText) override;
  SVGDocumentRef GetDocument() const override { return document_; }
  const String& GetErrorText() const override { return errorText_; }
  Int GetElementCount() const override { return outline_.elementCount; }
  const std::vector<String>& GetElementIds() const override { return outline_.ids; }

  Result<void> CreateLayout() override;
  Result<void> LayoutBegin() override;
  Result<void> DrawContent() override;

  // The lines of the listing as drawn: size, element count, then the ids.
  std::vector<String> GetInfoLines() const;
  // Where the document's viewport is drawn, in local coordinates (empty without a document).
  Rect GetViewportRect() const;

 private:
  // Takes over a freshly initialised document, or the failure of its load.
  [[nodiscard]] Result<void> Adopt(SVGDocumentRef document, Result<void> loaded);
  // The outline and size of a loaded document.
  [[nodiscard]] Result<void> ReadFacts(SVGDocumentInterface& document);

  SVGDocumentRef document_;
  SVGOutline outline_;
  Vector2d intrinsicSize_;
  String errorText_;
  FontHandleRef font_;
};

}  // namespace zarvo
