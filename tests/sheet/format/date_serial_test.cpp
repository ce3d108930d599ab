#include "sheet/format/date_serial.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>

namespace pellavan::sheet {
namespace {

struct Row {
  std::string_view name;
  CivilDate date;
  double serial;
};

TEST(DateSerialTest, CountsDaysSince30December1899) {
  const Row rows[] = {
      {"epoch", {1899, 12, 30}, 0},
      {"day one", {1899, 12, 31}, 1},
      {"first of 1900", {1900, 1, 1}, 2},
      {"after February 1900", {1900, 3, 1}, 61},
      {"sample project date", {1996, 5, 30}, 35215},
      {"leap day", {2000, 2, 29}, 36585},
      {"unix epoch", {1970, 1, 1}, 25569},
      {"last day", {9999, 12, 31}, 2958465},
      {"first day", {1, 1, 1}, -693593},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(serial_from_date(r.date), r.serial);
    EXPECT_EQ(date_from_serial(r.serial), r.date);
  }
}

TEST(DateSerialTest, EveryDayRoundTrips) {
  CivilDate previous = date_from_serial(-800);
  for (double serial = -799; serial < 120000; ++serial) {
    const CivilDate date = date_from_serial(serial);
    ASSERT_TRUE(is_valid_date(date)) << serial;
    ASSERT_EQ(serial_from_date(date), serial);
    ASSERT_NE(date, previous);
    previous = date;
  }
}

TEST(DateSerialTest, OutOfRangeFieldsCarry) {
  EXPECT_EQ(serial_from_date({1995, 17, 30}), 35215);  // month 17 of 1995 is May 1996
  EXPECT_EQ(serial_from_date({1996, 6, 0}), 35216);    // day 0 of June is 31 May
  EXPECT_EQ(serial_from_date({1997, -7, 30}), 35215);
  EXPECT_EQ(serial_from_date({1996, 4, 60}), 35215);
}

TEST(DateSerialTest, FractionsAndExtremesStayInRange) {
  EXPECT_EQ(date_from_serial(35215.999), (CivilDate{1996, 5, 30}));
  EXPECT_EQ(date_from_serial(-0.5), (CivilDate{1899, 12, 29}));
  EXPECT_EQ(date_from_serial(1e300), (CivilDate{9999, 12, 31}));
  EXPECT_EQ(date_from_serial(-1e300), (CivilDate{1, 1, 1}));
  EXPECT_EQ(date_from_serial(std::numeric_limits<double>::quiet_NaN()), (CivilDate{1899, 12, 30}));
  EXPECT_EQ(date_from_serial(std::numeric_limits<double>::infinity()), (CivilDate{9999, 12, 31}));
}

TEST(DateSerialTest, ValidDates) {
  EXPECT_TRUE(is_valid_date({2000, 2, 29}));
  EXPECT_FALSE(is_valid_date({1900, 2, 29}));
  EXPECT_FALSE(is_valid_date({1996, 2, 30}));
  EXPECT_FALSE(is_valid_date({1996, 4, 31}));
  EXPECT_FALSE(is_valid_date({1996, 0, 1}));
  EXPECT_FALSE(is_valid_date({1996, 13, 1}));
  EXPECT_FALSE(is_valid_date({1996, 1, 0}));
}

TEST(DateSerialTest, TodayUsesTheGivenClock) {
  EXPECT_EQ(today_serial([] { return CivilDate{1996, 5, 30}; }), 35215);
  // The local clock: some day after this code was written.
  EXPECT_GT(today_serial(), serial_from_date({2024, 1, 1}));
}

}  // namespace
}  // namespace pellavan::sheet
