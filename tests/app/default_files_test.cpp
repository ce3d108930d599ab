#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "model/project/project_files_fixture.h"

namespace pellavan::app {
namespace {

using model::testing::read_all;
using platform::MessageIcon;
using platform::MessageResult;

const QString kRestore =
    QStringLiteral("Please Restore Original Defaults -- Restart and go to Setup Menu");
const QString kReplaceQuestion = QStringLiteral("Do You Wish to Update the Default File");
const QString kRestoreQuestion =
    QStringLiteral("This Will Overwrite Your Current Default File -- Are You Sure?");

class DefaultFilesTest : public testing::AppFixture {
 protected:
  std::filesystem::path default_file() const { return data_folder() / "Default.dat"; }
};

TEST_F(DefaultFilesTest, MissingDefaultEndsTheProgramWithoutCreatingIt) {
  std::filesystem::remove(default_file());
  MainWindow& w = loaded_window();
  try {
    w.SSCOMMAND1_Click();
    FAIL() << "the program should have ended";
  } catch (const testing::ProgramEnded& e) {
    EXPECT_EQ(QString::fromStdString(e.what()), kRestore);
  }
  EXPECT_TRUE(was_shown("The Default File is Damaged or the Wrong Version!"));  // as a damaged one
  EXPECT_FALSE(std::filesystem::exists(default_file()));
}

TEST_F(DefaultFilesTest, ARelativeProgramFolderStillFindsItsFiles) {
  const std::filesystem::path here = std::filesystem::temp_directory_path();
  std::filesystem::current_path(here);  // the program folder is below it
  state =
      std::make_unique<program_state::AppState>(std::filesystem::relative(program_folder(), here));
  state->VersionText = "1.0.00";
  EXPECT_TRUE(state->program_folder().is_absolute());
  MainWindow& w = new_project();  // the load made the program folder the current folder
  std::filesystem::current_path(here);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(ends, 0);
  EXPECT_TRUE(w.project_open());
}

TEST_F(DefaultFilesTest, DamagedDefaultSaysSoFirst) {
  write_bytes("Default.dat", model::testing::random_project_image("ZZ1"));
  MainWindow& w = loaded_window();
  EXPECT_THROW(w.SSCOMMAND1_Click(), testing::ProgramEnded);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back().text, "The Default File is Damaged or the Wrong Version!");
  EXPECT_EQ(messages.back().title, "Warning!");
  EXPECT_EQ(messages.back().icon, MessageIcon::Critical);
}

TEST_F(DefaultFilesTest, SaveAsDefaultAsksBeforeReplacing) {
  struct Row {
    const char* name;
    MessageResult answer;
    const char* message;  // nullptr: none
    bool replaced;
  };
  const Row rows[] = {
      {"yes", MessageResult::Yes, "Your Default File has been Updated", true},
      {"no", MessageResult::No, "Your Defaults were not Updated", false},
      {"cancel", MessageResult::Cancel, nullptr, false},
  };
  MainWindow& w = new_project();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    write_bytes("Default.dat", model::encode_record(testing::default_project()));
    const auto before = read_all(default_file());
    state->model.ProjectRec.Project_Title = "Becomes the default";
    messages.clear();
    answers[kReplaceQuestion] = r.answer;
    w.menus().action("mnuSaveDefault")->trigger();
    ASSERT_GE(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Replace Default");
    EXPECT_EQ(messages[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.size(), r.message ? 2u : 1u);
    if (r.message) {
      EXPECT_EQ(messages.back().text, r.message);
    }
    EXPECT_EQ(read_all(default_file()) != before, r.replaced);
  }
}

TEST_F(DefaultFilesTest, SaveAsDefaultCreatesAMissingFile) {
  MainWindow& w = new_project();
  std::filesystem::remove(default_file());
  w.menus().action("mnuSaveDefault")->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Your Default File Has Been Created");
  EXPECT_EQ(read_all(default_file()), model::encode_record(state->model.ProjectRec));
}

TEST_F(DefaultFilesTest, RestoreOriginalDefaults) {
  struct Row {
    const char* name;
    bool factory_file;
    MessageResult answer;
    const char* message;
    const char* title;
    const char* title_after;
    const char* cause = "";  // the failure's words under the message
  };
  const Row rows[] = {
      {"no", true, MessageResult::No, "Your Default File Was NOT Updated", "Attention",
       "New Project"},
      {"yes", true, MessageResult::Yes,
       "Your Default File Has Been Updated to the Original Defaults", "Attention",
       "Factory Project"},
      {"yes without factory file", false, MessageResult::Yes,
       "An Error Occurred -- The Default File Was Not Updated", "Pellavan", "New Project",
       "ODefault.dat\" cannot be read: it does not exist"},
  };
  MainWindow& w = loaded_window();
  const auto factory = read_all(data_folder() / "ODefault.dat");
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    write_bytes("Default.dat", model::encode_record(testing::default_project()));
    std::filesystem::remove(data_folder() / "ODefault.dat");
    if (r.factory_file) write_bytes("ODefault.dat", factory);
    messages.clear();
    answers[kRestoreQuestion] = r.answer;
    w.menus().action("mnuRestore")->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages[0].default_button, MessageResult::No);
    EXPECT_EQ(messages[1].text.section(QStringLiteral("\n\n"), 0, 0), r.message);
    EXPECT_TRUE(messages[1].text.endsWith(QString::fromUtf8(r.cause)));
    EXPECT_EQ(messages[1].title, r.title);
    EXPECT_EQ(
        model::decode_record<model::ProjectRec>(read_all(default_file())).Project_Title.trimmed(),
        r.title_after);
  }
}

TEST_F(DefaultFilesTest, TwoOpensShareTheFirstDefaultsZoomLevels) {
  MainWindow& w = new_project();
  const model::Int16 first_zoom = state->model.ProjectRec.Zoom_Project;
  model::ProjectRec changed = testing::default_project();
  changed.Zoom_Project = 33;
  write_bytes("Default.dat", model::encode_record(changed));  // changes during the run
  model::ProjectRec project = testing::default_project();
  project.Zoom_Project = 44;
  model::testing::write_all(program_folder() / "p.pvn", model::encode_record(project));
  answers[testing::kSaveQuestion] = MessageResult::No;
  for (int i = 0; i < 2; ++i) {
    dialog_answers.push_back(project_path("p.pvn"));
    w.SSCOMMAND2_Click();
    EXPECT_EQ(state->model.ProjectRec.Zoom_Project, first_zoom);
  }
}

}  // namespace
}  // namespace pellavan::app
