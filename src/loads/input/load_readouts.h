#pragma once
// What the project-information window shows of the selected city and the load calculation: the
// city's climate, the correction factor with its scale, the gains and the balance point, as
// texts in the display units, and the unit captions of the display, named by the label that
// shows each. Without a city its climate shows empty; without a calculation for the inputs shown
// (refused by the checks) the results show empty: never another city's or project's figures.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/input/unit_options.h"
#include "model/load_calc_state.h"
#include "model/records/city_rec.h"
#include "model/units/kw_memo.h"

namespace pellavan::loads {

inline constexpr int kGainsMemoSlot = 14;

struct LoadReadouts {
  std::vector<std::pair<const char*, std::string>> labels;  // label name, text
  // The filled share of the correction scale; none when the city's factors span nothing.
  std::optional<double> scale;
};

[[nodiscard]] LoadReadouts load_readouts(const model::LoadCalcState* results,
                                         const model::CityRec* city,
                                         const model::UnitOptions& units, model::KwMemo& kw);

}  // namespace pellavan::loads
