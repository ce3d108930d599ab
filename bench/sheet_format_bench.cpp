// Cell text conversions: every fill writes and reads thousands of cells, and views format each
// visible cell on every paint.

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "sheet/format/entry_rule.h"
#include "sheet/format/number_format.h"
#include "sheet/format/number_text.h"

namespace {

using namespace pellavan::sheet;

constexpr std::array<double, 6> kValues = {501.42496239619027, 0.7066667, -12.5, 46798, 1.0 / 3, 0};

void BM_PlainNumberText(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(plain_number_text(kValues[i++ % kValues.size()]));
  }
}
BENCHMARK(BM_PlainNumberText);

void BM_EntryRule(benchmark::State& state) {
  constexpr std::array<std::string_view, 5> kTexts = {"0.7066667", "-12.5", "46798", "5/30/1996",
                                                      "Average Rock"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(apply_entry_rule(kTexts[i++ % kTexts.size()]));
  }
}
BENCHMARK(BM_EntryRule);

void BM_FormatNumber(benchmark::State& state) {
  const NumberFormat format = NumberFormat::parse("\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(format.format_number(kValues[i++ % kValues.size()]));
  }
}
BENCHMARK(BM_FormatNumber);

void BM_ParseFormat(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(NumberFormat::parse("\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)"));
  }
}
BENCHMARK(BM_ParseFormat);

}  // namespace
