#pragma once
// A report workbook from the template with a FillContext over it whose writes are traced, and a
// project record of the sample project's loads and rates. Steps that read no catalogue run
// without a Data folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/load_calc_state.h"
#include "model/model_state.h"
#include "sheet/address.h"
#include "sheet/book.h"
#include "workbook/filler/fill_context.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook::testing {

class FillerTest : public ::testing::Test {
 protected:
  FillerTest() : book(load_report_template()), ctx(model, loads, book, "Sample Project.pvn") {
    ctx.trace = &trace;
    // Steps that re-read catalogues find them in the Data folder the build makes.
    if (const char* dir = std::getenv("PELLAVAN_DATA_DIR"))
      model.program_folder = std::filesystem::path(dir).parent_path();
  }

  // The last text written into a cell of a 1-based sheet, nullopt when none was.
  std::optional<WrittenCell> written(int sheet_number, std::string_view a1) const {
    const auto pos = sheet::parse_a1(a1);
    std::optional<WrittenCell> last;
    for (const WrittenCell& w : trace)
      if (w.sheet == sheet_number && w.row == pos->row + 1 && w.col == pos->col + 1) last = w;
    return last;
  }
  std::size_t writes_on(int sheet_number) const {
    std::size_t n = 0;
    for (const WrittenCell& w : trace) n += w.sheet == sheet_number ? 1 : 0;
    return n;
  }
  sheet::Value value(int sheet_number, std::string_view a1) const {
    auto pos = *sheet::parse_a1(a1);
    pos.sheet = sheet_number - 1;
    return book.cell_value(pos);
  }
  std::string text(int sheet_number, std::string_view a1) const {
    auto pos = *sheet::parse_a1(a1);
    pos.sheet = sheet_number - 1;
    return book.cell_text(pos);
  }

  model::ModelState model;
  model::LoadCalcState loads;
  sheet::Book book;
  std::vector<WrittenCell> trace;
  FillContext ctx;
};

}  // namespace pellavan::workbook::testing
