#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "apps/gallery/Gallery.h"
#include "apps/gallery/GalleryCaption.h"
#include "host/core/ClassRegistry.h"
#include "source/ModuleUnits.h"
#include "source/interfaces/BooleanWidgetInterface.h"
#include "source/interfaces/CellWidgetInterface.h"
#include "source/interfaces/CheckboxWidgetInterface.h"
#include "source/interfaces/CompoundSpinboxSliderWidgetInterface.h"
#include "source/interfaces/MatWidgetInterface.h"
#include "source/interfaces/RadioGroupWidgetInterface.h"
#include "source/interfaces/SliderWidgetInterface.h"
#include "source/interfaces/SpinBoxWidgetInterface.h"
#include "source/interfaces/SpinnerWidgetInterface.h"
#include "source/interfaces/TristateButtonWidgetInterface.h"
#include "source/interfaces/VecWidgetInterface.h"

namespace zarvo::gallery {

namespace {

constexpr Float kMargin = 24.0;
constexpr Float kCaptionHeight = 22.0;
constexpr Float kSectionGap = 14.0;
constexpr Float kToggleSize = 20.0;
constexpr Float kToggleStride = 30.0;
constexpr Float kBooleanStride = 140.0;
constexpr ColorA kLabelColor{0.92, 0.92, 0.92, 1.0};
// The number sections stand in a second column beside the toggles.
constexpr Float kNumberColumnLeft = 660.0;
constexpr Float kSliderLength = 260.0;
constexpr Float kSliderSlotThickness = 30.0;
constexpr Float kVerticalSliderLength = 120.0;
constexpr Float kSliderRowStride = 36.0;
constexpr Float kSpinBoxRowHeight = 30.0;
constexpr Float kSpinBoxStride = 150.0;
constexpr Float kNumberWidgetWidth = 420.0;
constexpr Float kNumberRowStride = 40.0;
constexpr Float kVectorRowStride = 36.0;
constexpr Int kLargestImageSide = 16384;
// The colour slider's gradient: a run through the hues.
const std::vector<ColorA> kHueStops = {{1, 0, 0, 1}, {1, 1, 0, 1}, {0, 1, 0, 1}, {0, 1, 1, 1},
                                       {0, 0, 1, 1}, {1, 0, 1, 1}, {1, 0, 0, 1}};

// Sections are stacked top to bottom: each takes the place below the one before and moves it on
// by what it used. A new section is one more function of this shape, called from the builder.
struct ValuesPage {
  Gallery& gallery;
  WidgetRef root;
  Float top = kMargin;
  Float left = kMargin;

