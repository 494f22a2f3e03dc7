#include "source/MessageDialogImpl.h"

#include <cmath>
#include <sstream>

#include "host/core/ClassRegistry.h"
#include "host/core/Log.h"
#include "host/core/StringResources.h"
#include "host/gfx/TextureCache.h"
#include "host/ui/AppWidget.h"
#include "host/ui/EventKeys.h"
#include "source/DialogWindow.h"
#include "source/ModuleUnits.h"
#include "source/interfaces/FrameWidgetInterface.h"
#include "source/interfaces/ImageWidgetInterface.h"
#include "source/interfaces/TextWidgetInterface.h"

namespace zarvo {

namespace {

constexpr char kAlreadyOpen[] = "A message dialog already exists. Only one is allowed at a time.";
constexpr char kGadgetTypeNotSet[] = "Gadget type not set.";
constexpr char kCheckboxNameNotSet[] = "Checkbox name not set.";
constexpr char kGadgetChildrenNotSet[] = "Gadget children data not set.";
constexpr char kDefaultTitle[] = "Vantor";
constexpr char kDropdownPlaceholder[] = "[DROPDOWN]";
constexpr char kIconFolder[] = "icons/messagedialog";
constexpr char kButtonNamePrefix[] = "TextButtonWidget_";

const ColorA kDialogBackground{0.239, 0.239, 0.239, 1.0};
const ColorA kButtonBackground{0.345, 0.345, 0.345, 1.0};
const ColorA kButtonBorder{0.2118, 0.2118, 0.2118, 1.0};
const ColorA kSeparatorColor{0.45, 0.45, 0.45, 1.0};
constexpr Float kButtonRoundingFon = 3.0;
constexpr Float kButtonCellPadding = 5.0;
constexpr Float kContentPaddingSide = 18.0;
constexpr Float kContentPaddingTop = 18.0;
constexpr Float kContentPaddingBottom = 10.0;
constexpr Float kIconRightPadding = 18.0;
constexpr Float kIconSide = 64.0;
constexpr Float kMessageMaxWidth = 300.0;
constexpr Float kGadgetRowPadding = 3.0;
constexpr Float kSeparatorHeight = 1.0;
// The title bar's share that the window adds to its content's height.
constexpr Float kTitleBarAllowance = 22.0;

// The one dialog that may exist; cleared when its window closes or its build fails.
MessageDialogImpl*& CurrentDialog() {
  static MessageDialogImpl* current = nullptr;
  return current;
}

Id Key(const char* key) { return Id(key); }

Result<String> LabelFor(std::string_view stringId) { return StringResources::Get().GetString(Id(stringId)); }

Result<TextWidgetRef> MakeText(const String& text) {
  ZV_TRY_ASSIGN(TextWidgetRef widget, CreateObject<TextWidgetInterface>(Id(kTextWidgetClassId)));
  widget->SetText(text);
  return widget;
}

Result<CellWidgetRef> CellAt(const TableWidgetInterface& table, Int x, Int y) {
  ZV_TRY_ASSIGN(CellWidgetRef cell, table.GetCell(x, y));
  if (!cell) return IllegalStateError("Invalid table hierarchy.");
  return cell;
}

Result<void> SetPaddingPix(CellWidgetInterface& cell, Float left, Float right, Float top, Float bottom) {
  return cell.SetPadding(CanvasUnitValue::Pix(left), CanvasUnitValue::Pix(right), CanvasUnitValue::Pix(top),
                         CanvasUnitValue::Pix(bottom));
}

// The widest line of `text` in `font`, in pixels.
Float WidestLine(const FontHandle& font, std::string_view text) {
  Float widest = 0.0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    widest = std::max(widest, font.GetStringBoundingBox(text.substr(start, end - start)).Width());
    start = end + 1;
  }
  return widest;
}

// The icon the settings ask for, at double resolution; an empty URL for none.
Result<Url> IconUrl(const DataDictionary& settings) {
  ZV_TRY_ASSIGN(Int iconType, settings.Get<Int>(Key(MessageDialogSettings::kIconType), 0));
  if (static_cast<ICON_TYPE>(iconType) == ICON_TYPE::HIDDEN) return Url{};
  if (static_cast<ICON_TYPE>(iconType) == ICON_TYPE::CUSTOM) {
    return settings.Get<Url>(Key(MessageDialogSettings::kCustomIconX2), Url{});
  }
  ZV_TRY_ASSIGN(std::filesystem::path folder, FindWidgetsModuleFolder());
  return Url{(folder / kIconFolder / BuiltInIconFile(iconType)).string()};
}

}  // namespace

