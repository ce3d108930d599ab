// pellavan-systemshot PROGRAM_FOLDER OUTPUT_FOLDER
//
// Opens the sample project of PROGRAM_FOLDER's Data folder, works out its loads, and shows the
// furnace/boiler and the heat-pump window in the imperial and the metric display, in the normal
// and the large layout: each is run and saved as a PNG of the screen with its results. Run it
// on a display of its own. Last, a capacity typed as no number ("30 tons") is refused at Run:
// the screen is saved with the message over the window and after it, the text kept. E.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-systemshot build/bin shots

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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

// The furnace window in the imperial display, a capacity typed that shows no number, and Run.
void refused_text(program_state::AppState& state, const QDir& out) {
  tools::start_quietly([&out](const platform::MessageRequest& r) {
    QMessageBox box(QMessageBox::Warning, r.title, r.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.show();
    shoot(out, QStringLiteral("furnace-refused-text-message"));
    return platform::MessageResult::Ok;
  });
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  state.LargeLayout = 0;
  auto* window = new systems::FurnaceWindow(state);
  window->apply_size(false);
  window->show();
  window->activateWindow();
  settle(300);
  QLineEdit* box = window->form().text_box("txtAA95cap");
  box->setFocus();
  box->selectAll();
  box->insert(QStringLiteral("30 tons"));
  window->form().button("cmdRun")->click();
  shoot(out, QStringLiteral("furnace-refused-text-kept"));
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
  refused_text(state, out);
  return 0;
}
