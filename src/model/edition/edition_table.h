#pragma once
// The per-edition names: catalogue files, the geothermal windows' system label, help file,
// logos, and the version file and update page of the on-line check. This build always runs
// edition 0; the other rows are kept as data. Editions without a row of their own (4 and any
// not listed) take kOtherEdition: edition 0's files with no version file.

#include <array>
#include <cstdint>
#include <string_view>

#include "model/record/field_types.h"

namespace pellavan::model {

// Whose web host serves the update page: the maker's, or the brand's own.
enum class UpdateHost : std::uint8_t { kMaker, kBrand };

struct EditionRow {
  Int16 edition;
  std::string_view unit_file;          // GeoUnitRec catalogue
  std::string_view furnace_file;       // FurnaceRec catalogue
  std::string_view water_heater_file;  // WaterHeaterRec catalogue
  std::string_view ac_file;            // ACRec catalogue
  std::string_view air_hp_file;        // AirHPRec catalogue
  std::string_view system_label;       // caption of the geothermal windows
  std::string_view help_file;          // beside the program
  std::string_view startup_logo;       // in the Data folder
  std::string_view disclaimer_logo;    // in the Data folder
  std::string_view version_file;       // empty: the edition has none
  UpdateHost update_host;
  std::string_view update_path;
};

namespace edition_detail {
inline constexpr EditionRow kMakerRow{.edition = 0,
                                      .unit_file = "UnitData.CEA",
                                      .furnace_file = "FossData.CEA",
                                      .water_heater_file = "WHData.CEA",
                                      .ac_file = "ACData.CEA",
                                      .air_hp_file = "AirData.CEA",
                                      .system_label = "Oskerby System",
                                      .help_file = "Morvanta.chm",
                                      .startup_logo = "Logost.bmp",
                                      .disclaimer_logo = "Logook.bmp",
                                      .version_file = "kqverok.txt",
                                      .update_host = UpdateHost::kMaker,
                                      .update_path = "/index/pellavan_ok"};

// A row that differs from the maker's edition only in the names given.
constexpr EditionRow brand_row(Int16 edition, std::string_view unit, std::string_view furnace,
                               std::string_view water_heater, std::string_view label,
                               std::string_view version, UpdateHost host, std::string_view page) {
  EditionRow row = kMakerRow;
  row.edition = edition;
  row.unit_file = unit;
  row.furnace_file = furnace;
  row.water_heater_file = water_heater;
  row.system_label = label;
  row.version_file = version;
  row.update_host = host;
  row.update_path = page;
  return row;
}
}  // namespace edition_detail

inline constexpr std::array<EditionRow, 6> EditionTable{{
    edition_detail::kMakerRow,
    edition_detail::brand_row(1, "UnitDatB.CEA", "FossDatB.CEA", "WHDataB.CEA", "Brannock System",
                              "kqverbn.txt", UpdateHost::kMaker, "/index/pellavan_bn"),
    edition_detail::brand_row(2, "UnitDaQN.CEA", "FossData.CEA", "WHData.CEA", "Quillon System",
                              "kqverqn.txt", UpdateHost::kMaker, "/index/pellavan_ok"),
    edition_detail::brand_row(3, "UnitDat4.CEA", "FossDat4.CEA", "WHData4.CEA", "Marsk System",
                              "kqvermk.txt", UpdateHost::kMaker, "/index/pellavan_mk"),
    edition_detail::brand_row(5, "UnitDat5.CEA", "FossDat5.CEA", "WHData5.CEA", "Tavistel System",
                              "kqvertl.txt", UpdateHost::kBrand, "/pellavan.html"),
    edition_detail::brand_row(6, "UnitDat6.CEA", "FossDat6.CEA", "WHData6.CEA", "Wendle System",
                              "kqverwn.txt", UpdateHost::kBrand, "/pellavan.html"),
}};

inline constexpr EditionRow kOtherEdition =
    edition_detail::brand_row(-1, "UnitData.CEA", "FossData.CEA", "WHData.CEA", "Oskerby System",
                              "", UpdateHost::kMaker, "/index/pellavan_ok");

// The row of an edition, or kOtherEdition for one without a row of its own.
[[nodiscard]] constexpr const EditionRow& edition_row(Int16 edition) {
  for (const auto& row : EditionTable)
    if (row.edition == edition) return row;
  return kOtherEdition;
}

// The edition every run uses.
inline constexpr Int16 kRunningEdition = 0;

}  // namespace pellavan::model