Result<RESULT> ShowMessageDialog(const DataDictionary& settings, DataDictionary* results) {
  return MessageDialogImpl::Show(settings, results);
}

MessageDialogImpl::MessageDialogImpl(const DataDictionary& settings) : settings_(settings) {}

MessageDialogImpl::~MessageDialogImpl() {
  if (CurrentDialog() == this) CurrentDialog() = nullptr;
}

Ref<MessageDialogImpl> MessageDialogImpl::GetCurrent() { return Ref<MessageDialogImpl>(CurrentDialog()); }

Result<RESULT> MessageDialogImpl::Show(const DataDictionary& settings, DataDictionary* results) {
  if (CurrentDialog()) return IllegalStateError(kAlreadyOpen);
  Ref<MessageDialogImpl> dialog = MakeRef<MessageDialogImpl>(settings);
  CurrentDialog() = dialog.Get();
  Result<void> built = dialog->Build();
  if (built.IsOk()) built = RunDialogSession(*dialog->window_);
  // However the dialog ended, no window stays open and the slot is free again.
  dialog->CloseWindow();
  if (CurrentDialog() == dialog.Get()) CurrentDialog() = nullptr;
  if (!built.IsOk()) return built.GetError();
  if (results) dialog->WriteResults(*results);
  return dialog->result_;
}

TextButtonWidgetRef MessageDialogImpl::GetButtonWidget(Int index) const {
  if (index < 0 || static_cast<size_t>(index) >= buttonWidgets_.size()) return TextButtonWidgetRef();
  return buttonWidgets_[static_cast<size_t>(index)];
}

Result<void> MessageDialogImpl::PressButton(Int index) {
  if (index < 0 || static_cast<size_t>(index) >= buttons_.size()) return Ok();
  result_ = buttons_[static_cast<size_t>(index)].result;
  pressedButton_ = index;
  if (window_ && window_->GetCanvas()) return window_->GetCanvas()->CloseWindow();
  return Ok();
}

void MessageDialogImpl::CloseWindow() {
  if (!window_ || !window_->GetCanvas()) return;
  if (Result<void> closed = window_->GetCanvas()->CloseWindow(); !closed.IsOk()) {
    LogWarning("Message dialog: closing its window failed: " + closed.GetError().ToString());
  }
}

