#pragma once
// A workbook: named sheets of cells, the formulas among them and their calculation.
//
// Positions are CellPos (0-based sheet index, row and column); BookControl offers the 1-based
// calls of the spreadsheet control on top. Writing a cell computes nothing (manual calculation):
// recalc() computes every formula. Formulas that read each other in a circle are solved by
// iteration, pass after pass, under the book's CalcSettings.
//
// Errors come in three kinds, kept apart: a formula's error is a value (#DIV/0!...), never thrown;
// a formula that does not parse is refused with FormulaRejected; a call naming no such sheet or
// cell throws BadCall.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sheet/address.h"
#include "sheet/calc/eval_context.h"
#include "sheet/calc/group_settling.h"
#include "sheet/calc/native_code.h"
#include "sheet/calc/schedule.h"
#include "sheet/cell.h"
#include "sheet/format/date_serial.h"
#include "sheet/formula/ast.h"
#include "sheet/formula/code.h"
#include "sheet/sheet.h"
#include "sheet/string_pool.h"
#include "sheet/style.h"

namespace pellavan::sheet {

struct CalcSettings {
  int max_passes = 100;         // passes of the iteration per recalculation
  double change_limit = 0.001;  // a number moving by more than this in a pass keeps it going
};

// How the iteration of circular groups went in the last recalculation.
struct GroupReport {
  CellPos first_cell;        // its first cell in sheet order
  std::uint32_t cells = 0;   // formulas it holds (a formula overwritten since is none)
  bool counter = false;      // a cell that only reads itself: does not hold the iteration going
  int passes = 0;            // passes in which it was computed
  double last_change = 0.0;  // largest change of a number in its last computed pass
  std::uint32_t last_changed_cells = 0;  // cells that changed beyond the limit in that pass
  // States of one round of the cycle its passes went round, at whose mean it was settled
  // (calc/group_settling.h): its passes in the round that moved a cell beyond the limit; 0 when
  // they did not cycle.
  std::uint32_t cycle_round = 0;
};

struct RecalcReport {
  int passes = 0;            // passes of the iteration (0 when the book has no circular group)
  bool converged = true;     // stopped by the change limit, not by the pass cap
  double last_change = 0.0;  // largest change of a counted number in the last pass
  std::uint64_t formulas_computed = 0;
  std::vector<GroupReport> groups;  // in the order the passes visit them
};

using FormulaShapeId = std::uint32_t;

class Book {
 public:
  Book();

  // ---- sheets ----
  // Adds a sheet at the end and returns its index. Names are unique, ignoring case.
  int add_sheet(std::string_view name);
  int sheet_count() const { return static_cast<int>(sheets_.size()); }
  const Sheet& sheet(int index) const;
  Sheet& sheet(int index);
  std::optional<int> find_sheet(std::string_view name) const;  // ignoring case

  // ---- cells ----
  // Text by the entry rule: "" empties the cell, number and m/d/y date texts become numbers, any
  // other text stays text. Replaces a formula; the cell keeps its style (a date written into a
  // cell of General format gets the short date format).
  void set_cell_text(CellPos pos, std::string_view text);
  // A constant as it is (a text Value must come from intern()). Replaces a formula.
  void set_cell_value(CellPos pos, Value value);
  // A formula without its leading "="; the cell's value becomes empty until the next recalc().
  // Throws FormulaRejected, leaving the cell as it was, when the text does not parse.
  void set_cell_formula(CellPos pos, std::string_view formula);
  // The value a formula cell starts the next recalculation from (its cached result).
  void set_cached_value(CellPos pos, Value value);
  void clear_cell(CellPos pos);  // value and formula; the style stays

  // The value as text: numbers as plain decimal text (never a display format), texts unchanged,
  // "TRUE"/"FALSE", an error's text ("#DIV/0!"...), "" for an empty cell.
  std::string cell_text(CellPos pos) const;
  Value cell_value(CellPos pos) const;
  CellKind cell_kind(CellPos pos) const;
  // The formula as text without "=", or nullopt for a cell without one.
  std::optional<std::string> cell_formula(CellPos pos) const;

  TextId intern(std::string_view text) { return pool_.intern(text); }
  std::string_view text_of(Value text_value) const { return pool_.get(text_value.as_text()); }

