#pragma once
// The summary sheet of each system kind as the checks of its results read it: the system's name
// in messages, its kind of bounds, and where its ground source's size stands.

#include <string_view>

#include "model/project/system_kinds.h"
#include "model/project/system_type.h"
#include "sheet/book.h"

namespace pellavan::workbook {

// The summary sheets a bound applies to, combined with |.
inline constexpr int kGeo = 1;  // Geo A, Geo B, Geo T
inline constexpr int kHeatPump = 2;
inline constexpr int kFurnace = 4;

struct SummarySheet {
  model::SystemType system;
  std::string_view name;  // "Geo A"
  int sheet;
  int kind;
  std::string_view loop;  // the loop length or well flow; "" for none
  int system_sheet = 0;   // where the source's loop code stands (10: an open well)
  std::string_view loop_code;
};

inline constexpr SummarySheet kSummarySheets[] = {
    {model::SystemType::GeoA, "Geo A", model::kGeoA.summary_sheet, kGeo, "E26",
     model::kGeoA.input_sheet, "F5"},
    {model::SystemType::GeoB, "Geo B", model::kGeoB.summary_sheet, kGeo, "E26",
     model::kGeoB.input_sheet, "F5"},
    {model::SystemType::GeoT, "Geo T", model::kGeoT.summary_sheet, kGeo, "E27",
     model::kGeoT.input_sheet, "N5"},  // a row lower
    {model::SystemType::Elec, "Heat pump", model::kHeatPump.summary_sheet, kHeatPump, "", 0, ""},
    {model::SystemType::Fossil, "Furnace", model::kFurnace.summary_sheet, kFurnace, "", 0, ""},
};

// The system's name in messages ("Geo A"); "" for none.
constexpr std::string_view system_name(model::SystemType system) {
  for (const SummarySheet& s : kSummarySheets)
    if (s.system == system) return s.name;
  return "";
}

// A cell of a sheet by its 1-based number and A1 name.
sheet::CellPos summary_pos(int sheet_number, std::string_view cell);
// The cell's number; NaN when it holds none.
double number_at(const sheet::Book& book, int sheet_number, std::string_view cell);
// Whether the system's ground source is an open well (its size a flow in gpm, not a length).
bool open_well(const sheet::Book& book, const SummarySheet& summary);

}  // namespace pellavan::workbook
