// Number texts and conversions: every value read back from the workbook goes through Val, and
// windows convert whole lists of temperatures and capacities when the metric display is on.

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "model/units/kw_memo.h"
#include "model/units/number_text.h"
#include "model/units/temperature.h"

namespace {

using namespace pellavan::model;

void BM_ValOfCellTexts(benchmark::State& state) {
  constexpr std::array<std::string_view, 6> texts = {"46798",   "-12.25",    "0.3531",
                                                     "1.5E+05", "3413.0000", "Geo A"};
  for (auto _ : state)
    for (auto text : texts) benchmark::DoNotOptimize(Val(text));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_ValOfCellTexts);

void BM_FahrenheitToCelsius(benchmark::State& state) {
  double f = -40;
  for (auto _ : state) {
    benchmark::DoNotOptimize(F_To_C(f));
    f = f >= 140 ? -40 : f + 1;
  }
}
BENCHMARK(BM_FahrenheitToCelsius);

void BM_KwRoundTrip(benchmark::State& state) {
  KwMemo memo;
  for (auto _ : state) {
    const double kw = memo.Btuh_To_KW(46798, 16);
    benchmark::DoNotOptimize(memo.KW_To_Btuh(kw, 16));
  }
}
BENCHMARK(BM_KwRoundTrip);

}  // namespace
