#pragma once
// A window's design, declared once as tables; DesignedForm builds the widgets from it and
// DesignedWindow / DesignedDialog give the window its lifecycle. How a window is written, with
// the dealer window (app/dealer_window_design.h, app/dealer_window.cpp) as the example:
//
// 1. The control table: every control with its kind, caption, design rectangle (twips,
//    relative to its container), container, help topic and help line, tab order, font, colours,
//    views and flags (focus highlight, Enter as Tab); a control array shares a name and numbers
//    its elements with `index` ("txtSelect" index 2 is txtSelect2).
//
//      inline constexpr ControlDesign kControls[] = {
//          {.name = "fraDealer", .kind = ControlKind::Frame, .rect = {120, 1300, 9960, 3000}},
//          {.name = "txtDname", .kind = ControlKind::TextBox, .rect = {1450, 300, 3300, 315},
//           .container = "fraDealer", .tab_index = 0, .max_length = 35},
//          {.name = "btnSave", .kind = ControlKind::Button, .caption = "&Save",
//           .rect = {6300, 6600, 1700, 450}, .tab_index = 24},
//      };
//
//    Controls that come in groups (a label with its box, an option frame with its pair) are
//    made by constexpr functions returning a std::array, joined with the single ones by
//    design_table (design_table.h), as the dealer window does.
//
// 2. The window design: name, caption, client size, help topic and help line, its sizes in the
//    normal and the large layout, and (for input windows) its unit bindings and validation
//    tables (model/input/unit_binding.h, model/input/range_check.h).
//
//      inline constexpr WindowDesign kDesign{.name = "Form13", .caption = "Dealer Information...",
//          .client_width = 10200, .client_height = 7200, .controls = kControls,
//          .sizes = kSetupWindowSizes};
//
// 3. Handles, checked against the table while compiling (control_handle.h):
//
//      inline constexpr TextBoxHandle txtDname{kControls, "txtDname"};
//      inline constexpr ButtonHandle btnSave{kControls, "btnSave"};
//
// 4. The handler table, wired once in the constructor (handler_table.h):
//
//      const On<DealerWindow> kHandlers[] = {
//          {btnSave, Event::Click, &DealerWindow::btnSave_Click},
//          {OptionFY, Event::Click, &DealerWindow::unit_option_Click},
//      };
//      DealerWindow::DealerWindow(AppState& state, QWidget* parent)
//          : DesignedDialog(kDesign, parent), state_(state) {
//        wire<DealerWindow>(kHandlers);
//        Form_Load();
//      }
//
// 5. The handlers, a few lines each over the model: Form_Activate (shown, or one of our windows
//    closed over it), Form_QueryUnload / Form_Unload, and the controls' events; they reach the
//    widgets through the handles (form()[txtDname]->text()) and close the window with unload().
//    A table of what each control stands for (the dealer window's kBoxes: box, settings field,
//    project field) keeps a list of controls in one place.

#include <QRgb>
#include <cstdint>
#include <span>

#include "model/input/range_check.h"
#include "model/input/unit_binding.h"

namespace pellavan::platform {

enum class ControlKind : std::uint8_t {
  Label,
  Button,
  TextBox,
  TextArea,  // a text box several lines high, its text wrapped (text_area.h)
  CheckBox,
  OptionButton,  // the option buttons of one container form one group
  ComboBox,      // a drop-down list; entries carry their id as item data
  ListBox,       // a list showing several rows
  ScrollBar,     // horizontal when wider than high; its range is the design's `scroll`
  Frame,         // a titled container; its children's rectangles are relative to it
  TabControl,    // pages: its TabPage children, in table order
  TabPage,       // a page of its TabControl container (its rectangle is the control's)
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

// A behaviour a control has as its window's design says, or on or off for itself.
enum class Setting : std::uint8_t { AsWindow, On, Off };

// When a control writes its help line.
// Never: the control leaves the help line alone, where a container would empty it.
enum class HelpWhen : std::uint8_t { FocusAndHover, Focus, Hover, Never };

struct ScrollRange {
  int minimum = 0;
  int maximum = 100;
  int value = 0;
};

struct ControlDesign {
  const char* name = "";
  int index = 0;  // > 0: an element of the control array `name` ("txtSelect1")
  ControlKind kind = ControlKind::Label;
  const char* caption = "";
  TwipRect rect{};
  const char* container = "";       // the enclosing control's full name; "" for the window
  int help_topic = 0;               // F1 topic; 0: the container's or the window's
  const char* help_line = nullptr;  // shown in the help line on mouse over and focus;
                                    // a frame or picture without one empties the help line
  HelpWhen help_when = HelpWhen::FocusAndHover;
  const char* help_label = nullptr;  // containers: the label the help lines inside them go to
  int tab_index = -1;                // position in the tab order; -1: after the numbered ones
  DesignFont font{};
  QRgb fore = kDefaultColour;
  QRgb back = kDefaultColour;
  ViewMask views = kEveryView;
  int max_length = 0;                     // text boxes: characters the user can type; 0: no limit
  bool centred = false;                   // labels: text centred instead of left-aligned
  bool select_on_focus = true;            // text boxes: the whole text is selected on focus
  Setting highlight = Setting::AsWindow;  // cyan while it has the focus, white after
  Setting enter_as_tab = Setting::AsWindow;  // Enter moves on as Tab does
  ScrollRange scroll{};
};

// A window's outer size in twips (frame and title included) and the font face of its
// controls; a face of nullptr keeps the faces of the design.
struct WindowPreset {
  int width = 0;
  int height = 0;
  const char* face = nullptr;
};

// The sizes a window is opened at in the normal and in the large layout.
struct WindowSizes {
  WindowPreset normal{};
  WindowPreset large{};
  [[nodiscard]] constexpr const WindowPreset& for_layout(bool large_layout) const {
    return large_layout ? large : normal;
  }
};

struct WindowDesign {
  const char* name = "";
  const char* caption = "";
  int client_width = 0;  // design client area, twips
  int client_height = 0;
  int help_topic = 0;
  const char* help_label = nullptr;  // the label that shows help lines, if the window has one
  const char* face = "MS Sans Serif";
  QRgb back = kDefaultColour;
  std::span<const ControlDesign> controls;
  WindowSizes sizes{};
  // Text boxes and lists are highlighted while they have the focus (each control may differ).
  bool highlight_fields = false;
  // Enter moves on in text boxes, lists, check boxes, option buttons and scroll bars.
  bool enter_as_tab = true;
  // The controls scale with the window; false: they keep their design size and the window
  // moves its own ones when it is resized (DesignedForm::move_control).
  bool scales = true;
  // Enter in a list queues the Tab, taken after the key's handlers, and leaves the key to the list.
  bool lists_queue_tab = false;
  std::span<const model::UnitBinding> units{};  // the window's unit bindings
  std::span<const model::CheckTable> checks{};  // its validation tables
};

}  // namespace pellavan::platform
