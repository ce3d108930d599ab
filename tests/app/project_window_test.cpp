// The project-information window on the built city file: activation, Done, the unit round trips
// and the faults of the kW and °C displays.
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QTest>
#include <fstream>

#include "app/program.h"
#include "systems/stored_figures.h"
#include "model/record/record_layout.h"
#include "model/records/city_rec.h"
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "app/loads_windows_fixture.h"
#include "app/project_window_design.h"
#include "app/scale_bar.h"
#include "platform/window_test_support.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {
namespace {

class ProjectWindowTest : public testing::LoadsWindowsFixture {};

TEST_F(ProjectWindowTest, OpensOnTheJobPageWithTheCityAndItsCorrection) {
  state->model.ProjectRec.Loads_SolarGain = 0;  // never set: shown and stored as 3
  ProjectWindow& w = shown_project_window();
  EXPECT_EQ(w.form().get<QTabWidget>("SSTab1")->currentIndex(), 0);
  EXPECT_EQ(w.city_text().trimmed(), "St. Louis");
  EXPECT_EQ(box("txtCname")->text(), "") << "a field never assigned shows empty";
  EXPECT_EQ(w.form().label("lblRoom")->text(), "160");
  EXPECT_EQ(w.form().get<QListWidget>("comboState")->currentItem()->text().trimmed(), "MO");
  EXPECT_EQ(w.form().get<QScrollBar>("HscrSolar")->value(), 3);
  EXPECT_EQ(state->model.ProjectRec.Loads_SolarGain, 3);
  EXPECT_EQ(w.form().label("lblCd")->text(), "0.71");
  EXPECT_EQ(w.form().label("lblCdHigh")->text(), "0.83");
  EXPECT_NEAR(w.scale().fraction(), (0.7067 - 0.83) / (0.46 - 0.83), 1e-4);
  EXPECT_TRUE(messages.empty()) << qPrintable(messages.front().text);
  // A correction moves the factor and its bar.
  w.form().get<QScrollBar>("HscrStruc")->setValue(5);
  EXPECT_EQ(state->model.ProjectRec.Loads_Construction, 5);
  EXPECT_GT(w.scale().fraction(), 0.34);
}

TEST_F(ProjectWindowTest, DoneStoresCalculatesAndRaisesTheBackupInputs) {
  ProjectWindow& w = shown_project_window();
  box("txtCname")->setText("Jordan Ellis");
  w.Done_Click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(state->model.ProjectRec.Client_Name.trimmed(), "Jordan Ellis");
  const auto& loads = state->analysis().loads();
  EXPECT_EQ(loads.MinBackupHeat,
            model::round_to_int32(80000.0 / 65 * (72 - 6) - 0.5 * loads.IntGains.to_double()));
  EXPECT_EQ(state->model.ProjectRec.GeoA_AuxInput, loads.MinBackupHeat);
  // An input its window would refuse stays as the file holds it, for that window to correct.
  state->services.stored_figures = &systems::stored_figures;
  state->model.ProjectRec.Furnace_Input = 500;
  shown_project_window().Done_Click();
  EXPECT_EQ(state->model.ProjectRec.Furnace_Input, 500);
}

// Closed by the platform, the window goes without Done: no check, no Min_Backup, and the project
// keeps what the last recalculation copied, also when a field holds a value Done would refuse.
TEST_F(ProjectWindowTest, TheCloseBoxAndEscapeCloseWithoutDone) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "close box");
    state->model.ProjectRec.GeoA_AuxInput = 0;
    ProjectWindow& w = shown_project_window();
    messages.clear();
    box("txtHload")->setText("999");
    if (escape)
      QTest::keyClick(box("txtHload"), Qt::Key_Escape);
    else
      EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(messages.empty()) << qPrintable(messages.front().text);
    EXPECT_EQ(state->model.ProjectRec.Loads_HeatLoad, 80000);
    EXPECT_EQ(state->model.ProjectRec.GeoA_AuxInput, 0) << "Min_Backup did not run";
  }
}

