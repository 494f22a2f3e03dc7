#pragma once
#include <span>
#include <string_view>

namespace zarvo {

// What the host itself offers before any module loads: the frameworks it consists of, the
// registries modules bind their classes into and the host interfaces modules build on. Modules
// record dependencies on these; the class registry resolves them against these declarations.

// The frameworks of the host. The widget framework ("net.zarvo.mvp_desktop2d_widgets.framework")
// is among them although the widget module implements it: the framework is the published set
// of widget interfaces and class identifiers that applications compile against, and it exists
// whether or not an implementing module is loaded (it declares class identifiers that no module
// registers). A module that satisfied its own dependency would also prove nothing at load time.
inline constexpr std::string_view kHostFrameworks[] = {
    "net.zarvo.core.framework",
    "net.zarvo.gui.framework",
    "net.zarvo.image.framework",
    "net.zarvo.math.framework",
    "net.zarvo.misc.framework",
    "net.zarvo.mvp_base_presenter.framework",
    "net.zarvo.mvp_base_view.framework",
    "net.zarvo.mvp_desktop2d_widgets.framework",
    "net.zarvo.svg.framework",
};

// Registries of classes. The adapter registry's spelling is the published one.
inline constexpr char kWidgetClassesRegistry[] = "net.zarvo.mvp.widgetclasses";
inline constexpr char kActionClassesRegistry[] = "net.zarvo.mvp.actionclasses";
inline constexpr char kWidgetAdaptersRegistry[] = "net.zarvo.mvp.widgetadapaters";
inline constexpr char kMvpRegistry[] = "net.zarvo.mvp.registry";
inline constexpr std::string_view kHostRegistries[] = {
    kWidgetClassesRegistry, kActionClassesRegistry, kWidgetAdaptersRegistry, kMvpRegistry};

// Class identifiers the widget framework declares without any module registering a class for
// them; creating one fails with "class not found".
inline constexpr std::string_view kDeclaredOnlyClassIds[] = {
    "net.zarvo.mvp.widgetclasses.table2",
    "net.zarvo.mvp.widgetadapterclasses.quicktabadapter",
    "net.zarvo.mvp.widgetadapterclasses.cycleadapter",
};

// A host interface that module classes implement or extend, with the header declaring it.
struct HostInterface {
  std::string_view name;  // without template arguments
  std::string_view id;
  std::string_view header;
};

inline constexpr HostInterface kHostInterfaces[] = {
    {"WidgetInterface", "net.zarvo.mvp.interface.widget", "host/ui/WidgetInterface.h"},
    {"WidgetAdapterInterface", "net.zarvo.mvp.interface.widgetadapter", "host/ui/WidgetAdapterInterface.h"},
    {"AppWindowInterface", "net.zarvo.mvp.interface.appwindow", "host/ui/AppWindowInterface.h"},
    {"AppWidgetInterface", "net.zarvo.mvp.interface.appwidget", "host/ui/AppWidgetInterface.h"},
    {"ActionInterface", "net.zarvo.mvp.interface.action", "host/ui/ActionInterface.h"},
    {"CanvasInterface", "net.zarvo.mvp.interface.canvas", "host/ui/CanvasInterface.h"},
    {"WidgetStylesheetInterface", "net.zarvo.mvp.interface.widgetstylesheet", "host/ui/StyleSheet.h"},
    {"MenuItemInterface", "net.zarvo.mvp.interface.menuitem", "host/ui/MenuItemInterface.h"},
    {"CommandMenuItemInterface", "net.zarvo.mvp.interface.commandmenuitem", "host/ui/MenuItemInterface.h"},
    {"SeparatorMenuItemInterface", "net.zarvo.mvp.interface.separatormenuitem", "host/ui/MenuItemInterface.h"},
    {"RootMenuItemInterface", "net.zarvo.mvp.interface.rootmenuitem", "host/ui/MenuItemInterface.h"},
    {"QuickTabItemInterface", "net.zarvo.mvp.interface.quicktabitem", "host/ui/QuickTabItemInterface.h"},
    {"SelectionPatternInterface", "net.zarvo.mvp.interface.selectionpattern", "host/ui/SelectionPatternInterface.h"},
};

// The header dependencies on host frameworks and registries name.
inline constexpr char kHostRegistrationsHeader[] = "host/core/HostRegistrations.h";

// The host interface of that name (template arguments ignored), or nullptr.
const HostInterface* FindHostInterface(std::string_view name) noexcept;

// Records the host's declarations and registries into the class registry. Runs once at start,
// before any module loads; a second call finds them present and records nothing.
void RecordHostRegistrations();

}  // namespace zarvo
