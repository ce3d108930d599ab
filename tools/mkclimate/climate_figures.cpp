#include "mkclimate/climate_figures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "mkclimate/annual_wave.h"

namespace pellavan::mkclimate {
namespace {

// Bin i covers [11450 - 500 i, 11950 - 500 i) hundredths of a °F.
constexpr int kBinTop = 11450;
constexpr int kBinWidth = 500;
constexpr int kDegreeDayBase = 6500;

// A whole number of °F from hundredths, halves up.
int whole_f(int hundredths) { return static_cast<int>(std::floor((hundredths + 50) / 100.0)); }

double two_decimals(double value) { return std::round(value * 100) / 100; }

// The temperature equalled or exceeded by `per_mille` of `temps` (hundredths of a °F).
int exceeded_by(std::vector<int> temps, int per_mille) {
  std::sort(temps.begin(), temps.end(), std::greater<>());
  const auto count = temps.size();
  const std::size_t n = (static_cast<std::size_t>(per_mille) * count + 999) / 1000;
  return temps[std::clamp<std::size_t>(n, 1, count) - 1];
}

std::vector<int> hours_of_months(std::span<const HourReading> hours,
                                 std::initializer_list<int> months) {
  std::vector<int> temps;
  for (const auto& h : hours)
    if (std::find(months.begin(), months.end(), h.month) != months.end())
      temps.push_back(hundredths_f(h.tenths_c));
  return temps;
}

std::vector<double> daily_means(std::span<const HourReading> hours) {
  std::vector<double> means;
  for (std::size_t start = 0; start + 24 <= hours.size(); start += 24) {
    int sum = 0;
    for (std::size_t h = start; h < start + 24; ++h) sum += hundredths_f(hours[h].tenths_c);
    means.push_back(sum / 2400.0);
  }
  return means;
}

}  // namespace

int bin_of(int hundredths) {
  // The smallest i with kBinTop - kBinWidth i <= t, that is ceil((kBinTop - t) / kBinWidth).
  const int above = kBinTop - hundredths;
  const int bin = above <= 0 ? 0 : (above + kBinWidth - 1) / kBinWidth;
  return std::clamp(bin, 1, 30);
}

double correction_at_1(int degree_days) {
  return two_decimals(std::min(0.95, 0.681 + 3.015e-5 * degree_days));
}

double correction_at_5(int degree_days) { return two_decimals(0.2383 + 4.509e-5 * degree_days); }

ClimateFigures derive_climate(std::span<const HourReading> hours) {
  ClimateFigures out;
  for (const auto& h : hours)
    ++out.bin_hours[static_cast<std::size_t>(bin_of(hundredths_f(h.tenths_c)) - 1)];
  out.heating_design = whole_f(exceeded_by(hours_of_months(hours, {12, 1, 2}), 975));
  out.cooling_design = whole_f(exceeded_by(hours_of_months(hours, {6, 7, 8, 9}), 10));

  const auto means = daily_means(hours);
  double degree_days = 0;
  for (const double mean : means) degree_days += std::max(0.0, kDegreeDayBase / 100.0 - mean);
  out.degree_days = static_cast<int>(std::floor(degree_days + 0.5));
  out.correction_at_1 = correction_at_1(out.degree_days);
  out.correction_at_5 = correction_at_5(out.degree_days);

  const AnnualWave wave = fit_annual_wave(means);
  out.earth = static_cast<int>(std::floor(wave.mean + kEarthAboveAirF + 0.5));
  out.swing = std::floor(wave.amplitude * 10 + 0.5) / 10;
  out.phase = static_cast<int>(std::floor(wave.day_of_minimum + kSurfaceLagDays + 0.5));
  return out;
}

}  // namespace pellavan::mkclimate
