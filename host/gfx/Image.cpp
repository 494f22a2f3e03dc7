#include "host/gfx/Image.h"

#include <cairo.h>

#include <algorithm>
#include <cassert>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

namespace zarvo {

namespace {

uint8_t Premultiply(uint8_t c, uint8_t a) { return static_cast<uint8_t>((c * a + 127) / 255); }

uint8_t Unpremultiply(uint8_t c, uint8_t a) {
  return static_cast<uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}

// Reads a premultiplied ARGB32 (or RGB24, alpha ignored) surface into straight RGBA8.
void ReadSurface(cairo_surface_t* surface, bool hasAlpha, Int width, Int height, uint8_t* out) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (Int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (Int x = 0; x < width; ++x) {
      const uint32_t argb = row[x];
      const uint8_t a = hasAlpha ? static_cast<uint8_t>(argb >> 24) : 255;
      uint8_t* p = out + (y * width + x) * 4;
      if (a == 0) {
        p[0] = p[1] = p[2] = p[3] = 0;
        continue;
      }
      const auto r = static_cast<uint8_t>(argb >> 16), g = static_cast<uint8_t>(argb >> 8), b = static_cast<uint8_t>(argb);
      if (a == 255) {
        p[0] = r, p[1] = g, p[2] = b;
      } else {
        p[0] = Unpremultiply(r, a), p[1] = Unpremultiply(g, a), p[2] = Unpremultiply(b, a);
      }
      p[3] = a;
    }
  }
}

class SurfaceOwner {
 public:
  explicit SurfaceOwner(cairo_surface_t* surface) : surface_(surface) {}
  ~SurfaceOwner() { cairo_surface_destroy(surface_); }
  SurfaceOwner(const SurfaceOwner&) = delete;
  SurfaceOwner& operator=(const SurfaceOwner&) = delete;
  cairo_surface_t* Get() const { return surface_; }

 private:
  cairo_surface_t* surface_;
};

}  // namespace

Image::Image(Int width, Int height) : width_(width), height_(height), version_(1) {
  pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
}

Image::~Image() {
  if (surface_) cairo_surface_destroy(surface_);
}

Result<Ref<Image>> Image::Create(Int width, Int height) {
  if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension) {
    return IllegalArgumentError("Invalid image size " + std::to_string(width) + " x " + std::to_string(height));
  }
  try {
    return Ref<Image>(new Image(width, height));
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
}

namespace {

constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, then the first chunk's length and type ("IHDR"), then its width and height.
constexpr size_t kPngHeaderBytes = sizeof kPngSignature + 16;

uint32_t ReadBigEndian(const unsigned char* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | uint32_t{bytes[3]};
}

// Reads the header only; what it claims decides whether the rest is read at all.
Result<void> CheckPngHeader(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return NotFoundError("Image file not found: " + path);
  if (std::filesystem::is_directory(path, error)) return IllegalArgumentError("Cannot read PNG image " + path + ": it is a folder");
  std::ifstream file(path, std::ios::binary);
  if (!file) return IllegalArgumentError("Cannot read PNG image " + path);
  unsigned char header[kPngHeaderBytes] = {};
  file.read(reinterpret_cast<char*>(header), sizeof header);
  const auto got = static_cast<size_t>(file.gcount());
  if (got == 0) return IllegalArgumentError("PNG image " + path + " is empty");
  if (got < sizeof kPngSignature || std::memcmp(header, kPngSignature, sizeof kPngSignature) != 0) {
    return IllegalArgumentError(path + " is not a PNG image");
  }
  if (got < kPngHeaderBytes || std::memcmp(header + 12, "IHDR", 4) != 0) {
    return IllegalArgumentError("PNG image " + path + " has no complete header");
  }
  const Int width = ReadBigEndian(header + 16), height = ReadBigEndian(header + 20);
  if (width < 1 || height < 1 || width > Image::kMaxDimension || height > Image::kMaxDimension ||
      width * height > Image::kMaxPngPixels) {
    return IllegalArgumentError("PNG image " + path + " declares the size " + std::to_string(width) + " x " +
                                std::to_string(height) + ", outside what images may have");
  }
  return Ok();
}

}  // namespace

