// Formulas: their shapes, the cells that hold them, and the dependency structure built from them.
#include <algorithm>

#include "sheet/book_impl.h"
#include "sheet/errors.h"
#include "sheet/formula/compiler.h"
#include "sheet/formula/parser.h"

namespace pellavan::sheet {

FormulaShapeId Book::Impl::parse_shape(CellPos origin, std::string_view formula) {
  check(origin);
  ParseContext context{origin, [this](std::string_view name) { return find_sheet(name); }};
  ParseResult parsed = parse_formula(formula, context);
  if (auto* error = std::get_if<ParseError>(&parsed)) {
    throw FormulaRejected(cell_name(origin), error->position, error->message);
  }
  Ast& ast = std::get<Ast>(parsed);
  std::string key = ast.shape_key();
  if (auto it = shape_index_.find(key); it != shape_index_.end()) return it->second;
  Code code = compile_formula(ast, pool_);
  if (code.max_stack > stack_.size()) stack_.resize(code.max_stack);
  const auto instrs = static_cast<std::uint32_t>(instrs_.size());
  const auto constants = static_cast<std::uint32_t>(constants_.size());
  instrs_.insert(instrs_.end(), code.instrs.begin(), code.instrs.end());
  constants_.insert(constants_.end(), code.constants.begin(), code.constants.end());
  const NativeFormula native =
      native_code_ ? native_code_->find(code.instrs, code.constants) : nullptr;
  shapes_.push_back(FormulaShape{std::move(ast), std::move(code), instrs, constants, native});
  const auto id = static_cast<FormulaShapeId>(shapes_.size() - 1);
  shape_index_.emplace(std::move(key), id);
  return id;
}

void Book::Impl::set_cell_shape(CellPos pos, FormulaShapeId shape) {
  check(pos);
  if (shape >= shapes_.size()) throw BadCall("no formula shape " + std::to_string(shape));
  const std::uint32_t index = cell_index(pos);
  Cell& cell = cells_[index];
  values_[index] = Value();
  touch();
  // The same formula entered again reads the same cells: the structure stands.
  if (cell.formula != kNoFormula && formulas_[cell.formula].shape == shape) return;
  drop_formula(index);
  meta_changing(index);
  cell.formula = static_cast<FormulaId>(formulas_.size());
  formulas_.push_back(FormulaCell{pos, shape, index, 0, 0, true});
  structure_changed();
}

void Book::Impl::set_cell_formula(CellPos pos, std::string_view formula) {
  set_cell_shape(pos, parse_shape(pos, formula));
}

void Book::Impl::resolve_references(FormulaCell& f) {
  const FormulaShape& shape = shapes_[f.shape];
  const Code& code = shape.code;
  f.instrs = shape.instrs;
  f.constants = shape.constants;
  f.first_slot = static_cast<std::uint32_t>(slot_cells_.size());
  for (const CellRef& ref : code.cell_slots) {
    const auto target = ref.to_abs(f.pos);
    slot_cells_.push_back(target ? find_cell(*target) : kRefCell);
  }
  f.areas = static_cast<std::uint32_t>(areas_.size());
  for (const RangeRef& ref : code.area_slots) {
    const auto range = ref.to_abs(f.pos);
    ResolvedArea area;
    if (!range) {
      area.valid = false;
    } else {
      const Grid& g = grids_[range->sheet];
      const int rows = std::min(range->last_row + 1, g.rows) - range->first_row;
      const int cols = std::min(range->last_col + 1, g.cols) - range->first_col;
      if (rows > 0 && cols > 0) {
        area.first =
            g.base + static_cast<std::uint32_t>(range->first_row * g.cols + range->first_col);
        area.rows = static_cast<std::uint32_t>(rows);
        area.cols = static_cast<std::uint32_t>(cols);
        area.stride = static_cast<std::uint32_t>(g.cols);
      }
    }
    areas_.push_back(area);
  }
}

std::vector<std::uint32_t> Book::Impl::precedents_of(const FormulaCell& f) const {
  std::vector<std::uint32_t> out;
  const Code& code = shapes_[f.shape].code;
  for (std::size_t i = 0; i < code.cell_slots.size(); ++i) {
    const FormulaId g = cells_[slot_cells_[f.first_slot + i]].formula;
    if (g != kNoFormula) out.push_back(g);
  }
  for (std::size_t i = 0; i < code.area_slots.size(); ++i) {
    const ResolvedArea& a = areas_[f.areas + i];
    for (std::uint32_t r = 0; r < a.rows; ++r) {
      for (std::uint32_t c = 0; c < a.cols; ++c) {
        const FormulaId g = cells_[a.first + r * a.stride + c].formula;
        if (g != kNoFormula) out.push_back(g);
      }
    }
  }
  return out;
}

void Book::Impl::use_native_code(const NativeCode* code) {
  native_code_ = code;
  for (FormulaShape& shape : shapes_)
    shape.native = code ? code->find(shape.code.instrs, shape.code.constants) : nullptr;
  if (!structure_dirty_) build_evals();
}

void Book::Impl::build_evals() {
  evals_.clear();
  eval_live_.clear();
  eval_slots_.clear();
  eval_of_formula_.assign(formulas_.size(), kNoEval);
  const auto add = [&](std::uint32_t formula) {
    const FormulaCell& f = formulas_[formula];
    const auto slots = static_cast<std::ptrdiff_t>(shapes_[f.shape].code.cell_slots.size());
    eval_of_formula_[formula] = static_cast<std::uint32_t>(evals_.size());
    eval_live_.push_back(f.live ? 1 : 0);
    evals_.push_back(Eval{f.cell, formula, f.instrs, f.constants,
                          static_cast<std::uint32_t>(eval_slots_.size()), f.areas,
                          shapes_[f.shape].native});
    const auto from = slot_cells_.begin() + f.first_slot;
    eval_slots_.insert(eval_slots_.end(), from, from + slots);
  };
  for (const std::uint32_t f : schedule_.before) add(f);
  for (const std::uint32_t f : schedule_.loop_cells) add(f);
  for (const std::uint32_t f : schedule_.after) add(f);
}

// Drops removed formulas, numbers the rest in sheet order (sheet, row, column), resolves every
// reference to a cell index and works out the order of calculation.
void Book::Impl::rebuild_structure() {
  std::erase_if(formulas_, [](const FormulaCell& f) { return !f.live; });
  dropped_.clear();
  std::sort(formulas_.begin(), formulas_.end(),
            [](const FormulaCell& a, const FormulaCell& b) { return a.pos < b.pos; });
  slot_cells_.clear();
  areas_.clear();
  for (std::size_t i = 0; i < formulas_.size(); ++i) {
    cells_[formulas_[i].cell].formula = static_cast<FormulaId>(i);
    resolve_references(formulas_[i]);
  }
  std::vector<std::vector<std::uint32_t>> precedents(formulas_.size());
  for (std::size_t i = 0; i < formulas_.size(); ++i) precedents[i] = precedents_of(formulas_[i]);
  schedule_ = build_schedule(DependencyGraph(std::move(precedents)));
  structure_dirty_ = false;
  build_evals();
}

}  // namespace pellavan::sheet
