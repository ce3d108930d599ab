// The furnace/boiler and heat-pump windows on small catalogues: restore, minimum input, store
// and refusals in both displays, the leave handlers, and the result view's block.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/app_fixture.h"
#include "app/conventional_catalogues.h"
#include "app/program.h"
#include "platform/catalogue_lists.h"
#include "platform/picture_box.h"
#include "platform/window_test_support.h"
#include "model/report_workbook_sheets.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {
namespace {

using systems::ConventionalWindow;
using systems::FurnaceWindow;
using systems::HeatPumpWindow;

class ConventionalWindowsTest : public testing::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    testing::write_conventional_catalogues([this](const std::string& name, const auto& records) {
      write_bytes(name, catalogue_bytes(records));
    });
    state->LogoFile = QStringLiteral("GeoLogo.bmp");
    auto& r = state->model.ProjectRec;
    r.Furnace_ACId = 1;
    r.Furnace_ACCapacity = 30000;
    r.Furnace_WaterHeaterId = 1;
    r.HeatPump_UnitId = testing::kAirPro;
    r.HeatPump_Capacity = 34130;
    r.HeatPump_BackupId = testing::kGas95;
    r.HeatPump_BackupInput = 60000;
    r.HeatPump_WaterHeaterId = 1;
    r.HeatPump_CutOffTemp = 10;
  }
  void display(bool metric) {
    auto& f = state->model.MetricFlag;
    f(0) = metric ? -1 : 0;
    f(1) = metric ? 0 : -1;
    f(2) = metric ? 0 : -1;
  }
  template <class W>
  std::unique_ptr<W> opened() {
    auto w = std::make_unique<W>(*state);
    w->show();  // activation restores the fields
    return w;
  }
  [[nodiscard]] int refusals() const {
    int n = 0;
    for (const auto& m : messages) n += m.title == QStringLiteral("Range Violation") ? 1 : 0;
    return n;
  }
};

