#include "host/gfx/SVGDocument.h"

#include <cairo.h>
#include <gio/gio.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <numbers>
#include <system_error>

#include "host/gfx/Image.h"
#include "host/gfx/ResourceUrl.h"
#include "host/gfx/SurfacePattern.h"
#include "host/gfx/VectorIconInterface.h"

namespace zarvo {

namespace {

// Physical units in documents (mm, in, pt) resolve at the CSS pixel density.
constexpr double kRenderDpi = 96.0;
constexpr char kTextSourceName[] = "(text)";
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// Luminance weights (BT.601) in 1/256ths for the grey of disabled icons.
constexpr uint32_t kLumaRed = 77, kLumaGreen = 150, kLumaBlue = 29;

std::atomic<uint64_t> nextDocumentSerial{1};

// Shortest text that reads back as the same double; -0 is written as 0.
std::string FormatNumber(Float value) {
  if (value == 0.0) value = 0.0;
  char buffer[32];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

std::string_view UnitSuffix(SVG_UNIT unit) {
  switch (unit) {
    case SVG_UNIT::NUMBER: return "";
    case SVG_UNIT::PX: return "px";
    case SVG_UNIT::PERCENTAGE: return "%";
    case SVG_UNIT::EM: return "em";
    case SVG_UNIT::EX: return "ex";
    case SVG_UNIT::CM: return "cm";
    case SVG_UNIT::MM: return "mm";
    case SVG_UNIT::IN: return "in";
    case SVG_UNIT::PT: return "pt";
    case SVG_UNIT::PC: return "pc";
  }
  return "?";
}

bool IsKnownUnit(SVG_UNIT unit) { return UnitSuffix(unit) != "?"; }

// The element name without a namespace prefix ("svg" for "svg:svg").
std::string_view LocalName(std::string_view name) {
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string Quoted(std::string_view path) { return "'" + std::string(path) + "'"; }

// "line L, column C" of a byte offset, both counted from 1.
std::string LineAndColumn(std::string_view text, ptrdiff_t offset) {
  const size_t end = std::min(text.size(), static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
  const std::string_view before = text.substr(0, end);
  const size_t line = 1 + static_cast<size_t>(std::count(before.begin(), before.end(), '\n'));
  const size_t lineStart = before.rfind('\n');
  const size_t column = 1 + end - (lineStart == std::string_view::npos ? 0 : lineStart + 1);
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

Error TooLargeError(const std::string& where, uintmax_t size) {
  return IllegalArgumentError("SVG document " + where + " has " + std::to_string(size) + " bytes, larger than the " +
                              std::to_string(SVGDocument::kMaxDocumentBytes) + " a document may have");
}

std::string TakeErrorMessage(GError* error) {
  std::string message = error ? error->message : "unknown error";
  if (error) g_error_free(error);
  return message;
}

// A librsvg handle for SVG bytes; `basePath` resolves relative references (images, uses).
Result<RsvgHandle*> CreateHandle(std::string_view bytes, const std::string& basePath, const std::string& where) {
  GInputStream* stream = g_memory_input_stream_new_from_data(bytes.data(), static_cast<gssize>(bytes.size()), nullptr);
  GFile* base = basePath.empty() ? nullptr : g_file_new_for_path(basePath.c_str());
  GError* error = nullptr;
  RsvgHandle* handle = rsvg_handle_new_from_stream_sync(stream, base, RSVG_HANDLE_FLAGS_NONE, nullptr, &error);
  g_object_unref(stream);
  if (base) g_object_unref(base);
  if (!handle) return IllegalArgumentError("Cannot load SVG document " + where + ": " + TakeErrorMessage(error));
  rsvg_handle_set_dpi(handle, kRenderDpi);
  return handle;
}

Vector2d ReadIntrinsicSize(RsvgHandle* handle) {
  gdouble width = 0.0, height = 0.0;
  if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height)) return {width, height};
  gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
  RsvgLength lengthWidth{}, lengthHeight{};
  RsvgRectangle viewBox{};
  rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &lengthWidth, &hasHeight, &lengthHeight, &hasViewBox,
                                       &viewBox);
  if (hasViewBox && viewBox.width > 0.0 && viewBox.height > 0.0) return {viewBox.width, viewBox.height};
  return {};
}

struct StringWriter : pugi::xml_writer {
  std::string text;
  void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

Int NormalizedState(Int state) {
  return state >= static_cast<Int>(VECTOR_ICON_STATE::ENABLED_ACTIVATED_HIGHLIGHT) &&
                 state <= static_cast<Int>(VECTOR_ICON_STATE::DISABLED)
             ? state
             : static_cast<Int>(VECTOR_ICON_STATE::ENABLED_ACTIVATED_NOHIGHLIGHT);
}

// Premultiplied channels stay premultiplied when each is replaced by their weighted mean.
void Desaturate(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t p = row[x];
      const uint32_t grey = (kLumaRed * ((p >> 16) & 0xFF) + kLumaGreen * ((p >> 8) & 0xFF) + kLumaBlue * (p & 0xFF)) >> 8;
      row[x] = (p & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
    }
  }
  cairo_surface_mark_dirty(surface);
}

// The area a rendering covers, in viewport pixels: the viewport and the ink beyond it, which
// librsvg would paint when drawing straight onto a canvas. The ink beyond is limited so that
// the whole stays within kMaxRenderSide on each side.
// The viewport and the overflow around it that a rendering may keep (see RenderedBounds).
cairo_rectangle_t RecordingLimits(Int width, Int height) {
  const auto viewportWidth = static_cast<double>(width), viewportHeight = static_cast<double>(height);
  const double overflowX = std::floor((SVGDocumentInterface::kMaxRenderSide - viewportWidth) / 2.0);
  const double overflowY = std::floor((SVGDocumentInterface::kMaxRenderSide - viewportHeight) / 2.0);
  return {-overflowX, -overflowY, viewportWidth + 2.0 * overflowX, viewportHeight + 2.0 * overflowY};
}

Rect RenderedBounds(cairo_surface_t* recording, Int width, Int height) {
  double inkX = 0.0, inkY = 0.0, inkWidth = 0.0, inkHeight = 0.0;
  cairo_recording_surface_ink_extents(recording, &inkX, &inkY, &inkWidth, &inkHeight);
  const auto viewportWidth = static_cast<double>(width), viewportHeight = static_cast<double>(height);
  if (!(inkWidth > 0.0 && inkHeight > 0.0)) return {0.0, 0.0, viewportWidth, viewportHeight};
  const double overflowX = std::floor((SVGDocumentInterface::kMaxRenderSide - viewportWidth) / 2.0);
  const double overflowY = std::floor((SVGDocumentInterface::kMaxRenderSide - viewportHeight) / 2.0);
  return {std::max(std::floor(std::min(inkX, 0.0)), -overflowX),
          std::max(std::floor(std::min(inkY, 0.0)), -overflowY),
          std::min(std::ceil(std::max(inkX + inkWidth, viewportWidth)), viewportWidth + overflowX),
          std::min(std::ceil(std::max(inkY + inkHeight, viewportHeight)), viewportHeight + overflowY)};
}

}  // namespace

// ---- element --------------------------------------------------------------------------------

SVGElement::SVGElement(SVGDocument* document, pugi::xml_node node, std::string id)
    : document_(document), node_(node), id_(std::move(id)), fileTransform_(node.attribute("transform").value()) {}

Result<SVGDocument*> SVGElement::GetChangeableDocument() const {
  if (!document_) return IllegalStateError("SVG element '" + id_ + "' no longer belongs to a document");
  if (document_->IsShared()) {
    return IllegalStateError("SVG document " + document_->Describe() +
                             " is shared by every drawing of its file and cannot be changed; change a clone");
  }
  return document_;
}

bool SVGElement::WriteAttribute(const char* name, std::string_view value) {
  pugi::xml_attribute attribute = node_.attribute(name);
  if (value.empty()) return attribute && node_.remove_attribute(attribute);
  if (attribute && value == attribute.value()) return false;
  if (!attribute) attribute = node_.append_attribute(name);
  return attribute.set_value(std::string(value).c_str());
}

Result<void> SVGElement::SetDisplay(SVG_DISPLAY display) {
  ZV_TRY_ASSIGN(SVGDocument* document, GetChangeableDocument());
  std::string_view value;
  switch (display) {
    case SVG_DISPLAY::INHERIT: value = ""; break;
    case SVG_DISPLAY::DISPLAY: value = "inline"; break;
    case SVG_DISPLAY::NONE: value = "none"; break;
    default: return IllegalArgumentError("Unknown SVG display value " + std::to_string(static_cast<int>(display)));
  }
  if (WriteAttribute("display", value)) document->NoteChange();
  return Ok();
}

SVG_DISPLAY SVGElement::GetDisplay() const {
  const pugi::xml_attribute attribute = node_.attribute("display");
  if (!attribute) return SVG_DISPLAY::INHERIT;
  return std::string_view(attribute.value()) == "none" ? SVG_DISPLAY::NONE : SVG_DISPLAY::DISPLAY;
}

Result<void> SVGElement::SetLength(const char* name, Float value, SVG_UNIT unit, bool isSize) {
  ZV_TRY_ASSIGN(SVGDocument* document, GetChangeableDocument());
  if (!std::isfinite(value)) return IllegalArgumentError(std::string("SVG ") + name + " must be a finite number");
  if (isSize && value < 0.0) return IllegalArgumentError(std::string("SVG ") + name + " must not be negative");
  if (!IsKnownUnit(unit)) return IllegalArgumentError("Unknown SVG unit " + std::to_string(static_cast<int>(unit)));
  if (WriteAttribute(name, FormatNumber(value) + std::string(UnitSuffix(unit)))) document->NoteChange();
  return Ok();
}

Result<void> SVGElement::ApplyTransform() {
  ZV_TRY_ASSIGN(SVGDocument* document, GetChangeableDocument());
  std::string composed;
  auto append = [&composed](std::string_view part) {
    if (!composed.empty()) composed += ' ';
    composed += part;
  };
  if (translation_ != Vector2d{}) {
    append("translate(" + FormatNumber(translation_.x) + " " + FormatNumber(translation_.y) + ")");
  }
  if (rotation_ != 0.0) append("rotate(" + FormatNumber(rotation_ * kDegreesPerRadian) + ")");
  if (scale_ != Vector2d{1.0, 1.0}) append("scale(" + FormatNumber(scale_.x) + " " + FormatNumber(scale_.y) + ")");
  if (!fileTransform_.empty()) append(fileTransform_);
  if (WriteAttribute("transform", composed)) document->NoteChange();
  return Ok();
}

Result<void> SVGElement::SetTranslation(Vector2d translation) {
  ZV_TRY(GetChangeableDocument());
  if (!std::isfinite(translation.x) || !std::isfinite(translation.y)) {
    return IllegalArgumentError("SVG translation must be finite");
  }
  if (translation == translation_) return Ok();
  translation_ = translation;
  return ApplyTransform();
}

Result<void> SVGElement::SetScale(Vector2d scale) {
  ZV_TRY(GetChangeableDocument());
  if (!std::isfinite(scale.x) || !std::isfinite(scale.y)) return IllegalArgumentError("SVG scale must be finite");
  if (scale == scale_) return Ok();
  scale_ = scale;
  return ApplyTransform();
}

Result<void> SVGElement::SetRotation(Float radians) {
  ZV_TRY(GetChangeableDocument());
  if (!std::isfinite(radians)) return IllegalArgumentError("SVG rotation must be finite");
  if (radians == rotation_) return Ok();
  rotation_ = radians;
  return ApplyTransform();
}

Result<void> SVGElement::SetAttribute(std::string_view name, std::string_view value) {
  ZV_TRY_ASSIGN(SVGDocument* document, GetChangeableDocument());
  if (name.empty()) return IllegalArgumentError("SVG attribute name is empty");
  // The document finds elements by id; an id that changed under it would find the wrong one.
  if (name == "id") return IllegalArgumentError("The id of SVG element '" + id_ + "' cannot be changed");
  if (name == "transform") {
    if (fileTransform_ == value) return Ok();
    fileTransform_ = std::string(value);
    return ApplyTransform();
  }
  if (WriteAttribute(std::string(name).c_str(), value)) document->NoteChange();
  return Ok();
}

Result<std::string> SVGElement::GetAttribute(std::string_view name) const {
  if (!document_) return IllegalStateError("SVG element '" + id_ + "' no longer belongs to a document");
  const pugi::xml_attribute attribute = node_.attribute(std::string(name).c_str());
  if (!attribute) return NotFoundError("SVG element '" + id_ + "' has no attribute '" + std::string(name) + "'");
  return std::string(attribute.value());
}

// ---- document -------------------------------------------------------------------------------

SVGDocument::SVGDocument() : serial_(nextDocumentSerial.fetch_add(1, std::memory_order_relaxed)) {
  drawUrl_ = Url{std::string(SVGDocumentCache::kDocumentScheme) + std::to_string(serial_)};
  SVGDocumentCache::Get().Register(serial_, this);
  RenderingBudget::Get().Register(this);
}

SVGDocument::~SVGDocument() {
  SVGDocumentCache::Get().Unregister(serial_);
  ResetContent();
  RenderingBudget::Get().Unregister(this);
}

ObjectInterface* SVGDocument::ConstructComponent() {
  try {
    return new SVGDocument();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::string SVGDocument::Describe() const { return path_.empty() ? kTextSourceName : Quoted(path_); }

void SVGDocument::ResetContent() {
  for (auto& [id, element] : elements_) element->Detach();
  if (root_) root_->Detach();
  elements_.clear();
  root_.Reset();
  ids_.clear();
  DropRenderings();
  if (handle_) g_object_unref(handle_);
  handle_ = nullptr;
  dom_.reset();
  loaded_ = false;
}

namespace {

size_t BytesOf(const SVGRendering& rendering) {
  return static_cast<size_t>(cairo_image_surface_get_stride(rendering.surface)) *
         static_cast<size_t>(cairo_image_surface_get_height(rendering.surface));
}

// Destroys the pixels and returns what they counted against the budget.
size_t DestroyPixels(SVGRendering& rendering) {
  const size_t bytes = BytesOf(rendering);
  cairo_surface_destroy(rendering.surface);
  rendering.surface = nullptr;
  return bytes;
}

}  // namespace

void SVGDocument::DropRenderings() {
  for (Rendering& rendering : renderings_) RenderingBudget::Get().Release(DestroyPixels(rendering.pixels));
  renderings_.clear();
}

void SVGDocument::DropStaleRenderings() {
  auto stale = std::remove_if(renderings_.begin(), renderings_.end(), [this](Rendering& rendering) {
    if (rendering.version == version_) return false;
    RenderingBudget::Get().Release(DestroyPixels(rendering.pixels));
    return true;
  });
  renderings_.erase(stale, renderings_.end());
}

uint64_t SVGDocument::GetOldestUse() const {
  uint64_t oldest = 0;
  for (const Rendering& rendering : renderings_) {
    if (oldest == 0 || rendering.lastUse < oldest) oldest = rendering.lastUse;
  }
  return oldest;
}

size_t SVGDocument::DropOldest() {
  if (renderings_.empty()) return 0;
  auto oldest = std::min_element(renderings_.begin(), renderings_.end(),
                                 [](const Rendering& a, const Rendering& b) { return a.lastUse < b.lastUse; });
  const size_t bytes = DestroyPixels(oldest->pixels);
  renderings_.erase(oldest);
  return bytes;
}

void SVGDocument::IndexIds() {
  ids_.clear();
  // Depth-first in document order, so the first element of a duplicated id wins, as in SVG.
  pugi::xml_node node = dom_->document_element();
  while (node) {
    if (node.type() == pugi::node_element) {
      const pugi::xml_attribute id = node.attribute("id");
      if (id && *id.value()) ids_.try_emplace(id.value(), node);
    }
    if (pugi::xml_node child = node.first_child()) {
      node = child;
      continue;
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
}

Result<void> SVGDocument::Load(const std::string& text, const std::string& path, Url url) {
  const std::string where = path.empty() ? kTextSourceName : Quoted(path);
  std::unique_ptr<pugi::xml_document> dom;
  try {
    dom = std::make_unique<pugi::xml_document>();
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  if (text.size() > kMaxDocumentBytes) return TooLargeError(where, text.size());
  // The document type is kept so that its declarations can be checked.
  const pugi::xml_parse_result parsed =
      dom->load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_doctype);
  if (!parsed) {
    return IllegalArgumentError("Cannot parse SVG document " + where + ": " + parsed.description() + " at offset " +
                                std::to_string(parsed.offset) + " (" + LineAndColumn(text, parsed.offset) + ")");
  }
  const pugi::xml_node root = dom->document_element();
  if (!root) return IllegalArgumentError("SVG document " + where + " has no root element");
  if (LocalName(root.name()) != "svg") {
    return IllegalArgumentError(where + " is not an SVG document: its root element is <" + root.name() + ">");
  }
  // Entities are refused outright: nested ones expand a few hundred bytes into gigabytes, and
  // external ones read other files (or the network) into the document.
  for (pugi::xml_node node = dom->first_child(); node; node = node.next_sibling()) {
    if (node.type() == pugi::node_doctype && std::string_view(node.value()).find("<!ENTITY") != std::string_view::npos) {
      return IllegalArgumentError("SVG document " + where + " declares an entity; documents with entities are refused");
    }
  }
  ZV_TRY_ASSIGN(RsvgHandle* handle, CreateHandle(text, path, where));

  ResetContent();
  dom_ = std::move(dom);
  url_ = std::move(url);
  path_ = path;
  loaded_ = true;
  NoteChange();
  handle_ = handle;
  handleVersion_ = version_;
  intrinsicSize_ = ReadIntrinsicSize(handle);
  IndexIds();
  return Ok();
}

Result<void> SVGDocument::Init(const Url& url) {
  if (shared_) return IllegalStateError("SVG document " + Describe() + " is shared and cannot load another file");
  ZV_TRY_ASSIGN(const std::string path, ResourceFilePath(url, "SVG document"));
  std::error_code sizeError;
  if (std::filesystem::is_directory(path, sizeError)) {
    return IllegalArgumentError("Cannot read SVG document " + Quoted(path) + ": it is a folder");
  }
  if (const uintmax_t size = std::filesystem::file_size(path, sizeError); !sizeError && size > kMaxDocumentBytes) {
    return TooLargeError(Quoted(path), size);
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return NotFoundError("SVG document not found: " + Quoted(path));
    return IllegalArgumentError("Cannot read SVG document " + Quoted(path));
  }
  std::string text;
  try {
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  if (file.bad()) return IllegalArgumentError("Cannot read SVG document " + Quoted(path));
  return Load(text, path, url);
}

Result<void> SVGDocument::InitFromText(std::string_view svgText) {
  if (shared_) return IllegalStateError("SVG document " + Describe() + " is shared and cannot load another text");
  return Load(std::string(svgText), std::string(), Url{});
}

Result<SVGDocumentRef> SVGDocument::Clone() const {
  Ref<SVGDocument> copy;
  try {
    copy = Ref<SVGDocument>(new SVGDocument());
    if (!loaded_) return SVGDocumentRef(copy);
    copy->dom_ = std::make_unique<pugi::xml_document>();
    copy->dom_->reset(*dom_);
    copy->url_ = url_;
    copy->path_ = path_;
    copy->loaded_ = true;
    copy->NoteChange();
    copy->IndexIds();
    // The element transforms live in the handles; the copy's handles start where these are.
    auto copyState = [](const SVGElement& from, SVGElement& to) {
      to.fileTransform_ = from.fileTransform_;
      to.translation_ = from.translation_;
      to.scale_ = from.scale_;
      to.rotation_ = from.rotation_;
    };
    for (const auto& [id, element] : elements_) {
      auto node = copy->ids_.find(id);
      if (node == copy->ids_.end()) continue;
      Ref<SVGElement> twin = MakeRef<SVGElement>(copy.Get(), node->second, id);
      copyState(*element, *twin);
      copy->elements_.emplace(id, std::move(twin));
    }
    if (root_) {
      copy->root_ = MakeRef<SVGElement>(copy.Get(), copy->dom_->document_element(), root_->GetId());
      copyState(*root_, *copy->root_);
    }
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return SVGDocumentRef(copy);
}

Result<SVGElementRef> SVGDocument::GetElementById(std::string_view id) {
  if (!loaded_) return IllegalStateError("SVG document is not loaded");
  if (auto found = elements_.find(id); found != elements_.end()) return SVGElementRef(found->second);
  auto node = ids_.find(id);
  if (node == ids_.end()) return NotFoundError("SVG element '" + std::string(id) + "' not found in " + Describe());
  try {
    Ref<SVGElement> element = MakeRef<SVGElement>(this, node->second, std::string(id));
    elements_.emplace(std::string(id), element);
    return SVGElementRef(element);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
}

Result<SVGElementRef> SVGDocument::GetRootElement() {
  if (!loaded_) return IllegalStateError("SVG document is not loaded");
  const pugi::xml_node root = dom_->document_element();
  // A root with an id is the same element as the one found by that id.
  if (const char* id = root.attribute("id").value(); *id) return GetElementById(id);
  if (!root_) {
    try {
      root_ = MakeRef<SVGElement>(this, root, std::string());
    } catch (const std::bad_alloc&) {
      return OutOfMemoryError();
    }
  }
  return SVGElementRef(root_);
}

Result<std::string> SVGDocument::Serialize() const {
  if (!loaded_) return IllegalStateError("SVG document is not loaded");
  StringWriter writer;
  try {
    // Raw: indentation would change the text of <text> elements.
    dom_->save(writer, "", pugi::format_raw | pugi::format_no_declaration);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return std::move(writer.text);
}

Result<void> SVGDocument::EnsureHandle() {
  if (handle_ && handleVersion_ == version_) return Ok();
  ZV_TRY_ASSIGN(std::string text, Serialize());
  ZV_TRY_ASSIGN(RsvgHandle* handle, CreateHandle(text, path_, Describe()));
  if (handle_) g_object_unref(handle_);
  handle_ = handle;
  handleVersion_ = version_;
  intrinsicSize_ = ReadIntrinsicSize(handle);
  return Ok();
}

Result<Vector2d> SVGDocument::GetIntrinsicSize() {
  if (!loaded_) return IllegalStateError("SVG document is not loaded");
  ZV_TRY(EnsureHandle());
  return intrinsicSize_;
}

Result<SVGRendering> SVGDocument::Render(Int width, Int height, Int state) {
  // Recorded first, so that the ink extents say how large the pixels must be. The recording is
  // bounded to the most the pixels may cover: drawing commands far outside (an element moved
  // billions of pixels away) are dropped there instead of being rasterised at coordinates
  // beyond what the rasteriser can hold.
  const cairo_rectangle_t limits = RecordingLimits(width, height);
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &limits);
  cairo_t* recorder = cairo_create(recording);
  const RsvgRectangle viewport{0.0, 0.0, static_cast<double>(width), static_cast<double>(height)};
  GError* error = nullptr;
  const gboolean rendered = rsvg_handle_render_document(handle_, recorder, &viewport, &error);
  cairo_destroy(recorder);
  ++renderCount_;
  if (!rendered) {
    cairo_surface_destroy(recording);
    return IllegalStateError("Cannot render SVG document " + Describe() + ": " + TakeErrorMessage(error));
  }
  const Rect bounds = RenderedBounds(recording, width, height);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(bounds.Width()),
                                                        static_cast<int>(bounds.Height()));
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    cairo_surface_destroy(recording);
    return OutOfMemoryError();
  }

  const auto look = static_cast<VECTOR_ICON_STATE>(state);
  const bool highlight = look == VECTOR_ICON_STATE::ENABLED_ACTIVATED_HIGHLIGHT ||
                         look == VECTOR_ICON_STATE::ENABLED_DEACTIVATED_HIGHLIGHT;
  const Float opacity = look == VECTOR_ICON_STATE::DISABLED ? kDisabledIconOpacity
                        : look == VECTOR_ICON_STATE::ENABLED_DEACTIVATED_HIGHLIGHT ||
                                look == VECTOR_ICON_STATE::ENABLED_DEACTIVATED_NOHIGHLIGHT
                            ? kDeactivatedIconOpacity
                            : 1.0;
  cairo_t* cr = cairo_create(surface);
  if (opacity < 1.0) cairo_push_group(cr);
  cairo_set_source_surface(cr, recording, -bounds.left, -bounds.top);
  cairo_paint(cr);
  if (highlight) {
    // Atop: the tint lands only where the icon has paint, in proportion to its coverage.
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 1.0, 1.0, 1.0, kHighlightIconTint);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  }
  if (opacity < 1.0) {
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, opacity);
  }
  const cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(recording);
  if (status != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return IllegalStateError("Cannot render SVG document " + Describe() + ": " + cairo_status_to_string(status));
  }
  if (look == VECTOR_ICON_STATE::DISABLED) Desaturate(surface);
  cairo_surface_flush(surface);
  return SVGRendering{surface, static_cast<Int>(bounds.left), static_cast<Int>(bounds.top)};
}

Result<SVGRendering> SVGDocument::GetRendering(Int width, Int height, Int state) {
  if (!loaded_) return IllegalStateError("SVG document is not loaded");
  if (width < 1 || height < 1 || width > kMaxRenderSide || height > kMaxRenderSide) {
    return IllegalArgumentError("SVG rendering size " + std::to_string(width) + " x " + std::to_string(height) +
                                " is outside 1.." + std::to_string(kMaxRenderSide));
  }
  state = NormalizedState(state);
  DropStaleRenderings();
  for (Rendering& rendering : renderings_) {
    if (rendering.width == width && rendering.height == height && rendering.state == state) {
      rendering.lastUse = RenderingBudget::Get().NextUse();
      return rendering.pixels;
    }
  }
  ZV_TRY(EnsureHandle());
  ZV_TRY_ASSIGN(SVGRendering pixels, Render(width, height, state));
  if (renderings_.size() >= kMaxCachedRenderings) RenderingBudget::Get().Release(DropOldest());
  RenderingBudget::Get().Reserve(BytesOf(pixels));
  try {
    renderings_.push_back(Rendering{version_, width, height, state, pixels, RenderingBudget::Get().NextUse()});
  } catch (const std::bad_alloc&) {
    RenderingBudget::Get().Release(DestroyPixels(pixels));
    return OutOfMemoryError();
  }
  return pixels;
}

Result<void> SVGDocument::Draw(cairo_t* cr, const Rect& destination, Int state) {
  if (!cr) return NullReferenceError("No cairo context to draw the SVG document on");
  if (destination.IsEmpty()) return Ok();
  // The rendering's pixels are device pixels, so a zoomed widget gets a sharp icon.
  double wx = destination.Width(), wy = 0.0, hx = 0.0, hy = destination.Height();
  cairo_user_to_device_distance(cr, &wx, &wy);
  cairo_user_to_device_distance(cr, &hx, &hy);
  const double deviceWidth = std::hypot(wx, wy), deviceHeight = std::hypot(hx, hy);
  if (!std::isfinite(deviceWidth) || !std::isfinite(deviceHeight)) return Ok();
  // Within the side limit and the pixel budget, in proportion.
  const double area = std::min(deviceWidth, static_cast<double>(kMaxRenderSide)) *
                      std::min(deviceHeight, static_cast<double>(kMaxRenderSide));
  const double shrink = area > static_cast<double>(kMaxDrawPixels) ? std::sqrt(kMaxDrawPixels / area) : 1.0;
  const Int width = std::clamp<Int>(std::llround(std::min(deviceWidth, static_cast<double>(kMaxRenderSide)) * shrink),
                                    1, kMaxRenderSide);
  const Int height = std::clamp<Int>(
      std::llround(std::min(deviceHeight, static_cast<double>(kMaxRenderSide)) * shrink), 1, kMaxRenderSide);
  ZV_TRY_ASSIGN(SVGRendering rendering, GetRendering(width, height, state));

  // Rendering pixels per user unit, and the rendering's own area in user coordinates.
  const double scaleX = static_cast<double>(width) / destination.Width();
  const double scaleY = static_cast<double>(height) / destination.Height();
  const double left = destination.left + static_cast<double>(rendering.left) / scaleX;
  const double top = destination.top + static_cast<double>(rendering.top) / scaleY;
  const double areaWidth = cairo_image_surface_get_width(rendering.surface) / scaleX;
  const double areaHeight = cairo_image_surface_get_height(rendering.surface) / scaleY;

  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, scaleX, scaleY);
  cairo_matrix_translate(&matrix, -left, -top);
  cairo_pattern_t* pattern = CreateSurfacePattern(cr, rendering.surface, matrix);
  if (!pattern) return Ok();  // a destination too large for its pixels to be placed
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_save(cr);
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
  cairo_new_path(cr);
  cairo_rectangle(cr, left, top, areaWidth, areaHeight);
  cairo_fill(cr);
  cairo_restore(cr);
  return Ok();
}

Result<Ref<Image>> SVGDocument::RenderToImage(Int width, Int height, Int state) {
  ZV_TRY_ASSIGN(SVGRendering rendering, GetRendering(width, height, state));
  ZV_TRY_ASSIGN(Ref<Image> all, Image::FromCairoSurface(rendering.surface));
  if (rendering.left == 0 && rendering.top == 0 && all->GetWidth() == width && all->GetHeight() == height) return all;
  ZV_TRY_ASSIGN(Ref<Image> viewport, Image::Create(width, height));
  for (Int y = 0; y < height; ++y) {
    for (Int x = 0; x < width; ++x) viewport->SetPixel(x, y, all->GetPixel(x - rendering.left, y - rendering.top));
  }
  return viewport;
}

void SVGDocument::MarkShared(Url drawUrl) {
  shared_ = true;
  drawUrl_ = std::move(drawUrl);
}

// ---- cache ----------------------------------------------------------------------------------

SVGDocumentCache& SVGDocumentCache::Get() {
  // Never destroyed: documents held by other statics unregister themselves at exit.
  static SVGDocumentCache* cache = new SVGDocumentCache();
  return *cache;
}

void SVGDocumentCache::Register(uint64_t serial, SVGDocument* document) {
  std::lock_guard lock(liveMutex_);
  live_[serial] = document;
}

void SVGDocumentCache::Unregister(uint64_t serial) {
  std::lock_guard lock(liveMutex_);
  live_.erase(serial);
}

Result<Ref<SVGDocument>> SVGDocumentCache::Resolve(const Url& url) {
  const std::string_view text = url.text;
  if (!text.starts_with(kDocumentScheme)) return GetShared(url);
  const std::string_view number = text.substr(kDocumentScheme.size());
  uint64_t serial = 0;
  const std::from_chars_result parsed = std::from_chars(number.data(), number.data() + number.size(), serial);
  if (parsed.ec != std::errc() || parsed.ptr != number.data() + number.size()) {
    return IllegalArgumentError("Malformed SVG document URL '" + url.text + "'");
  }
  std::lock_guard lock(liveMutex_);
  auto found = live_.find(serial);
  // A document whose last reference is going has a count of zero and is not handed out.
  if (found == live_.end() || !static_cast<const ObjectInterface*>(found->second)->TryAddRef()) {
    return NotFoundError("SVG document '" + url.text + "' no longer exists");
  }
  return Ref<SVGDocument>::Adopt(found->second);
}

Result<Ref<SVGDocument>> SVGDocumentCache::GetShared(const Url& url) {
  ZV_TRY_ASSIGN(std::string path, ResourceFilePath(url, "SVG document"));
  if (auto found = shared_.find(path); found != shared_.end()) return found->second;
  Ref<SVGDocument> document;
  try {
    document = Ref<SVGDocument>(new SVGDocument());
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  ZV_TRY(document->Init(url));
  document->MarkShared(Url{path});
  try {
    shared_.emplace(std::move(path), document);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryError();
  }
  return document;
}

void SVGDocumentCache::Clear() { shared_.clear(); }

}  // namespace zarvo
