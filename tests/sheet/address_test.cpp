#include <gtest/gtest.h>

#include "sheet/address.h"

namespace pellavan::sheet {
namespace {

TEST(AddressTest, ColumnNamesRoundTrip) {
  struct Row {
    int col;
    const char* name;
  };
  const Row rows[] = {{0, "A"},   {25, "Z"},   {26, "AA"}, {51, "AZ"},
                      {52, "BA"}, {144, "EO"}, {255, "IV"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(column_name(r.col), r.name);
    EXPECT_EQ(column_from_name(r.name), r.col);
  }
  EXPECT_EQ(column_from_name("IW"), std::nullopt);  // beyond the last column
  EXPECT_EQ(column_from_name(""), std::nullopt);
  EXPECT_EQ(column_from_name("A1"), std::nullopt);
}

TEST(AddressTest, ParsesA1WithAndWithoutDollars) {
  struct Row {
    const char* text;
    std::optional<CellPos> pos;
  };
  const Row rows[] = {
      {"A1", CellPos{0, 0, 0}},
      {"B11", CellPos{0, 10, 1}},
      {"$A$17", CellPos{0, 16, 0}},
      {"K$34", CellPos{0, 33, 10}},
      {"iv16384", CellPos{0, 16383, 255}},
      {"A0", std::nullopt},
      {"A16385", std::nullopt},
      {"IW1", std::nullopt},
      {"1A", std::nullopt},
      {"A", std::nullopt},
      {"A1B", std::nullopt},
      {"", std::nullopt},
      {"ABCD1", std::nullopt},
      // Far more letters than a column has: refused without the column number overflowing.
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ1", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(parse_a1(r.text), r.pos);
  }
  EXPECT_EQ(format_a1(16, 0, true, true), "$A$17");
  EXPECT_EQ(format_a1(33, 10, true, false), "K$34");
}

TEST(AddressTest, RangesAreOrdered) {
  const auto r = parse_a1_range("C31:C2");
  ASSERT_TRUE(r);
  EXPECT_EQ(format_a1_range(*r), "C2:C31");
  EXPECT_EQ(r->cell_count(), 30u);
  EXPECT_EQ(format_a1_range(*parse_a1_range("B3")), "B3");
  EXPECT_FALSE(parse_a1_range("A1:"));
}

TEST(AddressTest, RelativeReferencesMoveWithTheirCell) {
  const CellPos e2{0, 1, 4};
  const CellRef d2 = CellRef::from_abs(CellPos{0, 1, 3}, e2, false, false);
  const CellRef a17 = CellRef::from_abs(CellPos{0, 16, 0}, e2, true, true);
  const CellPos e31{0, 30, 4};
  EXPECT_EQ(d2.to_abs(e31), (CellPos{0, 30, 3}));
  EXPECT_EQ(a17.to_abs(e31), (CellPos{0, 16, 0}));
  EXPECT_EQ(d2.to_abs(CellPos{0, 1, 0}), std::nullopt);  // left of column A
  const CellRef other{3, 11, 7, true, true};
  EXPECT_EQ(other.to_abs(e2), (CellPos{3, 11, 7}));
  EXPECT_NE(std::hash<CellRef>{}(d2), std::hash<CellRef>{}(a17));
}

TEST(AddressTest, SheetNamesAreQuotedWhenNeeded) {
  struct Row {
    const char* name;
    const char* written;
  };
  const Row rows[] = {{"Loads", "Loads"},  {"Geo A", "'Geo A'"}, {"Air-to-Air", "'Air-to-Air'"},
                      {"It's", "'It''s'"}, {"AB12", "'AB12'"},   {"2nd", "'2nd'"},
                      {"GEO_T", "GEO_T"}};
  for (const Row& r : rows) EXPECT_EQ(quote_sheet_name(r.name), r.written) << r.name;
}

}  // namespace
}  // namespace pellavan::sheet
