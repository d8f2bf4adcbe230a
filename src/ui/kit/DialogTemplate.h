// A dialog template as data, like a resource script: the window's caption,
// size in dialog units, font and style, and its controls in creation order.
// Texts are UTF-8, in English; a template with a text context shows them in
// the user's language (LoadDialogTemplate).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

enum class ControlKind {
  kGroupBox,
  kText,          // static text
  kEdit,          // single-line edit
  kListBox,       // single-selection list box
  kDropDownList,  // drop-down list without an edit field
  kPushButton,
  kDefPushButton,  // the button that Enter presses
  kCheckBox,
  kRadioButton,
  kOwnerDrawStatic,  // painted by the dialog; reports clicks with kNotify
  kRichEdit,         // multi-line text with bold and coloured runs
  kListView,         // entries in columns, optionally with check boxes
  kIcon,             // an icon resource; the text holds its id ("128")
};

// Control styles; combine with |.
enum ControlStyle : std::uint32_t {
  kNoStyle = 0,
  kSorted = 1u << 0,  // lists sort their entries themselves
  kVScroll = 1u << 1,
  kBorder = 1u << 2,
  kNotify = 1u << 3,  // list boxes and statics report selection and clicks; a notifying
                      // static with kTabStop takes the focus and Enter or Space clicks it
  kReadOnly = 1u << 4,
  kAutoHScroll = 1u << 5,
  kTabStop = 1u << 6,
  kGroup = 1u << 7,  // starts a group; radios up to the next kGroup exclude each other
  kDisabled = 1u << 8,
  kHidden = 1u << 9,
  kCenter = 1u << 10,     // text centred
  kRight = 1u << 11,      // text right-aligned
  kVCenter = 1u << 12,    // static text centred vertically
  kMultiLine = 1u << 13,  // an edit of several lines
};

// Window styles of the dialog itself.
enum DialogStyle : std::uint32_t {
  kNoDialogStyle = 0,
  kSysMenu = 1u << 0,  // a close box
  kMinimizeBox = 1u << 1,
  kMaximizeBox = 1u << 2,
  kResizable = 1u << 3,
  kAppWindow = 1u << 4,  // a top-level window of its own in the task bar
  kChild = 1u << 5,      // a page inside another window (a property sheet's)
};

// Statics and frames that the program never addresses may share this id.
inline constexpr int kIdStatic = -1;

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string text;
  int x, y, cx, cy;  // dialog units
  std::uint32_t style;
  // What a screen reader calls the control where no text beside it says
  // what it is (a picture, one box of a row under shared headings).
  std::string name = {};
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int cx = 0, cy = 0;  // client size in dialog units
  std::string fontFace;
  int fontPoints = 8;
  std::uint32_t style = kNoDialogStyle;
  std::vector<ControlTemplate> controls;
  // The translation context of the caption and of the controls' texts and
  // names (the program marks them with QT_TRANSLATE_NOOP under it, for
  // lupdate); without one they show as written. An icon's text is its id.
  const char* textContext = nullptr;
};

}  // namespace vantrel
