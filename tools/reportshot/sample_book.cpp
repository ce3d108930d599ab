#include "reportshot/sample_book.h"

#include <stdexcept>
#include <string>

#include "sheet/address.h"
#include "wbdump/project_fill.h"

namespace pellavan::reportshot {

sheet::Book filled_sample(const std::filesystem::path& program_folder, bool metric) {
  wbdump::ProjectFill fill = wbdump::fill_project(program_folder / "Data" / "Sample Project.pvn", program_folder);
  if (metric) {
    // The unit options come from the settings file; a second fill applies them.
    fill.model.MetricFlag(0) = -1;
    fill.model.CurrencyLabel = "$ CND";
    wbdump::fill_again(fill);
  }
  if (!fill.filled) throw std::runtime_error("the sample project was not filled: " + fill.notes);
  return std::move(fill.book);
}

sheet::RangePos page_block(const ReportPage& page, bool metric) {
  const std::string_view cols = metric ? page.metric_cols : page.imperial_cols;
  const auto colon = cols.find(':');
  sheet::RangePos block;
  block.sheet = page.sheet - 1;
  block.first_row = 0;
  block.last_row = page.last_row - 1;
  block.first_col = *sheet::column_from_name(cols.substr(0, colon));
  block.last_col = *sheet::column_from_name(cols.substr(colon + 1));
  return block;
}

}  // namespace pellavan::reportshot
