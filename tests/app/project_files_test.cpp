#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>
#include <fcntl.h>
#include <optional>

#include "app/app_fixture.h"
#include "model/saving/file_lock.h"
#include "model/project/project_files_fixture.h"
#include "platform/picture_box.h"
#include "systems/stored_figures.h"

namespace pellavan::app {
namespace {

using model::testing::read_all;
using model::testing::write_all;
using platform::MessageResult;

const QString kDamaged =
    QStringLiteral("This File is Either Damaged or the Wrong Type...It Cannot Be Opened");
const QString kNewer = QStringLiteral(
    "This File Was Created With a Newer Version of Pellavan--You Must Update to the Current "
    "Revision to Open");
const QString kDiscontinued = QStringLiteral(
    "There is one or more inactive/discontinued units on the job being opened.  To open this "
    "file please enable viewing of discontinued units in the setup menu");
const QString kExtension = QStringLiteral(
    "File Extension Must be 'PVN' -- File Extension will Default to 'PVN' if Left Blank");

class ProjectFilesTest : public testing::AppFixture {
 protected:
  std::filesystem::path file(const char* name) const { return program_folder() / name; }
  void open_file(MainWindow& w, const QString& path) {
    dialog_answers.push_back(path);
    w.SSCOMMAND2_Click();
  }
  // The message of a save into a folder that is not there.
  [[nodiscard]] QString missing_folder_words(const char* folder) const {
    return QString::fromStdString("The folder \"" + file(folder).string() +
                                  "\" cannot be written: it does not exist");
  }
};

TEST_F(ProjectFilesTest, NewChooseSaveOpenReadsTheSameProject) {
  MainWindow& w = new_project();
  w.form().option("opGeoT3")->click();
  save_as_new_file(w, project_path("Smith.PVN"));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].file_name, "Untitled.pvn");
  EXPECT_EQ(dialogs[0].filter, "Icons(*.pvn)|*.pvn");
  EXPECT_EQ(dialogs[0].default_suffix, "pvn");
  const auto saved = read_all(file("Smith.PVN"));
  ASSERT_EQ(saved.size(), 10665u);
  EXPECT_EQ(saved, model::encode_record(state->model.ProjectRec));
  EXPECT_EQ(state->model.ProjectRec.System3_Type, 6);
  EXPECT_EQ(state->ProjectFileTitle, "Smith.PVN");
  EXPECT_EQ(w.form().picture("picJobInfo")->printed_lines().last(), " File Name:\tsmith.pvn");

  answers[testing::kSaveQuestion] = MessageResult::No;
  w.SSCOMMAND1_Click();  // another new project, not saved
  EXPECT_TRUE(state->ProjectFileName.isEmpty());
  EXPECT_EQ(state->model.ProjectRec.System3_Type, 0);

  open_file(w, project_path("Smith.PVN"));
  EXPECT_EQ(model::encode_record(state->model.ProjectRec), saved);
  EXPECT_EQ(state->ProjectFileName, project_path("Smith.PVN"));
  EXPECT_TRUE(w.form().option("opGeoT3")->isChecked());
  EXPECT_EQ(state->model.CurrencyLabel.str(), "USD   ");
}

