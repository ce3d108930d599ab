#pragma once
// The figures of an equipment record that the analysis workbook divides by (or takes the root
// of): a capacity, an efficiency, a heat content, a loop's U value, a soil's diffusivity, a pump's
// flow. No unit has one of them 0 or less, where the sheets print an error value, nor near 0,
// where they print figures of no building (a capacity of 1E-30 divides into 1E+55): so to the
// analysis a record that holds one below a hundredth is as damaged as one with a figure beyond
// all reason (record_figures.h); the windows read it as they find it (a furnace of no efficiency
// has no minimum input). A second stage's figures count only for a record that says it has one;
// a single-stage record holds 0 there. The smallest of the shipped catalogues is 0.25 (a second
// stage's share of a furnace's capacity).

#include <initializer_list>

#include "model/records/ac_rec.h"
#include "model/records/air_hp_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/loop_rec.h"
#include "model/records/soil_rec.h"
#include "model/records/t_unit_rec.h"
#include "model/records/water_heater_rec.h"

namespace pellavan::model {

inline constexpr double kSmallestDivisor = 0.01;

namespace detail {

inline bool at_least_smallest(double figure) {
  return figure >= kSmallestDivisor;  // a NaN is no figure either
}

inline bool all_plausible(std::initializer_list<double> figures) {
  for (const double f : figures)
    if (!at_least_smallest(f)) return false;
  return true;
}

inline bool two_stage(Currency flag) { return flag.to_double() == 1.0; }

}  // namespace detail

// Records without such figures have none to check.
template <class R>
[[nodiscard]] bool divisors_plausible(const R& /*rec*/) {
  return true;
}

[[nodiscard]] inline bool divisors_plausible(const AirHPRec& r) {
  using detail::all_plausible;
  const auto d = [](Currency c) { return c.to_double(); };
  return all_plausible({d(r.Eer95), d(r.Cap47), d(r.Cop47), d(r.Cap17), d(r.Cop17)}) &&
         all_plausible({d(r.PscTopClgCap), d(r.PscTopClgKw), d(r.PscTopHtgCap), d(r.PscTopHtgKw),
                        d(r.PscMidClgCap), d(r.PscMidClgKw), d(r.PscMidHtgCap), d(r.PscMidHtgKw),
                        d(r.PscBotClgCap), d(r.PscBotClgKw), d(r.PscBotHtgCap),
                        d(r.PscBotHtgKw)}) &&
         all_plausible({d(r.IcmTopClgCap), d(r.IcmTopClgKw), d(r.IcmTopHtgCap), d(r.IcmTopHtgKw),
                        d(r.IcmMidClgCap), d(r.IcmMidClgKw), d(r.IcmMidHtgCap), d(r.IcmMidHtgKw),
                        d(r.IcmBotClgCap), d(r.IcmBotClgKw), d(r.IcmBotHtgCap),
                        d(r.IcmBotHtgKw)}) &&
         (!detail::two_stage(r.TwoStageFlag) ||
          all_plausible({d(r.LowCapRatio), d(r.LowEer95), d(r.LowCap47), d(r.LowCop47),
                         d(r.LowCap17), d(r.LowCop17)}));
}

[[nodiscard]] inline bool divisors_plausible(const ACRec& r) {
  using detail::all_plausible;
  const auto d = [](Currency c) { return c.to_double(); };
  return all_plausible({d(r.Eer95), d(r.PscTopClgCap), d(r.PscTopClgKw), d(r.PscMidClgCap),
                        d(r.PscMidClgKw), d(r.PscBotClgCap), d(r.PscBotClgKw), d(r.IcmTopClgCap),
                        d(r.IcmTopClgKw), d(r.IcmMidClgCap), d(r.IcmMidClgKw), d(r.IcmBotClgCap),
                        d(r.IcmBotClgKw)}) &&
         (!detail::two_stage(r.TwoStageFlag) || all_plausible({d(r.LowCapRatio), d(r.LowEer95)}));
}

[[nodiscard]] inline bool divisors_plausible(const FurnaceRec& r) {
  return detail::all_plausible({r.FullLoadEff.to_double(), r.FuelBtu.to_double()}) &&
         (!detail::two_stage(r.TwoStageFlag) ||
          detail::at_least_smallest(r.LowCapRatio.to_double()));
}

[[nodiscard]] inline bool divisors_plausible(const WaterHeaterRec& r) {
  return detail::all_plausible({r.AnnualEff.to_double(), r.FuelBtu.to_double()});
}

// The capacities at the rating points, the well-water corrections and the pond loop's length.
[[nodiscard]] inline bool divisors_plausible(const GeoUnitRec& r) {
  for (const int k : {1, 4, 7, 10, 16, 19, 23, 24, 27, 30, 33, 38, 41})
    if (!detail::at_least_smallest(r.Perf(k).to_double())) return false;
  return true;
}

[[nodiscard]] inline bool divisors_plausible(const LoopRec& r) {
  for (const Currency& u : r.UValue.elements())
    if (!detail::at_least_smallest(u.to_double())) return false;
  return true;
}

[[nodiscard]] inline bool divisors_plausible(const SoilRec& r) {
  return detail::at_least_smallest(r.Diffusivity.to_double());
}

[[nodiscard]] inline bool divisors_plausible(const TUnitRec& r) {
  return detail::all_plausible(
      {r.RatedCapMax, r.ClgHwCapMax, r.HzMax, r.LoopPumpGpm, r.WellPumpGpm, r.HwPumpGpm});
}

}  // namespace pellavan::model
