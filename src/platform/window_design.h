#pragma once
// A window's design, declared once as a table: every control with its kind, caption, design
// rectangle (twips, relative to its container), container, help topic, help-line text, tab
// order, font, colours and the views it shows in. DesignedForm builds the widgets from it.
//
//   constexpr ControlDesign kControls[] = {
//       {.name = "frmOptions", .kind = ControlKind::Frame, .caption = "Menu Options",
//        .rect = {150, 1335, 2310, 5580}, .views = kProjectView},
//       {.name = "btnProject", .kind = ControlKind::Button, .caption = "&Project Info",
//        .rect = {150, 360, 1995, 425}, .container = "frmOptions", .help_topic = 460,
//        .help_line = "Enter The Project Information", .tab_index = 3},
//   };

#include <QRgb>
#include <cstdint>
#include <span>

namespace pellavan::platform {

enum class ControlKind : std::uint8_t {
  Label,
  Button,
  TextBox,
  CheckBox,
  OptionButton,  // the option buttons of one container form one group
  ComboBox,
  Frame,         // a titled container; its children's rectangles are relative to it
  Picture,       // a PictureBox: a bitmap, or printed text lines
  Line,          // a horizontal separator
  Custom,        // an empty container the window fills with a widget of its own
};

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct DesignFont {
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  const char* face = nullptr;  // nullptr: the window's face
};

// One bit per view of a window (a window with a start and a project view uses two bits).
using ViewMask = std::uint32_t;
inline constexpr ViewMask kEveryView = ~ViewMask{0};
inline constexpr ViewMask kNoView = 0;  // hidden until the window shows it

// An RGB colour of the design; 0 (no alpha) means the platform's default colour.
inline constexpr QRgb kDefaultColour = 0;
[[nodiscard]] constexpr QRgb rgb(int r, int g, int b) {
  return 0xff000000u | (static_cast<QRgb>(r & 0xff) << 16) | (static_cast<QRgb>(g & 0xff) << 8) |
         static_cast<QRgb>(b & 0xff);
}

struct ControlDesign {
  const char* name = "";
  ControlKind kind = ControlKind::Label;
  const char* caption = "";
  TwipRect rect{};
  const char* container = "";       // the enclosing frame's name; "" for the window itself
  int help_topic = 0;               // F1 topic; 0: the container's or the window's
  const char* help_line = nullptr;  // shown in the help line on mouse over and focus;
                                    // a frame or picture without one empties the help line
  int tab_index = -1;               // position in the tab order; -1: after the numbered ones
  DesignFont font{};
  QRgb fore = kDefaultColour;
  QRgb back = kDefaultColour;
  ViewMask views = kEveryView;
  int max_length = 0;             // text boxes: characters the user can type; 0: no limit
  bool centred = false;           // labels: text centred instead of left-aligned
  bool select_on_focus = true;    // text boxes: the whole text is selected on focus
};

struct WindowDesign {
  const char* name = "";
  const char* caption = "";
  int client_width = 0;   // design client area, twips
  int client_height = 0;
  int help_topic = 0;
  const char* help_label = nullptr;  // the label that shows help lines, if the window has one
  const char* face = "MS Sans Serif";
  QRgb back = kDefaultColour;
  std::span<const ControlDesign> controls;
};

}  // namespace pellavan::platform
