#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/core/Object.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace zarvo {

// One pixel, 8 bits per channel, straight (not premultiplied) alpha.
struct PixelRGBA8 {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 0;
  friend bool operator==(const PixelRGBA8&, const PixelRGBA8&) = default;
};

// An RGBA8 image with straight alpha, rows top to bottom without padding. Drawing needs
// premultiplied ARGB32; the converted cairo surface is kept and rebuilt only after the pixels
// change, so an image drawn every frame converts once.
//
// PNG files go through cairo, which premultiplies: the colour of fully transparent pixels is
// lost and a translucent channel may come back one step off.
class Image : public ObjectInterface {
 public:
  // Larger images are refused rather than risking an overflowing allocation.
  static constexpr Int kMaxDimension = 32768;

  // A PNG file may declare at most this many pixels (256 MB of RGBA): the header is read first,
  // so a small file claiming a vast image is refused before anything is allocated.
  static constexpr Int kMaxPngPixels = Int{8192} * 8192;

  // A transparent black image; 0 x 0 is allowed.
  [[nodiscard]] static Result<Ref<Image>> Create(Int width, Int height);
  // Errors: no such file (NotFound); an empty file, a folder, a header that is not a PNG's or
  // declares a size outside 1..kMaxDimension per side or above kMaxPngPixels, and pixel data
  // that is cut short or does not match the header (IllegalArgument). Each names the path.
  [[nodiscard]] static Result<Ref<Image>> LoadPng(const std::string& path);
  // A copy of an image surface (ARGB32 or RGB24; other formats are converted).
  [[nodiscard]] static Result<Ref<Image>> FromCairoSurface(cairo_surface_t* surface);

  ~Image() override;

  [[nodiscard]] Result<void> SavePng(const std::string& path) const;

  Int GetWidth() const noexcept { return width_; }
  Int GetHeight() const noexcept { return height_; }
  // Bytes per row (width * 4).
  Int GetStride() const noexcept { return width_ * 4; }

  // Reading or writing outside the image is a programmer mistake.
  PixelRGBA8 GetPixel(Int x, Int y) const;
  void SetPixel(Int x, Int y, PixelRGBA8 pixel);
  void Fill(PixelRGBA8 pixel);

  const uint8_t* GetData() const noexcept { return pixels_.data(); }
  // Writable pixels. Marks the image changed; call MarkChanged after writing through a pointer
  // kept across a draw.
  uint8_t* GetMutableData() noexcept;
  void MarkChanged() noexcept;

  // The premultiplied ARGB32 surface of the current pixels, owned by the image and valid until
  // the pixels change or the image goes. Null for a 0-sized image.
  cairo_surface_t* GetCairoSurface() const;
  // How often the pixels were converted to the cairo surface (tests and benchmarks).
  uint64_t GetSurfaceConversionCount() const noexcept { return conversions_; }
  // Grows with every change of the pixels; caches keyed by image content compare it.
  uint64_t GetVersion() const noexcept { return version_; }

 private:
  Image(Int width, Int height);

  Int width_ = 0;
  Int height_ = 0;
  std::vector<uint8_t> pixels_;
  uint64_t version_ = 0;
  mutable cairo_surface_t* surface_ = nullptr;
  mutable uint64_t surfaceVersion_ = 0;
  mutable uint64_t conversions_ = 0;
};

using ImageRef = Ref<Image>;

}  // namespace zarvo
