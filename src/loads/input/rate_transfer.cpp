#include "loads/input/rate_transfer.h"

#include <utility>

#include "model/text/ascii.h"

namespace pellavan::loads {

namespace {

template <std::size_t... I>
constexpr std::array<model::RangeCheck, sizeof...(I)> unboxed_rate_rows(std::index_sequence<I...>) {
  return {rate_check(static_cast<int>(I), {})...};
}
constexpr auto kRows = unboxed_rate_rows(std::make_index_sequence<kRateCount>{});

}  // namespace

std::span<const model::RangeCheck> rate_checks() { return kRows; }

void rates_to_file(const ProjectRec& rates, const model::UnitOptions& units, RatesRec& file) {
  for (const RateField& f : kRateFields)
    file.*f.file = model::Currency::from_double_saturated(f.project.get(rates));
  for (const RateText& t : kRateTexts)
    t.file.set(file, std::string(model::trim_blanks(t.project.get(rates))));
  file.CurrencyId = units.metric ? rates.Rates_CurrencyId.trimmed() : "";
  file.GasPerGJ = units.metric && units.gas_per_gj ? "1" : "";
  file.MetricFile = units.metric ? "1" : "";
}

void rates_from_file(const RatesRec& file, ProjectRec& rates) {
  for (const RateField& f : kRateFields) f.project.set(rates, (file.*f.file).to_double());
  for (const RateText& t : kRateTexts)
    t.project.set(rates, std::string(model::trim_blanks(t.file.get(file))));
  rates.Rates_CurrencyId = file.CurrencyId.trimmed();
}

double RateCheckValues::value(const model::RangeCheck& row, model::Display /*display*/) const {
  return row.field.get(rec_);
}

}  // namespace pellavan::loads