// A column whose system code the program does not know opens as no system, unfrozen, and the
// user is told which, once; the file keeps its bytes until the project is saved.
TEST_F(ProjectFilesTest, AColumnOfASystemTheProgramDoesNotKnowOpensAsNone) {
  const QString notice = QStringLiteral(
      "Option 3 Holds System Code 5, Which This Version of Pellavan Does Not Know -- It Is Shown "
      "as No System");
  model::ProjectRec five = testing::default_project();
  five.System3_Type = 5;
  five.System3_Freeze = 1;
  five.System3_Description = "Geo X Hybrid";
  const auto bytes = model::encode_record(five);
  const struct {
    const char* name;
    std::filesystem::path file;
    const char* menu;
  } kRows[] = {{"opened", file("five.pvn"), "mnuOpen"},
               {"new from the default file", data_folder() / "Default.dat", "mnuNew"}};
  for (const auto& r : kRows) {
    SCOPED_TRACE(r.name);
    MainWindow& w = new_project();
    write_all(r.file, bytes);
    messages.clear();
    answers[testing::kSaveQuestion] = MessageResult::No;
    dialog_answers.push_back(project_path("five.pvn"));
    w.menus().action(r.menu)->trigger();
    dialog_answers.clear();
    EXPECT_EQ(times_shown(notice), 1);
    EXPECT_TRUE(w.form().option("opNone3")->isChecked());
    EXPECT_FALSE(w.form().check_box("chkSave3")->isChecked());
    EXPECT_EQ(w.form().text_box("txtSelect3")->text(), "No Option Selected");
    EXPECT_EQ(read_all(r.file), bytes);
    save_as_new_file(w, project_path("saved.pvn"));  // the dialog only for the new project
    const auto saved =
        model::decode_record<model::ProjectRec>(read_all(state->ProjectFileName.toStdString()));
    EXPECT_EQ(saved.System3_Type, 0);
    EXPECT_EQ(saved.System3_Freeze, 0);
    EXPECT_EQ(saved.System3_Description.trimmed(), "No Option Selected");
  }
}

// A figure no window would accept opens with one message naming its window and field; the file
// and the record keep it until the user corrects and saves it.
TEST_F(ProjectFilesTest, AFigureItsWindowWouldRefuseOpensWithItsMessage) {
  // The shipped sample, whose loads pass, with a tandem Geo A.
  auto damaged = model::decode_record<model::ProjectRec>(
      read_all(std::filesystem::path(std::getenv("PELLAVAN_DATA_DIR")) / "Sample Project.pvn"));
  damaged.GeoA_Unit2Tons =  // its window comes after the rates: not told
      model::Currency::from_double_saturated(489991639457910.9648);
  damaged.Rates_OilWinter = model::Currency::from_double_saturated(-3);
  const auto bytes = model::encode_record(damaged);
  write_all(file("damaged.pvn"), bytes);
  state->services.stored_figures = &systems::stored_figures;  // as the program registers it
  MainWindow& w = new_project();
  messages.clear();
  answers[testing::kSaveQuestion] = MessageResult::No;
  open_file(w, project_path("damaged.pvn"));
  EXPECT_EQ(times_shown(QStringLiteral(
                "Utility Information Holds a Fuel Oil Winter Rate of -3, Which Is Out of Range "
                "-- Open the Utility Information Window to Correct It")),
            1);
  EXPECT_EQ(times_shown(QStringLiteral(
                "Geo A Holds a Second Unit Quantity of 489,991,639,457,911, Which Is Out of Range "
                "-- Open the Geo A Window to Correct It")),
            0);
  EXPECT_EQ(read_all(file("damaged.pvn")), bytes);
  EXPECT_EQ(state->model.ProjectRec.GeoA_Unit2Tons, damaged.GeoA_Unit2Tons);
}

TEST_F(ProjectFilesTest, SaveAsksForTheProjectExtension) {
  MainWindow& w = new_project();
  dialog_answers.push_back(project_path("plan.txt"));
  save_as_new_file(w, project_path("plan.PVN"));
  EXPECT_EQ(times_shown(kExtension), 1);
  EXPECT_EQ(dialogs.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(file("plan.PVN")));
  EXPECT_FALSE(std::filesystem::exists(file("plan.txt")));
}

TEST_F(ProjectFilesTest, AnsweringNoWritesNothingAndKeepsTheName) {
  MainWindow& w = new_project();
  save_as_new_file(w, project_path("a.pvn"));
  const auto before = read_all(file("a.pvn"));
  w.form().option("opNone1")->click();
  answers[testing::kSaveQuestion] = MessageResult::No;
  w.mnuSave_Click();
  EXPECT_EQ(read_all(file("a.pvn")), before);
  EXPECT_EQ(state->ProjectFileTitle, "a.pvn");
}

