#pragma once
// A window of every framework feature, for the framework's own tests: a tab control whose two
// pages have help lines of their own, a control array of three bound text boxes, a list with
// its hidden twin, a scroll bar, a box that keeps Enter, and a validation table.

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <string>
#include <vector>

#include "platform/designed_dialog.h"

namespace pellavan::platform::testing {

using model::Quantity;

constexpr ControlDesign kSampleControls[] = {
    {.name = "SSTab1", .kind = ControlKind::TabControl, .rect = {0, 0, 6000, 3000}},
    {.name = "pgJob",
     .kind = ControlKind::TabPage,
     .caption = "&Job",
     .container = "SSTab1",
     .help_label = "lblInfo"},
    {.name = "pgLoad",
     .kind = ControlKind::TabPage,
     .caption = "&Load",
     .container = "SSTab1",
     .help_label = "lblInfo2"},
    {.name = "txtName",
     .kind = ControlKind::TextBox,
     .rect = {100, 100, 2000, 300},
     .container = "pgJob",
     .help_line = "Name",
     .tab_index = 0,
     .max_length = 6},
    {.name = "txtNote",
     .kind = ControlKind::TextBox,
     .rect = {100, 500, 2000, 300},
     .container = "pgJob",
     .tab_index = 1,
     .highlight = Setting::Off,
     .enter_as_tab = Setting::Off},
    {.name = "lblInfo",
     .kind = ControlKind::Label,
     .rect = {100, 2000, 4000, 300},
     .container = "pgJob"},
    {.name = "txtLoad",
     .index = 1,
     .kind = ControlKind::TextBox,
     .rect = {100, 100, 1000, 300},
     .container = "pgLoad",
     .help_line = "Heat loss",
     .tab_index = 2},
    {.name = "txtLoad",
     .index = 2,
     .kind = ControlKind::TextBox,
     .rect = {100, 500, 1000, 300},
     .container = "pgLoad",
     .help_line = "Set point",
     .help_when = HelpWhen::Focus,
     .tab_index = 3},
    {.name = "txtLoad",
     .index = 3,
     .kind = ControlKind::TextBox,
     .rect = {100, 900, 1000, 300},
     .container = "pgLoad",
     .tab_index = 4},
    {.name = "comboCity",
     .kind = ControlKind::ComboBox,
     .rect = {1500, 100, 2000, 300},
     .container = "pgLoad",
     .help_topic = 20,
     .tab_index = 5},
    {.name = "comboCity2", .kind = ControlKind::ComboBox, .container = "pgLoad", .views = kNoView},
    {.name = "hscrBase",
     .kind = ControlKind::ScrollBar,
     .rect = {1500, 500, 2000, 250},
     .container = "pgLoad",
     .tab_index = 6,
     .scroll = {1, 5, 3}},
    {.name = "lblInfo2",
     .kind = ControlKind::Label,
     .rect = {100, 2000, 4000, 300},
     .container = "pgLoad"},
    {.name = "btnDone",
     .kind = ControlKind::Button,
     .caption = "&Done",
     .rect = {4500, 3200, 1200, 400},
     .tab_index = 7},
};

constexpr TextBoxHandle txtName{kSampleControls, "txtName"};
constexpr TextBoxHandle txtNote{kSampleControls, "txtNote"};
constexpr TextBoxArray<3> txtLoad{kSampleControls, "txtLoad"};
constexpr ComboHandle comboCity{kSampleControls, "comboCity"};
constexpr ComboHandle comboCity2{kSampleControls, "comboCity2"};
constexpr ScrollBarHandle hscrBase{kSampleControls, "hscrBase"};
constexpr LabelHandle lblInfo{kSampleControls, "lblInfo"};
constexpr LabelHandle lblInfo2{kSampleControls, "lblInfo2"};
constexpr ButtonHandle btnDone{kSampleControls, "btnDone"};

using model::number_field;
using model::ProjectRec;
constexpr model::UnitBinding kSampleUnits[] = {
    {.control = txtLoad[1],
     .field = number_field<&ProjectRec::Loads_HeatLoad>(),
     .quantity = Quantity::Capacity,
     .slot = 10},
    {.control = txtLoad[2],
     .field = number_field<&ProjectRec::Loads_HeatSetPoint>(),
     .quantity = Quantity::Temperature,
     .slot = 11,
     .leave = model::Leave::RoundHalf},
    {.control = txtLoad[3],
     .field = number_field<&ProjectRec::GeoA_Depth>(),
     .quantity = Quantity::Length,
     .slot = 12},
};

enum SampleValue { kHeatLoad = 1, kSetPoint };
constexpr model::RangeCheck kSampleRows[] = {
    {.name = "heating load",
     .value = kHeatLoad,
     .quantity = Quantity::Capacity,
     .imperial = {1000, 999999},
     .metric = model::Range{0, 292},
     .text = "Heating Load Outside of Valid Range of {low} - {high}",
     .focus = txtLoad[1]},
    {.name = "heating set point",
     .value = kSetPoint,
     .imperial = {50, 80},
     .text = "Heating Set Point Outside of Valid Range of 50 - 80",
     .focus = txtLoad[2]},
};
constexpr model::CheckTable kSampleChecks[] = {{"sample checks", kSampleRows}};

constexpr WindowDesign kSampleDesign{.name = "FormS",
                                     .caption = "Sample",
                                     .client_width = 6000,
                                     .client_height = 3800,
                                     .help_topic = 20,
                                     .controls = kSampleControls,
                                     .sizes = {{9000, 6000, nullptr}, {12000, 8000, nullptr}},
                                     .highlight_fields = true,
                                     .units = kSampleUnits,
                                     .checks = kSampleChecks};

class SampleWindow : public DesignedDialog {
 public:
  explicit SampleWindow(QWidget* parent = nullptr) : DesignedDialog(kSampleDesign, parent) {
    static const On<SampleWindow> handlers[] = {
        {btnDone, Event::Click, &SampleWindow::btnDone_Click},
        {txtLoad, Event::GotFocus, &SampleWindow::txtLoad_GotFocus},
        {txtLoad, Event::KeyPress, &SampleWindow::txtLoad_KeyPress},
        {txtName, Event::LostFocus, &SampleWindow::txtName_LostFocus},
        {hscrBase, Event::Change, &SampleWindow::hscrBase_Change},
        {comboCity, Event::Click, &SampleWindow::comboCity_Click},
        {kThisWindow, Event::MouseMove, &SampleWindow::Form_MouseMove},
    };
    wire<SampleWindow>(handlers);
  }
  ~SampleWindow() override { being_destroyed = true; }

  void btnDone_Click() { unload(QDialog::Accepted); }
  void txtLoad_GotFocus(int index) { log.push_back("focus " + std::to_string(index)); }
  void txtLoad_KeyPress(ControlEvent& e) {
    if (e.key == 'x') e.swallowed = true;
  }
  void txtName_LostFocus() {
    if (being_destroyed)
      ++calls_while_destroyed;
    else
      log.push_back("left name");
  }
  void hscrBase_Change() { log.push_back("scroll " + std::to_string(form()[hscrBase]->value())); }
  void comboCity_Click() {
    log.push_back("city " + form()[comboCity]->currentText().toStdString());
  }
  void Form_MouseMove() { log.push_back("window"); }
  bool Form_QueryUnload() override { return !keep_open; }
  void Form_Activate() override { log.push_back("activate"); }
  void Form_Deactivate() override { log.push_back("deactivate"); }

  std::vector<std::string> log;
  bool keep_open = false;
  static inline bool being_destroyed = false;
  static inline int calls_while_destroyed = 0;
};

}  // namespace pellavan::platform::testing
