#include "app/main_window.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>

#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/main_window_design.h"
#include "model/catalogue/catalogue_readers.h"
#include "model/catalogue/city_lists.h"
#include "model/project/summary_lines.h"
#include "platform/designed_dialog.h"
#include "platform/modal.h"
#include "platform/picture_box.h"
#include "platform/program_end.h"
#include "platform/window_placement.h"

namespace pellavan::app {

using namespace main_window;

MainWindow::MainWindow(program_state::AppState& state, QWidget* parent)
    : DesignedWindow(main_window::kDesign, parent),
      state_(state),
      rows_([this](model::Int16 id) -> std::optional<std::string> {
        if (model::Load_LoopRecord(state_.model, id)) return state_.model.LoopRec.Name.str();
        return std::nullopt;
      }),
      commands_(state, *this) {
  menus_ = std::make_unique<platform::DesignedMenus>(menuBar(), main_window_menus());
  report_timer_.setInterval(1000);
  clock_timer_.setInterval(1000);
  connect(&report_timer_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  connect(&clock_timer_, &QTimer::timeout, this, &MainWindow::Timer2_Timer);
  wire_controls();
  connect_menus();
  form()[Label2]->setAutoFillBackground(true);  // covers the help line beneath it
}

MainWindow::~MainWindow() = default;

void MainWindow::load_logo() {
  form()[Logo]->load_picture(state_.data_path(program_state::kLogoPictureFile));
}

void MainWindow::Form_Load() {
  state_.LargeLayout = 0;
  load_logo();
  state_.help.Set_HelpFile(this);
  QDir::setCurrent(QString::fromStdString(state_.program_folder().string()));
  platform::Center_Form(this);
  form().show_view(kStartView);
  update_commands();
  state_.model.data_files.ProjectRecLen = static_cast<model::Int16>(model::ProjectRec::kFileSize);

  model::ProjectRec& rec = state_.model.ProjectRec;
  for (auto* field : {&rec.Dealer_Name, &rec.Dealer_Address, &rec.Dealer_City, &rec.Client_Name})
    *field = "";
  rec.Dealer_State = "";
  rec.Dealer_Zip = "";
  rec.Dealer_Phone = "";
  rec.Dealer_Fax = "";
  rec.Project_Number = "";
  rec.Project_Title = "";
  rec.Dealer_CellPhone = "";
  rec.Dealer_Email = "";
  rec.Dealer_Contact = "";

  form()[lblVersion]->setText(QStringLiteral("Version ") + state_.VersionText);
  apply_own_layout(false);

  DisclaimerWindow disclaimer(state_, this);
  if (platform::run_modal(disclaimer) != QDialog::Accepted) platform::end_run();
}

void MainWindow::apply_own_layout(bool large) {
  apply_size(large);
  platform::Center_Form(this);
}

void MainWindow::Form_Activate() {
  if (state_.StartupForm) state_.StartupForm->close();
  load_logo();
  clock_timer_.start();
  Timer2_Timer();  // the time at once, not a second later
  QDir::setCurrent(QString::fromStdString(state_.program_folder().string()));
  Show_Summary();
  rows_.restore(state_.model.ProjectRec);
  sync_rows();
  setWindowTitle(QStringLiteral("Pellavan"));
  emit activated();
}

void MainWindow::Form_Deactivate() {
  clock_timer_.stop();
  Store_Selections();
}

bool MainWindow::Form_QueryUnload() {
  state_.help.Close_Help();
  return !project_open() || project_is_safe(commands_.Save_It());
}

void MainWindow::Form_Unload() { platform::end_run(); }

bool MainWindow::project_open() const { return form().view() == kProjectView; }

void MainWindow::show_project_view() {
  form().show_view(kProjectView);
  update_commands();
}

void MainWindow::show_project_window() {
  if (QDialog* w = state_.windows.window(program_state::WindowId::ProjectInfo, state_, this))
    show_modal(*w);
  else
    Show_Summary();  // closing the project window would have redrawn the panels
}

void MainWindow::show_dealer_window() {
  show_modal(*platform::load_window<DealerWindow>(state_, this));
}

QString MainWindow::project_city() {
  // The project's own city, looked up by its id: not whatever the project window's list still
  // holds from the project before (which it keeps until its next showing, or for good when the
  // city file lacks this project's city).
  if (!project_open()) return {};
  return QString::fromStdString(
      model::city_name(state_.model, state_.model.ProjectRec.Loads_CityId));
}

void MainWindow::Show_Summary() {
  const model::ProjectRec& rec = state_.model.ProjectRec;
  platform::PictureBox* dealer = form()[picRegTo];
  dealer->clear_text();
  for (const std::string& line : model::dealer_panel_lines(rec))
    dealer->print_line(QString::fromStdString(line));
  form()[lblCusName]->setText(QString::fromStdString(model::customer_name(rec)));
  const QString file = state_.ProjectFileTitle.trimmed().toLower();
  platform::PictureBox* job = form()[picJobInfo];
  job->clear_text();
  for (const std::string& line :
       model::job_panel_lines(rec, project_city().toStdString(), file.toStdString()))
    job->print_line(QString::fromStdString(line));
}

}  // namespace pellavan::app
