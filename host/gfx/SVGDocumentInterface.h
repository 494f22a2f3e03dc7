#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "host/core/Geometry.h"
#include "host/core/Object.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace zarvo {

class Image;

inline constexpr char kSVGDocumentClassId[] = "net.zarvo.image.class.svgdocument";

// The display property an element operation sets: INHERIT removes the element's own display
// attribute, DISPLAY shows the element ("inline"), NONE hides it with its children.
enum class SVG_DISPLAY : int32_t { INHERIT = 0, DISPLAY = 1, NONE = 2 };

// The unit of a length attribute, written as the SVG suffix ("%" for PERCENTAGE, none for
// NUMBER, which is user units).
enum class SVG_UNIT : int32_t {
  NUMBER = 0, PX = 1, PERCENTAGE = 2, EM = 3, EX = 4, CM = 5, MM = 6, IN = 7, PT = 8, PC = 9,
};

// One element of a document, found by its id. Operations change the element's attributes in
// the document's DOM and make the document's next drawing render again; setting the value an
// element already has changes nothing. An element handle outlives a re-initialised or freed
// document only as a handle: its operations then fail.
class SVGElementInterface : public virtual ObjectInterface {
 public:
  virtual const std::string& GetId() const = 0;

  [[nodiscard]] virtual Result<void> SetDisplay(SVG_DISPLAY display) = 0;
  virtual SVG_DISPLAY GetDisplay() const = 0;

  // The element's transform is composed of these three around the transform the file gave it:
  // translate(translation) rotate(rotation) scale(scale) <file transform>, so the file's own
  // transform applies first and the translation last. Rotation is in radians, clockwise on
  // screen (SVG's y axis points down). Values must be finite.
  [[nodiscard]] virtual Result<void> SetTranslation(Vector2d translation) = 0;
  [[nodiscard]] virtual Result<void> SetScale(Vector2d scale) = 0;
  [[nodiscard]] virtual Result<void> SetRotation(Float radians) = 0;
  virtual Vector2d GetTranslation() const = 0;
  virtual Vector2d GetScale() const = 0;
  virtual Float GetRotation() const = 0;

  // Any other attribute, as text. An empty value removes the attribute.
  [[nodiscard]] virtual Result<void> SetAttribute(std::string_view name, std::string_view value) = 0;
  // The attribute's text; an absent attribute is a NotFound error.
  [[nodiscard]] virtual Result<std::string> GetAttribute(std::string_view name) const = 0;
};

// The position attributes of an element (x, y).
class SVGPositionInterface : public virtual ObjectInterface {
 public:
  [[nodiscard]] virtual Result<void> SetX(Float value, SVG_UNIT unit) = 0;
  [[nodiscard]] virtual Result<void> SetY(Float value, SVG_UNIT unit) = 0;
};

// The size attributes of an element (width, height); negative sizes are refused.
class SVGSizeInterface : public virtual ObjectInterface {
 public:
  [[nodiscard]] virtual Result<void> SetWidth(Float value, SVG_UNIT unit) = 0;
  [[nodiscard]] virtual Result<void> SetHeight(Float value, SVG_UNIT unit) = 0;
};

using SVGElementRef = Ref<SVGElementInterface>;

// A rendering of a document for one pixel size: the pixels and where the surface's top-left
// pixel lies relative to the viewport's top-left. The surface covers the viewport and whatever
// the document draws beyond it (an element moved out by a transform), so left and top are 0
// or negative and the surface may be larger than the size asked for.
struct SVGRendering {
  cairo_surface_t* surface = nullptr;
  Int left = 0;
  Int top = 0;
};
class SVGDocumentInterface;
using SVGDocumentRef = Ref<SVGDocumentInterface>;

// An SVG document: the file's element tree, kept and changed by the application, drawn by the
// host. A drawing renders the document once per (version, pixel size, state) and keeps the
// result, so drawing an unchanged document again only copies pixels. Main thread only.
//
// Documents are drawn through the canvas by URL (CanvasInterface::DrawSVG): GetDrawUrl names
// this document. The host also keeps one shared document per file for drawing files by their
// own URL; shared documents cannot be changed (their element operations fail), Clone makes a
// private copy that can.
class SVGDocumentInterface : public virtual ObjectInterface {
 public:
  // Loads the file a URL names ("file:" prefix optional). A missing file, a file that is not
  // well-formed XML (the message gives the offset, line and column) or whose root element is
  // not <svg>, and a document the renderer refuses, are errors that leave the document as it
  // was.
  [[nodiscard]] virtual Result<void> Init(const Url& url) = 0;
  // The same from SVG text held in memory; relative references then do not resolve.
  [[nodiscard]] virtual Result<void> InitFromText(std::string_view svgText) = 0;
  virtual bool IsLoaded() const = 0;
  // The URL the document was loaded from (empty for text).
  virtual const Url& GetUrl() const = 0;
  // The URL that draws this document through the canvas.
  virtual const Url& GetDrawUrl() const = 0;
  virtual bool IsShared() const = 0;
  // A private, changeable copy: the same elements, attributes and element transforms.
  [[nodiscard]] virtual Result<SVGDocumentRef> Clone() const = 0;

  // The first element in document order with that id.
  [[nodiscard]] virtual Result<SVGElementRef> GetElementById(std::string_view id) = 0;
  // The <svg> element itself.
  [[nodiscard]] virtual Result<SVGElementRef> GetRootElement() = 0;
  // Grows with every change of the element tree.
  virtual uint64_t GetVersion() const = 0;
  // The document as SVG text, as the renderer gets it.
  [[nodiscard]] virtual Result<std::string> Serialize() const = 0;
  // The size the document asks for in pixels, or only its proportions (a viewBox without
  // width and height); 0, 0 when it says neither.
  [[nodiscard]] virtual Result<Vector2d> GetIntrinsicSize() = 0;

  // Rendering. `state` is a VECTOR_ICON_STATE (host/gfx/VectorIconInterface.h says how each
  // looks); unknown states draw as authored. The document is fitted into a viewport of the
  // pixel size keeping its proportions as its preserveAspectRatio says (centred by default).
  // As when librsvg draws straight onto a canvas, what the document draws outside its viewport
  // is not cut off; it is kept up to kMaxRenderSide pixels in all.
  //
  // The rendering for a viewport of a pixel size (each side 1..kMaxRenderSide), owned by the
  // document and valid until the document changes or renders other sizes.
  [[nodiscard]] virtual Result<SVGRendering> GetRendering(Int width, Int height, Int state) = 0;
  // Draws with the viewport at `destination` (user coordinates of `cr`), rendered at the
  // destination's size in device pixels. Leaves the cairo state as found; an empty destination
  // draws nothing.
  [[nodiscard]] virtual Result<void> Draw(cairo_t* cr, const Rect& destination, Int state) = 0;
  // A copy of the viewport's pixels as an image of the size asked for.
  [[nodiscard]] virtual Result<Ref<Image>> RenderToImage(Int width, Int height, Int state) = 0;
  // How often the document was actually rendered (tests check that drawing hits the cache).
  virtual uint64_t GetRenderCount() const = 0;

  // Larger renderings are drawn from a rendering of this size, scaled.
  static constexpr Int kMaxRenderSide = 8192;
};

}  // namespace zarvo
