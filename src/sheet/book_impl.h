#pragma once
// The engine behind Book's face: the cells, the formulas' code and the order of calculation.
// Only the engine's own files include this; everyone else sees book.h.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sheet/book.h"
#include "sheet/calc/eval_context.h"
#include "sheet/calc/native_code.h"
#include "sheet/calc/schedule.h"
#include "sheet/formula/ast.h"
#include "sheet/formula/code.h"

namespace pellavan::sheet {

// Book's calls, each doing what book.h says of it, and what they work on.
struct Book::Impl {
  Impl();

  int add_sheet(std::string_view name);
  int sheet_count() const { return static_cast<int>(sheets_.size()); }
  const Sheet& sheet(int index) const;
  Sheet& sheet(int index);
  std::optional<int> find_sheet(std::string_view name) const;

  void set_cell_text(CellPos pos, std::string_view text);
  void set_cell_value(CellPos pos, Value value);
  void set_cell_formula(CellPos pos, std::string_view formula);
  void set_cached_value(CellPos pos, Value value);
  void clear_cell(CellPos pos);

  std::string cell_text(CellPos pos) const;
  Value cell_value(CellPos pos) const;
  CellKind cell_kind(CellPos pos) const;
  std::optional<std::string> cell_formula(CellPos pos) const;

  TextId intern(std::string_view text) { return pool_.intern(text); }
  std::string_view text_of(Value text_value) const { return pool_.get(text_value.as_text()); }

  StyleTable& styles() { return styles_; }
  const StyleTable& styles() const { return styles_; }
  StyleId cell_style(CellPos pos) const;
  void set_cell_style(CellPos pos, StyleId style);
  const Style& style_of(CellPos pos) const { return styles_.get(cell_style(pos)); }

  FormulaShapeId parse_shape(CellPos origin, std::string_view formula);
  void set_cell_shape(CellPos pos, FormulaShapeId shape);
  std::size_t shape_count() const { return shapes_.size(); }

  CalcSettings& settings() { return settings_; }
  const CalcSettings& settings() const { return settings_; }
  void set_safe_seed(CellPos pos, double seed);
  void set_clock(TodayFn clock) { clock_ = std::move(clock); }
  const RecalcReport& recalc();
  const RecalcReport& last_recalc() const { return report_; }

  void put_cycle_state(const RecalcReport& report, int k);
  void visit_cycle_states(const RecalcReport& report, const std::function<void()>& at);

  void mark_state();
  void return_to_mark();
  bool has_mark() const { return mark_ != nullptr; }

  std::uint64_t generation() const { return generation_; }
  void touch() { ++generation_; }

  std::optional<RangePos> used_range(int sheet) const;
  std::size_t formula_count() const;
  void reserve(int sheet, int rows, int cols);
  void reserve(std::span<const SheetSize> sizes);

  // Formulas whose code the table holds run its machine code from now on (book_code.h).
  const Code& shape_code(FormulaShapeId shape) const { return shapes_.at(shape).code; }
  void use_native_code(const NativeCode* code);

  struct Grid {
    std::uint32_t base = 0;  // index of cell A1 in cells_
    int rows = 0;
    int cols = 0;
  };
  struct FormulaShape {
    Ast ast;
    Code code;
    std::uint32_t instrs = 0;     // its code runs from instrs_[instrs]
    std::uint32_t constants = 0;  // its constants start at constants_[constants]
    NativeFormula native = nullptr;
  };
  struct FormulaCell {
    CellPos pos;
    FormulaShapeId shape = 0;
    std::uint32_t cell = 0;        // index in cells_
    std::uint32_t first_slot = 0;  // its slot-to-cell table starts at slot_cells_[first_slot]
    std::uint32_t areas = 0;       // its areas start at areas_[areas]
    bool live = true;
    std::uint32_t instrs = 0;  // its shape's, for evaluation
    std::uint32_t constants = 0;
  };

  static constexpr std::uint32_t kEmptyCell = 0;  // an always empty cell
  static constexpr std::uint32_t kRefCell =
      1;  // an always #REF! cell, for references off the sheet

