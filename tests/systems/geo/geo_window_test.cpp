// The Geo A and Geo B windows on the sample project: Run's validation in both displays, the
// descriptions written only after it, the change test in the displayed units, the restore and
// save of every block field and hydronic mode, the kW raise, and the result view's own panel.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/catalogue_lists.h"
#include "platform/control_widgets.h"
#include "platform/window_test_support.h"
#include "loads/calc/load_calculation.h"
#include "projects/project_set.h"
#include "sheet_view/spreadsheet_control.h"
#include "systems/geo/geo_t_block.h"
#include "systems/geo/geo_window_fixture.h"
#include "tools/data_copy.h"
#include "wbdump/formula_override.h"
#include "wbdump/sweep_houses.h"
#include "program_state/analysis_session.h"

namespace pellavan::geo {
namespace {

using program_state::WindowId;
using testing::GeoWindowTest;

struct Opening {
  WindowId id;
  bool metric;
};
constexpr Opening kOpenings[] = {{WindowId::GeoA, false},
                                 {WindowId::GeoA, true},
                                 {WindowId::GeoB, false},
                                 {WindowId::GeoB, true}};

struct RunCase {
  Opening opening;
  bool auto_size;
  TextBoxHandle GeoControls::*box;
  const char* text;
  const char* refusal;  // "" when Run goes on to the fill
};
const RunCase kRunCases[] = {
    {{WindowId::GeoA, false},
     true,
     &GeoControls::txtUqty,
     "0",
     "Tons Outside of Valid Range of .1 - 99"},
    {{WindowId::GeoA, true},
     true,
     &GeoControls::txtUqty,
     "0.05",
     "Tons Outside of Valid Range of .1 - 99"},
    {{WindowId::GeoA, true}, true, &GeoControls::txtGeoMin, "-6", ""},
    {{WindowId::GeoA, true}, true, &GeoControls::TxtGeoMax, "40", ""},
    {{WindowId::GeoA, true},
     true,
     &GeoControls::txtGeoMin,
     "-6.5",
     "Minimum Loop Temp Outside of Valid Range of -6 - 10"},
    {{WindowId::GeoA, true},
     true,
     &GeoControls::TxtGeoMax,
     "40.5",
     "Maximum Loop Temp Outside of Valid Range of 29 - 40"},
    {{WindowId::GeoA, true},
     true,
     &GeoControls::TxtGeoMax,
     "41",
     "Maximum Loop Temp Outside of Valid Range of 29 - 40"},
    {{WindowId::GeoB, true}, false, &GeoControls::txtTrBor, "15", ""},
    {{WindowId::GeoB, true},
     false,
     &GeoControls::txtTrBor,
     "14",
     "Bore/Trench Outside of Valid Range of 15 - 6096"},
    {{WindowId::GeoB, false},
     false,
     &GeoControls::txtTrBor,
     "49",
     "Bore/Trench Outside of Valid Range of 50 - 20000"},
    {{WindowId::GeoB, false},
     true,
     &GeoControls::txtDpth,
     "1.4",
     "Average Depth Outside of Valid Range of 2 - 250"},
    {{WindowId::GeoB, true},
     true,
     &GeoControls::txtDpth,
     "78",
     "Average Depth Outside of Valid Range of .6 - 77"},
    {{WindowId::GeoA, false},
     true,
     &GeoControls::txtDpth,
     "251",
     "Average Depth Outside of Valid Range of 2 - 250"},
    {{WindowId::GeoA, false},
     true,
     &GeoControls::txtDpth,
     "24",
     "Average Depth Outside of Valid Vertical Range of 25 - 250"},
    {{WindowId::GeoA, true},
     true,
     &GeoControls::txtDpth,
     "7.5",  // 24.6 ft
     "Average Depth Outside of Valid Vertical Range of 8 - 76"},
    {{WindowId::GeoA, false},
     true,
     &GeoControls::txtGeoMin,
     "19",
     "Minimum Loop Temp Outside of Valid Range of 20 - 50"},
    {{WindowId::GeoB, true},
     true,
     &GeoControls::txtGeoMin,
     "-7",
     "Minimum Loop Temp Outside of Valid Range of -6 - 10"},
    {{WindowId::GeoB, false}, true, &GeoControls::TxtGeoMax, "105", ""},
};

TEST_F(GeoWindowTest, RunStopsAtTheFirstRefusalWithItsMessage) {
  for (const RunCase& c : kRunCases) {
    SCOPED_TRACE(std::string(c.text) + (c.opening.metric ? " metric" : " imperial"));
    rec() = workbook::read_project_for_analysis(path_of("Sample Project.pvn"));
    GeoWindow& w = open(c.opening.id, c.opening.metric);
    w.form()[w.controls().chkAuto]->setChecked(c.auto_size);
    type(w, w.controls().*c.box, c.text);
    w.cmdRun_Click();
    const std::vector<std::string> expected =
        *c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{};
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(w.ResultsShown(), *c.refusal ? 0 : 1);
    w.Timer1().stop();
  }
}

// A text that shows no number is refused at Run with its box's message, in Geo A, B and T: the
// text stays as typed (leaving the box too) and the project keeps the value it had.
TEST_F(GeoWindowTest, RunRefusesATextThatShowsNoNumber) {
  using Prepare = void (*)(model::ProjectRec&);
  const Prepare per_ton = [](model::ProjectRec& r) { r.GeoA_UnitId = 12; };
  const Prepare tandem = [](model::ProjectRec& r) {
    r.GeoA_UnitId = 11;  // hydronic, in tandem with a per-ton unit
    r.GeoA_HydronicMode = 2;
    r.GeoA_Tandem = 1;
    r.GeoA_Unit2Id = 12;
  };
  const Prepare gas = [](model::ProjectRec& r) { r.GeoA_AuxId = 1; };
  struct Case {
    Opening opening;
    bool auto_size;
    Prepare setup;                    // or nullptr
    TextBoxHandle GeoControls::*box;  // nullptr: Geo A's second unit
    const char* text;
    const char* refusal;
  };
  const Case cases[] = {
      {{WindowId::GeoA, false},
       true,
       per_ton,
       &GeoControls::txtUqty,
       "1 t",
       "Tons Outside of Valid Range of .1 - 99"},
      {{WindowId::GeoA, false}, true, tandem, nullptr, "2 t", "Second Unit Tons Must Be a Number"},
      {{WindowId::GeoB, false},
       true,
       nullptr,
       &GeoControls::txtDpth,
       "9 ft",
       "Average Depth Outside of Valid Range of 2 - 250"},
      {{WindowId::GeoB, true},
       true,
       nullptr,
       &GeoControls::txtGeoMin,
       "1,90",
       "The Comma in \"1,90\" Cannot Separate Thousands: Please Type Decimals with a Point (1.90)"},
      {{WindowId::GeoT, true},
       true,
       nullptr,
       &GeoControls::TxtGeoMax,
       "abc",
       "Maximum Loop Temp Outside of Valid Range of 29 - 40"},
      {{WindowId::GeoT, false},
       false,
       nullptr,
       &GeoControls::txtTrBor,
       "50 ft",
       "Bore/Trench Outside of Valid Range of 50 - 20000"},
      {{WindowId::GeoA, false},
       true,
       gas,
       &GeoControls::txtInputCap,
       "1.2.3",
       "Furnace Input Outside of Valid Range of 1000 - 4000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    rec() = workbook::read_project_for_analysis(path_of("Sample Project.pvn"));
    if (c.setup != nullptr) c.setup(rec());
    GeoWindow& w = open(c.opening.id, c.opening.metric);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    messages.clear();
    w.form()[w.controls().chkAuto]->setChecked(c.auto_size);
    QLineEdit* typed = c.box != nullptr ? box(w, w.controls().*c.box) : w.form()[txtHybridUqty];
    ASSERT_TRUE(typed->isVisible());
    const auto& units = w.design().units;
    const auto binding = std::find_if(units.begin(), units.end(), [&](const auto& b) {
      return w.form().widget(b.control) == typed;
    });
    ASSERT_NE(binding, units.end());
    const double before = binding->field.get(rec());
    QPushButton* run = w.form()[w.controls().cmdRun];
    run->setEnabled(false);  // as after a run
    typed->setFocus();
    typed->selectAll();
    QTest::keyClicks(typed, c.text);
    QTest::keyClick(typed, Qt::Key_Tab);
    EXPECT_TRUE(run->isEnabled()) << "a text that shows no number is a change";
    QTest::mouseClick(run, Qt::LeftButton);
    EXPECT_EQ(messages, std::vector<std::string>{c.refusal});
    EXPECT_EQ(typed->text().toStdString(), c.text);
    EXPECT_EQ(binding->field.get(rec()), before);
    EXPECT_EQ(QApplication::focusWidget(), typed);
    EXPECT_EQ(w.ResultsShown(), 0);
    w.Timer1().stop();
  }
}

// Enter in a changed box runs; a refusal takes the cursor back to the refused box with its text
// selected, also after the message box took the focus, and Enter does not move it on: the
// correction typed at once replaces the text, no other box changes.
TEST_F(GeoWindowTest, ARefusedEntryTakesTheCursorBackToItsBox) {
  struct Case {
    Opening opening;
    TextBoxHandle GeoControls::*box;
    const char* text;
    const char* refusal;
    const char* correction;
  };
  const Case cases[] = {
      {{WindowId::GeoA, false},
       &GeoControls::txtInputCap,
       "1.500",
       "\"1.500\" Could Mean 1.5 or 1500: Please Type It without the Point",
       "100000"},
      {{WindowId::GeoB, false},
       &GeoControls::txtDpth,
       "300",
       "Average Depth Outside of Valid Range of 2 - 250",
       "120"},
      {{WindowId::GeoT, true},
       &GeoControls::txtDpth,
       "14,5",
       "The Comma in \"14,5\" Cannot Separate Thousands: Please Type Decimals with a Point (14.5)",
       "14.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    rec() = workbook::read_project_for_analysis(path_of("Sample Project.pvn"));
    rec().GeoA_AuxId = 1;  // a gas furnace: its input is checked
    GeoWindow& w = open(c.opening.id, c.opening.metric);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QLineEdit* typed = box(w, w.controls().*c.box);
    QTest::mouseClick(typed, Qt::LeftButton);
    QApplication::processEvents();  // the text selected on focus
    QTest::keyClicks(typed, c.text);
    messages.clear();
    on_message = [] { platform::testing::take_the_focus_as_a_message_box(); };
    QTest::keyClick(typed, Qt::Key_Return);
    on_message = nullptr;
    ASSERT_TRUE(platform::testing::active_again(&w));
    EXPECT_EQ(messages, std::vector<std::string>{c.refusal});
    const auto others = platform::testing::texts_but(&w, typed);
    QTest::keyClicks(QApplication::focusWidget(), c.correction);
    EXPECT_EQ(typed->text().toStdString(), c.correction);
    EXPECT_EQ(platform::testing::texts_but(&w, typed), others);
    w.Timer1().stop();
  }
}

TEST_F(GeoWindowTest, OnlyAValidRunDescribesTheUnfrozenColumnsOfItsSystem) {
  for (const WindowId id : {WindowId::GeoA, WindowId::GeoB}) {
    const int code = id == WindowId::GeoA ? 1 : 2;
    rec().System1_Type = static_cast<model::Int16>(code);
    rec().System2_Type = static_cast<model::Int16>(code);
    rec().System3_Type = 4;
    rec().System1_Freeze = 0;
    rec().System2_Freeze = 1;
    for (auto* d :
         {&rec().System1_Description, &rec().System2_Description, &rec().System3_Description})
      *d = "before";
    GeoWindow& w = open(id, false);
    type(w, w.controls().txtUqty, "0");
    w.cmdRun_Click();
    EXPECT_EQ(rec().System1_Description.trimmed(), "before") << "refused: nothing described";
    type(w, w.controls().txtUqty, "3");
    w.cmdRun_Click();
    w.Timer1().stop();
    const std::string joiner = code == 1 ? " / " : " and ";
    const std::string unit(trimmed(w.block().unit_name.get(rec())));
    const std::string loop(trimmed(w.block().loop_name.get(rec())));
    const std::string second =
        code == 1 && rec().GeoA_Tandem == 1 ? " / " + rec().GeoA_Unit2Name.trimmed() : "";
    EXPECT_EQ(rec().System1_Description.trimmed(), unit + second + joiner + loop);
    EXPECT_EQ(rec().System2_Description.trimmed(), "before") << "frozen";
    EXPECT_EQ(rec().System3_Description.trimmed(), "before") << "another system";
  }
}

TEST_F(GeoWindowTest, LeavingUnchangedFieldsChangesNothingInEitherDisplay) {
  for (const Opening& o : kOpenings) {
    SCOPED_TRACE(o.metric ? "metric" : "imperial");
    GeoWindow& w = open(o.id, o.metric);
    QPushButton* run = w.form()[w.controls().cmdRun];
    run->setEnabled(false);
    for (const model::UnitBinding& b : w.design().units) {
      platform::ControlEvent left{.event = platform::Event::LostFocus, .control = b.control};
      w.text_LostFocus(left);
    }
    EXPECT_FALSE(run->isEnabled());
    type(w, w.controls().txtDpth, "61");
    platform::ControlEvent left{.event = platform::Event::LostFocus,
                                .control = w.controls().txtDpth.ref};
    w.text_LostFocus(left);
    EXPECT_TRUE(run->isEnabled());
    platform::ControlEvent enter{
        .event = platform::Event::KeyPress, .control = left.control, .key = 13};
    w.text_KeyPress(enter);
    EXPECT_EQ(w.ResultsShown(), 1) << "Enter in a changed field runs";
    w.Timer1().stop();
  }
}

TEST_F(GeoWindowTest, TheBoreEntryIsCutBackWhenLeft) {
  struct Entry {
    bool metric;
    const char* typed;
    const char* kept;
  };
  for (const Entry e : {Entry{false, "40000", "31500"}, Entry{false, "32000", "32000"},
                        Entry{false, "4e4", "31500"}, Entry{false, "3.2e4", "3.2e4"},
                        Entry{true, "2000", "1096"}, Entry{true, "1114", "1114"},
                        Entry{true, "1.1141E3", "1096"}, Entry{true, "1.114d3", "1.114d3"}}) {
    GeoWindow& w = open(WindowId::GeoB, e.metric);
    type(w, w.controls().txtTrBor, e.typed);
    platform::ControlEvent left{.event = platform::Event::LostFocus,
                                .control = w.controls().txtTrBor.ref};
    w.text_LostFocus(left);
    EXPECT_EQ(box(w, w.controls().txtTrBor)->text().toStdString(), e.kept) << e.typed;
  }
}

// The change test reads a field as Save stores it, exponent included.
TEST_F(GeoWindowTest, AnExponentCountsInTheChangeTest) {
  struct Entry {
    const char* typed;
    bool changed;
  };
  rec().GeoB_Tons = model::Currency::from_double(10);
  for (const Entry e :
       {Entry{"1e1", false}, Entry{"1", true}, Entry{"1.0E+1", false}, Entry{"1e2", true}}) {
    GeoWindow& w = open(WindowId::GeoB, false);
    QPushButton* run = w.form()[w.controls().cmdRun];
    run->setEnabled(false);
    type(w, w.controls().txtUqty, e.typed);
    platform::ControlEvent left{.event = platform::Event::LostFocus,
                                .control = w.controls().txtUqty.ref};
    w.text_LostFocus(left);
    EXPECT_EQ(run->isEnabled(), e.changed) << e.typed;
  }
}

TEST_F(GeoWindowTest, SavingARestoredWindowKeepsEveryFieldOfTheBlock) {
  for (const Opening& o : kOpenings) {
    SCOPED_TRACE(o.metric ? "metric" : "imperial");
    GeoWindow& w = open(o.id, o.metric);
    const model::ProjectRec before = rec();
    w.Save_It();
    const GeoBlock& b = w.block();
    for (const Number* f : {&b.unit_id, &b.tons, &b.loop_id, &b.soil_id, &b.depth, &b.bore,
                            &b.hw_generator, &b.loop_hybrid, &b.min_temp, &b.max_temp, &b.auto_size,
                            &b.aux_id, &b.aux_input, &b.water_heater_id, &b.aux_mode})
      EXPECT_EQ(f->get(rec()), f->get(before))
          << static_cast<const model::ProjectNumber*>(f) - &b.unit_id;
    // The metric loop and soil catalogues name the same ids in metric units.
    if (o.metric) continue;
    for (const Name* f :
         {&b.unit_name, &b.loop_name, &b.soil_name, &b.aux_name, &b.water_heater_name})
      EXPECT_EQ(trimmed(f->get(rec())), trimmed(f->get(before)));
  }
}

// Feet shown, the depth is shown and stored whole, halves to the even neighbour, whether it was
// typed or restored from a file that holds a fraction.
TEST_F(GeoWindowTest, TheDepthInFeetIsKeptWhole) {
  struct Case {
    double stored;
    const char* typed;  // nullptr: left as restored
    const char* shown;
    double kept;
  };
  const Case kCases[] = {{100.5, nullptr, "100", 100},  {101.5, nullptr, "102", 102},
                         {100.25, nullptr, "100", 100}, {60, "100.5", "100.5", 100},
                         {60, "12.5", "12.5", 12},      {60, "1.5", "1.5", 2}};
  for (const WindowId id : {WindowId::GeoA, WindowId::GeoB, WindowId::GeoT}) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(c.stored);
      for (const GeoBlock* b : {&kGeoABlock, &kGeoBBlock, &kGeoTBlock})
        b->depth.set(rec(), c.stored);
      GeoWindow& w = open(id, false);
      if (c.typed != nullptr) type(w, w.controls().txtDpth, c.typed);
      EXPECT_EQ(box(w, w.controls().txtDpth)->text().toStdString(), c.shown);
      w.Save_It();
      EXPECT_EQ(w.block().depth.get(rec()), c.kept);
    }
  }
}

TEST_F(GeoWindowTest, EveryHydronicModeIsRestoredAndSavedAgain) {
  struct Mode {
    model::Int16 mode, tandem;
  };
  for (const Mode m : {Mode{1, 0}, Mode{2, 1}, Mode{3, 1}, Mode{4, 0}}) {
    SCOPED_TRACE(m.mode);
    rec().GeoA_UnitId = 11;  // a hydronic unit
    rec().GeoA_HydronicMode = m.mode;
    rec().GeoA_Tandem = m.tandem;
    rec().GeoA_Unit2Id = 2;
    GeoWindow& w = open(WindowId::GeoA, false);
    w.Save_It();
    EXPECT_EQ(rec().GeoA_HydronicMode, m.mode);
    EXPECT_EQ(rec().GeoA_Tandem, m.tandem);
  }
}

TEST_F(GeoWindowTest, AKwInputBelowTheExactMinimumIsRaisedToIt) {
  GeoWindow& w = open(WindowId::GeoA, true);
  state->analysis().loads().MinBackupHeat = 33584;  // 12.3 kW of output from 0.8 efficiency
  ASSERT_TRUE(platform::select_id(w.form()[w.controls().ComboFurnace], 1));
  struct Entry {
    const char* typed;
    const char* kept;
  };
  for (const Entry e : {Entry{"12", "12.3"}, Entry{"1.229e1", "12.3"}, Entry{"1.23e1", "1.23e1"}}) {
    type(w, w.controls().txtInputCap, e.typed);
    w.ComboFurnace_Click();
    EXPECT_EQ(box(w, w.controls().txtInputCap)->text().toStdString(), e.kept);
  }
  EXPECT_NEAR(w.MinInputKW(), 12.3, 1e-4);
  w.cmdRun_Click();
  EXPECT_TRUE(messages.empty()) << messages.front();
  w.Timer1().stop();
}

// kW display: the minimum a chosen furnace proposes, shown to one decimal, passes Run, in both
// geothermal windows and whether the exact minimum lies below or above what is shown.
TEST_F(GeoWindowTest, AProposedMinimumPassesRun) {
  struct Row {
    program_state::WindowId id;
    model::Int32 backup;  // Btu/h of backup heat; the gas furnace has an efficiency of 0.8
    const char* shown;
  };
  const Row rows[] = {{WindowId::GeoA, 113667, "41.6"},  // 41.63 kW
                      {WindowId::GeoB, 113667, "41.6"},
                      {WindowId::GeoA, 113803, "41.7"}};  // 41.68 kW
  for (const Row& r : rows) {
    SCOPED_TRACE(r.shown);
    rec() = workbook::read_project_for_analysis(path_of("Sample Project.pvn"));
    GeoWindow& w = open(r.id, true);
    state->analysis().loads().MinBackupHeat = r.backup;
    QComboBox* furnaces = w.form()[w.controls().ComboFurnace];
    pick(furnaces, 3);
    QLineEdit* input = box(w, w.controls().txtInputCap);
    input->selectAll();
    QTest::keyClicks(input, "1");
    pick(furnaces, 1);
    EXPECT_EQ(input->text().toStdString(), r.shown);
    QTest::mouseClick(w.form()[w.controls().cmdRun], Qt::LeftButton);
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(w.ResultsShown(), 1);
    w.Timer1().stop();
  }
}

TEST_F(GeoWindowTest, TheResultViewKeepsItsPanelWhateverTheReportsViewShows) {
  for (const Opening& o : kOpenings) {
    SCOPED_TRACE(o.metric ? "metric" : "imperial");
    GeoWindow& w = open(o.id, o.metric);
    w.cmdRun_Click();
    ASSERT_EQ(w.ResultsShown(), 1);
    w.Timer1_Timer();
    state->analysis().F1Book1().ActiveSheet(1);
    const sheet::view::SpreadsheetControl& view = w.result_view();
    EXPECT_EQ(view.ActiveSheet(), w.block().kind->result_sheet);
    EXPECT_EQ(view.ViewFirstCol(), o.metric ? 10 : 1);
    EXPECT_EQ(view.ViewLastCol(), o.metric ? 16 : 7);
    EXPECT_EQ(view.ViewLastRow(), 29);
    EXPECT_FALSE(view.isHidden());
    w.show();  // laid out at its design size
    EXPECT_EQ(view.view().horizontalScrollBar()->maximum(), 0) << "the whole panel in sight";
    w.hide();
    w.BtnBin_Click();
    EXPECT_EQ(modal_shown.back(), "Form12");
  }
}

// A rate no window would accept: the fill analyses no system on it, so Run shows no results,
// and its warning names the rate.
TEST_F(GeoWindowTest, ARunOnARateOutOfRangeShowsNoResults) {
  GeoWindow& w = open(WindowId::GeoA, false);
  state->model.ProjectRec.Rates_PropaneWinter =
      model::Currency::from_double_saturated(634106827533767.94);
  w.cmdRun_Click();
  ASSERT_EQ(w.ResultsShown(), 1);
  w.Timer1_Timer();
  EXPECT_EQ(w.ResultsShown(), 0);
  EXPECT_TRUE(w.result_view().isHidden());
  EXPECT_THAT(messages, ::testing::Contains(::testing::HasSubstr(
                            "Utility Information Holds a Propane Winter Rate of "
                            "634,106,827,533,768, Which Is Out of Range")));
}

// A unit record of figures no unit can have is named as the Project Report names it, where the
// window reads it and on Run, which shows no results of it.
TEST_F(GeoWindowTest, ADamagedUnitRecordIsNamedInItsWindow) {
  pellavan::testing::DataCopy data(model.program_folder / "Data");
  data.damage<model::GeoUnitRec>(
      state->model.edition().unit_file, rec().GeoB_UnitId,
      [](model::GeoUnitRec& u) { u.Perf(1) = model::Currency::from_double_saturated(5e7); });
  start(data.folder);
  state->windows.unload(WindowId::GeoB);
  auto& w = *static_cast<GeoWindow*>(state->windows.window(WindowId::GeoB, *state));
  w.Form_Activate();
  EXPECT_THAT(messages, ::testing::Contains("UnitData.CEA Record 4 Is Damaged"));
  messages.clear();
  w.cmdRun_Click();
  w.Timer1_Timer();
  EXPECT_EQ(w.ResultsShown(), 0);
  EXPECT_TRUE(w.result_view().isHidden());
  EXPECT_THAT(messages, ::testing::Contains(::testing::HasSubstr(
                            "Geo B Uses UnitData.CEA Record 4, Which Is Damaged")));
}

// The pointer over the result view writes the help line in Geo B and Geo T only; a click on
// Geo A's water-heater caption writes it there.
TEST_F(GeoWindowTest, TheResultViewAndTheWaterHeaterCaptionWriteTheHelpLine) {
  struct Case {
    WindowId id;
    const char* over_view;
  };
  const Case cases[] = {{WindowId::GeoA, "before"},
                        {WindowId::GeoB, "Add Help Here"},
                        {WindowId::GeoT, "Add Help Here"}};
  for (const Case& c : cases) {
    GeoWindow& w = open(c.id, false);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    w.form().set_help_line("before");
    QWidget* view = w.form().control("F1Book1");
    view->show();            // as a run shows it
    QTest::mouseMove(view);  // onto the sheet the window placed in it
    EXPECT_EQ(w.form().help_line(), c.over_view);
  }
  GeoWindow& a = open(WindowId::GeoA, false);
  a.form().set_help_line("before");
  QWidget* caption = a.form().control("Label40");
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(1, 1), caption->mapToGlobal(QPointF(1, 1)),
                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(caption, &click);
  EXPECT_EQ(a.form().help_line(), "Add Help Here");
}

// Enter in a list moves on once its handlers are done, by a queued Tab.
TEST_F(GeoWindowTest, EnterInAListMovesOnAfterItsHandlers) {
  for (const WindowId id : {WindowId::GeoA, WindowId::GeoB, WindowId::GeoT}) {
    GeoWindow& w = open(id, false);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QWidget* list = w.form().control("comboLoop");
    list->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list, &enter);
    EXPECT_EQ(QApplication::focusWidget(), list);
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), list);
    w.hide();
  }
}

