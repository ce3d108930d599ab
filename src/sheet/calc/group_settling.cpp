#include "sheet/calc/group_settling.h"

#include <algorithm>
#include <cmath>

namespace pellavan::sheet {

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

// Whether the values are those after one of the last moving passes; records them.
bool GroupSettling::returned(Item& item, std::span<const Value> values) {
  if (std::any_of(item.history.begin(), item.history.end(),
                  [&](const std::vector<Value>& h) { return same_state(values, h); })) {
    item.history.clear();
    return true;
  }
  if (item.history.size() < static_cast<std::size_t>(kWindow)) {
    item.history.emplace_back(values.begin(), values.end());
  } else {
    item.history[item.next].assign(values.begin(), values.end());
  }
  item.next = (item.next + 1) % kWindow;
  return false;
}

void GroupSettling::record_change(Item& item, double largest) {
  std::shift_left(item.changes.begin(), item.changes.end(), 1);
  item.changes.back() = largest;
  ++item.counted;
}

bool GroupSettling::stalled(const Item& item) const {
  if (item.counted < kStallPasses) return false;
  const auto half = item.changes.begin() + kStallPasses / 2;
  if (*std::max_element(half, item.changes.end()) < *std::max_element(item.changes.begin(), half))
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

double GroupSettling::moved(std::size_t index, int pass, std::span<const Value> values,
                            double largest, bool inputs_changed) {
  Item& item = items_[index];
  if (item.step < 1.0) {
    if (pass - item.halved_at >= kHalvingPasses) {
      item.step /= 2;
      item.halved_at = pass;
    }
    return 0.0;
  }
  record_change(item, largest);
  if ((watched(pass) && returned(item, values)) || (!inputs_changed && stalled(item))) {
    item.step = 0.5;
    item.halved_at = pass;
    return 0.0;
  }
  return crawl_factor(item, pass, largest);
}

}  // namespace pellavan::sheet
