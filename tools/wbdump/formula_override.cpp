#include "wbdump/formula_override.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace pellavan::wbdump {

std::optional<sheet::RangePos> find_range(const sheet::Book& book, std::string_view range) {
  const auto bang = range.rfind('!');
  if (bang == std::string_view::npos) return std::nullopt;
  const auto s = book.find_sheet(range.substr(0, bang));
  if (!s) return std::nullopt;
  const std::string_view cells = range.substr(bang + 1);
  std::optional<sheet::RangePos> area = sheet::parse_a1_range(cells);
  if (!area) {
    const auto one = sheet::parse_a1(cells);
    if (!one) return std::nullopt;
    area = sheet::RangePos{0, one->row, one->col, one->row, one->col};
  }
  area->sheet = *s;
  return area;
}

void override_formula(sheet::Book& book, std::string_view range, std::string_view formula) {
  const std::optional<sheet::RangePos> area = find_range(book, range);
  if (!area) throw std::invalid_argument("no range " + std::string(range));
  if (formula.starts_with('=')) formula.remove_prefix(1);
  if (book.has_mark()) book.return_to_mark();
  const sheet::FormulaShapeId shape =
      book.parse_shape(sheet::CellPos{area->sheet, area->first_row, area->first_col}, formula);
  for (int r = area->first_row; r <= area->last_row; ++r) {
    for (int c = area->first_col; c <= area->last_col; ++c) {
      const sheet::CellPos pos{area->sheet, r, c};
      const sheet::Value kept = book.cell_value(pos);
      book.set_cell_shape(pos, shape);
      book.set_cached_value(pos, kept);
    }
  }
  book.mark_state();
}

}  // namespace pellavan::wbdump
