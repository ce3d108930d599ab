#pragma once
// The "Report Options" panel of the reports window without its widgets: the eleven boxes that
// choose the pages of a batch print and the colour choice, restored from the project each time
// the window is shown and stored back into it by the panel's Done and by every batch print.
// Boxes of systems chosen in no comparison column are disabled and unticked, and their ticks are
// dropped from the project.

#include <array>
#include <string_view>

#include "model/project/system_type.h"
#include "reports/chosen_systems.h"
#include "model/records/project_rec.h"

namespace pellavan::reports {

enum class PrintBox : std::uint8_t {
  kTitle,
  kProject,
  kCompGraph,  // pages
  kSummary,
  kBin,
  kBinGraph,  // the pages of each system
  kGeoT,
  kGeoA,
  kGeoB,
  kHeatPump,
  kFurnace,  // systems
};
inline constexpr std::size_t kPrintBoxCount = 11;

struct PrintBoxInfo {
  PrintBox box;
  std::string_view control;  // "ckTitle"
  std::string_view caption;  // also the status line's words
  model::Int16 model::ProjectRec::*field;
  model::SystemType system;  // NoSystem: not a system box
};

inline constexpr std::array<PrintBoxInfo, kPrintBoxCount> kPrintBoxes = [] {
  using model::ProjectRec;
  using enum model::SystemType;
  using enum PrintBox;
  return std::array<PrintBoxInfo, kPrintBoxCount>{{
      {kTitle, "ckTitle", "Title Page", &ProjectRec::Print_Title, NoSystem},
      {kProject, "ckProject", "Project Summary", &ProjectRec::Print_Project, NoSystem},
      {kCompGraph, "ckCompGraph", "Comparison Graph", &ProjectRec::Print_CompGraph, NoSystem},
      {kSummary, "ckSummary", "Summary Report", &ProjectRec::Print_Summary, NoSystem},
      {kBin, "ckBin", "Bin Report", &ProjectRec::Print_Bin, NoSystem},
      {kBinGraph, "ckBinGraph", "Bin Graph", &ProjectRec::Print_BinGraph, NoSystem},
      {kGeoT, "ckGeoT", "Pellavan T", &ProjectRec::Print_GeoT, GeoT},
      {kGeoA, "ckGeoA", "Pellavan A", &ProjectRec::Print_GeoA, GeoA},
      {kGeoB, "ckGeoB", "Pellavan B", &ProjectRec::Print_GeoB, GeoB},
      {kHeatPump, "ckHeatPump", "Heat Pump ", &ProjectRec::Print_HeatPump, Elec},
      {kFurnace, "ckFurnace", "Furnace/Boiler ", &ProjectRec::Print_Furnace, Fossil},
  }};
}();

[[nodiscard]] constexpr const PrintBoxInfo& print_box(PrintBox box) {
  return kPrintBoxes[static_cast<std::size_t>(box)];
}

struct CheckBox {
  bool enabled = true;
  model::Int16 value = 0;  // 0 unticked, 1 ticked, 2 greyed
  // Only a plain tick counts.
  [[nodiscard]] bool ticked() const { return value == 1; }
};

class PrintOptions {
 public:
  // What the panel shows when the window is shown: the system boxes of the kinds chosen in
  // rec's comparison columns enabled, the others disabled with their fields set to 0; every box
  // takes its field, the colour choice Print_BlackWhite.
  void restore(model::ProjectRec& rec);
  // The same with the boxes of the systems `chosen` drops disabled, unticked for this window
  // only: the project keeps its choice.
  void restore(model::ProjectRec& rec, const ChosenSystems& chosen);
  // The panel's choices into rec (Done, and the start of every batch print).
  void store(model::ProjectRec& rec) const;

  [[nodiscard]] const CheckBox& box(PrintBox b) const {
    return boxes_[static_cast<std::size_t>(b)];
  }
  [[nodiscard]] bool ticked(PrintBox b) const { return box(b).ticked(); }
  // The user's click; a disabled box keeps its value.
  void set_value(PrintBox b, model::Int16 value);

  bool BlackWhite = false;  // print in black and white

 private:
  std::array<CheckBox, kPrintBoxCount> boxes_{};
};

}  // namespace pellavan::reports
