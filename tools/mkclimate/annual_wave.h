#pragma once
// The annual temperature wave of a year of daily mean temperatures: the first harmonic of their
// Fourier series, T(t) = mean - amplitude x cos(2 pi (t - day_of_minimum) / year), t in days from
// the start of the year with day d's mean taken at its middle (d + 0.5). Over a whole year the
// least-squares fit of one harmonic is exactly its Fourier coefficients.

#include <span>

namespace pellavan::mkclimate {

struct AnnualWave {
  double mean = 0;            // °F
  double amplitude = 0;       // F degrees, half the wave's range
  double day_of_minimum = 0;  // days from the start of the year, 0 to the year's length
};

// `daily_means` holds one mean per day of the year, in order (at least two days).
[[nodiscard]] AnnualWave fit_annual_wave(std::span<const double> daily_means);

}  // namespace pellavan::mkclimate