  void check(CellPos pos) const;
  std::string cell_name(CellPos pos) const;
  // Index in cells_, or kEmptyCell for a cell beyond the grid.
  std::uint32_t find_cell(CellPos pos) const;
  std::uint32_t cell_index(CellPos pos);  // grows the grid when needed
  void relayout(int sheet, int rows, int cols);
  void relayout(std::vector<Grid> grids);
  void drop_formula(std::uint32_t index);
  // Before a cell's formula or style changes: a mark's return then restores only such cells.
  void meta_changing(std::uint32_t index) {
    if (mark_ && meta_changed_.size() <= cells_.size() / 8) meta_changed_.push_back(index);
  }
  void structure_changed() {
    structure_dirty_ = true;
    ++structure_version_;
  }
  void store_constant(CellPos pos, Value value);

  // book_structure.cpp
  void rebuild_structure();
  void resolve_references(FormulaCell& f);
  std::vector<std::uint32_t> precedents_of(const FormulaCell& f) const;

  // book_recalc.cpp
  // What computing one formula needs, laid out in the order of calculation: `before`, the loop
  // region, `after`.
  struct Eval {
    std::uint32_t cell = 0;     // index in cells_
    std::uint32_t formula = 0;  // its id; the cell holds another once it is overwritten
    std::uint32_t instrs = 0;
    std::uint32_t constants = 0;
    std::uint32_t first_slot = 0;  // its slot-to-cell table starts at eval_slots_[first_slot]
    std::uint32_t areas = 0;
    NativeFormula native = nullptr;  // else the interpreter runs its code
  };
  void build_evals();  // with every build of the structure, and when a mark brings one back
  // A formula overwritten since the structure was built is skipped, and comes back with a mark.
  static constexpr std::uint32_t kNoEval = 0xFFFFFFFFu;
  void set_eval_live(FormulaId formula, bool live) {
    if (formula < eval_of_formula_.size() && eval_of_formula_[formula] != kNoEval)
      eval_live_[eval_of_formula_[formula]] = live;
  }
  Value compute(std::uint32_t eval);  // stores the new value, returns the one before
  // Every value a recalculation puts into a formula's cell without computing it goes through
  // here: a circular cell's seed, a settled group's value, a state of a cycle, and the settled
  // values put back after the states were looked at.
  void settle_value(std::uint32_t cell, Value v) { values_[cell] = v; }
  void apply_seeds();
  class Iteration;  // of the loop region, book_recalc.cpp
  void iterate();
  void check_cycles(const RecalcReport& report) const;
  void put_cycles_at(const RecalcReport& report, int k);

  std::vector<Sheet> sheets_;
  std::vector<Grid> grids_;
  std::vector<Cell> cells_;
  std::vector<Value> values_;  // of each cell of cells_
  StringPool pool_;
  StyleTable styles_;

  std::vector<FormulaShape> shapes_;
  std::unordered_map<std::string, FormulaShapeId> shape_index_;
  // The code and constants of every shape, one after another, so that a recalculation reads
  // them from one place.
  std::vector<Instr> instrs_;
  std::vector<Value> constants_;
  std::vector<FormulaCell> formulas_;
  std::vector<std::uint32_t> slot_cells_;
  std::vector<ResolvedArea> areas_;
  bool structure_dirty_ = false;
  std::uint64_t structure_version_ = 0;  // moves on with every change of the formulas' structure
  std::vector<FormulaId> dropped_;       // formulas overwritten since the structure was built
  Schedule schedule_;
  std::vector<Value> stack_;
  const NativeCode* native_code_ = nullptr;

  struct Mark;
  std::shared_ptr<const Mark> mark_;
  // The cells whose formula or style changed since the mark; more than an eighth of them: all.
  std::vector<std::uint32_t> meta_changed_;

  CalcSettings settings_;
  std::unordered_map<CellPos, double> seeds_;
  TodayFn clock_;
  RecalcReport report_;  // of the last recalculation

  std::vector<Eval> evals_;
  std::vector<std::uint8_t> eval_live_;         // by place in evals_
  std::vector<std::uint32_t> eval_of_formula_;  // place in evals_ by formula id
  std::vector<std::uint32_t> eval_slots_;
  EvalContext context_;
  std::uint64_t generation_ = 0;
};

}  // namespace pellavan::sheet
