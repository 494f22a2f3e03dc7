#pragma once
#include <cstdint>
#include <iterator>
#include <string_view>

namespace zarvo {

// The module's identity as its "register" unit records it.
inline constexpr char kWidgetsModuleRecordId[] = "net.zarvo.mvp_desktop2d_widgets";

// An identifier with the hash computed ahead; the table below is checked at compile time.
struct PrecomputedId {
  std::string_view text;
  uint64_t hash;
};

// The frameworks the module depends on, in the order they are recorded.
inline constexpr PrecomputedId kWidgetsModuleDependencies[] = {
    {"net.zarvo.core.framework", 0x0001810CB69B472Aull},
    {"net.zarvo.gui.framework", 0x0001762FCA43B8F0ull},
    {"net.zarvo.image.framework", 0x000192F8BE98C3D0ull},
    {"net.zarvo.math.framework", 0x000185384C2C2F53ull},
    {"net.zarvo.misc.framework", 0x00018222D01B4037ull},
    {"net.zarvo.mvp_base_presenter.framework", 0x0002652BE865CE9Dull},
    {"net.zarvo.mvp_base_view.framework", 0x0002140B5EA55270ull},
    {"net.zarvo.mvp_desktop2d_widgets.framework", 0x00029456BD4BFB5Bull},
    {"net.zarvo.svg.framework", 0x000175B5D65046D9ull},
};

// The standard dialog answers; their texts come from the module's string resources.
inline constexpr char kGlobalStringsScope[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings";
inline constexpr char kGlobalStringOk[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.ok";
inline constexpr char kGlobalStringCancel[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.cancel";
inline constexpr char kGlobalStringAbort[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.abort";
inline constexpr char kGlobalStringRetry[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.retry";
inline constexpr char kGlobalStringIgnore[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.ignore";
inline constexpr char kGlobalStringYes[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.yes";
inline constexpr char kGlobalStringNo[] = "net.zarvo.mvp.desktop2d.widgets.globalstrings.no";
inline constexpr std::string_view kGlobalStrings[] = {
    kGlobalStringOk,    kGlobalStringCancel, kGlobalStringAbort, kGlobalStringRetry,
    kGlobalStringIgnore, kGlobalStringYes,   kGlobalStringNo,
};

// The doodle's paint action, which the module creates by identifier.
inline constexpr char kPaintActionClass[] = "net.zarvo.mvp.actionclasses.paint";

// The unit "register": the framework dependencies, the global strings, the use of the paint
// action and the module id.
void RecordRegister();

}  // namespace zarvo
