#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <optional>

#include "app/app_fixture.h"
#include "app/dealer_window.h"
#include "model/project/project_files_fixture.h"
#include "platform/picture_box.h"

namespace pellavan::app {
namespace {

using model::testing::read_all;
using platform::MessageResult;

const QString kNoDealer =
    QStringLiteral("No Dealer Data -- Enter Dealer Data--Save--then Choose New");
const QString kCorrupt = QStringLiteral("Dealer File Corrupt or Wrong Version...Resetting File");

class DealerWindowTest : public testing::AppFixture {
 protected:
  model::DealerRec on_disk() const {
    return model::decode_record<model::DealerRec>(read_all(data_folder() / "Dsetfil.dat"));
  }
  void write_dealer(const model::DealerRec& d) {
    write_bytes("Dsetfil.dat", model::encode_record(d));
  }
};

TEST_F(DealerWindowTest, MissingSettingsFileSendsTheUserToTheDealerWindow) {
  std::filesystem::remove(data_folder() / "Dsetfil.dat");
  MainWindow& w = new_project();
  EXPECT_EQ(times_shown(kNoDealer), 1);
  EXPECT_EQ(std::count(modal_windows.begin(), modal_windows.end(), "Form13"), 1);
  EXPECT_FALSE(std::filesystem::exists(data_folder() / "Dsetfil.dat"));
  // The rows of the new project come from the default file, not from the start view.
  EXPECT_TRUE(w.form().option("opGeoA1")->isChecked());
  EXPECT_TRUE(w.form().option("opFossil2")->isChecked());
}

TEST_F(DealerWindowTest, WrongTagIsResetByBothReaders) {
  model::DealerRec d = testing::default_dealer();
  d.FileTag = "XX9";
  d.HideInactive = 1;
  write_dealer(d);
  new_project();
  EXPECT_EQ(times_shown(kCorrupt), 1);
  EXPECT_EQ(times_shown(kNoDealer), 1);
  EXPECT_EQ(on_disk().FileTag.str(), "KX2");
  EXPECT_EQ(on_disk().Name.str(), std::string(40, ' '));
  EXPECT_EQ(on_disk().HideInactive, 1);  // the project commands keep it

  d.FileTag = "kx1";
  write_dealer(d);
  messages.clear();
  DealerWindow dealer(*state);
  EXPECT_EQ(times_shown(kCorrupt), 1);
  EXPECT_EQ(on_disk().HideInactive, 0);  // the dealer window's own read clears it
}

TEST_F(DealerWindowTest, LowerCaseTagIsAcceptedByTheWindowToo) {
  model::DealerRec d = testing::default_dealer();
  d.FileTag = "kx2";
  write_dealer(d);
  DealerWindow dealer(*state);
  EXPECT_TRUE(messages.empty());
  dealer.show();
  EXPECT_EQ(dealer.form().text_box("txtDname")->text(), "Acme Heating");
}

TEST_F(DealerWindowTest, ActivationShowsTheFileAndBlankOptionsAsNo) {
  model::DealerRec d = testing::default_dealer();
  for (auto* option : {&d.MetricMode, &d.UseDegF, &d.UseBtuh, &d.UseFeet, &d.GasGJ}) *option = "";
  d.HideInactive = 1;
  write_dealer(d);
  DealerWindow dealer(*state);
  dealer.show();
  auto& f = dealer.form();
  EXPECT_TRUE(f.option("OptionMno")->isChecked());
  EXPECT_TRUE(f.option("OptionFN")->isChecked());  // set after the metric pair forced Yes
  EXPECT_TRUE(f.option("OptionCCFtoM3")->isChecked());
  EXPECT_TRUE(f.option("OptionNo")->isChecked());
  EXPECT_FALSE(f.option("OptionFY")->isEnabled());
  EXPECT_FALSE(f.option("OptionCCFtoGJ")->isEnabled());
  EXPECT_EQ(state->model.MetricFlag(model::kMetricDisplay), 0);
  EXPECT_EQ(state->model.MetricFlag(model::kKeepFahrenheit), 0);
}

TEST_F(DealerWindowTest, MetricOptionsTakeEffectAtOnceAndStayAfterCancel) {
  DealerWindow dealer(*state);
  dealer.show();
  auto& f = dealer.form();
  f.option("OptionMyes")->click();
  EXPECT_EQ(state->model.MetricFlag(model::kMetricDisplay), -1);
  EXPECT_EQ(state->model.MetricFlag(model::kKeepFahrenheit), 0);
  EXPECT_EQ(state->model.MetricFlag(model::kKeepFeet), 0);
  EXPECT_TRUE(f.option("OptionFtN")->isChecked());
  EXPECT_TRUE(f.option("OptionCCFtoGJ")->isEnabled());
  f.option("OptionFtY")->click();
  EXPECT_EQ(state->model.MetricFlag(model::kKeepFeet), -1);
  f.option("OptionCCFtoGJ")->click();
  EXPECT_EQ(state->model.MetricFlag(model::kGasPerGj), 0);  // the gas choice waits for Save
  f.option("OptionMno")->click();
  EXPECT_EQ(state->model.MetricFlag(model::kMetricDisplay), 0);
  EXPECT_EQ(state->model.MetricFlag(model::kKeepFahrenheit), -1);
  EXPECT_EQ(state->model.MetricFlag(model::kKeepBtuh), -1);
  EXPECT_EQ(state->model.MetricFlag(model::kKeepFeet), -1);
  EXPECT_TRUE(f.option("OptionBtuY")->isChecked());
  f.option("OptionMyes")->click();
  const auto file = read_all(data_folder() / "Dsetfil.dat");
  dealer.btnCancel_Click();
  EXPECT_EQ(state->model.MetricFlag(model::kMetricDisplay), -1);
  EXPECT_EQ(read_all(data_folder() / "Dsetfil.dat"), file);
}

TEST_F(DealerWindowTest, SaveWritesTheFileCutToItsFields) {
  DealerWindow dealer(*state);
  dealer.show();
  auto& f = dealer.form();
  f.text_box("txtDphone")->setText(QString(25, u'5'));
  f.text_box("txtDcontact")->setText("  Lee  ");
  f.text_box("txtDname")->setText(" Spaced Name");
  f.option("OptionMyes")->click();
  f.option("OptionCCFtoGJ")->click();
  f.option("OptionNo")->click();
  dealer.btnSave_Click();
  EXPECT_EQ(dealer.result(), QDialog::Accepted);
  const model::DealerRec d = on_disk();
  EXPECT_EQ(d.FileTag.str(), "KX2");
  EXPECT_EQ(d.Phone.str(), std::string(20, '5'));
  EXPECT_EQ(d.Contact.trimmed(), "Lee");
  EXPECT_EQ(d.Contact.str().substr(0, 3), "Lee");
  EXPECT_EQ(d.Name.str().substr(0, 12), " Spaced Name");  // as typed
  EXPECT_EQ(d.MetricMode.str(), "1");
  EXPECT_EQ(d.GasGJ.str(), "1");
  EXPECT_EQ(d.UseFeet.str(), "0");
  EXPECT_EQ(d.HideInactive, 1);
  EXPECT_EQ(state->model.MetricFlag(model::kGasPerGj), -1);
}

TEST_F(DealerWindowTest, SaveUnloadsTheWindowsBuiltOnTheSettings) {
  struct Holder : QDialog {
    Holder(program_state::AppState&, QWidget*) {}
  };
  for (program_state::WindowId id :
       {program_state::WindowId::GeoA, program_state::WindowId::GeoT,
        program_state::WindowId::Reports, program_state::WindowId::Furnace}) {
    state->windows.add(id, program_state::make_window<Holder>);
    state->windows.window(id, *state);
  }
  DealerWindow dealer(*state);
  dealer.show();
  dealer.btnSave_Click();
  EXPECT_FALSE(state->windows.loaded(program_state::WindowId::GeoA));
  EXPECT_FALSE(state->windows.loaded(program_state::WindowId::GeoT));
  EXPECT_FALSE(state->windows.loaded(program_state::WindowId::Reports));
  EXPECT_TRUE(state->windows.loaded(program_state::WindowId::Furnace));
}

TEST_F(DealerWindowTest, UnwritableSettingsFileIsReportedAndTheWindowStays) {
  std::filesystem::remove(data_folder() / "Dsetfil.dat");
  std::filesystem::create_directory(data_folder() / "Dsetfil.dat");  // cannot be replaced
  DealerWindow dealer(*state);
  dealer.show();
  messages.clear();
  dealer.btnSave_Click();
  ASSERT_EQ(messages.size(), 1u);
  const std::string path = (data_folder() / "Dsetfil.dat").string();
  EXPECT_EQ(messages[0].text.toStdString(),
            path + " File Error -- Please contact Oskerby Support\n\nThe file \"" + path +
                "\" cannot be written: it is a folder");
  EXPECT_NE(dealer.result(), QDialog::Accepted);
  EXPECT_EQ(ends, 0);
}

TEST_F(DealerWindowTest, UpdateProjectTouchesOnlyTheProject) {
  MainWindow& w = new_project();
  on_modal["Form13"] = [](QDialog& dialog) {
    auto& dealer = static_cast<DealerWindow&>(dialog);
    dealer.show();
    dealer.form().text_box("txtDname")->setText("Project Only Dealer");
    dealer.form().text_box("txtDemail")->setText("  x@y.example ");
    dealer.cndUpLoad_Click();
    return dealer.result();
  };
  const auto file = read_all(data_folder() / "Dsetfil.dat");
  w.mnuDealer_Click();
  EXPECT_EQ(state->model.ProjectRec.Dealer_Name.trimmed(), "Project Only Dealer");
  EXPECT_EQ(state->model.ProjectRec.Dealer_Email.str().substr(0, 11), "x@y.example");
  EXPECT_EQ(read_all(data_folder() / "Dsetfil.dat"), file);
  EXPECT_TRUE(w.form()
                  .picture("picRegTo")
                  ->printed_lines()
                  .constFirst()
                  .startsWith(" Project Only Dealer"));
}

// A settings file whose cut save cannot be finished is told once by each of New, Open and the
// setup button, without the no-data message or the dealer window, and the new project opens;
// once the file can be written, the next New restores the version being saved.
TEST_F(DealerWindowTest, ASettingsFileThatCannotBeRestoredIsToldOnce) {
  const std::filesystem::path file = data_folder() / "Dsetfil.dat";
  model::DealerRec being_saved = testing::default_dealer();
  being_saved.Name = "Being Saved";
  being_saved.Contact = "Lee";
  std::filesystem::create_hard_link(file, program_folder() / "Dsetfil.copy");
  const auto old_bytes = model::encode_record(testing::default_dealer());
  const auto new_bytes = model::encode_record(being_saved);
  model::testing::leave_cut_save(file, old_bytes, new_bytes,
                                 model::testing::written_halfway(old_bytes, new_bytes));
  const QString cannot = QString::fromStdString(
      file.string() +
      "\nThe Last Save of This File Was Interrupted -- It Cannot Be Restored or Opened\n\n"
      "The file \"" +
      file.string() + "\" cannot be written: the file would be too large");
  std::optional<model::testing::FileSizeLimit> limit(std::in_place, 16);  // short of the contact
  MainWindow& w = loaded_window();
  QTest::mouseClick(w.form().button("SSCOMMAND1"), Qt::LeftButton);
  EXPECT_EQ(times_shown(cannot), 1);
  EXPECT_FALSE(was_shown(kNoDealer));
  EXPECT_EQ(std::count(modal_windows.begin(), modal_windows.end(), "Form13"), 0);
  EXPECT_EQ(std::count(modal_windows.begin(), modal_windows.end(), "Form15"), 1);  // the project
  struct Step {
    const char* name;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"Open", [&] { w.menus().action("mnuOpen")->trigger(); }},  // the file dialog cancelled
      {"setup button", [&] { QTest::mouseClick(w.form().button("CommandSetup"), Qt::LeftButton); }},
  };
  answers[testing::kSaveQuestion] = MessageResult::No;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    messages.clear();
    step.act();
    EXPECT_EQ(times_shown(cannot), 1);
    EXPECT_FALSE(was_shown(kNoDealer));
  }
  limit.reset();
  messages.clear();
  w.menus().action("mnuNew")->trigger();
  EXPECT_EQ(times_shown(QString::fromStdString(file.string()) +
                        "\nThe Last Save of This File Was Interrupted -- The Version Being Saved "
                        "Has Been Restored"),
            1);
  EXPECT_EQ(state->model.ProjectRec.Dealer_Name.trimmed(), "Being Saved");
}

TEST_F(DealerWindowTest, SetupButtonSizesTheWindowWhateverTheLayout) {
  MainWindow& w = new_project();
  QSize seen;
  on_modal["Form13"] = [&](QDialog& dialog) {
    seen = dialog.frameGeometry().size();
    return static_cast<int>(QDialog::Rejected);
  };
  state->LargeLayout = -1;
  w.CommandSetup_Click();
  EXPECT_EQ(seen, platform::outer_size_pixels(&w, 15250, 10500));
}

}  // namespace
}  // namespace pellavan::app
