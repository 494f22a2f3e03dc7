#pragma once
#include "host/gfx/VectorIconInterface.h"
#include "host/ui/WidgetBase.h"
#include "source/interfaces/ImageWidgetInterface.h"

namespace zarvo {

// The image widget, and the base of the check box and the tristate button. It draws its
// vector icon when it has one, else its image, fitted into its frame (ImageFit.h).
//
// Clipping uses the widget base's clipping flag: when set, drawing is clipped to the border
// path, the frame with its rounded corners. The border takes the style's border-update colour
// and width; it shows only when someone turns the border on.
class ImageWidgetImpl : public WidgetBase, public virtual ImageWidgetInterface {
 public:
  ImageWidgetImpl() = default;

  Result<void> CopyFrom(const ObjectInterface& source) override;

  void SetImage(const Ref<Image>& image) override;
  Ref<Image> GetImage() const override { return image_; }
  Result<void> SetUrl(const Url& url) override;
  const Url& GetUrl() const override { return url_; }

  Result<void> CreateLayout() override;
  Result<void> DrawSetClipping() override;
  Result<void> DrawContent() override;

  // The icon shown. Widgets built on this one switch icons and icon states through these; an
  // icon set here replaces the image and the URL.
  const VectorIconRef& GetVectorIcon() const noexcept { return vectorIcon_; }
  void SetVectorIcon(const VectorIconRef& icon);
  // The frame with its rounded corners, in local coordinates; empty for an empty frame.
  Path GetLocalBorderPath() const;
  // Where the picture is drawn: the frame fitted to the picture's proportions (the frame
  // itself without a picture).
  [[nodiscard]] Result<Rect> GetContentRect();

 private:
  Ref<Image> image_;
  Url url_;
  VectorIconRef vectorIcon_;
};

}  // namespace zarvo
