#pragma once
// ProjectRec: the whole project as one record of 10,665 bytes, the image of a project file
// (".pvn") and of the default files. Each input window owns one contiguous block; the blocks and
// their fields are tabled in project_rec_general.h, project_rec_systems.h and
// project_rec_economics.h and joined here into the one table the encoder uses.

#include <array>
#include <string_view>

#include "model/record/record_layout.h"
#include "model/records/project_rec_economics.h"
#include "model/records/project_rec_general.h"
#include "model/records/project_rec_systems.h"

namespace pellavan::model {

#define PELLAVAN_PROJECT_FIELDS(F, A)    \
  PELLAVAN_PROJECT_HEADER_FIELDS(F, A)   \
  PELLAVAN_PROJECT_ZOOM_FIELDS(F, A)     \
  PELLAVAN_PROJECT_CLIENT_FIELDS(F, A)   \
  PELLAVAN_PROJECT_DEALER_FIELDS(F, A)   \
  PELLAVAN_PROJECT_PROJECT_FIELDS(F, A)  \
  PELLAVAN_PROJECT_SYSTEMS_FIELDS(F, A)  \
  PELLAVAN_PROJECT_LOADS_FIELDS(F, A)    \
  PELLAVAN_PROJECT_PRINT_FIELDS(F, A)    \
  PELLAVAN_PROJECT_GEOT_FIELDS(F, A)     \
  PELLAVAN_PROJECT_GEOA_FIELDS(F, A)     \
  PELLAVAN_PROJECT_GEOB_FIELDS(F, A)     \
  PELLAVAN_PROJECT_HEATPUMP_FIELDS(F, A) \
  PELLAVAN_PROJECT_FURNACE_FIELDS(F, A)  \
  PELLAVAN_PROJECT_ECON_FIELDS(F, A)     \
  PELLAVAN_PROJECT_RATES_FIELDS(F, A)    \
  PELLAVAN_PROJECT_RESULTS_FIELDS(F, A)

PELLAVAN_DEFINE_RECORD(ProjectRec, 10665, PELLAVAN_PROJECT_FIELDS);

// One block of the record: the file offsets it spans, both inclusive.
struct ProjectBlock {
  std::string_view name;
  std::size_t first;
  std::size_t last;
};

inline constexpr std::array<ProjectBlock, 16> kProjectBlocks{{
    {"Header", 0, 27},
    {"Zoom", 28, 110},
    {"Client", 111, 606},
    {"Dealer", 607, 1102},
    {"Project", 1103, 1625},
    {"Systems", 1626, 2322},
    {"Loads", 2323, 2476},
    {"Print", 2477, 2998},
    {"GeoT", 2999, 3498},
    {"GeoA", 3499, 4356},
    {"GeoB", 4357, 5208},
    {"HeatPump", 5209, 5902},
    {"Furnace", 5903, 6580},
    {"Econ", 6581, 9058},
    {"Rates", 9059, 9719},
    {"Results", 9720, 10664},
}};

// True when every block starts where a field starts and the blocks tile the record.
[[nodiscard]] constexpr bool project_blocks_match_fields() {
  std::size_t next = 0;
  for (const auto& block : kProjectBlocks) {
    if (block.first != next) return false;
    bool starts_a_field = false;
    for (const auto& f : ProjectRec::kFields) starts_a_field |= f.offset == block.first;
    if (!starts_a_field) return false;
    next = block.last + 1;
  }
  return next == ProjectRec::kFileSize;
}
static_assert(project_blocks_match_fields(), "ProjectRec blocks must start at field boundaries");

}  // namespace pellavan::model