// Closed without Done (Escape, the close box), the window leaves the project, its city and its
// loads exactly as they were when it was shown, whatever was typed and recalculated meanwhile,
// also with the cursor still in the box typed into: that box's leaving starts nothing.
TEST_F(ProjectWindowTest, ClosedWithoutDoneItDiscardsEverythingTyped) {
  struct Typed {
    const char* box;
    const char* text;
  };
  struct Row {
    const char* name;
    bool escape;
    const char* city;  // clicked in Texas, or nullptr
    std::vector<Typed> typed;
    bool stay = false;  // the cursor stays in the last box
  };
  const Row rows[] = {
      {"a refused heating delta T, Escape", true, nullptr, {{"txtHdt", "500"}}},
      {"70 in the heating delta T, Escape in it", true, nullptr, {{"txtHdt", "70"}}, true},
      {"60000 in the heating load, close box", false, nullptr, {{"txtHload", "60000"}}, true},
      {"a half-typed date, Escape in it", true, nullptr, {{"txtDate", "3/1"}}, true},
      {"Houston and its loads, Escape",
       true,
       "Houston",
       {{"txtHload", "38000"}, {"txtHdt", "42"}, {"txtCload", "36000"}, {"txtCdt", "20"}}},
      {"Houston and its loads, close box",
       false,
       "Houston",
       {{"txtHload", "38000"}, {"txtHdt", "42"}, {"txtCload", "36000"}, {"txtCdt", "20"}}},
  };
  const auto click = [](QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << qPrintable(text);
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
  };
  (void)state->analysis().Calc_Project_Loads();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const model::ProjectRec before = state->model.ProjectRec;
    const model::LoadCalcState loads = state->analysis().loads();
    ProjectWindow& w = shown_project_window();
    w.form().get<QTabWidget>("SSTab1")->setCurrentWidget(w.form()[project_window::pgLoad]);
    if (r.city != nullptr) {
      click(w.form().get<QListWidget>("comboState"), "TX");
      click(w.form().get<QListWidget>("comboCity"), QString::fromUtf8(r.city));
      ASSERT_EQ(w.city_text().trimmed(), QString::fromUtf8(r.city));
    }
    for (const Typed& t : r.typed) {
      box(t.box)->setFocus();
      box(t.box)->selectAll();
      QTest::keyClicks(box(t.box), QString::fromUtf8(t.text));
      if (!r.stay || &t != &r.typed.back()) QTest::keyClick(box(t.box), Qt::Key_Tab);
    }
    messages.clear();
    if (r.escape)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
      EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.empty()) << qPrintable(messages.front().text);
    const auto& after = state->analysis().loads();
    EXPECT_TRUE(state->model.ProjectRec == before);
    EXPECT_EQ(state->model.ProjectRec.Loads_CoolLoad, 45000);
    EXPECT_EQ(state->model.CityRec.Id, 7);
    EXPECT_EQ(after.AnnHtg, loads.AnnHtg);
    EXPECT_EQ(after.AnnClg, loads.AnnClg);
    EXPECT_EQ(after.IntGains, loads.IntGains);
    EXPECT_EQ(after.BinNetLoad, loads.BinNetLoad);
    EXPECT_EQ(after.MinBackupHeat, loads.MinBackupHeat);
  }
}

// The user cannot resize the window; the main window still sizes it before showing it.
TEST_F(ProjectWindowTest, HasAFixedBorderAtTheSizeItIsShownIn) {
  ProjectWindow& w = shown_project_window();
  const QSize small = w.size();
  EXPECT_EQ(w.minimumSize(), small);
  EXPECT_EQ(w.maximumSize(), small);
  w.Done_Click();
  w.apply_size(true);
  w.show();
  EXPECT_NE(w.size(), small);
  EXPECT_EQ(w.minimumSize(), w.size());
  EXPECT_EQ(w.maximumSize(), w.size());
}