TEST_F(ProjectFilesTest, SecondSaveWritesWithoutDialogAndReplacesTheFile) {
  MainWindow& w = new_project();
  save_as_new_file(w, project_path("a.pvn"));
  w.form().option("opNone1")->click();
  w.mnuSave_Click();
  EXPECT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(model::decode_record<model::ProjectRec>(read_all(file("a.pvn"))).System1_Type, 0);
}

TEST_F(ProjectFilesTest, BadFilesGiveTheirMessageAndChangeNothing) {
  struct Row {
    const char* name;
    std::vector<std::uint8_t> bytes;
    QString message;
    bool folder = false;  // a folder of that name, which cannot be read
  };
  auto short_file = model::encode_record(testing::default_project());
  short_file.resize(9000);
  const Row rows[] = {
      {"foreign tag", model::testing::random_project_image("XY7"), kDamaged},
      {"newer version", model::testing::random_project_image("KQ8"), kNewer},
      {"short file", short_file, kDamaged},
      {"empty file", {}, kDamaged},
      {"folder",
       {},
       project_path("bad.pvn") + "\nThis File Could Not Be Read...It Cannot Be Opened",
       true},
  };
  MainWindow& w = new_project();
  save_as_new_file(w, project_path("mine.pvn"));
  w.form().option("opElec3")->click();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::filesystem::remove_all(file("bad.pvn"));
    if (r.folder)
      std::filesystem::create_directory(file("bad.pvn"));
    else
      write_all(file("bad.pvn"), r.bytes);
    w.Store_Selections();
    const model::ProjectRec before = state->model.ProjectRec;
    messages.clear();
    answers[testing::kSaveQuestion] = MessageResult::No;
    open_file(w, project_path("bad.pvn"));
    EXPECT_EQ(times_shown(r.message), 1);
    EXPECT_EQ(state->model.ProjectRec, before);
    EXPECT_EQ(state->ProjectFileTitle, "mine.pvn");
    EXPECT_TRUE(w.form().option("opElec3")->isChecked());
  }
}

// A project of two names whose save was cut off opens as the version being saved, with a word to
// the user; where that version cannot be written back the file is not opened.
TEST_F(ProjectFilesTest, AnOpenAfterACutSaveRestoresTheVersionBeingSaved) {
  struct Row {
    const char* name;
    bool size_limit;  // no file may grow past 4,096 bytes
    QString message;
    const char* title;  // the project afterwards
  };
  const QString job = project_path("job.pvn");
  const Row rows[] = {
      {"cannot be written back", true,
       job +
           "\nThe Last Save of This File Was Interrupted -- It Cannot Be Restored or Opened\n\n"
           "The file \"" +
           job + "\" cannot be written: the file would be too large",
       "New Project"},
      {"restored", false,
       job + "\nThe Last Save of This File Was Interrupted -- The Version Being Saved Has Been "
             "Restored",
       "Being Saved"},
  };
  model::ProjectRec old_rec = testing::default_project();
  old_rec.Project_Title = "Before";
  model::ProjectRec new_rec = testing::default_project();
  new_rec.Project_Title = "Being Saved";
  const auto old_bytes = model::encode_record(old_rec);
  const auto new_bytes = model::encode_record(new_rec);
  MainWindow& w = new_project();
  answers[testing::kSaveQuestion] = MessageResult::No;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::filesystem::remove(file("job.pvn"));
    std::filesystem::remove(file("copy.pvn"));
    write_all(file("job.pvn"), old_bytes);
    std::filesystem::create_hard_link(file("job.pvn"), file("copy.pvn"));
    model::testing::leave_cut_save(file("job.pvn"), old_bytes, new_bytes,
                                   model::testing::written_halfway(old_bytes, new_bytes));
    messages.clear();
    std::optional<model::testing::FileSizeLimit> limit;
    if (r.size_limit) limit.emplace(4096);
    open_file(w, job);
    limit.reset();
    EXPECT_EQ(times_shown(r.message), 1) << qPrintable(messages.front().text);
    EXPECT_EQ(state->model.ProjectRec.Project_Title.trimmed(), r.title);
    if (!r.size_limit) {
      EXPECT_EQ(read_all(file("copy.pvn")), new_bytes);
    }
    EXPECT_TRUE(std::filesystem::equivalent(file("job.pvn"), file("copy.pvn")));
  }
}

