#pragma once
// The design of the dealer information and options window: its controls, handles, size and
// the ten dealer boxes with the fields they edit.

#include <array>

#include "program_state/window_sizes.h"
#include "model/input/record_field.h"
#include "model/records/dealer_rec.h"
#include "model/records/project_rec.h"
#include "platform/control_handle.h"
#include "platform/design_table.h"
#include "platform/window_design.h"

namespace pellavan::app::dealer_window {

using platform::ControlDesign;
using platform::ControlKind;

inline constexpr platform::DesignFont kTitle{.points = 9.75, .bold = true};

// A labelled text box of the dealer frame: label left, box right of it.
[[nodiscard]] constexpr std::array<ControlDesign, 2> dealer_field(const char* box,
                                                                  const char* label_name,
                                                                  const char* text, int left,
                                                                  int top, int width, int limit,
                                                                  int tab) {
  return {ControlDesign{.name = label_name,
                        .kind = ControlKind::Label,
                        .caption = text,
                        .rect = {left, top, 1300, 315},
                        .container = "fraDealer"},
          ControlDesign{.name = box,
                        .kind = ControlKind::TextBox,
                        .rect = {left + 1330, top, width, 315},
                        .container = "fraDealer",
                        .tab_index = tab,
                        .max_length = limit}};
}
// An option frame with its pair.
[[nodiscard]] constexpr std::array<ControlDesign, 3> option_pair(
    const char* frame_name, const char* text, int left, int top, const char* yes,
    const char* yes_text, const char* no, const char* no_text, int tab) {
  return {ControlDesign{.name = frame_name,
                        .kind = ControlKind::Frame,
                        .caption = text,
                        .rect = {left, top, 1850, 1000}},
          ControlDesign{.name = yes,
                        .kind = ControlKind::OptionButton,
                        .caption = yes_text,
                        .rect = {200, 300, 1500, 285},
                        .container = frame_name,
                        .tab_index = tab},
          ControlDesign{.name = no,
                        .kind = ControlKind::OptionButton,
                        .caption = no_text,
                        .rect = {200, 620, 1500, 285},
                        .container = frame_name,
                        .tab_index = tab + 1}};
}

inline constexpr auto kControls = platform::design_table(
    ControlDesign{.name = "Logo", .kind = ControlKind::Picture, .rect = {120, 120, 3000, 790}},
    ControlDesign{.name = "lblDealerTitle",
                  .kind = ControlKind::Label,
                  .caption = "Dealer Information",
                  .rect = {120, 1000, 4000, 285},
                  .font = kTitle},
    ControlDesign{.name = "fraDealer", .kind = ControlKind::Frame, .rect = {120, 1300, 9960, 3000}},
    dealer_field("txtDname", "lblDname", "Name", 120, 300, 3300, 35, 0),
    dealer_field("txtDadd", "lblDadd", "Address", 120, 700, 3300, 35, 1),
    dealer_field("txtDcity", "lblDcity", "City", 120, 1100, 3300, 25, 2),
    dealer_field("txtDstate", "lblDstate", "State", 120, 1500, 800, 3, 3),
    dealer_field("txtDcontact", "lblDcontact", "Contact", 120, 1900, 3300, 0, 4),
    dealer_field("txtDphone", "lblDphone", "Phone-Voice", 5000, 300, 3450, 30, 5),
    dealer_field("txtDfax", "lblDfax", "Fax Number", 5000, 700, 3450, 30, 6),
    dealer_field("txtDzip", "lblDzip", "Zip/Postal Code", 5000, 1100, 1500, 7, 7),
    dealer_field("txtDcphone", "lblDcphone", "Phone-Cell", 5000, 1500, 3450, 30, 8),
    dealer_field("txtDemail", "lblDemail", "Email", 5000, 1900, 3450, 80, 9),
    ControlDesign{.name = "btnClear",
                  .kind = ControlKind::Button,
                  .caption = "C&lear Data",
                  .rect = {120, 2400, 1500, 450},
                  .container = "fraDealer",
                  .tab_index = 10},
    ControlDesign{.name = "cndUpLoad",
                  .kind = ControlKind::Button,
                  .caption = "&Update Project",
                  .rect = {1740, 2400, 1700, 450},
                  .container = "fraDealer",
                  .tab_index = 11},
    ControlDesign{
        .name = "lblUpLoadNote",
        .kind = ControlKind::Label,
        .caption = "Update project dealer information without changing default information",
        .rect = {3600, 2400, 6200, 450},
        .container = "fraDealer"},

    ControlDesign{.name = "lblSetupTitle",
                  .kind = ControlKind::Label,
                  .caption = "Setup Options",
                  .rect = {120, 4450, 4000, 285},
                  .font = kTitle},
    option_pair("fraMetric", "Enable Metric Mode", 120, 4800, "OptionMyes", "Yes", "OptionMno",
                "No", 12),
    option_pair("fraGas", "Gas UOM", 2100, 4800, "OptionCCFtoGJ", "Use GJ", "OptionCCFtoM3",
                "Use m3", 14),
    option_pair("fraDegF", "Use Fahrenheit", 4080, 4800, "OptionFY", "Yes", "OptionFN", "No", 16),
    option_pair("fraBtu", "Use Btu", 6060, 4800, "OptionBtuY", "Yes", "OptionBtuN", "No", 18),
    option_pair("fraFeet", "Use Feet", 8040, 4800, "OptionFtY", "Yes", "OptionFtN", "No", 20),
    option_pair("fraInactive", "Show Inactive Units", 120, 5900, "OptionYes", "Yes", "OptionNo",
                "No", 22),
    ControlDesign{.name = "btnSave",
                  .kind = ControlKind::Button,
                  .caption = "&Save",
                  .rect = {6300, 6600, 1700, 450},
                  .tab_index = 24},
    ControlDesign{.name = "btnCancel",
                  .kind = ControlKind::Button,
                  .caption = "&Cancel",
                  .rect = {8150, 6600, 1700, 450},
                  .tab_index = 25});

inline constexpr platform::WindowDesign kDesign{
    .name = "Form13",
    .caption = "Dealer Information Setup/Program Options",
    .client_width = 10200,
    .client_height = 7200,
    .controls = kControls,
    .sizes = program_state::kSetupWindowSizes};

using platform::ButtonHandle;
using platform::OptionHandle;
using platform::TextBoxHandle;

inline constexpr platform::PictureHandle Logo{kControls, "Logo"};
inline constexpr ButtonHandle btnSave{kControls, "btnSave"};
inline constexpr ButtonHandle btnCancel{kControls, "btnCancel"};
inline constexpr ButtonHandle btnClear{kControls, "btnClear"};
inline constexpr ButtonHandle cndUpLoad{kControls, "cndUpLoad"};
inline constexpr OptionHandle OptionMyes{kControls, "OptionMyes"};
inline constexpr OptionHandle OptionMno{kControls, "OptionMno"};
inline constexpr OptionHandle OptionFY{kControls, "OptionFY"};
inline constexpr OptionHandle OptionFN{kControls, "OptionFN"};
inline constexpr OptionHandle OptionBtuY{kControls, "OptionBtuY"};
inline constexpr OptionHandle OptionBtuN{kControls, "OptionBtuN"};
inline constexpr OptionHandle OptionFtY{kControls, "OptionFtY"};
inline constexpr OptionHandle OptionFtN{kControls, "OptionFtN"};
inline constexpr OptionHandle OptionCCFtoGJ{kControls, "OptionCCFtoGJ"};
inline constexpr OptionHandle OptionCCFtoM3{kControls, "OptionCCFtoM3"};
inline constexpr OptionHandle OptionYes{kControls, "OptionYes"};
inline constexpr OptionHandle OptionNo{kControls, "OptionNo"};

// The ten boxes in the order of the record's fields, with the settings file's field and the
// project's dealer field each edits. Name to fax are stored as typed, the others trimmed.
struct DealerBox {
  TextBoxHandle box;
  model::TextField<model::DealerRec> setting;
  model::TextField<model::ProjectRec> project;
  bool trimmed;
};
template <auto SettingField, auto ProjectField>
constexpr DealerBox dealer_box(TextBoxHandle box, bool trimmed) {
  return {box, model::text_field<SettingField>(), model::text_field<ProjectField>(), trimmed};
}
using model::DealerRec;
using model::ProjectRec;
inline constexpr DealerBox kBoxes[] = {
    dealer_box<&DealerRec::Name, &ProjectRec::Dealer_Name>({kControls, "txtDname"}, false),
    dealer_box<&DealerRec::Address, &ProjectRec::Dealer_Address>({kControls, "txtDadd"}, false),
    dealer_box<&DealerRec::City, &ProjectRec::Dealer_City>({kControls, "txtDcity"}, false),
    dealer_box<&DealerRec::State, &ProjectRec::Dealer_State>({kControls, "txtDstate"}, false),
    dealer_box<&DealerRec::Zip, &ProjectRec::Dealer_Zip>({kControls, "txtDzip"}, false),
    dealer_box<&DealerRec::Phone, &ProjectRec::Dealer_Phone>({kControls, "txtDphone"}, false),
    dealer_box<&DealerRec::Fax, &ProjectRec::Dealer_Fax>({kControls, "txtDfax"}, false),
    dealer_box<&DealerRec::CellPhone, &ProjectRec::Dealer_CellPhone>({kControls, "txtDcphone"},
                                                                     true),
    dealer_box<&DealerRec::Email, &ProjectRec::Dealer_Email>({kControls, "txtDemail"}, true),
    dealer_box<&DealerRec::Contact, &ProjectRec::Dealer_Contact>({kControls, "txtDcontact"}, true),
};

// The five unit options: their record field, their pair and the MetricFlag a click sets (-1:
// none until Save).
struct UnitOption {
  model::Text<1> model::DealerRec::*field;
  OptionHandle yes;
  OptionHandle no;
  int flag;
};
inline constexpr UnitOption kUnitOptions[] = {
    {&DealerRec::MetricMode, OptionMyes, OptionMno, model::kMetricDisplay},
    {&DealerRec::UseDegF, OptionFY, OptionFN, model::kKeepFahrenheit},
    {&DealerRec::UseBtuh, OptionBtuY, OptionBtuN, model::kKeepBtuh},
    {&DealerRec::UseFeet, OptionFtY, OptionFtN, model::kKeepFeet},
    {&DealerRec::GasGJ, OptionCCFtoGJ, OptionCCFtoM3, model::kGasPerGj},
};

}  // namespace pellavan::app::dealer_window
