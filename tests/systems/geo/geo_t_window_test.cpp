// The Geo T window on the sample project: the defaults of an empty block, the water-heater
// list of JN units, the capacity lists with their restore and change test, the quantity box,
// Save's replacements, the unit record refused, Run's refusals, the result panel and viewers.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include "platform/catalogue_lists.h"
#include "platform/control_widgets.h"
#include "platform/window_test_support.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_picture_panel.h"
#include "systems/geo/geo_t_block.h"
#include "systems/geo/geo_t_window.h"
#include "systems/geo/geo_t_window_design.h"
#include "systems/geo/geo_window_fixture.h"
#include "projects/project_set.h"
#include "workbook/report_sheets.h"
#include "workbook/unmet_display.h"

namespace pellavan::geo {
namespace {

using model::BinView;
using model::BinViewId;
using systems::BinViewer;
using systems::prepare_bin_viewer;

using program_state::WindowId;
using workbook::testing::UnmetRows;

class GeoTWindowTest : public testing::GeoWindowTest {
 protected:
  GeoTWindow& open_t(bool metric) { return static_cast<GeoTWindow&>(open(WindowId::GeoT, metric)); }
  static std::vector<std::string> texts(GeoTWindow& w, ComboHandle list) {
    std::vector<std::string> out;
    for (int i = 0; i < w.form()[list]->count(); ++i)
      out.push_back(w.form()[list]->itemText(i).toStdString());
    return out;
  }
  static std::string chosen(GeoTWindow& w, ComboHandle list) {
    return w.form()[list]->currentText().toStdString();
  }
  static void choose(GeoTWindow& w, ComboHandle list, model::Int16 id) {
    ASSERT_TRUE(platform::select_id(w.form()[list], id)) << id;
  }
  static void leave(GeoTWindow& w, TextBoxHandle box) {
    platform::ControlEvent left{.event = platform::Event::LostFocus, .control = box.ref};
    w.text_LostFocus(left);
  }
};

TEST_F(GeoTWindowTest, AnEmptyBlockOpensWithTheDefaultIdsAndLimits) {
  for (const GeoTDefaultId& d : kGeoTDefaultIds) d.field.set(rec(), 0);
  for (CapacityLimit l : {CapacityLimit::HeatMax, CapacityLimit::CoolMax, CapacityLimit::HeatMin,
                          CapacityLimit::CoolMin})
    capacity_field(l).set(rec(), 0);
  GeoTWindow& w = open_t(false);
  const GeoControls& c = w.controls();
  const ComboHandle lists[] = {c.comboUnit, c.comboLoop, c.comboSoil, c.ComboFurnace, c.ComboWH};
  for (std::size_t i = 0; i < std::size(kGeoTDefaultIds); ++i) {
    EXPECT_EQ(kGeoTDefaultIds[i].field.get(rec()), kGeoTDefaultIds[i].id);
    EXPECT_EQ(platform::selected_id(w.form()[lists[i]]), kGeoTDefaultIds[i].id);
  }
  // Unit 3 has 60000 Btu/h at most.
  EXPECT_EQ(chosen(w, ComboHmax), "60000");
  EXPECT_EQ(chosen(w, ComboCmax), "48000");
  EXPECT_EQ(chosen(w, ComboHmin), "18000");
  EXPECT_EQ(chosen(w, ComboCmin), "18000");
  w.Save_It();
  EXPECT_EQ(rec().GeoT_HeatCapMax.to_double(), 1.0);
  EXPECT_EQ(rec().GeoT_CoolCapMax.to_double(), 0.8);
  EXPECT_EQ(rec().GeoT_HeatCapMin.to_double(), 0.3);
  EXPECT_EQ(rec().GeoT_CoolCapMin.to_double(), 0.3);
}

TEST_F(GeoTWindowTest, JnUnitsListWaterHeatersFromRecordTwelve) {
  struct Case {
    model::Int16 unit;
    model::Int16 first_heater;
  };
  for (const Case k : {Case{1, 12}, Case{3, 12}, Case{5, 1}}) {
    GeoTWindow& w = open_t(false);
    choose(w, w.controls().comboUnit, k.unit);
    EXPECT_EQ(w.form()[w.controls().ComboWH]->itemData(0).toInt(), k.first_heater) << k.unit;
    EXPECT_EQ(messages, std::vector<std::string>{});
  }
}

TEST_F(GeoTWindowTest, TheCapacityListsFollowTheUnitAndTheQuantity) {
  GeoTWindow& w = open_t(false);
  const GeoControls& c = w.controls();
  choose(w, c.comboUnit, 1);  // 36000 Btu/h, type 2
  EXPECT_EQ(texts(w, ComboHmax),
            (std::vector<std::string>{"21600", "25200", "28800", "32400", "36000"}));
  EXPECT_EQ(chosen(w, ComboHmax), "36000");
  EXPECT_EQ(chosen(w, ComboCmax), "28800");
  EXPECT_EQ(texts(w, ComboCmin), (std::vector<std::string>{"10800", "14400", "18000"}));
  EXPECT_TRUE(w.form()[c.txtUqty]->isHidden());
  EXPECT_EQ(w.form()[c.txtUqty]->text().toStdString(), "1");
  choose(w, c.comboUnit, 5);  // 60000 Btu/h, type 1: the quantity box
  EXPECT_FALSE(w.form()[c.txtUqty]->isHidden());
  type(w, c.txtUqty, "4");
  leave(w, c.txtUqty);
  EXPECT_EQ(texts(w, ComboHmin), (std::vector<std::string>{"18000", "24000", "30000"}));
  EXPECT_EQ(chosen(w, ComboHmax), "60000");
  // Leaving it with 0 keeps the lists and takes the highlight away.
  platform::set_field_colour(w.form()[c.txtUqty], platform::kHighlightColour);
  type(w, c.txtUqty, "0");
  leave(w, c.txtUqty);
  EXPECT_EQ(texts(w, ComboHmin), (std::vector<std::string>{"18000", "24000", "30000"}));
  EXPECT_EQ(w.form()[c.txtUqty]->palette().color(QPalette::Base).rgba(), platform::kFieldColour);
  w.cmdRun_Click();
  EXPECT_EQ(messages, std::vector<std::string>{"Tons Outside of Valid Range of .1 - 99"});
}

TEST_F(GeoTWindowTest, StoredLimitsAreRestoredAndOnlyAnotherChoiceEnablesRun) {
  rec().GeoT_UnitId = 1;
  // A fraction of no entry keeps the default.
  for (const auto& [stored, shown] : {std::pair{0.65, "36000"}, std::pair{0.7, "25200"}}) {
    rec().GeoT_HeatCapMax = model::Currency::from_double(stored);
    EXPECT_EQ(chosen(open_t(false), ComboHmax), shown) << stored;
  }
  GeoTWindow& w = open_t(false);
  const GeoControls& c = w.controls();
  QPushButton* run = w.form()[c.cmdRun];
  QPushButton* op = w.form()[BtnOp];
  run->setEnabled(false);
  op->setEnabled(true);
  choose(w, ComboHmax, 7);
  EXPECT_FALSE(run->isEnabled());
  choose(w, ComboHmax, 9);
  EXPECT_TRUE(run->isEnabled());
  EXPECT_FALSE(op->isEnabled());
  w.Save_It();
  EXPECT_EQ(rec().GeoT_HeatCapMax.to_double(), 0.9);
}

TEST_F(GeoTWindowTest, SaveReplacesEmptyEntries) {
  struct Case {
    bool metric;
    const char* depth;
    double stored_depth;
    const char* low;
    const char* high;
    int stored_low, stored_high;
  };
  const Case cases[] = {{false, "", 100, "", "0", 30, 90},
                        {false, "0", 0, "abc", "95", 30, 95},
                        {true, "", 100, "-2", "", 28, 194}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.metric ? "metric" : "imperial");
    rec().GeoT_Depth = model::Currency::from_double(100);
    GeoTWindow& w = open_t(k.metric);
    type(w, w.controls().txtDpth, k.depth);
    type(w, w.controls().txtGeoMin, k.low);
    type(w, w.controls().TxtGeoMax, k.high);
    w.Save_It();
    EXPECT_NEAR(rec().GeoT_Depth.to_double(), k.stored_depth, 1e-3);
    EXPECT_EQ(rec().GeoT_LoopMinTemp, k.stored_low);
    EXPECT_EQ(rec().GeoT_LoopMaxTemp, k.stored_high);
  }
}

TEST_F(GeoTWindowTest, AUnitMissingFromTheFileIsRefusedWhenChosenAndAtRun) {
  GeoTWindow& w = open_t(false);
  QComboBox* units = w.form()[w.controls().comboUnit];
  units->addItem(QStringLiteral("Ghost 1"), QVariant(int{99}));
  w.form()[w.controls().comboUnit2]->addItem(QStringLiteral("Ghost.bmp"), QVariant(int{99}));
  units->setCurrentIndex(units->count() - 1);
  EXPECT_EQ(messages, std::vector<std::string>{"Unit Data Not Found"});
  messages.clear();
  w.cmdRun_Click();
  EXPECT_EQ(messages, std::vector<std::string>{"Unit Data Not Found"});
  EXPECT_EQ(w.ResultsShown(), 0);
}

TEST_F(GeoTWindowTest, WellWaterShowsItsNoticeAndKeepsTheChoice) {
  struct Case {
    model::Int16 unit, loop;
    bool notice;
    bool soil_shown;
  };
  for (const Case k : {Case{5, 10, true, false}, Case{1, 10, true, false}, Case{5, 9, false, false},
                       Case{5, 23, false, true}}) {
    GeoTWindow& w = open_t(false);
    choose(w, w.controls().comboUnit, k.unit);
    w.form()[w.controls().optHybrid1]->setChecked(true);
    messages.clear();
    choose(w, w.controls().comboLoop, k.loop);
    EXPECT_EQ(messages.size(), k.notice ? 1U : 0U) << k.loop;
    if (k.notice) {
      EXPECT_EQ(messages.front(),
                "JN/JR Models using Well Water require an External Brazed Plate HX."
                "\n\nConsult Oskerby Application Engineering for Details.");
    }
    EXPECT_EQ(platform::selected_id(w.form()[w.controls().comboLoop]), k.loop);
    EXPECT_EQ(!w.form()[w.controls().comboSoil]->isHidden(), k.soil_shown);
    // Only a hybrid-capable unit (type 1 or 3) on an open loop is set back to "No".
    const bool set_back = k.unit == 5 && !k.soil_shown;
    EXPECT_EQ(w.form()[w.controls().optHybrid2]->isChecked(), set_back) << k.unit << "/" << k.loop;
  }
}

struct RunCase {
  bool metric;
  bool auto_size;
  TextBoxHandle GeoControls::*box;
  const char* text;
  const char* refusal;  // "" when Run goes on to the fill
};
const RunCase kRunCases[] = {
    {false, true, &GeoControls::txtDpth, "100", ""},
    {false, true, &GeoControls::txtDpth, "0", "Average Depth Outside of Valid Range of 2 - 250"},
    {true, true, &GeoControls::txtDpth, "76", ""},
    {true, true, &GeoControls::txtDpth, "76.5",
     "Average Depth Outside of Valid Vertical Range of 8 - 76"},
    {true, true, &GeoControls::TxtGeoMax, "41",
     "Maximum Loop Temp Outside of Valid Range of 29 - 40"},
    {true, true, &GeoControls::TxtGeoMax, "40.5",
     "Maximum Loop Temp Outside of Valid Range of 29 - 40"},
    {true, true, &GeoControls::txtGeoMin, "-6.5",
     "Minimum Loop Temp Outside of Valid Range of -6 - 10"},
    {true, true, &GeoControls::txtUqty, "0.05", ""},
    {false, true, &GeoControls::txtUqty, "99.01", "Tons Outside of Valid Range of .1 - 99"},
    {false, true, &GeoControls::txtGeoMin, "19",
     "Minimum Loop Temp Outside of Valid Range of 20 - 50"},
    {false, false, &GeoControls::txtGeoMin, "19",
     "Bore/Trench Outside of Valid Range of 50 - 20000"},
    {true, false, &GeoControls::txtTrBor, "15", ""},
};

TEST_F(GeoTWindowTest, RunStopsAtTheFirstRefusalInEitherDisplay) {
  for (const model::RangeCheck& row : kGeoTCheckTables[1].rows)
    EXPECT_NE(row.value, kTons) << "the quantity is checked by Geo T's own row only";
  for (const RunCase& k : kRunCases) {
    SCOPED_TRACE(std::string(k.text) + (k.metric ? " metric" : " imperial"));
    rec() = workbook::read_project_for_analysis(path_of("Sample Project.pvn"));
    GeoTWindow& w = open_t(k.metric);
    w.form()[w.controls().chkAuto]->setChecked(k.auto_size);
    type(w, w.controls().*k.box, k.text);
    w.cmdRun_Click();
    const std::vector<std::string> expected =
        *k.refusal ? std::vector<std::string>{k.refusal} : std::vector<std::string>{};
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(w.ResultsShown(), *k.refusal ? 0 : 1);
    w.Timer1().stop();
  }
}

TEST_F(GeoTWindowTest, RunDescribesItsColumnsAndShowsGtqThenBothViewersOpen) {
  for (const bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "metric" : "imperial");
    rec().System1_Type = 6;
    rec().System1_Freeze = 0;
    rec().System1_Description = "before";
    GeoTWindow& w = open_t(metric);
    QPushButton* run = w.form()[w.controls().cmdRun];
    run->setEnabled(false);
    for (const model::UnitBinding& b : w.design().units) {
      platform::ControlEvent left{.event = platform::Event::LostFocus, .control = b.control};
      w.text_LostFocus(left);
    }
    EXPECT_FALSE(run->isEnabled()) << "unchanged entries, compared as shown";
    type(w, w.controls().txtUqty, "0");
    w.cmdRun_Click();
    EXPECT_EQ(rec().System1_Description.trimmed(), "before") << "refused: nothing described";
    type(w, w.controls().txtUqty, "1");
    messages.clear();
    w.cmdRun_Click();
    ASSERT_EQ(w.ResultsShown(), 1);
    EXPECT_FALSE(w.form()[BtnOp]->isEnabled());
    w.Timer1_Timer();
    EXPECT_EQ(rec().System1_Description.trimmed(),
              std::string(trimmed(rec().GeoT_UnitName.str())) + " and " +
                  std::string(trimmed(rec().GeoT_LoopName.str())));
    const sheet::view::SpreadsheetControl& view = w.result_view();
    EXPECT_EQ(view.ActiveSheet(), 27);
    EXPECT_EQ(view.ViewFirstCol(), metric ? 10 : 1);
    EXPECT_FALSE(view.isHidden());
    EXPECT_TRUE(w.form()[BtnOp]->isEnabled());
    w.Soil_Pic();
    platform::ControlEvent left{.event = platform::Event::LostFocus,
                                .control = w.controls().comboSoil.ref};
    w.list_LostFocus(left);
    EXPECT_TRUE(w.picture_panel().picture_shown()) << "the soil picture stays under the view";
    EXPECT_FALSE(view.isHidden());
    for (const BinViewId code : {BinViewId::GeoTBin, BinViewId::GeoTOp}) {
      if (code == BinViewId::GeoTBin)
        w.BtnBin_Click();
      else
        w.BtnOp_Click();
      EXPECT_EQ(modal_shown.back(), "Form12");
      EXPECT_EQ(state->BinViewCode, code);
    }
  }
}

