// Projects opened one after another into the project-information window: the shipped sample
// opens without a message; a project whose stored values fail the checks shows its message over
// the window, and the windows show that project's city only, never figures of the one before.
#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include "app/loads_windows_fixture.h"
#include "loads/building_load/building_load_book.h"
#include "program_state/analysis_session.h"
#include "model/project/project_file.h"
#include "platform/picture_box.h"

namespace pellavan::app {
namespace {

namespace fs = std::filesystem;

// What the user sees when a range message comes up.
struct Seen {
  bool window_on_screen = false;
  QString heating_design;  // lbl97Heating
  QString factor;          // lblCd
  QString gain;            // lblGain
  QString load_caption;    // labelLoad
  QStringList job_panel;   // the main window's
};

class ProjectOpenTest : public testing::LoadsWindowsFixture {
 protected:
  void open(MainWindow& main, const fs::path& file) {
    dialog_answers.push_back(QString::fromStdString(file.string()));
    main.SSCOMMAND2_Click();
  }
  void set_metric_option() {
    model::DealerRec dealer = testing::default_dealer();
    dealer.MetricMode = "1";
    write_bytes("Dsetfil.dat", model::encode_record(dealer));
  }
};

TEST_F(ProjectOpenTest, ABadProjectAfterTheSampleShowsOnlyItsOwnCity) {
  state->windows.add(program_state::WindowId::ProjectInfo,
                     program_state::make_window<ProjectWindow>);
  const fs::path sample = fs::path(std::getenv("PELLAVAN_DATA_DIR")) / "Sample Project.pvn";
  model::ProjectRead read = model::read_project_file(sample);
  ASSERT_EQ(read.status, model::ProjectReadStatus::kOk);
  model::ProjectRec bad = read.record;
  bad.Loads_CityId = 4;  // Springfield, IL: heating design 0 F
  bad.Loads_DhwTemp = 140;
  ASSERT_FALSE(model::write_project_file(program_folder() / "bad.pvn", bad));

  MainWindow& main = loaded_window();
  ProjectWindow* shown = nullptr;
  std::vector<Seen> seen;
  answers[testing::kSaveQuestion] = platform::MessageResult::No;
  answer_first = [&](const platform::MessageRequest& m) -> std::optional<platform::MessageResult> {
    if (shown == nullptr || m.title != "Range Violation") return std::nullopt;
    const auto text = [shown](const char* label) { return shown->form().label(label)->text(); };
    seen.push_back({shown->windowHandle() != nullptr && shown->windowHandle()->isVisible(),
                    text("lbl97Heating"), text("lblCd"), text("lblGain"), text("labelLoad"),
                    main.form().picture("picJobInfo")->printed_lines()});
    return std::nullopt;
  };
  on_modal["Form3"] = [&](QDialog& d) {
    shown = &dynamic_cast<ProjectWindow&>(d);
    d.show();
    QCoreApplication::processEvents();
    if (seen.empty())
      shown->Done_Click();
    else
      QTest::keyClick(&d, Qt::Key_Escape);
    return d.result();
  };

  open(main, sample);
  EXPECT_TRUE(messages.empty()) << qPrintable(messages.front().text);
  EXPECT_TRUE(main.form().picture("picJobInfo")->printed_lines().join("|").contains("St. Louis"));

  set_metric_option();
  open(main, program_folder() / "bad.pvn");
  ASSERT_EQ(seen.size(), 1u);
  const Seen& s = seen.front();
  EXPECT_TRUE(s.window_on_screen) << "the message stands over the drawn window";
  EXPECT_EQ(s.heating_design, "-18.0");
  EXPECT_EQ(s.factor, "") << "not computed: empty, not the sample's";
  EXPECT_EQ(s.gain, "");
  EXPECT_EQ(s.load_caption, "Load kW");
  EXPECT_TRUE(s.job_panel.join("|").contains("Springfield"));
  EXPECT_FALSE(s.job_panel.join("|").contains("St. Louis"));
  EXPECT_TRUE(was_shown("Hot Water Temp Outside of Valid Range of 49C - 58C"));
  EXPECT_FALSE(shown->isVisible()) << "Escape closes it";
  EXPECT_TRUE(main.form().picture("picJobInfo")->printed_lines().join("|").contains("Springfield"));
}

// Opened after the sample, a project's loads and minimum backup heat are its own before any
// window shows them, also when its project window is left with Escape; a project whose loads
// fail gives the load message at Reports instead of a report.
TEST_F(ProjectOpenTest, AnOpenedProjectsLoadsAreItsOwn) {
  struct Row {
    const char* name;
    model::Int16 city;
    model::Int32 heat_load;
    model::Int16 dhw_temp;  // 140: refused by the window's checks
    model::Int16 heat_delta_t;
    bool valid;
  };
  const Row rows[] = {
      {"Atlanta, with a range message", 2, 40000, 140, 65, true},
      {"Houston", 16, 38000, 130, 65, true},
      {"Miami, with a heating difference of 0 that cannot be balanced", 35, 80000, 130, 0, false}};
  state->windows.add(program_state::WindowId::ProjectInfo,
                     program_state::make_window<ProjectWindow>);
  const fs::path sample = fs::path(std::getenv("PELLAVAN_DATA_DIR")) / "Sample Project.pvn";
  model::ProjectRead read = model::read_project_file(sample);
  ASSERT_EQ(read.status, model::ProjectReadStatus::kOk);
  MainWindow& main = loaded_window();
  answers[testing::kSaveQuestion] = platform::MessageResult::No;
  bool first = true;
  on_modal["Form3"] = [&](QDialog& d) {
    d.show();
    QCoreApplication::processEvents();
    if (first)
      dynamic_cast<ProjectWindow&>(d).Done_Click();
    else
      QTest::keyClick(&d, Qt::Key_Escape);
    return d.result();
  };
  const QString load_message = QString::fromStdString(
      std::string(loads::kLoadsInvalidMessage) + "\n\n" + std::string(loads::kLoadsInvalidAdvice));
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    first = true;
    open(main, sample);
    model::ProjectRec project = read.record;
    project.Loads_CityId = r.city;
    project.Loads_HeatLoad = r.heat_load;
    project.Loads_DhwTemp = r.dhw_temp;
    project.Loads_HeatDeltaT = r.heat_delta_t;
    ASSERT_FALSE(model::write_project_file(program_folder() / "other.pvn", project));
    first = false;
    open(main, program_folder() / "other.pvn");
    // The same project calculated alone.
    model::ModelState alone;
    alone.program_folder = program_folder();
    alone.ProjectRec = state->model.ProjectRec;
    sheet::Book book = loads::make_building_load_book();
    sheet::BookControl control{book};
    model::LoadCalcState expected;
    EXPECT_EQ(loads::Calc_Project_Loads(alone, control, expected).valid(), r.valid);
    const model::LoadCalcState& got = state->analysis().loads();
    EXPECT_EQ(state->model.ProjectRec.Loads_CityId, r.city);
    EXPECT_EQ(got.AnnHtg, expected.AnnHtg);
    EXPECT_EQ(got.BldgBalPt, expected.BldgBalPt);
    EXPECT_EQ(got.IntGains, expected.IntGains);
    EXPECT_EQ(got.MinBackupHeat, expected.MinBackupHeat);
    EXPECT_EQ(got.MinBackupHeat > 0, r.valid);
    if (r.valid) continue;
    messages.clear();
    main.btnReport_Click();  // refused at once: no report runs
    EXPECT_TRUE(was_shown(load_message));
  }
}

}  // namespace
}  // namespace pellavan::app
