#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>
#include <QWindow>
#include <functional>
#include <utility>
#include <vector>

#include "app/about_window.h"
#include "app/loads_windows_fixture.h"
#include "app/program.h"
#include "app/conventional_catalogues.h"
#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "app/startup_window.h"
#include "app/window_designs.h"
#include "reports/window/reports_window.h"
#include "update/desktop_update_ui.h"
#include "update/window/update_window.h"
#include "platform/design_checks.h"
#include "platform/typing_limit.h"
#include "systems/results/bin_viewer.h"
#include "systems/geo/geo_t_window.h"
#include "systems/geo/geo_window.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {
namespace {

TEST(WindowDesignsTest, EveryDesignIsSound) {
  const platform::HelpTopicMap topics = platform::testing::shipped_topics();
  for (const platform::WindowDesign* design : window_designs())
    platform::testing::expect_sound_design(*design, topics);
}

// Every window of the program, in the order of window_designs(): the system windows fill their
// lists from the built Data folder (the geothermal ones through a state of their own).
class WindowBuildTest : public testing::LoadsWindowsFixture {
 protected:
  void SetUp() override {
    LoadsWindowsFixture::SetUp();
    for (const auto& file : std::filesystem::directory_iterator(std::getenv("PELLAVAN_DATA_DIR")))
      std::filesystem::copy_file(file.path(), data_folder() / file.path().filename(),
                                 std::filesystem::copy_options::skip_existing);
    testing::write_conventional_catalogues([this](const std::string& name, const auto& records) {
      write_bytes(name, catalogue_bytes(records));
    });
  }

  std::vector<std::unique_ptr<QWidget>> every_window() {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<StartupWindow>(*state));
    windows.push_back(std::make_unique<MainWindow>(*state));
    windows.push_back(std::make_unique<DisclaimerWindow>(*state));
    windows.push_back(std::make_unique<AboutWindow>(*state));
    windows.push_back(std::make_unique<DealerWindow>(*state));
    windows.push_back(std::make_unique<reports::ReportsWindow>(state->analysis().F1Book1(),
                                                               state->model, &state->help));
    windows.push_back(std::make_unique<update::UpdateWindow>(notice_));
    windows.push_back(geo::make_geo_a_window(sample, nullptr));
    windows.push_back(geo::make_geo_b_window(sample, nullptr));
    windows.push_back(geo::make_geo_t_window(sample, nullptr));
    windows.push_back(std::make_unique<systems::BinViewer>(sample));
    windows.push_back(std::make_unique<systems::FurnaceWindow>(*state));
    windows.push_back(std::make_unique<systems::HeatPumpWindow>(*state));
    windows.push_back(std::make_unique<ProjectWindow>(*state));
    windows.push_back(std::make_unique<RatesWindow>(*state));
    return windows;
  }

  program_state::AppState sample{
      std::filesystem::path(std::getenv("PELLAVAN_DATA_DIR")).parent_path()};

 private:
  update::DesktopWebBrowser browser_;
  update::UpdateNotice notice_{"1.0.00", "1.0.10", "http://127.0.0.1/", browser_};
};

TEST_F(WindowBuildTest, EveryWindowIsBuiltOnItsDesign) {
  const auto windows = every_window();
  const auto designs = window_designs();
  ASSERT_EQ(designs.size(), windows.size());
  for (std::size_t i = 0; i < designs.size(); ++i)
    EXPECT_EQ(windows[i]->objectName(), designs[i]->name);
}

// A text the program sets into a box is never cut, whatever the window did to the box before
// (opened, each entry of each list chosen); what the user types still keeps to the box's limit.
TEST_F(WindowBuildTest, EveryTextBoxKeepsALongTextTheProgramSets) {
  const QString long_text = QString(120, QLatin1Char('7')) + QStringLiteral(".5");
  const auto expect_kept = [&](const platform::DesignedForm& form, const char* when) {
    for (const platform::ControlDesign& d : form.design().controls) {
      if (d.kind != platform::ControlKind::TextBox) continue;
      SCOPED_TRACE(std::string(when) + " " + d.name + std::to_string(d.index));
      auto* box = qobject_cast<QLineEdit*>(form.widget(platform::ControlRef{&d}));
      const QSignalBlocker quiet(box);  // the box alone, not what its handlers make of it
      platform::set_text(box, long_text);
      EXPECT_EQ(box->text(), long_text);
      box->clear();
      QTest::keyClicks(box, long_text);
      const int limit = platform::typing_limit(box);
      EXPECT_EQ(box->text().size(),
                limit > 0 ? std::min<qsizetype>(limit, long_text.size()) : long_text.size());
    }
  };
  for (const bool metric : {false, true}) {
    for (program_state::AppState* s : {state.get(), &sample}) {
      s->model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
      s->model.MetricFlag(model::kKeepFahrenheit) = metric ? 0 : -1;
      s->model.MetricFlag(model::kKeepBtuh) = metric ? 0 : -1;
    }
    for (const auto& shown : every_window()) {
      SCOPED_TRACE(shown->objectName().toStdString() + (metric ? " metric" : " imperial"));
      auto* form = shown->findChild<platform::DesignedForm*>();
      ASSERT_NE(form, nullptr);
      shown->show();
      expect_kept(*form, "opened");
      for (QComboBox* list : form->findChildren<QComboBox*>())
        for (int i = 0; i < list->count(); ++i) list->setCurrentIndex(i);
      expect_kept(*form, "lists chosen");
      shown->hide();
    }
  }
}

// A window opened over another has it as its parent and stands in front of it: the reports
// window loaded without one at the start, the bin viewer loaded by Geo A and opened from Geo T.
TEST_F(WindowBuildTest, EveryWindowStandsInFrontOfTheWindowThatOpenedIt) {
  register_windows(*state);
  register_windows(sample);
  struct Shown {
    QWidget* parent;
    QWindow* transient;
  };
  std::vector<std::pair<QString, Shown>> shown;
  for (const char* name : {"Form3", "Form5", "Form12", "Form13", "Form14"})
    on_modal[name] = [&](QDialog& dialog) {
      dialog.show();
      shown.push_back(
          {dialog.objectName(), {dialog.parentWidget(), dialog.windowHandle()->transientParent()}});
      dialog.hide();
      return static_cast<int>(QDialog::Rejected);
    };
  (void)state->windows.window(program_state::WindowId::Reports, *state);  // as the program loads it
  MainWindow& main = loaded_window();
  auto geo_a = geo::make_geo_a_window(sample, nullptr);
  auto geo_t = geo::make_geo_t_window(sample, nullptr);
  struct Case {
    const char* name;
    QWidget* opener;
    std::function<void()> open;
  };
  const Case cases[] = {
      {"Form5", &main, [&] { main.Timer1_Timer(); }},
      {"Form3", &main, [&] { main.btnProject_Click(); }},
      {"Form13", &main, [&] { main.CommandSetup_Click(); }},
      {"Form14", &main, [&] { main.mnuAbout_Click(); }},
      {"Form12", geo_a.get(), [&] { static_cast<geo::GeoWindow&>(*geo_a).BtnBin_Click(); }},
      {"Form12", geo_t.get(), [&] { static_cast<geo::GeoTWindow&>(*geo_t).BtnOp_Click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.opener->show();
    shown.clear();
    c.open();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, c.name);
    EXPECT_EQ(shown[0].second.parent, c.opener);
    EXPECT_EQ(shown[0].second.transient, c.opener->windowHandle());
    c.opener->hide();
  }
}

}  // namespace
}  // namespace pellavan::app
