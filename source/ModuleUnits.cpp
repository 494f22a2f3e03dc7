#include "source/ModuleUnits.h"

#include <cassert>
#include <string>
#include <utility>
#include <vector>

#include "generated/Catalogue.h"
#include "generated/InterfaceRegistration.h"
#include "host/core/AppFolders.h"
#include "host/core/HostRegistrations.h"
#include "host/core/StringResources.h"
#include "source/Desktop2dWindowImpl.h"
#include "source/IconProvider.h"
#include "source/Register.h"
#include "source/widgets_menu/PopupMenuDialog.h"
#include "source/WidgetComponent.h"
#include "source/widgets_base/ButtonWidgetImpl.h"
#include "source/widgets_base/CommandButtonWidgetImpl.h"
#include "source/widgets_base/CustomButtonWidgetImpl.h"
#include "source/widgets_base/CustomWidgetImpl.h"
#include "source/widgets_base/ImageButtonWidgetImpl.h"
#include "source/widgets_base/TextButtonWidgetImpl.h"
#include "source/widgets_color/ColorButtonWidgetImpl.h"
#include "source/widgets_color/ColorFieldWidgetImpl.h"
#include "source/widgets_color/ColorHEXWidgetImpl.h"
#include "source/widgets_color/ColorHSVPlaneWidgetImpl.h"
#include "source/widgets_color/ColorHSVWidgetImpl.h"
#include "source/widgets_color/ColorPickerWidgetImpl.h"
#include "source/widgets_color/ColorRGBWidgetImpl.h"
#include "source/widgets_color/ColorTableWidgetImpl.h"
#include "source/widgets_color/ColorWidgetImpl.h"
#include "source/widgets_compound/ImageTextButtonWidgetImpl.h"
#include "source/widgets_compound/MatrixWidgetImpl.h"
#include "source/widgets_compound/VecWidgetImpl.h"
#include "source/widgets_debug/DoodleWidgetImpl.h"
#include "source/widgets_debug/EasterEggWidgetImpl.h"
#include "source/widgets_debug/FCurveWidgetImpl.h"
#include "source/widgets_debug/MonitorInfoWidgetImpl.h"
#include "source/widgets_debug/PaintAction.h"
#include "source/widgets_debug/RulerWidgetImpl.h"
#include "source/widgets_debug/SVGDebugWidgetImpl.h"
#include "source/widgets_debug/SVGDrawAreaWidgetImpl.h"
#include "source/widgets_layout/AreaWidgetImpl.h"
#include "source/widgets_layout/BasePanZoomAction.h"
#include "source/widgets_layout/CellWidgetImpl.h"
#include "source/widgets_layout/TableWidgetImpl.h"
#include "source/widgets_layout/DummyItemImpl.h"
#include "source/widgets_layout/TreeGraphWidgetImpl.h"
#include "source/widgets_layout/TreeItemWidgetImpl.h"
#include "source/widgets_layout/TreeLevelWidgetImpl.h"
#include "source/widgets_base/FrameWidgetImpl.h"
#include "source/widgets_base/ImageWidgetImpl.h"
#include "source/widgets_base/PaddingWidgetImpl.h"
#include "source/widgets_base/TextWidgetImpl.h"
#include "source/widgets_base/TextEditWidgetImpl.h"
#include "source/widgets_layout/FlexBoxWidgetImpl.h"
#include "source/widgets_layout/FoldWidgetImpl.h"
#include "source/widgets_layout/FolderCellWidgetImpl.h"
#include "source/widgets_layout/HeaderCellDragAndDropAction.h"
#include "source/widgets_layout/HeaderCellWidgetImpl.h"
#include "source/widgets_layout/PanAction.h"
#include "source/widgets_layout/ResizeColumnAction.h"
#include "source/widgets_layout/ScrollAreaWidgetImpl.h"
#include "source/widgets_layout/ScrollSliderWidgetImpl.h"
#include "source/widgets_layout/ScrollbarWidgetImpl.h"
#include "source/widgets_layout/ZoomAction.h"
#include "source/widgets_menu/CycleDropdownWindowImpl.h"
#include "source/widgets_menu/CycleSeparatorWidgetImpl.h"
#include "source/widgets_menu/CycleTextAndIconWidgetAdapterImpl.h"
#include "source/widgets_menu/CycleTextWidgetAdapterImpl.h"
#include "source/widgets_menu/CycleWidgetImpl.h"
#include "source/widgets_menu/CommandGroupWidgetImpl.h"
#include "source/widgets_menu/CommandMenuItemImpl.h"
#include "source/widgets_menu/CommandMenuItemWidgetImpl.h"
#include "source/widgets_menu/MenuItemImpl.h"
#include "source/widgets_menu/MenuItemWidgetImpl.h"
#include "source/widgets_menu/MenuWidgetImpl.h"
#include "source/widgets_menu/MenuWindowImpl.h"
#include "source/widgets_menu/RootMenuItemImpl.h"
#include "source/widgets_menu/SeparatorMenuItemImpl.h"
#include "source/widgets_menu/SeparatorMenuItemWidgetImpl.h"
#include "source/widgets_tabs/QuickTabItemImpl.h"
#include "source/widgets_tabs/QuickTabSelectionBaseImpl.h"
#include "source/widgets_tabs/QuickTabSelectionImpl.h"
#include "source/widgets_tabs/QuickTabTextAndIconWidgetAdapterImpl.h"
#include "source/widgets_tabs/QuickTabTextWidgetAdapterImpl.h"
#include "source/widgets_tabs/QuickTabWidgetImpl.h"
#include "source/widgets_time/DateTimeWidgetImpl.h"
#include "source/widgets_time/TimeSliderWidgetImpl.h"
#include "source/widgets_values/BooleanWidgetImpl.h"
#include "source/widgets_values/CheckboxWidgetImpl.h"
#include "source/widgets_values/FloatSliderWidgetImpl.h"
#include "source/widgets_values/IntSliderWidgetImpl.h"
#include "source/widgets_values/NumberWidgetImpl.h"
#include "source/widgets_values/RadioGroupWidgetImpl.h"
#include "source/widgets_values/SpinBoxWidgetImpl.h"
#include "source/widgets_values/SpinnerWidgetImpl.h"
#include "source/widgets_values/TristateButtonWidgetImpl.h"

