#include "workbook/filler/result_ranges.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model/project/system_kinds.h"
#include "sheet/address.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

using model::SystemType;
using enum Per;
using enum Source;

// Costs in dollars. A cost per MMBtu of its load of 1,000 is electricity at $3.40 a kWh in a
// resistance heater; energies per MMBtu (kWh, Ccf, gallons) of 1,000 are a third of what a
// resistance heater needs. No water heater reaches five times its energy input, no furnace or
// boiler its input. Loop lengths and flows are per ton of the larger design load: a unit much
// smaller than the building's load gives the few feet per ton, a shallow trench in the coldest
// climate the most.
//
// The efficiencies are of the energy a system gives, but a system that leaves less than 1 % of a
// year's load unmet counts as meeting it and keeps the figures of the whole load. The bounds of
// the auxiliary efficiency and the EER stand well above what that leaves, so that they name
// damage only.
//
// The rows of column N, each use's year cost, are also figures looked at over a cycle the
// analysis cannot settle (unsettled_results.h), in this order and in these words.
constexpr double kPerLoad = 1000;
constexpr double kShareLow = -0.1;  // a share in % that rounding leaves just below 0
constexpr double kShareHigh = 100.1;
constexpr double kFanPerTon = 100000;  // kWh or dollars a year: 11 kW per ton all year round
constexpr double kAuxEfficiencyHigh = 150;
constexpr double kYearLoadLow = 0.001;  // MMBtu
constexpr double kYearLoadHigh = 100000;
constexpr double kEerHigh = 500;

constexpr int kGeoOrHeatPump = kGeo | kHeatPump;

constexpr ResultBound kResultBounds[] = {
    // heating and cooling of a heat pump, ground or air source, with its auxiliary heat
    {kGeoOrHeatPump, "L11", "heat pump heating energy", kHeatingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "L12", "heating COP", kNone, 0.8, 25, kAny, kHeatingLoad},
    {kGeoOrHeatPump, "L13", "heat pump share of heating (%)", kNone, kShareLow, kShareHigh, kAny,
     kHeatingLoad},
    {kGeoOrHeatPump, "L14", "heat pump heating cost", kHeatingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "L17", "auxiliary fuel", kHeatingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "L18", "auxiliary electricity", kHeatingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "L19", "auxiliary efficiency (%)", kNone, 0, kAuxEfficiencyHigh, kAny,
     kHeatingLoad},
    {kGeoOrHeatPump, "L20", "auxiliary share of heating (%)", kNone, kShareLow, kShareHigh, kAny,
     kHeatingLoad},
    {kGeoOrHeatPump, "L21", "auxiliary heating cost", kHeatingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "N23", "heating cost", kHeatingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "L28", "cooling energy", kCoolingLoad, 0, kPerLoad},
    {kGeoOrHeatPump, "L29", "cooling EER", kNone, 4, kEerHigh, kAny, kCoolingLoad},
    {kGeoOrHeatPump, "N31", "cooling cost", kCoolingLoad, 0, kPerLoad},
    // Geo A, Geo B and Geo T: water heating, fan and ground source
    {kGeo, "L36", "hot water generator energy", kWaterLoad, 0, kPerLoad},
    {kGeo, "L37", "hot water generator COP", kNone, 0, 1000, kAny,
     kWaterLoad},  // of the little it adds
    {kGeo, "L38", "hot water generator share (%)", kNone, kShareLow, kShareHigh, kAny, kWaterLoad},
    {kGeo, "L39", "hot water generator cost", kWaterLoad, 0, kPerLoad},
    {kGeo, "L42", "water heater energy", kWaterLoad, 0, kPerLoad},
    {kGeo, "L43", "water heater efficiency (%)", kNone, 30, 500, kAny, kWaterLoad},
    {kGeo, "L44", "water heater share (%)", kNone, kShareLow, kShareHigh, kAny, kWaterLoad},
    {kGeo, "L45", "water heater cost", kWaterLoad, 0, kPerLoad},
    {kGeo, "N47", "water-heating cost", kWaterLoad, 0, kPerLoad},
    {kGeo, "L51", "continuous fan energy", kTonOfLoad, 0, kFanPerTon},
    {kGeo, "N53", "continuous fan cost", kTonOfLoad, 0, kFanPerTon},
    {kGeo, "", "closed loop length (ft)", kTonOfLoad, 1, 20000, kClosedLoop},
    {kGeo, "", "well flow (gpm)", kTonOfLoad, 0.1, 50, kOpenWell},
    // the air-source heat pump: water heating and fan
    {kHeatPump, "L36", "water heater energy", kWaterLoad, 0, kPerLoad},
    {kHeatPump, "L37", "water heater efficiency (%)", kNone, 30, 500, kAny, kWaterLoad},
    {kHeatPump, "N39", "water-heating cost", kWaterLoad, 0, kPerLoad},
    {kHeatPump, "L43", "continuous fan energy", kTonOfLoad, 0, kFanPerTon},
    {kHeatPump, "N45", "continuous fan cost", kTonOfLoad, 0, kFanPerTon},
    // the furnace or boiler with its air conditioner; not its heating electricity (L12) and fan
    // energy (L35): a boiler's "add on flag" of -1 (none) multiplies its blower's power there,
    // so the workbook itself shows them below 0
    {kFurnace, "L11", "heating fuel", kHeatingLoad, 0, kPerLoad},
    {kFurnace, "L13", "heating efficiency (%)", kNone, 50, 105, kAny, kHeatingLoad},
    {kFurnace, "N15", "heating cost", kHeatingLoad, 0, kPerLoad},
    {kFurnace, "L20", "cooling energy", kCoolingLoad, 0, kPerLoad},
    {kFurnace, "L21", "cooling EER", kNone, 4, kEerHigh, kAny, kCoolingLoad},
    {kFurnace, "N23", "cooling cost", kCoolingLoad, 0, kPerLoad},
    {kFurnace, "L28", "water heater energy", kWaterLoad, 0, kPerLoad},
    {kFurnace, "L29", "water heater efficiency (%)", kNone, 30, 500, kAny, kWaterLoad},
    {kFurnace, "N31", "water-heating cost", kWaterLoad, 0, kPerLoad},
    {kFurnace, "N37", "continuous fan cost", kTonOfLoad, 0, kFanPerTon},
};

