#pragma once
// A workbook: named sheets of cells, the formulas among them and their calculation.
//
// Positions are CellPos (0-based sheet index, row and column); BookControl offers the 1-based
// calls of the spreadsheet control on top. Writing a cell computes nothing (manual calculation):
// recalc() computes every formula. Formulas that read each other in a circle are solved by
// iteration, pass after pass, under the book's CalcSettings. How the engine behind this face
// works, and where a formula runs: ARCHITECTURE.md, "The spreadsheet engine".
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
#include <vector>

#include "sheet/address.h"
#include "sheet/cell.h"
#include "sheet/format/date_serial.h"
#include "sheet/settled_cycle.h"
#include "sheet/sheet.h"
#include "sheet/string_pool.h"
#include "sheet/style.h"
#include "sheet/value.h"

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
  // A circular group whose passes went round a cycle was settled at the mean of its states over
  // one round (calc/group_settling.h): each such group's round, for Book::put_cycle_state and
  // Book::visit_cycle_states.
  std::vector<SettledCycle> cycles;
  std::uint64_t generation = 0;  // the book's generation() the recalculation left
  // The book it belongs to (its engine, which a move takes along and a copy does not): only that
  // book takes the states of its cycles.
  const void* book = nullptr;

  // The longest round of its cycles; 0 when no group cycled.
  int cycle_round() const;
};

using FormulaShapeId = std::uint32_t;

class Book {
 public:
  Book();
  Book(const Book& other);
  Book(Book&& other) noexcept;
  Book& operator=(const Book& other);
  Book& operator=(Book&& other) noexcept;
  ~Book();

  // ---- sheets ----
  // Adds a sheet at the end and returns its index. Names are unique, ignoring case.
  int add_sheet(std::string_view name);
  int sheet_count() const;
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

  TextId intern(std::string_view text);
  std::string_view text_of(Value text_value) const;

  // ---- styles ----
  StyleTable& styles();
  const StyleTable& styles() const;
  StyleId cell_style(CellPos pos) const;
  void set_cell_style(CellPos pos, StyleId style);
  const Style& style_of(CellPos pos) const { return styles().get(cell_style(pos)); }

  // ---- formulas shared by many cells ----
  // Parses a formula as written in `origin`; the shape serves every cell it is given to, its
  // relative references moving with the cell (a range filled from its first cell). Its code and
  // the machine code that may run it instead: sheet/book_code.h.
  FormulaShapeId parse_shape(CellPos origin, std::string_view formula);
  void set_cell_shape(CellPos pos, FormulaShapeId shape);
  std::size_t shape_count() const;

  // ---- calculation ----
  CalcSettings& settings();
  const CalcSettings& settings() const;
  // Before a recalculation, a cell of a circular group that holds an error starts again from its
  // safe seed (0 unless one is registered here).
  void set_safe_seed(CellPos pos, double seed);
  // The date TODAY() gives; the default is the machine's local date.
  void set_clock(TodayFn clock);
  // Computes every formula and reports how it went; the report stays valid until the next
  // recalculation, which overwrites it (copy it to keep it).
  const RecalcReport& recalc();
  const RecalcReport& last_recalc() const;  // what the last recalc() returned

  // ---- the cycles of a recalculation ----
  // These show what would follow from each state of the rounds `report` (a recalc() of this
  // book or of the one it was copied from) settled its cycling groups at, instead of their
  // mean. Once a cell changed since that recalculation, each throws BadCall (but where no group
  // cycled).
  // Puts each group that cycled back at the k-th state of its round (k from 0, modulo its
  // round: SettledCycle::state) and computes every formula that follows from them but the other
  // circular groups. The next recalculation starts from there.
  void put_cycle_state(const RecalcReport& report, int k);
  // put_cycle_state for each k below the longest round in turn, calling `at` after each, then
  // every value back as the recalculation left it, also when `at` throws. Groups of different
  // rounds are not seen in every combination of their states.
  void visit_cycle_states(const RecalcReport& report, const std::function<void()>& at);

  // ---- a state to return to ----
  // Remembers every cell as it is now (values, formulas and styles; sheet settings are not cells);
  // return_to_mark() puts them all back, so that what is computed next starts from this state
  // whatever was written or computed since. The mark is shared by copies of the book.
  void mark_state();
  void return_to_mark();  // throws BadCall when no state was marked
  bool has_mark() const;

  // ---- telling views about changes ----
  // Moves on at every change of a cell's value, formula or style and at every recalculation, so
  // that a view can tell whether what it shows is stale without the engine knowing of views.
  // Changes made through sheet() (sizes, pictures, print settings) are marked with touch().
  std::uint64_t generation() const;
  void touch();

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

  // The engine behind this face (book_impl.h, seen only by the engine's own files).
  struct Impl;
  Impl& impl() { return *impl_; }
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace pellavan::sheet
