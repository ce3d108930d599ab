#pragma once
// The load calculation of the project-information window, without the window: Calc_Loads runs
// the building-load workbook for the project's loads and city, Min_Backup raises the auxiliary
// and backup inputs of the system blocks to the building's minimum backup heat. Both publish
// their results in LoadCalcState; the messages they lead to are the window's to show.

#include <string_view>
#include <vector>

#include "model/load_calc_state.h"
#include "model/model_state.h"
#include "sheet/book_control.h"

namespace pellavan::loads {

inline constexpr std::string_view kLoadsInvalidMessage =
    "Load Data Input is Invalid...Please Try Again";
inline constexpr std::string_view kLoadsInvalidTitle = "Range Violation";

enum class LoadCalcStatus {
  kValid,
  kInvalid,       // the workbook's validity test failed (LoadsInvalid = 1): kLoadsInvalidMessage
  kCityNotFound,  // no city record has the project's city id; calculated from an emptied record
};

// Reads the project's city into CityRec (a missing or unreadable city file ends the program),
// writes the climate and the building inputs into the building-load workbook, recalculates once
// and reads the bin loads and load results back into `loads`. The results are kept whatever the
// status; LoadsInvalid is 1 unless the status is kValid.
LoadCalcStatus Calc_Loads(model::ModelState& model, sheet::BookControl& BuildingLoadWorkbook,
                          model::LoadCalcState& loads);

// The minimum backup heat from the heating load, the indoor temperature (the heating set point,
// at least 72 F), the city's heating design temperature and the internal gains of the last
// Calc_Loads; then, block by block (Geo A, Geo B, heat pump, furnace), the minimum input of the
// block's furnace at its full-load efficiency, to which a smaller input is raised. Inputs are
// never lowered; the Geo T block is left to its own window.
struct MinBackupOutcome {
  bool computed = false;  // false: a heating delta-T of 0 gives no minimum; nothing was changed
  // Blocks left as they were because their furnace was not found or has no efficiency.
  std::vector<std::string_view> skipped_blocks;
};
MinBackupOutcome Min_Backup(model::ModelState& model, model::LoadCalcState& loads);

}  // namespace pellavan::loads
