// pellavan-systemshot PROGRAM_FOLDER OUTPUT_FOLDER
//
// Opens the sample project of PROGRAM_FOLDER's Data folder, works out its loads, and shows the
// furnace/boiler and the heat-pump window in the imperial and the metric display, in the normal
// and the large layout: each is run and saved as a PNG of the screen with its results. Run it
// on a display of its own, e.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-systemshot build/bin shots

#include <QApplication>
#include <QDir>
#include <memory>

#include "program_state/app_state.h"
#include "loads/calc/load_calculation.h"
#include "screenshots/screen_shot.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "program_state/analysis_session.h"
#include "reports/chart_view.h"

namespace {

using namespace pellavan;

using tools::settle;
using tools::shoot;

template <class W>
void run_window(program_state::AppState& state, const QDir& out, const QString& name) {
  auto* window = new W(state);
  window->apply_size(state.LargeLayout != 0);
  window->show();
  settle(300);
  shoot(out, name + QStringLiteral("-restored"));
  window->cmdRun_Click();
  settle(1600);  // the run timer fires and the fill ends
  shoot(out, name);
  window->close();
  settle(100);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv);
  if (!made) return 2;
  const QDir& out = *made;
  tools::start_quietly(platform::MessageResult::Ok);
  program_state::AppState state(tools::program_folder(argv));
  state.services.make_charts = &reports::make_report_charts;  // the graphs every Run draws
  state.LogoFile = QStringLiteral("GeoLogo.bmp");
  state.ProjectFileTitle = QStringLiteral("Sample Project.pvn");
  tools::load_sample(state);
  loads::Min_Backup(state.model, state.analysis().loads());
  for (const bool metric : {false, true}) {
    state.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    state.model.MetricFlag(model::kKeepFahrenheit) = metric ? 0 : -1;
    state.model.MetricFlag(model::kKeepBtuh) = metric ? 0 : -1;
    for (const bool large : {false, true}) {
      state.LargeLayout = large ? -1 : 0;
      const QString suffix =
          QStringLiteral("-%1-%2").arg(metric ? "metric" : "imperial", large ? "large" : "normal");
      run_window<systems::FurnaceWindow>(state, out, QStringLiteral("furnace") + suffix);
      run_window<systems::HeatPumpWindow>(state, out, QStringLiteral("heatpump") + suffix);
    }
  }
  return 0;
}
