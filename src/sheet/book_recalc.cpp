// Recalculation: plain formulas once in dependency order, circular groups by iteration.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sheet/book.h"
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

[[gnu::always_inline]] inline Value Book::compute(std::uint32_t eval) {
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

void Book::apply_seeds() {
  for (const LoopItem& item : schedule_.items) {
    if (!item.circular) continue;
    for (std::uint32_t k = item.first; k < item.end; ++k) {
      const std::size_t e = schedule_.before.size() + k;
      Value& value = values_[evals_[e].cell];
      if (!eval_live_[e] || !value.is_error()) continue;
      const auto seed = seeds_.find(formulas_[evals_[e].formula].pos);
      value = Value::number(seed == seeds_.end() ? 0.0 : seed->second);
    }
  }
}

void Book::recalc() {
  if (structure_dirty_) rebuild_structure();
  report_ = RecalcReport{};
  cycles_.clear();
  context_ = EvalContext{values_.data(), nullptr, &pool_, today_serial(clock_)};
  apply_seeds();
  const auto loop_end =
      static_cast<std::uint32_t>(schedule_.before.size() + schedule_.loop_cells.size());
  for (std::uint32_t e = 0; e < schedule_.before.size(); ++e) compute(e);
  iterate();
  for (std::uint32_t e = loop_end; e < evals_.size(); ++e) compute(e);
  touch();
  cycles_generation_ = generation_;
}

// Each pass visits every item of the loop region in order. The iteration ends after the first pass
// in which no cell of a circular group moved beyond the limit, pass counters (cells circular only
// through themselves) not counting; when a counter that the loop reads did move in that pass, one
// more such pass must confirm it, since formulas that test the counter may still take another
// branch at its next value. Otherwise it ends at the pass cap. An item whose last computation
// changed nothing, and whose inputs have not changed since, is skipped: computing it again would
// give the same values. A group whose passes cycle, or crawl past the pass cap, is brought to rest
// as GroupSettling says; once settled, it stays so while only pass counters among its inputs move.
void Book::iterate() {
  const std::vector<LoopItem>& items = schedule_.items;
  if (items.empty()) return;
  const Eval* const loop = evals_.data() + schedule_.before.size();  // by place in the region
  // A cell none of whose loop-region inputs changed since it was last computed would give the
  // same value again: after the first pass it is skipped. A change marks the cells that read
  // the changed one as stale (a cell that reads itself too), by place in the loop region.
  std::vector<std::uint8_t> stale(schedule_.loop_cells.size(), 0);
  const auto changed_cell = [&](std::uint32_t k) {
    for (const std::uint32_t reader : schedule_.readers_of(k)) stale[reader] = 1;
  };
  std::vector<int> computed_in(items.size(), 0);  // pass of the item's last computation
  std::vector<int> changed_in(items.size(), 0);   // pass of its last change of any size
  std::vector<int> report_of(items.size(), -1);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!items[i].circular) continue;
    report_of[i] = static_cast<int>(report_.groups.size());
    const auto cells = schedule_.cells(items[i]);
    GroupReport group;
    group.first_cell = formulas_[*std::min_element(cells.begin(), cells.end())].pos;
    const auto live = eval_live_.begin() + static_cast<std::ptrdiff_t>(schedule_.before.size());
    group.cells = static_cast<std::uint32_t>(
        std::count(live + items[i].first, live + items[i].end, std::uint8_t{1}));
    group.counter = items[i].counter;
    report_.groups.push_back(group);
  }

  GroupSettling settling(items.size(), settings_.change_limit, settings_.max_passes);
  std::vector<Value> values;
  std::vector<double> change_at(schedule_.loop_cells.size(), 0.0);  // of this pass, by loop index

  const double limit = settings_.change_limit;
  bool moving = true;
  bool confirming = false;
  int pass = 0;
  while (pass < settings_.max_passes) {
    ++pass;
    moving = false;
    bool counter_moved = false;
    double largest = 0.0;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const LoopItem& item = items[i];
      const bool settled = settling.settled(i);
      if (settled || (computed_in[i] > 0 && changed_in[i] < computed_in[i])) {
        // A counter moves every pass: a settled group that read it would never stay settled.
        const auto inputs = schedule_.inputs(item);
        const bool inputs_settled = std::all_of(inputs.begin(), inputs.end(), [&](std::uint32_t j) {
          return (settled && items[j].counter) || changed_in[j] <= computed_in[i];
        });
        if (inputs_settled) continue;
        if (settled) settling.release(i);
      }
      bool changed = false;
      double item_largest = 0.0;
      std::uint32_t beyond = 0;
      for (std::uint32_t k = item.first; k < item.end; ++k) {
        change_at[k] = 0.0;
        if (pass > 1 && !stale[k]) continue;
        stale[k] = 0;
        const Value old = compute(static_cast<std::uint32_t>(schedule_.before.size()) + k);
        const Value now = values_[loop[k].cell];
        if (identical(old, now)) continue;
        changed_cell(k);
        changed = true;
        double delta = 0.0;
        if (moved_beyond(old, now, limit, delta)) ++beyond;
        if (old.is_number() && now.is_number()) change_at[k] = now.as_number() - old.as_number();
        item_largest = std::max(item_largest, delta);
      }
      computed_in[i] = pass;
      if (changed) changed_in[i] = pass;
      if (item.counted() && beyond > 0) {
        values.clear();
        for (std::uint32_t k = item.first; k < item.end; ++k) {
          if (!GroupSettling::watched(pass)) break;
          values.push_back(values_[loop[k].cell]);
        }
        const auto inputs = schedule_.inputs(item);
        const bool inputs_changed = std::any_of(
            inputs.begin(), inputs.end(), [&](std::uint32_t j) { return changed_in[j] == pass; });
        const GroupSettling::Verdict verdict =
            settling.moved(i, pass, values, item_largest, inputs_changed);
        const double on = verdict.move_on;
        for (std::uint32_t k = item.first; on > 0.0 && k < item.end; ++k) {
          if (change_at[k] == 0.0) continue;
          Value& v = values_[loop[k].cell];
          v = Value::number(v.as_number() + change_at[k] * on);
          changed_cell(k);
        }
        if (verdict.settle) {
          const auto mean = settling.mean(i);
          for (std::uint32_t k = item.first; k < item.end; ++k) {
            Value& v = values_[loop[k].cell];
            if (identical(v, mean[k - item.first])) continue;
            v = mean[k - item.first];
            changed_cell(k);
          }
        }
      }
      if (item.counted()) {
        moving = moving || beyond > 0;
        largest = std::max(largest, item_largest);
      } else if (item.counter && item.read_in_loop) {
        counter_moved = counter_moved || changed;
      }
      if (report_of[i] >= 0) {
        GroupReport& group = report_.groups[static_cast<std::size_t>(report_of[i])];
        ++group.passes;
        group.last_change = item_largest;
        group.last_changed_cells = beyond;
        group.cycle_round = settling.settled(i) ? settling.cycle(i).round : 0;
      }
    }
    report_.last_change = largest;
    if (moving) {
      confirming = false;
    } else if (counter_moved && !confirming) {
      confirming = true;
    } else {
      break;
    }
  }
  report_.passes = pass;
  report_.converged = !moving;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (settling.settled(i)) cycles_.push_back(settling.cycle(i));
}

