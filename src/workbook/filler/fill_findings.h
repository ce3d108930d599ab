#pragma once
// What a fill found wrong on its way, kept apart from the values it stored: the values stay as
// the filler's rules make them (0 where Val reads 0), and the caller learns why they cannot be
// trusted.

#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue/catalogue_scan.h"
#include "model/record/field_types.h"

namespace pellavan::workbook {

// A record the fill looked for by id and did not get whole.
struct CatalogueProblem {
  std::string sheet;  // the sheet whose inputs the record was read for
  std::string file;   // the catalogue's file name
  model::Int16 id = 0;
  model::CatalogueLookup lookup = model::CatalogueLookup::kNotFound;
};

// A result cell that held no number: an error value, a text, a truth value or nothing.
struct ResultProblem {
  std::string_view system;    // "Geo A"
  std::string_view quantity;  // "heating cost"
  std::string sheet;
  std::string_view cell;
  std::string text;  // what the cell held, as GetCellText gives it
};

// A result of a compared system outside its physical range, or no number at all.
struct RangeProblem {
  std::string_view system;  // "Geo A"
  std::string sheet;
  std::string_view cell;
  std::string_view quantity;  // "cooling cost"
  std::string text;           // what the cell held, as GetCellText gives it
  std::string_view per;       // what the figure is per (" per MMBtu of cooling load"), or ""
  double figure = 0;          // the number compared with the bounds; NaN: the cell held none
  double low = 0;
  double high = 0;
};

// One line for each, in the words the program shows: the system and the figure in words first,
// then where the workbook holds it ("Geo A heating cost holds "#DIV/0!", no number (GAS!N23)");
// a record by its catalogue ("Geo A: FossData.CEA has no record 77").
std::string describe(const CatalogueProblem& problem);
std::string describe(const ResultProblem& problem);
std::string describe(const RangeProblem& problem);

}  // namespace pellavan::workbook