// A project that a stopped second instance holds half-saved is not opened by a click on Open: a
// word within a few seconds, the file as it was; once that instance is gone, the next click opens
// the version it was saving.
TEST_F(ProjectFilesTest, AProjectAnotherProgramIsSavingIsNotOpenedUntilItIsDone) {
  model::ProjectRec old_rec = testing::default_project();
  old_rec.Project_Title = "Before";
  model::ProjectRec new_rec = testing::default_project();
  new_rec.Project_Title = "Being Saved";               // in the half written
  new_rec.Rates_Description = "Rates as being saved";  // in the half not yet written
  const auto old_bytes = model::encode_record(old_rec);
  const auto new_bytes = model::encode_record(new_rec);
  write_all(file("job.pvn"), old_bytes);
  std::filesystem::create_hard_link(file("job.pvn"), file("copy.pvn"));
  model::testing::StoppedProcess saving([&] {
    if (!model::testing::hold_turn(file("job.pvn"), model::FileLock::kSave)) std::_Exit(1);
    model::testing::leave_cut_save(file("job.pvn"), old_bytes, new_bytes, 5000);
  });
  const auto half_saved = read_all(file("job.pvn"));
  const QString job = project_path("job.pvn");
  MainWindow& w = loaded_window();
  dialog_answers.push_back(job);
  QTest::mouseClick(w.form().button("SSCOMMAND2"), Qt::LeftButton);
  EXPECT_EQ(times_shown(job + "\nThis File is Being Saved by Another Program -- Open It Again "
                              "When the Save is Done"),
            1);
  EXPECT_TRUE(state->ProjectFileName.isEmpty());
  EXPECT_EQ(read_all(file("job.pvn")), half_saved);

  saving.end();
  messages.clear();
  dialog_answers.push_back(job);
  QTest::mouseClick(w.form().button("SSCOMMAND2"), Qt::LeftButton);
  EXPECT_EQ(times_shown(job + "\nThe Last Save of This File Was Interrupted -- The Version Being "
                              "Saved Has Been Restored"),
            1);
  EXPECT_EQ(state->model.ProjectRec.Project_Title.trimmed(), "Being Saved");
  EXPECT_EQ(read_all(file("copy.pvn")), new_bytes);
}

TEST_F(ProjectFilesTest, CancelledOpenChangesNothing) {
  MainWindow& w = new_project();
  w.Store_Selections();
  const model::ProjectRec before = state->model.ProjectRec;
  answers[testing::kSaveQuestion] = MessageResult::No;
  w.SSCOMMAND2_Click();  // no dialog answer: cancelled
  EXPECT_EQ(state->model.ProjectRec, before);
  EXPECT_TRUE(state->ProjectFileName.isEmpty());
  EXPECT_EQ(messages.size(), 1u);  // only the save question
}

