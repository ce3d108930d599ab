#pragma once
// The load calculation on the built Data folder, with the building-load workbook as the
// program starts with it and a project record holding the building-load worked example.

#include "loads/building_load/building_load_book.h"
#include "loads/calc/load_calculation.h"
#include "sheet/book_control.h"
#include "tools/sample_data_fixture.h"

namespace pellavan::loads::testing {

class LoadCalcTest : public pellavan::testing::SampleDataTest {
 protected:
  void SetUp() override {
    SampleDataTest::SetUp();
    model::ProjectRec& p = model.ProjectRec;
    p.Loads_CityId = 7;  // St. Louis
    p.Loads_HeatLoad = 80000;
    p.Loads_HeatDeltaT = 65;
    p.Loads_CoolLoad = 45000;
    p.Loads_CoolDeltaT = 20;
    p.Loads_DhwTemp = 140;
    p.Loads_DhwUsers = 4;
    p.Loads_HeatSetPoint = 70;
    p.Loads_CoolSetPoint = 75;
    p.Loads_CoolStart = 75;
    p.Loads_SolarGain = 3;
    p.Loads_OccupancyGain = 3;
    p.Loads_ElecGain = 3;
    p.Loads_Construction = 3;
  }

  LoadCalcStatus calc() { return Calc_Loads(model, control, loads); }

  sheet::Book book = make_building_load_book();
  sheet::BookControl control{book};
  model::LoadCalcState loads;
};

}  // namespace pellavan::loads::testing
