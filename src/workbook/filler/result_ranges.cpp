#include "workbook/filler/result_ranges.h"

#include <cmath>
#include <span>
#include <string_view>

#include "model/project/system_type.h"
#include "sheet/address.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

using model::SystemType;

constexpr std::string_view kCost = "cost";
constexpr std::string_view kEnergy = "energy";
constexpr std::string_view kLoop = "loop length";

struct Checked {
  std::string_view cell;
  std::string_view quantity;
};

// The imperial block of each summary; its metric copy shows the same figures.
constexpr Checked kGeoSummary[] = {
    {"L11", kEnergy}, {"L17", kEnergy}, {"L18", kEnergy}, {"L28", kEnergy}, {"L36", kEnergy},
    {"L42", kEnergy}, {"L51", kEnergy}, {"L14", kCost},   {"L21", kCost},   {"L39", kCost},
    {"L45", kCost},   {"N23", kCost},   {"N31", kCost},   {"N47", kCost},   {"N53", kCost},
    {"N56", kCost},   {"E26", kLoop}};
// Geo T's loop stands a row lower.
constexpr Checked kGeoTSummary[] = {
    {"L11", kEnergy}, {"L17", kEnergy}, {"L18", kEnergy}, {"L28", kEnergy}, {"L36", kEnergy},
    {"L42", kEnergy}, {"L51", kEnergy}, {"L14", kCost},   {"L21", kCost},   {"L39", kCost},
    {"L45", kCost},   {"N23", kCost},   {"N31", kCost},   {"N47", kCost},   {"N53", kCost},
    {"N56", kCost},   {"E27", kLoop}};
constexpr Checked kHeatPumpSummary[] = {
    {"L11", kEnergy}, {"L17", kEnergy}, {"L18", kEnergy}, {"L28", kEnergy}, {"L36", kEnergy},
    {"L43", kEnergy}, {"L14", kCost},   {"L21", kCost},   {"N23", kCost},   {"N31", kCost},
    {"N39", kCost},   {"N45", kCost},   {"N48", kCost}};
// Not its heating electricity (L12) and fan energy (L35): a boiler's "add on flag" of -1 (none)
// multiplies its blower's power there, so the workbook itself shows them below 0.
constexpr Checked kFurnaceSummary[] = {{"L11", kEnergy}, {"L20", kEnergy}, {"L28", kEnergy},
                                       {"N15", kCost},   {"N23", kCost},   {"N31", kCost},
                                       {"N37", kCost},   {"N40", kCost}};

struct Summary {
  SystemType system;
  int sheet;
  std::span<const Checked> cells;
};

constexpr Summary kSummaries[] = {
    {SystemType::GeoA, kGasSheet, kGeoSummary},
    {SystemType::GeoB, kGbsSheet, kGeoSummary},
    {SystemType::GeoT, kGtsSheet, kGeoTSummary},
    {SystemType::Elec, kAasSheet, kHeatPumpSummary},
    {SystemType::Fossil, kFusSheet, kFurnaceSummary},
};

bool chosen(const model::ProjectRec& rec, SystemType system) {
  const model::Int16 code = model::code_of(system);
  return rec.System1_Type == code || rec.System2_Type == code || rec.System3_Type == code;
}

}  // namespace

std::vector<RangeProblem> results_out_of_range(const FillContext& ctx) {
  std::vector<RangeProblem> found;
  const sheet::Book& book = ctx.ReportWorkbook.book();
  for (const Summary& summary : kSummaries) {
    if (!chosen(ctx.model.ProjectRec, summary.system)) continue;
    for (const Checked& c : summary.cells) {
      sheet::CellPos pos = *sheet::parse_a1(c.cell);
      pos.sheet = summary.sheet - 1;
      const sheet::Value value = book.cell_value(pos);
      if (value.is_number() && std::isfinite(value.as_number()) && value.as_number() >= 0.0)
        continue;
      if (value.is_empty() || (value.is_text() && book.text_of(value).empty()))
        continue;  // a row this system's choices leave out
      found.push_back(
          RangeProblem{book.sheet(pos.sheet).name(), c.cell, c.quantity, book.cell_text(pos)});
    }
  }
  return found;
}

}  // namespace pellavan::workbook
