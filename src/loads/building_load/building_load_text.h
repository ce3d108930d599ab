#pragma once
// The building-load workbook's template as text compiled into the program: "book.txt" and the
// sheet file it names (made from this folder's files at build time).

#include <span>

#include "sheet/text/embedded_file.h"

namespace pellavan::loads {

std::span<const EmbeddedFile> building_load_template_files();

}  // namespace pellavan::loads
