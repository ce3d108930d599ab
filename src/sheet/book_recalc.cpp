// Recalculation: plain formulas once in dependency order, circular groups by iteration.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "sheet/book_impl.h"
#include "sheet/calc/group_settling.h"
#include "sheet/calc/interpreter.h"
#include "sheet/errors.h"

namespace pellavan::sheet {

namespace {

// True when `now` differs from `old` by more than the limit: a number moving further, or any
// change of kind, text, boolean or error. `delta` gets the move of a number.
bool moved_beyond(Value old, Value now, double limit, double& delta) {
  delta = 0.0;
  if (old.is_number() && now.is_number()) {
    delta = std::fabs(now.as_number() - old.as_number());
    return delta > limit;
  }
  return !identical(old, now);
}

}  // namespace

[[gnu::always_inline]] inline Value Book::Impl::compute(std::uint32_t eval) {
  const Eval& f = evals_[eval];
  Value& value = values_[f.cell];
  if (!eval_live_[eval]) return value;  // overwritten by a constant since the build
  context_.areas = areas_.data() + f.areas;
  const Value* const constants = constants_.data() + f.constants;
  const std::uint32_t* const slots = eval_slots_.data() + f.first_slot;
  Value v = f.native
                ? f.native(constants, slots, context_)
                : evaluate(instrs_.data() + f.instrs, constants, slots, context_, stack_.data());
  if (v.is_text()) v = Value::text(pool_.keep(v.as_text()));
  pool_.clear_scratch();
  ++report_.formulas_computed;
  return std::exchange(value, v);
}

void Book::Impl::apply_seeds() {
  for (const LoopItem& item : schedule_.items) {
    if (!item.circular) continue;
    for (std::uint32_t k = item.first; k < item.end; ++k) {
      const std::size_t e = schedule_.before.size() + k;
      if (!eval_live_[e] || !values_[evals_[e].cell].is_error()) continue;
      const auto seed = seeds_.find(formulas_[evals_[e].formula].pos);
      settle_value(evals_[e].cell, Value::number(seed == seeds_.end() ? 0.0 : seed->second));
    }
  }
}

const RecalcReport& Book::Impl::recalc() {
  if (structure_dirty_) rebuild_structure();
  report_ = RecalcReport{};
  context_ = EvalContext{values_.data(), nullptr, &pool_, today_serial(clock_)};
  apply_seeds();
  const auto loop_end =
      static_cast<std::uint32_t>(schedule_.before.size() + schedule_.loop_cells.size());
  for (std::uint32_t e = 0; e < schedule_.before.size(); ++e) compute(e);
  iterate();
  for (std::uint32_t e = loop_end; e < evals_.size(); ++e) compute(e);
  touch();
  report_.generation = generation_;
  report_.book = this;
  return report_;
}

// Each pass visits every item of the loop region in order. The iteration ends after the first pass
// in which no cell of a circular group moved beyond the limit, pass counters (cells circular only
// through themselves) not counting; when a counter that the loop reads did move in that pass, one
// more such pass must confirm it, since formulas that test the counter may still take another
// branch at its next value. Otherwise it ends at the pass cap. An item whose last computation
// changed nothing, and whose inputs have not changed since, is skipped: computing it again would
// give the same values. A group whose passes cycle, or crawl past the pass cap, is brought to rest
// as GroupSettling says; once settled, it stays so while only pass counters among its inputs move.
// A group found on a cycle is not settled at once: its passes first visit its cells in sheet
// order, and when it cycles there too, in dependency order again; only a third cycle settles it.
// A far start (a cell averaged with its own value from another building's book) can lead one order
// of visits onto a cycle through impossible states that the other order leaves, and from there
// both reach the same rest state. A group in sheet order goes back to dependency order after its
// first pass that moves no cell beyond the limit.
class Book::Impl::Iteration {
 public:
  explicit Iteration(Impl& book)
      : book_(book),
        items_(book.schedule_.items),
        loop_(book.evals_.data() + book.schedule_.before.size()),
        loop_start_(static_cast<std::uint32_t>(book.schedule_.before.size())),
        limit_(book.settings_.change_limit),
        stale_(book.schedule_.loop_cells.size(), 0),
        computed_in_(items_.size(), 0),
        changed_in_(items_.size(), 0),
        report_of_(items_.size(), -1),
        settling_(items_.size(), book.settings_.change_limit, book.settings_.max_passes),
        change_at_(book.schedule_.loop_cells.size(), 0.0) {}

