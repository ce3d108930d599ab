#include "calcbench/loop_region.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "sheet/address.h"

namespace {

using namespace pellavan;

struct Case {
  const char* name;
  std::vector<std::pair<const char*, const char*>> formulas;  // "Sheet!A1", formula
  std::set<std::string> region;
};

const Case kCases[] = {
    {"plain_chain", {{"S!A1", "1"}, {"S!A2", "A1*2"}}, {}},
    {"pair_and_what_it_feeds",
     {{"S!A1", "B1+1"}, {"S!B1", "A1/2"}, {"S!C1", "A1+B1"}, {"S!D1", "7"}},
     {"S!A1", "S!B1"}},
    {"through_a_block_on_another_sheet",
     {{"S!A1", "SUM(T!A1:B2)"}, {"T!B2", "S!A1*0.5"}, {"T!A1", "3"}},
     {"S!A1", "T!B2"}},
    {"plain_formula_between_two_groups",
     {{"S!A1", "B1+1"}, {"S!B1", "A1/2"}, {"S!E1", "A1"}, {"S!F1", "G1+E1"}, {"S!G1", "F1/2"}},
     {"S!A1", "S!B1", "S!E1", "S!F1", "S!G1"}},
    {"counter", {{"S!A1", "A1+1"}, {"S!B1", "A1"}}, {"S!A1"}},
    {"relative_reference_filled",
     {{"S!A2", "A1"}, {"S!A1", "A2"}, {"S!A3", "A2"}},
     {"S!A1", "S!A2"}},
};

TEST(LoopRegion, HoldsTheCircularGroupsAndTheFormulasBetweenThem) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    sheet::Book book;
    book.add_sheet("S");
    book.add_sheet("T");
    for (const auto& [cell, formula] : c.formulas) {
      const std::string text = cell;
      sheet::CellPos pos = *sheet::parse_a1(text.substr(2));
      pos.sheet = *book.find_sheet(text.substr(0, 1));
      book.set_cell_formula(pos, formula);
    }
    book.recalc();
    std::set<std::string> region;
    for (const sheet::CellPos& pos : calcbench::loop_region(book))
      region.insert(book.sheet(pos.sheet).name() + "!" + sheet::format_a1(pos.row, pos.col));
    EXPECT_EQ(region, c.region);
  }
}

}  // namespace
