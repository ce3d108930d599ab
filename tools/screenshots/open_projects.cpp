// pellavan-open-screenshots PROGRAM_FOLDER OUTPUT_FOLDER [PROJECT.pvn]
//
// Starts the program on PROGRAM_FOLDER with imperial, then metric display options in its settings
// file, and opens "Sample Project.pvn" of its Data folder, then a copy of it whose stored values
// fail the checks (hot water at 140 F, Chicago), then a copy of two names whose last save was cut
// off half-way (its journal in the user's folder), then that copy while a second program stopped
// in its save holds it, and once that program is gone, then a copy whose third column holds system
// code 5 (with a frozen description), which the program does not know, and its Project Report and
// comparison graph, then a copy whose Geo A second unit is of 489,991,639,457,911 tons, with its
// message, Project Report and comparison graph, as a user would. Saves the screen after each
// open, at every message (drawn as a real box over whatever is on the screen) and with the load
// page and the main window afterwards. With PROJECT.pvn it opens only that project, in each
// display, with its Project Report, and in the reports window also saves the Reports Menu opened
// and the options panel with every box ticked, prints the reports the scroller steps through
// (saving the window after them) and prints the Project Report and the batch of every ticked page
// to PDF files. Run it on a display
// of its own, e.g. (the project, if any, last)
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/pellavan-open-screenshots build/bin shots

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <utility>
#include <vector>

#include "app/program.h"
#include "app/project_window.h"
#include "model/project/dealer_file.h"
#include "model/saving/file_lock.h"
#include "model/project/project_file.h"
#include "model/saving/journal_folder.h"
#include "model/saving/save_journal.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "reports/window/reports_window.h"
#include "screenshots/screen_shot.h"