// A Geo T too small for the house: after a click on Run its panel says, in either display, what
// share of the heating and the cooling it meets and how much it leaves, as its summary does.
TEST_F(GeoTWindowTest, RunOnAnUndersizedUnitShowsTheLoadItLeavesUnmet) {
  for (const bool metric : {false, true}) {
    rec() =
        workbook::read_project_for_analysis(pellavan::testing::set_project_file("houston_geo_t"));
    // 250 ft shows as 76.2 m, beyond the metric depths' 76.
    if (metric) rec().GeoT_Depth = model::Currency::from_double(240);
    state->analysis().Calc_Loads();
    GeoTWindow& w = open_t(metric);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QTest::mouseClick(w.form()[w.controls().cmdRun], Qt::LeftButton);
    ASSERT_EQ(w.ResultsShown(), 1) << (messages.empty() ? "" : messages.front());
    w.Timer1_Timer();
    const sheet::Book& book = w.result_view().book();
    for (const UnmetRows& u :
         {UnmetRows{"Heating", 2, 12, "I24"}, UnmetRows{"Cooling", 13, 16, "I32"}}) {
      ASSERT_FALSE(workbook::testing::shown(book, workbook::kGtsSheet, u.sentence).empty());
      workbook::testing::expect_panel_names_unmet(book, workbook::kGtqSheet, workbook::kGtsSheet,
                                                  metric, u);
    }
    w.hide();
  }
}

}  // namespace
}  // namespace pellavan::geo
