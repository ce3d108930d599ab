#pragma once
// The generic test of a validation table: in each display, each row in turn gets values at and
// just beyond its bounds while every other row gets a value well inside its own (conditions all
// holding, calculated bounds 10 and 20). The row must pass at its bounds and be the one refused
// beyond them, with its title and a message that has its bounds written in; a temperature row
// with °C bounds of its own writes them through {low} and {high}.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/input/range_check.h"

namespace pellavan::model::testing {

class ProbeValues : public CheckValues {
 public:
  const RangeCheck* target = nullptr;
  double target_value = 0.0;

  double value(const RangeCheck& row, Display display) const override {
    if (&row == target) return target_value;
    const Range r = bounds_of(row, display, *this);
    if (std::isinf(r.low) && std::isinf(r.high)) return 0.0;
    if (std::isinf(r.high)) return r.low + 1.0;
    if (std::isinf(r.low)) return r.high - 1.0;
    return (r.low + r.high) / 2.0;
  }
  bool holds(const RangeCheck& /*row*/) const override { return true; }
  double bound(const RangeCheck& /*row*/, int id, Display /*display*/) const override {
    return id % 2 == 1 ? 10.0 : 20.0;
  }
};

inline UnitOptions units_for(Display display) {
  UnitOptions units;
  units.metric = display == Display::Metric;
  return units;
}

inline void expect_every_row_fires(const CheckTable& table) {
  SCOPED_TRACE(table.name);
  for (const Display display : {Display::Imperial, Display::Metric}) {
    const UnitOptions units = units_for(display);
    for (const RangeCheck& row : table.rows) {
      const Display shown = units.display_of(row.quantity);
      if (!checked_in(row, shown)) continue;
      SCOPED_TRACE(row.name);
      ProbeValues probe;
      probe.target = &row;
      const Range r = bounds_of(row, shown, probe);
      if (row.quantity == Quantity::Temperature && row.metric) {
        // its message states exactly the bounds it checks, in either display
        const std::string text =
            shown == Display::Metric && row.metric_text ? row.metric_text : row.text;
        EXPECT_NE(text.find("{low}"), std::string::npos) << text;
        EXPECT_NE(text.find("{high}"), std::string::npos) << text;
      }
      const auto step = [](double bound) { return std::max(1e-7, std::abs(bound) * 1e-9); };
      const auto refused = [&](double v) {
        probe.target_value = v;
        return first_refusal(table.rows, probe, units);
      };
      if (!std::isinf(r.low)) {
        if (!r.above_low) {
          EXPECT_FALSE(refused(r.low)) << "at the lower bound " << r.low;
        }
        const auto below = refused(r.above_low ? r.low : r.low - step(r.low));
        ASSERT_TRUE(below) << "below " << r.low;
        EXPECT_EQ(below->row, &row);
        EXPECT_EQ(below->text.find('{'), std::string::npos) << below->text;
        EXPECT_FALSE(below->text.empty());
      }
      if (!std::isinf(r.high)) {
        EXPECT_FALSE(refused(r.high)) << "at the upper bound " << r.high;
        const auto above = refused(r.high + step(r.high));
        ASSERT_TRUE(above) << "above " << r.high;
        EXPECT_EQ(above->row, &row);
      }
      EXPECT_FALSE(std::string(row.title).empty());
    }
  }
}

}  // namespace pellavan::model::testing
