#include "generated/Catalogue.h"

#include "host/core/Id.h"

namespace zarvo {

namespace {

constexpr CatalogueClass kClassCatalogue[] = {
    {"net.zarvo.mvp.widgetclasses.area", 0x0002077CE44C28BBull, "AreaWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_area_impl"},
    {"net.zarvo.mvp.actionclasses.basepanzoom", 0x000271C362A474DFull, "BasePanZoomActionInterface", "net.zarvo.mvp.actionclasses", "widget_area_impl"},
    {"net.zarvo.mvp.actionclasses.pan", 0x0001F13FE022EB7Dull, "ActionInterface", "net.zarvo.mvp.actionclasses", "widget_area_impl"},
    {"net.zarvo.mvp.actionclasses.zoom", 0x000206BC243F44F3ull, "ActionInterface", "net.zarvo.mvp.actionclasses", "widget_area_impl"},
    {"net.zarvo.mvp.widgetclasses.button", 0x000223D503CB2BE0ull, "ButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_button_impl"},
    {"net.zarvo.mvp.widgetclasses.checkbox", 0x000242A6DB55ACF1ull, "CheckboxWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_checkbox_impl"},
    {"net.zarvo.mvp.widgetclasses.commandbutton", 0x00029352258F1DCFull, "CommandButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_commandbutton_impl"},
    {"net.zarvo.mvp.widgetclasses.custom", 0x000223D5057F901Full, "CustomWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_custom_impl"},
    {"net.zarvo.mvp.widgetclasses.custombutton", 0x0002833D4156E411ull, "CustomButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_custombutton_impl"},
    {"net.zarvo.mvp.widgetadapterclasses.cycletextadapter", 0x000336A2A35D1ACDull, "CycleTextWidgetAdapterInterface", "net.zarvo.mvp.widgetadapaters", "widget_cycle_impl"},
    {"net.zarvo.mvp.widgetadapterclasses.cycletextandiconadapter", 0x0003A1E45B88A541ull, "CycleTextAndIconWidgetAdapterInterface", "net.zarvo.mvp.widgetadapaters", "widget_cycle_impl"},
    {"net.zarvo.mvp.windowclasses.cycledropdownwindow", 0x0002F3ED3EF5768Dull, "CycleDropdownWindowInterface", "net.zarvo.mvp.registry", "widget_cycle_impl"},
    {"net.zarvo.mvp.widgetclasses.cycleseparator", 0x0002A022DC4C636Dull, "CycleSeparatorWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_cycle_impl"},
    {"net.zarvo.mvp.widgetclasses.cycle", 0x0002101FA5584678ull, "CycleWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_cycle_impl"},
    {"net.zarvo.mvp.widgetclasses.datetime", 0x000242ABEAA44CA9ull, "DateTimeWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_datetime_impl"},
    {"net.zarvo.mvp.widgetclasses.frame", 0x0002101FA57F56FFull, "FrameWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_frame_impl"},
    {"net.zarvo.mvp.widgetclasses.image", 0x0002101FA5A756EDull, "ImageWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_image_impl"},
    {"net.zarvo.mvp.widgetclasses.imagebutton", 0x000275378B55D85Full, "ImageButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_imagebutton_impl"},
    {"net.zarvo.mvp.widgetclasses.padding", 0x000236CE3727CD23ull, "PaddingWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_padding_impl"},
    {"net.zarvo.mvp.widgetclasses.intslider", 0x00025705AD1DB622ull, "SliderWidgetInterface<Int>", "net.zarvo.mvp.widgetclasses", "widget_slider_impl"},
    {"net.zarvo.mvp.widgetclasses.floatslider", 0x0002738CBAD11E4Full, "SliderWidgetInterface<Float>", "net.zarvo.mvp.widgetclasses", "widget_slider_impl"},
    {"net.zarvo.mvp.widgetclasses.text", 0x0002077CE4549D5Bull, "TextWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_text_impl"},
    {"net.zarvo.mvp.widgetclasses.textbutton", 0x000263520364144Dull, "TextButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_textbutton_impl"},
    {"net.zarvo.mvp.widgetclasses.textedit", 0x0002431343EFE5E5ull, "TextEditWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_textedit_impl"},
    {"net.zarvo.mvp.widgetclasses.timeslider", 0x00026622E0C9BB9Cull, "TimeSliderWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_timeslider_impl"},
    {"net.zarvo.mvp.widgetclasses.tristatebutton", 0x0002A5844C8F0726ull, "TristateButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_tristatebutton_impl"},
    {"net.zarvo.mvp.widgetclasses.boolean", 0x000236CB6B12FD3Aull, "BooleanWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_boolean_impl"},
    {"net.zarvo.mvp.widgetclasses.colorbutton", 0x0002755E4437B867ull, "ColorButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.color", 0x0002101FA553DCF5ull, "ColorWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colorfield", 0x000261FAC8979525ull, "ColorFieldWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colortable", 0x000261FAC9592FF9ull, "ColorTableWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colorrgb", 0x000242A85A3FBBB8ull, "ColorRGBWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colorhsvspectrum", 0x0002C01FF2439987ull, "ColorHSVSpectrumWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colorhsv", 0x000242A85A3F97B6ull, "ColorHSVWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colorhex", 0x000242A85A3F9606ull, "ColorHEXWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.colorpicker", 0x0002755E5B6A99C3ull, "ColorPickerWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_color_impl"},
    {"net.zarvo.mvp.widgetclasses.imagetextbutton", 0x0002B1BB34B6694Cull, "ImageTextButtonWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_imagetextbutton_impl"},
    {"net.zarvo.mvp.widgetclasses.matrix", 0x000223D515769C6Full, "MatWidgetInterface<Matrix>", "net.zarvo.mvp.widgetclasses", "widget_matrix_impl"},
    {"net.zarvo.mvp.widgetclasses.matrix2d", 0x000242E592414321ull, "MatWidgetInterface<Matrix2d>", "net.zarvo.mvp.widgetclasses", "widget_matrix_impl"},
    {"net.zarvo.mvp.widgetclasses.squarematrix2d", 0x0002A4AD3CB314BEull, "SquareMatWidgetInterface<SquareMatrix2d>", "net.zarvo.mvp.widgetclasses", "widget_matrix_impl"},
    {"net.zarvo.mvp.widgetclasses.squarematrix", 0x000284DFF27A314Cull, "SquareMatWidgetInterface<SquareMatrix>", "net.zarvo.mvp.widgetclasses", "widget_matrix_impl"},
    {"net.zarvo.mvp.widgetclasses.squarematrix4d", 0x0002A4AD3CB314FCull, "SquareMatWidgetInterface<SquareMatrix4d>", "net.zarvo.mvp.widgetclasses", "widget_matrix_impl"},
    {"net.zarvo.mvp.menuitemclasses.base", 0x000222AB7290F82Dull, "MenuItemInterface", "", "widget_menu_impl"},
    {"net.zarvo.mvp.menuitemclasses.command", 0x0002558980BB206Full, "CommandMenuItemInterface", "", "widget_menu_impl"},
    {"net.zarvo.mvp.menuitemclasses.separator", 0x00027555FF126B09ull, "SeparatorMenuItemInterface", "", "widget_menu_impl"},
    {"net.zarvo.mvp.menuitemclasses.root", 0x000222AB7298723Eull, "RootMenuItemInterface", "", "widget_menu_impl"},
    {"net.zarvo.mvp.widgetclasses.menuitem", 0x000242E65BC75A20ull, "MenuItemWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_menu_impl"},
    {"net.zarvo.mvp.widgetclasses.separatormenuitem", 0x0002D4BA9655D969ull, "SeparatorMenuItemWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_menu_impl"},
    {"net.zarvo.mvp.widgetclasses.commandmenuitem", 0x0002B7A21C568C4Full, "CommandMenuItemWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_menu_impl"},
    {"net.zarvo.mvp.widgetclasses.commandgroup", 0x0002847E859C3842ull, "CommandGroupWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_menu_impl"},
    {"net.zarvo.mvp.widgetclasses.menu", 0x0002077CE4516D8Dull, "MenuWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_menu_impl"},
    {"net.zarvo.mvp.windowclasses.menuwindow", 0x000262BD2F661A69ull, "MenuWindowInterface", "net.zarvo.mvp.registry", "widget_menu_impl"},
    {"net.zarvo.mvp.widgetclasses.int", 0x0001F73593C08201ull, "CompoundSpinboxSliderWidgetInterface<Int>", "net.zarvo.mvp.widgetclasses", "widget_number_impl"},
    {"net.zarvo.mvp.widgetclasses.float", 0x0002101FA57CCFEEull, "CompoundSpinboxSliderWidgetInterface<Float>", "net.zarvo.mvp.widgetclasses", "widget_number_impl"},
    {"net.zarvo.mvp.widgetadapterclasses.quicktabtextadapter", 0x000361C1919C7669ull, "QuickTabTextWidgetAdapterInterface", "net.zarvo.mvp.widgetadapaters", "widget_quicktab_impl"},
    {"net.zarvo.mvp.widgetadapterclasses.quicktabtextandiconadapter", 0x0003D3FC10944225ull, "QuickTabTextAndIconWidgetAdapterInterface", "net.zarvo.mvp.widgetadapaters", "widget_quicktab_impl"},
    {"net.zarvo.mvp.quicktabitem", 0x0001A36F3204CA3Dull, "QuickTabItemInterface", "", "widget_quicktab_impl"},
    {"net.zarvo.mvp.selectionpattern.quicktab.baseimpl", 0x00030138C595B14Full, "SelectionPatternInterface<QuickTabItemRef>", "", "widget_quicktab_impl"},
    {"net.zarvo.mvp.selectionpattern.quicktab.impl", 0x0002C28B029499FEull, "SelectionPatternInterface<QuickTabItemRef>", "", "widget_quicktab_impl"},
    {"net.zarvo.mvp.widgetclasses.quicktab", 0x00024303402AC7B6ull, "QuickTabWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_quicktab_impl"},
    {"net.zarvo.mvp.widgetclasses.radiogroup", 0x0002679D7BAC2512ull, "RadioGroupWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_radiogroup_impl"},
    {"net.zarvo.mvp.widgetclasses.spinner", 0x000236CEEFBE432Bull, "SpinnerWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_spinbox_impl"},
    {"net.zarvo.mvp.widgetclasses.intspinbox", 0x000261AFFD70F128ull, "SpinBoxWidgetInterface<Int>", "net.zarvo.mvp.widgetclasses", "widget_spinbox_impl"},
    {"net.zarvo.mvp.widgetclasses.floatspinbox", 0x0002860AA62A8E9Bull, "SpinBoxWidgetInterface<Float>", "net.zarvo.mvp.widgetclasses", "widget_spinbox_impl"},
    {"net.zarvo.mvp.widgetclasses.vector2d", 0x0002431FEFE13423ull, "VecWidgetInterface<Vector2d>", "net.zarvo.mvp.widgetclasses", "widget_vector_impl"},
    {"net.zarvo.mvp.widgetclasses.vector", 0x000223D52502E5F1ull, "VecWidgetInterface<Vector>", "net.zarvo.mvp.widgetclasses", "widget_vector_impl"},
    {"net.zarvo.mvp.widgetclasses.vector4d", 0x0002431FEFE13461ull, "VecWidgetInterface<Vector4d>", "net.zarvo.mvp.widgetclasses", "widget_vector_impl"},
    {"net.zarvo.mvp.widgetclasses.intvector2d", 0x00027460988993F6ull, "VecWidgetInterface<IntVector2d>", "net.zarvo.mvp.widgetclasses", "widget_vector_impl"},
    {"net.zarvo.mvp.widgetclasses.intvector", 0x00025705B1D71E84ull, "VecWidgetInterface<IntVector>", "net.zarvo.mvp.widgetclasses", "widget_vector_impl"},
    {"net.zarvo.mvp.widgetclasses.intvector4d", 0x0002746098899434ull, "VecWidgetInterface<IntVector4d>", "net.zarvo.mvp.widgetclasses", "widget_vector_impl"},
    {"net.zarvo.mvp.actionclasses.paint", 0x000210C86315FB3Eull, "BasePanZoomActionInterface", "net.zarvo.mvp.actionclasses", "widget_doodle_actions"},
    {"net.zarvo.mvp.widgetclasses.doodle", 0x000223D506DDCDC7ull, "DoodleWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_doodle_impl"},
    {"net.zarvo.mvp.widgetclasses.easteregg", 0x00025397E20CC6EDull, "EasterEggWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_easteregg"},
    {"net.zarvo.mvp.widgetclasses.fcurve", 0x000223D509A154F7ull, "FCurveWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_fcurve_impl"},
    {"net.zarvo.mvp.widgetclasses.ruler", 0x0002101FA629F688ull, "RulerWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_fcurve_impl"},
    {"net.zarvo.mvp.widgetclasses.monitorinfo", 0x0002753F4E349D1Aull, "MonitorInfoWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_monitor"},
    {"net.zarvo.mvp.widgetclasses.svgdrawarea", 0x000270B3E2E08E47ull, "SVGDrawAreaWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_svgdebug"},
    {"net.zarvo.mvp.widgetclasses.svgdebug", 0x000243104174C79Dull, "SVGDebugWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_svgdebug"},
    {"net.zarvo.mvp.widgetclasses.cell", 0x0002077CE44CE190ull, "CellWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_cell_impl"},
    {"net.zarvo.mvp.widgetclasses.flexbox", 0x000236CC3905E044ull, "FlexBoxWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_flexbox_impl"},
    {"net.zarvo.mvp.widgetclasses.foldercell", 0x0002621C4A06BC7Eull, "FolderCellWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_foldercell_impl"},
    {"net.zarvo.mvp.widgetclasses.foldcell", 0x000242BB91413E11ull, "FoldWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_foldercell_impl"},
    {"net.zarvo.mvp.actionclasses.resizecolumn", 0x000285CEE0AC1A2Aull, "ActionInterface", "", "widget_headercell_impl"},
    {"net.zarvo.mvp.actionclasses.headercelldraganddrop", 0x0003107CF964AFA3ull, "ActionInterface", "", "widget_headercell_impl"},
    {"net.zarvo.mvp.widgetclasses.headercell", 0x0002622BF1405B1Dull, "HeaderCellWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_headercell_impl"},
    {"net.zarvo.mvp.widgetclasses.scrollarea", 0x000261917F548688ull, "ScrollAreaWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_scrollarea_impl"},
    {"net.zarvo.mvp.widgetclasses.scrollbar", 0x00025680907E9AB8ull, "ScrollbarWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_scrollbar_impl"},
    {"net.zarvo.mvp.widgetclasses.scrollslider", 0x0002832F1AB19C1Cull, "ScrollSliderWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_scrollslider_impl"},
    {"net.zarvo.mvp.widgetclasses.table", 0x0002101FA63CE960ull, "TableWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_table_impl"},
    {"net.zarvo.mvp.widgetclasses.dummyitem", 0x00025350231E804Dull, "DummyItemInterface", "", "widget_treegraph_impl"},
    {"net.zarvo.mvp.widgetclasses.treelevel", 0x000257A47A304F38ull, "TreeLevelWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_treegraph_impl"},
    {"net.zarvo.mvp.widgetclasses.treeitem", 0x00024315D26380DFull, "TreeItemWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_treegraph_impl"},
    {"net.zarvo.mvp.widgetclasses.treegraph", 0x000257A479EF7502ull, "TreeGraphWidgetInterface", "net.zarvo.mvp.widgetclasses", "widget_treegraph_impl"},
    {"net.zarvo.mvp.windowclasses.desktop2d", 0x0002578FFC351FF4ull, "AppWindowInterface", "net.zarvo.mvp.registry", "window_app_impl"},
};

constexpr bool HashesMatch() {
  for (const CatalogueClass& row : kClassCatalogue) {
    if (HashIdBytes(row.classId) != row.hash) return false;
  }
  return true;
}
static_assert(HashesMatch(), "a catalogue hash does not follow the identifier rule");

}  // namespace

std::span<const CatalogueClass> GetClassCatalogue() noexcept { return kClassCatalogue; }

const CatalogueClass* FindCatalogueClass(std::string_view classId) noexcept {
  for (const CatalogueClass& row : kClassCatalogue) {
    if (row.classId == classId) return &row;
  }
  return nullptr;
}

}  // namespace zarvo
