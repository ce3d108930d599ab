// Fuzz target: the book text loader. The input holds up to three files, separated by lines of
// "~~~": the first sheet, the second sheet and the first sheet's cached values, under a fixed
// book file. Every fault of a file must come back as BookFileError; a loaded book recalculates
// and reads back.

#include <cstdint>
#include <string_view>
#include <vector>

#include "sheet/text/embedded_file.h"
#include "sheet/book_text.h"
#include "sheet/errors.h"

namespace {

constexpr std::string_view kBookFile =
    "passes 25\n"
    "limit 1.0\n"
    "sheet 1 \"main\" main.sheet\n"
    "sheet 2 \"Geo A\" other.sheet\n"
    "values \"main\" main.values\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pellavan::sheet;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string_view parts[3];
  for (std::string_view& part : parts) {
    const std::size_t cut = rest.find("\n~~~\n");
    part = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 5);
  }
  const pellavan::EmbeddedFile files[] = {{"book.txt", kBookFile},
                                          {"main.sheet", parts[0]},
                                          {"other.sheet", parts[1]},
                                          {"main.values", parts[2]}};
  try {
    Book book = load_book(files, "book.txt");
    book.recalc();
    for (int s = 0; s < book.sheet_count(); ++s) {
      const auto used = book.used_range(s);
      if (!used) continue;
      for (int r = used->first_row; r <= used->last_row; ++r) {
        for (int c = used->first_col; c <= used->last_col; ++c) {
          (void)book.cell_text(CellPos{s, r, c});
          (void)book.cell_formula(CellPos{s, r, c});
        }
      }
    }
  } catch (const BookFileError&) {
  }
  return 0;
}
