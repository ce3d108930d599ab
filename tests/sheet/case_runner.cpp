// Runs one engine case file and fails at the first check that does not hold.
//
// A case file is written in the lines of a sheet file of the book text format (book_text.h),
// which set cells and formulas, plus these:
//   sheet "Name"                    adds the sheet, or goes back to it; later lines work on it
//                                   (a sheet "Sheet1" is made when a file names none)
//   settings passes 25 limit 1.0    the iteration settings
//   clock 1996 5 30                 the date TODAY() gives
//   text A1 "5/30/1996"             the entry rule, as the program writes cells
//   formula K34 "K34+1"             a formula as the program enters it: without "="
//   recalc
//   check A1 12.5 [within 0.001]    the value: a constant as in sheet files, or `empty`
//   reject B1 "SUM(" at 5           the formula is refused at that 1-based position
//   passes 7 / converged no         about the last recalculation
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "sheet/book.h"
#include "sheet/errors.h"
#include "sheet/text/sheet_text_reader.h"

namespace pellavan::sheet {
namespace {

class CaseRunner {
 public:
  void run(const TextLine& line) {
    if (line.word_is(0, "sheet")) return switch_sheet(line);
    if (!book_.sheet_count()) switch_to("Sheet1");
    if (line.word_is(0, "settings")) return settings(line);
    if (line.word_is(0, "clock")) return clock(line);
    if (line.word_is(0, "text"))
      return book_.set_cell_text(line.cell_at(1, sheet_), quoted(line, 2));
    if (line.word_is(0, "formula")) return enter_formula(line);
    if (line.word_is(0, "recalc")) {
      book_.recalc();
      return;
    }
    if (line.word_is(0, "check")) return check(line);
    if (line.word_is(0, "reject")) return reject(line);
    if (line.word_is(0, "passes"))
      return expect_equal(line, book_.last_recalc().passes, line.integer_at(1, "passes"));
    if (line.word_is(0, "converged")) {
      return expect_equal(line, book_.last_recalc().converged ? 1 : 0,
                          line.word_is(1, "yes") ? 1 : 0);
    }
    if (!readers_.at(sheet_).read(line)) line.fail("unknown line '" + line[0].text + "'");
  }

  void finish() const {
    for (const auto& [sheet, reader] : readers_) reader.finish();
  }

  int checks() const { return checks_; }

 private:
  static const std::string& quoted(const TextLine& line, std::size_t i) {
    if (i >= line.size() || line[i].kind != LineToken::Kind::kQuoted)
      line.fail("expected a \"text\"");
    return line[i].text;
  }

  void switch_to(const std::string& name) {
    const auto found = book_.find_sheet(name);
    sheet_ = found ? *found : book_.add_sheet(name);
    readers_.try_emplace(sheet_, book_, sheet_);
  }

  void switch_sheet(const TextLine& line) { switch_to(quoted(line, 1)); }

  void settings(const TextLine& line) {
    for (std::size_t i = 1; i + 1 < line.size(); i += 2) {
      if (line.word_is(i, "passes"))
        book_.settings().max_passes = line.integer_at(i + 1, "passes");
      else if (line.word_is(i, "limit"))
        book_.settings().change_limit = line.number_at(i + 1, "limit");
      else
        line.fail("unknown setting '" + line[i].text + "'");
    }
  }

  void clock(const TextLine& line) {
    const CivilDate date{line.integer_at(1, "year"), line.integer_at(2, "month"),
                         line.integer_at(3, "day")};
    book_.set_clock([date] { return date; });
  }

  void enter_formula(const TextLine& line) {
    try {
      book_.set_cell_formula(line.cell_at(1, sheet_), quoted(line, 2));
    } catch (const FormulaRejected& e) {
      line.fail(e.what());
    }
  }

  void check(const TextLine& line) {
    ++checks_;
    const CellPos pos = line.cell_at(1, sheet_);
    const Value actual = book_.cell_value(pos);
    const std::string shown = std::string("'").append(book_.cell_text(pos)).append("'");
    if (line.word_is(2, "empty")) {
      if (!actual.is_empty()) line.fail(line[1].text + " holds " + shown + ", not empty");
      return;
    }
    const Value wanted = line.constant_at(2, book_);
    if (wanted.is_number() && actual.is_number()) {
      const double tolerance = line.word_is(3, "within")
                                   ? line.number_at(4, "the tolerance")
                                   : 1e-12 * std::max(1.0, std::fabs(wanted.as_number()));
      if (std::fabs(actual.as_number() - wanted.as_number()) <= tolerance) return;
    } else if (identical(actual, wanted)) {
      return;
    }
    line.fail(line[1].text + " holds " + shown + ", expected '" + line[2].text + "'");
  }

  void reject(const TextLine& line) {
    ++checks_;
    const CellPos pos = line.cell_at(1, sheet_);
    const std::string before = book_.cell_text(pos);
    try {
      book_.set_cell_formula(pos, quoted(line, 2));
    } catch (const FormulaRejected& e) {
      if (line.word_is(3, "at") && e.position() + 1 != line.integer_at(4, "the position")) {
        line.fail("rejected at position " + std::to_string(e.position() + 1) + ": " + e.reason());
      }
      if (book_.cell_text(pos) != before) line.fail("a refused formula changed the cell");
      return;
    }
    line.fail("the formula was accepted");
  }

  void expect_equal(const TextLine& line, int actual, int wanted) {
    ++checks_;
    if (actual != wanted)
      line.fail("found " + std::to_string(actual) + ", expected " + std::to_string(wanted));
  }

  Book book_;
  int sheet_ = 0;
  std::map<int, SheetTextReader> readers_;
  int checks_ = 0;
};

}  // namespace
}  // namespace pellavan::sheet

int main(int argc, char** argv) {
  using namespace pellavan::sheet;
  if (argc != 2) {
    std::cerr << "usage: sheet_case_runner CASE-FILE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 2;
  }
  std::stringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  CaseRunner runner;
  try {
    for_each_line(argv[1], text, [&](const TextLine& line) { runner.run(line); });
    runner.finish();
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  std::cout << argv[1] << ": " << runner.checks() << " checks passed\n";
  return 0;
}
