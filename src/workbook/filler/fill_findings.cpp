#include "workbook/filler/fill_findings.h"

#include <cmath>
#include <cstdio>

namespace pellavan::workbook {

namespace {

std::string short_number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

// Where the workbook holds a figure, after its words, for support.
std::string where(const std::string& sheet, std::string_view cell) {
  return " (" + sheet + "!" + std::string(cell) + ")";
}

}  // namespace

std::string describe(const CatalogueProblem& problem) {
  const std::string where = problem.sheet + ": " + problem.file;
  const std::string id = std::to_string(problem.id);
  switch (problem.lookup) {
    case model::CatalogueLookup::kFound: break;
    case model::CatalogueLookup::kNotFound: return where + " has no record " + id;
    case model::CatalogueLookup::kEmptyFile:
      return where + " is empty (looked for record " + id + ")";
    case model::CatalogueLookup::kCutOff:
      return where + " is cut off within its last record (looked for record " + id + ")";
    case model::CatalogueLookup::kDamaged:
      return where + " record " + id + " is damaged: it holds figures no unit can have";
  }
  return where + " record " + id;
}

std::string describe(const ResultProblem& problem) {
  const std::string held = problem.text.empty() ? "nothing" : "\"" + problem.text + "\"";
  return std::string(problem.system) + " " + std::string(problem.quantity) + " holds " + held +
         ", no number" + where(problem.sheet, problem.cell);
}

std::string describe(const RangeProblem& problem) {
  std::string line = std::string(problem.system) + " " + std::string(problem.quantity);
  const std::string at = where(problem.sheet, problem.cell);
  if (std::isnan(problem.figure)) return line + " holds \"" + problem.text + "\", no number" + at;
  line += " \"" + problem.text + "\"";
  if (!problem.per.empty())
    line += " is " + short_number(problem.figure) + std::string(problem.per);
  return line + ", outside its physical range of " + short_number(problem.low) + " to " +
         short_number(problem.high) + at;
}

}  // namespace pellavan::workbook