  // The caption of a section at the current place; returns where its widgets start.
  [[nodiscard]] Result<Float> BeginSection(const String& caption) {
    ZV_TRY(AddCaption(root, caption, {left, top}));
    return top + kCaptionHeight;
  }
  // The sections after this stack from the top of a column at `x`.
  void BeginColumn(Float x) {
    left = x;
    top = kMargin;
  }
  void EndSection(Float bottom) { top = bottom + kSectionGap; }
  [[nodiscard]] Result<void> Place(const WidgetRef& widget, Vector2d at) {
    ZV_TRY(root->InsertChildLast(widget));
    ZV_TRY(widget->CreateLayout());
    widget->SetLocalPosition(at);
    return Ok();
  }
  GalleryLog& Log() { return gallery.GetLog(); }
};

const char* const kSymbolNames[] = {"checkmark", "triangle", "preview", "folder", "solo", "radio", "comment"};

void LogCheckbox(ValuesPage& page, const CheckboxWidgetRef& box, const std::string& label) {
  GalleryLog* log = &page.Log();
  box->ObservableStateChanged()->AddObserver([log, label](const CheckboxWidgetRef& sender, Bool on) -> Result<void> {
    log->Add("ObservableStateChanged " + sender->GetName() + " " + label + (on ? " on" : " off"));
    return Ok();
  });
}

// One row per reaction, every symbol in each; the release row starts switched on.
Result<void> AddCheckboxSection(ValuesPage& page) {
  const BUTTON_REACTION reactions[] = {BUTTON_REACTION::BUTTON_DOWN, BUTTON_REACTION::BUTTON_UP};
  for (BUTTON_REACTION reaction : reactions) {
    const bool onPress = reaction == BUTTON_REACTION::BUTTON_DOWN;
    ZV_TRY_ASSIGN(Float y, page.BeginSection(onPress ? "Check boxes, every symbol: toggled on press"
                                                     : "Check boxes: toggled on release, Enter toggles the focused one"));
    Float x = kMargin;
    for (Int i = 0; i < static_cast<Int>(std::size(kSymbolNames)); ++i) {
      ZV_TRY_ASSIGN(CheckboxWidgetRef box, CreateObject<CheckboxWidgetInterface>(Id(kCheckboxWidgetClassId)));
      ZV_TRY(page.Place(box, {x, y}));
      ZV_TRY(box->SetLocalSize(kToggleSize, kToggleSize));
      ZV_TRY(box->SetSymbol(static_cast<CHECKBOX_SYMBOL>(i + 1)));
      box->SetButtonReaction(reaction);
      box->SetState(!onPress);
      LogCheckbox(page, box, std::string(kSymbolNames[i]) + (onPress ? " (press)" : " (release)"));
      x += kToggleStride;
    }
    page.EndSection(y + kToggleSize);
  }
  return Ok();
}

Result<Url> StateIconUrl(const char* name) {
  ZV_TRY_ASSIGN(std::filesystem::path folder, FindWidgetsModuleFolder());
  return Url{(folder / "icons" / "checkbox" / (std::string(name) + ".svg")).string()};
}

// Two tristate buttons showing hidden, visible and solo; the first steps on press, the second on
// release.
Result<void> AddTristateSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Tristate buttons: click steps on, Shift-click steps back"));
  const char* icons[kTristateCount] = {"checkmark", "preview", "solo"};
  const BUTTON_REACTION reactions[] = {BUTTON_REACTION::BUTTON_DOWN, BUTTON_REACTION::BUTTON_UP};
  Float x = kMargin;
  for (BUTTON_REACTION reaction : reactions) {
    ZV_TRY_ASSIGN(TristateButtonWidgetRef button,
                  CreateObject<TristateButtonWidgetInterface>(Id(kTristateButtonWidgetClassId)));
    ZV_TRY(page.Place(button, {x, y}));
    ZV_TRY(button->SetLocalSize(kToggleSize, kToggleSize));
    for (Int32 state = 0; state < kTristateCount; ++state) {
      ZV_TRY_ASSIGN(Url url, StateIconUrl(icons[state]));
      ZV_TRY(button->SetIcon(url, state));
    }
    button->SetButtonReaction(reaction);
    const std::string label = reaction == BUTTON_REACTION::BUTTON_DOWN ? "press" : "release";
    GalleryLog* log = &page.Log();
    button->ObservableStateChanged()->AddObserver(
        [log, label](const TristateButtonWidgetRef& sender, Int32 state) -> Result<void> {
          log->Add("ObservableStateChanged " + sender->GetName() + " " + label + " " + std::to_string(state));
          return Ok();
        });
    x += kToggleStride;
  }
  page.EndSection(y + kToggleSize);
  return Ok();
}

// A boolean with its default text and one named by the application, switched on.
Result<void> AddBooleanSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Boolean widgets"));
  const char* labels[] = {nullptr, "Snap to grid"};
  Float x = kMargin;
  Float bottom = y;
  for (const char* label : labels) {
    ZV_TRY_ASSIGN(BooleanWidgetRef boolean, CreateObject<BooleanWidgetInterface>(Id(kBooleanWidgetClassId)));
    ZV_TRY(page.Place(boolean, {x, y}));
    ZV_TRY_ASSIGN(TextWidgetRef text, boolean->GetTextWidget());
    if (label) text->SetText(label);
    text->SetColor(kLabelColor);
    ZV_TRY_ASSIGN(CheckboxWidgetRef box, boolean->GetCheckboxWidget());
    LogCheckbox(page, box, text->GetText());
    if (label) ZV_TRY(boolean->SetValue(true));
    x += kBooleanStride;
    bottom = y + kCaptionHeight;
  }
  page.EndSection(bottom);
  return Ok();
}