// Dropping a list down does not leave it: the list stays cyan and the stale results hidden
// until the focus moves on.
TEST_F(GeoWindowTest, ADroppedListKeepsTheResultViewHidden) {
  struct Case {
    WindowId id;
    ComboHandle GeoControls::*list;
  };
  // Geo A's loop list is not highlighted by the focus, only by its drop-down.
  for (const Case c : {Case{WindowId::GeoA, &GeoControls::comboLoop},
                       Case{WindowId::GeoB, &GeoControls::comboSoil},
                       Case{WindowId::GeoT, &GeoControls::ComboWH}}) {
    GeoWindow& w = open(c.id, false);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    w.cmdRun_Click();
    w.Timer1_Timer();
    QComboBox* list = w.form()[w.controls().*c.list];
    QTest::mouseClick(list, Qt::LeftButton);
    ASSERT_TRUE(list->view()->isVisible()) << "dropped down";
    QApplication::processEvents();
    EXPECT_TRUE(w.result_view().isHidden());
    EXPECT_EQ(list->palette().color(QPalette::Base).rgb(), platform::kHighlightColour);
    list->hidePopup();
    QApplication::processEvents();
    EXPECT_TRUE(w.result_view().isHidden());
    w.form()[w.controls().txtDpth]->setFocus();
    EXPECT_FALSE(w.result_view().isHidden()) << "left";
    EXPECT_EQ(list->palette().color(QPalette::Base).rgb(), platform::kFieldColour);
    w.hide();
  }
}

