#pragma once
// BuildingLoadWorkbook: the one-sheet workbook that turns the design loads and the city's climate
// into the net and hot-water load of each outdoor-temperature bin, the heating correction, the
// internal gains and the balance point. Its template is text compiled into the program.

#include <span>

#include "sheet/text/embedded_file.h"
#include "sheet/book.h"

namespace pellavan::loads {

// The template's files: "book.txt" and the sheet file it names.
std::span<const EmbeddedFile> building_load_template_files();

// A fresh workbook as the template stores it, calculated once.
sheet::Book make_building_load_book();

}  // namespace pellavan::loads
