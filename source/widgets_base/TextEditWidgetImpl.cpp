#include "source/widgets_base/TextEditWidgetImpl.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "host/ui/AppWidgetInterface.h"
#include "host/ui/CanvasInterface.h"
#include "host/ui/EventKeys.h"
#include "host/ui/PresenterInterface.h"
#include "source/WidgetComponent.h"

namespace zarvo {

namespace {

bool IsValid(TEXTEDIT_MODE mode) { return mode >= TEXTEDIT_MODE::LOCKED && mode <= TEXTEDIT_MODE::DOUBLE_CLICK; }

}  // namespace

TextEditWidgetImpl::TextEditWidgetImpl()
    : textChanged_(MakeRef<TextEditObservable>()), textFinished_(MakeRef<TextEditObservable>()) {}

TextEditWidgetImpl::~TextEditWidgetImpl() = default;

Result<void> TextEditWidgetImpl::InitComponent() {
  ZV_TRY(TextWidgetImpl::InitComponent());
  return InitObservables(this, {{textChanged_.Get(), "ObservableTextChanged"},
                                {textFinished_.Get(), "ObservableTextFinished"}});
}

void TextEditWidgetImpl::FreeComponent() {
  FreeObservables({textChanged_.Get(), textFinished_.Get()});
  TextWidgetImpl::FreeComponent();
}

Result<void> TextEditWidgetImpl::CopyFrom(const ObjectInterface& source) {
  const auto* other = dynamic_cast<const TextEditWidgetImpl*>(&source);
  if (!other) return IllegalArgumentError("CopyFrom needs an instance of the same class");
  if (other == this) return Ok();
  ZV_TRY(TextWidgetImpl::CopyFrom(source));
  textChanged_ = other->textChanged_;
  textFinished_ = other->textFinished_;
  foregroundColor_ = other->foregroundColor_;
  backgroundColor_ = other->backgroundColor_;
  selectionColor_ = other->selectionColor_;
  highlightColor_ = other->highlightColor_;
  editMode_ = other->editMode_;
  savedText_ = other->savedText_;
  return Ok();
}

// ---- properties -----------------------------------------------------------------------------

void TextEditWidgetImpl::SetEditMode(TEXTEDIT_MODE mode) {
  assert(IsValid(mode));
  if (!IsValid(mode) || mode == editMode_) return;
  editMode_ = mode;
}

TEXTEDIT_MODE TextEditWidgetImpl::GetEditMode() const {
  return GetLOD() == kLodLow ? TEXTEDIT_MODE::LOCKED : editMode_;
}

// The editing colours take effect at the next edit; only the highlight is drawn by the widget.
void TextEditWidgetImpl::SetForegroundColor(const ColorA& color) { foregroundColor_ = color; }
void TextEditWidgetImpl::SetBackgroundColor(const ColorA& color) { backgroundColor_ = color; }
void TextEditWidgetImpl::SetSelectionColor(const ColorA& color) { selectionColor_ = color; }

void TextEditWidgetImpl::SetHighlightColor(const ColorA& color) {
  if (color == highlightColor_) return;
  highlightColor_ = color;
  RequestRedraw();
}

// ---- layout and drawing ---------------------------------------------------------------------

Result<void> TextEditWidgetImpl::CreateLayout() {
  ZV_TRY(TextWidgetImpl::CreateLayout());
  SetName(kTextEditWidgetName);
  SetText(kTextEditWidgetDefaultText);
  SetFocusVisibility(false);
  SetAcceptFocus(true);
  SetAcceptTabFocus(true);
  return Ok();
}

void TextEditWidgetImpl::SetLOD(Int lod) {
  // A widget too small to edit takes no focus either.
  SetAcceptFocus(lod != kLodLow);
  TextWidgetImpl::SetLOD(lod);
}

Result<void> TextEditWidgetImpl::DrawHighlight() {
  AppWidgetInterface* appWidget = GetAppWidget();
  if (!appWidget || appWidget->GetHoverWidget() != static_cast<WidgetInterface*>(this)) return Ok();
  ColorA color = highlightColor_;
  color.a *= appWidget->GetHoverHighlightOpacity();
  if (!(color.a > 0.0)) return Ok();
  return TextWidgetImpl::DrawContent(color);
}

// ---- editing --------------------------------------------------------------------------------

Result<bool> TextEditWidgetImpl::HandleEvent(const DataDictionary* event) {
  CanvasInterface* canvas = GetCanvas();
  if (!canvas) return false;
  EventReader reader(event);
  const Result<EVENT> type = reader.GetType();
  if (!type.IsOk()) return false;
  switch (*type) {
    case EVENT::BUTTON_DOWN: {
      ZV_TRY_ASSIGN(const Int buttons, reader.GetButtonState());
      if (buttons != BUTTON::LEFT || canvas->GetTextEditWindow()) return false;
      const TEXTEDIT_MODE mode = GetEditMode();
      ZV_TRY_ASSIGN(const Bool doubleClick, reader.GetRecord().Get<Bool>(EventKeys::DoubleClick(), false));
      if (mode == TEXTEDIT_MODE::SINGLE_CLICK || (mode == TEXTEDIT_MODE::DOUBLE_CLICK && doubleClick)) {
        return StartEdit();
      }
      return false;
    }
    case EVENT::KEYBOARD_KEY_UP: {
      const TextEditWindowRef window = canvas->GetTextEditWindow();
      // Only the end of this widget's own edit.
      if (!window || window.Get() != editWindow_.GetUnsafe()) return false;
      ZV_TRY_ASSIGN(const Int32 key, reader.GetKey());
      if (window->GetCancelMode()) {
        SetText(savedText_);
        ZV_TRY(CloseEdit(*canvas));
        return true;
      }
      // A multi-line edit takes Enter as a line feed; Tab ends any edit.
      const bool ends = key == KEY::TAB || (key == KEY::ENTER && !window->IsMultiLine());
      if (!ends) return false;
      ZV_TRY(CloseEdit(*canvas));
      return true;
    }
    default:
      return false;
  }
}

Result<void> TextEditWidgetImpl::CloseEdit(CanvasInterface& canvas) {
  Ref<CanvasInterface> keepCanvas(&canvas);
  ZV_TRY(canvas.CloseTextEditWindow());
  canvas.RequestRedraw();
  return Ok();
}

Result<bool> TextEditWidgetImpl::StartEdit() {
  CanvasInterface* canvas = GetCanvas();
  const FontDescription& font = GetFont();
  ZV_TRY_ASSIGN(const FontHandleRef handle, canvas->CreateFontHandle(font));
  const Float minimumWidth = handle->GetStringBoundingBox(std::string(kTextEditMinimumEms, 'M')).Width();
  const Float widenedWidth = handle->GetStringBoundingBox(std::string(kTextEditWidenedEms, 'M')).Width();
  const Vector2d size = GetLocalPixSize();
  Float width = size.x;
  if (width < widenedWidth) width = std::min(std::max(width, minimumWidth), widenedWidth);
  const Vector2d topLeft = LocalToGlobalPosition({0.0, 0.0});
  const Vector2d bottomRight = LocalToGlobalPosition({width + minimumWidth * kTextEditCaretRoom, size.y});
  Rect rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  // The editor shows the glyphs at their size on the canvas, but never too small to read.
  FontDescription editFont = font;
  const Float globalSize = LocalToGlobalSize({0.0, ToPixels(font.size)}).y;
  editFont.size = CanvasUnitValue::Pix(globalSize);
  if (globalSize > 0.0 && globalSize < kTextEditLegibleFontSize) {
    const Float factor = kTextEditLegibleFontSize / globalSize;
    rect.right = rect.left + rect.Width() * factor;
    rect.bottom = rect.top + rect.Height() * factor;
    editFont.size = CanvasUnitValue::Pix(kTextEditLegibleFontSize);
  }
  const String text = GetText();
  ZV_TRY_ASSIGN(const TextEditWindowRef window,
                canvas->OpenTextEditWindow(text, rect, GetWrapMode() != WRAP_MODE::NONE, editFont, foregroundColor_,
                                           backgroundColor_, selectionColor_));
  editWindow_ = WeakRef<TextEditWindow>(window.Get());
  savedText_ = text;
  ZV_TRY(ObserveEditWindow(window));
  RequestRedraw();
  return true;
}

Result<void> TextEditWidgetImpl::ObserveEditWindow(const TextEditWindowRef& window) {
  const Ref<TextEditWidgetImpl> widget(this);
  window->ObservableDestroyedWindow()->AddObserver([widget](TextEditWindow*) -> Result<void> {
    const TextEditWidgetRef self(widget);
    widget->editWindow_.Reset();
    widget->RequestRedraw();
    ZV_TRY(FireObservable(widget->textFinished_, self));
    widget->savedText_ = widget->GetText();
    return Ok();
  });
  window->ObservableTextChanged()->AddObserver([widget](TextEditWindow* edit) -> Result<void> {
    widget->SetText(edit->GetText());
    ZV_TRY(FireObservable(widget->textChanged_, TextEditWidgetRef(widget)));
    return Ok();
  });
  window->ObservableTextFinished()->AddObserver([widget](TextEditWindow* edit) -> Result<void> {
    // Escape finishes at once: the text from before the edit comes back before the end is told.
    if (edit->GetCancelMode()) widget->SetText(widget->savedText_);
    CanvasInterface* canvas = widget->GetCanvas();
    if (!canvas) return Ok();
    return widget->CloseEdit(*canvas);
  });
  return Ok();
}

Result<void> TextEditWidgetImpl::SetRenameNotification() {
  textFinished_->AddObserver([](const TextEditWidgetRef& widget) -> Result<void> {
    const PresenterRef presenter = widget->GetPresenter();
    if (!presenter) return NullReferenceError();
    ZV_TRY_ASSIGN(const PresenterCommandRef command, CreatePresenterCommand(Id(kRenamePresenterCommandClassId)));
    ZV_TRY(command->Init(widget.Get()));
    command->SetString(widget->GetText());
    ZV_TRY_ASSIGN(const bool handled, presenter->HandleCommand(command));
    (void)handled;
    return Ok();
  });
  return Ok();
}

}  // namespace zarvo