TEST_F(ConventionalWindowsTest, FurnaceMinimumInputIsShownEnforcedAndAccepted) {
  struct Case {
    bool metric;
    model::Int32 min_backup;
    model::Int16 furnace;
    model::Int32 stored;
    bool picked;  // the user picks the furnace again, which proposes the minimum
    const char* input;
    const char* minimum;
    const char* coil;
    model::Int32 stored_after;
    const char* refusal;  // "" when Done passes
  };
  const Case cases[] = {
      {false, 60000, testing::kGas80, 70000, false, "70000", "75,000", "", 70000,
       "Furnace Input Capacity Below Calculated Minimum of 75000"},
      {false, 60000, testing::kGas80, 70000, true, "75000", "75,000", "", 75000, ""},
      // the minimum proposed in kW (10.5) is accepted as shown
      {true, 34130, testing::kGas95, 30000, true, "10.5", "10.5", "", 35836, ""},
      {false, 52345, testing::kElectric, 40956, false, "12", "15", "", 40956,
       "Furnace Input Capacity Below Calculated Minimum of 16 kW"},
      {false, 52345, testing::kElectric, 40956, true, "16", "15", "", 54608, ""},
      // the single-entry coil list of a variable-speed furnace restores without a second entry
      {false, 60000, testing::kVspd95, 70000, false, "70000", "63,158", "Hi-Eff Furnace", 70000,
       ""},
      {false, 60000, testing::kNoEfficiency, 50000, false, "50000", "", "", 50000,
       "Furnace Efficiency Must Be Above 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    messages.clear();
    display(c.metric);
    state->analysis().loads().MinBackupHeat = c.min_backup;
    state->model.ProjectRec.Furnace_UnitId = c.furnace;
    state->model.ProjectRec.Furnace_Input = c.stored;
    auto w = opened<FurnaceWindow>();
    if (c.picked) w->ComboFurnace_Click();
    EXPECT_EQ(w->form().text_box("txtAAFinput")->text(), c.input);
    EXPECT_EQ(w->form().label("txtMinInput")->text(), c.minimum);
    if (*c.coil != '\0') {
      EXPECT_EQ(w->form().combo("ComboCoilQuality")->count(), 1);
      EXPECT_EQ(w->form().combo("ComboCoilQuality")->currentText(), c.coil);
    }
    w->cmdDone_Click();
    EXPECT_EQ(state->model.ProjectRec.Furnace_Input, c.stored_after);
    EXPECT_EQ(refusals(), *c.refusal == '\0' ? 0 : 1);
    if (*c.refusal != '\0') {
      EXPECT_TRUE(was_shown(c.refusal));
    }
  }
}

// A text that shows no number is refused at Run with its box's message and keeps the box: the
// text stays as typed (leaving the box too) and the project keeps the value it had.
TEST_F(ConventionalWindowsTest, RunRefusesATextThatShowsNoNumber) {
  using Stored = model::Int32 (*)(const model::ProjectRec&);
  const Stored ac = [](const model::ProjectRec& r) { return model::Int32{r.Furnace_ACCapacity}; };
  const Stored input = [](const model::ProjectRec& r) { return model::Int32{r.Furnace_Input}; };
  const Stored hp = [](const model::ProjectRec& r) { return model::Int32{r.HeatPump_Capacity}; };
  const Stored backup = [](const model::ProjectRec& r) {
    return model::Int32{r.HeatPump_BackupInput};
  };
  const Stored cut_off = [](const model::ProjectRec& r) {
    return model::Int32{r.HeatPump_CutOffTemp};
  };
  struct Case {
    bool heat_pump, metric;
    model::Int16 furnace;
    const char* box;
    const char* text;
    Stored stored;
    const char* refusal;
  };
  const Case cases[] = {
      {false, false, testing::kGas95, "txtAA95cap", "30000 x", ac,
       "A/C Capacity Outside of Valid Range of 1 - 999999"},
      {false, false, testing::kGas95, "txtAAFinput", "1.2.3", input,
       "Furnace Input Btu/hr Outside of Valid Range of 1000 - 4000000"},
      {false, true, testing::kGas95, "txtAAFinput", "$", input,
       "Furnace Input kW Outside of Valid Range of 1 - 1171"},
      {true, true, testing::kGas95, "txtAA95cap", "1,5", hp,
       "The Comma in \"1,5\" Cannot Separate Thousands: Please Type Decimals with a Point (1.5)"},
      {true, true, testing::kGas95, "txtAA95cap", "10,500", hp,
       "\"10,500\" Could Mean 10.500 or 10500: Please Type It with a Decimal Point or Without the "
       "Comma"},
      {true, true, testing::kGas95, "txtAAFinput", "1..2", backup,
       "Furnace Input kW Outside of Valid Range of 1 - 1172"},
      {false, false, testing::kElectric, "txtAAFinput", "2,0", input,
       "The Comma in \"2,0\" Cannot Separate Thousands: Please Type Decimals with a Point (2.0)"},
      {true, true, testing::kGas95, "txtAaCutTmp", "-2,5", cut_off,
       "The Comma in \"-2,5\" Cannot Separate Thousands: Please Type Decimals with a Point "
       "(-2.5)"},
      {true, false, testing::kGas95, "txtAaCutTmp", "5 F", cut_off,
       "Cut-Off Temp Outside of Valid Range of -10 to 50"},
  };
  auto& r = state->model.ProjectRec;
  state->analysis().loads().MinBackupHeat = 34130;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    messages.clear();
    display(c.metric);
    r.Furnace_UnitId = r.HeatPump_BackupId = c.furnace;
    r.Furnace_Input = r.HeatPump_BackupInput = c.furnace == testing::kElectric ? 20 * 3413 : 60000;
    const model::Int32 before = c.stored(r);
    std::unique_ptr<ConventionalWindow> w;
    if (c.heat_pump)
      w = std::make_unique<HeatPumpWindow>(*state);
    else
      w = std::make_unique<FurnaceWindow>(*state);
    ASSERT_TRUE(platform::testing::show_and_activate(w.get()));
    QLineEdit* box = w->form().text_box(c.box);
    QPushButton* run = w->form().button("cmdRun");
    run->setEnabled(false);  // as after a run
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, c.text);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_TRUE(run->isEnabled()) << "a text that shows no number is a change";
    QTest::mouseClick(run, Qt::LeftButton);
    ASSERT_EQ(refusals(), 1);
    EXPECT_EQ(messages.back().text.toStdString(), c.refusal);
    EXPECT_EQ(box->text().toStdString(), c.text);
    EXPECT_EQ(c.stored(r), before);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_FALSE(w->results_shown());
  }
}

