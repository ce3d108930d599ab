#include "model/edition/edition_table.h"

#include <gtest/gtest.h>

#include "model/model_state.h"

namespace pellavan::model {
namespace {

TEST(EditionTableTest, EveryRunUsesTheMakersEdition) {
  const ModelState state;
  EXPECT_EQ(state.Edition, 0);
  const EditionRow& row = state.edition();
  EXPECT_EQ(row.unit_file, "UnitData.CEA");
  EXPECT_EQ(row.furnace_file, "FossData.CEA");
  EXPECT_EQ(row.water_heater_file, "WHData.CEA");
  EXPECT_EQ(row.ac_file, "ACData.CEA");
  EXPECT_EQ(row.air_hp_file, "AirData.CEA");
  EXPECT_EQ(row.system_label, "Oskerby System");
  EXPECT_EQ(row.help_file, "Morvanta.chm");
  EXPECT_EQ(row.version_file, "kqverok.txt");
}

TEST(EditionTableTest, KeepsTheOtherEditionsAsData) {
  struct Row {
    Int16 edition;
    const char* unit;
    const char* furnace;
    const char* water_heater;
    const char* label;
    const char* version;
  };
  const Row rows[] = {
      {1, "UnitDatB.CEA", "FossDatB.CEA", "WHDataB.CEA", "Brannock System", "kqverbn.txt"},
      {2, "UnitDaQN.CEA", "FossData.CEA", "WHData.CEA", "Quillon System", "kqverqn.txt"},
      {3, "UnitDat4.CEA", "FossDat4.CEA", "WHData4.CEA", "Marsk System", "kqvermk.txt"},
      {4, "UnitData.CEA", "FossData.CEA", "WHData.CEA", "Oskerby System", ""},
      {5, "UnitDat5.CEA", "FossDat5.CEA", "WHData5.CEA", "Tavistel System", "kqvertl.txt"},
      {6, "UnitDat6.CEA", "FossDat6.CEA", "WHData6.CEA", "Wendle System", "kqverwn.txt"},
      {9, "UnitData.CEA", "FossData.CEA", "WHData.CEA", "Oskerby System", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.edition);
    const EditionRow& row = edition_row(r.edition);
    EXPECT_EQ(row.unit_file, r.unit);
    EXPECT_EQ(row.furnace_file, r.furnace);
    EXPECT_EQ(row.water_heater_file, r.water_heater);
    EXPECT_EQ(row.system_label, r.label);
    EXPECT_EQ(row.version_file, r.version);
  }
  EXPECT_EQ(edition_row(5).update_host, UpdateHost::kBrand);
  EXPECT_EQ(edition_row(3).update_path, "/index/pellavan_mk");
}

}  // namespace
}  // namespace pellavan::model
