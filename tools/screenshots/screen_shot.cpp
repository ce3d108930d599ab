#include "screenshots/screen_shot.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <exception>
#include <string>
#include <utility>

#include "model/project/dealer_file.h"
#include "platform/program_end.h"
#include "program_state/analysis_session.h"
#include "program_state/app_state.h"
#include "reports/window/reports_window.h"
#include "workbook/analysis_run.h"

namespace pellavan::tools {

namespace {

void save(const QPixmap& picture, const QDir& out, const QString& name) {
  const QString path = out.filePath(name + QStringLiteral(".png"));
  std::printf("%s %s\n", picture.save(path) ? "saved" : "FAILED", qPrintable(path));
}

}  // namespace

void settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void shoot(const QDir& out, const QString& name, int settle_ms) {
  settle(settle_ms);
  save(QGuiApplication::primaryScreen()->grabWindow(0), out, name);
}

void shoot(QWidget& window, const QDir& out, const QString& name, int settle_ms) {
  settle(settle_ms);
  save(window.grab(), out, name);
}

std::optional<QDir> output_folder(int argc, char** argv, const char* optional) {
  if (argc != 3 && (optional == nullptr || argc != 4)) {
    const std::string more = optional != nullptr ? std::string(" [") + optional + "]" : "";
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUTPUT_FOLDER%s\n", argv[0], more.c_str());
    return std::nullopt;
  }
  const QDir out(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
  QDir().mkpath(out.path());
  return out;
}

std::filesystem::path program_folder(char** argv) {
  return std::filesystem::absolute(QString::fromLocal8Bit(argv[1]).toStdString());
}

void start_quietly(platform::MessageHook answer) {
  platform::set_end_handler([] {});
  platform::set_message_hook([answer = std::move(answer)](const platform::MessageRequest& r) {
    std::printf("message: %s\n", qPrintable(r.text));
    return answer(r);
  });
}

void start_quietly(platform::MessageResult answer) {
  start_quietly([answer](const platform::MessageRequest&) { return answer; });
}

std::filesystem::path sample_project(const std::filesystem::path& program_folder) {
  return program_folder / "Data" / "Sample Project.pvn";
}

void load_project(program_state::AppState& state, const std::filesystem::path& project) {
  state.model.ProjectRec = workbook::read_project_for_analysis(project);
  state.analysis().Calc_Loads();
}

void load_sample(program_state::AppState& state) {
  load_project(state, sample_project(state.program_folder()));
}

bool load_project_as_set(program_state::AppState& state, const std::filesystem::path& project) {
  (void)model::read_dealer_file(state.program_folder(), state.DealerRec,
                                model::HideInactiveOnReset::kKeep);
  state.model.MetricFlag = model::metric_flags_from(state.DealerRec);
  try {
    load_project(state, project);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return false;
  }
  return true;
}

void tick_every_box(reports::ReportsWindow& window) {
  window.form().button("Command11")->click();
  for (const char* box : {"ckTitle", "ckProject", "ckCompGraph", "ckSummary", "ckBin", "ckBinGraph",
                          "ckGeoT", "ckGeoA", "ckGeoB", "ckHeatPump", "ckFurnace"}) {
    QCheckBox* check = window.form().check_box(box);
    if (check->isEnabled() && !check->isChecked()) check->click();
  }
}

void print_to(reports::ReportsWindow& window, const char* button, const QString& pdf) {
  window.set_printer_prompt([pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  window.form().button(button)->click();
  std::printf("printed to %s\n", qPrintable(pdf));
}

}  // namespace pellavan::tools