Result<void> MessageDialogImpl::Build() {
  ZV_TRY_ASSIGN(String title, settings_.Get<String>(Key(MessageDialogSettings::kCustomDialogTitle), String()));
  if (title.empty()) title = kDefaultTitle;
  ZV_TRY_ASSIGN(window_, CreateDialogWindow(title, kDialogBackground));
  // However the window closes (a button, its close box, Escape), the slot is freed at once.
  const WeakRef<MessageDialogImpl> self(this);
  window_->GetCanvas()->ObservableClose()->AddObserver([self](CanvasInterface*) -> Result<void> {
    if (Ref<MessageDialogImpl> dialog = self.Lock(); dialog && CurrentDialog() == dialog.Get()) {
      CurrentDialog() = nullptr;
    }
    return Ok();
  });
  // Keys no widget took: Escape closes like the close box, a shortcut presses its button. The
  // window routes each event before this observer hears of it.
  window_->GetCanvas()->ObservableEvent()->AddObserver(
      [self](CanvasInterface*, const DataDictionary& event) -> Result<void> {
        Ref<MessageDialogImpl> dialog = self.Lock();
        if (!dialog || !dialog->window_) return Ok();
        const Result<bool>& routed = dialog->window_->GetHostWindow()->GetLastDispatchResult();
        if (routed.IsOk() && *routed) return Ok();
        ZV_TRY_ASSIGN(bool handled, dialog->HandleKey(event));
        (void)handled;
        return Ok();
      });

  ZV_TRY(ParseGadgets());
  ZV_TRY(CollectButtons());

  AppWidgetInterface& appWidget = *window_->GetAppWidget();
  ZV_TRY_ASSIGN(root_, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(root_->CreateLayout());
  ZV_TRY(appWidget.InsertChildLast(root_));
  ZV_TRY(root_->Resize(1, 2));
  ZV_TRY_ASSIGN(CellWidgetRef contentCell, CellAt(*root_, 0, 0));
  ZV_TRY(BuildContent(*contentCell));
  ZV_TRY_ASSIGN(CellWidgetRef buttonCell, CellAt(*root_, 0, 1));
  ZV_TRY(BuildButtonRow(*buttonCell));

  ZV_TRY(FitAndCentreDialog(*window_, *root_, kTitleBarAllowance));
  if (TextButtonWidgetRef focused = GetButtonWidget(focusedButton_)) ZV_TRY(appWidget.SetFocusWidget(focused.Get()));
  return Ok();
}

Result<void> MessageDialogImpl::ParseGadgets() {
  ZV_TRY_ASSIGN(DataArray list, settings_.Get<DataArray>(Key(MessageDialogSettings::kExtraGadgets), DataArray{}));
  for (const DataValue& entry : list) {
    const auto* described = std::get_if<std::shared_ptr<const DataDictionary>>(&entry.storage);
    if (!described || !*described) return IllegalArgumentError(kGadgetTypeNotSet);
    const DataDictionary& record = **described;
    Gadget gadget;
    const Id typeKey = Key(MessageDialogGadget::kType);
    if (!record.Contains(typeKey)) return IllegalArgumentError(kGadgetTypeNotSet);
    ZV_TRY_ASSIGN(Int type, record.GetRequired<Int>(typeKey));
    gadget.type = static_cast<GADGET_TYPE>(type);
    ZV_TRY_ASSIGN(gadget.name, record.Get<String>(Key(MessageDialogGadget::kName), String()));
    if (const DataValue* value = record.Find(Key(MessageDialogGadget::kDefaultValue))) {
      gadget.value = *value;
      gadget.hasValue = true;
    }
    if (gadget.type == GADGET_TYPE::CHECKBOX) {
      if (gadget.name.empty()) return IllegalArgumentError(kCheckboxNameNotSet);
      ZV_TRY_ASSIGN(Bool state, record.Get<Bool>(Key(MessageDialogGadget::kDefaultValue), false));
      gadget.value = DataValue{state};
      gadget.hasValue = true;
    }
    if (gadget.type == GADGET_TYPE::DROPDOWN || gadget.type == GADGET_TYPE::RADIOBUTTON) {
      const Id childrenKey = Key(MessageDialogGadget::kNamesAndValues);
      if (!record.Contains(childrenKey)) return IllegalArgumentError(kGadgetChildrenNotSet);
      ZV_TRY_ASSIGN(gadget.children, record.GetRequired<DataDictionary>(childrenKey));
    }
    ZV_TRY_ASSIGN(Int area, record.Get<Int>(Key(MessageDialogGadget::kArea), 0));
    gadget.area = static_cast<LAYOUT_AREA>(area);
    ZV_TRY_ASSIGN(gadget.settings, record.Get<DataDictionary>(Key(MessageDialogGadget::kSettings), DataDictionary{}));
    gadgets_.push_back(std::move(gadget));
  }
  return Ok();
}

Result<void> MessageDialogImpl::CollectButtons() {
  ZV_TRY_ASSIGN(Int buttonType, settings_.Get<Int>(Key(MessageDialogSettings::kButtonType), 0));
  if (static_cast<BUTTON_TYPE>(buttonType) == BUTTON_TYPE::CUSTOM) {
    ZV_TRY_ASSIGN(DataArray labels,
                  settings_.Get<DataArray>(Key(MessageDialogSettings::kCustomButtons), DataArray{}));
    for (const DataValue& label : labels) {
      const String* text = std::get_if<String>(&label.storage);
      if (!text) return IllegalArgumentError("Custom button names must be strings");
      buttons_.push_back({*text, static_cast<Int>(buttons_.size()), RESULT::R_CUSTOM});
    }
    ZV_TRY_ASSIGN(Int focus, settings_.Get<Int>(Key(MessageDialogSettings::kButtonFocus), 0));
    focusedButton_ = ClampButtonFocus(focus, buttons_.size());
  } else {
    const MessageDialogButtonSet set = StandardButtonSet(buttonType);
    for (const auto& [stringId, result] : set.buttons) {
      ZV_TRY_ASSIGN(String label, LabelFor(stringId));
      buttons_.push_back({std::move(label), static_cast<Int>(buttons_.size()), result});
    }
    focusedButton_ = set.focus;
  }
  return AssignShortcuts(buttons_);
}

Result<void> MessageDialogImpl::BuildContent(CellWidgetInterface& cell) {
  ZV_TRY(SetPaddingPix(cell, kContentPaddingSide, kContentPaddingSide, kContentPaddingTop, kContentPaddingBottom));
  ZV_TRY_ASSIGN(WidgetRef messageArea, BuildMessageArea());
  ZV_TRY_ASSIGN(Url iconUrl, IconUrl(settings_));
  Ref<Image> icon;
  if (!iconUrl.IsEmpty()) {
    if (Result<Ref<Image>> loaded = LoadTexture(iconUrl); loaded.IsOk()) {
      icon = *loaded;
    } else {
      LogWarning("Message dialog: icon left out: " + loaded.GetError().ToString());
    }
  }
  if (!icon) return cell.InsertChildLast(messageArea);

  ZV_TRY_ASSIGN(TableWidgetRef row, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(row->CreateLayout());
  ZV_TRY(cell.InsertChildLast(row));
  ZV_TRY(row->Resize(2, 1));
  ZV_TRY_ASSIGN(CellWidgetRef iconCell, CellAt(*row, 0, 0));
  ZV_TRY(iconCell->SetRightPadding(CanvasUnitValue::Pix(kIconRightPadding)));
  iconCell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::VERTICAL);
  ZV_TRY_ASSIGN(ImageWidgetRef image, CreateObject<ImageWidgetInterface>(Id(kImageWidgetClassId)));
  ZV_TRY(image->CreateLayout());
  for (WIDGET_DIRECTION direction : {WIDGET_DIRECTION::HORIZONTAL, WIDGET_DIRECTION::VERTICAL}) {
    image->SetSizeMode(WIDGET_SIZE::FIXED, direction);
    image->SetFixedSize(CanvasUnitValue::Pix(kIconSide), direction);
  }
  ZV_TRY(image->SetLocalSize(kIconSide, kIconSide));
  image->SetImage(icon);
  ZV_TRY(iconCell->InsertChildLast(image));
  ZV_TRY_ASSIGN(CellWidgetRef messageCell, CellAt(*row, 1, 0));
  messageCell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  messageCell->SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::VERTICAL);
  return messageCell->InsertChildLast(messageArea);
}

