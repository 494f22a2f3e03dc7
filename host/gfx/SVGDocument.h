#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "host/gfx/RenderingBudget.h"
#include "host/gfx/SVGDocumentInterface.h"

typedef struct _RsvgHandle RsvgHandle;

namespace zarvo {

class SVGDocument;

// A handle on one element of a document. The document keeps one handle per element asked for,
// so looking an element up on every draw costs no allocation.
class SVGElement final : public virtual SVGElementInterface,
                         public virtual SVGPositionInterface,
                         public virtual SVGSizeInterface {
 public:
  SVGElement(SVGDocument* document, pugi::xml_node node, std::string id);

  const std::string& GetId() const override { return id_; }
  Result<void> SetDisplay(SVG_DISPLAY display) override;
  SVG_DISPLAY GetDisplay() const override;
  Result<void> SetTranslation(Vector2d translation) override;
  Result<void> SetScale(Vector2d scale) override;
  Result<void> SetRotation(Float radians) override;
  Vector2d GetTranslation() const override { return translation_; }
  Vector2d GetScale() const override { return scale_; }
  Float GetRotation() const override { return rotation_; }
  Result<void> SetAttribute(std::string_view name, std::string_view value) override;
  Result<std::string> GetAttribute(std::string_view name) const override;

  Result<void> SetX(Float value, SVG_UNIT unit) override { return SetLength("x", value, unit, false); }
  Result<void> SetY(Float value, SVG_UNIT unit) override { return SetLength("y", value, unit, false); }
  Result<void> SetWidth(Float value, SVG_UNIT unit) override { return SetLength("width", value, unit, true); }
  Result<void> SetHeight(Float value, SVG_UNIT unit) override { return SetLength("height", value, unit, true); }

 private:
  friend class SVGDocument;

  // The document when the element may be changed, else why not.
  [[nodiscard]] Result<SVGDocument*> GetChangeableDocument() const;
  [[nodiscard]] Result<void> SetLength(const char* name, Float value, SVG_UNIT unit, bool isSize);
  // Writes `value` into attribute `name` (an empty value removes it); true when it changed.
  bool WriteAttribute(const char* name, std::string_view value);
  [[nodiscard]] Result<void> ApplyTransform();
  // The node goes with its DOM: an empty node reads as an element without attributes.
  void Detach() noexcept {
    document_ = nullptr;
    node_ = pugi::xml_node();
  }

  SVGDocument* document_;  // cleared when the document goes or loads another file
  pugi::xml_node node_;
  std::string id_;
  std::string fileTransform_;  // the transform attribute the file gave the element
  Vector2d translation_;
  Vector2d scale_{1.0, 1.0};
  Float rotation_ = 0.0;
};

// The host's SVG document (class "net.zarvo.image.class.svgdocument"): the DOM in pugixml,
// rendered by librsvg from the serialised DOM. The librsvg handle is kept for the current
// version, so new sizes and states of an unchanged document do not parse again.
class SVGDocument final : public virtual SVGDocumentInterface, private RenderingBudget::Owner {
 public:
  SVGDocument();
  ~SVGDocument() override;

  // For the class registry: the members of a new, unloaded document; nullptr without memory.
  static ObjectInterface* ConstructComponent();

  Result<void> Init(const Url& url) override;
  Result<void> InitFromText(std::string_view svgText) override;
  bool IsLoaded() const override { return loaded_; }
  const Url& GetUrl() const override { return url_; }
  const Url& GetDrawUrl() const override { return drawUrl_; }
  bool IsShared() const override { return shared_; }
  Result<SVGDocumentRef> Clone() const override;

  Result<SVGElementRef> GetElementById(std::string_view id) override;
  Result<SVGElementRef> GetRootElement() override;
  uint64_t GetVersion() const override { return version_; }
  Result<std::string> Serialize() const override;
  Result<Vector2d> GetIntrinsicSize() override;

