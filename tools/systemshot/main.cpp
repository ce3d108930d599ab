// pellavan-systemshot PROGRAM_FOLDER OUTPUT_FOLDER
//
// Opens the sample project of PROGRAM_FOLDER's Data folder, works out its loads, and shows the
// furnace/boiler and the heat-pump window in the imperial and the metric display, in the normal
// and the large layout: each is run and saved as a PNG of the screen with its results. Run it
// on a display of its own, e.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-systemshot build/bin shots

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <cstdio>
#include <memory>

#include "program_state/app_state.h"
#include "loads/calc/load_calculation.h"
#include "platform/message_box.h"
#include "platform/program_end.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "workbook/analysis_run.h"
#include "program_state/analysis_session.h"

namespace {

using namespace pellavan;

void settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void shoot(const QDir& out, const QString& name) {
  settle(400);
  const QString path = out.filePath(name + QStringLiteral(".png"));
  const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
}

template <class W>
void run_window(app::AppState& state, const QDir& out, const QString& name) {
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
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir out(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
  QDir().mkpath(out.path());
  platform::set_end_handler([] {});
  platform::set_message_hook([](const platform::MessageRequest& r) {
    std::printf("message: %s\n", qPrintable(r.text));
    return platform::MessageResult::Ok;
  });
  app::AppState state(QString::fromLocal8Bit(argv[1]).toStdString());
  state.LogoFile = QStringLiteral("GeoLogo.bmp");
  state.ProjectFileTitle = QStringLiteral("Sample Project.pvn");
  state.model.ProjectRec =
      workbook::read_project_for_analysis(state.program_folder() / "Data" / "Sample Project.pvn");
  state.analysis().Calc_Loads();
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
