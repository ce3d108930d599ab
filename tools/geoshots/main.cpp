// pellavan-geoshots PROGRAM_FOLDER OUTPUT_FOLDER [PROJECT.pvn]
//
// Opens "Sample Project.pvn" of the Data folder, runs its loads, then shows the Geo A and Geo B
// windows, presses Run, lets the fill run and saves the screen; opens the bin viewer from each
// and saves it; all in imperial and then in metric display. In imperial display it also runs
// Geo B on RKS024 chosen after a per-ton unit with a quantity of 3, and prints its loop. Last it
// runs Geo A on the sample's large house of the city sweep where its analysis cannot settle
// (wbdump/sweep_houses.h), in both displays, and saves the warning drawn as a real box over the
// window. In imperial display it types "1.500" as the input of Geo A's gas furnace and presses
// Enter, and saves the refusal's message and the window after OK, the cursor back in the input
// box, before and after the correction typed at once. Geo A and Geo B are shown with "Electric
// Duct Heater" and "Override Heat Pump" chosen, in the normal and the large layout, with the
// picture of the modes. Message boxes are printed and answered OK. With PROJECT.pvn it opens that
// project instead, in the display the unit options of the settings file give, and shows its Geo A
// and Geo B windows as stored, in the normal and the large layout: each message drawn as a real
// box over the window, the window as opened and after Run.
// Run it on a display of its own, e.g. (the project, if any, last)
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-geoshots build/bin shots/geo

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <set>

#include "screenshots/screen_shot.h"
#include "program_state/app_state.h"
#include "app/program.h"
#include "platform/catalogue_lists.h"
#include "platform/designed_form.h"
#include "platform/modal.h"
#include "loads/calc/load_calculation.h"
#include "program_state/analysis_session.h"
#include "systems/geo/geo_picture_panel.h"
#include "systems/geo/geo_window.h"
#include "wbdump/formula_override.h"
#include "wbdump/sweep_houses.h"
#include "workbook/analysis_run.h"

