#include "settle/settle.h"

#include <charconv>
#include <sstream>

#include "sheet/address.h"

namespace pellavan::settle {

namespace {

template <class Fn>
void for_each_formula_cell(const sheet::Book& book, int sheet, Fn&& fn) {
  const auto used = book.used_range(sheet);
  if (!used) return;
  for (int r = used->first_row; r <= used->last_row; ++r)
    for (int c = used->first_col; c <= used->last_col; ++c) {
      const sheet::CellPos pos{sheet, r, c};
      if (book.cell_kind(pos) == sheet::CellKind::kFormula) fn(pos);
    }
}

// A negative zero (a product of -0 and a capacity of 0) is written as 0, the value the entry
// rule reads back.
std::string exact_number(double v) {
  if (v == 0) v = 0.0;
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    out += ch;
    if (ch == '"') out += '"';
  }
  return out + "\"";
}

}  // namespace

sheet::RecalcReport settle_book(sheet::Book& book, const SettleOptions& options) {
  for (int s = 0; s < book.sheet_count(); ++s)
    for_each_formula_cell(book, s, [&](sheet::CellPos pos) {
      book.set_cached_value(pos, sheet::Value::error(sheet::ErrorCode::kNA));
    });
  const sheet::CalcSettings kept = book.settings();
  book.settings().change_limit = options.change_limit;
  book.settings().max_passes = options.max_passes;
  book.recalc();
  const sheet::RecalcReport report = book.last_recalc();
  book.settings().change_limit = 0;
  book.settings().max_passes = options.exact_passes;
  book.recalc();
  book.settings() = kept;
  return report;
}

std::string values_file_text(const sheet::Book& book, int sheet) {
  std::string out;
  for_each_formula_cell(book, sheet, [&](sheet::CellPos pos) {
    const sheet::Value v = book.cell_value(pos);
    std::string text;
    switch (v.kind()) {
      case sheet::ValueKind::kNumber: text = exact_number(v.as_number()); break;
      case sheet::ValueKind::kText: text = quoted(book.text_of(v)); break;
      case sheet::ValueKind::kBoolean: text = v.as_boolean() ? "TRUE" : "FALSE"; break;
      case sheet::ValueKind::kError: text = std::string(sheet::error_text(v.as_error())); break;
      default: return;  // an empty result: the cell starts empty anyway
    }
    out += sheet::format_a1(pos.row, pos.col) + " " + text + "\n";
  });
  return out;
}

std::string settle_summary(const sheet::Book& book, const sheet::RecalcReport& report,
                           const SettleOptions& options) {
  std::ostringstream out;
  out << "passes " << report.passes << " of at most " << options.max_passes << ", limit "
      << options.change_limit << ", " << (report.converged ? "converged" : "NOT converged")
      << ", last change " << report.last_change << "\n";
  out << "circular groups " << report.groups.size() << "\n";
  for (const sheet::GroupReport& g : report.groups) {
    out << "  " << book.sheet(g.first_cell.sheet).name() << "!"
        << sheet::format_a1(g.first_cell.row, g.first_cell.col) << ": " << g.cells << " cells, "
        << g.passes << " passes, last change " << g.last_change;
    if (g.last_changed_cells > 0)
      out << ", " << g.last_changed_cells << " cells still moving: NOT settled";
    out << (g.counter ? " (counter)" : "") << "\n";
  }
  return out.str();
}

}  // namespace pellavan::settle
