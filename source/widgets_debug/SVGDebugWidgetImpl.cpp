#include "source/widgets_debug/SVGDebugWidgetImpl.h"

#include <cstdio>

#include "host/core/ClassRegistry.h"
#include "host/gfx/VectorIconInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/Painter.h"
#include "host/ui/StyleSheet.h"
#include "source/WidgetComponent.h"
#include "source/widgets_base/ImageFit.h"

namespace zarvo {

namespace {
constexpr Float kCreatedWidth = 320.0;
constexpr Float kCreatedHeight = 160.0;
constexpr Float kMargin = 6.0;
// The document gets this share of the width; the listing the rest.
constexpr Float kDocumentShare = 0.5;
constexpr Float kFrameWidth = 1.0;
constexpr Int kDocumentState = static_cast<Int>(VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);

const StyleKey<ColorA> kSVGDebugBackgroundColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.svgdebug.background_color", ColorA{0.93, 0.93, 0.93, 1.0});
const StyleKey<ColorA> kSVGDebugFrameColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.svgdebug.frame_color", ColorA{0.0, 0.6, 0.9, 1.0});
const StyleKey<ColorA> kSVGDebugTextColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.svgdebug.text_color", ColorA{0.1, 0.1, 0.1, 1.0});
const StyleKey<ColorA> kSVGDebugErrorColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.svgdebug.error_color", ColorA{0.85, 0.0, 0.0, 1.0});

String FormatLength(Float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}
}  // namespace

Result<void> SVGDebugWidgetImpl::SetUrl(const Url& url) {
  ZV_TRY_ASSIGN(SVGDocumentRef document, CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId)));
  Result<void> loaded = document->Init(url);
  return Adopt(std::move(document), std::move(loaded));
}

Result<void> SVGDebugWidgetImpl::SetText(std::string_view svgText) {
  ZV_TRY_ASSIGN(SVGDocumentRef document, CreateObject<SVGDocumentInterface>(Id(kSVGDocumentClassId)));
  Result<void> loaded = document->InitFromText(svgText);
  return Adopt(std::move(document), std::move(loaded));
}

Result<void> SVGDebugWidgetImpl::Adopt(SVGDocumentRef document, Result<void> loaded) {
  document_.Reset();
  outline_ = SVGOutline{};
  intrinsicSize_ = Vector2d{};
  errorText_.clear();
  RequestRedraw();
  Result<void> read = loaded.IsOk() ? ReadFacts(*document) : std::move(loaded);
  if (!read.IsOk()) {
    outline_ = SVGOutline{};
    errorText_ = read.GetError().GetMessage();
    return read;
  }
  document_ = std::move(document);
  return Ok();
}

Result<void> SVGDebugWidgetImpl::ReadFacts(SVGDocumentInterface& document) {
  // The outline is read from the document as it stands, so an id it rewrote is listed as such.
  ZV_TRY_ASSIGN(String text, document.Serialize());
  ZV_TRY_ASSIGN(outline_, ReadSVGOutline(text));
  ZV_TRY_ASSIGN(intrinsicSize_, document.GetIntrinsicSize());
  return Ok();
}

std::vector<String> SVGDebugWidgetImpl::GetInfoLines() const {
  if (!document_) return {};
  std::vector<String> lines;
  lines.push_back("Size: " + FormatLength(intrinsicSize_.x) + " x " + FormatLength(intrinsicSize_.y));
  lines.push_back("Elements: " + std::to_string(outline_.elementCount));
  for (const String& id : outline_.ids) lines.push_back("#" + id);
  return lines;
}

Rect SVGDebugWidgetImpl::GetViewportRect() const {
  if (!document_ || !(intrinsicSize_.x > 0.0) || !(intrinsicSize_.y > 0.0)) return Rect{};
  const Vector2d size = GetLocalPixSize();
  const Rect room{kMargin, kMargin, kDocumentShare * size.x - kMargin, size.y - kMargin};
  if (!(room.Width() > 0.0) || !(room.Height() > 0.0)) return Rect{};
  return FitKeepingAspect(room, intrinsicSize_);
}

Result<void> SVGDebugWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("SVGDebugWidget");
  ZV_TRY(SetLocalSize(kCreatedWidth, kCreatedHeight));
  SetClipping(true);
  return Ok();
}

Result<void> SVGDebugWidgetImpl::LayoutBegin() {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  ZV_TRY_ASSIGN(font_, CreateDefaultFontHandle(*canvas, FONTBASELINE::ASCENT));
  return Ok();
}

Result<void> SVGDebugWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Vector2d size = GetLocalPixSize();
  ZV_TRY(DrawRectangle(Rect{0.0, 0.0, size.x, size.y}, ReadStyle(*this, kSVGDebugBackgroundColor)));
  if (!font_) return Ok();
  if (!errorText_.empty()) {
    return canvas->DrawText(errorText_, *font_, {kMargin, kMargin}, ReadStyle(*this, kSVGDebugErrorColor));
  }
  const Rect viewport = GetViewportRect();
  if (!viewport.IsEmpty()) {
    ZV_TRY(DrawSVG(document_->GetDrawUrl(), viewport, kDocumentState));
    canvas->DrawRectangle(viewport, PaintStyle::Stroked(ReadStyle(*this, kSVGDebugFrameColor), kFrameWidth));
  }
  const ColorA textColor = ReadStyle(*this, kSVGDebugTextColor);
  const Float lineHeight = font_->GetLineHeight();
  Vector2d at{kDocumentShare * size.x + kMargin, kMargin};
  for (const String& line : GetInfoLines()) {
    if (at.y >= size.y) break;
    ZV_TRY(canvas->DrawText(line, *font_, at, textColor));
    at.y += lineHeight;
  }
  return Ok();
}

}  // namespace zarvo
