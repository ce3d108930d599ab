#pragma once
// The five systems a project compares, each described once: its kind in the comparison columns,
// its result sheet, its bin views, the zoom fields of its reports and bin views, its backup heat
// (the furnace id and input the minimum backup checks), its block of the project record with
// typed members and accessors, and its caption. The system windows, the filler, the minimum
// backup, the bin viewer, the reports and the comparison columns read this table; a new field of
// a system's block is one entry in its row here plus its use.

#include <array>
#include <string_view>
#include <variant>

#include "model/input/record_field.h"
#include "model/project/system_type.h"
#include "model/records/project_rec.h"
#include "model/report_workbook_sheets.h"

namespace pellavan::model {

// A number field of the project record: its accessor, for code that works on numbers (the
// windows' rules), and its member, for code that works on the stored type (the filler).
struct ProjectNumber : NumberField<ProjectRec> {
  std::variant<Int16 ProjectRec::*, Int32 ProjectRec::*, Currency ProjectRec::*> member;

  // The stored field; std::bad_variant_access when it is not a T.
  template <class T>
  [[nodiscard]] T& in(ProjectRec& rec) const {
    return rec.*std::get<T ProjectRec::*>(member);
  }
  template <class T>
  [[nodiscard]] const T& in(const ProjectRec& rec) const {
    return rec.*std::get<T ProjectRec::*>(member);
  }
};

template <auto Member>
constexpr ProjectNumber project_number() {
  return ProjectNumber{number_field<Member>(), Member};
}

using ProjectText = TextField<ProjectRec>;

// The views of the bin-analysis viewer. Geo T has two, the other systems one each.
enum class BinViewId : Int16 {
  None = 0,
  GeoA = 1,
  GeoB = 2,
  HeatPump = 3,
  Furnace = 4,
  GeoTBin = 5,
  GeoTOp = 6
};

// A view: the sheet of the analysis workbook, its imperial column block (the metric copy lies
// 14 columns further right), the caption and the project's zoom field. The system's bin report
// prints the same block.
struct BinView {
  static constexpr int kRows = 45;  // rows 1 to 45
  static constexpr int kColumns = 13;
  static constexpr int kMetricShift = 14;

  BinViewId id = BinViewId::None;
  int sheet = 0;
  int first_col = 0;  // imperial
  const char* caption = "";
  Int16 ProjectRec::*zoom = nullptr;

