#pragma once
// The shipped sample project filled into the analysis workbook as the program fills it before
// its reports, in the imperial or the metric unit system, and the blocks of its report pages.

#include <filesystem>

#include "model/records/project_rec.h"
#include "reportshot/report_pages.h"
#include "sheet/book.h"

namespace pellavan::reportshot {

// "Sample Project.pvn" of the Data folder in `program_folder`.
std::filesystem::path sample_file(const std::filesystem::path& program_folder);

// The project file through the load calculation, the minimum backup, the filler and its
// recalculation, as the program fills it, with the graphs on their sheets, on the catalogues of
// `program_folder`; in metric display with the currency label "$ CND" when `metric`. Throws
// std::runtime_error when the project cannot be filled.
sheet::Book filled_project(const std::filesystem::path& program_folder,
                           const std::filesystem::path& project, bool metric);
// The project as the program opens it.
model::ProjectRec open_project(const std::filesystem::path& project);

// The shown block of a page: rows 1 to its last row of the copy's columns, 0-based.
sheet::RangePos page_block(const ReportPage& page, bool metric);

}  // namespace pellavan::reportshot