namespace {

using namespace pellavan;

using tools::settle;
using tools::shoot;

void run_window(program_state::AppState& state, program_state::WindowId id, const QDir& out,
                const QString& name) {
  auto* window = qobject_cast<geo::GeoWindow*>(state.windows.window(id, state));
  window->apply_size(state.LargeLayout != 0);
  window->show();
  settle(300);
  shoot(out, name + "-entry");
  window->cmdRun_Click();
  settle(200);
  window->Timer1_Timer();
  shoot(out, name + "-results");
  window->BtnBin_Click();
  window->hide();
}

// Geo B after a per-ton unit with a quantity typed, then the single unit RKS024: the quantity
// box goes and the loop is sized for one unit.
void per_ton_then_single(program_state::AppState& state, const QDir& out) {
  state.windows.unload(program_state::WindowId::GeoB);
  auto* window =
      qobject_cast<geo::GeoWindow*>(state.windows.window(program_state::WindowId::GeoB, state));
  window->apply_size(state.LargeLayout != 0);
  window->show();
  settle(300);
  const geo::GeoControls& c = window->controls();
  platform::select_id(window->form()[c.comboUnit], 12);  // per ton
  window->form()[c.txtUqty]->setText(QStringLiteral("3"));
  platform::select_id(window->form()[c.comboUnit], 1);  // RKS024
  settle(200);
  shoot(out, "geo-b-rks024-entry");
  window->cmdRun_Click();
  settle(200);
  window->Timer1_Timer();
  shoot(out, "geo-b-rks024-results");
  std::printf("Geo B RKS024 after a per-ton unit: quantity box %s, %g tons, loop %g ft\n",
              window->form()[c.txtUqty]->isHidden() ? "hidden" : "shown",
              state.model.ProjectRec.GeoB_Tons.to_double(),
              state.model.ProjectRec.Result_GeoB_SourceSize.to_double());
  window->hide();
}

// Geo A on the large house where the analysis spans the most, in both displays; `box_name` names
// the picture of the next message box.
void unsettled_run(program_state::AppState& state, const QDir& out, QString& box_name) {
  const auto house = wbdump::widest_cycle_house(state.program_folder(),
                                                tools::sample_project(state.program_folder()));
  if (!house) {
    std::printf("the large house settles in every city of the climate table\n");
    return;
  }
  state.analysis().F1Book1().book() = wbdump::old_backup_template();  // the cycle it shows
  state.LargeLayout = 0;
  state.model.CurrencyLabel = "$ CND";
  for (const bool metric : {false, true}) {
    const QString unit = metric ? "metric" : "imperial";
    state.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    state.model.ProjectRec = *house;
    state.analysis().Calc_Loads();
    loads::Min_Backup(state.model, state.analysis().loads());
    state.windows.unload(program_state::WindowId::GeoA);
    auto* window =
        qobject_cast<geo::GeoWindow*>(state.windows.window(program_state::WindowId::GeoA, state));
    window->apply_size(false);
    window->show();
    settle(300);
    window->cmdRun_Click();
    settle(200);
    box_name = "geo-a-unsettled-warning-" + unit;
    window->Timer1_Timer();
    box_name.clear();
    shoot(out, "geo-a-unsettled-results-" + unit);
    window->hide();
  }
}

// Geo A and Geo B with "Electric Duct Heater" chosen and "Override Heat Pump" picked from the
// mode list, in the normal and the large layout: the mode's picture says how the heater runs.
void electric_override(program_state::AppState& state, const QDir& out) {
  constexpr model::Int16 kElectricDuctHeater = 31, kOverride = 1;
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  for (const bool large : {false, true}) {
    state.LargeLayout = large ? -1 : 0;
    tools::load_sample(state);
    for (const auto& [id, name] : {std::pair{program_state::WindowId::GeoA, "geo-a"},
                                   std::pair{program_state::WindowId::GeoB, "geo-b"}}) {
      state.windows.unload(id);
      auto* window = qobject_cast<geo::GeoWindow*>(state.windows.window(id, state));
      window->apply_size(large);
      window->show();
      settle(300);
      const geo::GeoControls& c = window->controls();
      platform::select_id(window->form()[c.ComboFurnace], kElectricDuctHeater);
      platform::select_id(window->form()[c.ComboAuxHeat], kOverride);
      settle(200);
      const QString shot = QString(name) + "-electric-override-" + (large ? "large" : "normal");
      shoot(out, shot);
      std::printf("%s: mode \"%s\", picture %s\n", qPrintable(shot),
                  qPrintable(window->form()[c.ComboAuxHeat]->currentText()),
                  qPrintable(QFileInfo(window->picture_panel().picture_path()).fileName()));
      window->hide();
    }
  }
}

// Geo A in imperial display with "1.500" typed as its gas furnace's input and Enter pressed,
// which runs; the refusal's message is saved as `box_name` shows it.
void point_in_input(program_state::AppState& state, const QDir& out, QString& box_name) {
  state.LargeLayout = 0;
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  tools::load_sample(state);
  state.model.ProjectRec.GeoA_AuxId = 1;  // a gas furnace, whose input is typed
  state.windows.unload(program_state::WindowId::GeoA);
  auto* window =
      qobject_cast<geo::GeoWindow*>(state.windows.window(program_state::WindowId::GeoA, state));
  window->apply_size(false);
  window->show();
  window->activateWindow();
  settle(300);
  QLineEdit* input = window->form()[window->controls().txtInputCap];
  QTest::mouseClick(input, Qt::LeftButton);
  settle(50);
  QTest::keyClicks(input, QStringLiteral("1.500"));
  box_name = "geo-a-point-input-message";
  QTest::keyClick(input, Qt::Key_Return);
  box_name.clear();
  window->activateWindow();  // as the window system does once the message box is closed
  settle(300);
  shoot(*window, out, "geo-a-point-input-after-ok");
  const QWidget* focused = QApplication::focusWidget();
  std::printf("geo-a-point-input-after-ok: the cursor in %s\n",
              focused != nullptr ? qPrintable(focused->objectName()) : "nothing");
  if (QWidget* cursor = QApplication::focusWidget()) QTest::keyClicks(cursor, "150000");
  shoot(*window, out, "geo-a-point-input-corrected");
  std::printf("geo-a-point-input-corrected: input \"%s\"\n", qPrintable(input->text()));
  window->Timer1().stop();
  window->hide();
}

// The Geo A and Geo B windows of `project` as stored, in each layout; `box_name` names the
// picture of the next message box.
bool stored_project(program_state::AppState& state, const std::filesystem::path& project,
                    const QDir& out, QString& box_name) {
  const QString stem = QString::fromStdString(project.stem().string());
  for (const bool large : {false, true}) {
    if (!tools::load_project_as_set(state, project)) return false;
    state.LargeLayout = large ? -1 : 0;
    for (const auto& [id, system] : {std::pair{program_state::WindowId::GeoA, "geo-a"},
                                     std::pair{program_state::WindowId::GeoB, "geo-b"}}) {
      const QString name = stem + "-" + system + (large ? "-large" : "-normal");
      state.windows.unload(id);
      box_name = name + "-open-message";
      auto* window = qobject_cast<geo::GeoWindow*>(state.windows.window(id, state));
      window->apply_size(large);
      window->show();
      settle(300);
      box_name.clear();
      shoot(out, name + "-opened");
      box_name = name + "-run-message";
      window->cmdRun_Click();
      settle(200);
      window->Timer1_Timer();
      box_name.clear();
      shoot(out, name + "-run");
      window->hide();
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv, "PROJECT.pvn");
  if (!made) return 2;
  const QDir& out = *made;
  const std::filesystem::path project = argc == 4 ? std::filesystem::absolute(argv[3]) : "";
  QString box_name;         // a box drawn and saved under this name; none while empty
  std::set<QString> drawn;  // a second box under one name is saved as NAME-2
  tools::start_quietly([&](const platform::MessageRequest& r) {
    if (!box_name.isEmpty()) {
      QMessageBox box(QMessageBox::Warning, r.title, r.text, QMessageBox::Ok,
                      QApplication::activeWindow());
      box.show();
      QString name = box_name;
      for (int n = 2; !drawn.insert(name).second; ++n)
        name = box_name + QStringLiteral("-%1").arg(n);
      shoot(out, name);
    }
    return platform::MessageResult::Ok;
  });
  QString bin_name;
  platform::set_modal_hook([&](QDialog& window) {
    window.showMaximized();
    shoot(out, bin_name);
    window.hide();
    return 0;
  });
  program_state::AppState state(tools::program_folder(argv));
  state.LogoFile = QStringLiteral("GeoLogo.bmp");
  app::register_windows(state);
  if (!project.empty()) return stored_project(state, project, out, box_name) ? 0 : 1;
  for (const bool metric : {false, true}) {
    const QString unit = metric ? "metric" : "imperial";
    state.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    for (int i = 1; i <= 4; ++i) state.model.MetricFlag(i) = 0;
    tools::load_sample(state);
    for (program_state::WindowId id : {program_state::WindowId::GeoA, program_state::WindowId::GeoB,
                                       program_state::WindowId::BinViewer})
      state.windows.unload(id);
    bin_name = "geo-a-bin-" + unit;
    run_window(state, program_state::WindowId::GeoA, out, "geo-a-" + unit);
    bin_name = "geo-b-bin-" + unit;
    run_window(state, program_state::WindowId::GeoB, out, "geo-b-" + unit);
    if (!metric) per_ton_then_single(state, out);
  }
  state.LargeLayout = -1;  // the large layout, metric
  state.windows.unload(program_state::WindowId::GeoA);
  bin_name = "geo-a-bin-large";
  run_window(state, program_state::WindowId::GeoA, out, "geo-a-large");
  electric_override(state, out);
  point_in_input(state, out, box_name);
  unsettled_run(state, out, box_name);
  return 0;
}
