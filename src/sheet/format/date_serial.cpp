#include "sheet/format/date_serial.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace pellavan::sheet {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12).
std::int64_t days_from_civil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate civil_from_days(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const auto day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const auto month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const auto year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

constexpr std::int64_t kSerialOffset = 25569;  // days from 1899-12-30 to 1970-01-01

int days_in_month(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

CivilDate local_today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

bool is_valid_date(CivilDate date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= days_in_month(date.year, date.month);
}

double serial_from_date(CivilDate date) {
  // Carry months outside 1-12 into the year, then let the day count on from the first.
  const std::int64_t month0 = date.month - 1;
  const std::int64_t year_carry = month0 >= 0 ? month0 / 12 : (month0 - 11) / 12;
  const auto month = static_cast<int>(month0 - year_carry * 12 + 1);
  const std::int64_t first = days_from_civil(date.year + year_carry, month, 1);
  return static_cast<double>(first + date.day - 1 + kSerialOffset);
}

CivilDate date_from_serial(double serial) {
  static const double kFirst = serial_from_date({1, 1, 1});
  static const double kLast = serial_from_date({9999, 12, 31});
  if (std::isnan(serial)) serial = 0.0;
  const double day = std::floor(std::clamp(serial, kFirst, kLast));
  return civil_from_days(static_cast<std::int64_t>(day) - kSerialOffset);
}

double today_serial(const TodayFn& today) {
  return serial_from_date(today ? today() : local_today());
}

}  // namespace pellavan::sheet
