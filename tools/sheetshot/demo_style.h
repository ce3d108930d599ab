#pragma once
// Looks for the building-load workbook, which carries none of its own: formats, fonts, fills,
// borders and widths as a report page of it would have, and a picture of its bin hours, so that
// a screenshot shows what the view draws.

#include "sheet/book.h"

namespace pellavan::sheetshot {

void style_building_load_book(sheet::Book& book);

}  // namespace pellavan::sheetshot