// A group of three, the second selected.
Result<void> AddRadioGroupSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Radio group"));
  ZV_TRY_ASSIGN(RadioGroupWidgetRef group, CreateObject<RadioGroupWidgetInterface>(Id(kRadioGroupWidgetClassId)));
  ZV_TRY(page.Place(group, {kMargin, y}));
  const char* labels[] = {"Draft", "Preview", "Final"};
  ZV_TRY(group->ResizeButtons(std::size(labels)));
  for (uint64_t i = 0; i < std::size(labels); ++i) {
    ZV_TRY_ASSIGN(BooleanWidgetRef button, group->GetButton(i));
    ZV_TRY_ASSIGN(TextWidgetRef text, button->GetTextWidget());
    text->SetText(labels[i]);
    text->SetColor(kLabelColor);
  }
  ZV_TRY(group->SetValue(1));
  GalleryLog* log = &page.Log();
  group->ObservableValueChanged()->AddObserver([log](const WidgetRef& sender, uint64_t index) -> Result<void> {
    log->Add("ObservableValueChanged " + sender->GetName() + " " + std::to_string(index));
    return Ok();
  });
  page.EndSection(y + kCaptionHeight * static_cast<Float>(std::size(labels)));
  return Ok();
}

template <class T>
std::string FormatValue(T value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

// Every value widget reports (sender, value, drag or held flag); the log shows all three.
template <class Observable>
void LogValue(ValuesPage& page, const Ref<Observable>& observable, const std::string& label) {
  GalleryLog* log = &page.Log();
  observable->AddObserver([log, label](const WidgetRef& sender, auto value, Bool active) -> Result<void> {
    log->Add("ObservableValueChanged " + sender->GetName() + " " + label + " " + FormatValue(value) +
             (active ? " (dragging)" : ""));
    return Ok();
  });
}

// A slider lies along its parent's whole length, so each one gets a slot of the length it is
// to have.
template <class T>
Result<Ref<SliderWidgetInterface<T>>> PlaceSlider(ValuesPage& page, Vector2d at, WIDGET_ORIENTATION orientation,
                                                  const std::string& label) {
  ZV_TRY_ASSIGN(CellWidgetRef slot, CreateObject<CellWidgetInterface>(Id(kCellWidgetClassId)));
  ZV_TRY(page.Place(slot, at));
  const bool horizontal = IsHorizontal(orientation);
  const Float width = horizontal ? kSliderLength : kSliderSlotThickness;
  const Float height = horizontal ? kSliderSlotThickness : kVerticalSliderLength;
  slot->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  slot->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
  slot->SetFixedSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
  slot->SetFixedSize(CanvasUnitValue::Pix(height), WIDGET_DIRECTION::VERTICAL);
  ZV_TRY(slot->SetLocalSize(width, height));
  const char* classId = std::is_same_v<T, Int> ? kIntSliderWidgetClassId : kFloatSliderWidgetClassId;
  ZV_TRY_ASSIGN(Ref<SliderWidgetInterface<T>> slider, CreateObject<SliderWidgetInterface<T>>(Id(classId)));
  ZV_TRY(slot->InsertChildLast(slider));
  ZV_TRY(slider->CreateLayout());
  slider->SetOrientation(orientation);
  LogValue(page, slider->ObservableValueChanged(), label);
  return slider;
}

// An Int and a Float slider along, and the same two upright beside them.
Result<void> AddSliderSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Sliders: Int and Float, across and upright"));
  ZV_TRY_ASSIGN(IntSliderWidgetRef ints,
                PlaceSlider<Int>(page, {page.left, y}, WIDGET_ORIENTATION::LEFT_RIGHT, "int across"));
  ZV_TRY(ints->SetValue(25, false));
  ZV_TRY_ASSIGN(FloatSliderWidgetRef floats,
                PlaceSlider<Float>(page, {page.left, y + kSliderRowStride}, WIDGET_ORIENTATION::LEFT_RIGHT,
                                   "float across"));
  ZV_TRY(floats->SetMax(1.0));
  ZV_TRY(floats->SetStep(0.1));
  ZV_TRY(floats->SetValue(0.75, false));
  const Float uprightLeft = page.left + kSliderLength + kSliderRowStride;
  ZV_TRY_ASSIGN(IntSliderWidgetRef intsUp,
                PlaceSlider<Int>(page, {uprightLeft, y}, WIDGET_ORIENTATION::BOTTOM_TOP, "int upright"));
  ZV_TRY(intsUp->SetValue(60, false));
  ZV_TRY_ASSIGN(FloatSliderWidgetRef floatsUp,
                PlaceSlider<Float>(page, {uprightLeft + kSliderRowStride, y}, WIDGET_ORIENTATION::TOP_BOTTOM,
                                   "float upright"));
  ZV_TRY(floatsUp->SetValue(30.0, false));
  page.EndSection(y + kVerticalSliderLength);
  return Ok();
}