Result<WidgetRef> MessageDialogImpl::BuildMessageArea() {
  ZV_TRY_ASSIGN(String message, settings_.Get<String>(Key(MessageDialogSettings::kMessage), String()));
  ZV_TRY_ASSIGN(TextWidgetRef text, MakeText(message));
  // The message wraps at words once it is wider than the dialog allows.
  CanvasInterface& canvas = *window_->GetCanvas();
  ZV_TRY_ASSIGN(FontHandleRef font, canvas.CreateFontHandle(text->GetFont()));
  const Float width = std::ceil(std::min(kMessageMaxWidth, WidestLine(*font, message)));
  text->SetWrapMode(WRAP_MODE::WORD);
  text->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
  text->SetFixedSize(CanvasUnitValue::Pix(width), WIDGET_DIRECTION::HORIZONTAL);
  if (gadgets_.empty()) return WidgetRef(text);

  ZV_TRY_ASSIGN(TableWidgetRef area, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(area->CreateLayout());
  ZV_TRY(area->Resize(1, 2));
  ZV_TRY_ASSIGN(CellWidgetRef messageCell, CellAt(*area, 0, 0));
  messageCell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY(messageCell->InsertChildLast(text));
  ZV_TRY_ASSIGN(TableWidgetRef list, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(list->CreateLayout());
  ZV_TRY_ASSIGN(CellWidgetRef listCell, CellAt(*area, 0, 1));
  listCell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::HORIZONTAL);
  ZV_TRY(listCell->InsertChildLast(list));
  // The top group first, then the bottom one, each in the order given.
  std::vector<Gadget*> ordered;
  for (LAYOUT_AREA group : {LAYOUT_AREA::TOP, LAYOUT_AREA::BOTTOM}) {
    for (Gadget& gadget : gadgets_) {
      if ((gadget.area == LAYOUT_AREA::BOTTOM) == (group == LAYOUT_AREA::BOTTOM)) ordered.push_back(&gadget);
    }
  }
  ZV_TRY(list->Resize(1, static_cast<Int>(ordered.size())));
  for (size_t i = 0; i < ordered.size(); ++i) {
    ZV_TRY_ASSIGN(WidgetRef widget, BuildGadgetWidget(*ordered[i]));
    if (!widget) continue;
    ZV_TRY_ASSIGN(CellWidgetRef cell, CellAt(*list, 0, static_cast<Int>(i)));
    cell->SetAlignment(ALIGNMENT_MODE::MIN, WIDGET_DIRECTION::HORIZONTAL);
    cell->SetStretchMode(CELL_STRETCH_MODE::MAXIMUM, WIDGET_DIRECTION::HORIZONTAL);
    ZV_TRY(cell->SetVerticalPadding(CanvasUnitValue::Pix(kGadgetRowPadding)));
    ZV_TRY(cell->InsertChildLast(widget));
  }
  return WidgetRef(area);
}

Result<WidgetRef> MessageDialogImpl::BuildGadgetWidget(Gadget& gadget) {
  switch (gadget.type) {
    case GADGET_TYPE::CHECKBOX: {
      ZV_TRY_ASSIGN(TableWidgetRef row, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
      ZV_TRY(row->CreateLayout());
      ZV_TRY(row->Resize(2, 1));
      ZV_TRY_ASSIGN(gadget.checkbox, CreateObject<CheckboxWidgetInterface>(Id(kCheckboxWidgetClassId)));
      ZV_TRY(gadget.checkbox->CreateLayout());
      gadget.checkbox->SetState(std::get<Bool>(gadget.value.storage));
      ZV_TRY_ASSIGN(CellWidgetRef boxCell, CellAt(*row, 0, 0));
      ZV_TRY(boxCell->SetRightPadding(CanvasUnitValue::Pix(kGadgetRowPadding * 2)));
      ZV_TRY(boxCell->InsertChildLast(gadget.checkbox));
      ZV_TRY_ASSIGN(TextWidgetRef label, MakeText(gadget.name));
      ZV_TRY_ASSIGN(CellWidgetRef labelCell, CellAt(*row, 1, 0));
      ZV_TRY(labelCell->InsertChildLast(label));
      return WidgetRef(row);
    }
    case GADGET_TYPE::DROPDOWN: {
      ZV_TRY_ASSIGN(TextWidgetRef text, MakeText(kDropdownPlaceholder));
      return WidgetRef(text);
    }
    case GADGET_TYPE::STATIC_TEXT: {
      ZV_TRY_ASSIGN(TextWidgetRef text, MakeText(gadget.name));
      return WidgetRef(text);
    }
    case GADGET_TYPE::HYPERLINK: {
      ZV_TRY_ASSIGN(String linkText, gadget.settings.Get<String>(Key(MessageDialogGadget::kHyperlinkText), String()));
      if (linkText.empty()) {
        ZV_TRY_ASSIGN(Url url, gadget.settings.Get<Url>(Key(MessageDialogGadget::kHyperlinkUrl), Url{}));
        linkText = url.text;
      }
      ZV_TRY_ASSIGN(TextWidgetRef text, MakeText(linkText));
      return WidgetRef(text);
    }
    case GADGET_TYPE::SEPARATOR: {
      ZV_TRY_ASSIGN(Ref<FrameWidgetInterface> line, CreateObject<FrameWidgetInterface>(Id(kFrameWidgetClassId)));
      ZV_TRY(line->CreateLayout());
      line->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
      line->SetFixedSize(CanvasUnitValue::Pix(kSeparatorHeight), WIDGET_DIRECTION::VERTICAL);
      line->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
      line->SetBackgroundVisibility(true);
      line->SetBackgroundColor(kSeparatorColor);
      return WidgetRef(line);
    }
    case GADGET_TYPE::RADIOBUTTON:
    case GADGET_TYPE::EDIT_TEXT:
    default:
      return WidgetRef();
  }
}

Result<void> MessageDialogImpl::BuildButtonRow(CellWidgetInterface& cell) {
  cell.SetAlignment(ALIGNMENT_MODE::CENTER, WIDGET_DIRECTION::HORIZONTAL);
  CanvasInterface& canvas = *window_->GetCanvas();
  FontDescription font = canvas.GetDefaultFont();
  font.size = CanvasUnitValue::Rem(1.0);
  ZV_TRY_ASSIGN(FontHandleRef handle, canvas.CreateFontHandle(font));
  const Vector2d size = MessageDialogButtonSize(
      buttons_, [&](std::string_view text) { return handle->GetStringBoundingBox(text).Width(); },
      handle->GetAscent() + handle->GetDescent());

  ZV_TRY_ASSIGN(TableWidgetRef row, CreateObject<TableWidgetInterface>(Id(kTableWidgetClassId)));
  ZV_TRY(row->CreateLayout());
  ZV_TRY(cell.InsertChildLast(row));
  ZV_TRY(row->Resize(static_cast<Int>(buttons_.size()), 1));
  const WeakRef<MessageDialogImpl> self(this);
  for (const MessageDialogButton& button : buttons_) {
    ZV_TRY_ASSIGN(TextButtonWidgetRef widget, CreateObject<TextButtonWidgetInterface>(Id(kTextButtonWidgetClassId)));
    ZV_TRY(widget->CreateLayout());
    widget->SetName(kButtonNamePrefix + std::to_string(button.index));
    ZV_TRY_ASSIGN(TextWidgetRef label, widget->GetTextWidget());
    label->SetText(button.label);
    label->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::HORIZONTAL);
    label->SetAlignment(ALIGNMENT::CENTER, WIDGET_DIRECTION::VERTICAL);
    // The label fills the fixed-size button, so that centring it centres the text.
    for (WidgetInterface* inner = label.Get(); inner && inner != widget.Get(); inner = inner->GetParentWidget()) {
      inner->SetInheritParentSize(true, WIDGET_DIRECTION::HORIZONTAL);
      inner->SetInheritParentSize(true, WIDGET_DIRECTION::VERTICAL);
    }
    widget->SetBackgroundVisibility(true);
    widget->SetBackgroundColor(kButtonBackground);
    widget->SetBorderVisibility(true);
    widget->SetBorderColor(kButtonBorder);
    const CanvasUnitValue corner = CanvasUnitValue::Fon(kButtonRoundingFon);
    widget->SetRounding(Rounding{corner, corner, corner, corner});
    widget->SetAcceptTabFocus(true);
    widget->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::HORIZONTAL);
    widget->SetSizeMode(WIDGET_SIZE::FIXED, WIDGET_DIRECTION::VERTICAL);
    widget->SetFixedSize(CanvasUnitValue::Pix(size.x), WIDGET_DIRECTION::HORIZONTAL);
    widget->SetFixedSize(CanvasUnitValue::Pix(size.y), WIDGET_DIRECTION::VERTICAL);
    const Int index = button.index;
    auto press = [self, index](const ButtonWidgetRef&) -> Result<void> {
      Ref<MessageDialogImpl> dialog = self.Lock();
      return dialog ? dialog->PressButton(index) : Ok();
    };
    widget->ObservableButtonUp()->AddObserver(press);
    widget->ObservableEnterKeyDown()->AddObserver(press);
    ZV_TRY_ASSIGN(CellWidgetRef buttonCell, CellAt(*row, index, 0));
    ZV_TRY(buttonCell->SetPadding(CanvasUnitValue::Pix(kButtonCellPadding), CanvasUnitValue::Pix(kButtonCellPadding),
                                  CanvasUnitValue::Pix(kButtonCellPadding), CanvasUnitValue::Pix(kButtonCellPadding)));
    ZV_TRY(buttonCell->InsertChildLast(widget));
    buttonWidgets_.push_back(widget);
  }
  return Ok();
}

