#pragma once
// The text lines of the main window's two summary panels, drawn from the project record. A tab
// character in a line moves the print position to the panel's next print zone.

#include <string>
#include <string_view>
#include <vector>

#include "model/records/project_rec.h"

namespace pellavan::model {

inline constexpr char kNextPrintZone = '\t';

// Dealer panel ("Prepared By"): name, address, city line, phone, fax, contact, cell, e-mail.
// Contact, cell and e-mail are left out when the field was never written (starts with NUL).
[[nodiscard]] std::vector<std::string> dealer_panel_lines(const ProjectRec& rec);

// Job panel: title, the project's city (when the city file has it), number and file name. city and
// file_name are given as they are to be shown (UTF-8).
[[nodiscard]] std::vector<std::string> job_panel_lines(const ProjectRec& rec, std::string_view city,
                                                       std::string_view file_name);

// The customer name above the job panel.
[[nodiscard]] std::string customer_name(const ProjectRec& rec);

}  // namespace pellavan::model
