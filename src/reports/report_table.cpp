#include "reports/report_table.h"

#include <stdexcept>
#include <string>

namespace pellavan::reports {

const Report& report(int index) {
  if (index < 1 || index > kReportCount)
    throw std::out_of_range("no report " + std::to_string(index));
  return kReports[static_cast<std::size_t>(index - 1)];
}

}  // namespace pellavan::reports