int Book::cycle_round() const {
  if (cycles_.empty()) return 0;
  check_cycles();
  std::uint32_t longest = 0;
  for (const SettledCycle& c : cycles_) longest = std::max(longest, c.round);
  return static_cast<int>(longest);
}

void Book::check_cycles() const {
  if (generation_ != cycles_generation_)
    throw BadCall("the cells changed since the recalculation that went round the cycles");
}

// The states go back into the groups' cells; what reads them is computed in the order of
// calculation, the circular groups excepted (pass counters would count on).
void Book::put_cycles_at(int k) {
  context_.values = values_.data();  // a copy of the book computes on its own cells
  const Eval* const loop = evals_.data() + schedule_.before.size();
  for (const SettledCycle& c : cycles_) {
    const LoopItem& item = schedule_.items[c.item];
    const auto state = c.state(static_cast<std::size_t>(k));
    for (std::uint32_t cell = item.first; cell < item.end; ++cell)
      values_[loop[cell].cell] = state[cell - item.first];
  }
  const auto loop_start = static_cast<std::uint32_t>(schedule_.before.size());
  for (const LoopItem& item : schedule_.items) {
    if (item.circular) continue;
    for (std::uint32_t cell = item.first; cell < item.end; ++cell) compute(loop_start + cell);
  }
  const auto loop_end = static_cast<std::uint32_t>(loop_start + schedule_.loop_cells.size());
  for (std::uint32_t e = loop_end; e < evals_.size(); ++e) compute(e);
}

void Book::put_cycle_state(int k) {
  check_cycles();
  if (k < 0) throw BadCall("the states of a cycle are counted from 0");
  const std::uint64_t computed = report_.formulas_computed;
  put_cycles_at(k);
  report_.formulas_computed = computed;
  touch();
}

void Book::visit_cycle_states(const std::function<void()>& at) {
  const int round = cycle_round();
  if (round == 0) return;
  // Puts the values back on every way out, `at` throwing too: into as many cells as they came
  // from, so the copy needs no memory and cannot throw.
  struct Restore {
    Book& book;
    const std::vector<Value> settled;
    const std::uint64_t computed;
    ~Restore() {
      book.values_ = settled;
      book.report_.formulas_computed = computed;
    }
  } const restore{*this, values_, report_.formulas_computed};
  for (int k = 0; k < round; ++k) {
    put_cycles_at(k);
    at();
  }
}

}  // namespace pellavan::sheet