Result<Ref<Image>> Image::LoadPng(const std::string& path) {
  ZV_TRY(CheckPngHeader(path));
  SurfaceOwner surface(cairo_image_surface_create_from_png(path.c_str()));
  const cairo_status_t status = cairo_surface_status(surface.Get());
  if (status == CAIRO_STATUS_FILE_NOT_FOUND) return NotFoundError("Image file not found: " + path);
  if (status != CAIRO_STATUS_SUCCESS) {
    return IllegalArgumentError("Cannot read PNG image " + path + ": " + cairo_status_to_string(status));
  }
  return FromCairoSurface(surface.Get());
}

Result<Ref<Image>> Image::FromCairoSurface(cairo_surface_t* surface) {
  if (!surface) return NullReferenceError("No surface to copy an image from");
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
      cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) {
    return IllegalArgumentError("An image can only be copied from a valid image surface");
  }
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  ZV_TRY_ASSIGN(Ref<Image> image, Create(width, height));
  const cairo_format_t format = cairo_image_surface_get_format(surface);
  if (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) {
    ReadSurface(surface, format == CAIRO_FORMAT_ARGB32, width, height, image->pixels_.data());
    return image;
  }
  // Rare formats (A8, RGB16, ...): let cairo convert by painting onto ARGB32.
  SurfaceOwner converted(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(converted.Get()) != CAIRO_STATUS_SUCCESS) return OutOfMemoryError();
  cairo_t* cr = cairo_create(converted.Get());
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  const cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status != CAIRO_STATUS_SUCCESS) {
    return IllegalArgumentError(std::string("Cannot convert the image surface: ") + cairo_status_to_string(status));
  }
  ReadSurface(converted.Get(), true, width, height, image->pixels_.data());
  return image;
}

Result<void> Image::SavePng(const std::string& path) const {
  if (width_ == 0 || height_ == 0) return IllegalStateError("Cannot write an empty image to " + path);
  cairo_surface_t* surface = GetCairoSurface();
  if (!surface) return OutOfMemoryError();
  const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  if (status != CAIRO_STATUS_SUCCESS) {
    return IllegalArgumentError("Cannot write PNG image " + path + ": " + cairo_status_to_string(status));
  }
  return Ok();
}

PixelRGBA8 Image::GetPixel(Int x, Int y) const {
  assert(x >= 0 && x < width_ && y >= 0 && y < height_);
  const uint8_t* p = pixels_.data() + (y * width_ + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

void Image::SetPixel(Int x, Int y, PixelRGBA8 pixel) {
  assert(x >= 0 && x < width_ && y >= 0 && y < height_);
  uint8_t* p = pixels_.data() + (y * width_ + x) * 4;
  p[0] = pixel.r, p[1] = pixel.g, p[2] = pixel.b, p[3] = pixel.a;
  MarkChanged();
}

void Image::Fill(PixelRGBA8 pixel) {
  for (size_t i = 0; i < pixels_.size(); i += 4) {
    pixels_[i] = pixel.r, pixels_[i + 1] = pixel.g, pixels_[i + 2] = pixel.b, pixels_[i + 3] = pixel.a;
  }
  MarkChanged();
}

uint8_t* Image::GetMutableData() noexcept {
  MarkChanged();
  return pixels_.data();
}

void Image::MarkChanged() noexcept { ++version_; }

cairo_surface_t* Image::GetCairoSurface() const {
  if (width_ == 0 || height_ == 0) return nullptr;
  if (surface_ && surfaceVersion_ == version_) return surface_;
  if (!surface_) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width_), static_cast<int>(height_));
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(surface_);
      surface_ = nullptr;
      return nullptr;
    }
  }
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (Int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    const uint8_t* p = pixels_.data() + y * width_ * 4;
    for (Int x = 0; x < width_; ++x, p += 4) {
      const uint8_t a = p[3];
      const uint8_t r = a == 255 ? p[0] : Premultiply(p[0], a);
      const uint8_t g = a == 255 ? p[1] : Premultiply(p[1], a);
      const uint8_t b = a == 255 ? p[2] : Premultiply(p[2], a);
      row[x] = (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | uint32_t{b};
    }
  }
  cairo_surface_mark_dirty(surface_);
  surfaceVersion_ = version_;
  ++conversions_;
  return surface_;
}

}  // namespace zarvo
