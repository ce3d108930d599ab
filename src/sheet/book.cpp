// Sheets, cells and the grid they live in.
#include "sheet/book_impl.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "sheet/calc/coerce.h"
#include "sheet/errors.h"
#include "sheet/format/entry_rule.h"
#include "sheet/format/number_text.h"
#include "sheet/formula/printer.h"

namespace pellavan::sheet {

namespace {

constexpr int kRowChunk = 16;  // grids grow by whole chunks, so that filling a sheet cell by
constexpr int kColChunk = 8;   // cell does not move the cells every time

int round_up(int n, int chunk, int limit) {
  return std::min(limit, (n + chunk - 1) / chunk * chunk);
}

}  // namespace

Book::Impl::Impl() : cells_(2), values_(2) { values_[kRefCell] = Value::error(ErrorCode::kRef); }

int Book::Impl::add_sheet(std::string_view name) {
  if (name.empty()) throw BadCall("a sheet needs a name");
  if (find_sheet(name)) throw BadCall("there is already a sheet named '" + std::string(name) + "'");
  sheets_.emplace_back(std::string(name));
  grids_.push_back(Grid{static_cast<std::uint32_t>(cells_.size()), 0, 0});
  return sheet_count() - 1;
}

const Sheet& Book::Impl::sheet(int index) const {
  if (index < 0 || index >= sheet_count())
    throw BadCall("no sheet number " + std::to_string(index + 1));
  return sheets_[index];
}

Sheet& Book::Impl::sheet(int index) {
  return const_cast<Sheet&>(std::as_const(*this).sheet(index));
}

std::optional<int> Book::Impl::find_sheet(std::string_view name) const {
  for (int i = 0; i < sheet_count(); ++i) {
    if (compare_ignoring_case(sheets_[i].name(), name) == 0) return i;
  }
  return std::nullopt;
}

void Book::Impl::check(CellPos pos) const {
  if (pos.sheet < 0 || pos.sheet >= sheet_count())
    throw BadCall("no sheet number " + std::to_string(pos.sheet + 1));
  if (!inside_sheet(pos.row, pos.col)) {
    throw BadCall("no cell at row " + std::to_string(pos.row + 1) + ", column " +
                  std::to_string(pos.col + 1));
  }
}

std::string Book::Impl::cell_name(CellPos pos) const {
  return quote_sheet_name(sheets_[pos.sheet].name()) + "!" + format_a1(pos.row, pos.col);
}

std::uint32_t Book::Impl::find_cell(CellPos pos) const {
  const Grid& g = grids_[pos.sheet];
  if (pos.row >= g.rows || pos.col >= g.cols) return kEmptyCell;
  return g.base + static_cast<std::uint32_t>(pos.row * g.cols + pos.col);
}

std::uint32_t Book::Impl::cell_index(CellPos pos) {
  const Grid& g = grids_[pos.sheet];
  if (pos.row >= g.rows || pos.col >= g.cols) {
    relayout(pos.sheet, round_up(std::max(g.rows, pos.row + 1), kRowChunk, kMaxRows),
             round_up(std::max(g.cols, pos.col + 1), kColChunk, kMaxCols));
  }
  return find_cell(pos);
}

void Book::Impl::reserve(int sheet_index, int rows, int cols) {
  check(CellPos{sheet_index, std::max(rows, 1) - 1, std::max(cols, 1) - 1});
  std::vector<SheetSize> sizes(grids_.size());
  sizes[static_cast<std::size_t>(sheet_index)] = {rows, cols};
  reserve(sizes);
}

void Book::Impl::reserve(std::span<const SheetSize> sizes) {
  std::vector<Grid> grids = grids_;
  bool grows = false;
  for (std::size_t s = 0; s < sizes.size() && s < grids.size(); ++s) {
    const auto [rows, cols] = sizes[s];
    if (rows <= 0 && cols <= 0) continue;
    check(CellPos{static_cast<int>(s), std::max(rows, 1) - 1, std::max(cols, 1) - 1});
    Grid& g = grids[s];
    if (rows <= g.rows && cols <= g.cols) continue;
    g.rows = std::max(rows, g.rows);
    g.cols = std::max(cols, g.cols);
    grows = true;
  }
  if (grows) relayout(std::move(grids));
}

void Book::Impl::relayout(int sheet_index, int rows, int cols) {
  std::vector<Grid> grids = grids_;
  grids[sheet_index].rows = rows;
  grids[sheet_index].cols = cols;
  relayout(std::move(grids));
}

// Gives the sheets new grid sizes and moves every cell to its place in the new array.
void Book::Impl::relayout(std::vector<Grid> grids) {
  std::uint64_t total = 2;
  for (Grid& g : grids) {
    g.base = static_cast<std::uint32_t>(total);
    total += static_cast<std::uint64_t>(g.rows) * static_cast<std::uint64_t>(g.cols);
  }
  if (total > std::numeric_limits<std::uint32_t>::max())
    throw BadCall("the book has too many cells");
  const auto moved = [&](const auto& old) {
    std::remove_cvref_t<decltype(old)> now(static_cast<std::size_t>(total));
    now[kRefCell] = old[kRefCell];
    for (std::size_t s = 0; s < grids.size(); ++s) {
      const Grid& from = grids_[s];
      const Grid& to = grids[s];
      for (int r = 0; r < from.rows; ++r) {
        const auto src = old.begin() + from.base + r * from.cols;
        std::copy(src, src + from.cols, now.begin() + to.base + r * to.cols);
      }
    }
    return now;
  };
  cells_ = moved(cells_);
  values_ = moved(values_);
  grids_ = std::move(grids);
  for (FormulaCell& f : formulas_) {
    if (f.live) f.cell = find_cell(f.pos);
  }
  structure_changed();
}

// A formula overwritten by a constant leaves the order of calculation valid for the others: it
// stays in the schedule, skipped, until the structure is rebuilt for another reason. So an
// overwrite that every fill repeats costs no rebuild.
void Book::Impl::drop_formula(std::uint32_t index) {
  Cell& cell = cells_[index];
  if (cell.formula == kNoFormula) return;
  meta_changing(index);
  formulas_[cell.formula].live = false;
  set_eval_live(cell.formula, false);
  dropped_.push_back(cell.formula);
  cell.formula = kNoFormula;
}

void Book::Impl::store_constant(CellPos pos, Value value) {
  check(pos);
  if (value.is_empty() && find_cell(pos) == kEmptyCell) return;
  const std::uint32_t index = cell_index(pos);
  drop_formula(index);
  values_[index] = value;
  touch();
}

void Book::Impl::set_cell_text(CellPos pos, std::string_view text) {
  const EntryValue entry = apply_entry_rule(text);
  switch (entry.kind) {
    case EntryValue::Kind::kEmpty: store_constant(pos, Value()); return;
    case EntryValue::Kind::kText:
      store_constant(pos, Value::text(pool_.intern(entry.text)));
      return;
    case EntryValue::Kind::kNumber: store_constant(pos, Value::number(entry.number)); break;
  }
  const std::uint32_t index = find_cell(pos);
  Cell& cell = cells_[index];
  if (entry.is_date && styles_.get(cell.style).format.is_general()) {
    meta_changing(index);
    Style dated = styles_.get(cell.style);
    dated.format = NumberFormat::parse(kShortDateCode);
    cell.style = styles_.intern(dated);
  }
}

void Book::Impl::set_cell_value(CellPos pos, Value value) {
  if (value.is_area()) throw BadCall("an area is no cell value");
  if (value.is_number()) value = number_result(value.as_number());
  store_constant(pos, value);
}

void Book::Impl::clear_cell(CellPos pos) { store_constant(pos, Value()); }

void Book::Impl::set_cached_value(CellPos pos, Value value) {
  check(pos);
  const std::uint32_t i = find_cell(pos);
  if (cells_[i].formula == kNoFormula) throw BadCall(cell_name(pos) + " holds no formula");
  if (value.is_area()) throw BadCall("an area is no cell value");
  values_[i] = value.is_number() ? number_result(value.as_number()) : value;
  touch();
}

Value Book::Impl::cell_value(CellPos pos) const {
  check(pos);
  return values_[find_cell(pos)];
}

CellKind Book::Impl::cell_kind(CellPos pos) const {
  check(pos);
  const std::uint32_t i = find_cell(pos);
  return kind_of(cells_[i], values_[i]);
}

std::string Book::Impl::cell_text(CellPos pos) const {
  const Value v = cell_value(pos);
  switch (v.kind()) {
    case ValueKind::kNumber: return plain_number_text(v.as_number());
    case ValueKind::kText: return std::string(pool_.get(v.as_text()));
    case ValueKind::kBoolean: return v.as_boolean() ? "TRUE" : "FALSE";
    case ValueKind::kError: return std::string(error_text(v.as_error()));
    default: return "";
  }
}

std::optional<std::string> Book::Impl::cell_formula(CellPos pos) const {
  check(pos);
  const Cell& cell = cells_[find_cell(pos)];
  if (cell.formula == kNoFormula) return std::nullopt;
  return print_formula(shapes_[formulas_[cell.formula].shape].ast, pos,
                       [this](int s) -> std::string_view { return sheets_[s].name(); });
}

StyleId Book::Impl::cell_style(CellPos pos) const {
  check(pos);
  return cells_[find_cell(pos)].style;
}

void Book::Impl::set_cell_style(CellPos pos, StyleId style) {
  check(pos);
  if (style >= styles_.size()) throw BadCall("no style " + std::to_string(style));
  if (style == 0 && find_cell(pos) == kEmptyCell) return;
  const std::uint32_t index = cell_index(pos);
  meta_changing(index);
  cells_[index].style = style;
  touch();
}

std::optional<RangePos> Book::Impl::used_range(int sheet_index) const {
  check(CellPos{sheet_index, 0, 0});
  const Grid& g = grids_[sheet_index];
  std::optional<RangePos> used;
  for (int r = 0; r < g.rows; ++r) {
    for (int c = 0; c < g.cols; ++c) {
      const std::uint32_t i = g.base + static_cast<std::uint32_t>(r * g.cols + c);
      if (kind_of(cells_[i], values_[i]) == CellKind::kEmpty) continue;
      if (!used) {
        used = RangePos{sheet_index, r, c, r, c};
        continue;
      }
      used->first_col = std::min(used->first_col, c);
      used->last_col = std::max(used->last_col, c);
      used->last_row = r;
    }
  }
  return used;
}

std::size_t Book::Impl::formula_count() const {
  return static_cast<std::size_t>(std::count_if(formulas_.begin(), formulas_.end(),
                                                [](const FormulaCell& f) { return f.live; }));
}

void Book::Impl::set_safe_seed(CellPos pos, double seed) {
  check(pos);
  seeds_[pos] = number_result(seed).is_number() ? seed : 0.0;
}

}  // namespace pellavan::sheet
