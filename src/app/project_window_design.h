#pragma once
// The design of the project-information window: two pages (the job and the load page), their
// controls, the unit bindings of the load fields and the range checks run before every load
// calculation.

#include "program_state/window_sizes.h"
#include "loads/input/load_checks.h"
#include "model/input/record_field.h"
#include "model/records/project_rec.h"
#include "platform/control_handle.h"
#include "platform/window_design.h"

namespace pellavan::app::project_window {

using platform::ControlDesign;
using platform::ControlKind;
using platform::HelpWhen;

inline constexpr QRgb kHelpBack = platform::rgb(0xC0, 0xC0, 0xC0);
inline constexpr QRgb kHelpFore = platform::rgb(0x00, 0x00, 0xFF);
inline constexpr const char* kAddHelp = "Add Help Here";

// A job-page field: its label left, the box right of it.
#define PELLAVAN_JOB(frame, box, label_name, text, top, width, limit, tab, when)        \
  ControlDesign{.name = label_name,                                                     \
                .kind = ControlKind::Label,                                             \
                .caption = text,                                                        \
                .rect = {150, (top) + 30, 1500, 255},                                   \
                .container = frame},                                                    \
      ControlDesign {                                                                   \
    .name = box, .kind = ControlKind::TextBox, .rect = {1700, top, width, 315},         \
    .container = frame, .help_line = kAddHelp, .help_when = (when), .tab_index = (tab), \
    .max_length = (limit)                                                               \
  }
#define PELLAVAN_LABEL(nm, text, frame, l, t, w)                                     \
  ControlDesign {                                                                    \
    .name = nm, .kind = ControlKind::Label, .caption = text, .rect = {l, t, w, 255}, \
    .container = frame                                                               \
  }
#define PELLAVAN_READOUT(nm, frame, l, t, w, help)                                      \
  ControlDesign {                                                                       \
    .name = nm, .kind = ControlKind::Label, .rect = {l, t, w, 285}, .container = frame, \
    .help_line = help, .help_when = HelpWhen::Hover                                     \
  }
#define PELLAVAN_LOAD(nm, l, t, w, limit, tab, topic, help)                                   \
  ControlDesign {                                                                             \
    .name = nm, .kind = ControlKind::TextBox, .rect = {l, t, w, 315}, .container = "fraLoad", \
    .help_topic = topic, .help_line = help, .tab_index = (tab), .max_length = (limit)         \
  }
// A correction scroll bar with its caption and its two ends.
#define PELLAVAN_GAIN(caption_name, text, bar, top, tab, topic, help, caption_help) \
  ControlDesign{.name = caption_name,                                               \
                .kind = ControlKind::Label,                                         \
                .caption = text,                                                    \
                .rect = {120, top, 5000, 255},                                      \
                .container = "fraGains",                                            \
                .help_line = caption_help,                                          \
                .help_when = HelpWhen::Hover},                                      \
      PELLAVAN_LABEL("lblLow" bar, "Low", "fraGains", 120, (top) + 330, 500),       \
      ControlDesign{.name = bar,                                                    \
                    .kind = ControlKind::ScrollBar,                                 \
                    .rect = {650, (top) + 300, 3900, 300},                          \
                    .container = "fraGains",                                        \
                    .help_topic = topic,                                            \
                    .help_line = help,                                              \
                    .help_when = HelpWhen::Focus,                                   \
                    .tab_index = (tab),                                             \
                    .scroll = {1, 5, 3}},                                           \
      PELLAVAN_LABEL("lblHigh" bar, "High", "fraGains", 4650, (top) + 330, 600)
#define PELLAVAN_BUTTON(nm, text, page, l, tab, topic, help)                                \
  ControlDesign {                                                                           \
    .name = nm, .kind = ControlKind::Button, .caption = text, .rect = {l, 8620, 1800, 450}, \
    .container = page, .help_topic = topic, .help_line = help, .tab_index = (tab)           \
  }
#define PELLAVAN_HELP_LINE(nm, page)                                                            \
  ControlDesign {                                                                               \
    .name = nm, .kind = ControlKind::Label, .rect = {180, 8200, 14400, 315}, .container = page, \
    .fore = kHelpFore, .back = kHelpBack                                                        \
  }

inline constexpr ControlDesign kControls[] = {
    {.name = "SSTab1", .kind = ControlKind::TabControl, .rect = {60, 60, 14880, 9680}},
    {.name = "pgJob",
     .kind = ControlKind::TabPage,
     .caption = " &Job Information",
     .container = "SSTab1",
     .help_label = "lblInfo"},
    {.name = "pgLoad",
     .kind = ControlKind::TabPage,
     .caption = "&Load Information",
     .container = "SSTab1",
     .help_label = "lblInfo2"},

    // The job page.
    {.name = "fraClient",
     .kind = ControlKind::Frame,
     .caption = "Client Information",
     .rect = {180, 120, 7200, 4300},
     .container = "pgJob",
     .help_topic = 560},
    PELLAVAN_JOB("fraClient", "txtCname", "lblCname", "Name", 350, 5200, 35, 0,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtCadd", "lblCadd", "Address", 770, 5200, 35, 1,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtCcity", "lblCcity", "City", 1190, 3600, 25, 2,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtCstate", "lblCstate", "State", 1610, 700, 3, 3,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtCzip", "lblCzip", "Zip/Postal Code", 2030, 1400, 7, 4,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtHphone", "lblHphone", "Phone-Home", 2450, 3600, 30, 5,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtWphone", "lblWphone", "Phone-Work", 2870, 3600, 30, 6,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraClient", "txtCphone", "lblCphone", "Phone-Cell", 3290, 3600, 30, 7,
                 HelpWhen::Focus),
    PELLAVAN_JOB("fraClient", "txtEmail", "lblEmail", "Email", 3710, 5300, 80, 8, HelpWhen::Focus),
    {.name = "fraJob",
     .kind = ControlKind::Frame,
     .caption = "Job Information",
     .rect = {7560, 120, 7020, 4300},
     .container = "pgJob",
     .help_topic = 2990},
    PELLAVAN_JOB("fraJob", "txtBldDesc", "lblBldDesc", "Project Title", 350, 3600, 20, 9,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraJob", "txtProjNum", "lblProjNum", "Project Number", 770, 2600, 15, 10,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraJob", "txtDate", "lblDate", "Project Date", 1190, 1800, 0, 11,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraJob", "txtDnotes", "lblDnotes", "Dealer Notes", 1610, 5150, 45, 12,
                 HelpWhen::FocusAndHover),
    PELLAVAN_JOB("fraJob", "txtCnotes", "lblCnotes", "Client Notes", 2030, 5150, 45, 13,
                 HelpWhen::FocusAndHover),
    PELLAVAN_LABEL("lblPnote1", "Project Notes", "pgJob", 180, 4560, 2000),
    {.name = "txtPnote1",
     .kind = ControlKind::TextArea,
     .rect = {180, 4840, 14400, 1200},
     .container = "pgJob",
     .help_line = kAddHelp,
     .tab_index = 14,
     .max_length = 160},
    PELLAVAN_LABEL("Label19", "Characters Remaining", "pgJob", 180, 6120, 2000),
    PELLAVAN_LABEL("lblRoom", "", "pgJob", 2250, 6120, 800),
    PELLAVAN_HELP_LINE("lblInfo", "pgJob"),
    PELLAVAN_BUTTON("Command3", "L&oad Tab", "pgJob", 8700, 15, 0, kAddHelp),
    PELLAVAN_BUTTON("btnHelp", "&Help", "pgJob", 10650, 16, 0, kAddHelp),
    PELLAVAN_BUTTON("Command1", "&Done", "pgJob", 12600, 17, 570, kAddHelp),

    // The load page.
    {.name = "fraDesign",
     .kind = ControlKind::Frame,
     .caption = "Design Data",
     .rect = {120, 60, 9100, 7400},
     .container = "pgLoad"},
    {.name = "fraCity",
     .kind = ControlKind::Frame,
     .rect = {120, 240, 3300, 7000},
     .container = "fraDesign"},
    PELLAVAN_LABEL("lblState", "State/Prov.", "fraCity", 120, 150, 2000),
    {.name = "comboState",
     .kind = ControlKind::ListBox,
     .rect = {120, 420, 3060, 2900},
     .container = "fraCity",
     .help_topic = 620,
     .help_line = "Select State/Province of Project",
     .tab_index = 18},
    PELLAVAN_LABEL("lblCity", "City", "fraCity", 120, 3420, 2000),
    {.name = "comboCity",
     .kind = ControlKind::ListBox,
     .rect = {120, 3690, 3060, 3150},
     .container = "fraCity",
     .help_topic = 610,
     .help_line = "Select Nearest City of Project",
     .tab_index = 19},
    {.name = "fraCityInfo",
     .kind = ControlKind::Frame,
     .caption = "City Information",
     .rect = {3540, 240, 5440, 2500},
     .container = "fraDesign"},
    {.name = "Label52",
     .kind = ControlKind::Label,
     .rect = {120, 280, 1700, 480},
     .container = "fraCityInfo"},
    {.name = "fcw1",
     .kind = ControlKind::Label,
     .rect = {1870, 280, 1700, 480},
     .container = "fraCityInfo"},
    {.name = "fcw3",
     .kind = ControlKind::Label,
     .rect = {3620, 280, 1700, 480},
     .container = "fraCityInfo"},
    PELLAVAN_READOUT("lblDegDay", "fraCityInfo", 120, 800, 1600, "Degree Days for Selected City"),
    PELLAVAN_READOUT("lblGroundTemp", "fraCityInfo", 1870, 800, 1600,
                     "Average Ground Temperature for Selected City"),
    PELLAVAN_READOUT("lbl1Cooling", "fraCityInfo", 3620, 800, 1600,
                     "Cooling Design Temperature in Deg F for Selected City"),
    {.name = "fcw4",
     .kind = ControlKind::Label,
     .rect = {120, 1250, 1700, 480},
     .container = "fraCityInfo"},
    {.name = "fcw2",
     .kind = ControlKind::Label,
     .rect = {1870, 1250, 1700, 480},
     .container = "fraCityInfo"},
    {.name = "Label54",
     .kind = ControlKind::Label,
     .caption = "Surface Swing Days",
     .rect = {3620, 1250, 1700, 480},
     .container = "fraCityInfo"},
    PELLAVAN_READOUT("lbl97Heating", "fraCityInfo", 120, 1770, 1600,
                     "Heating Design Temperature in Deg F for Selected City"),
    PELLAVAN_READOUT("lblAnnSwing", "fraCityInfo", 1870, 1770, 1600,
                     "Ground Surface Temperature Swing for Selected City"),
    PELLAVAN_READOUT("lblPhase", "fraCityInfo", 3620, 1770, 1600,
                     "Ground Temperture Extreme Time Lag for Selected City"),
    {.name = "fraLoad",
     .kind = ControlKind::Frame,
     .caption = "Load Input",
     .rect = {3540, 2860, 5440, 4380},
     .container = "fraDesign"},
    PELLAVAN_LABEL("lblHeating", "Heating", "fraLoad", 1500, 260, 1500),
    PELLAVAN_LABEL("lblCooling", "Cooling", "fraLoad", 3300, 260, 1500),
    PELLAVAN_LABEL("labelLoad", "Load Btu/Hr", "fraLoad", 120, 570, 1350),
    PELLAVAN_LOAD("txtHload", 1500, 540, 1500, 6, 20, 630,
                  "Enter Heat Loss Based on Load Calculation"),
    PELLAVAN_LOAD("txtCload", 3300, 540, 1500, 6, 24, 670,
                  "Enter Heat Gain Based on Load Calculation"),
    PELLAVAN_LABEL("lblDeltaT", "Delta T", "fraLoad", 120, 970, 1350),
    PELLAVAN_LOAD("txtHdt", 1500, 940, 1100, 4, 21, 680,
                  "Enter Heating Temp. Diff. Used in Load Calcuation"),
    PELLAVAN_LABEL("fc1", "F", "fraLoad", 2650, 970, 400),
    PELLAVAN_LOAD("txtCdt", 3300, 940, 1100, 4, 25, 660,
                  "Enter Cooling Temp. Diff. Used in Load Calcuation"),
    PELLAVAN_LABEL("fc3", "F", "fraLoad", 4450, 970, 400),
    PELLAVAN_LABEL("lblSetPoint", "Set Point", "fraLoad", 120, 1370, 1350),
    PELLAVAN_LOAD("txtHset", 1500, 1340, 1100, 4, 22, 690,
                  "Expected Thermostat Setting for Heating"),
    PELLAVAN_LABEL("fc2", "F", "fraLoad", 2650, 1370, 400),
    PELLAVAN_LOAD("txtCset", 3300, 1340, 1100, 4, 26, 700,
                  "Expected Thermostat Setting for Cooling"),
    PELLAVAN_LABEL("fc4", "F", "fraLoad", 4450, 1370, 400),
    PELLAVAN_LABEL("lblBeginAt", "Begin At", "fraLoad", 1500, 1770, 1700),
    PELLAVAN_LOAD("txtSclg", 3300, 1740, 1100, 4, 27, 710,
                  "Temperature Windows are Closed and Cooling Begins"),
    PELLAVAN_LABEL("fc5", "F", "fraLoad", 4450, 1770, 400),
    {.name = "chkSensible",
     .kind = ControlKind::CheckBox,
     .caption = "Ratio",
     .rect = {1500, 2140, 1500, 300},
     .container = "fraLoad",
     .help_topic = 580,
     .help_line = "Choose Between Input of Sensible Ratio or Load",
     .tab_index = 23},
    PELLAVAN_LABEL("lblSensible", "Sensible Btu/hr", "fraLoad", 120, 2570, 1700),
    PELLAVAN_LOAD("txtSensible", 3300, 2540, 1500, 6, 28, 580, "Sensible Cooling Capacity Load"),
    PELLAVAN_LOAD("txtSensiblePercent", 3300, 2540, 1100, 4, 29, 580,
                  "Sensible to Total Cooling Ratio"),
    PELLAVAN_LABEL("lblHotWater", "Hot Water", "fraLoad", 120, 3070, 1350),
    PELLAVAN_LOAD("txtDhw", 1500, 3040, 1100, 4, 30, 650, "Hot Water Heater Temperature Setting"),
    PELLAVAN_LABEL("fc6", "F", "fraLoad", 2650, 3070, 400),
    PELLAVAN_LABEL("lblUsers", "Users", "fraLoad", 3300, 3070, 700),
    PELLAVAN_LOAD("txtOcc", 4050, 3040, 750, 2, 31, 640, "Number of Occupants Using Hot Water"),

    {.name = "fraGains",
     .kind = ControlKind::Frame,
     .caption = "Internal Gains Estimator",
     .rect = {9340, 60, 5440, 7400},
     .container = "pgLoad"},
    {.name = "fraReadout",
     .kind = ControlKind::Frame,
     .rect = {120, 240, 5200, 2500},
     .container = "fraGains",
     .help_topic = 720},
    PELLAVAN_LABEL("lblCdCaption", "Heating Correction Factor", "fraReadout", 120, 180, 3400),
    {.name = "imgscale",
     .kind = ControlKind::Custom,
     .rect = {120, 470, 3400, 360},
     .container = "fraReadout",
     .help_line = "Calculated Cd Factor / % of Maximum Possible Cd",
     .help_when = HelpWhen::Hover},
    PELLAVAN_READOUT("lblCd", "fraReadout", 3650, 500, 1000,
                     "Calculated Cd Factor / % of Maximum Possible Cd"),
    PELLAVAN_LABEL("lblMin", "Min.", "fraReadout", 120, 950, 600),
    PELLAVAN_READOUT("lblCdHigh", "fraReadout", 720, 950, 800,
                     "Minimum Heating Correction Factor of Selected City"),
    PELLAVAN_LABEL("lblMax", "Max.", "fraReadout", 2000, 950, 600),
    PELLAVAN_READOUT("lblCdLow", "fraReadout", 2600, 950, 800,
                     "Maximum Heating Correction Factor of Selected City"),
    PELLAVAN_LABEL("lblGainCaption", "Internal Gain", "fraReadout", 120, 1450, 1500),
    PELLAVAN_READOUT("lblGain", "fraReadout", 1700, 1450, 1200,
                     "Average Internal Gain of Structure"),
    PELLAVAN_LABEL("labelIG", "Btu/hr", "fraReadout", 3000, 1450, 900),
    PELLAVAN_LABEL("lblBalCaption", "Balance Point", "fraReadout", 120, 1950, 1500),
    PELLAVAN_READOUT("lblBalPoint", "fraReadout", 1700, 1950, 1200,
                     "Temperature No Heating or Cooling Required"),
    PELLAVAN_LABEL("fc7", "F", "fraReadout", 3000, 1950, 400),
    PELLAVAN_GAIN("ig1", "Base Electric Load per sq ft", "hscrBase", 2900, 32, 760,
                  "Relative Degree of Base Electric Correction", nullptr),
    PELLAVAN_GAIN("ig2", "Solar Gains per sq ft", "HscrSolar", 4000, 33, 750,
                  "Relative Degree of Solar Gain Correction", nullptr),
    PELLAVAN_GAIN("ig3", "Occupancy Level per sq ft", "HscrOcc", 5100, 34, 730,
                  "Relative Degree of Occupancy Correction", nullptr),
    PELLAVAN_GAIN("Label22", "Construction Quality", "HscrStruc", 6200, 35, 740,
                  "Relative Degree of Construction Quality Correction",
                  "Relative Degree of Construction Quality Correction"),
    {.name = "fraFan",
     .kind = ControlKind::Frame,
     .rect = {120, 7520, 4200, 600},
     .container = "pgLoad",
     .help_topic = 590,
     .help_line = "Continuous Blower Option",
     .help_when = HelpWhen::Hover},
    PELLAVAN_LABEL("lblFan", "Continuous Fan", "fraFan", 120, 200, 1500),
    {.name = "optFy",
     .kind = ControlKind::OptionButton,
     .caption = "Yes",
     .rect = {1700, 170, 900, 300},
     .container = "fraFan",
     .help_line = "Continuous Blower Option",
     .help_when = HelpWhen::Focus,
     .tab_index = 36},
    {.name = "optFn",
     .kind = ControlKind::OptionButton,
     .caption = "No",
     .rect = {2700, 170, 900, 300},
     .container = "fraFan",
     .help_line = "Continuous Blower Option",
     .help_when = HelpWhen::Focus,
     .tab_index = 37},
    PELLAVAN_HELP_LINE("lblInfo2", "pgLoad"),
    PELLAVAN_BUTTON("Command2", "Jo&bTab", "pgLoad", 8700, 38, 0, "Show Job Information Window"),
    PELLAVAN_BUTTON("Command5", "&Help", "pgLoad", 10650, 39, 0, "Display Project Help Topics"),
    PELLAVAN_BUTTON("Command4", "Do&ne", "pgLoad", 12600, 40, 570, "Return to Main Window"),
};

#undef PELLAVAN_JOB
#undef PELLAVAN_LABEL
#undef PELLAVAN_READOUT
#undef PELLAVAN_LOAD
#undef PELLAVAN_GAIN
#undef PELLAVAN_BUTTON
#undef PELLAVAN_HELP_LINE

using platform::ButtonHandle;
using platform::LabelHandle;
using platform::ListHandle;
using platform::ScrollBarHandle;
using platform::TextBoxHandle;

inline constexpr platform::TabsHandle SSTab1{kControls, "SSTab1"};
inline constexpr platform::PageHandle pgJob{kControls, "pgJob"};
inline constexpr platform::PageHandle pgLoad{kControls, "pgLoad"};
inline constexpr ListHandle comboState{kControls, "comboState"};
inline constexpr ListHandle comboCity{kControls, "comboCity"};
inline constexpr TextBoxHandle txtCname{kControls, "txtCname"};
inline constexpr TextBoxHandle txtDate{kControls, "txtDate"};
inline constexpr platform::TextAreaHandle txtPnote1{kControls, "txtPnote1"};
inline constexpr TextBoxHandle txtHload{kControls, "txtHload"};
inline constexpr TextBoxHandle txtHdt{kControls, "txtHdt"};
inline constexpr TextBoxHandle txtHset{kControls, "txtHset"};
inline constexpr TextBoxHandle txtCload{kControls, "txtCload"};
inline constexpr TextBoxHandle txtCdt{kControls, "txtCdt"};
inline constexpr TextBoxHandle txtCset{kControls, "txtCset"};
inline constexpr TextBoxHandle txtSclg{kControls, "txtSclg"};
inline constexpr TextBoxHandle txtSensible{kControls, "txtSensible"};
inline constexpr TextBoxHandle txtSensiblePercent{kControls, "txtSensiblePercent"};
inline constexpr TextBoxHandle txtDhw{kControls, "txtDhw"};
inline constexpr TextBoxHandle txtOcc{kControls, "txtOcc"};
inline constexpr platform::CheckBoxHandle chkSensible{kControls, "chkSensible"};
inline constexpr platform::OptionHandle optFy{kControls, "optFy"};
inline constexpr platform::OptionHandle optFn{kControls, "optFn"};
inline constexpr ScrollBarHandle hscrBase{kControls, "hscrBase"};
inline constexpr ScrollBarHandle HscrSolar{kControls, "HscrSolar"};
inline constexpr ScrollBarHandle HscrOcc{kControls, "HscrOcc"};
inline constexpr ScrollBarHandle HscrStruc{kControls, "HscrStruc"};
inline constexpr platform::CustomHandle imgscale{kControls, "imgscale"};
inline constexpr ButtonHandle Command1{kControls, "Command1"};
inline constexpr ButtonHandle Command2{kControls, "Command2"};
inline constexpr ButtonHandle Command3{kControls, "Command3"};
inline constexpr ButtonHandle Command4{kControls, "Command4"};
inline constexpr ButtonHandle Command5{kControls, "Command5"};
inline constexpr ButtonHandle btnHelp{kControls, "btnHelp"};
inline constexpr LabelHandle lblRoom{kControls, "lblRoom"};
inline constexpr LabelHandle lblInfo2{kControls, "lblInfo2"};
inline constexpr LabelHandle lblSensible{kControls, "lblSensible"};
inline constexpr LabelHandle labelLoad{kControls, "labelLoad"};
inline constexpr LabelHandle labelIG{kControls, "labelIG"};
inline constexpr LabelHandle lblCd{kControls, "lblCd"};
inline constexpr LabelHandle lblCdHigh{kControls, "lblCdHigh"};
inline constexpr LabelHandle lblCdLow{kControls, "lblCdLow"};
inline constexpr LabelHandle lblGain{kControls, "lblGain"};
inline constexpr LabelHandle lblBalPoint{kControls, "lblBalPoint"};

// The job texts: box, field, and whether blanks around the text are removed when stored.
struct JobText {
  TextBoxHandle box;
  model::TextField<model::ProjectRec> field;
  bool trimmed = false;
};
using model::ProjectRec;
using model::text_field;
inline constexpr JobText kJobTexts[] = {
    {{kControls, "txtCname"}, text_field<&ProjectRec::Client_Name>()},
    {{kControls, "txtCcity"}, text_field<&ProjectRec::Client_City>()},
    {{kControls, "txtCadd"}, text_field<&ProjectRec::Client_Address>()},
    {{kControls, "txtCstate"}, text_field<&ProjectRec::Client_State>()},
    {{kControls, "txtCzip"}, text_field<&ProjectRec::Client_Zip>()},
    {{kControls, "txtHphone"}, text_field<&ProjectRec::Client_HomePhone>()},
    {{kControls, "txtWphone"}, text_field<&ProjectRec::Client_WorkPhone>()},
    {{kControls, "txtBldDesc"}, text_field<&ProjectRec::Project_Title>()},
    {{kControls, "txtCnotes"}, text_field<&ProjectRec::Client_Notes>()},
    {{kControls, "txtDnotes"}, text_field<&ProjectRec::Dealer_Notes>()},
    {{kControls, "txtProjNum"}, text_field<&ProjectRec::Project_Number>()},
    {{kControls, "txtCphone"}, text_field<&ProjectRec::Client_CellPhone>(), true},
    {{kControls, "txtEmail"}, text_field<&ProjectRec::Client_Email>(), true},
};

// The four corrections: scroll bar and field.
struct Correction {
  ScrollBarHandle bar;
  model::Int16 ProjectRec::*field;
};
inline constexpr Correction kCorrections[] = {
    {HscrSolar, &ProjectRec::Loads_SolarGain},
    {HscrOcc, &ProjectRec::Loads_OccupancyGain},
    {hscrBase, &ProjectRec::Loads_ElecGain},
    {HscrStruc, &ProjectRec::Loads_Construction},
};

using model::Leave;
using model::number_field;
using model::Quantity;
inline constexpr model::NumberFormat kRatioFormat{2, false};  // "#.00"
inline constexpr model::UnitBinding kUnits[] = {
    {.control = txtHload,
     .field = number_field<&ProjectRec::Loads_HeatLoad>(),
     .quantity = Quantity::Capacity,
     .slot = 10},
    {.control = txtHdt,
     .field = number_field<&ProjectRec::Loads_HeatDeltaT>(),
     .quantity = Quantity::TemperatureDifference,
     .slot = 61,
     .leave = Leave::RoundHalf},
    {.control = txtCload,
     .field = number_field<&ProjectRec::Loads_CoolLoad>(),
     .quantity = Quantity::Capacity,
     .slot = 15},
    {.control = txtSensiblePercent,
     .field = number_field<&ProjectRec::Loads_SensibleRatio>(),
     .quantity = Quantity::Plain,
     .slot = 62,
     .imperial = kRatioFormat,
     .metric = kRatioFormat},
    {.control = txtSensible,
     .field = number_field<&ProjectRec::Loads_SensibleLoad>(),
     .quantity = Quantity::Capacity,
     .slot = 12},
    {.control = txtCdt,
     .field = number_field<&ProjectRec::Loads_CoolDeltaT>(),
     .quantity = Quantity::TemperatureDifference,
     .slot = 63,
     .leave = Leave::RoundHalf},
    {.control = txtDhw,
     .field = number_field<&ProjectRec::Loads_DhwTemp>(),
     .quantity = Quantity::Temperature,
     .slot = 64,
     .leave = Leave::RoundHalf},
    {.control = txtOcc,
     .field = number_field<&ProjectRec::Loads_DhwUsers>(),
     .quantity = Quantity::Plain,
     .slot = 65},
    {.control = txtHset,
     .field = number_field<&ProjectRec::Loads_HeatSetPoint>(),
     .quantity = Quantity::Temperature,
     .slot = 66,
     .leave = Leave::RoundHalf},
    {.control = txtCset,
     .field = number_field<&ProjectRec::Loads_CoolSetPoint>(),
     .quantity = Quantity::Temperature,
     .slot = 67,
     .leave = Leave::RoundHalf},
    {.control = txtSclg,
     .field = number_field<&ProjectRec::Loads_CoolStart>(),
     .quantity = Quantity::Temperature,
     .slot = 68,
     .leave = Leave::RoundHalf},
};

using model::Range;
using model::RangeCheck;
// Test_Data, in its order. A load in kW display is bounded as in Btu/h (1000 Btu/h is 0.3 kW);
// the sensible bounds in kW are taken at the one decimal the boxes show.
inline constexpr RangeCheck kChecks[] = {
    {.name = "heating load",
     .value = loads::kHeatLoad,
     .quantity = Quantity::Capacity,
     .imperial = {1000, 999999},
     .metric = Range{0, 292},
     .text = "Heating Load Outside of Valid Range of {low} - {high}",
     .focus = txtHload},
    {.name = "heating delta T",
     .value = loads::kHeatDeltaT,
     .imperial = {10, 125},
     .text = "Heating Delta T Outside of Valid Range of 10 - 125",
     .focus = txtHdt},
    {.name = "cooling load",
     .value = loads::kCoolLoad,
     .quantity = Quantity::Capacity,
     .imperial = {1000, 999999},
     .metric = Range{0, 292},
     .text = "Cooling Load Outside of Valid Range of {low} - {high}",
     .focus = txtCload},
    {.name = "cooling delta T",
     .value = loads::kCoolDeltaT,
     .imperial = {5, 50},
     .text = "Cooling Delta T Outside of Valid Range of 5 - 50",
     .focus = txtCdt},
    {.name = "hot water",
     .value = loads::kDhwTemp,
     .quantity = Quantity::Temperature,
     .imperial = {120, 136},
     .text = "Hot Water Temp Outside of Valid Range of 120F - 136F",
     .metric_text = "Hot Water Temp Outside of Valid Range of 49C - 58C",
     .focus = txtDhw},
    {.name = "occupants",
     .value = loads::kDhwUsers,
     .imperial = {0, 50},
     .text = "Number of Occupants Outside of Valid Range of 0 - 50",
     .focus = txtOcc},
    {.name = "heating set point",
     .value = loads::kHeatSetPoint,
     .imperial = {50, 80},
     .text = "Heating Set Point Outside of Valid Range of 50 - 80",
     .focus = txtHset},
    {.name = "cooling set point",
     .value = loads::kCoolSetPoint,
     .imperial = {70, 90},
     .text = "Cooling Set Point Outside of Valid Range of 70 - 90",
     .focus = txtCset},
    {.name = "start cooling",
     .value = loads::kCoolStart,
     .imperial = {20, 100},
     .text = "Start Cooling Point Outside of Valid Range of 20 - 100",
     .focus = txtSclg},
    {.name = "sensible ratio",
     .value = loads::kSensibleRatio,
     .when = loads::kRatioMode,
     .imperial = {loads::kLowestRatio, loads::kHighestRatio},
     .text = "S/T Ratio Outside of Valid Range of .60 - .99",
     .title = platform::kAppTitle,
     .icon = platform::MessageIcon::None,
     .focus = txtSensiblePercent},
    {.name = "sensible load",
     .value = loads::kSensibleLoad,
     .quantity = Quantity::Capacity,
     .imperial = {.low_from = loads::kSensibleLow, .high_from = loads::kSensibleHigh},
     .text = "Sensible Cooling Outside of Valid Range of {low} to {high}",
     .bounds_shown = model::BoundText::Grouped,
     .focus = txtSensible},
};
// The ratio box's own check on leaving it: narrower than Test_Data's.
inline constexpr RangeCheck kRatioBox[] = {{
    .name = "sensible ratio, typed",
    .value = loads::kSensibleRatio,
    .when = loads::kRatioMode,
    .imperial = {loads::kLowestRatio, loads::kHighestTypedRatio},
    .text = "S/T Ratio Outside of Valid Range of .60 - .90",
    .title = platform::kAppTitle,
    .icon = platform::MessageIcon::None,
    .focus = txtSensiblePercent,
}};
inline constexpr model::CheckTable kCheckTables[] = {{"Test_Data", kChecks},
                                                     {"ratio box", kRatioBox}};

inline constexpr platform::WindowDesign kDesign{.name = "Form3",
                                                .caption = "Project Information",
                                                .client_width = 15000,
                                                .client_height = 9800,
                                                .help_topic = 460,
                                                .controls = kControls,
                                                .sizes = program_state::kInputWindowSizes,
                                                .highlight_fields = true,
                                                .units = kUnits,
                                                .checks = kCheckTables};

}  // namespace pellavan::app::project_window