// Shown and left alone, every field stores back what it held, in every display.
TEST_F(ProjectWindowTest, UnchangedFieldsStoreBackExactlyInEveryDisplay) {
  for (const bool metric : {false, true}) {
    set_display(metric);
    const model::ProjectRec before = state->model.ProjectRec;
    ProjectWindow& w = shown_project_window();
    for (const char* name : {"txtHdt", "txtCdt", "txtDhw", "txtHset", "txtCset", "txtSclg"})
      w.temperature_LostFocus(*std::make_unique<platform::ControlEvent>(
          platform::ControlEvent{.control = w.form().control_of(box(name))}));
    w.Done_Click();
    const model::ProjectRec& after = state->model.ProjectRec;
    SCOPED_TRACE(metric ? "metric" : "imperial");
    EXPECT_EQ(after.Loads_CoolStart, 45) << "45 F shows as 7.5 C and stays 45";
    EXPECT_EQ(after.Loads_HeatLoad, before.Loads_HeatLoad);
    EXPECT_EQ(after.Loads_CoolLoad, before.Loads_CoolLoad);
    EXPECT_EQ(after.Loads_SensibleLoad, before.Loads_SensibleLoad);
    EXPECT_EQ(after.Loads_HeatDeltaT, before.Loads_HeatDeltaT);
    EXPECT_EQ(after.Loads_CoolDeltaT, before.Loads_CoolDeltaT);
    EXPECT_EQ(after.Loads_DhwTemp, before.Loads_DhwTemp);
    EXPECT_EQ(after.Loads_HeatSetPoint, before.Loads_HeatSetPoint);
    EXPECT_EQ(after.Loads_CoolSetPoint, before.Loads_CoolSetPoint);
    EXPECT_EQ(after.Project_Date, before.Project_Date);
  }
}

// Entries and what Done makes of them: the message shown (none: accepted and closed).
TEST_F(ProjectWindowTest, EntriesAreCheckedAtTheBoundsOfTheirDisplay) {
  struct Row {
    bool metric;
    bool ratio_mode;
    const char* box;
    const char* text;
    const char* message;  // "" when Done accepts
  };
  const Row rows[] = {
      {false, false, "txtHload", "999", "Heating Load Outside of Valid Range of 1000 - 999999"},
      {false, false, "txtHload", "1000", ""},
      {false, false, "txtHload", "66,000", ""},  // read as it shows
      {false, false, "txtHload", "66,00",
       "The Comma in \"66,00\" Cannot Separate Thousands: Please Type Decimals with a Point "
       "(66.00)"},
      {true, false, "txtHload", "23,450",
       "\"23,450\" Could Mean 23.450 or 23450: Please Type It with a Decimal Point or Without the "
       "Comma"},
      {true, false, "txtHload", "1.234,",  // "1.234,5" typed into the six places
       "The Comma in \"1.234,\" Cannot Separate Thousands: Please Type Decimals with a Point "
       "(1234.)"},
      {true, false, "txtHload", "-0.1", "Heating Load Outside of Valid Range of 0 - 292"},
      {true, false, "txtHload", "292.0", ""},
      {true, false, "txtHload", "292.1", "Heating Load Outside of Valid Range of 0 - 292"},
      {true, false, "txtCload", "292.1", "Cooling Load Outside of Valid Range of 0 - 292"},
      {false, false, "txtSensible", "27000", ""},
      {false, false, "txtSensible", "26999",
       "Sensible Cooling Outside of Valid Range of 27,000 to 44,550"},
      {false, false, "txtSensible", "44550", ""},
      {false, false, "txtSensible", "44551",
       "Sensible Cooling Outside of Valid Range of 27,000 to 44,550"},
      // 45,000 Btu/h is 13.19 kW: whole bounds 8 to 13, so 7.95 kW fails at a ratio of 0.603.
      {true, false, "txtSensible", "8.0", ""},
      {true, false, "txtSensible", "7.95", "Sensible Cooling Outside of Valid Range of 8 to 13"},
      {true, false, "txtSensible", "13.0", ""},
      {true, false, "txtSensible", "13.1", "Sensible Cooling Outside of Valid Range of 8 to 13"},
      {false, true, "txtSensiblePercent", ".95", ""},  // the box refuses it, Test_Data does not
      {false, true, "txtSensiblePercent", ".99", ""},
      {false, true, "txtSensiblePercent", ".991", "S/T Ratio Outside of Valid Range of .60 - .99"},
      {true, false, "txtDhw", "59", "Hot Water Temp Outside of Valid Range of 49C - 58C"},
      {false, false, "txtDate", "13/45/2020", "Invalid Date...Please Try Again"},
  };
  const model::ProjectRec sample = state->model.ProjectRec;
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.box) + " " + r.text);
    state->model.ProjectRec = sample;  // a refused entry stays in the project
    set_display(r.metric);
    state->model.ProjectRec.Loads_SensibleMode = r.ratio_mode ? 1 : 0;
    ProjectWindow& w = shown_project_window();
    messages.clear();
    box(r.box)->setText(QString::fromUtf8(r.text));
    w.Done_Click();
    EXPECT_EQ(w.isVisible(), *r.message != '\0');
    if (*r.message == 0) {
      EXPECT_TRUE(messages.empty()) << qPrintable(messages.front().text);
    } else {
      EXPECT_TRUE(was_shown(QString::fromUtf8(r.message)))
          << (messages.empty() ? "none" : qPrintable(messages.front().text));
    }
  }
}

