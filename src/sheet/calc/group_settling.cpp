#include "sheet/calc/group_settling.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace pellavan::sheet {

namespace {

// The value most of the states give a cell; of a tie, the one first in a fixed order of values,
// so that the choice does not depend on the state the round starts from.
Value most_frequent(const SettledCycle& cycle, std::size_t cell) {
  const std::size_t cells = cycle.cells();
  Value best;
  std::size_t best_count = 0;
  for (std::size_t s = 0; s < cycle.round; ++s) {
    const Value v = cycle.states[s * cells + cell];
    std::size_t count = 0;
    for (std::size_t t = 0; t < cycle.round; ++t)
      count += identical(cycle.states[t * cells + cell], v);
    if (count > best_count || (count == best_count && std::bit_cast<std::uint64_t>(v) <
                                                          std::bit_cast<std::uint64_t>(best))) {
      best = v;
      best_count = count;
    }
  }
  return best;
}

// The largest difference of a number between the two states; infinite where anything else
// differs.
double distance(std::span<const Value> a, std::span<const Value> b) {
  double worst = 0.0;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k].is_number() && b[k].is_number()) {
      worst = std::max(worst, std::fabs(a[k].as_number() - b[k].as_number()));
    } else if (!identical(a[k], b[k])) {
      return std::numeric_limits<double>::infinity();
    }
  }
  return worst;
}

}  // namespace

// Watched every moving pass against every recorded state: it stops at the first difference.
bool GroupSettling::same_state(std::span<const Value> a, std::span<const Value> b) const {
  if (a.size() != b.size()) return false;
  const double tolerance = limit_ / 1000;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k].is_number() && b[k].is_number()) {
      if (std::fabs(a[k].as_number() - b[k].as_number()) > tolerance) return false;
    } else if (!identical(a[k], b[k])) {
      return false;
    }
  }
  return true;
}

std::size_t GroupSettling::returned(Item& item, std::span<const Value> values) {
  const std::size_t size = item.history.size();
  for (std::size_t age = 0; age < size; ++age) {
    const std::size_t slot = (item.next + kWindow - 1 - age) % kWindow;
    if (same_state(values, item.history[slot])) return age + 1;
  }
  if (size < static_cast<std::size_t>(kWindow)) {
    item.history.emplace_back(values.begin(), values.end());
  } else {
    item.history[item.next].assign(values.begin(), values.end());
  }
  item.next = (item.next + 1) % kWindow;
  return 0;
}

std::size_t GroupSettling::nearest(const Item& item, std::span<const Value> values) {
  std::size_t best = 0;
  double best_distance = std::numeric_limits<double>::infinity();
  // The present values are already recorded, as the newest state.
  for (std::size_t age = 1; age < item.history.size(); ++age) {
    const std::size_t slot = (item.next + kWindow - 1 - age) % kWindow;
    const double d = distance(values, item.history[slot]);
    if (best == 0 || d < best_distance) {
      best = age;
      best_distance = d;
    }
  }
  return best;
}

void GroupSettling::settle(Item& item, std::size_t index, std::size_t round) {
  SettledCycle& cycle = item.cycle;
  const std::size_t cells = item.history[(item.next + kWindow - 1) % kWindow].size();
  cycle.item = static_cast<std::uint32_t>(index);
  cycle.round = static_cast<std::uint32_t>(round);
  cycle.states.clear();
  cycle.states.reserve(round * cells);
  for (std::size_t age = round; age-- > 0;) {
    const std::vector<Value>& state = item.history[(item.next + kWindow - 1 - age) % kWindow];
    cycle.states.insert(cycle.states.end(), state.begin(), state.end());
  }
  item.history.clear();
  item.mean.resize(cells);
  for (std::size_t c = 0; c < cells; ++c) {
    double sum = 0.0;
    bool numbers = true;
    for (std::size_t s = 0; s < round && numbers; ++s) {
      const Value v = cycle.states[s * cells + c];
      numbers = v.is_number();
      if (numbers) sum += v.as_number();
    }
    item.mean[c] =
        numbers ? Value::number(sum / static_cast<double>(round)) : most_frequent(cycle, c);
  }
}

void GroupSettling::record_change(Item& item, double largest) {
  std::shift_left(item.changes.begin(), item.changes.end(), 1);
  item.changes.back() = largest;
  ++item.counted;
}

bool GroupSettling::stalled(const Item& item) const {
  if (item.counted < kStallPasses) return false;
  const auto half = item.changes.begin() + kStallPasses / 2;
  if (*std::max_element(half, item.changes.end()) <
      kStallShrink * *std::max_element(item.changes.begin(), half))
    return false;
  // It goes up and down, not steadily one way.
  int turns = 0;
  for (auto k = half + 2; k != item.changes.end(); ++k)
    turns += (*k > *(k - 1)) != (*(k - 1) > *(k - 2));
  return turns >= kStallPasses / 8;
}

double GroupSettling::crawl_factor(Item& item, int pass, double largest) {
  if (item.counted < kCrawlPasses) return 0.0;
  double low = 1.0, high = 0.0;
  for (auto k = item.changes.end() - kCrawlPasses + 1; k != item.changes.end(); ++k) {
    const double r = *k / *(k - 1);
    low = std::min(low, r);
    high = std::max(high, r);
  }
  if (high - low > 0.001 || low <= 0.0 || high >= 1.0) return 0.0;
  const double r = item.changes.back() / item.changes[item.changes.size() - 2];
  const double passes_left = std::log(limit_ / largest) / std::log(r);
  if (pass + passes_left <= max_passes_) return 0.0;
  item.counted = 0;
  return r / (1 - r);
}

GroupSettling::Verdict GroupSettling::moved(std::size_t index, int pass,
                                            std::span<const Value> values, double largest,
                                            bool inputs_changed) {
  Item& item = items_[index];
  record_change(item, largest);
  // A stall needs kStallPasses moving passes: it is always watched.
  if (watched(pass)) {
    if (const std::size_t round = returned(item, values); round > 0) {
      settle(item, index, round);
      return Verdict{.move_on = 0.0, .settle = true};
    }
    // returned() recorded the present values as the newest state.
    if (!inputs_changed && stalled(item)) {
      if (const std::size_t round = nearest(item, values); round > 0) {
        settle(item, index, round);
        return Verdict{.move_on = 0.0, .settle = true};
      }
    }
  }
  return Verdict{.move_on = crawl_factor(item, pass, largest), .settle = false};
}

}  // namespace pellavan::sheet
