#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/app_fixture.h"
#include "app/main_window_design.h"
#include "platform/picture_box.h"

namespace pellavan::app {
namespace {

using model::SystemType;
using platform::MessageResult;

class MainWindowTest : public testing::AppFixture {};

TEST_F(MainWindowTest, LoadShowsTheDisclaimerThenTheStartView) {
  MainWindow& w = loaded_window();
  ASSERT_FALSE(modal_windows.empty());
  EXPECT_EQ(modal_windows.front(), "Form15");
  EXPECT_EQ(ends, 0);
  EXPECT_EQ(w.windowTitle(), "Pellavan");
  EXPECT_EQ(w.form().label("lblVersion")->text(), "Version 1.0.00");
  EXPECT_FALSE(w.project_open());
  for (const char* start : {"SSCOMMAND1", "SSCOMMAND2", "SSCommand3"})
    EXPECT_TRUE(w.form().button(start)->isVisible()) << start;
  for (const char* frame : {"frmOptions", "frmNotes", "frmProject", "FrmSystems"})
    EXPECT_FALSE(w.form().frame(frame)->isVisible()) << frame;
  EXPECT_TRUE(w.form().button("Command2")->isVisible());
  EXPECT_FALSE(w.form().label("lblInfo")->isVisible());
  for (const char* disabled : {"mnuOptions", "mnuSave", "mnuSaveAs", "mnuSaveDefault"})
    EXPECT_FALSE(w.menus().action(disabled)->isEnabled()) << disabled;
  EXPECT_TRUE(w.menus().action("mnuNew")->isEnabled());
  EXPECT_EQ(state->LargeLayout, 0);
}

TEST_F(MainWindowTest, RefusingTheDisclaimerEndsTheProgram) {
  on_modal["Form15"] = [](QDialog&) { return static_cast<int>(QDialog::Rejected); };
  loaded_window();
  EXPECT_EQ(ends, 1);
}

TEST_F(MainWindowTest, NewGivesTheProjectViewFromTheDefaults) {
  MainWindow& w = loaded_window();
  w.SSCOMMAND1_Click();
  EXPECT_TRUE(w.project_open());
  EXPECT_TRUE(w.form().frame("FrmSystems")->isVisible());
  EXPECT_FALSE(w.form().button("SSCOMMAND1")->isVisible());
  EXPECT_TRUE(w.menus().action("mnuSave")->isEnabled());
  EXPECT_TRUE(w.menus().action("mnuOptions")->isEnabled());
  EXPECT_EQ(state->model.ProjectRec.Project_Title.trimmed(), "New Project");
  EXPECT_EQ(state->model.ProjectRec.Dealer_Name.trimmed(), "Acme Heating");
  EXPECT_NE(state->model.ProjectRec.Project_Date.serial, 0.0);
  EXPECT_EQ(state->model.CurrencyLabel.str(), "CND   ");
  EXPECT_TRUE(state->ProjectFileName.isEmpty());
  EXPECT_TRUE(w.form().option("opGeoA1")->isChecked());
  EXPECT_TRUE(w.form().option("opFossil2")->isChecked());
  EXPECT_TRUE(w.form().option("opNone3")->isChecked());
  EXPECT_EQ(w.form().text_box("txtSelect1")->text(), "RKD036 / Vert 1 U-Tube - 0.75\"");
  EXPECT_EQ(w.form().text_box("txtSelect2")->text(), "Gas Furnace 95 System");
  EXPECT_EQ(w.form().text_box("txtSelect3")->text(), "");  // still None: not rebuilt
  EXPECT_TRUE(messages.empty());                           // no save question: nothing was open
}

TEST_F(MainWindowTest, AKindChosenInOneRowIsClearedInTheOthers) {
  MainWindow& w = loaded_window();
  w.SSCOMMAND1_Click();
  w.form().option("opGeoA2")->click();
  EXPECT_TRUE(w.form().option("opNone1")->isChecked());
  EXPECT_TRUE(w.form().option("opGeoA2")->isChecked());
  EXPECT_EQ(w.form().text_box("txtSelect1")->text(), "No Option Selected");
  EXPECT_EQ(w.rows().row(2).selected, SystemType::GeoA);
}

TEST_F(MainWindowTest, FreezeKeepsTheUsersDescription) {
  MainWindow& w = loaded_window();
  w.SSCOMMAND1_Click();
  w.form().check_box("chkSave3")->click();
  QLineEdit* box = w.form().text_box("txtSelect3");
  box->setText("My own words");
  emit box->textEdited(box->text());
  w.form().option("opElec3")->click();
  EXPECT_EQ(box->text(), "My own words");
  w.Store_Selections();
  EXPECT_EQ(state->model.ProjectRec.System3_Description.trimmed(), "My own words");
  EXPECT_EQ(state->model.ProjectRec.System3_Type, 3);
  EXPECT_EQ(state->model.ProjectRec.System3_Freeze, 1);
  w.form().check_box("chkSave3")->click();
  EXPECT_EQ(box->text(), "AirPro 36 System");
}

TEST_F(MainWindowTest, LongDescriptionsAreShownWholeFromTheirStartAndStoredCut) {
  MainWindow& w = loaded_window();
  w.SSCOMMAND1_Click();
  model::ProjectRec& rec = state->model.ProjectRec;
  rec.GeoA_UnitName = "RKS060 Two Stage Extended Range Unit";
  rec.GeoA_Unit2Name = "RKS060 Two Stage Extended Range Unit";
  rec.GeoA_HydronicMode = 3;  // two units
  w.Show_Unit(1);
  const std::string built = w.rows().row(1).description;
  ASSERT_GT(built.size(), 75u);
  QLineEdit* box = w.form().text_box("txtSelect1");
  EXPECT_EQ(box->text().toStdString(), built);
  EXPECT_EQ(box->cursorPosition(), 0);  // its beginning is what shows
  w.Store_Selections();
  EXPECT_EQ(rec.System1_Description.str(), built.substr(0, 75));
}

TEST_F(MainWindowTest, SystemCommandsNeedTheirKind) {
  state->windows.add(program_state::WindowId::GeoA,
                     program_state::make_window<testing::StandInWindow>);
  MainWindow& w = loaded_window();
  w.SSCOMMAND1_Click();
  EXPECT_TRUE(w.form().button("btnGeo")->isEnabled());  // chosen
  EXPECT_TRUE(w.menus().action("mnuGeoA")->isEnabled());
  w.form().option("opNone1")->click();
  EXPECT_FALSE(w.form().button("btnGeo")->isEnabled());
  EXPECT_FALSE(w.menus().action("mnuGeoA")->isEnabled());

  w.form().option("opGeoA3")->click();
  state->LargeLayout = 0;
  w.btnGeo_Click();
  EXPECT_EQ(modal_windows.back(), "StandIn");
  EXPECT_TRUE(state->windows.loaded(program_state::WindowId::GeoA));
}

TEST_F(MainWindowTest, SummaryPanelsShowDealerAndJob) {
  MainWindow& w = loaded_window();
  w.SSCOMMAND1_Click();
  const QStringList dealer = w.form().picture("picRegTo")->printed_lines();
  ASSERT_EQ(dealer.size(), 10);
  EXPECT_TRUE(dealer[0].startsWith(" Acme Heating"));
  EXPECT_TRUE(dealer[7].startsWith(" Contact:Pat"));
  const QStringList job = w.form().picture("picJobInfo")->printed_lines();
  ASSERT_EQ(job.size(), 8);
  EXPECT_EQ(job[1], " Proj. Title:\tNew Project");
  EXPECT_EQ(job[3], "");  // no project window, so no city
}

}  // namespace
}  // namespace pellavan::app
