#pragma once
// The design of the project-information window: two pages (the job and the load page), their
// controls, the unit bindings of the load fields and the range checks run before every load
// calculation.

#include <array>

#include "program_state/window_sizes.h"
#include "loads/input/load_checks.h"
#include "model/input/record_field.h"
#include "model/records/project_rec.h"
#include "platform/control_handle.h"
#include "platform/design_table.h"
#include "platform/window_design.h"

namespace pellavan::app::project_window {

using platform::ControlDesign;
using platform::ControlKind;
using platform::design_label;
using platform::HelpWhen;

inline constexpr QRgb kHelpBack = platform::rgb(0xC0, 0xC0, 0xC0);
inline constexpr QRgb kHelpFore = platform::rgb(0x00, 0x00, 0xFF);
inline constexpr const char* kAddHelp = "Add Help Here";

// A job-page field: its label left, the box right of it.
[[nodiscard]] constexpr std::array<ControlDesign, 2> job_field(const char* frame, const char* box,
                                                               const char* label_name,
                                                               const char* text, int top, int width,
                                                               int limit, int tab, HelpWhen when) {
  return {ControlDesign{.name = label_name,
                        .kind = ControlKind::Label,
                        .caption = text,
                        .rect = {150, top + 30, 1500, 255},
                        .container = frame},
          ControlDesign{.name = box,
                        .kind = ControlKind::TextBox,
                        .rect = {1700, top, width, 315},
                        .container = frame,
                        .help_line = kAddHelp,
                        .help_when = when,
                        .tab_index = tab,
                        .max_length = limit}};
}
[[nodiscard]] constexpr ControlDesign readout(const char* name, const char* frame, int l, int t,
                                              int w, const char* help) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::Label,
                       .rect = {l, t, w, 285},
                       .container = frame,
                       .help_line = help,
                       .help_when = HelpWhen::Hover};
}
[[nodiscard]] constexpr ControlDesign load_box(const char* name, int l, int t, int w, int limit,
                                               int tab, int topic, const char* help) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::TextBox,
                       .rect = {l, t, w, 315},
                       .container = "fraLoad",
                       .help_topic = topic,
                       .help_line = help,
                       .tab_index = tab,
                       .max_length = limit};
}
// The names of a correction scroll bar's caption, its low end, the bar and its high end.
struct GainNames {
  const char* caption;
  const char* low;
  const char* bar;
  const char* high;
};
// A correction scroll bar with its caption and its two ends.
[[nodiscard]] constexpr std::array<ControlDesign, 4> gain_bar(const GainNames& n, const char* text,
                                                              int top, int tab, int topic,
                                                              const char* help,
                                                              const char* caption_help) {
  return {ControlDesign{.name = n.caption,
                        .kind = ControlKind::Label,
                        .caption = text,
                        .rect = {120, top, 5000, 255},
                        .container = "fraGains",
                        .help_line = caption_help,
                        .help_when = HelpWhen::Hover},
          design_label(n.low, "Low", "fraGains", 120, top + 330, 500),
          ControlDesign{.name = n.bar,
                        .kind = ControlKind::ScrollBar,
                        .rect = {650, top + 300, 3900, 300},
                        .container = "fraGains",
                        .help_topic = topic,
                        .help_line = help,
                        .help_when = HelpWhen::Focus,
                        .tab_index = tab,
                        .scroll = {1, 5, 3}},
          design_label(n.high, "High", "fraGains", 4650, top + 330, 600)};
}
[[nodiscard]] constexpr ControlDesign page_button(const char* name, const char* text,
                                                  const char* page, int l, int tab, int topic,
                                                  const char* help) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::Button,
                       .caption = text,
                       .rect = {l, 8620, 1800, 450},
                       .container = page,
                       .help_topic = topic,
                       .help_line = help,
                       .tab_index = tab};
}
[[nodiscard]] constexpr ControlDesign page_help_line(const char* name, const char* page) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::Label,
                       .rect = {180, 8200, 14400, 315},
                       .container = page,
                       .fore = kHelpFore,
                       .back = kHelpBack};
}

