#pragma once
// Settling the analysis workbook's sample project: the template recalculated from safe starting
// values until nothing moves, so that its formula cells get the values the program starts from.

#include <string>

#include "sheet/book.h"

namespace pellavan::settle {

struct SettleOptions {
  double change_limit = 1e-9;
  int max_passes = 10000;
  // Passes more, with no change allowed at all: where the iteration reaches its exact fixed point
  // a fill's recalculation from the cached values then moves nothing, not even a last digit.
  int exact_passes = 1000;
};

// Every formula cell first holds an error, so that each cell of a circular group starts from
// its safe seed (0 where none is registered); then one recalculation under `options`, and one
// more that goes on while anything changes, for at most `exact_passes`. The report is the first
// recalculation's. The book keeps its own settings afterwards.
sheet::RecalcReport settle_book(sheet::Book& book, const SettleOptions& options = {});

// The values file of one sheet: "A1 value" for every formula cell with a value, row by row.
// Numbers are written so that they read back exactly.
std::string values_file_text(const sheet::Book& book, int sheet);

// A readable account of the settling: passes, convergence and every circular group.
std::string settle_summary(const sheet::Book& book, const sheet::RecalcReport& report,
                           const SettleOptions& options);

}  // namespace pellavan::settle