  [[nodiscard]] constexpr int first_column(bool metric) const {
    return first_col + (metric ? kMetricShift : 0);
  }
  [[nodiscard]] constexpr int last_column(bool metric) const {
    return first_column(metric) + kColumns - 1;
  }
};

inline constexpr BinView kBinViews[] = {
    {BinViewId::GeoA, kGeoASheet, 52, "Geo A Bin Analysis", &ProjectRec::BinZoom_GeoA},
    {BinViewId::GeoB, kGeoBSheet, 52, "Geo B Bin Analysis", &ProjectRec::BinZoom_GeoB},
    {BinViewId::HeatPump, kAirToAirSheet, 35, "All Electric Bin Analysis",
     &ProjectRec::BinZoom_HeatPump},
    {BinViewId::Furnace, kFurnaceSheet, 23, "Furnace Bin Analysis", &ProjectRec::BinZoom_Furnace},
    {BinViewId::GeoTBin, kGeoTSheet, 92, "Geo T Bin Analysis", &ProjectRec::BinZoom_GeoTBin},
    {BinViewId::GeoTOp, kGeoTSheet, 120, "Geo T Op Analysis", &ProjectRec::BinZoom_GeoTOp},
};

// nullptr for None.
[[nodiscard]] constexpr const BinView* bin_view(BinViewId id) {
  for (const BinView& v : kBinViews)
    if (v.id == id) return &v;
  return nullptr;
}

// The block of a ground-source system (Geo A, Geo B, Geo T).
struct GeoRecordBlock {
  ProjectNumber unit_id, tons, loop_id, soil_id, depth, bore, hw_generator, loop_hybrid, min_temp,
      max_temp, auto_size, aux_id, aux_input, water_heater_id, aux_mode;
  ProjectText unit_name, loop_name, soil_name, aux_name, water_heater_name;
};

// The block of the heat pump and of the furnace/boiler: the cooling unit (the air conditioner,
// or the heat pump) with its capacity, the furnace (the furnace or boiler, or the heat pump's
// backup) with its input, the water heater and the two coils.
struct ConventionalRecordBlock {
  ProjectNumber cooling_id, capacity, furnace_id, input, water_heater_id, coil_condition,
      coil_quality;
  ProjectText cooling_name, furnace_name, water_heater_name;
  ProjectText described_name;  // the name Run writes into the comparison columns
};

// The zoom fields of a system's reports; operating is Geo T's alone.
struct ReportZooms {
  Int16 ProjectRec::*summary = nullptr;
  Int16 ProjectRec::*bin = nullptr;
  Int16 ProjectRec::*graph = nullptr;
  Int16 ProjectRec::*operating = nullptr;
};

struct SystemKind {
  SystemType type = SystemType::NoSystem;
  std::string_view name;  // "GeoA": how messages about the system name it
  const char* caption = "";
  int input_sheet = 0;    // the sheet the system's inputs are written to and its bins computed on
  int summary_sheet = 0;  // the sheet of its summary report, whose results the fill compares
  int graph_sheet = 0;    // the sheet of its bin graph
  int result_sheet = 0;   // the compact result panel the system window shows
  BinViewId bin_view = BinViewId::None;
  ReportZooms zooms;
  // The backup heat: Geo T's auxiliary heat is not raised to the minimum backup.
  bool raised_to_minimum_backup = false;
  ProjectNumber backup_id;
  ProjectNumber backup_input;
  const GeoRecordBlock* geo = nullptr;
  const ConventionalRecordBlock* conventional = nullptr;
};

inline constexpr GeoRecordBlock kGeoARecord{
    .unit_id = project_number<&ProjectRec::GeoA_UnitId>(),
    .tons = project_number<&ProjectRec::GeoA_Tons>(),
    .loop_id = project_number<&ProjectRec::GeoA_LoopId>(),
    .soil_id = project_number<&ProjectRec::GeoA_SoilId>(),
    .depth = project_number<&ProjectRec::GeoA_Depth>(),
    .bore = project_number<&ProjectRec::GeoA_BoreLength>(),
    .hw_generator = project_number<&ProjectRec::GeoA_HwGenerator>(),
    .loop_hybrid = project_number<&ProjectRec::GeoA_LoopWellHybrid>(),
    .min_temp = project_number<&ProjectRec::GeoA_LoopMinTemp>(),
    .max_temp = project_number<&ProjectRec::GeoA_LoopMaxTemp>(),
    .auto_size = project_number<&ProjectRec::GeoA_AutoSize>(),
    .aux_id = project_number<&ProjectRec::GeoA_AuxId>(),
    .aux_input = project_number<&ProjectRec::GeoA_AuxInput>(),
    .water_heater_id = project_number<&ProjectRec::GeoA_WaterHeaterId>(),
    .aux_mode = project_number<&ProjectRec::GeoA_AuxMode>(),
    .unit_name = text_field<&ProjectRec::GeoA_UnitName>(),
    .loop_name = text_field<&ProjectRec::GeoA_LoopName>(),
    .soil_name = text_field<&ProjectRec::GeoA_SoilName>(),
    .aux_name = text_field<&ProjectRec::GeoA_AuxName>(),
    .water_heater_name = text_field<&ProjectRec::GeoA_WaterHeaterName>()};

inline constexpr GeoRecordBlock kGeoBRecord{
    .unit_id = project_number<&ProjectRec::GeoB_UnitId>(),
    .tons = project_number<&ProjectRec::GeoB_Tons>(),
    .loop_id = project_number<&ProjectRec::GeoB_LoopId>(),
    .soil_id = project_number<&ProjectRec::GeoB_SoilId>(),
    .depth = project_number<&ProjectRec::GeoB_Depth>(),
    .bore = project_number<&ProjectRec::GeoB_BoreLength>(),
    .hw_generator = project_number<&ProjectRec::GeoB_HwGenerator>(),
    .loop_hybrid = project_number<&ProjectRec::GeoB_LoopWellHybrid>(),
    .min_temp = project_number<&ProjectRec::GeoB_LoopMinTemp>(),
    .max_temp = project_number<&ProjectRec::GeoB_LoopMaxTemp>(),
    .auto_size = project_number<&ProjectRec::GeoB_AutoSize>(),
    .aux_id = project_number<&ProjectRec::GeoB_AuxId>(),
    .aux_input = project_number<&ProjectRec::GeoB_AuxInput>(),
    .water_heater_id = project_number<&ProjectRec::GeoB_WaterHeaterId>(),
    .aux_mode = project_number<&ProjectRec::GeoB_AuxMode>(),
    .unit_name = text_field<&ProjectRec::GeoB_UnitName>(),
    .loop_name = text_field<&ProjectRec::GeoB_LoopName>(),
    .soil_name = text_field<&ProjectRec::GeoB_SoilName>(),
    .aux_name = text_field<&ProjectRec::GeoB_AuxName>(),
    .water_heater_name = text_field<&ProjectRec::GeoB_WaterHeaterName>()};

inline constexpr GeoRecordBlock kGeoTRecord{
    .unit_id = project_number<&ProjectRec::GeoT_UnitId>(),
    .tons = project_number<&ProjectRec::GeoT_Tons>(),
    .loop_id = project_number<&ProjectRec::GeoT_LoopId>(),
    .soil_id = project_number<&ProjectRec::GeoT_SoilId>(),
    .depth = project_number<&ProjectRec::GeoT_Depth>(),
    .bore = project_number<&ProjectRec::GeoT_BoreLength>(),
    .hw_generator = project_number<&ProjectRec::GeoT_HwGenerator>(),
    .loop_hybrid = project_number<&ProjectRec::GeoT_LoopWellHybrid>(),
    .min_temp = project_number<&ProjectRec::GeoT_LoopMinTemp>(),
    .max_temp = project_number<&ProjectRec::GeoT_LoopMaxTemp>(),
    .auto_size = project_number<&ProjectRec::GeoT_AutoSize>(),
    .aux_id = project_number<&ProjectRec::GeoT_AuxId>(),
    .aux_input = project_number<&ProjectRec::GeoT_AuxInput>(),
    .water_heater_id = project_number<&ProjectRec::GeoT_WaterHeaterId>(),
    .aux_mode = project_number<&ProjectRec::GeoT_AuxMode>(),
    .unit_name = text_field<&ProjectRec::GeoT_UnitName>(),
    .loop_name = text_field<&ProjectRec::GeoT_LoopName>(),
    .soil_name = text_field<&ProjectRec::GeoT_SoilName>(),
    .aux_name = text_field<&ProjectRec::GeoT_AuxName>(),
    .water_heater_name = text_field<&ProjectRec::GeoT_WaterHeaterName>()};

inline constexpr ConventionalRecordBlock kHeatPumpRecord{
    .cooling_id = project_number<&ProjectRec::HeatPump_UnitId>(),
    .capacity = project_number<&ProjectRec::HeatPump_Capacity>(),
    .furnace_id = project_number<&ProjectRec::HeatPump_BackupId>(),
    .input = project_number<&ProjectRec::HeatPump_BackupInput>(),
    .water_heater_id = project_number<&ProjectRec::HeatPump_WaterHeaterId>(),
    .coil_condition = project_number<&ProjectRec::HeatPump_CoilCondition>(),
    .coil_quality = project_number<&ProjectRec::HeatPump_CoilQuality>(),
    .cooling_name = text_field<&ProjectRec::HeatPump_UnitName>(),
    .furnace_name = text_field<&ProjectRec::HeatPump_BackupName>(),
    .water_heater_name = text_field<&ProjectRec::HeatPump_WaterHeaterName>(),
    .described_name = text_field<&ProjectRec::HeatPump_UnitName>()};

inline constexpr ConventionalRecordBlock kFurnaceRecord{
    .cooling_id = project_number<&ProjectRec::Furnace_ACId>(),
    .capacity = project_number<&ProjectRec::Furnace_ACCapacity>(),
    .furnace_id = project_number<&ProjectRec::Furnace_UnitId>(),
    .input = project_number<&ProjectRec::Furnace_Input>(),
    .water_heater_id = project_number<&ProjectRec::Furnace_WaterHeaterId>(),
    .coil_condition = project_number<&ProjectRec::Furnace_CoilCondition>(),
    .coil_quality = project_number<&ProjectRec::Furnace_CoilQuality>(),
    .cooling_name = text_field<&ProjectRec::Furnace_ACName>(),
    .furnace_name = text_field<&ProjectRec::Furnace_UnitName>(),
    .water_heater_name = text_field<&ProjectRec::Furnace_WaterHeaterName>(),
    .described_name = text_field<&ProjectRec::Furnace_UnitName>()};

// In the order of kChosenKinds.
inline constexpr std::array<SystemKind, 5> kSystemKinds = {{
    {.type = SystemType::GeoA,
     .name = "GeoA",
     .caption = "Pellavan A",
     .input_sheet = kGeoASheet,
     .summary_sheet = kGasSheet,
     .graph_sheet = kGagSheet,
     .result_sheet = kGaqSheet,
     .bin_view = BinViewId::GeoA,
     .zooms = {&ProjectRec::Zoom_GeoASummary, &ProjectRec::Zoom_GeoABin,
               &ProjectRec::Zoom_GeoAGraph},
     .raised_to_minimum_backup = true,
     .backup_id = kGeoARecord.aux_id,
     .backup_input = kGeoARecord.aux_input,
     .geo = &kGeoARecord},
    {.type = SystemType::GeoB,
     .name = "GeoB",
     .caption = "Pellavan B",
     .input_sheet = kGeoBSheet,
     .summary_sheet = kGbsSheet,
     .graph_sheet = kGbgSheet,
     .result_sheet = kGbqSheet,
     .bin_view = BinViewId::GeoB,
     .zooms = {&ProjectRec::Zoom_GeoBSummary, &ProjectRec::Zoom_GeoBBin,
               &ProjectRec::Zoom_GeoBGraph},
     .raised_to_minimum_backup = true,
     .backup_id = kGeoBRecord.aux_id,
     .backup_input = kGeoBRecord.aux_input,
     .geo = &kGeoBRecord},
    {.type = SystemType::GeoT,
     .name = "GeoT",
     .caption = "Pellavan T",
     .input_sheet = kGeoTSheet,
     .summary_sheet = kGtsSheet,
     .graph_sheet = kGtgSheet,
     .result_sheet = kGtqSheet,
     .bin_view = BinViewId::GeoTBin,
     .zooms = {&ProjectRec::Zoom_GeoTSummary, &ProjectRec::Zoom_GeoTBin,
               &ProjectRec::Zoom_GeoTGraph, &ProjectRec::Zoom_GeoTOperating},
     .backup_id = kGeoTRecord.aux_id,
     .backup_input = kGeoTRecord.aux_input,
     .geo = &kGeoTRecord},
    {.type = SystemType::Elec,
     .name = "HeatPump",
     .caption = "Heat Pump",
     .input_sheet = kAirToAirSheet,
     .summary_sheet = kAasSheet,
     .graph_sheet = kAagSheet,
     .result_sheet = kAaqSheet,
     .bin_view = BinViewId::HeatPump,
     .zooms = {&ProjectRec::Zoom_HeatPumpSummary, &ProjectRec::Zoom_HeatPumpBin,
               &ProjectRec::Zoom_HeatPumpGraph},
     .raised_to_minimum_backup = true,
     .backup_id = kHeatPumpRecord.furnace_id,
     .backup_input = kHeatPumpRecord.input,
     .conventional = &kHeatPumpRecord},
    {.type = SystemType::Fossil,
     .name = "Furnace",
     .caption = "Furnace / Boiler",
     .input_sheet = kFurnaceSheet,
     .summary_sheet = kFusSheet,
     .graph_sheet = kFugSheet,
     .result_sheet = kFuqSheet,
     .bin_view = BinViewId::Furnace,
     .zooms = {&ProjectRec::Zoom_FurnaceSummary, &ProjectRec::Zoom_FurnaceBin,
               &ProjectRec::Zoom_FurnaceGraph},
     .raised_to_minimum_backup = true,
     .backup_id = kFurnaceRecord.furnace_id,
     .backup_input = kFurnaceRecord.input,
     .conventional = &kFurnaceRecord},
}};

// The row of a kind; NoSystem has none (std::out_of_range).
[[nodiscard]] const SystemKind& system_kind(SystemType type);

// One of the three comparison columns has chosen the kind.
[[nodiscard]] bool compared(const ProjectRec& rec, SystemType type);

inline constexpr const SystemKind& kGeoA = kSystemKinds[0];
inline constexpr const SystemKind& kGeoB = kSystemKinds[1];
inline constexpr const SystemKind& kGeoT = kSystemKinds[2];
inline constexpr const SystemKind& kHeatPump = kSystemKinds[3];
inline constexpr const SystemKind& kFurnace = kSystemKinds[4];

}  // namespace pellavan::model