TEST_F(ProjectWindowTest, TheDateBoxKeepsDatesOfThisCentury) {
  ProjectWindow& w = shown_project_window();
  const char* invalid = "Invalid Date...Please Try Again";
  struct Row {
    const char* typed;
    const char* shown;  // nullptr: today
    bool refused;
  };
  const Row rows[] = {{"", nullptr, false},
                      {"13/45/2020", "13/45/2020", true},
                      {"12/31/2099", "12/31/2099", false},
                      {"1/1/2100", "1/1/2100", true},
                      {"2026-03-05", "3/5/2026", false}};
  for (const Row& r : rows) {
    messages.clear();
    box("txtDate")->setText(QString::fromUtf8(r.typed));
    w.txtDate_LostFocus();
    EXPECT_EQ(was_shown(invalid), r.refused) << r.typed;
    EXPECT_EQ(box("txtDate")->text(),
              r.shown ? QString::fromUtf8(r.shown) : QDate::currentDate().toString("M/d/yyyy"));
  }
}

// The date is shown and typed in the short date form of the user's locale, ISO dates and
// two-digit years (1990 to 2099) too; the project keeps the day whatever the form.
TEST_F(ProjectWindowTest, TheDateIsShownAndTypedInTheUsersOwnForm) {
  const QLocale before;
  const QDate zero(1899, 12, 30);
  const QDate christmas(2026, 12, 25);
  state->model.ProjectRec.Project_Date = model::OleDate{double(zero.daysTo(QDate(2026, 3, 5)))};
  struct Row {
    const char* locale;
    const char* shown;  // the stored 5 March 2026
    const char* typed;
    const char* left;  // the box once left; nullptr: refused
  };
  const Row rows[] = {
      {"en_US", "3/5/2026", "12/25/26", "12/25/2026"},
      {"en_US", "3/5/2026", "25/12/2026", nullptr},
      {"en_GB", "05/03/2026", "25/12/2026", "25/12/2026"},
      {"en_GB", "05/03/2026", "2026-12-25", "25/12/2026"},
      {"de_DE", "05.03.2026", "25.12.26", "25.12.2026"},
  };
  const model::ProjectRec sample = state->model.ProjectRec;
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.locale) + " " + r.typed);
    QLocale::setDefault(QLocale(QString::fromUtf8(r.locale)));
    state->model.ProjectRec = sample;
    ProjectWindow& w = shown_project_window();
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QLineEdit* date = box("txtDate");
    EXPECT_EQ(date->text(), QString::fromUtf8(r.shown));
    messages.clear();
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QString::fromUtf8(r.typed));
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(was_shown("Invalid Date...Please Try Again"), r.left == nullptr);
    if (r.left == nullptr) continue;
    EXPECT_EQ(date->text(), QString::fromUtf8(r.left));
    QTest::mouseClick(w.form().button("Command1"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(state->model.ProjectRec.Project_Date.serial, double(zero.daysTo(christmas)));
  }
  QLocale::setDefault(before);
}

