#include "generated/InterfaceRegistration.h"

#include <cassert>

#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"

namespace zarvo {

namespace {

constexpr InterfaceDeclaration kInterfaceTable[] = {
    {"DoodleWidgetInterface", "net.zarvo.mvp.doodlewidget", "AreaWidgetInterface"},
    {"FolderCellWidgetInterface", "net.zarvo.mvp.interface.foldercellwidget", "CellWidgetInterface"},
    {"FoldWidgetInterface", "net.zarvo.mvp.interface.foldwidget", "TableWidgetInterface"},
    {"QuickTabWidgetAdapterInterface", "net.zarvo.mvp.interface.quicktabwidgetadapter", "WidgetAdapterInterface"},
    {"QuickTabTextWidgetAdapterInterface", "net.zarvo.mvp.interface.quicktabtextwidgetadapter", "QuickTabWidgetAdapterInterface"},
    {"QuickTabTextAndIconWidgetAdapterInterface", "net.zarvo.mvp.interface.quicktabtextandiconwidgetadapter", "QuickTabWidgetAdapterInterface"},
    {"QuickTabWidgetInterface", "net.zarvo.mvp.interface.quicktab", "FlexBoxWidgetInterface"},
    {"SVGDrawAreaWidgetInterface", "net.zarvo.mvp.interface.svgdrawareawidget", "AreaWidgetInterface"},
    {"SVGDebugWidgetInterface", "net.zarvo.mvp.interface.svgdebugwidget", "WidgetInterface"},
    {"FrameWidgetInterface", "net.zarvo.mvp.interface.framewidget", "WidgetInterface"},
    {"PaddingWidgetInterface", "net.zarvo.mvp.interface.paddingwidget", "WidgetInterface"},
    {"TextWidgetInterface", "net.zarvo.mvp.interface.textwidget", "WidgetInterface"},
    {"TextEditWidgetInterface", "net.zarvo.mvp.interface.texteditwidget", "TextWidgetInterface"},
    {"ImageWidgetInterface", "net.zarvo.mvp.interface.imagewidget", "WidgetInterface"},
    {"ButtonWidgetInterface", "net.zarvo.mvp.interface.button", "WidgetInterface"},
    {"TextButtonWidgetInterface", "net.zarvo.mvp.interface.textbuttonwidget", "ButtonWidgetInterface"},
    {"CommandButtonWidgetInterface", "net.zarvo.mvp.interface.commandbuttonwidget", "TextButtonWidgetInterface"},
    {"ImageButtonWidgetInterface", "net.zarvo.mvp.interface.imagebuttonwidget", "ButtonWidgetInterface"},
    {"SpinnerWidgetInterface", "net.zarvo.mvp.interface.spinnerwidget", "TextButtonWidgetInterface"},
    {"CheckboxWidgetInterface", "net.zarvo.mvp.interface.checkboxwidget", "ImageWidgetInterface"},
    {"TristateButtonWidgetInterface", "net.zarvo.mvp.interface.tristatebuttonwidget", "ImageWidgetInterface"},
    {"AreaWidgetInterface", "net.zarvo.mvp.areawidget", "WidgetInterface"},
    {"BasePanZoomActionInterface", "net.zarvo.mvp.interface.basepanzoom", "ActionInterface"},
    {"SliderWidgetInterface<Int>", "net.zarvo.mvp.interface.sliderwidget.net.zarvo.mvp.interface.intsliderwidget", "WidgetInterface"},
    {"SliderWidgetInterface<Float>", "net.zarvo.mvp.interface.sliderwidget.net.zarvo.mvp.interface.floatsliderwidget", "WidgetInterface"},
    {"DateTimeWidgetInterface", "net.zarvo.mvp.interface.datetimewidget", "TableWidgetInterface"},
    {"CellWidgetInterface", "net.zarvo.mvp.interface.cellwidget", "WidgetInterface"},
    {"EasterEggWidgetInterface", "net.zarvo.mvp.interface.eastereggwidget", "WidgetInterface"},
    {"HeaderCellWidgetInterface", "net.zarvo.mvp.interface.headercellwidget", "CellWidgetInterface"},
    {"ScrollAreaWidgetInterface", "net.zarvo.mvp.interface.scrollareawidget", "TableWidgetInterface"},
    {"TableWidgetInterface", "net.zarvo.mvp.interface.tablewidget", "WidgetInterface"},
    {"Table2WidgetInterface", "net.zarvo.mvp.interface.table2widget", "WidgetInterface"},
    {"ColorButtonWidgetInterface", "net.zarvo.mvp.interface.colorbuttonwidget", "ButtonWidgetInterface"},
    {"ColorWidgetInterface", "net.zarvo.mvp.interface.colorwidget", "TableWidgetInterface"},
    {"ColorFieldWidgetInterface", "net.zarvo.mvp.interface.colorfieldwidget", "FrameWidgetInterface"},
    {"ColorTableWidgetInterface", "net.zarvo.mvp.interface.colortablewidget", "FlexBoxWidgetInterface"},
    {"ColorRGBWidgetInterface", "net.zarvo.mvp.interface.colorrgbwidget", "TableWidgetInterface"},
    {"ColorHSVSpectrumWidgetInterface", "net.zarvo.mvp.interface.colorhsvspectrumwidget", "TableWidgetInterface"},
    {"ColorHSVWidgetInterface", "net.zarvo.mvp.interface.colorhsvwidget", "TableWidgetInterface"},
    {"ColorHEXWidgetInterface", "net.zarvo.mvp.interface.colorhexwidget", "TableWidgetInterface"},
    {"ColorPickerWidgetInterface", "net.zarvo.mvp.interface.colorpickerwidget", "TableWidgetInterface"},
    {"MatWidgetInterface<Matrix2d>", "net.zarvo.mvp.interface.matwidget.net.zarvo.mvp.interface.matrix2dwidget", "TableWidgetInterface"},
    {"MatWidgetInterface<Matrix>", "net.zarvo.mvp.interface.matwidget.net.zarvo.mvp.interface.matrixwidget", "TableWidgetInterface"},
    {"SquareMatWidgetInterface<SquareMatrix2d>", "net.zarvo.mvp.interface.squarematwidget.net.zarvo.mvp.interface.squarematrix2dwidget", "TableWidgetInterface"},
    {"SquareMatWidgetInterface<SquareMatrix>", "net.zarvo.mvp.interface.squarematwidget.net.zarvo.mvp.interface.squarematrixwidget", "TableWidgetInterface"},
    {"SquareMatWidgetInterface<SquareMatrix4d>", "net.zarvo.mvp.interface.squarematwidget.net.zarvo.mvp.interface.squarematrix4dwidget", "TableWidgetInterface"},
    {"CustomWidgetInterface", "net.zarvo.mvp.interface.customwidget", "WidgetInterface"},
    {"FCurveWidgetInterface", "net.zarvo.mvp.fcurvewidget", "AreaWidgetInterface"},
    {"MenuItemWidgetInterface", "net.zarvo.mvp.interface.menuitemwidget", "TableWidgetInterface"},
    {"CommandMenuItemWidgetInterface", "net.zarvo.mvp.interface.commandmenuitemwidget", "MenuItemWidgetInterface"},
    {"SeparatorMenuItemWidgetInterface", "net.zarvo.mvp.interface.separatormenuitemwidget", "MenuItemWidgetInterface"},
    {"CommandGroupWidgetInterface", "net.zarvo.mvp.interface.commandgroupwidget", "TableWidgetInterface"},
    {"MenuWidgetInterface", "net.zarvo.mvp.interface.menuwidget", "TableWidgetInterface"},
    {"MenuWindowInterface", "net.zarvo.mvp.interface.menuwindow", "AppWindowInterface"},
    {"ScrollbarWidgetInterface", "net.zarvo.mvp.interface.scrollbarwidget", "TableWidgetInterface"},
    {"TimeSliderWidgetInterface", "net.zarvo.mvp.interface.timesliderwidget", "WidgetInterface"},
    {"BooleanWidgetInterface", "net.zarvo.mvp.interface.booleanwidget", "TableWidgetInterface"},
    {"RadioGroupWidgetInterface", "net.zarvo.mvp.interface.radiogroup", "TableWidgetInterface"},
    {"ImageTextButtonWidgetInterface", "net.zarvo.mvp.interface.imagetextbuttonwidget", "ButtonWidgetInterface"},
    {"CompoundSpinboxSliderWidgetInterface<Int>", "net.zarvo.mvp.interface.compoundspinboxsliderwidget.net.zarvo.mvp.interface.intwidget", "TableWidgetInterface"},
    {"CompoundSpinboxSliderWidgetInterface<Float>", "net.zarvo.mvp.interface.compoundspinboxsliderwidget.net.zarvo.mvp.interface.floatwidget", "TableWidgetInterface"},
    {"SpinBoxWidgetInterface<Int>", "net.zarvo.mvp.interface.spinboxwidget.net.zarvo.mvp.interface.intspinboxwidget", "TableWidgetInterface"},
    {"SpinBoxWidgetInterface<Float>", "net.zarvo.mvp.interface.spinboxwidget.net.zarvo.mvp.interface.floatspinboxwidget", "TableWidgetInterface"},
    {"VecWidgetInterface<Vector2d>", "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.vector2dwidget", "TableWidgetInterface"},
    {"VecWidgetInterface<Vector>", "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.vectorwidget", "TableWidgetInterface"},
    {"VecWidgetInterface<Vector4d>", "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.vector4dwidget", "TableWidgetInterface"},
    {"VecWidgetInterface<IntVector2d>", "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.intvector2dwidget", "TableWidgetInterface"},
    {"VecWidgetInterface<IntVector>", "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.intvectorwidget", "TableWidgetInterface"},
    {"VecWidgetInterface<IntVector4d>", "net.zarvo.mvp.interface.vecwidget.net.zarvo.mvp.interface.intvector4dwidget", "TableWidgetInterface"},
    {"CustomButtonWidgetInterface", "net.zarvo.mvp.interface.custombuttonwidget", "CustomWidgetInterface"},
    {"FlexBoxWidgetInterface", "net.zarvo.mvp.interface.flexboxwidget", "WidgetInterface"},
    {"RulerWidgetInterface", "net.zarvo.mvp.interface.rulerwidget", "WidgetInterface"},
    {"MonitorInfoWidgetInterface", "net.zarvo.mvp.interface.monitorinfowidget", "TableWidgetInterface"},
    {"ScrollSliderWidgetInterface", "net.zarvo.mvp.interface.scrollsliderwidget", "WidgetInterface"},
    {"TreeLevelWidgetInterface", "net.zarvo.mvp.interface.treelevelwidget", "FrameWidgetInterface"},
    {"TreeItemWidgetInterface", "net.zarvo.mvp.interface.treeitemwidget", "TableWidgetInterface"},
    {"DummyItemInterface", "net.zarvo.mvp.interface.dummyitem", "WidgetInterface"},
    {"TreeGraphWidgetInterface", "net.zarvo.mvp.interface.treegraphwidget", "TableWidgetInterface"},
    {"CycleSeparatorWidgetInterface", "net.zarvo.mvp.interface.cyclewidgetseparator", "FrameWidgetInterface"},
    {"CycleWidgetAdapterInterface", "net.zarvo.mvp.interface.cyclewidgetadapter", "WidgetAdapterInterface"},
    {"CycleTextWidgetAdapterInterface", "net.zarvo.mvp.interface.cycletextwidgetadapter", "CycleWidgetAdapterInterface"},
    {"CycleTextAndIconWidgetAdapterInterface", "net.zarvo.mvp.interface.cycletextandiconwidgetadapter", "CycleWidgetAdapterInterface"},
    {"CycleWidgetInterface", "net.zarvo.mvp.interface.cyclewidget", "ButtonWidgetInterface"},
    {"CycleDropdownWindowInterface", "net.zarvo.mvp.interface.cycledropdownwindow", "AppWindowInterface"},
};

constexpr std::string_view kInterfaceSuffix = "Interface";

// The host bases of the table: interface_registration depends on their declarations.
constexpr std::string_view kHostBases[] = {
    "WidgetInterface", "WidgetAdapterInterface", "AppWindowInterface", "ActionInterface"};

}  // namespace

std::span<const InterfaceDeclaration> GetInterfaceTable() noexcept { return kInterfaceTable; }

const InterfaceDeclaration* FindInterface(std::string_view name) noexcept {
  for (const InterfaceDeclaration& declaration : kInterfaceTable) {
    if (declaration.name == name) return &declaration;
  }
  return nullptr;
}

bool IsTemplateInterface(const InterfaceDeclaration& declaration) noexcept {
  return declaration.name.find('<') != std::string_view::npos;
}

std::string ReferenceTypeName(const InterfaceDeclaration& declaration) {
  if (IsTemplateInterface(declaration)) return {};
  std::string_view name = declaration.name;
  assert(name.ends_with(kInterfaceSuffix) && "interface names end in Interface");
  name.remove_suffix(kInterfaceSuffix.size());
  return "zarvo::" + std::string(name) + "Ref";
}

std::string InterfaceHeader(std::string_view interfaceName) {
  return "source/interfaces/" + std::string(interfaceName.substr(0, interfaceName.find('<'))) + ".h";
}

void RecordInterfaceRegistration() {
  ClassRegistry& registry = ClassRegistry::Get();
  for (std::string_view base : kHostBases) {
    const HostInterface* host = FindHostInterface(base);
    assert(host && "every host base of the table is a host interface");
    registry.RecordDependency(Id(host->id), std::string(host->header));
  }
  for (const InterfaceDeclaration& declaration : kInterfaceTable) {
    registry.RecordReferenceType(Id(declaration.id), ReferenceTypeName(declaration));
  }
  registry.RecordRegistry(kIconProvidersRegistry);
}

}  // namespace zarvo