// Choosing a backup or furnace sets the input box's typing limit; the value typed before, or the
// minimum the window proposes, stays whole (the box once cut 45000 to 450 kW, 277.6 to 277.).
TEST_F(ConventionalWindowsTest, ChoosingABackupNeverCutsTheInputBox) {
  struct Case {
    bool heat_pump;
    bool metric;
    model::Int32 min_backup;
    const char* typed;  // into the input box before the choice
    model::Int16 chosen;
    const char* shown;  // what the box then holds: the proposed minimum
  };
  const Case cases[] = {
      {true, false, 34130, "45000", testing::kElectric, "10"},
      {false, true, 900000, "45000", testing::kGas95, "277.6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.heat_pump ? "heat pump " : "furnace ") + c.shown);
    display(c.metric);
    state->analysis().loads().MinBackupHeat = c.min_backup;
    state->model.ProjectRec.Furnace_UnitId = testing::kGas80;
    state->model.ProjectRec.HeatPump_BackupId = testing::kGas80;
    std::unique_ptr<platform::DesignedDialog> w;
    if (c.heat_pump) {
      w = opened<HeatPumpWindow>();
    } else {
      w = opened<FurnaceWindow>();
    }
    QLineEdit* box = w->form().text_box("txtAAFinput");
    box->selectAll();
    QTest::keyClicks(box, c.typed);
    auto* list = w->form().combo("ComboFurnace");
    list->setCurrentIndex(list->findData(c.chosen));
    EXPECT_EQ(box->text().toStdString(), c.shown);
    EXPECT_EQ(w->form().label("txtMinInput")->text().toStdString(), c.shown);
  }
}

// A combination that names no entry (0 in older files) restores as the default project's, so no
// run goes without one.
TEST_F(ConventionalWindowsTest, CoilCombinationNamingNoEntryRestoresTheDefaultProjects) {
  struct Case {
    model::Int16 stored, in_default;
    const char* shown;
    model::Int16 stored_after;
  };
  const Case cases[] = {
      {0, 3, "Builder", 3}, {7, 1, "Best", 1}, {2, 3, "Standard", 2}, {0, 0, "Standard", 2}};
  state->analysis().loads().MinBackupHeat = 34130;
  auto& r = state->model.ProjectRec;
  r.Furnace_UnitId = testing::kGas95;
  r.Furnace_Input = 60000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    model::ProjectRec defaults = testing::default_project();
    defaults.Furnace_CoilQuality = c.in_default;
    defaults.HeatPump_CoilQuality = c.in_default;
    write_bytes("Default.dat", model::encode_record(defaults));
    r.Furnace_CoilQuality = c.stored;
    r.HeatPump_CoilQuality = c.stored;
    auto furnace = opened<FurnaceWindow>();
    EXPECT_EQ(furnace->form().combo("ComboCoilQuality")->currentText(), c.shown);
    furnace->cmdDone_Click();
    auto heat_pump = opened<HeatPumpWindow>();
    EXPECT_EQ(heat_pump->form().combo("ComboCoilQuality")->currentText(), c.shown);
    heat_pump->cmdDone_Click();
    EXPECT_EQ(r.Furnace_CoilQuality, c.stored_after);
    EXPECT_EQ(r.HeatPump_CoilQuality, c.stored_after);
  }
  EXPECT_EQ(refusals(), 0);
}

// A stored coil condition selects the entry of exactly ten times its factor, else stays on the
// default entry, in both windows.
TEST_F(ConventionalWindowsTest, CoilConditionRestoresOnlyAnExactMatch) {
  struct Case {
    double factor;
    const char* shown;
  };
  const Case cases[] = {{0, "New"}, {1.5, "Dirty"}, {0.95, "Clean"}, {0.7, "Clean"}};
  state->analysis().loads().MinBackupHeat = 34130;
  auto& r = state->model.ProjectRec;
  r.Furnace_UnitId = testing::kGas95;
  r.Furnace_Input = 60000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factor);
    r.Furnace_CoilCondition = r.HeatPump_CoilCondition = model::Currency::from_double(c.factor);
    EXPECT_EQ(opened<FurnaceWindow>()->form().combo("ComboCoilCondition")->currentText(), c.shown);
    EXPECT_EQ(opened<HeatPumpWindow>()->form().combo("ComboCoilCondition")->currentText(), c.shown);
  }
}