  void run() {
    add_group_reports();
    bool moving = true;
    bool confirming = false;
    int pass = 0;
    while (pass < book_.settings_.max_passes) {
      ++pass;
      const PassOutcome outcome = run_pass(pass);
      moving = outcome.moving;
      book_.report_.last_change = outcome.largest;
      if (outcome.moving) {
        confirming = false;
      } else if (outcome.counter_moved && !confirming) {
        confirming = true;
      } else {
        break;
      }
    }
    book_.report_.passes = pass;
    book_.report_.converged = !moving;
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (settling_.settled(i)) book_.report_.cycles.push_back(settling_.cycle(i));
  }

 private:
  // What one item's computation in a pass did.
  struct ItemChange {
    bool changed = false;      // a cell changed at all
    double largest = 0.0;      // the largest move of a number
    std::uint32_t beyond = 0;  // cells that moved beyond the limit
  };
  struct PassOutcome {
    bool moving = false;         // a counted cell moved beyond the limit
    bool counter_moved = false;  // a pass counter that the loop reads changed
    double largest = 0.0;        // the largest move of a counted number
  };

  // A GroupReport for each circular group, in the order the passes visit them.
  void add_group_reports() {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (!items_[i].circular) continue;
      report_of_[i] = static_cast<int>(book_.report_.groups.size());
      const auto cells = book_.schedule_.cells(items_[i]);
      GroupReport group;
      group.first_cell = book_.formulas_[*std::min_element(cells.begin(), cells.end())].pos;
      const auto live = book_.eval_live_.begin() + static_cast<std::ptrdiff_t>(loop_start_);
      group.cells = static_cast<std::uint32_t>(
          std::count(live + items_[i].first, live + items_[i].end, std::uint8_t{1}));
      group.counter = items_[i].counter;
      book_.report_.groups.push_back(group);
    }
  }