// Done by a mouse click or its Alt key with the cursor still in the date box checks the date's
// years as leaving the box does: a date outside them is refused and not stored.
TEST_F(ProjectWindowTest, DoneRefusesADateOutsideTheYearsWithTheCursorInItsBox) {
  const QDate zero(1899, 12, 30);
  struct Row {
    const char* typed;
    bool by_mouse;  // else Alt+D
    QDate stored;   // invalid: refused
  };
  const Row rows[] = {
      {"1/1/2100", true, {}},
      {"1/1/2100", false, {}},
      {"12/31/1989", false, {}},
      {"12/31/2099", false, QDate(2099, 12, 31)},
  };
  const double before = state->model.ProjectRec.Project_Date.serial;
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.typed) + (r.by_mouse ? " mouse" : " Alt+D"));
    state->model.ProjectRec.Project_Date = model::OleDate{before};
    ProjectWindow& w = shown_project_window();
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QLineEdit* date = box("txtDate");
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QString::fromUtf8(r.typed));
    messages.clear();
    if (r.by_mouse)
      QTest::mouseClick(w.form().button("Command1"), Qt::LeftButton);
    else
      QTest::keyClick(date, Qt::Key_D, Qt::AltModifier);
    QTest::qWait(300);  // a button's Alt key clicks it a moment later
    EXPECT_EQ(w.isVisible(), !r.stored.isValid());
    EXPECT_EQ(was_shown("Invalid Date...Please Try Again"), !r.stored.isValid());
    EXPECT_EQ(state->model.ProjectRec.Project_Date.serial,
              r.stored.isValid() ? double(zero.daysTo(r.stored)) : before);
  }
}

// A project never given a date shows an empty box and keeps no date through Done.
TEST_F(ProjectWindowTest, AProjectWithoutADateShowsAndKeepsNone) {
  state->model.ProjectRec.Project_Date = model::OleDate{0};
  ProjectWindow& w = shown_project_window();
  EXPECT_EQ(box("txtDate")->text(), QString());
  messages.clear();
  w.Done_Click();
  EXPECT_FALSE(was_shown("Invalid Date...Please Try Again"));
  EXPECT_EQ(state->model.ProjectRec.Project_Date.serial, 0);
}

// The ratio box takes .60 to .90 as the user leaves it, narrower than Test_Data.
TEST_F(ProjectWindowTest, TheRatioBoxTakesPointSixtyToPointNinety) {
  state->model.ProjectRec.Loads_SensibleMode = 1;
  ProjectWindow& w = shown_project_window();
  for (const auto& [text, refused] : {std::pair{".60", false},
                                      {".5999", true},
                                      {".90", false},
                                      {".9001", true},
                                      {".95", true},
                                      {".99", true}}) {
    messages.clear();
    box("txtSensiblePercent")->setText(QString::fromUtf8(text));
    w.txtSensiblePercent_LostFocus();
    EXPECT_EQ(was_shown("S/T Ratio Outside of Valid Range of .60 - .90"), refused) << text;
  }
  messages.clear();
  box("txtSensiblePercent")->setText("0,75");  // a decimal comma is named as such
  w.txtSensiblePercent_LostFocus();
  EXPECT_TRUE(
      was_shown("The Comma in \"0,75\" Cannot Separate Thousands: Please Type Decimals "
                "with a Point (0.75)"));
}