// Leaving the cut-off: what was shown stays; a typed value goes to a whole degree in either
// display. The stored value is then checked against the range its display states.
TEST_F(ConventionalWindowsTest, CutOffLeftStoredAndChecked) {
  struct Case {
    bool celsius;
    model::Int16 stored;
    const char* typed;  // nullptr: tabbed through
    const char* left;
    model::Int16 stored_after;
    bool refused;
  };
  const Case cases[] = {
      {true, 40, nullptr, "4.5", 40, false},    {true, -9, nullptr, "-23.0", -9, false},
      {true, -10, nullptr, "-23.5", -10, true}, {true, 40, "4.3", "5", 41, false},
      {true, 40, "-24", "-24", -11, true},      {false, 40, "2.3", "3", 3, false},
      {false, 40, "-2.3", "-3", -3, false},     {false, -10, nullptr, "-10", -10, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.stored << " " << (c.typed ? c.typed : "tabbed"));
    messages.clear();
    display(c.celsius);
    state->analysis().loads().MinBackupHeat = 34130;
    state->model.ProjectRec.HeatPump_CutOffTemp = c.stored;
    auto w = opened<HeatPumpWindow>();
    auto* run = w->form().button("cmdRun");
    run->setEnabled(false);
    auto* box = w->form().text_box("txtAaCutTmp");
    if (c.typed != nullptr) box->setText(c.typed);
    w->txtAaCutTmp_LostFocus();
    EXPECT_EQ(box->text(), c.left);
    EXPECT_EQ(run->isEnabled(), c.typed != nullptr);
    w->Save_HeatPump();
    EXPECT_EQ(state->model.ProjectRec.HeatPump_CutOffTemp, c.stored_after);
    w->Test_Data();
    EXPECT_EQ(refusals(), c.refused ? 1 : 0);
  }
}

// Tabbing through the capacity and input fields in kW display changes nothing.
template <class W>
void expect_leaving_unchanged_fields_keeps_results(W& w) {
  auto* bin = w.form().button("BtnBin");
  bin->setEnabled(true);
  w.txtAA95cap_LostFocus();
  w.txtAAFinput_LostFocus();
  EXPECT_TRUE(bin->isEnabled()) << w.objectName().toStdString();
  w.cmdDone_Click();  // and stores back exactly what was shown
}

TEST_F(ConventionalWindowsTest, LeavingFieldsInKwDisplayKeepsBinAnalysis) {
  display(true);
  state->analysis().loads().MinBackupHeat = 34130;
  state->model.ProjectRec.Furnace_UnitId = testing::kGas95;
  state->model.ProjectRec.Furnace_Input = 60000;
  const model::ProjectRec before = state->model.ProjectRec;
  expect_leaving_unchanged_fields_keeps_results(*opened<FurnaceWindow>());
  expect_leaving_unchanged_fields_keeps_results(*opened<HeatPumpWindow>());
  const auto& after = state->model.ProjectRec;
  EXPECT_EQ(refusals(), 0);
  EXPECT_EQ(after.Furnace_Input, before.Furnace_Input);
  EXPECT_EQ(after.Furnace_ACCapacity, before.Furnace_ACCapacity);
  EXPECT_EQ(after.HeatPump_BackupInput, before.HeatPump_BackupInput);
  EXPECT_EQ(after.HeatPump_Capacity, before.HeatPump_Capacity);
  EXPECT_EQ(after.HeatPump_CutOffTemp, before.HeatPump_CutOffTemp);
}

TEST_F(ConventionalWindowsTest, ResultViewStaysOnItsBlock) {
  state->windows.add(program_state::WindowId::BinViewer,
                     program_state::make_window<testing::StandInWindow>);
  state->analysis().loads().MinBackupHeat = 34130;
  state->model.ProjectRec.Furnace_UnitId = testing::kGas95;
  state->model.ProjectRec.Furnace_Input = 60000;
  for (const bool metric : {false, true}) {
    display(metric);
    state->LargeLayout = metric ? -1 : 0;
    auto w = opened<FurnaceWindow>();
    auto& reports = state->analysis().F1Book1();
    reports.ActiveSheet(model::kRatesSheet);
    w->Test_Data();  // reads the air conditioner without moving any view
    EXPECT_EQ(reports.ActiveSheet(), model::kRatesSheet);
    w->form().button("cmdRun")->click();
    ASSERT_TRUE(w->results_shown());
    reports.ActiveSheet(model::kFurnaceSheet);  // as a fill leaves it
    w->Timer1().stop();
    w->BtnBin_Click();
    EXPECT_EQ(state->BinViewCode, model::BinViewId::Furnace);
    w->form().combo("ComboWH")->setFocus();
    w->list_LostFocus();
    const auto& view = w->result_view();
    EXPECT_EQ(view.ActiveSheet(), model::kFuqSheet);
    EXPECT_EQ(view.ViewFirstRow(), 1);
    EXPECT_EQ(view.ViewLastRow(), 29);
    EXPECT_EQ(view.ViewFirstCol(), metric ? 10 : 1);
    EXPECT_EQ(view.ViewLastCol(), metric ? 16 : 7);
    EXPECT_EQ(view.ViewZoom(), metric ? 175 : 130);
    EXPECT_EQ(view.view().horizontalScrollBar()->maximum(), 0) << "the whole panel in sight";
  }
  EXPECT_EQ(std::count(modal_windows.begin(), modal_windows.end(), "StandIn"), 2);
}

