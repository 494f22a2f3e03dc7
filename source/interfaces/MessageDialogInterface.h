#pragma once
#include <cstdint>

#include "host/core/DataDictionary.h"
#include "host/core/Result.h"

namespace zarvo {

inline constexpr char kMessageDialogInterfaceId[] = "net.zarvo.mvp.interface.messagedialog";

// The values are part of the settings format (there is no button type 6).
enum class BUTTON_TYPE : int32_t { OK = 0, OKCANCEL = 1, ABORTRETRYIGNORE = 2, YESNOCANCEL = 3, YESNO = 4, RETRYCANCEL = 5, CUSTOM = 7 };
enum class RESULT : int32_t {
  R_UNDEFINED = 0, R_OKAY = 1, R_CANCEL = 2, R_ABORT = 3, R_RETRY = 4, R_IGNORE = 5, R_YES = 6, R_NO = 7, R_CUSTOM = 8,
};
enum class ICON_TYPE : int32_t { DEFAULT = 0, STOP = 1, QUESTION = 2, EXCLAMATION = 3, ASTERISK = 4, CUSTOM = 5, HIDDEN = 6 };
enum class GADGET_TYPE : int32_t {
  CHECKBOX = 0, DROPDOWN = 1, RADIOBUTTON = 2, EDIT_TEXT = 3, STATIC_TEXT = 4, HYPERLINK = 5, SEPARATOR = 6,
};
enum class LAYOUT_AREA : int32_t { TOP = 0, BOTTOM = 1 };
// The buttons' alignment uses the text widget's ALIGNMENT (LEFT 0, CENTER 1, RIGHT 2).

// Settings keys; all optional. Enumerations are stored as Int.
namespace MessageDialogSettings {
inline constexpr char kMessage[] = "net.zarvo.mvp.messagedialog.settings.message";                    // String
inline constexpr char kCustomDialogTitle[] = "net.zarvo.mvp.messagedialog.settings.customdialogtitle";  // String
inline constexpr char kButtonType[] = "net.zarvo.mvp.messagedialog.settings.buttontype";              // BUTTON_TYPE
inline constexpr char kCustomButtons[] = "net.zarvo.mvp.messagedialog.settings.custombuttons";        // array of String
inline constexpr char kButtonFocus[] = "net.zarvo.mvp.messagedialog.settings.buttonfocus";            // Int
inline constexpr char kIconType[] = "net.zarvo.mvp.messagedialog.settings.icontype";                  // ICON_TYPE
inline constexpr char kCustomIcon[] = "net.zarvo.mvp.messagedialog.settings.customicon";              // Url
inline constexpr char kCustomIconX2[] = "net.zarvo.mvp.messagedialog.settings.customiconx2";          // Url
inline constexpr char kExtraGadgets[] = "net.zarvo.mvp.messagedialog.settings.extragadgets";          // array of DataDictionary
// Accepted and not evaluated.
inline constexpr char kMessageTitle[] = "net.zarvo.mvp.messagedialog.settings.messagetitle";
inline constexpr char kButtonsAlignment[] = "net.zarvo.mvp.messagedialog.settings.buttonsalignment";
inline constexpr char kExtraGadgetFocusIndex[] = "net.zarvo.mvp.messagedialog.settings.extragadgetfocusindex";
inline constexpr char kExtraGadgetsTopAlignment[] = "net.zarvo.mvp.messagedialog.settings.extragadgetstopalignment";
inline constexpr char kExtraGadgetsBottomAlignment[] =
    "net.zarvo.mvp.messagedialog.settings.extragadgetsbottompalignment";
inline constexpr char kCustomButtonsOsxOrder[] = "net.zarvo.mvp.messagedialog.settings.custombuttonsosxorder";
inline constexpr char kShowScrollbar[] = "net.zarvo.mvp.messagedialog.settings.showscrollbar";
inline constexpr char kForceDialog[] = "net.zarvo.mvp.messagedialog.settings.forcedialog";
inline constexpr char kNoCloseIfEditTextEmpty[] = "net.zarvo.mvp.messagedialog.settings.nocloseifedittextemty";
inline constexpr char kEditTextPassword[] = "net.zarvo.mvp.messagedialog.edittextsettings.password";
inline constexpr char kEditTextName[] = "net.zarvo.mvp.messagedialog.edittextsettings.name";
inline constexpr char kEditTextCloseOnEnter[] = "net.zarvo.mvp.messagedialog.edittextsettings.closeonenter";
}  // namespace MessageDialogSettings

// Keys of one extra gadget.
namespace MessageDialogGadget {
inline constexpr char kType[] = "net.zarvo.mvp.messagedialog.extragadgetsettings.type";                    // GADGET_TYPE
inline constexpr char kName[] = "net.zarvo.mvp.messagedialog.extragadgetsettings.name";                    // String
inline constexpr char kDefaultValue[] = "net.zarvo.mvp.messagedialog.extragadgetsettings.defaultvalue";    // any
inline constexpr char kArea[] = "net.zarvo.mvp.messagedialog.extragadgetsettings.area";                    // LAYOUT_AREA
inline constexpr char kNamesAndValues[] = "net.zarvo.mvp.messagedialog.extragadgetsettings.namesandvalues";  // DataDictionary
inline constexpr char kSettings[] = "net.zarvo.mvp.messagedialog.extragadgetsettings.settings";            // DataDictionary
inline constexpr char kHyperlinkUrl[] = "net.zarvo.mvp.messagedialog.hyperlinksettings.url";               // Url
inline constexpr char kHyperlinkText[] = "net.zarvo.mvp.messagedialog.hyperlinksettings.text";             // String
}  // namespace MessageDialogGadget

// Result keys written into the caller's results dictionary.
namespace MessageDialogResults {
// Int: the pressed button's index in the row, -1 when the window was closed without a button.
inline constexpr char kButtonResult[] = "net.zarvo.mvp.messagedialog.dialogresult.buttonresult";
// DataDictionary: the extra gadgets' values by gadget name.
inline constexpr char kExtraGadgetResults[] = "net.zarvo.mvp.messagedialog.dialogresult.extragadgetresults";
}  // namespace MessageDialogResults

// Shows a modal message dialog described by `settings` and returns when it has closed: the
// pressed button's RESULT, or R_UNDEFINED when the window was closed otherwise. `results`, when
// given, receives the result keys. At most one message dialog exists at a time; a call while
// one is open fails at once, without opening a window.
[[nodiscard]] Result<RESULT> ShowMessageDialog(const DataDictionary& settings, DataDictionary* results = nullptr);

}  // namespace zarvo
