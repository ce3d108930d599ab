#pragma once
// The charts window: never shown, it hosts the bin chart and the comparison chart that the graph
// routines draw, and one picture holder per graph sheet. Its two LabelRequest handlers write the
// value-axis labels and set the axis titles by the unit options, read at every label.

#include <cstdint>
#include <vector>

#include "model/model_state.h"
#include "reports/charts/chart.h"

namespace pellavan::reports {

// The title the comparison chart carries.
inline constexpr std::string_view kComparisonTitle = "Annual Operating Cost";

class ChartsWindow {
 public:
  // The unit options and the currency label come from `model` whenever a label is drawn.
  explicit ChartsWindow(const model::ModelState& model);
  ChartsWindow(const ChartsWindow&) = delete;
  ChartsWindow& operator=(const ChartsWindow&) = delete;

  void Chartfx1_LabelRequest(std::int16_t kind, std::int16_t& result);
  void Chartfx2_LabelRequest(std::int16_t kind, std::int16_t& result);

  // The picture holder of a graph sheet (1-based sheet number), nullptr for any other sheet.
  std::vector<std::uint8_t>* holder_of(int sheet);

  Chart Chartfx1;  // the bin graphs
  Chart Chartfx2;  // the comparison graph
  // Picture holders: GAG, GBG, AAG, FUG, PRG, GTG. Each keeps the encoded picture last placed on
  // its sheet.
  std::vector<std::uint8_t> Image1, Image2, Image3, Image4, Image5, Image6;

 private:
  const model::ModelState& model_;
};

}  // namespace pellavan::reports