// A Float slider drawn as a hue gradient with a marker.
Result<void> AddColorSliderSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Colour slider"));
  ZV_TRY_ASSIGN(FloatSliderWidgetRef hue,
                PlaceSlider<Float>(page, {page.left, y}, WIDGET_ORIENTATION::LEFT_RIGHT, "hue"));
  ZV_TRY(hue->SetMax(360.0));
  ZV_TRY(hue->SetColorSlider(true));
  ZV_TRY(hue->SetSliderBackgroundColor(kHueStops));
  ZV_TRY(hue->SetValue(200.0, false));
  page.EndSection(y + kSliderSlotThickness);
  return Ok();
}

// A lone spinner arrow, then an Int spin box and a Float one in centimetres.
Result<void> AddSpinBoxSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Spinner and spin boxes: type arithmetic, drag or hold the arrows"));
  ZV_TRY_ASSIGN(SpinnerWidgetRef spinner, CreateObject<SpinnerWidgetInterface>(Id(kSpinnerWidgetClassId)));
  ZV_TRY(page.Place(spinner, {page.left, y}));
  GalleryLog* log = &page.Log();
  spinner->ObservableValueChanged()->AddObserver([log](Float delta, Bool reset, Bool active) -> Result<void> {
    log->Add("ObservableValueChanged SpinnerWidget " + FormatValue(delta) + (reset ? " reset" : "") +
             (active ? " (held)" : ""));
    return Ok();
  });
  ZV_TRY_ASSIGN(IntSpinBoxWidgetRef ints, CreateObject<IntSpinBoxWidgetInterface>(Id(kIntSpinBoxWidgetClassId)));
  ZV_TRY(page.Place(ints, {page.left + kSliderRowStride, y}));
  ZV_TRY(ints->SetValue(12, false));
  LogValue(page, ints->ObservableValueChanged(), "int");
  ZV_TRY_ASSIGN(FloatSpinBoxWidgetRef floats,
                CreateObject<FloatSpinBoxWidgetInterface>(Id(kFloatSpinBoxWidgetClassId)));
  ZV_TRY(page.Place(floats, {page.left + kSliderRowStride + kSpinBoxStride, y}));
  ZV_TRY(floats->SetUnit(NUMBER_WIDGET_UNIT_TYPE::CM));
  ZV_TRY(floats->SetStep(0.5));
  ZV_TRY(floats->SetValue(2.5, false));
  LogValue(page, floats->ObservableValueChanged(), "float");
  page.EndSection(y + kSpinBoxRowHeight);
  return Ok();
}

