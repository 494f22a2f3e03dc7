#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "host/core/Object.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"
#include "host/gfx/SVGDocumentInterface.h"

namespace zarvo {

inline constexpr char kVectorIconClassId[] = "net.zarvo.image.class.vectoricon";

// How an icon is drawn. Activated is the icon as authored (a checkbox that is on), deactivated
// the same dimmed to kDeactivatedIconOpacity (off); highlight lightens either towards white by
// kHighlightIconTint (the pointer is over it). DISABLED, the host's addition, draws the icon in
// grey at kDisabledIconOpacity. Any other value draws as ENABLED_ACTIVATED_NOHIGHLIGHT.
enum class VECTOR_ICON_STATE : int32_t {
  ENABLED_ACTIVATED_HIGHLIGHT = 0,
  ENABLED_ACTIVATED_NOHIGHLIGHT = 1,
  ENABLED_DEACTIVATED_HIGHLIGHT = 2,
  ENABLED_DEACTIVATED_NOHIGHLIGHT = 3,
  DISABLED = 4,
};

inline constexpr Float kDeactivatedIconOpacity = 0.35;
inline constexpr Float kHighlightIconTint = 0.3;
inline constexpr Float kDisabledIconOpacity = 0.4;

// Turns an icon name into the URL of its SVG file; an empty URL when there is none. The
// module's icon provider is one.
using IconNameResolver = std::function<Result<Url>(std::string_view name)>;

// An icon drawn from an SVG file in one of the VECTOR_ICON_STATE looks. Icons of one file share
// the host's document for that file, so a hundred check boxes parse and render their mark once
// per size and state.
class VectorIconInterface : public virtual ObjectInterface {
 public:
  // Loads the icon's document; errors as SVGDocumentInterface::Init. A failure leaves the icon
  // as it was.
  [[nodiscard]] virtual Result<void> Init(const Url& url) = 0;
  // Resolves the name and loads that file; a name without a file is a NotFound error.
  [[nodiscard]] virtual Result<void> InitFromName(std::string_view name, const IconNameResolver& resolve) = 0;
  virtual bool IsLoaded() const = 0;
  virtual const Url& GetUrl() const = 0;

  // The document drawn (shared, so its element operations fail); empty before loading.
  virtual SVGDocumentRef GetDocument() const = 0;
  // A document of this icon alone that may be changed; the icon draws it from then on.
  [[nodiscard]] virtual Result<SVGDocumentRef> GetEditableDocument() = 0;

  virtual void SetState(VECTOR_ICON_STATE state) = 0;
  virtual VECTOR_ICON_STATE GetState() const = 0;
};

using VectorIconRef = Ref<VectorIconInterface>;

}  // namespace zarvo
