#pragma once
// The steps of a fill, one per input sheet, in the order Fill_ReportWorkbook runs them. Each
// selects its sheet first, writes its cells and re-reads the records it needs.

#include <span>
#include <string_view>

#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

using FillStepFn = void (*)(FillContext&);

struct FillStep {
  std::string_view sheet;
  FillStepFn fill;
};

// The steps in order of work (fill_report_workbook.cpp).
std::span<const FillStep> fill_steps();

void fill_loads(FillContext& ctx);  // with the unit flag of Rates
void fill_rates(FillContext& ctx);
void fill_geo_a(FillContext& ctx);
void fill_geo_b(FillContext& ctx);
void fill_geo_t(FillContext& ctx);  // only when a Geo T unit is chosen
void fill_air_to_air(FillContext& ctx);
void fill_furnace(FillContext& ctx);
void fill_economics(FillContext& ctx);

}  // namespace pellavan::workbook
