// Min_Backup: the minimum backup heat and the inputs it raises.
#include <gtest/gtest.h>

#include "load_calc_fixture.h"
#include "model/units/rounding.h"

namespace pellavan::loads {
namespace {

class MinBackupTest : public testing::LoadCalcTest {
 protected:
  void SetUp() override {
    LoadCalcTest::SetUp();
    model::ProjectRec& p = model.ProjectRec;
    p.GeoA_AuxId = 31;  // electric duct heater, efficiency 1
    p.GeoA_AuxInput = 46798;
    p.GeoB_AuxId = 31;
    p.GeoB_AuxInput = 90000;
    p.HeatPump_BackupId = 1;  // gas furnace, efficiency 0.8
    p.HeatPump_BackupInput = 100000;
    p.Furnace_UnitId = 1;
    p.Furnace_Input = 60000;
    p.GeoT_AuxId = 31;
    p.GeoT_AuxInput = 1000;
    ASSERT_EQ(calc(), LoadCalcStatus::kValid);
  }
  double gains() const { return loads.IntGains.to_double(); }
};

TEST_F(MinBackupTest, RaisesSmallerInputsToTheMinimumOfTheirFurnace) {
  const MinBackupOutcome outcome = Min_Backup(model, loads);
  ASSERT_TRUE(outcome.computed);
  EXPECT_TRUE(outcome.skipped_blocks.empty());
  // t = max(72, 70) - 6 = 66.
  const auto minimum = model::round_to_int32(80000.0 / 65 * 66 - 0.5 * gains());
  EXPECT_EQ(loads.MinBackupHeat, minimum);
  EXPECT_EQ(minimum, 73482);
  const model::ProjectRec& p = model.ProjectRec;
  EXPECT_EQ(p.GeoA_AuxInput, minimum) << "raised";
  EXPECT_EQ(p.GeoB_AuxInput, 90000) << "already above the minimum";
  EXPECT_EQ(p.HeatPump_BackupInput, 100000);
  EXPECT_EQ(p.Furnace_Input, model::round_to_int32(minimum / 0.8))
      << "raised to the gas furnace's minimum input";
  EXPECT_EQ(p.Furnace_Input, 91852) << "91852.5 goes to the even neighbour";
  EXPECT_EQ(loads.MinInputCapacity, 91852) << "of the last furnace looked at";
  EXPECT_EQ(p.GeoT_AuxInput, 1000) << "the Geo T block is its window's";
}

TEST_F(MinBackupTest, TheIndoorTemperatureIsAtLeast72) {
  struct Row {
    model::Int16 set_point;
    double t;
  };
  for (const Row r : {Row{65, 66}, Row{72, 66}, Row{74, 68}}) {
    model.ProjectRec.Loads_HeatSetPoint = r.set_point;
    Min_Backup(model, loads);
    EXPECT_EQ(loads.MinBackupHeat, model::round_to_int32(80000.0 / 65 * r.t - 0.5 * gains()))
        << r.set_point;
  }
}

TEST_F(MinBackupTest, AFurnaceNotFoundLeavesItsBlockAndTheOthersGoOn) {
  model.ProjectRec.GeoA_AuxId = 999;
  const MinBackupOutcome outcome = Min_Backup(model, loads);
  ASSERT_EQ(outcome.skipped_blocks.size(), 1u);
  EXPECT_EQ(outcome.skipped_blocks[0], "GeoA");
  EXPECT_EQ(model.ProjectRec.GeoA_AuxInput, 46798);
  EXPECT_EQ(model.ProjectRec.Furnace_Input, 91852);
}

TEST_F(MinBackupTest, AHeatingDifferenceOfZeroChangesNothing) {
  model.ProjectRec.Loads_HeatDeltaT = 0;
  const MinBackupOutcome outcome = Min_Backup(model, loads);
  EXPECT_FALSE(outcome.computed);
  EXPECT_EQ(loads.MinBackupHeat, 0);
  EXPECT_EQ(model.ProjectRec.GeoA_AuxInput, 46798);
  EXPECT_EQ(model.ProjectRec.Furnace_Input, 60000);
}

}  // namespace
}  // namespace pellavan::loads

namespace pellavan::loads {
namespace {

// A project's figures come from its own inputs, whatever was calculated before it.
TEST_F(MinBackupTest, ProjectLoadsAreTheProjectsOwnWhateverRanBefore) {
  struct Row {
    const char* name;
    model::Int16 city;
    model::Int32 heat_load;
    model::Int16 heat_delta_t;
    bool valid;
  };
  const Row rows[] = {
      {"Atlanta", 2, 40000, 65, true},
      {"Houston", 16, 38000, 65, true},
      {"a heating difference of 0 from a file, which cannot be balanced", 35, 80000, 0, false}};
  const model::ProjectRec before = model.ProjectRec;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    model.ProjectRec = before;
    model.ProjectRec.Loads_CityId = r.city;
    model.ProjectRec.Loads_HeatLoad = r.heat_load;
    model.ProjectRec.Loads_HeatDeltaT = r.heat_delta_t;
    // Alone, on a workbook nothing ran on.
    sheet::Book fresh_book = make_building_load_book();
    sheet::BookControl fresh_control{fresh_book};
    model::LoadCalcState alone;
    model::ModelState fresh_model;
    fresh_model.program_folder = model.program_folder;
    fresh_model.ProjectRec = model.ProjectRec;
    const ProjectLoads expected = Calc_Project_Loads(fresh_model, fresh_control, alone);
    // After St. Louis (the fixture's calculation and Done).
    Min_Backup(model, loads);
    const model::ProjectRec inputs = model.ProjectRec;
    const ProjectLoads got = Calc_Project_Loads(model, control, loads);
    EXPECT_EQ(got.valid(), r.valid);
    EXPECT_EQ(expected.valid(), r.valid);
    EXPECT_EQ(load_message(loads).empty(), r.valid);
    EXPECT_EQ(loads.AnnHtg, alone.AnnHtg);
    EXPECT_EQ(loads.BldgBalPt, alone.BldgBalPt);
    EXPECT_EQ(loads.IntGains, alone.IntGains);
    EXPECT_EQ(loads.MinBackupHeat, alone.MinBackupHeat);
    EXPECT_EQ(loads.MinInputCapacity, alone.MinInputCapacity);
    EXPECT_EQ(loads.MinBackupHeat > 0, r.valid);
    EXPECT_EQ(model.ProjectRec.GeoA_AuxInput, inputs.GeoA_AuxInput) << "raising is Done's";
    EXPECT_EQ(model.ProjectRec.Furnace_Input, inputs.Furnace_Input);
  }
}

}  // namespace
}  // namespace pellavan::loads
