#include "loads/building_load/building_load_book.h"

#include "sheet/book_text.h"

std::span<const pellavan::EmbeddedFile> building_load_template();  // generated from the template

namespace pellavan::loads {

std::span<const EmbeddedFile> building_load_template_files() { return building_load_template(); }

sheet::Book make_building_load_book() {
  sheet::Book book = sheet::load_book(building_load_template_files(), "book.txt");
  book.recalc();
  return book;
}

}  // namespace pellavan::loads
