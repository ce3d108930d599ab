#include "mkclimate/annual_wave.h"

#include <cmath>
#include <numbers>

namespace pellavan::mkclimate {

AnnualWave fit_annual_wave(std::span<const double> daily_means) {
  const double days = static_cast<double>(daily_means.size());
  const double omega = 2 * std::numbers::pi / days;
  double sum = 0, cos_part = 0, sin_part = 0;
  for (std::size_t d = 0; d < daily_means.size(); ++d) {
    const double t = static_cast<double>(d) + 0.5;
    sum += daily_means[d];
    cos_part += daily_means[d] * std::cos(omega * t);
    sin_part += daily_means[d] * std::sin(omega * t);
  }
  const double a = 2 * cos_part / days;
  const double b = 2 * sin_part / days;
  // a cos + b sin = r cos(omega (t - t_max)); the minimum lies half a year from the maximum.
  const double day_of_maximum = std::atan2(b, a) / omega;
  const double day_of_minimum = std::fmod(day_of_maximum + days / 2 + days, days);
  return {sum / days, std::hypot(a, b), day_of_minimum};
}

}  // namespace pellavan::mkclimate
