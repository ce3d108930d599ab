#include "workbook/filler/fill_findings.h"

namespace pellavan::workbook {

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
  }
  return where + " record " + id;
}

std::string describe(const ResultProblem& problem) {
  const std::string held = problem.text.empty() ? "nothing" : "\"" + problem.text + "\"";
  return std::string(problem.field) + ": " + problem.sheet + "!" + std::string(problem.cell) +
         " holds " + held + ", no number";
}

std::string describe(const RangeProblem& problem) {
  return problem.sheet + "!" + std::string(problem.cell) + ": " + std::string(problem.quantity) +
         " \"" + problem.text + "\" lies outside its physical range";
}

}  // namespace pellavan::workbook
