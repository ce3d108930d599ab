// pellavan-reportswindowshots PROGRAM_FOLDER OUTPUT_FOLDER
//
// Starts the program on PROGRAM_FOLDER, opens "Sample Project.pvn" of its Data folder, runs the
// main window's Reports command and, in the reports window, saves the screen as PNG files: the
// Project Report, the comparison graph, a bin report and a bin graph, a changed zoom, the options
// panel with every box ticked and the metric Project Report. The batch print of every ticked page
// goes to OUTPUT_FOLDER/batch.pdf and Print Screen to OUTPUT_FOLDER/screen.pdf. Then the sample's
// large house in the city whose analysis the program cannot settle on: the batch of every page in
// each display into unsettled-imperial.pdf and unsettled-metric.pdf, whose pages name the ranges
// the warning named (each line of the warning is printed). Last the update
// window, a check whose version file comes cut short (its error box, then the no-connection
// box) and the main window's update check. Run it on a display
// of its own, e.g.
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-reportswindowshots build/bin shots

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/program.h"
#include "loads/calc/load_calculation.h"
#include "screenshots/screen_shot.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "reports/window/reports_window.h"
#include "update/desktop_update_ui.h"
#include "wbdump/formula_override.h"
#include "wbdump/sweep_houses.h"
#include "workbook/analysis_run.h"
#include "update/window/program_version_check.h"
#include "update/window/update_window.h"
#include "program_state/analysis_session.h"
#include "servers/local_http_server.h"

namespace {

using namespace pellavan;

using tools::print_to;
using tools::settle;
using tools::shoot;
using tools::tick_every_box;

void look_at_reports(reports::ReportsWindow& w, program_state::AppState& state, const QDir& out) {
  w.show();
  w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(0, 30, 0, 0));
  w.raise();  // no window manager under Xvfb
  w.activateWindow();
  shoot(out, QStringLiteral("01-project-report"));
  const struct {
    const char* entry;
    const char* shot;
  } reports[] = {{"mnuProjectGraph", "02-comparison-graph"},
                 {"mnuGeoAbin", "03-geo-a-bin-report"},
                 {"mnuFurnaceGraph", "04-furnace-bin-graph"}};
  for (const auto& r : reports) {
    w.menus().action(r.entry)->trigger();
    shoot(out, QString::fromLatin1(r.shot));
  }
  w.menus().action("mnuFossPerf")->trigger();
  w.form().get<QScrollBar>("HscrZoom")->setValue(70);
  shoot(out, QStringLiteral("05-furnace-summary-zoom-70"));
  w.form().get<QScrollBar>("HScrollViewer")->setValue(16 - 1);  // left from the furnace summary
  shoot(out, QStringLiteral("06-scroller-left"));
  tick_every_box(w);
  shoot(out, QStringLiteral("07-report-options"));
  print_to(w, "Command12", out.filePath(QStringLiteral("batch.pdf")));
  shoot(out, QStringLiteral("08-after-batch"));
  print_to(w, "Command1", out.filePath(QStringLiteral("screen.pdf")));
  state.model.MetricFlag(model::kMetricDisplay) = -1;
  state.services.Fill_ReportWorkbook();
  w.Form_Activate();
  shoot(out, QStringLiteral("09-project-report-metric"));
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  w.hide();
}

// A check against a server that cuts the version file short: the boxes are shown as the user
// sees them, each shot and closed, the error box first and the no-connection box after it.
void look_at_failed_check(const QDir& out, QWidget* parent) {
  servers::LocalHttpServer server;
  server.route("/kqverok.txt", {.body = "5.02\r\n" + std::string(4000, ' '),
                                .flaw = servers::HttpRoute::Flaw::kCutInBody});
  QTemporaryDir folder;
  QDir(folder.path()).mkpath(QStringLiteral("Data"));
  update::VersionCheckSetup setup;
  setup.program_folder = folder.path().toStdString();
  setup.cache_folder = setup.program_folder / "cache";
  setup.version = {5, 0, 1, "5.0.01"};
  setup.site.maker_host = server.base_url();
  int boxes = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    timer.stop();
    shoot(out, QStringLiteral("11-update-check-box-%1").arg(++boxes));
    box->close();
    timer.start();
  });
  timer.start(200);
  const auto previous = platform::set_message_hook(nullptr);
  update::ProgramVersionCheck(setup, parent).Check_ForUpdate();
  platform::set_message_hook(previous);
}

