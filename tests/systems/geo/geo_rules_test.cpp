// The selection rules of the Geo A and Geo B windows: the model prefixes' loop rules, open
// loops, the quantity box, the hydronic modes' water heaters, and the pictures that follow.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "platform/catalogue_lists.h"
#include "platform/window_test_support.h"
#include "systems/geo/geo_picture_panel.h"
#include "systems/geo/geo_window_fixture.h"

namespace pellavan::geo {
namespace {

using program_state::WindowId;
using testing::GeoWindowTest;

TEST_F(GeoWindowTest, ModelPrefixesDecideTheLoop) {
  struct Step {
    model::Int16 unit, loop, unit_after, loop_pick;
    const char* message;
    model::Int16 loop_after;
  };
  const Step kSteps[] = {
      {1, 23, 6, 0, "Well Water Only Allowed for this Product", 10},
      {6, 10, 0, 23, "Well Water Only Allowed for this Product", 10},
      {1, 10, 8, 0, "", 23},
      {8, 23, 0, 10, "Well Water Not Allowed for this Product", 28},
  };
  for (const WindowId id : {WindowId::GeoA, WindowId::GeoB}) {
    for (const Step& s : kSteps) {
      SCOPED_TRACE(s.unit_after + 100 * s.loop_pick);
      GeoWindow& w = open(id, false);
      QComboBox* units = w.form()[w.controls().comboUnit];
      QComboBox* loops = w.form()[w.controls().comboLoop];
      ASSERT_TRUE(platform::select_id(units, s.unit));
      platform::select_id(loops, s.loop);
      messages.clear();
      if (s.unit_after != 0) platform::select_id(units, s.unit_after);
      if (s.loop_pick != 0) platform::select_id(loops, s.loop_pick);
      EXPECT_EQ(messages,
                *s.message ? std::vector<std::string>{s.message} : std::vector<std::string>{});
      EXPECT_EQ(platform::selected_id(loops), s.loop_after);
    }
  }
}

TEST_F(GeoWindowTest, OpenLoopsCoverTheGroundInputsAndTheQuantityFollowsTheUnitType) {
  struct Pick {
    model::Int16 unit, loop;
    bool hybrid_offered, ground_inputs, quantity;
  };
  const Pick kPicks[] = {{1, 23, true, true, false},
                         {1, 9, false, false, false},
                         {12, 23, false, true, true},
                         {13, 1, true, true, true}};
  for (const WindowId id : {WindowId::GeoA, WindowId::GeoB}) {
    for (const Pick& p : kPicks) {
      SCOPED_TRACE(p.unit * 100 + p.loop);
      GeoWindow& w = open(id, false);
      platform::select_id(w.form()[w.controls().comboLoop], p.loop);
      platform::select_id(w.form()[w.controls().comboUnit], p.unit);
      EXPECT_EQ(!w.form()[w.controls().frmHybrid]->isHidden(), p.hybrid_offered);
      EXPECT_EQ(!w.form()[w.controls().comboSoil]->isHidden(), p.ground_inputs);
      EXPECT_EQ(!w.form()[w.controls().txtUqty]->isHidden(), p.quantity);
      if (!p.quantity) {
        EXPECT_EQ(box(w, w.controls().txtUqty)->text(), "1");
      }
    }
  }
}

// The quantity box of a per-ton unit goes with it: a single unit chosen next is one unit.
TEST_F(GeoWindowTest, ASingleUnitAfterAPerTonUnitHidesTheQuantityBox) {
  constexpr model::Int16 kSingle = 1;  // RKS024, type 1
  for (const WindowId id : {WindowId::GeoA, WindowId::GeoB}) {
    for (const int per_ton : {12, 13, 14}) {  // types 2, 3 and 5
      SCOPED_TRACE(per_ton);
      GeoWindow& w = open(id, false);
      w.show();
      QComboBox* units = w.form()[w.controls().comboUnit];
      pick(units, static_cast<model::Int16>(per_ton));
      ASSERT_FALSE(w.form()[w.controls().txtUqty]->isHidden());
      type(w, w.controls().txtUqty, "3");
      pick(units, kSingle);
      EXPECT_TRUE(w.form()[w.controls().txtUqty]->isHidden());
      EXPECT_TRUE(w.form()[w.controls().lblTons]->isHidden());
      EXPECT_EQ(box(w, w.controls().txtUqty)->text(), "1");
    }
  }
}

TEST(GeoRulesTest, FullHotWaterHeatersAreNamedGeoInAnyCase) {
  for (const auto& [name, listed] : {std::pair{"Geo Desuperheater", true},
                                     {"50 gal gEO tank", true},
                                     {"GEO", true},
                                     {"Ge o", false},
                                     {"Ge", false},
                                     {"Electric 50 Gal", false}})
    EXPECT_EQ(full_hot_water_heater(name), listed) << name;
}

TEST_F(GeoWindowTest, HydronicModesChooseTheWaterHeaters) {
  rec().GeoA_UnitId = 11;
  rec().GeoA_HydronicMode = 2;
  rec().GeoA_Tandem = 1;
  rec().GeoA_WaterHeaterId = 5;
  GeoWindow& w = open(WindowId::GeoA, false);
  QComboBox* heaters = w.form()[w.controls().ComboWH];
  EXPECT_EQ(platform::selected_id(heaters), 5);
  for (int i = 0; i < heaters->count(); ++i)
    EXPECT_TRUE(heaters->itemText(i).contains("Geo")) << "full hot water lists Geo heaters";
  w.form()[optHydroHybrid3]->setChecked(true);
  EXPECT_EQ(rec().GeoA_WaterHeaterId, 4);
  EXPECT_EQ(platform::selected_id(heaters), 4);
  EXPECT_GT(heaters->count(), 0);
}

TEST_F(GeoWindowTest, PicturesWaitForTheRestoreAndTheSoilFollowsTheLoop) {
  for (const bool metric : {false, true}) {
    GeoWindow& w = open(WindowId::GeoA, metric);
    EXPECT_TRUE(w.picture_panel().picture_path().endsWith("GeoLogo.bmp"));
    platform::select_id(w.form()[w.controls().comboLoop], 1);  // a horizontal loop
    w.Soil_Pic();
    EXPECT_TRUE(
        w.picture_panel().picture_path().endsWith(metric ? "HorzSoilm.bmp" : "HorzSoil.bmp"))
        << w.picture_panel().picture_path().toStdString();
    bool interleaved = false;
    const QObject scope;  // the call is dropped with it if it has not come by then
    QTimer::singleShot(0, &scope, [&interleaved] { interleaved = true; });
    w.Unit_Pic();
    EXPECT_FALSE(interleaved) << "a loader runs no other event";
    EXPECT_FALSE(w.picture_panel().picture_path().endsWith("GeoLogo.bmp"));
    EXPECT_TRUE(w.picture_panel().framed());
  }
}

// The mode list, clicked as a user does, shows the modes' picture; an electric heater, which runs
// as in Supplement in either mode, has its own. The list keeps the modes it offers.
TEST_F(GeoWindowTest, TheModePictureSaysHowTheChosenHeaterRuns) {
  struct Row {
    WindowId id;
    model::Int16 heater;
    const char* picture;
    int modes;
  };
  constexpr model::Int16 kGasFurnace = 1, kElectricDuctHeater = 31, kElectricBoiler = 34;
  const Row rows[] = {{WindowId::GeoA, kElectricDuctHeater, "AuxHeatElec.bmp", 2},
                      {WindowId::GeoA, kGasFurnace, "AuxHeat.bmp", 2},
                      {WindowId::GeoB, kElectricBoiler, "AuxHeatElec.bmp", 2},
                      {WindowId::GeoB, kGasFurnace, "AuxHeat.bmp", 2},
                      {WindowId::GeoT, kElectricDuctHeater, "AuxHeatElec.bmp", 1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.picture);
    GeoWindow& w = open(r.id, false);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    pick(w.form()[w.controls().ComboFurnace], r.heater);
    QComboBox* modes = w.form()[w.controls().ComboAuxHeat];
    QTest::mouseClick(modes, Qt::LeftButton);
    modes->hidePopup();
    EXPECT_TRUE(w.picture_panel().picture_path().endsWith(r.picture))
        << w.picture_panel().picture_path().toStdString();
    EXPECT_EQ(modes->count(), r.modes);
    w.hide();
  }
}

}  // namespace
}  // namespace pellavan::geo
