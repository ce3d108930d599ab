// Fuzz target: a formula as a cell takes it. Parse and compile, one recalculation, the value read
// back, and the printed formula entered again, which must read the same and give the same value.
// The same compiled shape also goes to cell A1, where its relative references fall off the sheet.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet/book.h"
#include "sheet/errors.h"
#include "sheet/formula/parser.h"

namespace {

using namespace pellavan::sheet;

[[noreturn]] void fault(const char* what) {
  std::fputs(what, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

Book make_book() {
  Book book;
  const int main = book.add_sheet("main");
  const int geo = book.add_sheet("Geo A");
  book.add_sheet("Air-to-Air");
  book.set_clock([] { return CivilDate{1996, 5, 30}; });
  const char* texts[] = {"12.5", "-3", "0", "1E300", "Geo F.T.", "  a   b ", "5/30/1996"};
  for (int r = 0; r < 7; ++r) {
    book.set_cell_text(CellPos{main, r, 0}, texts[r]);
    book.set_cell_text(CellPos{main, r, 1}, std::to_string(r * r - 4));
    book.set_cell_text(CellPos{geo, r, 7}, std::to_string(r + 0.5));
  }
  book.set_cell_formula(CellPos{main, 0, 3}, "1/0");
  book.set_cell_formula(CellPos{main, 1, 3}, "1<2");
  return book;
}

void check_finite(const Book& book, CellPos pos) {
  const Value v = book.cell_value(pos);
  if (v.is_number() && !std::isfinite(v.as_number())) fault("a cell holds an infinity or NaN");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Book book = make_book();
  const CellPos at{0, 9, 2};  // C10
  FormulaShapeId shape = 0;
  try {
    shape = book.parse_shape(at, text);
  } catch (const FormulaRejected& e) {
    if (e.position() < 0 || static_cast<std::size_t>(e.position()) > size)
      fault("a rejection points outside the formula");
    return 0;
  }
  book.set_cell_shape(at, shape);
  book.set_cell_shape(CellPos{0, 0, 0}, shape);
  book.recalc();
  check_finite(book, at);
  check_finite(book, CellPos{0, 0, 0});
  const std::string first = book.cell_text(at);

  const auto printed = book.cell_formula(at);
  if (!printed) fault("a formula cell prints no formula");
  // A reference off the sheet prints longer (#REF!) than it may be written (R0): near the length
  // limit the printed text may be too long to enter again, which the limit means.
  if (printed->size() > kMaxFormulaLength) return 0;
  try {
    book.set_cell_formula(at, *printed);
  } catch (const FormulaRejected& e) {
    std::fprintf(stderr, "printed: %s\n%s\n", printed->c_str(), e.what());
    fault("a printed formula does not parse again");
  }
  if (book.cell_formula(at) != printed)
    fault("a printed formula prints otherwise when entered again");
  book.set_cell_shape(CellPos{0, 0, 0}, shape);
  book.recalc();
  if (book.cell_text(at) != first) {
    std::fprintf(stderr, "printed: %s\nfirst: %s\nagain: %s\n", printed->c_str(), first.c_str(),
                 book.cell_text(at).c_str());
    fault("a printed formula computes otherwise");
  }
  return 0;
}