TEST_F(ProjectFilesTest, OlderFilesAreConverted) {
  struct Row {
    const char* tag;
    std::int64_t geo_b_tons_raw;
    model::Int32 aux_mode;
    model::Int16 geo_t_unit;
    model::Int16 dhw_temp;
  };
  const Row rows[] = {{"KQ2", 40000, 99, 3, 135}, {"KQ3", 4, 99, 3, 135}, {"kq4", 4, 2, 3, 135},
                      {"KQ5", 4, 2, 3, 135},      {"KQ6", 4, 2, 3, 135},  {"KQ7", 4, 2, 0, 140}};
  MainWindow& w = new_project();
  answers[testing::kSaveQuestion] = MessageResult::No;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.tag);
    model::ProjectRec old = testing::default_project();
    old.FileTag = r.tag;
    old.GeoB_Tons = model::Currency::from_raw(4);
    old.GeoA_AuxMode = old.GeoB_AuxMode = old.HeatPump_AuxMode = 2;
    old.GeoT_UnitId = 0;
    old.Loads_DhwTemp = 140;
    old.Zoom_Project = 55;  // the run's zoom levels replace it
    write_all(file("old.pvn"), model::encode_record(old));
    open_file(w, project_path("old.pvn"));
    const model::ProjectRec& rec = state->model.ProjectRec;
    EXPECT_EQ(rec.GeoB_Tons.raw(), r.geo_b_tons_raw);
    EXPECT_EQ(rec.GeoB_AuxMode, r.aux_mode);
    EXPECT_EQ(rec.HeatPump_AuxMode, r.aux_mode);
    EXPECT_EQ(rec.GeoT_UnitId, r.geo_t_unit);
    EXPECT_EQ(rec.Loads_DhwTemp, r.dhw_temp);
    EXPECT_EQ(rec.Zoom_Project, testing::default_project().Zoom_Project);
    EXPECT_EQ(state->ProjectFileTitle, "old.pvn");
  }
}

TEST_F(ProjectFilesTest, DiscontinuedUnitIsRefusedAndThePreviousProjectIsWhatIsOffered) {
  model::DealerRec dealer = testing::default_dealer();
  dealer.HideInactive = 1;
  write_bytes("Dsetfil.dat", model::encode_record(dealer));
  MainWindow& w = new_project();
  save_as_new_file(w, project_path("previous.pvn"));
  const auto previous = read_all(file("previous.pvn"));

  model::ProjectRec refused = testing::default_project();
  refused.GeoA_UnitId = 2;  // discontinued, in column 1
  refused.Project_Title = "Refused";
  write_all(file("refused.pvn"), model::encode_record(refused));
  messages.clear();
  answers[testing::kSaveQuestion] = MessageResult::Yes;  // every offer to save is accepted
  open_file(w, project_path("refused.pvn"));

  EXPECT_EQ(times_shown(kDiscontinued), 1);
  EXPECT_EQ(read_all(file("previous.pvn")), previous);  // saved again: the previous project
  EXPECT_NE(state->model.ProjectRec.Project_Title.trimmed(), "Refused");
  EXPECT_TRUE(state->ProjectFileName.isEmpty());  // a new project
}

TEST_F(ProjectFilesTest, DiscontinuedUnitsOpenWhileTheyAreShown) {
  MainWindow& w = new_project();
  model::ProjectRec rec = testing::default_project();
  rec.GeoA_UnitId = 2;
  write_all(file("old-unit.pvn"), model::encode_record(rec));
  answers[testing::kSaveQuestion] = MessageResult::No;
  open_file(w, project_path("old-unit.pvn"));
  EXPECT_FALSE(was_shown(kDiscontinued));
  EXPECT_EQ(state->model.ProjectRec.GeoA_UnitId, 2);
}

TEST_F(ProjectFilesTest, ClosingAfterACancelledOrFailedSaveKeepsTheProject) {
  MainWindow& w = new_project();
  answers[testing::kSaveQuestion] = MessageResult::Yes;
  w.close();  // the save dialog is cancelled
  EXPECT_EQ(ends, 0);
  EXPECT_TRUE(w.project_open());

  dialog_answers.push_back(project_path("no/such/folder/x.pvn"));
  w.btnExit_Click();  // the write fails
  EXPECT_EQ(ends, 0);
  EXPECT_TRUE(was_shown(missing_folder_words("no/such/folder")));

  answers[testing::kSaveQuestion] = MessageResult::No;
  w.btnExit_Click();
  EXPECT_EQ(ends, 1);
}

