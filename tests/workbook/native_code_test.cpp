// The formulas of the analysis workbook's template, and of the building-load workbook's, run as
// compiled code give the interpreter's values to the last bit, whatever their inputs: numbers,
// texts, errors, booleans and empty cells mixed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "loads/building_load/building_load_book.h"
#include "sheet/book_code.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

using sheet::Book;
using sheet::CellKind;
using sheet::CellPos;
using sheet::Value;

template <class Fn>
void for_each_used_cell(const Book& book, Fn&& fn) {
  for (int s = 0; s < book.sheet_count(); ++s) {
    const auto used = book.used_range(s);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r)
      for (int c = used->first_col; c <= used->last_col; ++c) fn(CellPos{s, r, c});
  }
}

// The value as it would be shown or stored: a text by its characters, anything else by its bits.
std::string exact(const Book& book, Value v) {
  if (v.is_text()) return "text:" + std::string(book.text_of(v));
  std::uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  return std::to_string(bits);
}

// A workbook as the program has it, its formulas running their compiled code.
struct CompiledBook {
  const char* name;
  Book (*load)();
  const sheet::NativeCode& (*native)();
  std::size_t least_formulas;
};

const CompiledBook kBooks[] = {
    {"analysis", load_report_template, report_workbook_native_code, 10000},
    {"building load", loads::make_building_load_book, loads::building_load_native_code, 200},
};

TEST(NativeCodeTest, EveryFormulaHasItsCode) {
  for (const CompiledBook& c : kBooks) {
    SCOPED_TRACE(c.name);
    const Book book = c.load();
    const sheet::NativeCode& native = c.native();
    for (sheet::FormulaShapeId s = 0; s < book.shape_count(); ++s)
      EXPECT_NE(native.find(shape_code(book, s).instrs, shape_code(book, s).constants), nullptr)
          << "shape " << s;
  }
}

void expect_interpreters_values(const CompiledBook& c) {
  const Book settled = c.load();
  std::vector<CellPos> constants;
  std::vector<CellPos> formulas;
  for_each_used_cell(settled, [&](CellPos p) {
    if (settled.cell_kind(p) == CellKind::kFormula) formulas.push_back(p);
    if (settled.cell_kind(p) == CellKind::kConstant && settled.cell_value(p).is_number())
      constants.push_back(p);
  });
  ASSERT_GT(formulas.size(), c.least_formulas);

  // Each case replaces a different mix of the numbers the formulas read.
  for (int mix = 0; mix < 4; ++mix) {
    SCOPED_TRACE("mix " + std::to_string(mix));
    Book compiled = settled;
    Book interpreted = settled;
    use_native_code(interpreted, nullptr);
    for (Book* book : {&compiled, &interpreted}) {
      const Value odd[] = {Value::text(book->intern("x")),
                           Value::error(sheet::ErrorCode::kNA),
                           Value::boolean(true),
                           Value(),
                           Value::number(0.0),
                           Value::number(-1e300)};
      for (std::size_t i = 0; i < constants.size(); ++i) {
        const std::size_t pick = (i * 7 + static_cast<std::size_t>(mix) * 3) % 13;
        if (pick < std::size(odd)) book->set_cell_value(constants[i], odd[pick]);
      }
      book->recalc();
    }
    int differ = 0;
    for (const CellPos& p : formulas) {
      const std::string a = exact(compiled, compiled.cell_value(p));
      const std::string b = exact(interpreted, interpreted.cell_value(p));
      if (a != b && ++differ <= 5)
        ADD_FAILURE() << "sheet " << p.sheet << " row " << p.row << " col " << p.col << ": " << a
                      << " against " << b;
    }
    EXPECT_EQ(differ, 0);
  }
}

TEST(NativeCodeTest, GivesTheInterpretersValuesWhateverTheInputs) {
  for (const CompiledBook& c : kBooks) {
    SCOPED_TRACE(c.name);
    expect_interpreters_values(c);
  }
}

}  // namespace
}  // namespace pellavan::workbook
