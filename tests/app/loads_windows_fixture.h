#pragma once
// The app fixture with the built city and furnace files in its Data folder, a project on the
// building-load worked example (St. Louis) and the project-information window at hand.

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <cstdlib>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/project_window.h"
#include "platform/designed_form.h"

namespace pellavan::app::testing {

class LoadsWindowsFixture : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    // Dates show in the user's short form: the tests read the US form on every machine.
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    const char* built = std::getenv("PELLAVAN_DATA_DIR");
    ASSERT_NE(built, nullptr);
    for (const char* name : {"Citydata.CEA", "FossData.CEA"})
      std::filesystem::copy_file(std::filesystem::path(built) / name, data_folder() / name,
                                 std::filesystem::copy_options::overwrite_existing);
    model::ProjectRec& p = state->model.ProjectRec;
    p = default_project();
    p.Loads_CityId = 7;
    p.Loads_HeatLoad = 80000;
    p.Loads_HeatDeltaT = 65;
    p.Loads_CoolLoad = 45000;
    p.Loads_CoolDeltaT = 20;
    p.Loads_DhwTemp = 130;
    p.Loads_DhwUsers = 4;
    p.Loads_HeatSetPoint = 70;
    p.Loads_CoolSetPoint = 75;
    p.Loads_CoolStart = 45;
    p.Loads_SensibleLoad = 33750;
    p.Loads_SensibleRatio = model::Currency::from_double_saturated(0.75);
    p.Project_Date = model::OleDate{46000};
    p.GeoA_AuxId = 31;  // electric duct heater, efficiency 1
    p.Furnace_UnitId = 1;
  }

  void TearDown() override {
    QLocale::setDefault(locale_before_);
    AppFixture::TearDown();
  }

  void set_display(bool metric) {
    state->model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    state->model.MetricFlag(model::kKeepFahrenheit) = 0;
    state->model.MetricFlag(model::kKeepBtuh) = 0;
  }

  // The window shown (which fills it from the project), with the messages of its activation,
  // which wait until it is on the screen.
  ProjectWindow& shown_project_window() {
    project_window = std::make_unique<ProjectWindow>(*state);
    project_window->show();
    QCoreApplication::processEvents();
    return *project_window;
  }

  QLineEdit* box(const char* name) const { return project_window->form().text_box(name); }

  std::unique_ptr<ProjectWindow> project_window;

 private:
  QLocale locale_before_;
};

}  // namespace pellavan::app::testing
