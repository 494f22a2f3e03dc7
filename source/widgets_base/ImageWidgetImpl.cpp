#include "source/widgets_base/ImageWidgetImpl.h"

#include "host/core/ClassRegistry.h"
#include "host/gfx/ResourceUrl.h"
#include "host/gfx/TextureCache.h"
#include "host/ui/CanvasInterface.h"
#include "source/WidgetComponent.h"
#include "source/widgets_base/ImageFit.h"

namespace zarvo {

namespace {
constexpr char kVectorFileSuffix[] = "svg";
const StyleKey<ColorA> kBorderUpdateColor = StyleSheetService::Declare<ColorA>(
    "net.zarvo.mvp.stylesheet.image.border_update_color", ColorA{1.0, 0.0, 0.0, 1.0});
const StyleKey<CanvasUnitValue> kBorderUpdateWidth = StyleSheetService::Declare<CanvasUnitValue>(
    "net.zarvo.mvp.stylesheet.image.border_update_width", CanvasUnitValue::Pix(2.0));
}  // namespace

Result<void> ImageWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const ImageWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs another image widget");
  image_ = other->image_;
  url_ = other->url_;
  vectorIcon_ = other->vectorIcon_;
  return Ok();
}

void ImageWidgetImpl::SetImage(const Ref<Image>& image) {
  if (image == image_ && !vectorIcon_) return;
  vectorIcon_.Reset();
  image_ = image;
  // The URL named what was shown before; keeping it would make SetUrl of it a no-op.
  url_ = Url{};
  RequestRedraw();
}

void ImageWidgetImpl::SetVectorIcon(const VectorIconRef& icon) {
  if (icon == vectorIcon_) return;
  vectorIcon_ = icon;
  image_.Reset();
  url_ = Url{};
  RequestRedraw();
}

Result<void> ImageWidgetImpl::SetUrl(const Url& url) {
  if (url == url_) return Ok();
  if (url.IsEmpty()) {
    image_.Reset();
    vectorIcon_.Reset();
  } else if (UrlFileSuffix(url) == kVectorFileSuffix) {
    ZV_TRY_ASSIGN(VectorIconRef icon, CreateObject<VectorIconInterface>(Id(kVectorIconClassId)));
    ZV_TRY(icon->Init(url));
    vectorIcon_ = std::move(icon);
    image_.Reset();
  } else {
    ZV_TRY_ASSIGN(Ref<Image> image, LoadTexture(url));
    image_ = std::move(image);
    vectorIcon_.Reset();
  }
  url_ = url;
  RequestRedraw();
  return Ok();
}

Result<void> ImageWidgetImpl::CreateLayout() {
  ZV_TRY(WidgetBase::CreateLayout());
  SetName("ImageWidget");
  SetBorderColor(ReadStyle(*this, kBorderUpdateColor));
  SetBorderLinewidth(ReadStyle(*this, kBorderUpdateWidth));
  return Ok();
}

Path ImageWidgetImpl::GetLocalBorderPath() const {
  const Rect frame = GetLocalFrame();
  if (frame.IsEmpty()) return Path();
  return RoundedRectPath(frame, GetCornerRadii());
}

Result<void> ImageWidgetImpl::DrawSetClipping() {
  if (!GetClipping()) return Ok();
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return Ok();
  const Path border = GetLocalBorderPath();
  // An empty border sets no clip: a widget without size draws nothing anyway.
  if (border.IsEmpty()) return Ok();
  // The canvas draws under this widget's matrix, so the local path is the global shape.
  canvas->PushClipPath(border);
  return Ok();
}

Result<Rect> ImageWidgetImpl::GetContentRect() {
  const Rect frame = GetLocalFrame();
  if (vectorIcon_ && vectorIcon_->IsLoaded()) {
    ZV_TRY_ASSIGN(Vector2d size, vectorIcon_->GetDocument()->GetIntrinsicSize());
    return FitKeepingAspect(frame, size);
  }
  if (image_) {
    return FitKeepingAspect(frame, {static_cast<Float>(image_->GetWidth()), static_cast<Float>(image_->GetHeight())});
  }
  return frame;
}

Result<void> ImageWidgetImpl::DrawContent() {
  ZV_TRY(WidgetBase::DrawContent());
  if (GetLocalFrame().IsEmpty()) return Ok();
  if (vectorIcon_ && vectorIcon_->IsLoaded()) {
    ZV_TRY_ASSIGN(Rect content, GetContentRect());
    return DrawSVG(vectorIcon_->GetDocument()->GetDrawUrl(), content, static_cast<Int>(vectorIcon_->GetState()));
  }
  if (image_ && image_->GetWidth() > 0 && image_->GetHeight() > 0) {
    ZV_TRY_ASSIGN(Rect content, GetContentRect());
    return DrawImage(*image_, content, 1.0);
  }
  return Ok();
}

}  // namespace zarvo