// In ratio mode the sensible load is the whole cooling load (Btu/h or kW) times the ratio.
TEST_F(ProjectWindowTest, TheSensibleLoadFollowsTheWholeCoolingLoad) {
  state->model.ProjectRec.Loads_SensibleMode = 1;
  state->model.ProjectRec.Loads_SensibleRatio = model::Currency::from_double_saturated(0.77);
  for (const auto& [metric, cooling, sensible] :
       {std::tuple{false, "45000", "34650"}, {true, "13.2", "10.01"}}) {
    set_display(metric);
    ProjectWindow& w = shown_project_window();
    box("txtCload")->setText(QString::fromUtf8(cooling));
    w.Convert_Sensible();
    EXPECT_EQ(box("txtSensible")->text(), sensible);
  }
}

TEST_F(ProjectWindowTest, AnEmptyOrDamagedCityFileLeavesNoCityAndDoneSaysSo) {
  for (const std::size_t size : {0, 100}) {  // no record, or less than one
    write_bytes("Citydata.CEA", std::vector<std::uint8_t>(size, 0x41));
    ProjectWindow& w = shown_project_window();
    EXPECT_EQ(w.form().get<QListWidget>("comboState")->count(), 0);
    messages.clear();
    w.Done_Click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(was_shown("You Must! Select a City"));
  }
}