// Number widgets: Int with both children, Float with both, then the slider alone and the
// minimal spin box.
Result<void> AddNumberSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Number widgets: spin box and slider in step"));
  struct Row {
    bool ints;
    COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT layout;
    const char* label;
  };
  using Layout = COMPOUND_SPINBOXSLIDER_WIDGET_LAYOUT;
  const Row rows[] = {{true, Layout::SPINBOX_AND_SLIDER, "int"},
                      {false, Layout::SPINBOX_AND_SLIDER, "float"},
                      {true, Layout::SLIDER, "int slider only"},
                      {false, Layout::MINIMAL, "float minimal"}};
  for (const Row& row : rows) {
    if (row.ints) {
      ZV_TRY_ASSIGN(IntNumberWidgetRef number, CreateObject<IntNumberWidgetInterface>(Id(kIntNumberWidgetClassId)));
      ZV_TRY(page.Place(number, {page.left, y}));
      number->SetLayout(row.layout);
      ZV_TRY(number->SetValue(40, false));
      LogValue(page, number->ObservableValueChanged(), row.label);
    } else {
      ZV_TRY_ASSIGN(FloatNumberWidgetRef number,
                    CreateObject<FloatNumberWidgetInterface>(Id(kFloatNumberWidgetClassId)));
      ZV_TRY(page.Place(number, {page.left, y}));
      number->SetLayout(row.layout);
      ZV_TRY(number->SetStep(0.5));
      ZV_TRY(number->SetValue(62.5, false));
      LogValue(page, number->ObservableValueChanged(), row.label);
    }
    y += kNumberRowStride;
  }
  page.EndSection(y);
  return Ok();
}

// The components of a vector or matrix value, as the log shows them.
template <class V>
std::string FormatVector(const V& v) {
  std::string text = "(";
  for (Int i = 0; i < VectorShape<V>::kCount; ++i) {
    text += (i ? " " : "") + FormatValue(VectorShape<V>::Get(v, i));
  }
  return text + ")";
}

// A position in centimetres, an image size in whole pixels, then a transform shown without
// arrows so that its four rows stay compact.
Result<void> AddVectorSection(ValuesPage& page) {
  ZV_TRY_ASSIGN(Float y, page.BeginSection("Vectors and matrices: one spin box per component, Tab walks them"));
  GalleryLog* log = &page.Log();
  ZV_TRY_ASSIGN(VectorWidgetRef position, CreateObject<VecWidgetInterface<Vector>>(Id(kVectorWidgetClassId)));
  ZV_TRY(page.Place(position, {page.left, y}));
  ZV_TRY(position->SetUnit(NUMBER_WIDGET_UNIT_TYPE::CM, kAllComponents));
  ZV_TRY(position->SetStep(0.5, kAllComponents));
  ZV_TRY(position->SetValue(Vector{10.0, 0.0, -2.5}, false));
  position->ObservableValueChanged()->AddObserver(
      [log](const WidgetRef& sender, Vector value, Int component, Bool active) -> Result<void> {
        log->Add("ObservableValueChanged " + sender->GetName() + " position " + FormatVector(value) +
                 " component " + std::to_string(component) + (active ? " (dragging)" : ""));
        return Ok();
      });
  y += kVectorRowStride;
  ZV_TRY_ASSIGN(IntVector2dWidgetRef size,
                CreateObject<VecWidgetInterface<IntVector2d>>(Id(kIntVector2dWidgetClassId)));
  ZV_TRY(page.Place(size, {page.left, y}));
  ZV_TRY(size->SetRange(1, kLargestImageSide, kAllComponents));
  ZV_TRY(size->SetValue(IntVector2d{1920, 1080}, false));
  size->ObservableValueChanged()->AddObserver(
      [log](const WidgetRef& sender, IntVector2d value, Int component, Bool active) -> Result<void> {
        log->Add("ObservableValueChanged " + sender->GetName() + " size " + FormatVector(value) + " component " +
                 std::to_string(component) + (active ? " (dragging)" : ""));
        return Ok();
      });
  y += kVectorRowStride;
  ZV_TRY_ASSIGN(MatrixWidgetRef transform, CreateObject<MatWidgetInterface<Matrix>>(Id(kMatrixWidgetClassId)));
  ZV_TRY(page.Place(transform, {page.left, y}));
  transform->SetLayout(SPINBOX_LAYOUT::MINIMAL);
  transform->ObservableValueChanged()->AddObserver(
      [log](const WidgetRef& sender, Matrix value, Int row, Int column, Bool) -> Result<void> {
        log->Add("ObservableValueChanged " + sender->GetName() + " transform row " + std::to_string(row) + " column " +
                 std::to_string(column) + " " + FormatValue(GetMatrixComponent(value, row, column)));
        return Ok();
      });
  page.EndSection(y + static_cast<Float>(MatrixShape<Matrix>::kRows) * kSpinBoxRowHeight);
  return Ok();
}

}  // namespace

