#include "tests/fuzz/EventFuzzer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "host/core/ClassRegistry.h"
#include "host/core/HostRegistrations.h"
#include "host/core/MainThreadQueue.h"
#include "host/ui/EventKeys.h"
#include "source/interfaces/FlexBoxWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/interfaces/ScrollAreaWidgetInterface.h"
#include "source/interfaces/TableWidgetInterface.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"
#include "source/interfaces/TimeSliderWidgetInterface.h"

namespace zarvo::fuzz {

namespace {

constexpr Float kNaN = std::numeric_limits<Float>::quiet_NaN();
constexpr Float kInfinity = std::numeric_limits<Float>::infinity();
constexpr std::array<Float, 16> kHostileFloats = {
    0.0, -0.0, -1.0, 1.0, 0.5, 3.0, 100.0, 1e6, -1e6, 1e300, -1e300, 1e-300,
    std::numeric_limits<Float>::denorm_min(), kNaN, kInfinity, -kInfinity};
constexpr std::array<Int32, 24> kKeys = {
    KEY::TAB, KEY::ESCAPE, KEY::ENTER, KEY::UP, KEY::DOWN, KEY::LEFT, KEY::RIGHT, KEY::PAGE_UP,
    KEY::PAGE_DOWN, KEY::HOME, KEY::END, KEY::BACKSPACE, KEY::DELETE, KEY::INSERT, KEY::SHIFT, KEY::CONTROL,
    KEY::ALT, KEY::F1, 'a', 'Z', ' ', '0', 0x20AC, -1};
constexpr std::array<Int, 7> kButtons = {BUTTON::LEFT, BUTTON::RIGHT, BUTTON::MIDDLE, 8, 16,
                                         BUTTON::LEFT | BUTTON::RIGHT, 0};
constexpr std::array<std::string_view, 12> kTextPieces = {
    "a", "Hello", " ", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\n", "\t", "\x80", "\xC3", "\xFF\xFE",
    "\xED\xA0\x80"};
// Window sizes to jump to, including none at all.
constexpr std::array<Vector2d, 8> kWindowSizes = {Vector2d{640, 480}, Vector2d{0, 0},    Vector2d{1, 1},
                                                  Vector2d{0, 300},   Vector2d{300, 0},  Vector2d{37, 19},
                                                  Vector2d{1200, 90}, Vector2d{90, 900}};
// How many of the catalogue's widgets the structure has room for, at least.
constexpr int kTableSide = 3;
constexpr int kFlexCells = 4;
constexpr int kScrolledCells = 6;
constexpr Float kMaxTimeStepSeconds = 2.0;

std::string Describe(Float value) {
  if (std::isnan(value)) return "nan";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

std::string Describe(Vector2d v) { return "(" + Describe(v.x) + "," + Describe(v.y) + ")"; }

std::string Describe(CanvasUnitValue v) { return Describe(v.value) + "u" + std::to_string(static_cast<int>(v.unit)); }

std::string NameOf(const WidgetInterface* widget) {
  if (!widget) return "none";
  const std::string name = widget->GetName();
  return name.empty() ? "unnamed" : name;
}

bool IsFinite(Vector2d v) { return std::isfinite(v.x) && std::isfinite(v.y); }

}  // namespace

EventFuzzer::EventFuzzer(const FuzzOptions& options) : options_(options), random_(options.seed) {
  if (!options_.logPath.empty()) log_.OpenFile(options_.logPath);
}

EventFuzzer::~EventFuzzer() {
  if (window_) (void)window_->Close();
}

// ---- building -------------------------------------------------------------------------------

Result<WidgetRef> EventFuzzer::NewWidget(const Id& classId) { return CreateObject<WidgetInterface>(classId); }

Result<void> EventFuzzer::AddContainerCells(const WidgetRef& container, int count) {
  if (auto table = Cast<TableWidgetInterface>(container)) {
    ZV_TRY(table->Resize(count, count));
    for (Int i = 0; i < table->GetCountX() * table->GetCountY(); ++i) {
      ZV_TRY_ASSIGN(CellWidgetRef cell, table->GetCell(i));
      slots_.push_back(cell);
    }
  } else if (auto box = Cast<FlexBoxWidgetInterface>(container)) {
    ZV_TRY(box->Resize(count));
    for (Int i = 0; i < box->GetCount(); ++i) {
      ZV_TRY_ASSIGN(CellWidgetRef cell, box->GetCell(i));
      slots_.push_back(cell);
    }
  }
  return Ok();
}

Result<void> EventFuzzer::BuildWindow() {
  ZV_TRY_ASSIGN(window_, AppWindow::Create(WindowClass::Window(), Rect::FromSize(0, 0, windowSize_.x, windowSize_.y),
                                           "event fuzzer"));
  ZV_TRY(window_->Open());
  containers_.clear();
  slots_.clear();
  // outer flexbox: a table, a scroll area over a flexbox, a flexbox, and cells of its own.
  ZV_TRY_ASSIGN(WidgetRef outer, NewWidget(Id(kFlexBoxWidgetClassId)));
  outer->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
  outer->SetInheritParentSize(true, WIDGET_DIRECTION::VERTICAL);
  ZV_TRY(window_->GetAppWidget()->InsertChildLast(outer));
  auto outerBox = Cast<FlexBoxWidgetInterface>(outer);
  ZV_TRY(outerBox->SetLayout(FLEXBOX_LAYOUT::TOP_BOTTOM_LEFT_RIGHT));
  ZV_TRY(outerBox->Resize(4));
  containers_.push_back(outer);

  ZV_TRY_ASSIGN(WidgetRef table, NewWidget(Id(kTableWidgetClassId)));
  ZV_TRY_ASSIGN(CellWidgetRef tableCell, outerBox->GetCell(0));
  ZV_TRY(tableCell->InsertChildLast(table));
  ZV_TRY(AddContainerCells(table, kTableSide));
  containers_.push_back(table);

  ZV_TRY_ASSIGN(WidgetRef scroll, NewWidget(Id(kScrollAreaWidgetClassId)));
  ZV_TRY_ASSIGN(CellWidgetRef scrollCell, outerBox->GetCell(1));
  ZV_TRY(scrollCell->InsertChildLast(scroll));
  // The scroll area makes its cells when it first enters a layout.
  ZV_TRY(window_->Update());
  ZV_TRY_ASSIGN(WidgetRef scrolled, NewWidget(Id(kFlexBoxWidgetClassId)));
  ZV_TRY(Cast<FlexBoxWidgetInterface>(scrolled)->SetLayout(FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM));
  ZV_TRY(Cast<ScrollAreaWidgetInterface>(scroll)->SetWidgetToBeScrolled(scrolled));
  ZV_TRY(AddContainerCells(scrolled, kScrolledCells));
  containers_.push_back(scroll);
  containers_.push_back(scrolled);

  ZV_TRY_ASSIGN(WidgetRef flex, NewWidget(Id(kFlexBoxWidgetClassId)));
  ZV_TRY_ASSIGN(CellWidgetRef flexCell, outerBox->GetCell(2));
  ZV_TRY(flexCell->InsertChildLast(flex));
  ZV_TRY(AddContainerCells(flex, kFlexCells));
  containers_.push_back(flex);

  ZV_TRY_ASSIGN(CellWidgetRef last, outerBox->GetCell(3));
  slots_.push_back(last);
  PlaceLeaves();
  // Widgets may refuse the places they got (a scrollbar outside a scroll area): noted, not fatal.
  Note(window_->Update());
  return Ok();
}

void EventFuzzer::PlaceLeaves() {
  // More classes than cells: the flexbox at the bottom takes the rest, one cell each.
  const size_t needed = leaves_.size();
  if (slots_.size() < needed) {
    if (auto box = Cast<FlexBoxWidgetInterface>(containers_.back())) {
      const Int before = box->GetCount();
      if (box->Resize(before + static_cast<Int>(needed - slots_.size())).IsOk()) {
        for (Int i = before; i < box->GetCount(); ++i) {
          if (Result<CellWidgetRef> cell = box->GetCell(i); cell.IsOk()) slots_.push_back(*cell);
        }
      }
    }
  }
  std::vector<size_t> order(slots_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), random_);
  for (size_t i = 0; i < leaves_.size() && i < order.size(); ++i) {
    if (leaves_[i]->GetParent()) leaves_[i]->Remove();
    Note(slots_[order[i]]->InsertChildLast(leaves_[i]));
  }
}

// ---- running --------------------------------------------------------------------------------

Result<void> EventFuzzer::Run() {
  ZV_TRY_ASSIGN(std::vector<Id> classes, ClassRegistry::Get().GetRegistryClasses(Id(kWidgetClassesRegistry)));
  for (const Id& classId : classes) {
    Result<WidgetRef> widget = NewWidget(classId);
    if (!widget.IsOk()) {
      log_.Add(step_, "skip " + classId.GetString() + ": " + widget.GetError().GetMessage());
      continue;
    }
    classes_.push_back(classId);
    leaves_.push_back(*widget);
  }
  if (classes_.empty()) return IllegalStateError("The widget catalogue holds no class to fuzz");
  ZV_TRY(BuildWindow());
  while (eventsSent_ < options_.events) {
    if (options_.beforeBatch) options_.beforeBatch();
    for (uint64_t i = 0; i < options_.batch && eventsSent_ < options_.events; ++i) Step();
    ZV_TRY(UpdateAndCheck());
  }
  log_.Flush();
  return Ok();
}

void EventFuzzer::Step() {
  ++step_;
  const uint64_t pick = Below(1000);
  if (pick < 520) {
    SendPointer();
  } else if (pick < 700) {
    SendKey();
  } else if (pick < 760) {
    SendText();
  } else if (pick < 790) {
    SendOddEvent();
  } else if (pick < 930) {
    CallSetter();
  } else if (pick < 945) {
    ResizeWindow();
  } else if (pick < 975) {
    MoveWidgets();
  } else if (pick < 976) {
    RebuildWindow();
  } else {
    AdvanceTime();
  }
}

void EventFuzzer::Deliver(const DataDictionary& event, const std::string& what) {
  ++eventsSent_;
  // Now and then to a window the widgets opened (a drop-down, a menu), else to the main one.
  std::vector<Ref<AppWindow>> open = AppWindow::GetOpenWindows();
  Ref<AppWindow> target = window_;
  if (open.size() > 1 && Chance(0.3)) target = open[Below(open.size())];
  log_.Add(step_, what);
  if (!target || !target->IsOpen()) return;
  target->InjectEvent(event);
  Note(target->GetLastDispatchResult());
  if (Chance(0.1)) Note(target->Update());
}

Float EventFuzzer::HostileFloat() { return kHostileFloats[Below(kHostileFloats.size())]; }

Float EventFuzzer::Coordinate(Float extent) {
  if (Chance(0.9)) return std::uniform_real_distribution<Float>(0.0, std::max<Float>(extent, 1.0))(random_);
  if (Chance(0.7)) return std::uniform_real_distribution<Float>(-200.0, extent + 200.0)(random_);
  return HostileFloat();
}

Vector2d EventFuzzer::Position() { return {Coordinate(windowSize_.x), Coordinate(windowSize_.y)}; }

CanvasUnitValue EventFuzzer::HostileLength() {
  const Float value = Chance(0.5) ? HostileFloat() : std::uniform_real_distribution<Float>(-50.0, 400.0)(random_);
  // Units 0..2 are PIX, REM and FON; 3 and 77 are none of them.
  static constexpr std::array<int, 5> kUnits = {0, 1, 2, 3, 77};
  return {value, static_cast<CANVAS_UNIT>(kUnits[Below(kUnits.size())])};
}

ColorA EventFuzzer::HostileColor() {
  auto channel = [&] { return Chance(0.8) ? std::uniform_real_distribution<Float>(0.0, 1.0)(random_) : HostileFloat(); };
  return {channel(), channel(), channel(), channel()};
}

std::string EventFuzzer::RandomText() {
  std::string text;
  const uint64_t pieces = Chance(0.02) ? 2000 : Below(12);
  for (uint64_t i = 0; i < pieces; ++i) {
    if (Chance(0.1)) {
      text.push_back(static_cast<char>(Below(256)));  // any byte, NUL and malformed ones included
    } else {
      text += kTextPieces[Below(kTextPieces.size())];
    }
  }
  return text;
}

void EventFuzzer::SendPointer() {
  const Vector2d at = Position();
  const uint64_t kind = Below(100);
  Int modifiers = Chance(0.2) ? static_cast<Int>(Below(16)) : MODIFIER::NONE;
  if (kind < 45) {
    const EVENT type = heldButtons_ ? EVENT::BUTTON_DRAG : EVENT::MOUSE_MOVE;
    Deliver(MakeMouseEvent(type, at, heldButtons_, modifiers), std::string(heldButtons_ ? "drag " : "move ") + Describe(at));
  } else if (kind < 65) {
    const Int button = kButtons[Below(kButtons.size())];
    heldButtons_ |= button;
    const Int clicks = 1 + static_cast<Int>(Below(3));
    Deliver(MakeMouseEvent(EVENT::BUTTON_DOWN, at, button, modifiers, clicks),
            "press " + std::to_string(button) + " x" + std::to_string(clicks) + " " + Describe(at));
  } else if (kind < 85) {
    const Int button = heldButtons_ && Chance(0.8) ? heldButtons_ : kButtons[Below(kButtons.size())];
    heldButtons_ &= ~button;
    Deliver(MakeMouseEvent(EVENT::BUTTON_UP, at, button, modifiers), "release " + std::to_string(button) + " " + Describe(at));
  } else {
    Vector2d scroll{0.0, Chance(0.5) ? kScrollPixelsPerWheelNotch : -kScrollPixelsPerWheelNotch};
    if (Chance(0.3)) scroll.x = scroll.y, scroll.y = 0.0;
    if (Chance(0.15)) scroll = {HostileFloat(), HostileFloat()};
    Deliver(MakeScrollEvent(at, scroll, modifiers), "wheel " + Describe(scroll) + " " + Describe(at));
  }
}

void EventFuzzer::SendKey() {
  const Int32 key = Chance(0.9) ? kKeys[Below(kKeys.size())] : static_cast<Int32>(random_());
  const Int modifiers = Chance(0.25) ? static_cast<Int>(Below(16)) : MODIFIER::NONE;
  const uint64_t kind = Below(10);
  const EVENT type = kind < 6 ? EVENT::KEYBOARD_KEY_DOWN : kind < 7 ? EVENT::KEYBOARD_KEY_REPEAT : EVENT::KEYBOARD_KEY_UP;
  Deliver(MakeKeyEvent(type, key, modifiers),
          "key " + std::to_string(static_cast<int>(type)) + " " + std::to_string(key) + " mod " + std::to_string(modifiers));
}

void EventFuzzer::SendText() {
  const std::string text = RandomText();
  Deliver(MakeTextEvent(text), "text of " + std::to_string(text.size()) + " bytes");
}

void EventFuzzer::SendOddEvent() {
  static constexpr std::array<int, 12> kTypes = {1, 2, 30, 40, 50, 200, 201, 202, 203, 11, 9999, -5};
  const int type = kTypes[Below(kTypes.size())];
  DataDictionary event;
  event.Set(EventKeys::EventType(), static_cast<Int32>(type));
  if (Chance(0.7)) event.Set(EventKeys::Position(), Position());
  if (Chance(0.3)) event.Set(EventKeys::ButtonState(), static_cast<Int>(Below(32)));
  // A key of the wrong type: handlers must refuse it, not misread it.
  if (Chance(0.2)) event.Set(EventKeys::Key(), String("not a key"));
  Deliver(event, "event type " + std::to_string(type));
}

WidgetRef EventFuzzer::PickWidget() {
  const uint64_t pick = Below(10);
  if (pick < 7 && !leaves_.empty()) return leaves_[Below(leaves_.size())];
  if (pick < 9 && !containers_.empty()) return containers_[Below(containers_.size())];
  if (!slots_.empty()) return slots_[Below(slots_.size())];
  return WidgetRef();
}

void EventFuzzer::CallSetter() {
  WidgetRef widget = PickWidget();
  if (!widget) return;
  if (Chance(0.5)) {
    CallClassSetter(widget);
  } else {
    CallBaseSetter(*widget);
  }
}

void EventFuzzer::CallBaseSetter(WidgetInterface& widget) {
  const std::string name = NameOf(&widget);
  const auto direction = static_cast<WIDGET_DIRECTION>(Below(2));
  switch (Below(20)) {
    case 0: {
      const Vector2d at{HostileFloat(), HostileFloat()};
      log_.Add(step_, name + ".SetLocalPosition" + Describe(at));
      widget.SetLocalPosition(at);
      break;
    }
    case 1: {
      const Float w = HostileFloat(), h = HostileFloat();
      log_.Add(step_, name + ".SetLocalSize" + Describe(Vector2d{w, h}));
      Note(widget.SetLocalSize(w, h));
      break;
    }
    case 2: {
      const CanvasUnitValue w = HostileLength(), h = HostileLength();
      log_.Add(step_, name + ".SetLocalSize " + Describe(w) + " " + Describe(h));
      Note(widget.SetLocalSize(w, h));
      break;
    }
    case 3: {
      const Vector2d scale{HostileFloat(), HostileFloat()};
      log_.Add(step_, name + ".SetLocalScale" + Describe(scale));
      widget.SetLocalScale(scale);
      break;
    }
    case 4: {
      const auto mode = static_cast<WIDGET_SIZE>(Below(7));
      log_.Add(step_, name + ".SetSizeMode " + std::to_string(static_cast<int>(mode)));
      widget.SetSizeMode(mode, direction);
      break;
    }
    case 5: {
      const CanvasUnitValue size = HostileLength();
      const uint64_t which = Below(3);
      log_.Add(step_, name + ".Set" + (which == 0 ? "Min" : which == 1 ? "Max" : "Fixed") + "Size " + Describe(size));
      if (which == 0) widget.SetMinSize(size, direction);
      if (which == 1) widget.SetMaxSize(size, direction);
      if (which == 2) widget.SetFixedSize(size, direction);
      break;
    }
    case 6:
      log_.Add(step_, name + ".SetInheritParentSize");
      widget.SetInheritParentSize(Chance(0.5), direction);
      break;
    case 7:
      log_.Add(step_, name + ".SetLocalVisibility");
      widget.SetLocalVisibility(Chance(0.7));
      break;
    case 8:
      log_.Add(step_, name + ".SetColor");
      widget.SetColor(HostileColor());
      break;
    case 9: {
      const Float opacity = HostileFloat();
      log_.Add(step_, name + ".SetLocalOpacity " + Describe(opacity));
      widget.SetLocalOpacity(opacity);
      break;
    }
    case 10:
      log_.Add(step_, name + ".SetEnabled");
      widget.SetEnabled(Chance(0.7));
      break;
    case 11:
      log_.Add(step_, name + ".SetBackground");
      widget.SetBackgroundVisibility(Chance(0.5));
      widget.SetBackgroundColor(HostileColor());
      break;
    case 12: {
      const CanvasUnitValue width = HostileLength();
      log_.Add(step_, name + ".SetBorder " + Describe(width));
      widget.SetBorderVisibility(Chance(0.5));
      widget.SetBorderColor(HostileColor());
      widget.SetBorderLinewidth(width);
      break;
    }
    case 13: {
      const Rounding rounding{HostileLength(), HostileLength(), HostileLength(), HostileLength()};
      log_.Add(step_, name + ".SetRounding " + Describe(rounding.topLeft));
      widget.SetRounding(rounding);
      break;
    }
    case 14:
      log_.Add(step_, name + ".SetR2LMode");
      widget.SetR2LMode(static_cast<WIDGET_R2L_MODE>(Below(3)));
      widget.SetAcceptR2LMode(Chance(0.5));
      break;
    case 15:
      log_.Add(step_, name + ".SetOrientation");
      widget.SetOrientation(static_cast<WIDGET_ORIENTATION>(Below(5)));
      break;
    case 16:
      log_.Add(step_, name + ".SetLOD");
      widget.SetLOD(static_cast<Int>(random_()));
      break;
    case 17:
      log_.Add(step_, name + ".SetClipping");
      widget.SetClipping(Chance(0.5));
      break;
    case 18:
      log_.Add(step_, name + ".SetFocus");
      widget.SetAcceptFocus(Chance(0.8));
      widget.SetAcceptTabFocus(Chance(0.8));
      widget.SetFocusVisibility(Chance(0.5));
      if (AppWidgetInterface* app = widget.GetAppWidget()) Note(app->SetFocusWidget(&widget));
      break;
    default:
      log_.Add(step_, name + ".SetSelection");
      widget.SetSelection(Chance(0.5));
      break;
  }
}

void EventFuzzer::CallClassSetter(const WidgetRef& widget) {
  const std::string name = NameOf(widget.Get());
  const auto direction = static_cast<WIDGET_DIRECTION>(Below(2));
  if (auto edit = Cast<TextEditWidgetInterface>(widget); edit && Chance(0.3)) {
    log_.Add(step_, name + ".SetEditMode");
    // Enumerations stay in range: an unknown enumerator is a programmer mistake, asserted.
    edit->SetEditMode(static_cast<TEXTEDIT_MODE>(Below(3)));
    edit->SetForegroundColor(HostileColor());
    return;
  }
  if (auto text = Cast<TextWidgetInterface>(widget)) {
    switch (Below(5)) {
      case 0: {
        const std::string value = RandomText();
        log_.Add(step_, name + ".SetText of " + std::to_string(value.size()) + " bytes");
        text->SetText(value);
        break;
      }
      case 1: {
        const CanvasUnitValue size = HostileLength();
        log_.Add(step_, name + ".SetFontSize " + Describe(size));
        text->SetFontSize(size);
        break;
      }
      case 2:
        log_.Add(step_, name + ".SetWrapMode/SetClampMode");
        text->SetWrapMode(static_cast<WRAP_MODE>(Below(3)));
        text->SetClampMode(static_cast<CLAMP_MODE>(Below(4)));
        break;
      case 3:
        log_.Add(step_, name + ".SetMaximumLineCount");
        text->SetMaximumLineCount(static_cast<Int>(random_()) % 5);
        text->SetSkipEmptyLines(Chance(0.5));
        break;
      default: {
        const CanvasUnitValue size = HostileLength();
        log_.Add(step_, name + ".SetMinimalGlobalFontSize " + Describe(size));
        text->SetMinimalGlobalFontSize(size);
        text->SetAlignment(static_cast<ALIGNMENT>(Below(3)), direction);
        break;
      }
    }
    return;
  }
  if (auto cell = Cast<CellWidgetInterface>(widget)) {
    const CanvasUnitValue padding = HostileLength();
    const Float preferred = HostileFloat();
    log_.Add(step_, name + ".SetPadding " + Describe(padding) + " preferred " + Describe(preferred));
    Note(cell->SetPadding(padding, HostileLength(), HostileLength(), HostileLength()));
    cell->SetPreferredSize(preferred, direction);
    cell->SetAlignment(static_cast<ALIGNMENT_MODE>(Below(4)), direction);
    cell->SetStretchMode(static_cast<CELL_STRETCH_MODE>(Below(5)), direction);
    return;
  }
  if (auto scroll = Cast<ScrollAreaWidgetInterface>(widget)) {
    const CanvasUnitValue step = HostileLength();
    log_.Add(step_, name + ".IncreaseScroll " + Describe(step));
    Note(scroll->IncreaseScroll(step, direction));
    Note(scroll->ScrollToPage(static_cast<SCROLL_DIRECTION>(Below(3)), direction));
    scroll->SetScrollStep(HostileLength());
    scroll->SetAutoScrollbarsVisibilityMode(Chance(0.5));
    return;
  }
  if (auto table = Cast<TableWidgetInterface>(widget)) {
    log_.Add(step_, name + ".SetTableMode");
    table->SetTableMode(static_cast<TABLE_MODE>(Below(4)), direction);
    return;
  }
  if (auto box = Cast<FlexBoxWidgetInterface>(widget)) {
    log_.Add(step_, name + ".SetLayout");
    Note(box->SetLayout(static_cast<FLEXBOX_LAYOUT>(Below(9))));
    return;
  }
  if (auto slider = Cast<TimeSliderWidgetInterface>(widget)) {
    const Float value = HostileFloat();
    log_.Add(step_, name + ".SetTime* " + Describe(value));
    switch (Below(4)) {
      case 0: Note(slider->SetTimeValue(value)); break;
      case 1: Note(slider->SetMinTime(value)); break;
      case 2: Note(slider->SetMaxTime(value)); break;
      default: Note(slider->SetFps(value)); break;
    }
    return;
  }
  if (auto image = Cast<ImageWidgetInterface>(widget)) {
    static constexpr std::array<std::string_view, 4> kUrls = {"", "http://example.invalid/x.png",
                                                              "/nowhere/missing.svg", "svgdocument://12"};
    const std::string_view url = kUrls[Below(kUrls.size())];
    log_.Add(step_, name + ".SetUrl '" + std::string(url) + "'");
    Note(image->SetUrl(Url{std::string(url)}));
    return;
  }
  CallBaseSetter(*widget);
}

void EventFuzzer::ResizeWindow() {
  Vector2d size = kWindowSizes[Below(kWindowSizes.size())];
  if (Chance(0.5)) size = {static_cast<Float>(Below(1000)), static_cast<Float>(Below(800))};
  if (Chance(0.05)) size = {HostileFloat(), HostileFloat()};
  log_.Add(step_, "resize window " + Describe(size));
  if (!window_) return;
  Result<void> resized = window_->GetCanvas()->SetWindowSize(size);
  Note(resized);
  if (resized.IsOk()) windowSize_ = size;
}

void EventFuzzer::MoveWidgets() {
  if (leaves_.empty()) return;
  size_t index = Below(leaves_.size());
  // Most often the widget the user is busy with: the focused or hovered one, or one it holds.
  if (AppWidgetInterface* app = window_ ? window_->GetAppWidget() : nullptr; app && Chance(0.5)) {
    const WidgetInterface* busy = Chance(0.5) ? app->GetFocusWidget() : app->GetHoverWidget();
    for (size_t i = 0; busy && i < leaves_.size(); ++i) {
      for (const HierarchyObject* up = busy; up; up = up->GetParent()) {
        if (up == static_cast<const HierarchyObject*>(leaves_[i].Get())) index = i;
      }
    }
  }
  WidgetRef& leaf = leaves_[index];
  const uint64_t what = Below(3);
  if (what == 0) {
    log_.Add(step_, "remove " + NameOf(leaf.Get()));
    if (leaf->GetParent()) leaf->Remove();
  } else if (what == 1 && !slots_.empty()) {
    CellWidgetRef& slot = slots_[Below(slots_.size())];
    log_.Add(step_, "reinsert " + NameOf(leaf.Get()) + " into " + NameOf(slot.Get()));
    if (leaf->GetParent()) leaf->Remove();
    if (slot->GetFirstChild() && Chance(0.7)) {
      if (auto child = Ref<HierarchyObject>(slot->GetFirstChild())) child->Remove();
    }
    Note(slot->InsertChildLast(leaf));
  } else {
    log_.Add(step_, "destroy " + NameOf(leaf.Get()) + " and make a new " + classes_[index].GetString());
    HierarchyObject* parent = leaf->GetParent();
    Ref<HierarchyObject> keepParent(parent);
    if (parent) leaf->Remove();
    leaf = WidgetRef();
    if (Result<WidgetRef> fresh = NewWidget(classes_[index]); fresh.IsOk()) {
      leaf = *fresh;
      if (parent) Note(parent->InsertChildLast(leaf));
    } else {
      Note(Result<void>(fresh.GetError()));
    }
  }
  // A leaf that could not be made again stays out.
  if (!leaf) leaves_.erase(leaves_.begin() + static_cast<ptrdiff_t>(index)), classes_.erase(classes_.begin() + static_cast<ptrdiff_t>(index));
}

void EventFuzzer::RebuildWindow() {
  log_.Add(step_, "close the window and build it again");
  if (window_) Note(window_->Close());
  // Calls on widgets whose window has closed.
  for (const WidgetRef& leaf : leaves_) {
    CallBaseSetter(*leaf);
    leaf->RequestLayout();
    leaf->RequestRedraw();
    Note(leaf->HandleEvent(nullptr));
  }
  for (const WidgetRef& leaf : leaves_) {
    if (leaf->GetParent()) leaf->Remove();
  }
  window_ = Ref<AppWindow>();
  heldButtons_ = 0;
  if (windowSize_.x <= 0.0 || windowSize_.y <= 0.0) windowSize_ = {640.0, 480.0};
  Result<void> built = BuildWindow();
  Note(built);
}

void EventFuzzer::AdvanceTime() {
  const Float seconds = std::uniform_real_distribution<Float>(0.0, kMaxTimeStepSeconds)(random_);
  log_.Add(step_, "advance time " + Describe(seconds) + " s");
  if (GetVirtualHostClock()) GetMainThreadQueue().AdvanceTime(HostDurationFromSeconds(seconds));
  GetMainThreadQueue().RunDueJobs();
}

void EventFuzzer::Note(const Result<void>& result) {
  if (!result.IsOk()) ++errors_[result.GetError().GetMessage()];
}

void EventFuzzer::Note(const Result<bool>& result) {
  if (!result.IsOk()) ++errors_[result.GetError().GetMessage()];
}

Result<void> EventFuzzer::UpdateAndCheck() {
  GetMainThreadQueue().RunDueJobs();
  // Windows the widgets opened are updated like the main one, and now and then closed.
  for (const Ref<AppWindow>& open : AppWindow::GetOpenWindows()) {
    if (open != window_ && Chance(0.05)) {
      log_.Add(step_, "close a window the widgets opened");
      Note(open->Close());
      continue;
    }
    Note(open->Update());
  }
  if (!window_) return Ok();
  if (!window_->IsOpen()) {
    // A widget or an Escape closed it: start again.
    RebuildWindow();
    return Ok();
  }
  return CheckTree(window_->GetHostAppWidget());
}

Result<void> EventFuzzer::CheckTree(WidgetBase* widget) const {
  for (WidgetBase* child = widget->FirstChildBase(); child; child = child->NextBase()) {
    const Vector2d position = child->GetLocalPosition();
    const Vector2d size = child->GetLocalPixSize();
    if (!IsFinite(position) || std::isnan(size.x) || std::isnan(size.y) || size.x < 0.0 || size.y < 0.0) {
      return IllegalStateError(NameOf(child) + " has the position " + Describe(position) + " and the size " +
                               Describe(size));
    }
    ZV_TRY(CheckTree(child));
  }
  return Ok();
}

}  // namespace zarvo::fuzz