  // ---- styles ----
  StyleTable& styles() { return styles_; }
  const StyleTable& styles() const { return styles_; }
  StyleId cell_style(CellPos pos) const;
  void set_cell_style(CellPos pos, StyleId style);
  const Style& style_of(CellPos pos) const { return styles_.get(cell_style(pos)); }

  // ---- formulas shared by many cells ----
  // Parses a formula as written in `origin`; the shape serves every cell it is given to, its
  // relative references moving with the cell (a range filled from its first cell).
  FormulaShapeId parse_shape(CellPos origin, std::string_view formula);
  void set_cell_shape(CellPos pos, FormulaShapeId shape);
  std::size_t shape_count() const { return shapes_.size(); }
  const Code& shape_code(FormulaShapeId shape) const { return shapes_.at(shape).code; }
  // Formulas whose code the table holds run its machine code from now on; null: none does.
  // The table outlives the book.
  void use_native_code(const NativeCode* code);

  // ---- calculation ----
  CalcSettings& settings() { return settings_; }
  const CalcSettings& settings() const { return settings_; }
  // Before a recalculation, a cell of a circular group that holds an error starts again from its
  // safe seed (0 unless one is registered here).
  void set_safe_seed(CellPos pos, double seed);
  // The date TODAY() gives; the default is the machine's local date.
  void set_clock(TodayFn clock) { clock_ = std::move(clock); }
  void recalc();
  const RecalcReport& last_recalc() const { return report_; }

  // ---- the cycles of the last recalculation ----
  // A circular group whose passes went round a cycle was settled at the mean of its states over
  // one round. These show what would follow from each state of the round instead. Once a cell
  // changed since that recalculation, each throws BadCall (but where no group cycled).
  // The longest round of the last recalculation; 0 when no group cycled.
  int cycle_round() const;
  // Puts each group that cycled back at the k-th state of its round (k from 0, modulo its
  // round: SettledCycle::state) and computes every formula that follows from them but the other
  // circular groups. The next recalculation starts from there.
  void put_cycle_state(int k);
  // put_cycle_state for each k below the longest round in turn, calling `at` after each, then
  // every value back as the recalculation left it, also when `at` throws. Groups of different
  // rounds are not seen in every combination of their states.
  void visit_cycle_states(const std::function<void()>& at);

  // ---- a state to return to ----
  // Remembers every cell as it is now (values, formulas and styles; sheet settings are not cells);
  // return_to_mark() puts them all back, so that what is computed next starts from this state
  // whatever was written or computed since. The mark is shared by copies of the book.
  void mark_state();
  void return_to_mark();  // throws BadCall when no state was marked
  bool has_mark() const { return mark_ != nullptr; }

  // ---- telling views about changes ----
  // Moves on at every change of a cell's value, formula or style and at every recalculation, so
  // that a view can tell whether what it shows is stale without the engine knowing of views.
  // Changes made through sheet() (sizes, pictures, print settings) are marked with touch().
  std::uint64_t generation() const { return generation_; }
  void touch() { ++generation_; }

  // ---- looking around ----
  // The smallest block holding every non-empty or formula cell, nullopt for an empty sheet.
  std::optional<RangePos> used_range(int sheet) const;
  std::size_t formula_count() const;
  // Makes room for at least this many rows and columns on a sheet, so that a loader that knows
  // the extent can avoid growing the grid cell by cell.
  void reserve(int sheet, int rows, int cols);
  // The same for every sheet at once (sizes[s] for sheet s), moving the cells once.
  struct SheetSize {
    int rows = 0;
    int cols = 0;
  };
  void reserve(std::span<const SheetSize> sizes);

 private:
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
  void apply_seeds();
  void iterate();
  void check_cycles() const;
  void put_cycles_at(int k);

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
  RecalcReport report_;
  std::vector<SettledCycle> cycles_;     // of the last recalculation
  std::uint64_t cycles_generation_ = 0;  // the generation the last recalculation left

  std::vector<Eval> evals_;
  std::vector<std::uint8_t> eval_live_;         // by place in evals_
  std::vector<std::uint32_t> eval_of_formula_;  // place in evals_ by formula id
  std::vector<std::uint32_t> eval_slots_;
  EvalContext context_;
  std::uint64_t generation_ = 0;
};

}  // namespace pellavan::sheet