namespace zarvo {

namespace {

// One function per source unit. A unit records its dependencies, then, in catalogue order,
// each of its classes that is implemented:
//   RecordCatalogueClass<ButtonWidgetImpl>("net.zarvo.mvp.widgetclasses.button", kWidgetClassesRegistry);
// A class enters only with its implementation; there are no placeholder classes.

// source/

void RecordMessagedialog() {
  RecordUnitDependencies("messagedialog", {"TableWidgetInterface", "TextWidgetInterface", "ImageWidgetInterface",
                                          "CheckboxWidgetInterface", "TextButtonWidgetInterface",
                                          "AppWindowInterface", "WidgetStylesheetInterface"});
}

// source/widgets_base/

void RecordWidgetAreaImpl() {
  RecordUnitDependencies("widget_area_impl", {"WidgetStylesheetInterface"});
  RecordCatalogueClass<AreaWidgetImpl>(Id(kAreaWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<BasePanZoomAction>(Id(kBasePanZoomActionClassId), Id(kActionClassesRegistry));
  RecordCatalogueClass<PanAction>(Id(kPanActionClassId), Id(kActionClassesRegistry));
  RecordCatalogueClass<ZoomAction>(Id(kZoomActionClassId), Id(kActionClassesRegistry));
}

void RecordWidgetButtonImpl() {
  RecordUnitDependencies("widget_button_impl");
  RecordCatalogueClass<ButtonWidgetImpl>(Id(kButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetCheckboxImpl() {
  RecordUnitDependencies("widget_checkbox_impl");
  RecordCatalogueClass<CheckboxWidgetImpl>(Id(kCheckboxWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetCommandbuttonImpl() {
  RecordUnitDependencies("widget_commandbutton_impl");
  RecordCatalogueClass<CommandButtonWidgetImpl>(Id(kCommandButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetCustomImpl() {
  RecordUnitDependencies("widget_custom_impl");
  RecordCatalogueClass<CustomWidgetImpl>(Id(kCustomWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetCustombuttonImpl() {
  RecordUnitDependencies("widget_custombutton_impl");
  RecordCatalogueClass<CustomButtonWidgetImpl>(Id(kCustomButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetCycleImpl() {
  RecordUnitDependencies("widget_cycle_impl", {"TableWidgetInterface", "TextWidgetInterface", "TextButtonWidgetInterface",
                                               "ImageTextButtonWidgetInterface", "ScrollAreaWidgetInterface"});
  RecordCatalogueClass<CycleTextWidgetAdapterImpl>(Id(kCycleTextWidgetAdapterClassId), Id(kWidgetAdaptersRegistry));
  RecordCatalogueClass<CycleTextAndIconWidgetAdapterImpl>(Id(kCycleTextAndIconWidgetAdapterClassId),
                                                          Id(kWidgetAdaptersRegistry));
  RecordCatalogueClass<CycleDropdownWindowImpl>(Id(kCycleDropdownWindowClassId), Id(kMvpRegistry));
  RecordCatalogueClass<CycleSeparatorWidgetImpl>(Id(kCycleSeparatorWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<CycleWidgetImpl>(Id(kCycleWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetDatetimeImpl() {
  RecordUnitDependencies("widget_datetime_impl", {"TextButtonWidgetInterface", "TextEditWidgetInterface",
                                                  "FrameWidgetInterface", "CycleWidgetInterface",
                                                  "CycleTextWidgetAdapterInterface"});
  RecordCatalogueClass<DateTimeWidgetImpl>(Id(kDateTimeWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetFrameImpl() {
  RecordUnitDependencies("widget_frame_impl");
  RecordCatalogueClass<FrameWidgetImpl>(Id(kFrameWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetImageImpl() {
  RecordUnitDependencies("widget_image_impl");
  RecordCatalogueClass<ImageWidgetImpl>(Id(kImageWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetImagebuttonImpl() {
  RecordUnitDependencies("widget_imagebutton_impl");
  RecordCatalogueClass<ImageButtonWidgetImpl>(Id(kImageButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetPaddingImpl() {
  RecordUnitDependencies("widget_padding_impl");
  RecordCatalogueClass<PaddingWidgetImpl>(Id(kPaddingWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetSliderImpl() {
  RecordUnitDependencies("widget_slider_impl");
  RecordCatalogueClass<IntSliderWidgetImpl>(Id(kIntSliderWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<FloatSliderWidgetImpl>(Id(kFloatSliderWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTextImpl() {
  RecordUnitDependencies("widget_text_impl");
  RecordCatalogueClass<TextWidgetImpl>(Id(kTextWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTextbuttonImpl() {
  RecordUnitDependencies("widget_textbutton_impl");
  RecordCatalogueClass<TextButtonWidgetImpl>(Id(kTextButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTexteditImpl() {
  RecordUnitDependencies("widget_textedit_impl");
  RecordCatalogueClass<TextEditWidgetImpl>(Id(kTextEditWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTimesliderImpl() {
  RecordUnitDependencies("widget_timeslider_impl");
  RecordCatalogueClass<TimeSliderWidgetImpl>(Id(kTimeSliderWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTristatebuttonImpl() {
  RecordUnitDependencies("widget_tristatebutton_impl");
  RecordCatalogueClass<TristateButtonWidgetImpl>(Id(kTristateButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

// source/widgets_compound/

void RecordWidgetBooleanImpl() {
  RecordUnitDependencies("widget_boolean_impl", {"CheckboxWidgetInterface", "TextWidgetInterface"});
  RecordCatalogueClass<BooleanWidgetImpl>(Id(kBooleanWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetColorImpl() {
  RecordUnitDependencies("widget_color_impl");
  RecordCatalogueClass<ColorButtonWidgetImpl>(Id(kColorButtonWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorWidgetImpl>(Id(kColorWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorFieldWidgetImpl>(Id(kColorFieldWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorTableWidgetImpl>(Id(kColorTableWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorRGBWidgetImpl>(Id(kColorRGBWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorHSVPlaneWidgetImpl>(Id(kColorHSVSpectrumWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorHSVWidgetImpl>(Id(kColorHSVWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorHEXWidgetImpl>(Id(kColorHEXWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<ColorPickerWidgetImpl>(Id(kColorPickerWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetImagetextbuttonImpl() {
  RecordUnitDependencies("widget_imagetextbutton_impl");
  RecordCatalogueClass<ImageTextButtonWidgetImpl>(Id(kImageTextButtonWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetMatrixImpl() {
  RecordUnitDependencies("widget_matrix_impl", {"SpinBoxWidgetInterface<Float>"});
  RecordCatalogueClass<MatWidgetImpl<Matrix>>(Id(kMatrixWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<MatWidgetImpl<Matrix2d>>(Id(kMatrix2dWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<SquareMatWidgetImpl<SquareMatrix2d>>(Id(kSquareMatrix2dWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<SquareMatWidgetImpl<SquareMatrix>>(Id(kSquareMatrixWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<SquareMatWidgetImpl<SquareMatrix4d>>(Id(kSquareMatrix4dWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetMenuImpl() {
  RecordUnitDependencies("widget_menu_impl", {"TextWidgetInterface", "TextButtonWidgetInterface",
                                              "CommandButtonWidgetInterface", "ImageWidgetInterface",
                                              "FrameWidgetInterface"});
  RecordCatalogueClass<MenuItemImpl>(Id(kMenuItemClassId));
  RecordCatalogueClass<CommandMenuItemImpl>(Id(kCommandMenuItemClassId));
  RecordCatalogueClass<SeparatorMenuItemImpl>(Id(kSeparatorMenuItemClassId));
  RecordCatalogueClass<RootMenuItemImpl>(Id(kRootMenuItemClassId));
  RecordCatalogueClass<MenuItemWidgetImpl>(Id(kMenuItemWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<SeparatorMenuItemWidgetImpl>(Id(kSeparatorMenuItemWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<CommandMenuItemWidgetImpl>(Id(kCommandMenuItemWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<CommandGroupWidgetImpl>(Id(kCommandGroupWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<MenuWidgetImpl>(Id(kMenuWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<MenuWindowImpl>(Id(kMenuWindowClassId), Id(kMvpRegistry));
}

void RecordWidgetNumberImpl() {
  RecordUnitDependencies("widget_number_impl", {"SpinBoxWidgetInterface<Int>", "SpinBoxWidgetInterface<Float>",
                                               "SliderWidgetInterface<Int>", "SliderWidgetInterface<Float>"});
  RecordCatalogueClass<IntNumberWidgetImpl>(Id(kIntNumberWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<FloatNumberWidgetImpl>(Id(kFloatNumberWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetQuicktabImpl() {
  RecordUnitDependencies("widget_quicktab_impl", {"TextButtonWidgetInterface", "ImageTextButtonWidgetInterface",
                                                  "TextWidgetInterface", "PaddingWidgetInterface",
                                                  "CellWidgetInterface"});
  RecordCatalogueClass<QuickTabTextWidgetAdapterImpl>(Id(kQuickTabTextWidgetAdapterClassId), Id(kWidgetAdaptersRegistry));
  RecordCatalogueClass<QuickTabTextAndIconWidgetAdapterImpl>(Id(kQuickTabTextAndIconWidgetAdapterClassId),
                                                             Id(kWidgetAdaptersRegistry));
  RecordCatalogueClass<QuickTabItemImpl>(Id(kQuickTabItemClassId));
  RecordCatalogueClass<QuickTabSelectionBaseImpl>(Id(kQuickTabSelectionBaseClassId));
  RecordCatalogueClass<QuickTabSelectionImpl>(Id(kQuickTabSelectionClassId));
  RecordCatalogueClass<QuickTabWidgetImpl>(Id(kQuickTabWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetRadiogroupImpl() {
  RecordUnitDependencies("widget_radiogroup_impl", {"BooleanWidgetInterface", "CheckboxWidgetInterface"});
  RecordCatalogueClass<RadioGroupWidgetImpl>(Id(kRadioGroupWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetSpinboxImpl() {
  RecordUnitDependencies("widget_spinbox_impl", {"TextEditWidgetInterface", "TextButtonWidgetInterface"});
  RecordCatalogueClass<SpinnerWidgetImpl>(Id(kSpinnerWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<IntSpinBoxWidgetImpl>(Id(kIntSpinBoxWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<FloatSpinBoxWidgetImpl>(Id(kFloatSpinBoxWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetVectorImpl() {
  RecordUnitDependencies("widget_vector_impl", {"SpinBoxWidgetInterface<Int>", "SpinBoxWidgetInterface<Float>"});
  RecordCatalogueClass<Vector2dWidgetImpl>(Id(kVector2dWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<VectorWidgetImpl>(Id(kVectorWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<Vector4dWidgetImpl>(Id(kVector4dWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<IntVector2dWidgetImpl>(Id(kIntVector2dWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<IntVectorWidgetImpl>(Id(kIntVectorWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<IntVector4dWidgetImpl>(Id(kIntVector4dWidgetClassId), Id(kWidgetClassesRegistry));
}

// source/widgets_debug/

void RecordWidgetDoodleActions() {
  RecordUnitDependencies("widget_doodle_actions", {"DoodleWidgetInterface"});
  RecordCatalogueClass<PaintAction>(Id(kPaintActionClassId), Id(kActionClassesRegistry));
}

void RecordWidgetDoodleCommands() {
  RecordUnitDependencies("widget_doodle_commands", {"DoodleWidgetInterface"});
}

void RecordWidgetDoodleDraw() {
  RecordUnitDependencies("widget_doodle_draw", {"DoodleWidgetInterface"});
}

void RecordWidgetDoodleEvents() {
  RecordUnitDependencies("widget_doodle_events", {"DoodleWidgetInterface"});
}

void RecordWidgetDoodleImpl() {
  RecordUnitDependencies("widget_doodle_impl");
  RecordCatalogueClass<DoodleWidgetImpl>(Id(kDoodleWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetEasteregg() {
  RecordUnitDependencies("widget_easteregg");
  RecordCatalogueClass<EasterEggWidgetImpl>(Id(kEasterEggWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetFcurveActions() {
  RecordUnitDependencies("widget_fcurve_actions", {"FCurveWidgetInterface"});
}

void RecordWidgetFcurveCommands() {
  RecordUnitDependencies("widget_fcurve_commands", {"FCurveWidgetInterface"});
}

void RecordWidgetFcurveDraw() {
  RecordUnitDependencies("widget_fcurve_draw", {"FCurveWidgetInterface"});
}

void RecordWidgetFcurveEvents() {
  RecordUnitDependencies("widget_fcurve_events", {"FCurveWidgetInterface"});
}

void RecordWidgetFcurveImpl() {
  RecordUnitDependencies("widget_fcurve_impl");
  RecordCatalogueClass<FCurveWidgetImpl>(Id(kFCurveWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<RulerWidgetImpl>(Id(kRulerWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetMonitor() {
  RecordUnitDependencies("widget_monitor", {"TextWidgetInterface", "TextButtonWidgetInterface"});
  RecordCatalogueClass<MonitorInfoWidgetImpl>(Id(kMonitorInfoWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetSvgdebug() {
  RecordUnitDependencies("widget_svgdebug");
  RecordCatalogueClass<SVGDrawAreaWidgetImpl>(Id(kSVGDrawAreaWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<SVGDebugWidgetImpl>(Id(kSVGDebugWidgetClassId), Id(kWidgetClassesRegistry));
}

// source/widgets_layout/

void RecordWidgetCellImpl() {
  RecordUnitDependencies("widget_cell_impl");
  RecordCatalogueClass<CellWidgetImpl>(Id(kCellWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetFlexboxImpl() {
  RecordUnitDependencies("widget_flexbox_impl");
  RecordCatalogueClass<FlexBoxWidgetImpl>(Id(kFlexBoxWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetFoldercellImpl() {
  RecordUnitDependencies("widget_foldercell_impl", {"CheckboxWidgetInterface", "TableWidgetInterface"});
  RecordCatalogueClass<FolderCellWidgetImpl>(Id(kFolderCellWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<FoldWidgetImpl>(Id(kFoldWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetHeadercellImpl() {
  RecordUnitDependencies("widget_headercell_impl",
                         {"TableWidgetInterface", "TextWidgetInterface", "CheckboxWidgetInterface"});
  RecordCatalogueClass<ResizeColumnAction>(Id(kResizeColumnActionClassId));
  RecordCatalogueClass<HeaderCellDragAndDropAction>(Id(kHeaderCellDragAndDropActionClassId));
  RecordCatalogueClass<HeaderCellWidgetImpl>(Id(kHeaderCellWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetScrollareaImpl() {
  RecordUnitDependencies("widget_scrollarea_impl", {"ScrollbarWidgetInterface", "CustomButtonWidgetInterface"});
  RecordCatalogueClass<ScrollAreaWidgetImpl>(Id(kScrollAreaWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetScrollbarImpl() {
  RecordUnitDependencies("widget_scrollbar_impl", {"ScrollSliderWidgetInterface", "CustomButtonWidgetInterface"});
  RecordCatalogueClass<ScrollbarWidgetImpl>(Id(kScrollbarWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetScrollsliderImpl() {
  RecordUnitDependencies("widget_scrollslider_impl", {"ScrollAreaWidgetInterface", "ScrollbarWidgetInterface"});
  RecordCatalogueClass<ScrollSliderWidgetImpl>(Id(kScrollSliderWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTableImpl() {
  RecordUnitDependencies("widget_table_impl");
  RecordCatalogueClass<TableWidgetImpl>(Id(kTableWidgetClassId), Id(kWidgetClassesRegistry));
}

void RecordWidgetTreegraphImpl() {
  RecordUnitDependencies("widget_treegraph_impl", {"TableWidgetInterface", "CellWidgetInterface", "FolderCellWidgetInterface",
                                                   "HeaderCellWidgetInterface", "CheckboxWidgetInterface"});
  RecordCatalogueClass<DummyItemImpl>(Id(kDummyItemClassId));
  RecordCatalogueClass<TreeLevelWidgetImpl>(Id(kTreeLevelWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<TreeItemWidgetImpl>(Id(kTreeItemWidgetClassId), Id(kWidgetClassesRegistry));
  RecordCatalogueClass<TreeGraphWidgetImpl>(Id(kTreeGraphWidgetClassId), Id(kWidgetClassesRegistry));
}

// source/

void RecordWindowAppImpl() {
  RecordUnitDependencies("window_app_impl", {"MenuWindowInterface"});
  RecordCatalogueClass<Desktop2dWindowImpl>(Id(kDesktop2dWindowClassId), Id(kMvpRegistry));
}

// The link order. The first three units live next to what they register.
constexpr ModuleUnit kLinkOrder[] = {
    {"generated/interface_registration", &RecordInterfaceRegistration},
    {"source/register", &RecordRegister},
    {"source/icon_provider", &RecordIconProviderUnit},
    {"source/messagedialog", &RecordMessagedialog},
    {"source/widgets_base/widget_area_impl", &RecordWidgetAreaImpl},
    {"source/widgets_base/widget_button_impl", &RecordWidgetButtonImpl},
    {"source/widgets_base/widget_checkbox_impl", &RecordWidgetCheckboxImpl},
    {"source/widgets_base/widget_commandbutton_impl", &RecordWidgetCommandbuttonImpl},
    {"source/widgets_base/widget_custom_impl", &RecordWidgetCustomImpl},
    {"source/widgets_base/widget_custombutton_impl", &RecordWidgetCustombuttonImpl},
    {"source/widgets_base/widget_cycle_impl", &RecordWidgetCycleImpl},
    {"source/widgets_base/widget_datetime_impl", &RecordWidgetDatetimeImpl},
    {"source/widgets_base/widget_frame_impl", &RecordWidgetFrameImpl},
    {"source/widgets_base/widget_image_impl", &RecordWidgetImageImpl},
    {"source/widgets_base/widget_imagebutton_impl", &RecordWidgetImagebuttonImpl},
    {"source/widgets_base/widget_padding_impl", &RecordWidgetPaddingImpl},
    {"source/widgets_base/widget_slider_impl", &RecordWidgetSliderImpl},
    {"source/widgets_base/widget_text_impl", &RecordWidgetTextImpl},
    {"source/widgets_base/widget_textbutton_impl", &RecordWidgetTextbuttonImpl},
    {"source/widgets_base/widget_textedit_impl", &RecordWidgetTexteditImpl},
    {"source/widgets_base/widget_timeslider_impl", &RecordWidgetTimesliderImpl},
    {"source/widgets_base/widget_tristatebutton_impl", &RecordWidgetTristatebuttonImpl},
    {"source/widgets_compound/widget_boolean_impl", &RecordWidgetBooleanImpl},
    {"source/widgets_compound/widget_color_impl", &RecordWidgetColorImpl},
    {"source/widgets_compound/widget_imagetextbutton_impl", &RecordWidgetImagetextbuttonImpl},
    {"source/widgets_compound/widget_matrix_impl", &RecordWidgetMatrixImpl},
    {"source/widgets_compound/widget_menu_impl", &RecordWidgetMenuImpl},
    {"source/widgets_compound/widget_number_impl", &RecordWidgetNumberImpl},
    {"source/widgets_compound/widget_quicktab_impl", &RecordWidgetQuicktabImpl},
    {"source/widgets_compound/widget_radiogroup_impl", &RecordWidgetRadiogroupImpl},
    {"source/widgets_compound/widget_spinbox_impl", &RecordWidgetSpinboxImpl},
    {"source/widgets_compound/widget_vector_impl", &RecordWidgetVectorImpl},
    {"source/widgets_debug/widget_doodle_actions", &RecordWidgetDoodleActions},
    {"source/widgets_debug/widget_doodle_commands", &RecordWidgetDoodleCommands},
    {"source/widgets_debug/widget_doodle_draw", &RecordWidgetDoodleDraw},
    {"source/widgets_debug/widget_doodle_events", &RecordWidgetDoodleEvents},
    {"source/widgets_debug/widget_doodle_impl", &RecordWidgetDoodleImpl},
    {"source/widgets_debug/widget_easteregg", &RecordWidgetEasteregg},
    {"source/widgets_debug/widget_fcurve_actions", &RecordWidgetFcurveActions},
    {"source/widgets_debug/widget_fcurve_commands", &RecordWidgetFcurveCommands},
    {"source/widgets_debug/widget_fcurve_draw", &RecordWidgetFcurveDraw},
    {"source/widgets_debug/widget_fcurve_events", &RecordWidgetFcurveEvents},
    {"source/widgets_debug/widget_fcurve_impl", &RecordWidgetFcurveImpl},
    {"source/widgets_debug/widget_monitor", &RecordWidgetMonitor},
    {"source/widgets_debug/widget_svgdebug", &RecordWidgetSvgdebug},
    {"source/widgets_layout/widget_cell_impl", &RecordWidgetCellImpl},
    {"source/widgets_layout/widget_flexbox_impl", &RecordWidgetFlexboxImpl},
    {"source/widgets_layout/widget_foldercell_impl", &RecordWidgetFoldercellImpl},
    {"source/widgets_layout/widget_headercell_impl", &RecordWidgetHeadercellImpl},
    {"source/widgets_layout/widget_scrollarea_impl", &RecordWidgetScrollareaImpl},
    {"source/widgets_layout/widget_scrollbar_impl", &RecordWidgetScrollbarImpl},
    {"source/widgets_layout/widget_scrollslider_impl", &RecordWidgetScrollsliderImpl},
    {"source/widgets_layout/widget_table_impl", &RecordWidgetTableImpl},
    {"source/widgets_layout/widget_treegraph_impl", &RecordWidgetTreegraphImpl},
    {"source/window_app_impl", &RecordWindowAppImpl},
};

// The strings file the module loaded, so that unloading withdraws the same file even when the
// modules folder has been changed since.
std::filesystem::path& LoadedStringsFile() {
  static std::filesystem::path file;
  return file;
}

Result<void> LoadWidgetsResources() {
  ZV_TRY_ASSIGN(std::filesystem::path folder, FindWidgetsModuleFolder());
  std::filesystem::path strings = folder / kGlobalStringsFile;
  ZV_TRY(StringResources::Get().LoadFile(strings));
  LoadedStringsFile() = std::move(strings);
  InstallPopupMenuDialog();
  return Ok();
}

void UnloadWidgetsResources() {
  RemovePopupMenuDialog();
  StringResources::Get().UnloadFile(LoadedStringsFile());
  LoadedStringsFile().clear();
}

// Collects a unit's dependencies, each declaration once, in order of first use.
class DependencyList {
 public:
  void AddInterface(std::string_view name) {
    // The interface and its bases: a class implements the whole chain.
    while (const InterfaceDeclaration* declaration = FindInterface(name)) {
      Add(declaration->id, InterfaceHeader(declaration->name));
      name = declaration->base;
    }
    const HostInterface* host = FindHostInterface(name);
    assert(host && "every interface chain ends in a host interface");
    if (host) Add(host->id, std::string(host->header));
  }

  void AddRegistry(std::string_view registryId) { Add(registryId, kHostRegistrationsHeader); }

  void Record() const {
    ClassRegistry& registry = ClassRegistry::Get();
    for (const auto& [id, header] : dependencies_) registry.RecordDependency(Id(id), header);
  }

 private:
  void Add(std::string_view id, std::string header) {
    for (const auto& dependency : dependencies_) {
      if (dependency.first == id) return;
    }
    dependencies_.emplace_back(id, std::move(header));
  }

  std::vector<std::pair<std::string_view, std::string>> dependencies_;
};

}  // namespace

void RecordUnitDependencies(std::string_view unit, std::initializer_list<std::string_view> alsoUses) {
  DependencyList dependencies;
  for (const CatalogueClass& row : GetClassCatalogue()) {
    if (row.unit != unit) continue;
    dependencies.AddInterface(row.interfaceName);
    if (!row.registryId.empty()) dependencies.AddRegistry(row.registryId);
  }
  for (std::string_view interfaceName : alsoUses) dependencies.AddInterface(interfaceName);
  dependencies.Record();
}

std::span<const ModuleUnit> GetWidgetsModuleUnits() noexcept { return kLinkOrder; }

const ModuleDescriptor& GetWidgetsModule() {
  static const ModuleDescriptor module{Id(kWidgetsModuleId), kLinkOrder, &LoadWidgetsResources,
                                       &UnloadWidgetsResources};
  return module;
}

Result<void> LoadWidgetsModule() { return ModuleLoader::Get().Load(GetWidgetsModule()); }

Result<void> UnloadWidgetsModule() { return ModuleLoader::Get().Unload(GetWidgetsModule().moduleId); }

Result<std::filesystem::path> FindWidgetsModuleFolder() {
  const AppFolders& folders = AppFolders::Get();
  Result<std::filesystem::path> byFolder = folders.GetModuleFolder(kWidgetsModuleFolder);
  if (byFolder) return byFolder;
  Result<std::filesystem::path> byId = folders.GetModuleFolder(kWidgetsModuleId);
  if (byId) return byId;
  return byFolder.GetError();
}

}  // namespace zarvo