  // Every item once, in order.
  PassOutcome run_pass(int pass) {
    PassOutcome outcome;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const LoopItem& item = items_[i];
      if (skipped(i)) continue;
      const ItemChange change = compute_item(i, pass);
      computed_in_[i] = pass;
      if (change.changed) changed_in_[i] = pass;
      if (item.counted() && change.beyond > 0) bring_to_rest(i, pass, change.largest);
      if (item.counted()) {
        outcome.moving = outcome.moving || change.beyond > 0;
        outcome.largest = std::max(outcome.largest, change.largest);
      } else if (item.counter && item.read_in_loop) {
        outcome.counter_moved = outcome.counter_moved || change.changed;
      }
      if (report_of_[i] >= 0) add_to_report(i, change);
    }
    return outcome;
  }

  // Whether computing the item again would give the same values: it changed nothing when last
  // computed, or is settled, and its inputs stood still since. A settled group whose inputs
  // moved takes plain passes again.
  bool skipped(std::size_t i) {
    const bool settled = settling_.settled(i);
    if (!settled && (computed_in_[i] == 0 || changed_in_[i] >= computed_in_[i])) return false;
    // A counter moves every pass: a settled group that read it would never stay settled.
    const auto inputs = book_.schedule_.inputs(items_[i]);
    const bool inputs_settled = std::all_of(inputs.begin(), inputs.end(), [&](std::uint32_t j) {
      return (settled && items_[j].counter) || changed_in_[j] <= computed_in_[i];
    });
    if (inputs_settled) return true;
    if (settled) settling_.release(i);
    return false;
  }

  // Computes the item's cells that an input change made stale (every cell in the first pass),
  // marking the readers of each changed one stale in turn.
  ItemChange compute_item(std::size_t i, int pass) {
    const LoopItem& item = items_[i];
    ItemChange change;
    if (sheet_order_[i].empty()) {
      for (std::uint32_t k = item.first; k < item.end; ++k) compute_cell(k, pass, change);
      return change;
    }
    for (const std::uint32_t k : sheet_order_[i]) compute_cell(k, pass, change);
    if (change.beyond == 0) sheet_order_[i].clear();
    return change;
  }

  [[gnu::always_inline]] void compute_cell(std::uint32_t k, int pass, ItemChange& change) {
    change_at_[k] = 0.0;
    if (pass > 1 && !stale_[k]) return;
    stale_[k] = 0;
    const Value old = book_.compute(loop_start_ + k);
    const Value now = book_.values_[loop_[k].cell];
    if (identical(old, now)) return;
    changed_cell(k);
    change.changed = true;
    double delta = 0.0;
    if (moved_beyond(old, now, limit_, delta)) ++change.beyond;
    if (old.is_number() && now.is_number()) change_at_[k] = now.as_number() - old.as_number();
    change.largest = std::max(change.largest, delta);
  }

  // The group's cells by place in the loop region, in the order of their formulas in the sheets.
  void visit_in_sheet_order(std::size_t i) {
    std::vector<std::uint32_t>& order = sheet_order_[i];
    for (std::uint32_t k = items_[i].first; k < items_[i].end; ++k) order.push_back(k);
    std::sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
      return loop_[a].formula < loop_[b].formula;
    });
  }

  // A group that moved beyond the limit, as GroupSettling judges its pass: a crawl is moved on
  // along its geometric series; a cycle turns its cells' order of visits, and the third is
  // settled at its mean.
  void bring_to_rest(std::size_t i, int pass, double largest) {
    const LoopItem& item = items_[i];
    watched_.clear();
    for (std::uint32_t k = item.first; k < item.end; ++k) {
      if (!GroupSettling::watched(pass)) break;
      watched_.push_back(book_.values_[loop_[k].cell]);
    }
    const auto inputs = book_.schedule_.inputs(item);
    const bool inputs_changed = std::any_of(
        inputs.begin(), inputs.end(), [&](std::uint32_t j) { return changed_in_[j] == pass; });
    const GroupSettling::Verdict verdict =
        settling_.moved(i, pass, watched_, largest, inputs_changed);
    const double on = verdict.move_on;
    for (std::uint32_t k = item.first; on > 0.0 && k < item.end; ++k) {
      if (change_at_[k] == 0.0) continue;
      const Value v = book_.values_[loop_[k].cell];
      book_.settle_value(loop_[k].cell, Value::number(v.as_number() + change_at_[k] * on));
      changed_cell(k);
    }
    if (!verdict.settle) return;
    if (reordered_[i] < 2) {
      settling_.release(i);
      if (sheet_order_[i].empty()) {
        visit_in_sheet_order(i);
      } else {
        sheet_order_[i].clear();
      }
      ++reordered_[i];
      return;
    }
    const auto mean = settling_.mean(i);
    for (std::uint32_t k = item.first; k < item.end; ++k) {
      if (identical(book_.values_[loop_[k].cell], mean[k - item.first])) continue;
      book_.settle_value(loop_[k].cell, mean[k - item.first]);
      changed_cell(k);
    }
  }

  void add_to_report(std::size_t i, const ItemChange& change) {
    GroupReport& group = book_.report_.groups[static_cast<std::size_t>(report_of_[i])];
    ++group.passes;
    group.last_change = change.largest;
    group.last_changed_cells = change.beyond;
    group.cycle_round = settling_.settled(i) ? settling_.cycle(i).round : 0;
  }

  // A cell none of whose loop-region inputs changed since it was last computed would give the
  // same value again: after the first pass it is skipped. A change marks the cells that read
  // the changed one as stale (a cell that reads itself too), by place in the loop region.
  void changed_cell(std::uint32_t k) {
    for (const std::uint32_t reader : book_.schedule_.readers_of(k)) stale_[reader] = 1;
  }

  Impl& book_;
  const std::vector<LoopItem>& items_;
  const Eval* const loop_;  // by place in the loop region
  const std::uint32_t loop_start_;
  const double limit_;
  std::vector<std::uint8_t> stale_;  // by place in the loop region
  std::vector<int> computed_in_;     // pass of the item's last computation
  std::vector<int> changed_in_;      // pass of its last change of any size
  std::vector<int> report_of_;       // its place in the report's groups, -1 for none
  GroupSettling settling_;
  std::vector<Value> watched_;     // a group's values for GroupSettling
  std::vector<double> change_at_;  // of this pass, by place in the loop region
  std::vector<std::vector<std::uint32_t>> sheet_order_ =
      std::vector<std::vector<std::uint32_t>>(items_.size());  // while its cells go in sheet order
  std::vector<std::uint8_t> reordered_ =
      std::vector<std::uint8_t>(items_.size(), 0);  // its switches of order on a cycle
};