TEST_F(GeoWindowTest, AnUnusableFillWarnsOnceAndStillShowsThePanel) {
  rec() =
      workbook::read_project_for_analysis(pellavan::testing::damaged_project("missing_furnace"));
  GeoWindow& w = open(WindowId::GeoA, false);
  w.cmdRun_Click();
  ASSERT_EQ(w.ResultsShown(), 1) << (messages.empty() ? "" : messages.front());
  w.Timer1_Timer();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("FossData.CEA Record 77, Which Is Missing"), std::string::npos)
      << messages[0];
  EXPECT_FALSE(w.result_view().isHidden());
  EXPECT_TRUE(w.form()[w.controls().BtnBin]->isEnabled());
}

// A Run whose analysis cannot settle on a figure names it with its range in the display's units,
// and the results are shown as they are.
TEST_F(GeoWindowTest, AFigureNotSettledOnIsNamedAndThePanelStillShows) {
  workbook::ProjectAnalysis finding(model.program_folder);
  finding.book = wbdump::old_backup_template();
  const auto house = wbdump::widest_cycle_house(
      finding, workbook::read_project_for_analysis(path_of("Sample Project.pvn")));
  ASSERT_TRUE(house) << "the large house settles in every city of the climate table";
  state->analysis().F1Book1().book() = wbdump::old_backup_template();
  state->model.CurrencyLabel = "$ CND";
  for (const bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "metric" : "imperial");
    rec() = *house;
    state->analysis().Calc_Loads();
    loads::Min_Backup(state->model, state->analysis().loads());
    GeoWindow& w = open(WindowId::GeoA, metric);
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QTest::mouseClick(w.form()[w.controls().cmdRun], Qt::LeftButton);
    ASSERT_EQ(w.ResultsShown(), 1) << (messages.empty() ? "" : messages.front());
    w.Timer1_Timer();
    ASSERT_EQ(messages.size(), 1u);
    const std::string range = metric ? "between [0-9,]+ and [0-9,]+ \\$ CND a year"
                                     : "between \\$[0-9,]+ and \\$[0-9,]+ a year";
    EXPECT_THAT(messages[0], ::testing::ContainsRegex("Geo A heating cost: " + range +
                                                      "; the analysis could not settle on one "
                                                      "figure"));
    EXPECT_EQ(messages[0].find("may be wrong"), std::string::npos) << messages[0];
    EXPECT_FALSE(w.result_view().isHidden());
    EXPECT_TRUE(w.form()[w.controls().BtnBin]->isEnabled());
    messages.clear();
    w.hide();
  }
}

}  // namespace
}  // namespace pellavan::geo
