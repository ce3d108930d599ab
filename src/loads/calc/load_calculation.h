#pragma once
// The load calculation of the project-information window, without the window: Calc_Loads runs
// the building-load workbook for the project's loads and city, Min_Backup raises the auxiliary
// and backup inputs of the system blocks to the building's minimum backup heat, and
// Calc_Project_Loads brings both up to date with the project's inputs. All publish their
// results in LoadCalcState; the messages they lead to are the callers' to show.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/input/stored_figures.h"
#include "model/load_calc_state.h"
#include "model/model_state.h"
#include "sheet/book_control.h"

namespace pellavan::loads {

inline constexpr std::string_view kLoadsInvalidMessage =
    "Load Data Input is Invalid...Please Try Again";
// What the contractor can do about it, shown below the message.
inline constexpr std::string_view kLoadsInvalidAdvice =
    "The heating load, the cooling load and the internal gains of this house cannot be balanced "
    "against the climate of the selected city. Check the loads and their temperature "
    "differences, lower the solar, occupancy or base electric gains, or choose a nearby city "
    "with a colder winter.";
inline constexpr std::string_view kCityNotFoundMessage =
    "The Project's City is Not in the City File...Please Select a City";
inline constexpr std::string_view kLoadsInvalidTitle = "Range Violation";

enum class LoadCalcStatus {
  kValid,
  kInvalid,       // the workbook's validity test failed (LoadsInvalid = 1): kLoadsInvalidMessage
  kCityNotFound,  // no city record has the project's city id; calculated from an emptied record
};

// Reads the project's city into CityRec (a missing or unreadable city file ends the program),
// writes the climate and the building inputs into the building-load workbook, recalculates once
// and reads the bin loads and load results back into `loads`. The results are kept whatever the
// status; LoadsInvalid is 1 unless the status is kValid. A figure kept out of the analysis (a
// stored figure its window refuses, model/input/stored_figures.h) is taken as 0.
LoadCalcStatus Calc_Loads(model::ModelState& model, sheet::BookControl& BuildingLoadWorkbook,
                          model::LoadCalcState& loads,
                          std::span<const model::StoredFigure> kept_out = {});

// The minimum backup heat from the heating load, the indoor temperature (the heating set point,
// at least 72 F), the city's heating design temperature and the internal gains of the last
// Calc_Loads; then, block by block (Geo A, Geo B, heat pump, furnace), the minimum input of the
// block's furnace at its full-load efficiency, to which a smaller input is raised. Inputs are
// never lowered; the Geo T block is left to its own window. With RaiseInputs::kNo the minimums
// are worked out and published alike but no input changes. A figure kept out of the analysis is
// taken as 0, and an input kept out is not raised: the project keeps what its file holds.
enum class RaiseInputs : bool { kNo, kYes };
struct MinBackupOutcome {
  bool computed = false;  // false: a heating delta-T of 0 gives no minimum; nothing was changed
  // Blocks left as they were because their furnace was not found or has no efficiency.
  std::vector<std::string_view> skipped_blocks;
};
MinBackupOutcome Min_Backup(model::ModelState& model, model::LoadCalcState& loads,
                            RaiseInputs raise = RaiseInputs::kYes,
                            std::span<const model::StoredFigure> kept_out = {});

// The minimum input of a furnace of full-load efficiency `efficiency` (more than 0) for the
// building's minimum backup heat of the last Min_Backup, in Btu/h.
[[nodiscard]] model::Int32 minimum_backup_input(const model::LoadCalcState& loads,
                                                double efficiency);

// A project's loads and minimum backup inputs from its current inputs, whatever was calculated
// before: Calc_Loads, then the minimums of Min_Backup without raising any stored input (that
// stays with the project window's Done). What an opened or new project starts from.
struct ProjectLoads {
  LoadCalcStatus status = LoadCalcStatus::kValid;
  MinBackupOutcome minimum;
  [[nodiscard]] bool valid() const { return status == LoadCalcStatus::kValid; }
};
ProjectLoads Calc_Project_Loads(model::ModelState& model, sheet::BookControl& BuildingLoadWorkbook,
                                model::LoadCalcState& loads,
                                std::span<const model::StoredFigure> kept_out = {});

// What a contractor is told when the last calculation failed (the message and what to do about
// it); empty when it was valid.
[[nodiscard]] std::string load_message(const model::LoadCalcState& loads);

}  // namespace pellavan::loads