namespace {

using namespace pellavan;
using tools::shoot;

bool write_bytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// Leaves file as a save of changed over project, cut off half-way, leaves a file of two names:
// the first half of the new version written over the old one, the journal whole beside it.
bool leave_cut_save(const std::filesystem::path& file, const model::ProjectRec& project,
                    const model::ProjectRec& changed) {
  const auto old_bytes = model::encode_record(project);
  const auto new_bytes = model::encode_record(changed);
  std::filesystem::path link = file;
  link.replace_filename(file.stem().string() + " (second name).pvn");
  std::error_code ec;
  std::filesystem::remove(link, ec);
  std::vector<std::uint8_t> torn = old_bytes;
  std::copy_n(new_bytes.begin(), new_bytes.size() / 2, torn.begin());
  struct stat st {};
  if (!write_bytes(file, torn) || ::stat(file.c_str(), &st) != 0) return false;
  std::filesystem::create_hard_link(file, link, ec);
  if (ec) return false;
  const model::OpenFile opened = model::open_regular_file(file, O_RDONLY, ec);
  const model::FileIdentity identity =
      ec ? model::FileIdentity{} : model::file_identity(opened.get(), ec);
  const auto journals = model::JournalFolder::open(model::JournalFolder::Missing::kMake, ec);
  return journals &&
         !journals->write(identity, model::encode_journal({identity, old_bytes, new_bytes}));
}

// A process that takes the file for a save as the program does, leaves it cut off half-way and
// stops there, as a second program stopped in its save; its id, or -1.
pid_t start_stopped_save(const std::filesystem::path& file, const model::ProjectRec& project,
                         const model::ProjectRec& changed) {
  const pid_t child = ::fork();
  if (child == 0) {
    const std::optional<model::FileTurn> turn = model::take_turn_at(file, model::FileLock::kSave);
    if (!turn || !leave_cut_save(file, project, changed)) std::_Exit(1);
    ::raise(SIGSTOP);
    std::_Exit(0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, WUNTRACED) != child || !WIFSTOPPED(status)) return -1;
  return child;
}

// What the reports window offers for the project: the Reports Menu opened, the reports the
// scroller steps through from its left end (the value and the report named) and the window after
// them, the options panel with every box it enables ticked and the batch of those pages printed
// to OUT/STEP-batch.pdf.
void look_at_offers(reports::ReportsWindow& reports, const QDir& out, const QString& step) {
  QMenuBar* bar = reports.findChild<QMenuBar*>();
  QMenu* menu = reports.menus().menu("mnuReports");
  reports.raise();  // over the main window: no window manager under Xvfb
  if (bar != nullptr) {
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    shoot(out, step + QStringLiteral("-reports-menu"));
    menu->hide();
  }
  auto* scroller = reports.form().get<QScrollBar>("HScrollViewer");
  const auto* name = reports.form().get<QLabel>("lblReport");
  scroller->setValue(scroller->minimum());
  std::printf("%s scroller:", qPrintable(step));
  for (int clicks = 0; clicks < 40; ++clicks) {  // its right arrow, as a user clicks it
    std::printf(" %d:[%s]", scroller->value(), qPrintable(name->text()));
    if (scroller->value() == scroller->maximum()) break;
    scroller->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  }
  std::printf("\n");
  shoot(reports, out, step + QStringLiteral("-scroller-walked"));
  tools::tick_every_box(reports);
  shoot(reports, out, step + QStringLiteral("-report-options"));
  tools::print_to(reports, "Command12", out.filePath(step + QStringLiteral("-batch.pdf")));
  reports.form().button("Command13")->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<QDir> made = tools::output_folder(argc, argv, "PROJECT.pvn");
  if (!made) return 2;
  const QDir& out = *made;
  const std::filesystem::path folder = tools::program_folder(argv);
  const std::filesystem::path given = argc == 4 ? std::filesystem::absolute(argv[3]) : "";
  const std::filesystem::path sample = tools::sample_project(folder);
  const std::filesystem::path bad = folder / "Data" / "Hot Water 140.pvn";
  model::ProjectRead read = model::read_project_file(sample);
  if (read.status != model::ProjectReadStatus::kOk) return 1;
  read.record.Loads_CityId = 3;  // Chicago
  read.record.Loads_DhwTemp = 140;
  read.record.Project_Title = "Hot Water 140";
  if (model::write_project_file(bad, read.record)) return 1;
  const std::filesystem::path cut = folder / "Data" / "Cut Save.pvn";
  model::ProjectRec before = read.record;
  before.Loads_DhwTemp = 130;
  before.Project_Title = "Cut Save";
  model::ProjectRec being_saved = before;
  being_saved.Client_Name = "Being Saved";                 // in the half written
  being_saved.Rates_Description = "Rates as being saved";  // in the half not yet written
  const std::filesystem::path unknown = folder / "Data" / "Unknown System.pvn";
  model::ProjectRec five = model::read_project_file(sample).record;
  five.Project_Title = "Unknown System";
  five.System3_Type = 5;
  five.System3_Freeze = 1;
  five.System3_Description = "Geo X Hybrid / Vert 1 U-Tube - 0.75\"";
  const std::filesystem::path damaged = folder / "Data" / "Damaged Figure.pvn";
  model::ProjectRec huge = model::read_project_file(sample).record;
  huge.Project_Title = "Damaged Figure";
  huge.GeoA_Unit2Tons = model::Currency::from_double_saturated(489991639457910.9648);

  QString step;  // the name of the next shot
  int shots = 0;
  tools::start_quietly([&](const platform::MessageRequest& r) {
    QMessageBox box(QMessageBox::Warning, r.title, r.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.show();
    shoot(out, QStringLiteral("%1-%2-message").arg(step).arg(++shots));
    return r.buttons == platform::MessageButtons::YesNo ? platform::MessageResult::No
                                                        : platform::MessageResult::Ok;
  });
  std::filesystem::path next;
  platform::set_file_dialog_hook([&next](const platform::FileDialogRequest&) {
    return std::optional<QString>(QString::fromStdString(next.string()));
  });
  QTemporaryDir lock;
  app::Program program(folder, lock.filePath(QStringLiteral("shots.lock")));
  platform::set_modal_hook([&](QDialog& window) {
    if (auto* reports = qobject_cast<reports::ReportsWindow*>(&window)) {
      reports->show();
      shoot(*reports, out, step + QStringLiteral("-project-report"));
      if (step.endsWith(QLatin1String("damaged-figure")) || !given.empty())  // as it prints
        tools::print_to(*reports, "Command1",
                        out.filePath(step + QStringLiteral("-project-report.pdf")));
      if (!given.empty()) look_at_offers(*reports, out, step);
      reports->menus().action("mnuProjectGraph")->trigger();
      reports->form().get<QScrollBar>("HscrZoom")->setValue(70);  // the whole graph in sight
      shoot(*reports, out, step + QStringLiteral("-comparison-graph"));
      reports->hide();
      return static_cast<int>(QDialog::Accepted);
    }
    auto* project = dynamic_cast<app::ProjectWindow*>(&window);
    if (project == nullptr) {
      window.hide();
      return static_cast<int>(window.objectName() == QLatin1String("Form15") ? QDialog::Accepted
                                                                             : QDialog::Rejected);
    }
    // Shown modally as the program shows it; looked at once its messages have been answered.
    QTimer::singleShot(1500, project, [&, project] {
      shoot(out, step + QStringLiteral("-opened"));
      project->Command3_Click();
      shoot(out, step + QStringLiteral("-load-page"));
      project->Done_Click();
      if (project->isVisible()) project->close();  // refused: closed without Done
    });
    return project->exec();
  });
  if (!program.start()) return 1;
  program.Timer1_Timer();
  app::MainWindow& main = *program.main_window();
  for (const bool metric : {false, true}) {
    model::DealerRec dealer = program.state().DealerRec;
    dealer.FileTag = "KX2";
    dealer.MetricMode = metric ? "1" : "0";
    if (model::write_dealer_file(folder, dealer)) return 1;
    const QString display = QString::fromLatin1(metric ? "metric" : "imperial");
    // The cut copy again while a second program, stopped in its save, holds it; then once that
    // program is gone.
    pid_t saving = 0;
    using Open = std::pair<std::filesystem::path, std::string>;
    const std::vector<Open> opens =
        given.empty()
            ? std::vector<Open>{{sample, "1-sample"},         {bad, "2-bad"},
                                {cut, "3-cut-save"},          {cut, "4-being-saved"},
                                {cut, "5-save-ended"},        {unknown, "6-unknown-system"},
                                {damaged, "7-damaged-figure"}}
            : std::vector<Open>{{given, given.stem().string()}};
    for (const auto& [file, name] : opens) {
      step = display + QStringLiteral("-") + QString::fromStdString(name);
      next = file;
      const bool held = name == "4-being-saved";
      if (file == cut && name != "5-save-ended" &&
          !(held ? (saving = start_stopped_save(cut, before, being_saved)) > 0
                 : leave_cut_save(cut, before, being_saved)))
        return 1;
      if (file == unknown && model::write_project_file(unknown, five)) return 1;
      if (file == damaged && model::write_project_file(damaged, huge)) return 1;
      main.SSCOMMAND2_Click();
      shoot(out, step + QStringLiteral("-main-window"));
      if (held) {
        ::kill(saving, SIGKILL);
        ::waitpid(saving, nullptr, 0);
      }
      if (file == unknown || file == damaged || file == given) {
        main.btnReport_Click();
        main.Timer1_Timer();
      }
    }
  }
  return 0;
}
