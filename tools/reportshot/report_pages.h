#pragma once
// The printed pages of the analysis workbook: the title page and the 18 reports of the reports
// window, each a block of one sheet (rows from 1), with the columns of its imperial and its
// metric copy (the same for a page shown in both unit systems).

#include <array>
#include <string_view>

namespace pellavan::reportshot {

struct ReportPage {
  std::string_view file;  // a name for its picture
  int sheet;              // 1-based
  int last_row;
  std::string_view imperial_cols;  // "B:N"
  std::string_view metric_cols;
};

inline constexpr std::array<ReportPage, 19> kReportPages = {{
    {"title_page", 8, 46, "B:N", "B:N"},
    {"project_report", 9, 51, "B:N", "P:AB"},
    {"project_comparison_graph", 20, 48, "B:O", "B:O"},
    {"geo_t_summary", 26, 59, "B:O", "Q:AD"},
    {"geo_t_bin_report", 25, 45, "CN:CZ", "DB:DN"},
    {"geo_t_operating_report", 25, 45, "DP:EB", "ED:EP"},
    {"geo_t_bin_graph", 28, 48, "B:O", "B:O"},
    {"geo_a_summary", 10, 59, "B:O", "Q:AD"},
    {"geo_a_bin_report", 3, 45, "AZ:BL", "BN:BZ"},
    {"geo_a_bin_graph", 21, 48, "B:O", "B:O"},
    {"geo_b_summary", 11, 59, "B:O", "Q:AD"},
    {"geo_b_bin_report", 4, 45, "AZ:BL", "BN:BZ"},
    {"geo_b_bin_graph", 22, 48, "B:O", "B:O"},
    {"heat_pump_summary", 12, 51, "B:O", "Q:AD"},
    {"heat_pump_bin_report", 5, 45, "AI:AU", "AW:BI"},
    {"heat_pump_bin_graph", 23, 48, "B:O", "B:O"},
    {"furnace_summary", 13, 43, "B:O", "Q:AD"},
    {"furnace_bin_report", 6, 45, "W:AI", "AK:AW"},
    {"furnace_bin_graph", 24, 48, "B:O", "B:O"},
}};

}  // namespace pellavan::reportshot