TEST_F(ConventionalWindowsTest, HeatPumpRefusesStandardFanOverrideWithVariableSpeed) {
  state->analysis().loads().MinBackupHeat = 34130;
  auto& r = state->model.ProjectRec;
  r.HeatPump_UnitId = testing::kAirProVar;
  r.HeatPump_BackupId = testing::kElectric;  // standard fan, override by default
  r.HeatPump_AuxMode = 99;                   // from the furnace: override
  r.System1_Type = 3;
  auto w = opened<HeatPumpWindow>();
  EXPECT_EQ(r.HeatPump_AuxMode, 1);
  EXPECT_EQ(w->form().combo("ComboAuxHeat")->currentText(), "Override Heat Pump");
  w->cmdRun_Click();
  EXPECT_TRUE(was_shown("Variable speed fans are required with variable-speed heat pumps"));
  EXPECT_FALSE(w->results_shown());
  EXPECT_EQ(r.System1_Description.trimmed(), "AirPro Var System");  // written before the refusal
}

// After a Run with another furnace the row still shows the old one until the mouse passes over
// it, but a save writes the furnace the project holds; a frozen row keeps the user's text.
TEST_F(ConventionalWindowsTest, ASaveDescribesTheEquipmentTheProjectHolds) {
  register_windows(*state);
  MainWindow& w = new_project();
  ASSERT_TRUE(platform::testing::show_and_activate(&w));
  QLineEdit* own = w.form().text_box("txtSelect1");
  QTest::mouseClick(w.form().check_box("chkSave1"), Qt::LeftButton);
  own->selectAll();
  QTest::keyClicks(own, "Our loop");
  QLineEdit* furnace = w.form().text_box("txtSelect2");
  ASSERT_EQ(furnace->text(), "Gas Furnace 95 System");
  on_modal["Form2"] = [](QDialog& d) {
    auto& f = dynamic_cast<FurnaceWindow&>(d);
    EXPECT_TRUE(platform::testing::show_and_activate(&f));
    QComboBox* list = f.form().combo("ComboFurnace");
    list->setFocus();
    const int target = list->findData(testing::kGas80);
    EXPECT_GE(target, 0);
    while (target >= 0 && list->currentIndex() != target)
      QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    QTest::mouseClick(f.form().button("cmdRun"), Qt::LeftButton);
    f.Timer1().stop();
    QTest::mouseClick(f.form().button("cmdDone"), Qt::LeftButton);
    return static_cast<int>(QDialog::Accepted);
  };
  QTest::mouseClick(w.form().button("btnFossil"), Qt::LeftButton);
  ASSERT_EQ(state->model.ProjectRec.Furnace_UnitName.trimmed(), "Gas Furnace 80");
  EXPECT_EQ(furnace->text(), "Gas Furnace 95 System");
  const QString path = project_path("Chosen.pvn");
  save_as_new_file(w, path);
  const auto saved =
      model::decode_record<model::ProjectRec>(model::testing::read_all(path.toStdString()));
  EXPECT_EQ(saved.System2_Description.trimmed(), "Gas Furnace 80 System");
  EXPECT_EQ(saved.System1_Description.trimmed(), "Our loop");
  EXPECT_EQ(furnace->text(), "Gas Furnace 80 System");  // the window agrees with the file
}

TEST_F(ConventionalWindowsTest, ProgramOpensBothWindowsAndLeavingDoneGoesToTheHeatPump) {
  register_windows(*state);
  for (const auto& [id, name] : {std::pair{program_state::WindowId::Furnace, "Form2"},
                                 {program_state::WindowId::HeatPump, "Form6"}}) {
    QDialog* w = state->windows.window(id, *state);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), name);
  }
  auto w = std::make_unique<HeatPumpWindow>(*state);
  ASSERT_TRUE(platform::testing::show_and_activate(w.get()));
  w->form().button("cmdDone")->setFocus();
  w->form().text_box("txtAA95cap")->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), w->form().combo("ComboAir"));
}