Result<bool> MessageDialogImpl::HandleKey(const DataDictionary& event) {
  const EventReader reader(&event);
  Result<EVENT> type = reader.GetType();
  if (!type.IsOk() || *type != EVENT::KEYBOARD_KEY_DOWN) return false;
  ZV_TRY_ASSIGN(Int32 key, reader.GetKey());
  ZV_TRY_ASSIGN(Int modifiers, reader.GetModifierState());
  if ((modifiers & ~(MODIFIER::SHIFT | MODIFIER::CAPSLOCK)) != 0) return false;
  if (key == KEY::ESCAPE) {
    ZV_TRY(window_->GetCanvas()->CloseWindow());
    return true;
  }
  if (key <= 0 || key >= 0xF100) return false;
  const Int index = FindShortcutButton(buttons_, static_cast<char32_t>(key));
  if (index < 0) return false;
  ZV_TRY(PressButton(index));
  return true;
}

void MessageDialogImpl::WriteResults(DataDictionary& results) const {
  results.Set(Key(MessageDialogResults::kButtonResult), pressedButton_);
  DataDictionary values;
  for (const Gadget& gadget : gadgets_) {
    if (gadget.name.empty()) continue;
    if (gadget.checkbox) {
      values.Set(Id(gadget.name), static_cast<Bool>(gadget.checkbox->GetState()));
    } else if (gadget.hasValue) {
      values.SetValue(Id(gadget.name), gadget.value);
    }
  }
  results.Set(Key(MessageDialogResults::kExtraGadgetResults), std::move(values));
}

}  // namespace zarvo
