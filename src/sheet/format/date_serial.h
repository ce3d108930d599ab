#pragma once
// Day serials: whole days since 1899-12-30 (serial 1 is 1899-12-31, 35215 is 1996-05-30).

#include <functional>

namespace pellavan::sheet {

struct CivilDate {
  int year;
  int month;
  int day;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// True for a date of the proleptic Gregorian calendar (month 1-12, day within the month).
bool is_valid_date(CivilDate date);

// Exact for valid dates; out-of-range months and days carry over arithmetically (month 13 is
// January of the next year, day 0 the last day of the month before).
double serial_from_date(CivilDate date);

// The date of the day the serial falls on (the fraction, a time of day, is dropped). Serials beyond
// years 1..9999, and NaN, are clamped into that range.
CivilDate date_from_serial(double serial);

// Today in local time; the clock is injectable so tests and TODAY() are deterministic.
using TodayFn = std::function<CivilDate()>;
double today_serial(const TodayFn& today = {});

}  // namespace pellavan::sheet
