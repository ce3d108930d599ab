#include "loads/building_load/building_load_book.h"

#include "sheet/book_code.h"
#include "sheet/book_text.h"

namespace pellavan::loads {

sheet::Book make_building_load_book() {
  sheet::Book book = sheet::load_book(building_load_template_files(), "book.txt");
  sheet::use_native_code(book, &building_load_native_code());
  book.recalc();
  return book;
}

}  // namespace pellavan::loads
