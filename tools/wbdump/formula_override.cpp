#include "wbdump/formula_override.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "sheet/address.h"

namespace pellavan::wbdump {

void override_formula(sheet::Book& book, std::string_view range, std::string_view formula) {
  const auto bang = range.rfind('!');
  const auto s =
      bang == std::string_view::npos ? std::nullopt : book.find_sheet(range.substr(0, bang));
  std::optional<sheet::RangePos> area;
  if (s) {
    const std::string_view cells = range.substr(bang + 1);
    area = sheet::parse_a1_range(cells);
    if (!area) {
      if (const auto one = sheet::parse_a1(cells))
        area = sheet::RangePos{0, one->row, one->col, one->row, one->col};
    }
  }
  if (!area) throw std::invalid_argument("no range " + std::string(range));
  if (formula.starts_with('=')) formula.remove_prefix(1);
  if (book.has_mark()) book.return_to_mark();
  const sheet::FormulaShapeId shape =
      book.parse_shape(sheet::CellPos{*s, area->first_row, area->first_col}, formula);
  for (int r = area->first_row; r <= area->last_row; ++r) {
    for (int c = area->first_col; c <= area->last_col; ++c) {
      const sheet::CellPos pos{*s, r, c};
      const sheet::Value kept = book.cell_value(pos);
      book.set_cell_shape(pos, shape);
      book.set_cached_value(pos, kept);
    }
  }
  book.mark_state();
}

}  // namespace pellavan::wbdump