// Named by the page list. The positions follow the sections' stacking above: the check box
// rows at y 46 and 102, the tristate buttons at 158, the booleans at 214, the radio group at 272
// with a row every 22 pixels. In the second column the Int slider lies along y 61 from x 660 to
// 920, and the Int spin box's text is centred at 737 276; the position vector's y component at
// 793 540.
extern const char* const kValuesPageScript;
const char* const kValuesPageScript =
    "# Step the first tristate button through all its states and back to the first.\n"
    "0.0 move 34 168\n"
    "0.1 press 34 168\n"
    "0.2 release 34 168\n"
    "0.3 shot tristate_second\n"
    "0.4 press 34 168\n"
    "0.5 release 34 168\n"
    "0.6 shot tristate_third\n"
    "0.7 press 34 168\n"
    "0.8 release 34 168\n"
    "0.9 shot tristate_first\n"
    "# Toggle a check box on press and one on release, then pick the last radio button.\n"
    "1.0 press 34 56\n"
    "1.1 release 34 56\n"
    "1.2 press 64 112\n"
    "1.3 release 64 112\n"
    "1.4 key enter\n"
    "1.5 keyup enter\n"
    "1.6 press 35 327\n"
    "1.7 release 35 327\n"
    "1.8 shot after\n"
    "# Drag the Int slider from a fifth of its track to two thirds, then type 2*3 into the Int\n"
    "# spin box.\n"
    "2.0 move 712 61\n"
    "2.1 press 712 61\n"
    "2.2 drag 770 61\n"
    "2.3 drag 833 61\n"
    "2.4 release 833 61\n"
    "2.5 shot slider_dragged\n"
    "2.6 press 737 276\n"
    "2.7 release 737 276\n"
    "2.8 type 2*3\n"
    "2.9 key enter\n"
    "3.0 keyup enter\n"
    "3.1 shot spinbox_typed\n"
    "# Type 4*2 into the position's y component and end the edit with Tab.\n"
    "3.2 press 793 540\n"
    "3.3 release 793 540\n"
    "3.4 type 4*2\n"
    "3.5 key tab\n"
    "3.6 keyup tab\n"
    "3.7 shot vector_typed\n";

Result<WidgetRef> BuildValuesPage(Gallery& gallery) {
  ValuesPage page{gallery, gallery.MakePageRoot()};
  ZV_TRY(AddCheckboxSection(page));
  ZV_TRY(AddTristateSection(page));
  ZV_TRY(AddBooleanSection(page));
  ZV_TRY(AddRadioGroupSection(page));
  page.BeginColumn(kNumberColumnLeft);
  ZV_TRY(AddSliderSection(page));
  ZV_TRY(AddColorSliderSection(page));
  ZV_TRY(AddSpinBoxSection(page));
  ZV_TRY(AddNumberSection(page));
  ZV_TRY(AddVectorSection(page));
  return page.root;
}

}  // namespace zarvo::gallery