// Every page of the reports window's batch print into OUT/NAME.pdf.
void print_every_page(reports::ReportsWindow& w, const QDir& out, const QString& name) {
  w.show();
  tick_every_box(w);
  print_to(w, "Command12", out.filePath(name + QStringLiteral(".pdf")));
  w.hide();
}

// The Reports command on the sample's large house where its analysis goes round a cycle, in
// both displays; `reports_name` tells the modal hook which batch to print.
void look_at_unsettled(app::Program& program, QString& reports_name) {
  program_state::AppState& state = program.state();
  const auto house = wbdump::widest_cycle_house(state.program_folder(),
                                                tools::sample_project(state.program_folder()));
  if (!house) {
    std::printf("the large house settles in every city of the climate table\n");
    return;
  }
  state.analysis().F1Book1().book() = wbdump::old_backup_template();  // the cycle it shows
  state.model.CurrencyLabel = "$ CND";
  for (const bool metric : {false, true}) {
    state.model.MetricFlag(model::kMetricDisplay) = metric ? -1 : 0;
    state.model.ProjectRec = *house;
    state.analysis().Calc_Loads();
    loads::Min_Backup(state.model, state.analysis().loads());
    reports_name =
        metric ? QStringLiteral("unsettled-metric") : QStringLiteral("unsettled-imperial");
    program.main_window()->btnReport_Click();
    program.main_window()->Timer1_Timer();
  }
  state.model.MetricFlag(model::kMetricDisplay) = 0;
  reports_name.clear();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv);
  if (!made) return 2;
  const QDir& out = *made;
  const std::filesystem::path folder = tools::program_folder(argv);
  const QString sample =
      QString::fromStdString(std::filesystem::absolute(tools::sample_project(folder)).string());
  tools::start_quietly(platform::MessageResult::No);
  platform::set_file_dialog_hook(
      [&sample](const platform::FileDialogRequest&) { return std::optional<QString>(sample); });
  QTemporaryDir lock;
  app::Program program(folder, lock.filePath(QStringLiteral("shots.lock")));
  QString unsettled_batch;  // the batch the next showing of the reports prints, if any
  platform::set_modal_hook([&out, &program, &unsettled_batch](QDialog& window) {
    if (auto* reports = qobject_cast<reports::ReportsWindow*>(&window)) {
      if (unsettled_batch.isEmpty())
        look_at_reports(*reports, program.state(), out);
      else
        print_every_page(*reports, out, unsettled_batch);
      return static_cast<int>(QDialog::Accepted);
    }
    std::printf("window: %s\n", qPrintable(window.objectName()));
    window.hide();
    return static_cast<int>(window.objectName() == QLatin1String("Form15") ? QDialog::Accepted
                                                                           : QDialog::Rejected);
  });
  if (!program.start()) return 1;
  program.Timer1_Timer();
  app::MainWindow& main = *program.main_window();
  main.SSCOMMAND2_Click();  // Open Existing Project: the sample
  settle(300);
  program.state().analysis().Calc_Loads();  // as the project window's Done would
  main.btnReport_Click();
  main.Timer1_Timer();
  look_at_unsettled(program, unsettled_batch);

  // The update window as a newer version on the web shows it, then the check itself (its
  // default host reaches no one: the no-connection message).
  update::DesktopWebBrowser browser;
  const update::UpdateNotice notice(program.state().VersionText.toStdString(), "5.0.20",
                                    "http://www.oskerby.example/index/pellavan_ok", browser);
  update::UpdateWindow update_window(notice, &main);
  update_window.apply_size(false);
  update_window.show();
  update_window.raise();
  shoot(out, QStringLiteral("10-update-window"));
  update_window.hide();
  look_at_failed_check(out, &main);
  main.SSCommand3_Click();
  return 0;
}
