#include "loads/input/load_readouts.h"

#include <cmath>

#include "model/units/grouped_number.h"
#include "model/units/number_text.h"
#include "model/units/temperature.h"

namespace pellavan::loads {

using model::Display;
using model::grouped;
using model::Quantity;

LoadReadouts load_readouts(const model::LoadCalcState* results, const model::CityRec* city,
                           const model::UnitOptions& units, model::KwMemo& kw) {
  const bool in_kw = units.display_of(Quantity::Capacity) == Display::Metric;
  const bool celsius = units.display_of(Quantity::Temperature) == Display::Metric;
  const auto climate = [&](int element) { return city->WeatherData(element).to_double(); };
  const auto plain = [&](int element) { return model::format_significant(climate(element), 15); };
  const auto degrees = [&](int element) { return grouped(model::F_To_C(climate(element)), 1, 0); };
  LoadReadouts out;
  out.labels = {
      {"labelIG", in_kw ? "kW" : "Btu/hr"},
      {"labelLoad", in_kw ? "Load kW" : "Load Btu/hr"},
  };
  const auto add = [&out](const char* label, std::string text) {
    out.labels.emplace_back(label, std::move(text));
  };
  add("lbl97Heating", !city ? "" : celsius ? degrees(31) : plain(31));
  add("lbl1Cooling", !city ? "" : celsius ? degrees(32) : plain(32));
  add("lblDegDay", !city ? "" : celsius ? grouped(model::DF_To_DC(climate(33)), 0, 0) : plain(33));
  add("lblGroundTemp", !city ? "" : celsius ? degrees(36) : plain(36));
  add("lblAnnSwing", !city     ? ""
                     : celsius ? grouped(model::DF_To_DC(climate(37)), 1, 0)
                               : plain(37));
  add("lblPhase", !city ? "" : plain(38));

  const model::LoadCalcState* r = results;
  const auto factor = [](model::Currency v) { return model::format_fixed(v.to_double(), 2, true); };
  add("lblCdLow", r ? factor(r->CdLow) : "");
  add("lblCdHigh", r ? factor(r->CdHigh) : "");
  add("lblCd", r ? factor(r->HtgCorr) : "");
  add("lblGain", !r      ? ""
                 : in_kw ? grouped(kw.Btuh_To_KW(r->GainsWhole, kGainsMemoSlot), 1, 0)
                         : grouped(r->GainsWhole, 0, 2));
  add("lblBalPoint", !r        ? ""
                     : celsius ? grouped(model::F_To_C(r->BalPtWhole), 1, 2)
                               : grouped(r->BalPtWhole, 0, 2));
  const double span = r ? r->CdLow.to_double() - r->CdHigh.to_double() : 0.0;
  if (span != 0.0) {  // the share to four decimals, empty at the high factor, full at the low
    out.scale = std::round((r->HtgCorr.to_double() - r->CdHigh.to_double()) / span * 1e4) / 1e4;
  }
  return out;
}

}  // namespace pellavan::loads