// Enter in a list queues a Tab for after its handlers and is passed on, not kept by the window.
TEST_F(ConventionalWindowsTest, EnterInAListQueuesATabAndIsPassedOn) {
  struct EnterSeen : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
      const auto* key = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e) : nullptr;
      seen = seen || (key != nullptr && key->key() == Qt::Key_Return);
      return false;
    }
    bool seen = false;
  };
  struct Case {
    bool heat_pump;
    const char *list, *next;
  };
  const Case cases[] = {{false, "ComboFurnace", "txtAAFinput"},
                        {false, "ComboAC", "txtAA95cap"},
                        {true, "ComboAir", "txtAA95cap"},
                        {true, "ComboFurnace", "ComboAuxHeat"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    std::unique_ptr<platform::DesignedDialog> w;
    if (c.heat_pump)
      w = std::make_unique<HeatPumpWindow>(*state);
    else
      w = std::make_unique<FurnaceWindow>(*state);
    ASSERT_TRUE(platform::testing::show_and_activate(w.get()));
    QComboBox* list = w->form().combo(c.list);
    list->setFocus();
    EnterSeen parent;
    list->parentWidget()->installEventFilter(&parent);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list, &enter);
    EXPECT_EQ(QApplication::focusWidget(), list) << "the Tab waits for the key's handlers";
    EXPECT_TRUE(parent.seen) << "the key goes on past the list";
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->form().control(c.next));
  }
}

// A picture that cannot be read gives way to the logo, silently and without caption: a furnace's,
// and the fixed coil-condition and auxiliary-heat pictures (none in this Data folder).
TEST_F(ConventionalWindowsTest, MissingPictureShowsTheLogo) {
  const auto picture = [this](const char* name, Qt::GlobalColor colour) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString((data_folder() / name).string()), "BMP"));
  };
  picture("GeoLogo.bmp", Qt::red);
  picture("GasFurn.bmp", Qt::blue);
  state->analysis().loads().MinBackupHeat = 34130;
  auto w = opened<FurnaceWindow>();
  auto* list = w->form().combo("ComboFurnace");
  for (const auto& [id, colour, captioned] : {std::tuple{testing::kGas95, QColor(Qt::blue), true},
                                              {testing::kNoEfficiency, QColor(Qt::red), false}}) {
    platform::select_id(list, id);
    const QImage& shown = w->form().picture("Picture2")->picture();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), colour) << id;
    EXPECT_EQ(w->form().label("lblUnitDesc")->isVisibleTo(w.get()), captioned) << id;
  }
  const auto centre = [](const platform::DesignedDialog& d) {
    const QImage& shown = d.form().picture("Picture2")->picture();
    return shown.pixelColor(shown.width() / 2, shown.height() / 2);
  };
  platform::select_id(list, testing::kGas95);
  platform::select_id(w->form().combo("ComboCoilCondition"), 15);
  EXPECT_EQ(centre(*w), QColor(Qt::red)) << "coil condition";
  auto heat_pump = opened<HeatPumpWindow>();
  platform::select_id(heat_pump->form().combo("ComboFurnace"), testing::kGas80);
  EXPECT_EQ(centre(*heat_pump), QColor(Qt::blue));
  platform::select_id(heat_pump->form().combo("ComboAuxHeat"), 1);
  EXPECT_EQ(centre(*heat_pump), QColor(Qt::red)) << "auxiliary heat";
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConventionalWindowsTest, AdvisoriesStopNothing) {
  state->analysis().loads().MinBackupHeat = 34130;
  auto& r = state->model.ProjectRec;
  r.Furnace_ACId = 2;  // two-stage, with a standard-blower furnace
  r.Furnace_UnitId = testing::kGas95;
  r.Furnace_Input = 60000;
  r.HeatPump_BackupId = testing::kElectric;  // electricity, standard fan, override
  r.HeatPump_AuxMode = 1;
  r.HeatPump_BackupInput = 20 * 3413;
  auto furnace = opened<FurnaceWindow>();
  furnace->cmdDone_Click();
  auto heat_pump = opened<HeatPumpWindow>();
  heat_pump->cmdDone_Click();
  EXPECT_EQ(refusals(), 0);
  for (const char* advisory : {"Variable speed fans are recommended with 2-stage air conditioners",
                               "Variable speed fans are recommended with 2-stage heat pumps"}) {
    EXPECT_EQ(times_shown(advisory), 1) << advisory;
  }
  EXPECT_EQ(messages.back().title, platform::kAppTitle);
}

}  // namespace
}  // namespace pellavan::app
