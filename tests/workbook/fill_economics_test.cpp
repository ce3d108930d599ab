// The Economics step: which option lands in which column, by the three switches.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "filler_fixture.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {
namespace {

using model::Currency;

class FillEconomicsTest : public testing::FillerTest {
 protected:
  FillEconomicsTest() {
    model::ProjectRec& p = model.ProjectRec;
    p.Econ_Text1 = "Option one";
    p.Econ_Text2 = "Option two";
    p.Econ_Text3 = "Option three";
    p.Econ_Value11_1 = Currency::from_raw(110000);
    p.Econ_Value11_2 = Currency::from_raw(220000);
    p.Econ_Value11_3 = Currency::from_raw(330000);
    p.Econ_Value19_1 = 19;
    p.Econ_Value21_3 = Currency::from_raw(-5);
  }
  void set_flags(model::Int16 f1, model::Int16 f2, model::Int16 f3) {
    model.ProjectRec.Econ_Flag1 = f1;
    model.ProjectRec.Econ_Flag2 = f2;
    model.ProjectRec.Econ_Flag3 = f3;
  }
  std::string option_in(const char* column) {
    const auto w = written(kEconomicsSheet, std::string(column) + "9");
    if (!w) return "none";
    return w->text.substr(0, w->text.find_last_not_of(' ') + 1);
  }
};

TEST_F(FillEconomicsTest, SwitchesChooseTheOptionsAndTheirColumns) {
  struct Row {
    const char* name;
    model::Int16 f1, f2, f3;
    const char *column_h, *column_l;
  };
  const Row rows[] = {
      {"no switch", 0, 0, 0, "none", "none"},
      {"only the third", 0, 0, 1, "Option three", "none"},
      {"first and third", 1, 0, 1, "Option one", "Option three"},
      {"first switch 2: not written, but the second moves on", 2, 1, 0, "none", "Option two"},
      {"all three: the third over the second", 1, 1, 1, "Option one", "Option three"},
      {"only the second", 0, 1, 0, "Option two", "none"},
  };
  for (const Row& r : rows) {
    trace.clear();
    set_flags(r.f1, r.f2, r.f3);
    fill_economics(ctx);
    EXPECT_EQ(option_in("H"), r.column_h) << r.name;
    EXPECT_EQ(option_in("L"), r.column_l) << r.name;
  }
}

TEST_F(FillEconomicsTest, WritesTheNineValuesAndTheTextAsStored) {
  set_flags(1, 0, 1);
  fill_economics(ctx);
  EXPECT_EQ(written(kEconomicsSheet, "H9")->text, "Option one" + std::string(40, ' '));
  EXPECT_EQ(written(kEconomicsSheet, "H11")->text, "11");
  EXPECT_EQ(written(kEconomicsSheet, "L11")->text, "33");
  EXPECT_EQ(written(kEconomicsSheet, "H19")->text, "19");
  EXPECT_EQ(written(kEconomicsSheet, "L21")->text, "-0.0005");
  EXPECT_EQ(writes_on(kEconomicsSheet), 20u);
  for (const char* row : {"10", "13", "14", "22"})
    EXPECT_FALSE(written(kEconomicsSheet, std::string("H") + row)) << row;
}

// Every cell of the book outside Economics, as text; numbers to six decimals, since each
// recalculation runs the loop-sizing iterations again, which may move a settled value in its
// last digits.
std::vector<std::string> other_cells(const sheet::Book& book) {
  std::vector<std::string> cells;
  for (int s = 0; s < book.sheet_count(); ++s) {
    const auto used = book.used_range(s);
    if (s == kEconomicsSheet - 1 || !used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::Value v = book.cell_value({s, r, c});
        if (!v.is_number()) {
          cells.push_back(book.cell_text({s, r, c}));
          continue;
        }
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.12g", std::round(v.as_number() * 1e6) / 1e6 + 0.0);
        cells.emplace_back(digits);
      }
    }
  }
  return cells;
}

TEST_F(FillEconomicsTest, EconomicsValuesChangeNoOtherCell) {
  sheet::Book without = load_report_template();
  without.recalc();
  set_flags(1, 1, 1);
  fill_economics(ctx);
  book.recalc();
  EXPECT_EQ(other_cells(book), other_cells(without));
}

}  // namespace
}  // namespace pellavan::workbook