constexpr double kBtuPerTon = 12000;

std::string_view per_text(Per per) {
  switch (per) {
    case kNone: break;
    case kTonOfLoad: return " per ton of design load";
    case kHeatingLoad: return " per MMBtu of heating load";
    case kCoolingLoad: return " per MMBtu of cooling load";
    case kWaterLoad: return " per MMBtu of water-heating load";
  }
  return "";
}

double divisor(const sheet::Book& book, Per per) {
  switch (per) {
    case kNone: return 1;
    case kTonOfLoad:
      return std::max(number_at(book, kLoadsSheet, "C9"), number_at(book, kLoadsSheet, "C11")) /
             kBtuPerTon;
    case kHeatingLoad: return number_at(book, kLoadsSheet, "C22");
    case kCoolingLoad: return number_at(book, kLoadsSheet, "C23");
    case kWaterLoad: return number_at(book, kLoadsSheet, "C24");
  }
  return 1;
}

bool applies(const ResultBound& bound, const SummarySheet& summary, const sheet::Book& book) {
  if ((bound.kinds & summary.kind) == 0) return false;
  if (bound.source == Source::kAny) return true;
  return open_well(book, summary) == (bound.source == kOpenWell);
}

}  // namespace

std::span<const ResultBound> result_bounds() { return kResultBounds; }

std::vector<RangeProblem> results_out_of_range(const FillContext& ctx) {
  std::vector<RangeProblem> found;
  const sheet::Book& book = ctx.ReportWorkbook.book();
  // Every system's figures are shares of the building's year: without a heating or a cooling
  // load there is nothing to compare (each efficiency #DIV/0!, each cost 0), and a year's load
  // beyond a 999,999 Btu/h building's running all year is no climate's.
  const double year = divisor(book, kHeatingLoad) + divisor(book, kCoolingLoad);
  if (!(year >= kYearLoadLow && year <= kYearLoadHigh)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", year);
    found.push_back(RangeProblem{.system = "Building",
                                 .sheet = book.sheet(kLoadsSheet - 1).name(),
                                 .cell = "C22:C23",
                                 .quantity = "annual heating and cooling load (MMBtu)",
                                 .text = text,
                                 .per = "",
                                 .figure = year,
                                 .low = kYearLoadLow,
                                 .high = kYearLoadHigh});
  }
  for (const SummarySheet& summary : kSummarySheets) {
    if (!ctx.analyses(summary.system)) continue;
    for (const ResultBound& bound : kResultBounds) {
      if (!applies(bound, summary, book)) continue;
      if (bound.given != kNone && !(divisor(book, bound.given) > 0)) continue;  // no such figure
      const std::string_view cell = bound.cell.empty() ? summary.loop : bound.cell;
      const sheet::CellPos pos = summary_pos(summary.sheet, cell);
      const sheet::Value value = book.cell_value(pos);
      if (value.is_empty() || (value.is_text() && book.text_of(value).empty()))
        continue;  // a row this system's choices leave out
      RangeProblem problem{.system = summary.name,
                           .sheet = book.sheet(pos.sheet).name(),
                           .cell = cell,
                           .quantity = bound.quantity,
                           .text = book.cell_text(pos),
                           .per = "",
                           .figure = std::numeric_limits<double>::quiet_NaN(),
                           .low = bound.low,
                           .high = bound.high};
      if (value.is_number()) {
        const double v = value.as_number();
        const double per = divisor(book, bound.per);
        // Without a load to divide by, only the sign of the figure can be judged.
        const bool judged = std::isfinite(per) && per > 0;
        problem.figure = judged ? v / per : v;
        problem.per = judged ? per_text(bound.per) : "";
        if (std::isfinite(v) &&
            (judged ? problem.figure >= bound.low && problem.figure <= bound.high
                    : v >= std::min(bound.low, 0.0)))
          continue;
      }
      found.push_back(std::move(problem));
    }
  }
  return found;
}

}  // namespace pellavan::workbook