inline constexpr auto kControls = platform::design_table(
    ControlDesign{.name = "SSTab1", .kind = ControlKind::TabControl, .rect = {60, 60, 14880, 9680}},
    ControlDesign{.name = "pgJob",
                  .kind = ControlKind::TabPage,
                  .caption = " &Job Information",
                  .container = "SSTab1",
                  .help_label = "lblInfo"},
    ControlDesign{.name = "pgLoad",
                  .kind = ControlKind::TabPage,
                  .caption = "&Load Information",
                  .container = "SSTab1",
                  .help_label = "lblInfo2"},

    // The job page.
    ControlDesign{.name = "fraClient",
                  .kind = ControlKind::Frame,
                  .caption = "Client Information",
                  .rect = {180, 120, 7200, 4300},
                  .container = "pgJob",
                  .help_topic = 560},
    job_field("fraClient", "txtCname", "lblCname", "Name", 350, 5200, 35, 0,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtCadd", "lblCadd", "Address", 770, 5200, 35, 1,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtCcity", "lblCcity", "City", 1190, 3600, 25, 2,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtCstate", "lblCstate", "State", 1610, 700, 3, 3,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtCzip", "lblCzip", "Zip/Postal Code", 2030, 1400, 7, 4,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtHphone", "lblHphone", "Phone-Home", 2450, 3600, 30, 5,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtWphone", "lblWphone", "Phone-Work", 2870, 3600, 30, 6,
              HelpWhen::FocusAndHover),
    job_field("fraClient", "txtCphone", "lblCphone", "Phone-Cell", 3290, 3600, 30, 7,
              HelpWhen::Focus),
    job_field("fraClient", "txtEmail", "lblEmail", "Email", 3710, 5300, 80, 8, HelpWhen::Focus),
    ControlDesign{.name = "fraJob",
                  .kind = ControlKind::Frame,
                  .caption = "Job Information",
                  .rect = {7560, 120, 7020, 4300},
                  .container = "pgJob",
                  .help_topic = 2990},
    job_field("fraJob", "txtBldDesc", "lblBldDesc", "Project Title", 350, 3600, 20, 9,
              HelpWhen::FocusAndHover),
    job_field("fraJob", "txtProjNum", "lblProjNum", "Project Number", 770, 2600, 15, 10,
              HelpWhen::FocusAndHover),
    job_field("fraJob", "txtDate", "lblDate", "Project Date", 1190, 1800, 0, 11,
              HelpWhen::FocusAndHover),
    job_field("fraJob", "txtDnotes", "lblDnotes", "Dealer Notes", 1610, 5150, 45, 12,
              HelpWhen::FocusAndHover),
    job_field("fraJob", "txtCnotes", "lblCnotes", "Client Notes", 2030, 5150, 45, 13,
              HelpWhen::FocusAndHover),
    design_label("lblPnote1", "Project Notes", "pgJob", 180, 4560, 2000),
    ControlDesign{.name = "txtPnote1",
                  .kind = ControlKind::TextArea,
                  .rect = {180, 4840, 14400, 1200},
                  .container = "pgJob",
                  .help_line = kAddHelp,
                  .tab_index = 14,
                  .max_length = 160},
    design_label("Label19", "Characters Remaining", "pgJob", 180, 6120, 2000),
    design_label("lblRoom", "", "pgJob", 2250, 6120, 800), page_help_line("lblInfo", "pgJob"),
    page_button("Command3", "L&oad Tab", "pgJob", 8700, 15, 0, kAddHelp),
    page_button("btnHelp", "&Help", "pgJob", 10650, 16, 0, kAddHelp),
    page_button("Command1", "&Done", "pgJob", 12600, 17, 570, kAddHelp),

    // The load page.
    ControlDesign{.name = "fraDesign",
                  .kind = ControlKind::Frame,
                  .caption = "Design Data",
                  .rect = {120, 60, 9100, 7400},
                  .container = "pgLoad"},
    ControlDesign{.name = "fraCity",
                  .kind = ControlKind::Frame,
                  .rect = {120, 240, 3300, 7000},
                  .container = "fraDesign"},
    design_label("lblState", "State/Prov.", "fraCity", 120, 150, 2000),
    ControlDesign{.name = "comboState",
                  .kind = ControlKind::ListBox,
                  .rect = {120, 420, 3060, 2900},
                  .container = "fraCity",
                  .help_topic = 620,
                  .help_line = "Select State/Province of Project",
                  .tab_index = 18},
    design_label("lblCity", "City", "fraCity", 120, 3420, 2000),
    ControlDesign{.name = "comboCity",
                  .kind = ControlKind::ListBox,
                  .rect = {120, 3690, 3060, 3150},
                  .container = "fraCity",
                  .help_topic = 610,
                  .help_line = "Select Nearest City of Project",
                  .tab_index = 19},
    ControlDesign{.name = "fraCityInfo",
                  .kind = ControlKind::Frame,
                  .caption = "City Information",
                  .rect = {3540, 240, 5440, 2500},
                  .container = "fraDesign"},
    ControlDesign{.name = "Label52",
                  .kind = ControlKind::Label,
                  .rect = {120, 280, 1700, 480},
                  .container = "fraCityInfo"},
    ControlDesign{.name = "fcw1",
                  .kind = ControlKind::Label,
                  .rect = {1870, 280, 1700, 480},
                  .container = "fraCityInfo"},
    ControlDesign{.name = "fcw3",
                  .kind = ControlKind::Label,
                  .rect = {3620, 280, 1700, 480},
                  .container = "fraCityInfo"},
    readout("lblDegDay", "fraCityInfo", 120, 800, 1600, "Degree Days for Selected City"),
    readout("lblGroundTemp", "fraCityInfo", 1870, 800, 1600,
            "Average Ground Temperature for Selected City"),
    readout("lbl1Cooling", "fraCityInfo", 3620, 800, 1600,
            "Cooling Design Temperature in Deg F for Selected City"),
    ControlDesign{.name = "fcw4",
                  .kind = ControlKind::Label,
                  .rect = {120, 1250, 1700, 480},
                  .container = "fraCityInfo"},
    ControlDesign{.name = "fcw2",
                  .kind = ControlKind::Label,
                  .rect = {1870, 1250, 1700, 480},
                  .container = "fraCityInfo"},
    ControlDesign{.name = "Label54",
                  .kind = ControlKind::Label,
                  .caption = "Surface Swing Days",
                  .rect = {3620, 1250, 1700, 480},
                  .container = "fraCityInfo"},
    readout("lbl97Heating", "fraCityInfo", 120, 1770, 1600,
            "Heating Design Temperature in Deg F for Selected City"),
    readout("lblAnnSwing", "fraCityInfo", 1870, 1770, 1600,
            "Ground Surface Temperature Swing for Selected City"),
    readout("lblPhase", "fraCityInfo", 3620, 1770, 1600,
            "Ground Temperture Extreme Time Lag for Selected City"),
    ControlDesign{.name = "fraLoad",
                  .kind = ControlKind::Frame,
                  .caption = "Load Input",
                  .rect = {3540, 2860, 5440, 4380},
                  .container = "fraDesign"},
    design_label("lblHeating", "Heating", "fraLoad", 1500, 260, 1500),
    design_label("lblCooling", "Cooling", "fraLoad", 3300, 260, 1500),
    design_label("labelLoad", "Load Btu/Hr", "fraLoad", 120, 570, 1350),
    load_box("txtHload", 1500, 540, 1500, 6, 20, 630, "Enter Heat Loss Based on Load Calculation"),
    load_box("txtCload", 3300, 540, 1500, 6, 24, 670, "Enter Heat Gain Based on Load Calculation"),
    design_label("lblDeltaT", "Delta T", "fraLoad", 120, 970, 1350),
    load_box("txtHdt", 1500, 940, 1100, 4, 21, 680,
             "Enter Heating Temp. Diff. Used in Load Calcuation"),
    design_label("fc1", "F", "fraLoad", 2650, 970, 400),
    load_box("txtCdt", 3300, 940, 1100, 4, 25, 660,
             "Enter Cooling Temp. Diff. Used in Load Calcuation"),
    design_label("fc3", "F", "fraLoad", 4450, 970, 400),
    design_label("lblSetPoint", "Set Point", "fraLoad", 120, 1370, 1350),
    load_box("txtHset", 1500, 1340, 1100, 4, 22, 690, "Expected Thermostat Setting for Heating"),
    design_label("fc2", "F", "fraLoad", 2650, 1370, 400),
    load_box("txtCset", 3300, 1340, 1100, 4, 26, 700, "Expected Thermostat Setting for Cooling"),
    design_label("fc4", "F", "fraLoad", 4450, 1370, 400),
    design_label("lblBeginAt", "Begin At", "fraLoad", 1500, 1770, 1700),
    load_box("txtSclg", 3300, 1740, 1100, 4, 27, 710,
             "Temperature Windows are Closed and Cooling Begins"),
    design_label("fc5", "F", "fraLoad", 4450, 1770, 400),
    ControlDesign{.name = "chkSensible",
                  .kind = ControlKind::CheckBox,
                  .caption = "Ratio",
                  .rect = {1500, 2140, 1500, 300},
                  .container = "fraLoad",
                  .help_topic = 580,
                  .help_line = "Choose Between Input of Sensible Ratio or Load",
                  .tab_index = 23},
    design_label("lblSensible", "Sensible Btu/hr", "fraLoad", 120, 2570, 1700),
    load_box("txtSensible", 3300, 2540, 1500, 6, 28, 580, "Sensible Cooling Capacity Load"),
    load_box("txtSensiblePercent", 3300, 2540, 1100, 4, 29, 580, "Sensible to Total Cooling Ratio"),
    design_label("lblHotWater", "Hot Water", "fraLoad", 120, 3070, 1350),
    load_box("txtDhw", 1500, 3040, 1100, 4, 30, 650, "Hot Water Heater Temperature Setting"),
    design_label("fc6", "F", "fraLoad", 2650, 3070, 400),
    design_label("lblUsers", "Users", "fraLoad", 3300, 3070, 700),
    load_box("txtOcc", 4050, 3040, 750, 2, 31, 640, "Number of Occupants Using Hot Water"),

    ControlDesign{.name = "fraGains",
                  .kind = ControlKind::Frame,
                  .caption = "Internal Gains Estimator",
                  .rect = {9340, 60, 5440, 7400},
                  .container = "pgLoad"},
    ControlDesign{.name = "fraReadout",
                  .kind = ControlKind::Frame,
                  .rect = {120, 240, 5200, 2500},
                  .container = "fraGains",
                  .help_topic = 720},
    design_label("lblCdCaption", "Heating Correction Factor", "fraReadout", 120, 180, 3400),
    ControlDesign{.name = "imgscale",
                  .kind = ControlKind::Custom,
                  .rect = {120, 470, 3400, 360},
                  .container = "fraReadout",
                  .help_line = "Calculated Cd Factor / % of Maximum Possible Cd",
                  .help_when = HelpWhen::Hover},
    readout("lblCd", "fraReadout", 3650, 500, 1000,
            "Calculated Cd Factor / % of Maximum Possible Cd"),
    design_label("lblMin", "Min.", "fraReadout", 120, 950, 600),
    readout("lblCdHigh", "fraReadout", 720, 950, 800,
            "Minimum Heating Correction Factor of Selected City"),
    design_label("lblMax", "Max.", "fraReadout", 2000, 950, 600),
    readout("lblCdLow", "fraReadout", 2600, 950, 800,
            "Maximum Heating Correction Factor of Selected City"),
    design_label("lblGainCaption", "Internal Gain", "fraReadout", 120, 1450, 1500),
    readout("lblGain", "fraReadout", 1700, 1450, 1200, "Average Internal Gain of Structure"),
    design_label("labelIG", "Btu/hr", "fraReadout", 3000, 1450, 900),
    design_label("lblBalCaption", "Balance Point", "fraReadout", 120, 1950, 1500),
    readout("lblBalPoint", "fraReadout", 1700, 1950, 1200,
            "Temperature No Heating or Cooling Required"),
    design_label("fc7", "F", "fraReadout", 3000, 1950, 400),
    gain_bar({"ig1", "lblLowhscrBase", "hscrBase", "lblHighhscrBase"},
             "Base Electric Load per sq ft", 2900, 32, 760,
             "Relative Degree of Base Electric Correction", nullptr),
    gain_bar({"ig2", "lblLowHscrSolar", "HscrSolar", "lblHighHscrSolar"}, "Solar Gains per sq ft",
             4000, 33, 750, "Relative Degree of Solar Gain Correction", nullptr),
    gain_bar({"ig3", "lblLowHscrOcc", "HscrOcc", "lblHighHscrOcc"}, "Occupancy Level per sq ft",
             5100, 34, 730, "Relative Degree of Occupancy Correction", nullptr),
    gain_bar({"Label22", "lblLowHscrStruc", "HscrStruc", "lblHighHscrStruc"},
             "Construction Quality", 6200, 35, 740,
             "Relative Degree of Construction Quality Correction",
             "Relative Degree of Construction Quality Correction"),
    ControlDesign{.name = "fraFan",
                  .kind = ControlKind::Frame,
                  .rect = {120, 7520, 4200, 600},
                  .container = "pgLoad",
                  .help_topic = 590,
                  .help_line = "Continuous Blower Option",
                  .help_when = HelpWhen::Hover},
    design_label("lblFan", "Continuous Fan", "fraFan", 120, 200, 1500),
    ControlDesign{.name = "optFy",
                  .kind = ControlKind::OptionButton,
                  .caption = "Yes",
                  .rect = {1700, 170, 900, 300},
                  .container = "fraFan",
                  .help_line = "Continuous Blower Option",
                  .help_when = HelpWhen::Focus,
                  .tab_index = 36},
    ControlDesign{.name = "optFn",
                  .kind = ControlKind::OptionButton,
                  .caption = "No",
                  .rect = {2700, 170, 900, 300},
                  .container = "fraFan",
                  .help_line = "Continuous Blower Option",
                  .help_when = HelpWhen::Focus,
                  .tab_index = 37},
    page_help_line("lblInfo2", "pgLoad"),
    page_button("Command2", "Jo&bTab", "pgLoad", 8700, 38, 0, "Show Job Information Window"),
    page_button("Command5", "&Help", "pgLoad", 10650, 39, 0, "Display Project Help Topics"),
    page_button("Command4", "Do&ne", "pgLoad", 12600, 40, 570, "Return to Main Window"));

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

using model::RangeCheck;
inline constexpr auto kChecks =
    loads::load_rows({txtHload, txtHdt, txtCload, txtCdt, txtDhw, txtOcc, txtHset, txtCset, txtSclg,
                      txtSensiblePercent, txtSensible});
// The ratio box's own check on leaving it: narrower than Test_Data's.
inline constexpr RangeCheck kRatioBox[] = {{
    .name = "sensible ratio, typed",
    .field = number_field<&ProjectRec::Loads_SensibleRatio>(),
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
