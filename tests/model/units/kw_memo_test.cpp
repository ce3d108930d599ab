#include <gtest/gtest.h>

#include <stdexcept>

#include "model/units/kw_memo.h"

namespace pellavan::model {
namespace {

TEST(KwMemoTest, ShownValueLeftUnchangedGivesBackTheOriginalBtuh) {
  KwMemo memo;
  EXPECT_DOUBLE_EQ(memo.Btuh_To_KW(12000, 16), 12000.0 / 3413.0);  // 3.5159683...
  EXPECT_EQ(memo.KW_To_Btuh(3.5, 16), 12000.0);
  EXPECT_EQ(memo.KW_To_Btuh(3.5, 16), 12000.0);  // and again
}

TEST(KwMemoTest, ChangedValueIsTakenAsTypedAndKept) {
  KwMemo memo;
  memo.Btuh_To_KW(12000, 16);
  EXPECT_EQ(memo.KW_To_Btuh(3.6, 16), 3.6 * 3413.0);
  EXPECT_EQ(memo.value(16), 3.6);
  EXPECT_EQ(memo.KW_To_Btuh(3.6, 16), 3.6 * 3413.0);
}

TEST(KwMemoTest, ComparesAtOneDecimalAsTheFieldShowsIt) {
  struct Row {
    const char* name;
    double btuh;  // converted for display first
    double entry;
    double expected;
  };
  const Row rows[] = {
      {"shown rounded up, unchanged", 46798, 13.7, 46798},  // 13.7117...
      {"second decimal typed, same at one decimal", 46798, 13.72, 46798},
      {"changed in the first decimal", 46798, 13.8, 13.8 * 3413.0},
      {"half rounds up in the display", 3413 * 3.45, 3.5, 3413 * 3.45},
      {"zero stays zero", 0, 0, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    KwMemo memo;
    memo.Btuh_To_KW(r.btuh, 40);
    EXPECT_DOUBLE_EQ(memo.KW_To_Btuh(r.entry, 40), r.expected);
  }
}

TEST(KwMemoTest, SlotsAreIndependentAndStartAtZero) {
  KwMemo memo;
  memo.Btuh_To_KW_Long(34130, 30);
  EXPECT_EQ(memo.value(30), 10.0);
  EXPECT_EQ(memo.value(35), 0.0);
  // An empty slot reads ".0"; a zero entry therefore keeps it, anything else is taken as typed.
  EXPECT_EQ(memo.KW_To_Btuh(2.0, 35), 2.0 * 3413.0);
}

TEST(KwMemoTest, SlotOutsideOneToHundredIsAnError) {
  KwMemo memo;
  for (int slot : {0, 101, -1}) {
    SCOPED_TRACE(slot);
    EXPECT_THROW(memo.Btuh_To_KW(1000, slot), std::out_of_range);
    EXPECT_THROW(memo.KW_To_Btuh(1.0, slot), std::out_of_range);
  }
  EXPECT_NO_THROW(memo.Btuh_To_KW(1000, 1));
  EXPECT_NO_THROW(memo.Btuh_To_KW(1000, 100));
}

}  // namespace
}  // namespace pellavan::model
