#pragma once
// What a system window's result panel shows of the load a system leaves unmet, read as the view
// paints it, against the sentence of the system's summary report.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "sheet/book.h"
#include "sheet_view/cell_display.h"
#include "workbook/filler/summary_sheets.h"

namespace pellavan::workbook::testing {

inline std::string shown(const sheet::Book& book, int sheet, std::string_view cell) {
  return sheet::view::display_of(book, summary_pos(sheet, cell)).text;
}

// The panel's share met beside the use's heading and its unmet energy below the use's block,
// in the imperial copy (A:G) or the metric one (J:P), as the summary's sentence under that use's
// cost names them; or none of it on the panel when the summary names none.
struct UnmetRows {
  const char* use;       // "Heating", "Cooling"
  int heading_row;       // 2, 13
  int unmet_row;         // 12 (5 on the furnace panel), 16
  const char* sentence;  // the summary's cell, imperial copy (the metric one 15 columns right)
};

inline void expect_panel_names_unmet(const sheet::Book& book, int panel, int summary, bool metric,
                                     const UnmetRows& u) {
  SCOPED_TRACE(std::string(u.use) + (metric ? ", metric" : ", imperial"));
  const auto at = [&](char column, int row) {
    return shown(
        book, panel,
        std::string(1, static_cast<char>(column + (metric ? 9 : 0))) + std::to_string(row));
  };
  std::string sentence_cell(u.sentence);
  sentence_cell[0] = static_cast<char>(sentence_cell[0] + (metric ? 15 : 0));
  const std::string sentence = shown(book, summary, sentence_cell);
  const std::string label = std::string(u.use).substr(0, 1) + (u.use[0] == 'H' ? "tg" : "lg");
  if (sentence.empty()) {
    EXPECT_EQ(at('E', u.unmet_row) + at('F', u.unmet_row) + at('F', u.heading_row), "");
    return;
  }
  EXPECT_EQ(at('E', u.unmet_row), label + " Unmet");
  EXPECT_EQ(at('G', u.heading_row), "% Met");
  const std::string unit = at('G', u.unmet_row);
  EXPECT_EQ(sentence, "Meets " + at('F', u.heading_row) + "% of " + u.use + " Load, " +
                          at('F', u.unmet_row) + " " +
                          (unit == "MMBtu" && !metric ? "Million Btu" : unit) + " Unmet");
}

}  // namespace pellavan::workbook::testing
