#include "source/widgets_debug/SVGDrawAreaWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/gfx/VectorIconInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/StyleSheet.h"
#include "source/WidgetComponent.h"

namespace zarvo {

namespace {
constexpr Int kDocumentState = static_cast<Int>(VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);
constexpr Vector2d kErrorTextAt{4.0, 4.0};

const StyleKey<ColorA> kSVGDrawAreaErrorColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.svgdrawarea.error_color", ColorA{0.9, 0.15, 0.15, 1.0});
}  // namespace

void SVGDrawAreaWidgetImpl::Show(SVGDocumentRef document, String errorText) {
  document_ = std::move(document);
  errorText_ = std::move(errorText);
  RequestRedraw();
}

Result<void> SVGDrawAreaWidgetImpl::SetUrl(const Url& url) {
  ZV_TRY_ASSIGN(SVGDocumentRef document, CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId)));
  if (Result<void> loaded = document->Init(url); !loaded.IsOk()) {
    Show(SVGDocumentRef(), loaded.GetError().GetMessage());
    return loaded;
  }
  Show(std::move(document), String());
  return Ok();
}

Result<void> SVGDrawAreaWidgetImpl::SetDocument(const SVGDocumentRef& document) {
  if (document && !document->IsLoaded()) return IllegalArgumentError("SVG document is not loaded");
  if (document.Get() == document_.Get() && errorText_.empty()) return Ok();
  Show(document, String());
  return Ok();
}

Result<void> SVGDrawAreaWidgetImpl::CreateLayout() {
  ZV_TRY(AreaWidgetImpl::CreateLayout());
  SetName("SVGDrawAreaWidget");
  return Ok();
}

Result<void> SVGDrawAreaWidgetImpl::LayoutBegin() {
  ZV_TRY(AreaWidgetImpl::LayoutBegin());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  ZV_TRY_ASSIGN(font_, CreateDefaultFontHandle(*canvas, FONTBASELINE::ASCENT));
  return Ok();
}

Result<void> SVGDrawAreaWidgetImpl::DrawContent() {
  ZV_TRY(AreaWidgetImpl::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  if (!errorText_.empty()) {
    if (!font_) return Ok();
    return canvas->DrawText(errorText_, *font_, kErrorTextAt, ReadStyle(*this, kSVGDrawAreaErrorColor));
  }
  if (!document_) return Ok();
  ZV_TRY_ASSIGN(Vector2d size, document_->GetIntrinsicSize());
  if (!(size.x > 0.0) || !(size.y > 0.0)) return Ok();
  return DrawSVG(document_->GetDrawUrl(), Rect{0.0, 0.0, size.x, size.y}, kDocumentState);
}

}  // namespace zarvo
