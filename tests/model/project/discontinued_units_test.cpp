#include <gtest/gtest.h>

#include "model/project/discontinued_units.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::model {
namespace {

class DiscontinuedUnitsTest : public testing::CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    GeoUnitRec active = testing::named_record<GeoUnitRec>(1, "RKD036");
    GeoUnitRec gone = testing::named_record<GeoUnitRec>(2, "RKF048");
    gone.Inactive = 1;
    GeoUnitRec other = testing::named_record<GeoUnitRec>(4, "Marked 2");
    other.Inactive = 2;
    write_catalogue("UnitData.CEA", {active, gone, other});
    TUnitRec t_active = testing::named_record<TUnitRec>(3, "JN 1860 Varistep");
    TUnitRec t_gone = testing::named_record<TUnitRec>(5, "JN 1200");
    t_gone.Inactive = 1;
    write_catalogue("tUnitData.CEA", {t_active, t_gone});
    state_.program_folder = program_folder();
  }

  ModelState state_;
};

TEST_F(DiscontinuedUnitsTest, OnlyUsedKindsWithFlagOneRefuse) {
  struct Row {
    const char* name;
    Int16 type1, type2, type3;
    Int16 geo_a, geo_b, geo_t;
    bool refused;
  };
  const Row rows[] = {
      {"geo A discontinued", 1, 0, 0, 2, 1, 3, true},
      {"geo A active", 1, 0, 0, 1, 2, 5, false},
      {"geo B discontinued in row 3", 0, 4, 2, 1, 2, 3, true},
      {"geo T discontinued", 6, 0, 0, 1, 1, 5, true},
      {"discontinued unit of an unused kind", 3, 4, 0, 2, 2, 5, false},
      {"flag 2 is not 1", 1, 0, 0, 4, 1, 3, false},
      {"unit not in catalogue", 2, 0, 0, 1, 77, 3, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ProjectRec rec{};
    rec.System1_Type = r.type1;
    rec.System2_Type = r.type2;
    rec.System3_Type = r.type3;
    rec.GeoA_UnitId = r.geo_a;
    rec.GeoB_UnitId = r.geo_b;
    rec.GeoT_UnitId = r.geo_t;
    EXPECT_EQ(uses_discontinued_unit(state_, rec), r.refused);
  }
}

TEST_F(DiscontinuedUnitsTest, UnusedCataloguesAreNotRead) {
  std::filesystem::remove(data_folder() / "UnitData.CEA");
  ProjectRec rec{};
  rec.System1_Type = 6;
  rec.GeoT_UnitId = 3;
  EXPECT_FALSE(uses_discontinued_unit(state_, rec));  // would end the program if it read units
}

}  // namespace
}  // namespace pellavan::model
