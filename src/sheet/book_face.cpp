// Book's calls, each handed to the engine behind it (book_impl.h).
#include <utility>

#include "sheet/book_code.h"
#include "sheet/book_impl.h"

namespace pellavan::sheet {

Book::Book() : impl_(std::make_unique<Impl>()) {}
Book::Book(const Book& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
Book::Book(Book&& other) noexcept = default;
Book& Book::operator=(const Book& other) {
  if (this != &other) impl_ = std::make_unique<Impl>(*other.impl_);
  return *this;
}
Book& Book::operator=(Book&& other) noexcept = default;
Book::~Book() = default;

int Book::add_sheet(std::string_view name) { return impl_->add_sheet(name); }
int Book::sheet_count() const { return impl_->sheet_count(); }
const Sheet& Book::sheet(int index) const { return impl_->sheet(index); }
Sheet& Book::sheet(int index) { return impl_->sheet(index); }
std::optional<int> Book::find_sheet(std::string_view name) const { return impl_->find_sheet(name); }

void Book::set_cell_text(CellPos pos, std::string_view text) { impl_->set_cell_text(pos, text); }
void Book::set_cell_value(CellPos pos, Value value) { impl_->set_cell_value(pos, value); }
void Book::set_cell_formula(CellPos pos, std::string_view formula) {
  impl_->set_cell_formula(pos, formula);
}
void Book::set_cached_value(CellPos pos, Value value) { impl_->set_cached_value(pos, value); }
void Book::clear_cell(CellPos pos) { impl_->clear_cell(pos); }

std::string Book::cell_text(CellPos pos) const { return impl_->cell_text(pos); }
Value Book::cell_value(CellPos pos) const { return impl_->cell_value(pos); }
CellKind Book::cell_kind(CellPos pos) const { return impl_->cell_kind(pos); }
std::optional<std::string> Book::cell_formula(CellPos pos) const {
  return impl_->cell_formula(pos);
}
TextId Book::intern(std::string_view text) { return impl_->intern(text); }
std::string_view Book::text_of(Value text_value) const { return impl_->text_of(text_value); }

StyleTable& Book::styles() { return impl_->styles(); }
const StyleTable& Book::styles() const { return impl_->styles(); }
StyleId Book::cell_style(CellPos pos) const { return impl_->cell_style(pos); }
void Book::set_cell_style(CellPos pos, StyleId style) { impl_->set_cell_style(pos, style); }

FormulaShapeId Book::parse_shape(CellPos origin, std::string_view formula) {
  return impl_->parse_shape(origin, formula);
}
void Book::set_cell_shape(CellPos pos, FormulaShapeId shape) { impl_->set_cell_shape(pos, shape); }
std::size_t Book::shape_count() const { return impl_->shape_count(); }

CalcSettings& Book::settings() { return impl_->settings(); }
const CalcSettings& Book::settings() const { return impl_->settings(); }
void Book::set_safe_seed(CellPos pos, double seed) { impl_->set_safe_seed(pos, seed); }
void Book::set_clock(TodayFn clock) { impl_->set_clock(std::move(clock)); }
const RecalcReport& Book::recalc() { return impl_->recalc(); }
const RecalcReport& Book::last_recalc() const { return impl_->last_recalc(); }

void Book::put_cycle_state(const RecalcReport& report, int k) { impl_->put_cycle_state(report, k); }
void Book::visit_cycle_states(const RecalcReport& report, const std::function<void()>& at) {
  impl_->visit_cycle_states(report, at);
}

void Book::mark_state() { impl_->mark_state(); }
void Book::return_to_mark() { impl_->return_to_mark(); }
bool Book::has_mark() const { return impl_->has_mark(); }

std::uint64_t Book::generation() const { return impl_->generation(); }
void Book::touch() { impl_->touch(); }

std::optional<RangePos> Book::used_range(int sheet) const { return impl_->used_range(sheet); }
std::size_t Book::formula_count() const { return impl_->formula_count(); }
void Book::reserve(int sheet, int rows, int cols) { impl_->reserve(sheet, rows, cols); }
void Book::reserve(std::span<const SheetSize> sizes) { impl_->reserve(sizes); }

const Code& shape_code(const Book& book, FormulaShapeId shape) {
  return book.impl().shape_code(shape);
}
std::optional<std::string> shape_origin(const Book& book, FormulaShapeId shape) {
  const Book::Impl& impl = book.impl();
  for (const Book::Impl::FormulaCell& f : impl.formulas_) {
    if (!f.live || f.shape != shape) continue;
    return impl.sheets_[f.pos.sheet].name() + "!" + format_a1(f.pos.row, f.pos.col) +
           ": =" + impl.cell_formula(f.pos).value_or("");
  }
  return std::nullopt;
}
void use_native_code(Book& book, const NativeCode* code) { book.impl().use_native_code(code); }

}  // namespace pellavan::sheet