TEST_F(ProjectWindowTest, NewAndTheMainWindowOpenTheLoadsAndRatesWindows) {
  register_windows(*state);
  on_modal[QStringLiteral("Form3")] = [](QDialog& d) {
    d.show();
    EXPECT_EQ(d.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    return static_cast<int>(QDialog::Accepted);
  };
  MainWindow& main = new_project();
  ASSERT_FALSE(modal_windows.empty());
  EXPECT_EQ(modal_windows.back(), "Form3");
  main.btnUtility_Click();
  EXPECT_EQ(modal_windows.back(), "Form7");
}

TEST_F(ProjectWindowTest, ARangeMessageDuringActivationIsShownOnce) {
  state->model.ProjectRec.Loads_HeatLoad = 999;
  ProjectWindow& w = shown_project_window();
  EXPECT_EQ(times_shown("Heating Load Outside of Valid Range of 1000 - 999999"), 1);
  EXPECT_TRUE(w.isVisible());
}

// A message box takes the focus from the field that has it; leaving the field so must not
// check again and show a second box over the first.
TEST_F(ProjectWindowTest, LeavingAFieldForAMessageStartsNothing) {
  ProjectWindow& w = shown_project_window();
  answer_first = [&w](const platform::MessageRequest&) {
    w.txtHdt_LostFocus();
    w.txtSensiblePercent_LostFocus();
    w.txtDate_LostFocus();
    return std::optional<platform::MessageResult>();
  };
  messages.clear();
  box("txtHload")->setText("999");
  w.txtHload_LostFocus();
  EXPECT_EQ(messages.size(), 1u);
  answer_first = nullptr;
}

TEST_F(ProjectWindowTest, ACityWithoutACorrectionSpanIsNamedAsSuch) {
  std::ifstream in(data_folder() / "Citydata.CEA", std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  in.close();
  for (std::size_t at = 0; at + model::CityRec::kFileSize <= bytes.size();
       at += model::CityRec::kFileSize) {
    auto c = model::decode_record<model::CityRec>(
        std::span<const std::uint8_t>(bytes.data() + at, model::CityRec::kFileSize));
    c.WeatherData(35) = c.WeatherData(34);
    const auto image = model::encode_record(c);
    std::copy(image.begin(), image.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  }
  write_bytes("Citydata.CEA", bytes);
  ProjectWindow& w = shown_project_window();
  EXPECT_FALSE(was_shown("You Must! Select a City"));
  EXPECT_TRUE(was_shown("The Selected City Gives No Range of Correction Factors"));
  EXPECT_EQ(w.scale().fraction(), 0.0);
}

TEST_F(ProjectWindowTest, HelpLinesAndCaptionsFollowTheDisplay) {
  set_display(true);
  ProjectWindow& w = shown_project_window();
  EXPECT_EQ(w.form().label("fcw4")->text(), "97.5% Htg Design \r\nDeg C");
  EXPECT_EQ(w.form().label("labelLoad")->text(), "Load kW");
  EXPECT_EQ(w.form().label("lblSensible")->text(), "Sensible kW");
  // Focus on a load field writes its help line, typos kept; Enter moves on as Tab does.
  w.activateWindow();
  w.Command3_Click();
  const char* lines[][3] = {
      {"txtHdt", "Enter Heating Temp. Diff. Used in Load Calcuation", "txtHset"},
      {"txtSclg", "Temperature Windows are Closed and Cooling Begins", "txtSensible"},
      {"txtDhw", "Hot Water Heater Temperature Setting", "txtOcc"}};
  for (const auto& [name, line, next] : lines) {
    box(name)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.form().label("lblInfo2")->text(), line) << name;
    QTest::keyClick(box(name), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.form().control(next)) << name;
  }
}

// The mouse moved onto a control of the load page writes that control's help line and keeps it.
TEST_F(ProjectWindowTest, TheLoadPagesHelpLineFollowsTheMouse) {
  ProjectWindow& w = shown_project_window();
  ASSERT_TRUE(platform::testing::show_and_activate(&w));
  w.Command3_Click();
  const char* lines[][2] = {
      {"chkSensible", "Choose Between Input of Sensible Ratio or Load"},
      {"comboCity", "Select Nearest City of Project"},
      {"txtCload", "Enter Heat Gain Based on Load Calculation"},
      {"lblDegDay", "Degree Days for Selected City"},
      {"Label22", "Relative Degree of Construction Quality Correction"},
      {"imgscale", "Calculated Cd Factor / % of Maximum Possible Cd"},
      {"fraFan", "Continuous Blower Option"},
      {"Command4", "Return to Main Window"},
  };
  for (const auto& [name, line] : lines) {
    QWidget* control = w.form().control(name);
    ASSERT_TRUE(control->isVisible()) << name;
    QTest::mouseMove(control, QPoint(2, control->height() - 2));
    QTest::mouseMove(control, QPoint(3, control->height() - 2));
    EXPECT_EQ(w.form().label("lblInfo2")->text(), line) << name;
  }
  QWidget* frame = w.form().control("fraGains");  // a frame's own area empties it
  QTest::mouseMove(frame, QPoint(frame->width() - 3, frame->height() - 3));
  EXPECT_EQ(w.form().label("lblInfo2")->text(), "");
}

// A refused figure takes the cursor back to its box with its text selected, also after the
// message box took the focus: the correction typed at once replaces it, no other box changes.
TEST_F(ProjectWindowTest, ARefusedFigureTakesTheCursorBackToItsBox) {
  struct Row {
    const char* what;
    bool metric;
    const char* box;
    const char* typed;
    Qt::Key leave;
    const char* message;
    const char* correction;
  };
  const Row rows[] = {
      {"a decimal comma in kW", true, "txtHload", "14,5", Qt::Key_Tab,
       "The Comma in \"14,5\" Cannot Separate Thousands: Please Type Decimals with a Point (14.5)",
       "14.5"},
      {"a point that may group thousands", false, "txtHload", "1.500", Qt::Key_Tab,
       "\"1.500\" Could Mean 1.5 or 1500: Please Type It without the Point", "15000"},
      {"a load out of range, left with Enter", false, "txtHload", "999", Qt::Key_Return,
       "Heating Load Outside of Valid Range of 1000 - 999999", "80000"},
      {"a delta T out of range", false, "txtHdt", "500", Qt::Key_Tab,
       "Heating Delta T Outside of Valid Range of 10 - 125", "65"},
  };
  const model::ProjectRec sample = state->model.ProjectRec;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    state->model.ProjectRec = sample;  // a refused entry stays in the project
    set_display(r.metric);
    ProjectWindow& w = shown_project_window();
    ASSERT_TRUE(platform::testing::show_and_activate(&w));
    QTest::mouseClick(w.form().button("Command3"), Qt::LeftButton);
    QLineEdit* refused = box(r.box);
    QTest::mouseClick(refused, Qt::LeftButton);
    QApplication::processEvents();  // the text selected on focus
    QTest::keyClicks(refused, r.typed);
    messages.clear();
    answer_first = [](const platform::MessageRequest&) {
      platform::testing::take_the_focus_as_a_message_box();
      return std::optional<platform::MessageResult>();
    };
    QTest::keyClick(refused, r.leave);
    answer_first = nullptr;
    ASSERT_TRUE(platform::testing::active_again(&w));
    EXPECT_TRUE(was_shown(QString::fromUtf8(r.message)))
        << (messages.empty() ? "none" : qPrintable(messages.front().text));
    const auto others = platform::testing::texts_but(&w, refused);
    QTest::keyClicks(QApplication::focusWidget(), r.correction);
    EXPECT_EQ(refused->text(), r.correction);
    EXPECT_EQ(platform::testing::texts_but(&w, refused), others);
  }
}

// Done on the job page refusing a stored figure of the loads page shows that page with the cursor
// in the refused box, so the correction typed at once lands there.
TEST_F(ProjectWindowTest, DoneOnTheJobPageShowsTheRefusedBoxOnItsPage) {
  state->model.ProjectRec.Loads_DhwTemp = 140;
  set_display(false);
  ProjectWindow& w = shown_project_window();
  ASSERT_TRUE(platform::testing::show_and_activate(&w));
  QLineEdit* refused = box("txtDhw");
  ASSERT_FALSE(refused->isVisible());
  messages.clear();
  answer_first = [](const platform::MessageRequest&) {
    platform::testing::take_the_focus_as_a_message_box();
    return std::optional<platform::MessageResult>();
  };
  QTest::mouseClick(w.form().button("Command4"), Qt::LeftButton);
  answer_first = nullptr;
  ASSERT_TRUE(platform::testing::active_again(&w));
  EXPECT_TRUE(was_shown("Hot Water Temp Outside of Valid Range of 120F - 136F"));
  EXPECT_TRUE(refused->isVisible());
  const auto others = platform::testing::texts_but(&w, refused);
  QTest::keyClicks(QApplication::focusWidget(), "130");
  EXPECT_EQ(refused->text(), "130");
  EXPECT_EQ(platform::testing::texts_but(&w, refused), others);
}

// Back from the ratio, a kW sensible load is shown at one decimal where its text shows a number;
// one that shows none stays as typed and is refused by Done, never read as another number.
TEST_F(ProjectWindowTest, ASensibleKwTextThatShowsNoNumberStaysAsTyped) {
  set_display(true);
  ProjectWindow& w = shown_project_window();
  ASSERT_TRUE(platform::testing::show_and_activate(&w));
  QTest::mouseClick(w.form().button("Command3"), Qt::LeftButton);
  QLineEdit* sensible = box("txtSensible");
  QTest::mouseClick(sensible, Qt::LeftButton);
  QApplication::processEvents();
  QTest::keyClicks(sensible, "14,5");
  QCheckBox* ratio = w.form().check_box("chkSensible");
  const QPoint on_its_square(6, ratio->height() / 2);
  QTest::mouseClick(ratio, Qt::LeftButton, {}, on_its_square);
  ASSERT_TRUE(ratio->isChecked());
  QTest::mouseClick(ratio, Qt::LeftButton, {}, on_its_square);
  ASSERT_FALSE(ratio->isChecked());
  EXPECT_EQ(sensible->text(), "14,5");
  messages.clear();
  QTest::mouseClick(w.form().button("Command4"), Qt::LeftButton);
  EXPECT_TRUE(
      was_shown("The Comma in \"14,5\" Cannot Separate Thousands: Please Type Decimals "
                "with a Point (14.5)"))
      << (messages.empty() ? "none" : qPrintable(messages.front().text));
  EXPECT_TRUE(w.isVisible());
}

}  // namespace
}  // namespace pellavan::app
