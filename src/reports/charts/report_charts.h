#pragma once
// The graph routines that follow every fill of the analysis workbook: the bin graphs (GAG, GBG,
// GTG, AAG, FUG) of the systems the project compares and the comparison graph (PRG), each drawn
// on the charts window's chart from its sheet's cells and placed on that sheet as its only
// picture; the graph sheet of a system not compared is left without one. A graph drawn from the
// same inputs as the picture its sheet carries keeps that picture. The program hands one of
// these to Fill_ReportWorkbook as its ChartFiller.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "reports/charts/charts_window.h"
#include "sheet/book_control.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::reports {

struct ChartFonts;

// Where a graph's picture goes on its sheet, in grid points (2.0: the left edge of column C).
inline constexpr sheet::GridPoint kGraphTopLeft{2.0, 6.0};
inline constexpr sheet::GridPoint kComparisonBottomRight{14.0, 45.0};
inline constexpr sheet::GridPoint kBinGraphBottomRight{14.0, 46.5};

// The workbook the graphs go into: its control, asked again at each use (the reports window's
// control may take another book), and what its view does once the graphs are placed (nothing
// without a view).
struct ChartWorkbook {
  std::function<sheet::BookControl&()> control;
  std::function<void()> select_block_start;
};

class ReportCharts final : public workbook::ChartFiller {
 public:
  // Through the reports window's workbook control, as the program runs them.
  ReportCharts(ChartWorkbook workbook, const model::ModelState& model);
  // Through a control without a view, for tools and tests.
  ReportCharts(sheet::BookControl& workbook, const model::ModelState& model);
  ~ReportCharts() override;

  void Fill_BinCharts() override;
  void Fill_ComparisonChart() override;

  // The charts window, loaded hidden at its first use.
  ChartsWindow& Form11();

 private:
  void Scale_ChartAxis();
  // Draws the active sheet's chart into exported_.
  void Export_ChartPicture();
  // Exports and inserts the active sheet's chart unless the picture on the sheet was drawn from
  // the same inputs.
  void Place_ChartPicture(const Chart& chart);
  // exported_ into the active sheet's holder, and onto the sheet in place of every drawing object.
  void Insert_ChartPicture();
  // The active sheet's holder emptied and its drawing objects removed.
  void Remove_ChartPicture();
  // GetCellText of the active sheet, its leading number to four decimals.
  double cell_number(int row, int col) const;
  std::int32_t whole_maximum(int row, int col) const;
  sheet::BookControl& ReportWorkbook() const { return workbook_.control(); }

  // Everything a graph is drawn from: what its chart shows, the maximum its axis was scaled to,
  // and the unit options and currency its labels read.
  struct GraphInputs {
    std::int32_t maximum = 0;
    std::vector<std::string> texts;
    std::vector<double> numbers;
    model::MetricFlags units;
    model::Text<6> currency;
    friend bool operator==(const GraphInputs&, const GraphInputs&) = default;
  };
  [[nodiscard]] GraphInputs inputs_of(const Chart& chart) const;

  ChartWorkbook workbook_;
  const model::ModelState& model_;
  std::unique_ptr<ChartsWindow> form11_;
  std::unique_ptr<ChartFonts> fonts_;   // made at the first chart drawn
  std::vector<std::uint8_t> exported_;  // the last chart drawn, in place of a picture file
  std::int32_t ChartMax = 0;
  std::map<int, GraphInputs> drawn_from_;  // by sheet: what its picture was drawn from
};

}  // namespace pellavan::reports
