#include "wbdump/book_dump.h"

#include "sheet/address.h"

namespace pellavan::wbdump {

void dump_book(const sheet::Book& book, std::ostream& out) {
  for (int s = 0; s < book.sheet_count(); ++s) {
    const auto used = book.used_range(s);
    if (!used) continue;
    const std::string& name = book.sheet(s).name();
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::CellPos pos{s, r, c};
        if (book.cell_kind(pos) == sheet::CellKind::kEmpty) continue;
        const auto formula = book.cell_formula(pos);
        out << name << '\t' << sheet::format_a1(r, c) << '\t' << book.cell_text(pos) << '\t'
            << (formula ? "=" + *formula : std::string()) << '\n';
      }
    }
  }
}

}  // namespace pellavan::wbdump