TEST_F(ProjectFilesTest, SaveAsProposesTheLastNameAndReportsAFailedWrite) {
  MainWindow& w = new_project();
  dialog_answers.push_back(std::nullopt);  // cancelled: nothing happens
  w.menus().action("mnuSaveAs")->trigger();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].file_name, "untitled.pvn");
  EXPECT_TRUE(messages.empty());

  save_as_new_file(w, project_path("first.pvn"));
  dialog_answers.push_back(project_path("missing/second.pvn"));
  w.menus().action("mnuSaveAs")->trigger();
  EXPECT_EQ(dialogs.back().file_name, "first.pvn");
  EXPECT_TRUE(was_shown(missing_folder_words("missing")));
  EXPECT_EQ(state->ProjectFileTitle, "first.pvn");

  dialog_answers.push_back(project_path("second.pvn"));
  w.menus().action("mnuSaveAs")->trigger();
  EXPECT_EQ(state->ProjectFileTitle, "second.pvn");
  EXPECT_TRUE(std::filesystem::exists(file("second.pvn")));
}

TEST_F(ProjectFilesTest, NewDoesNotReplaceAProjectWhoseSaveWasCancelled) {
  MainWindow& w = new_project();
  w.form().option("opGeoB3")->click();
  state->model.ProjectRec.Project_Title = "Unsaved work";
  answers[testing::kSaveQuestion] = MessageResult::Yes;
  w.SSCOMMAND1_Click();  // the save dialog is cancelled
  EXPECT_EQ(state->model.ProjectRec.Project_Title.trimmed(), "Unsaved work");
  EXPECT_TRUE(w.form().option("opGeoB3")->isChecked());
  w.SSCOMMAND2_Click();  // Open asks the same and stops the same way
  EXPECT_EQ(state->model.ProjectRec.Project_Title.trimmed(), "Unsaved work");
  EXPECT_EQ(dialogs.size(), 2u);  // two save dialogs, no open dialog
}

TEST_F(ProjectFilesTest, ClosingTheStartViewAsksNothing) {
  MainWindow& w = loaded_window();
  w.close();
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ProjectFilesTest, FullDiskOffersRetryAndKeepsTheOldFile) {
  MainWindow& w = new_project();
  save_as_new_file(w, project_path("big.pvn"));
  const auto before = read_all(file("big.pvn"));
  w.form().option("opNone1")->click();
  int retries = 0;
  answer_first = [&](const platform::MessageRequest& r) -> std::optional<MessageResult> {
    if (r.text != "Disk Full, Insert New Disk") return std::nullopt;
    return ++retries < 2 ? MessageResult::Retry : MessageResult::Cancel;
  };
  SaveOutcome outcome{};
  {
    const model::testing::FileSizeLimit limit(4096);
    outcome = w.commands().Save_It();
  }
  EXPECT_EQ(outcome, SaveOutcome::kFailed);
  EXPECT_EQ(retries, 2);
  EXPECT_EQ(read_all(file("big.pvn")), before);
}

// Markup in a project's texts shows as the characters typed, in every label of the windows.
TEST_F(ProjectFilesTest, MarkupInAProjectShowsAsPlainText) {
  MainWindow& w = loaded_window();
  answers[testing::kSaveQuestion] = MessageResult::No;
  for (const char* name : {"<img src=Data/GeoLogo.bmp width=300>", "<h1>Smith</h1>"}) {
    SCOPED_TRACE(name);
    model::ProjectRec rec = testing::default_project();
    rec.Client_Name = name;
    write_all(file("markup.pvn"), model::encode_record(rec));
    open_file(w, project_path("markup.pvn"));
    EXPECT_EQ(w.form().label("lblCusName")->text(), name);
    for (const QLabel* label : w.findChildren<QLabel*>())
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << qPrintable(label->objectName());
  }
}

}  // namespace
}  // namespace pellavan::app