  Result<SVGRendering> GetRendering(Int width, Int height, Int state) override;
  Result<void> Draw(cairo_t* cr, const Rect& destination, Int state) override;
  Result<Ref<Image>> RenderToImage(Int width, Int height, Int state) override;
  uint64_t GetRenderCount() const override { return renderCount_; }

  // Larger files and texts are refused before they are parsed: an icon or drawing is a few
  // kilobytes, and the parsers hold several copies of a document.
  static constexpr size_t kMaxDocumentBytes = size_t{4} << 20;
  // Draw renders at most this many viewport pixels (about 64 MB); a larger destination is
  // rendered smaller and scaled up, so a document drawn at a huge size cannot exhaust memory.
  static constexpr Int kMaxDrawPixels = Int{4096} * 4096;

  // Renderings kept per document, within the budget all documents share
  // (RenderingBudget); the least recently used goes first.
  static constexpr size_t kMaxCachedRenderings = 8;
  size_t GetCachedRenderingCount() const noexcept { return renderings_.size(); }

 private:
  friend class SVGElement;
  friend class SVGDocumentCache;

  struct Rendering {
    uint64_t version = 0;
    Int width = 0;
    Int height = 0;
    Int state = 0;
    SVGRendering pixels;
    uint64_t lastUse = 0;
  };
  struct TransparentHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>()(text); }
  };
  using ElementMap = std::unordered_map<std::string, Ref<SVGElement>, TransparentHash, std::equal_to<>>;
  using NodeIndex = std::unordered_map<std::string, pugi::xml_node, TransparentHash, std::equal_to<>>;

  // Parses, checks and, when everything succeeded, takes over the text as the document.
  [[nodiscard]] Result<void> Load(const std::string& text, const std::string& path, Url url);
  [[nodiscard]] Result<void> EnsureHandle();
  // Text naming the document in messages: its path, or "(text)".
  std::string Describe() const;
  void NoteChange() noexcept { ++version_; }
  void ResetContent();
  void IndexIds();
  void DropRenderings();
  void DropStaleRenderings();
  uint64_t GetOldestUse() const override;
  size_t DropOldest() override;
  [[nodiscard]] Result<SVGRendering> Render(Int width, Int height, Int state);
  void MarkShared(Url drawUrl);

  std::unique_ptr<pugi::xml_document> dom_;
  NodeIndex ids_;
  ElementMap elements_;
  Ref<SVGElement> root_;
  Url url_;
  Url drawUrl_;
  std::string path_;
  uint64_t serial_ = 0;
  uint64_t version_ = 0;
  bool loaded_ = false;
  bool shared_ = false;

  RsvgHandle* handle_ = nullptr;
  uint64_t handleVersion_ = 0;
  Vector2d intrinsicSize_;
  std::vector<Rendering> renderings_;
  uint64_t renderCount_ = 0;
};

// Finds documents to draw by URL. A document's own draw URL finds that document while it
// lives; any other URL names a file, whose shared document is loaded on first use and kept.
// A failed load is not remembered, so a file repaired later loads on the next draw.
class SVGDocumentCache {
 public:
  static SVGDocumentCache& Get();

  [[nodiscard]] Result<Ref<SVGDocument>> Resolve(const Url& url);
  // The shared document of a file URL ("file:" prefix optional).
  [[nodiscard]] Result<Ref<SVGDocument>> GetShared(const Url& url);
  // Forgets the shared documents; documents still held elsewhere stay valid.
  void Clear();
  size_t GetSharedCount() const noexcept { return shared_.size(); }

  // The scheme of documents' own draw URLs.
  static constexpr std::string_view kDocumentScheme = "svgdocument://";

 private:
  friend class SVGDocument;
  SVGDocumentCache() = default;

  void Register(uint64_t serial, SVGDocument* document);
  void Unregister(uint64_t serial);

  // Documents may be released on any thread, so the registry of live ones is locked.
  std::mutex liveMutex_;
  std::unordered_map<uint64_t, SVGDocument*> live_;
  std::unordered_map<std::string, Ref<SVGDocument>> shared_;
};

}  // namespace zarvo