void Book::Impl::iterate() {
  if (schedule_.items.empty()) return;
  Iteration(*this).run();
}

int RecalcReport::cycle_round() const {
  std::uint32_t longest = 0;
  for (const SettledCycle& c : cycles) longest = std::max(longest, c.round);
  return static_cast<int>(longest);
}

void Book::Impl::check_cycles(const RecalcReport& report) const {
  if (report.book != this) throw BadCall("the cycles are of another book's recalculation");
  if (generation_ != report.generation)
    throw BadCall("the cells changed since the recalculation that went round the cycles");
  // A report of a book since gone, whose place in memory another took, names other groups.
  for (const SettledCycle& c : report.cycles) {
    if (c.item >= schedule_.items.size() ||
        c.cells() != schedule_.items[c.item].end - schedule_.items[c.item].first)
      throw BadCall("the cycles are of another book's recalculation");
  }
}

// The states go back into the groups' cells; what reads them is computed in the order of
// calculation, the circular groups excepted (pass counters would count on).
void Book::Impl::put_cycles_at(const RecalcReport& report, int k) {
  context_.values = values_.data();  // a copy of the book computes on its own cells
  const Eval* const loop = evals_.data() + schedule_.before.size();
  for (const SettledCycle& c : report.cycles) {
    const LoopItem& item = schedule_.items[c.item];
    const auto state = c.state(static_cast<std::size_t>(k));
    for (std::uint32_t cell = item.first; cell < item.end; ++cell)
      settle_value(loop[cell].cell, state[cell - item.first]);
  }
  const auto loop_start = static_cast<std::uint32_t>(schedule_.before.size());
  for (const LoopItem& item : schedule_.items) {
    if (item.circular) continue;
    for (std::uint32_t cell = item.first; cell < item.end; ++cell) compute(loop_start + cell);
  }
  const auto loop_end = static_cast<std::uint32_t>(loop_start + schedule_.loop_cells.size());
  for (std::uint32_t e = loop_end; e < evals_.size(); ++e) compute(e);
}

void Book::Impl::put_cycle_state(const RecalcReport& report, int k) {
  check_cycles(report);
  if (k < 0) throw BadCall("the states of a cycle are counted from 0");
  const std::uint64_t computed = report_.formulas_computed;
  put_cycles_at(report, k);
  report_.formulas_computed = computed;
  touch();
}

void Book::Impl::visit_cycle_states(const RecalcReport& report, const std::function<void()>& at) {
  if (report.cycles.empty()) return;
  check_cycles(report);
  const int round = report.cycle_round();
  // Puts the values back on every way out, `at` throwing too: into as many cells as they came
  // from, so the copy needs no memory and cannot throw.
  struct Restore {
    Impl& book;
    const std::vector<Value> settled;
    const std::uint64_t computed;
    ~Restore() {
      for (std::size_t i = 0; i < settled.size(); ++i)
        book.settle_value(static_cast<std::uint32_t>(i), settled[i]);
      book.report_.formulas_computed = computed;
    }
  } const restore{*this, values_, report_.formulas_computed};
  for (int k = 0; k < round; ++k) {
    put_cycles_at(report, k);
    at();
  }
}

}  // namespace pellavan::sheet
