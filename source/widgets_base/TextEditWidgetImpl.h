#pragma once
#include "host/ui/TextEditWindow.h"
#include "source/interfaces/TextEditWidgetInterface.h"
#include "source/widgets_base/TextWidgetImpl.h"

namespace zarvo {

inline constexpr char kTextEditWidgetName[] = "TextEditWidget";
inline constexpr char kTextEditWidgetDefaultText[] = "Edit me";
inline constexpr ColorA kTextEditDefaultForegroundColor{1.0, 1.0, 1.0, 1.0};
inline constexpr ColorA kTextEditDefaultBackgroundColor{0.4, 0.4, 0.4, 1.0};
inline constexpr ColorA kTextEditDefaultSelectionColor{0.02, 0.5, 0.85, 1.0};
inline constexpr ColorA kTextEditDefaultHighlightColor{1.0, 1.0, 1.0, 1.0};
// The editor is at least this many capital M wide, and widened to it no further than twice
// as many.
inline constexpr int kTextEditMinimumEms = 10;
inline constexpr int kTextEditWidenedEms = 20;
// Room after the text for the caret, as a part of the minimum width.
inline constexpr Float kTextEditCaretRoom = 0.1;
// Below this many global pixels the editor's font and rectangle are enlarged to it.
inline constexpr Float kTextEditLegibleFontSize = 10.0;

// The text edit widget: a text widget that edits itself in the canvas's text edit window.
class TextEditWidgetImpl : public TextWidgetImpl, public virtual TextEditWidgetInterface {
 public:
  TextEditWidgetImpl();
  ~TextEditWidgetImpl() override;

  Result<void> InitComponent() override;
  void FreeComponent() override;
  Result<void> CopyFrom(const ObjectInterface& source) override;

  void SetEditMode(TEXTEDIT_MODE mode) override;
  TEXTEDIT_MODE GetEditMode() const override;
  void SetForegroundColor(const ColorA& color) override;
  ColorA GetForegroundColor() const override { return foregroundColor_; }
  void SetBackgroundColor(const ColorA& color) override;
  ColorA GetBackgroundColor() const override { return backgroundColor_; }
  void SetSelectionColor(const ColorA& color) override;
  ColorA GetSelectionColor() const override { return selectionColor_; }
  void SetHighlightColor(const ColorA& color) override;
  ColorA GetHighlightColor() const override { return highlightColor_; }
  Result<void> SetRenameNotification() override;
  Ref<TextEditObservable> ObservableTextChanged() override { return textChanged_; }
  Ref<TextEditObservable> ObservableTextFinished() override { return textFinished_; }

  // Widget-base hooks.
  Result<void> CreateLayout() override;
  void SetLOD(Int lod) override;
  Result<void> DrawHighlight() override;
  Result<bool> HandleEvent(const DataDictionary* event) override;

  // The text at the start of the current edit (or after the last one).
  const String& GetSavedText() const noexcept { return savedText_; }

 private:
  [[nodiscard]] Result<bool> StartEdit();
  [[nodiscard]] Result<void> CloseEdit(CanvasInterface& canvas);
  [[nodiscard]] Result<void> ObserveEditWindow(const TextEditWindowRef& window);

  Ref<TextEditObservable> textChanged_;
  Ref<TextEditObservable> textFinished_;
  ColorA foregroundColor_ = kTextEditDefaultForegroundColor;
  ColorA backgroundColor_ = kTextEditDefaultBackgroundColor;
  ColorA selectionColor_ = kTextEditDefaultSelectionColor;
  ColorA highlightColor_ = kTextEditDefaultHighlightColor;
  TEXTEDIT_MODE editMode_ = TEXTEDIT_MODE::SINGLE_CLICK;
  String savedText_;
  // The window of this widget's edit, to tell it from one another widget opened.
  WeakRef<TextEditWindow> editWindow_;
};

}  // namespace zarvo
